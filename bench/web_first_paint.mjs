// Time from navigation to the first painted board in headless Chromium: the
// site against a page that paints one empty canvas of the board's size,
// alternately, each run a first visit (a fresh browser context, nothing
// cached). The board counts as painted at the second animation frame after
// its canvas is in the page. Prints each page's runs in milliseconds, the
// medians and their ratio against the goal of 1.5.
//   node bench/web_first_paint.mjs [RUNS] [SITE_FOLDER]    (default 21, build-web/site)
import path from "node:path";
import { fileURLToPath } from "node:url";
import { launchBrowser } from "../tests/web/Browser.mjs";
import { addressOf, serve } from "../scripts/StaticServer.mjs";

const runs = Number(process.argv[2] ?? 21);
const site = process.argv[3] ?? "build-web/site";
const here = path.dirname(fileURLToPath(import.meta.url));

function whenBoardPainted() {
    window.boardPainted = new Promise((resolve) => {
        const look = () => {
            if (document.getElementById("Picture1")?.isConnected)
                requestAnimationFrame(() => requestAnimationFrame(() => resolve(performance.now())));
            else
                requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    });
}

async function firstPaint(browser, address) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(whenBoardPainted);
    await page.goto(address, { waitUntil: "domcontentloaded" });
    const milliseconds = await page.evaluate(() => window.boardPainted);
    await context.close();
    return milliseconds;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const siteServer = await serve(site);
const floorServer = await serve(here);
const browser = await launchBrowser();
const times = { site: [], floor: [] };
try {
    for (let run = 0; run < runs; ++run) {
        times.site.push(await firstPaint(browser, addressOf(siteServer)));
        times.floor.push(await firstPaint(browser, `${addressOf(floorServer)}web_empty_canvas.html`));
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
