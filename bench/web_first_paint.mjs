// How soon the site shows its window, each figure against its floor, in
// headless Chromium and Firefox in one run:
// (a) the site's first contentful paint against the static start window:
//     the built index.html with its scripts and preloads taken out, which
//     shows the same start window and board image and nothing else;
// (b) when the program's own window is ready (painted in the start window's
//     place) against the same site with a program that does nothing but
//     take the start window as its own, its wasm still fetched and compiled:
//     what the program's own start adds. With it, the same ratio for a
//     program that only waits for the page's compiled wasm before it takes
//     the start window: how much of (b) the wait for the wasm alone makes.
// Each page is opened once a round, in a fresh browser context with nothing
// cached (a first visit), each round in another order, so that a busy
// machine slows every page alike. Prints each page's medians and quartiles
// in milliseconds and the ratios of the medians. Goals: (a) at most
// 1.10 ×, (b) at most 1.15 ×. Given a second site folder, such as an
// earlier build, it is opened in the same rounds, against its own two
// programs and the same static start window.
//   node bench/web_first_paint.mjs [--runs N] [--engines chromium,firefox] [SITE_FOLDER [OTHER_SITE_FOLDER]]
//   (default 21 runs, both engines, build-web/site)
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { launchBrowser } from "../scripts/Browser.mjs";
import { serveApart } from "../scripts/ServerProcess.mjs";

function option(name, fallback) {
    const at = options.indexOf(`--${name}`);
    return at >= 0 ? options.splice(at, 2)[1] : fallback;
}

const options = process.argv.slice(2);
const runs = Number(option("runs", 21));
const engines = option("engines", "chromium,firefox").split(",");
const sites = options.length > 0 ? options : ["build-web/site"];
const made = [];

function madeFolder(name) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), `drelvik-${name}-`));
    made.push(folder);
    return folder;
}

// The static start window: the built page without a script or a preload.
function floorFolder(site) {
    const folder = madeFolder("floor");
    const page = fs.readFileSync(path.join(site, "index.html"), "utf8")
        .replace(/<script>[\s\S]*?<\/script>\n?/g, "")
        .replace(/<link rel="preload"[^>]*>\n?/g, "");
    fs.writeFileSync(path.join(folder, "index.html"), page);
    return folder;
}

// The site with another program in the place of drelvik.js.
function otherProgramFolder(site, name, program) {
    const folder = madeFolder(name);
    fs.cpSync(site, folder, { recursive: true });
    fs.writeFileSync(path.join(folder, "drelvik.js"), `${program}\n`);
    return folder;
}

// A program that takes the start window as it is, and one that takes it only
// once the page has compiled the wasm: no start of any program can be ready
// sooner than the second.
const takeStartWindow = 'document.querySelector(".window[inert]")?.removeAttribute("inert")';
const doNothing = (site) => otherProgramFolder(site, "nothing", `${takeStartWindow};`);
const onlyWaitForWasm = (site) => otherProgramFolder(site, "waiting", `drelvikWasm.then(() => ${takeStartWindow});`);
const doingNothing = (site) => `${site} with a program that does nothing`;
const onlyWaitingForWasm = (site) => `${site} with a program that only waits for its wasm`;

// Runs in the page before its own scripts: the first contentful paint as the
// browser reports it, and the program's window ready at the second
// animation frame after it is in the page, which waits for the frame that
// paints it.
function whenPainted() {
    window.contentfulPaint = new Promise((resolve) => new PerformanceObserver((entries) => {
        const first = entries.getEntriesByName("first-contentful-paint")[0];
        if (first)
            resolve(first.startTime);
    }).observe({ type: "paint", buffered: true }));
    window.programReady = new Promise((resolve) => {
        const look = () => {
            if (document.querySelector(".window:not([inert])")?.isConnected)
                requestAnimationFrame(() => requestAnimationFrame(() => resolve(performance.now())));
            else
                requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    });
}

// A visit that has not ended in a minute, which a browser that never
// paints a page it takes for hidden leaves waiting, is said and made again.
const patience = 60000;

async function visited(context, page) {
    const tab = await context.newPage();
    await tab.evaluateOnNewDocument(whenPainted);
    await tab.goto(page.server.address, { waitUntil: "domcontentloaded" });
    const contentful = await tab.evaluate(() => window.contentfulPaint);
    const ready = page.hasProgram ? await tab.evaluate(() => window.programReady) : undefined;
    return { contentful, ready };
}

async function firstVisit(browser, page) {
    const context = await browser.createBrowserContext();
    let waiting;
    const late = new Promise((resolve) => { waiting = setTimeout(resolve, patience); });
    const visit = await Promise.race([visited(context, page), late]);
    clearTimeout(waiting);
    await context.close();
    if (!visit) {
        console.log(`  ${page.name}: a visit had not ended after ${patience / 1000} s and is made again`);
        return firstVisit(browser, page);
    }
    page.contentful.push(visit.contentful);
    if (page.hasProgram)
        page.ready.push(visit.ready);
}

async function measure(engine, folders) {
    const pages = await Promise.all(folders.map(async ({ name, folder, hasProgram }) =>
        ({ name, hasProgram, server: await serveApart(folder), contentful: [], ready: [] })));
    const browser = await launchBrowser({ engine, network: false });
    try {
        for (let run = 0; run < runs; ++run) {
            for (let turn = 0; turn < pages.length; ++turn)
                await firstVisit(browser, pages[(run + turn) % pages.length]);
        }
    } finally {
        await browser.close();
        pages.forEach((page) => page.server.close());
    }
    return pages;
}

const sorted = (values) => [...values].sort((a, b) => a - b);
const median = (values) => sorted(values)[Math.floor(values.length / 2)];
function spread(values) {
    const order = sorted(values);
    const at = (fraction) => order[Math.floor((order.length - 1) * fraction)].toFixed(1);
    return `${median(values).toFixed(1)} ms (quartiles ${at(0.25)}–${at(0.75)})`;
}

function report(engine, pages) {
    const [floor, ...rest] = pages;
    const byName = Object.fromEntries(pages.map((page) => [page.name, page]));
    console.log(`${engine}, ${runs} first visits of each page:`);
    console.log(`  static start window: first contentful paint ${spread(floor.contentful)}`);
    for (const page of rest)
        console.log(`  ${page.name}: first contentful paint ${spread(page.contentful)}, window ready ${spread(page.ready)}`);
    for (const site of sites) {
        const page = byName[site];
        const nothing = byName[doingNothing(site)];
        const waiting = byName[onlyWaitingForWasm(site)];
        const ready = (other) => (median(other.ready) / median(nothing.ready)).toFixed(2);
        console.log(`  ${site}: (a) first contentful paint ${(median(page.contentful) / median(floor.contentful)).toFixed(2)} × ` +
                    `the static start window's (goal at most 1.10 ×); (b) window ready ${ready(page)} × the program ` +
                    `that does nothing (goal at most 1.15 ×), where the program that only waits for its wasm is ready at ${ready(waiting)} ×`);
    }
}

try {
    const folders = [{ name: "static start window", folder: floorFolder(sites[0]), hasProgram: false }];
    for (const site of sites) {
        folders.push({ name: site, folder: site, hasProgram: true });
        folders.push({ name: doingNothing(site), folder: doNothing(site), hasProgram: true });
        folders.push({ name: onlyWaitingForWasm(site), folder: onlyWaitForWasm(site), hasProgram: true });
    }
    for (const engine of engines)
        report(engine, await measure(engine, folders));
} finally {
    for (const folder of made)
        fs.rmSync(folder, { recursive: true, force: true });
}
