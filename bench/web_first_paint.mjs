// How soon the site shows its window, against the floor of showing it: the
// built index.html with its scripts and preloads taken out, which shows the
// same start window and board image and nothing else. The two pages are
// opened alternately in headless Chromium, each run a first visit (a fresh
// browser context, nothing cached). Prints, with each page's runs in
// milliseconds, the medians of the browser's own first contentful paint and
// their ratio, and when the program's own window was ready (painted in the
// start window's place) as a ratio to the floor's first contentful paint.
// Goals: first contentful paint at most 1.05 ×, the program's window at most
// 1.5 × (aim 1.25 ×). Beside them it opens the site with a program that does
// nothing but take the start window as its own, its wasm still fetched and
// compiled: what is left of the window's time for the program's own start.
// Given a second site folder, such as an earlier build, it is opened in turn
// with the first, under the same load, and its figures are printed after the
// first's.
//   node bench/web_first_paint.mjs [--runs N] [SITE_FOLDER [OTHER_SITE_FOLDER]]
//   (default 15, build-web/site)
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { launchBrowser } from "../scripts/Browser.mjs";
import { addressOf, serve } from "../scripts/StaticServer.mjs";

const options = process.argv.slice(2);
const runsAt = options.indexOf("--runs");
const runs = runsAt >= 0 ? Number(options.splice(runsAt, 2)[1]) : 15;
const sites = options.length > 0 ? options : ["build-web/site"];
const site = sites[0];

// The floor: the built page without a script or a preload.
function floorFolder() {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "drelvik-floor-"));
    const page = fs.readFileSync(path.join(site, "index.html"), "utf8")
        .replace(/<script>[\s\S]*?<\/script>\n?/g, "")
        .replace(/<link rel="preload"[^>]*>\n?/g, "");
    fs.writeFileSync(path.join(folder, "index.html"), page);
    return folder;
}

// The site with a program that takes the start window as it is.
function bareProgramFolder() {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "drelvik-bare-"));
    fs.cpSync(site, folder, { recursive: true });
    fs.writeFileSync(path.join(folder, "drelvik.js"), 'document.querySelector(".window[inert]")?.removeAttribute("inert");\n');
    return folder;
}

function whenPainted() {
    window.contentfulPaint = new Promise((resolve) => new PerformanceObserver((entries) => {
        const first = entries.getEntriesByName("first-contentful-paint")[0];
        if (first)
            resolve(first.startTime);
    }).observe({ type: "paint", buffered: true }));
    window.programPainted = new Promise((resolve) => {
        const look = () => {
            if (document.querySelector(".window:not([inert])")?.isConnected)
                requestAnimationFrame(() => requestAnimationFrame(() => resolve(performance.now())));
            else
                requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    });
}

async function firstVisit(browser, address, isSite) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(whenPainted);
    await page.goto(address, { waitUntil: "domcontentloaded" });
    const contentful = await page.evaluate(() => window.contentfulPaint);
    const program = isSite ? await page.evaluate(() => window.programPainted) : undefined;
    await context.close();
    return { contentful, program };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const listed = (values) => values.map((value) => value.toFixed(1)).join(" ");

const floor = floorFolder();
const bare = bareProgramFolder();
const opened = [...sites, bare];
const servers = await Promise.all(opened.map((folder) => serve(folder)));
const floorServer = await serve(floor);
const browser = await launchBrowser();
const times = { floor: [], sites: opened.map(() => ({ contentful: [], program: [] })) };
try {
    for (let run = 0; run < runs; ++run) {
        for (const [at, server] of servers.entries()) {
            const visit = await firstVisit(browser, addressOf(server), true);
            times.sites[at].contentful.push(visit.contentful);
            times.sites[at].program.push(visit.program);
        }
        times.floor.push((await firstVisit(browser, addressOf(floorServer), false)).contentful);
    }
} finally {
    await browser.close();
    servers.forEach((server) => server.close());
    floorServer.close();
    for (const folder of [floor, bare])
        fs.rmSync(folder, { recursive: true, force: true });
}
const ground = median(times.floor);
console.log(`first contentful paint, floor: ${listed(times.floor)}`);
for (const [at, folder] of opened.entries()) {
    const { contentful, program } = times.sites[at];
    console.log(folder === bare ? `${site} with a program that does nothing:` : `${folder}:`);
    console.log(`  first contentful paint: ${listed(contentful)}`);
    console.log(`  the program's window ready: ${listed(program)}`);
    console.log(`  first contentful paint: ${median(contentful).toFixed(1)} ms against ${ground.toFixed(1)} ms, ` +
                `${(median(contentful) / ground).toFixed(2)} × (goal at most 1.05 ×)`);
    console.log(`  the program's window ready: ${median(program).toFixed(1)} ms, ` +
                `${(median(program) / ground).toFixed(2)} × (goal at most 1.5 ×, aim 1.25 ×)`);
}
