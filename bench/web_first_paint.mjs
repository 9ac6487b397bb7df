// Time from navigation to the first painted board in headless Chromium: the
// site against a page that paints one empty canvas of the board's size,
// alternately, each run a first visit (a fresh browser context, nothing
// cached). The board counts as painted at the second animation frame after
// it is in the page: on the site, the start window's board the page is
// built with. Prints each page's runs in milliseconds, the medians and their
// ratio against the goal of 1.5, and when the program's own window took the
// start window's place. The browser's own record of its first contentful
// paint, the moment the first picture was on the screen, is printed beside
// them: the second frame also waits for any work the page does after the
// first, which the first picture did not.
//   node bench/web_first_paint.mjs [RUNS] [SITE_FOLDER]    (default 21, build-web/site)
import path from "node:path";
import { fileURLToPath } from "node:url";
import { launchBrowser } from "../scripts/Browser.mjs";
import { addressOf, serve } from "../scripts/StaticServer.mjs";

const runs = Number(process.argv[2] ?? 21);
const site = process.argv[3] ?? "build-web/site";
const here = path.dirname(fileURLToPath(import.meta.url));

function whenPainted() {
    const painted = (selector) => new Promise((resolve) => {
        const look = () => {
            if (document.querySelector(selector)?.isConnected)
                requestAnimationFrame(() => requestAnimationFrame(() => resolve(performance.now())));
            else
                requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    });
    window.boardPainted = painted("#Picture1, .board");
    window.contentfulPaint = new Promise((resolve) => new PerformanceObserver((entries) => {
        const first = entries.getEntriesByName("first-contentful-paint")[0];
        if (first)
            resolve(first.startTime);
    }).observe({ type: "paint", buffered: true }));
    window.programPainted = painted(".window:not([inert])");
}

// The moment the board was painted, and on the site the moment the
// program's window was.
async function firstPaint(browser, address, site) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(whenPainted);
    await page.goto(address, { waitUntil: "domcontentloaded" });
    const board = await page.evaluate(() => window.boardPainted);
    const contentful = await page.evaluate(() => window.contentfulPaint);
    const program = site ? await page.evaluate(() => window.programPainted) : undefined;
    await context.close();
    return { board, contentful, program };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const siteServer = await serve(site);
const floorServer = await serve(here);
const browser = await launchBrowser();
const times = { site: [], floor: [] };
const contentful = { site: [], floor: [] };
const programWindow = [];
try {
    for (let run = 0; run < runs; ++run) {
        const site = await firstPaint(browser, addressOf(siteServer), true);
        const floor = await firstPaint(browser, `${addressOf(floorServer)}web_empty_canvas.html`);
        times.site.push(site.board);
        times.floor.push(floor.board);
        contentful.site.push(site.contentful);
        contentful.floor.push(floor.contentful);
        programWindow.push(site.program);
    }
} finally {
    await browser.close();
    siteServer.close();
    floorServer.close();
}
for (const [name, values] of Object.entries(times))
    console.log(`${name}: ${values.map((value) => value.toFixed(1)).join(" ")}; median ${median(values).toFixed(1)} ms`);
const ratio = median(times.site) / median(times.floor);
console.log(`first painted board: ${median(times.site).toFixed(1)} ms against ${median(times.floor).toFixed(1)} ms, ` +
            `${ratio.toFixed(2)} × (goal at most 1.5 ×)`);
console.log(`first contentful paint, the browser's own record: ${median(contentful.site).toFixed(1)} ms against ` +
            `${median(contentful.floor).toFixed(1)} ms, ${(median(contentful.site) / median(contentful.floor)).toFixed(2)} ×`);
console.log(`the program's own window painted: median ${median(programWindow).toFixed(1)} ms, ` +
            `${(median(programWindow) / median(times.floor)).toFixed(2)} × the floor`);
