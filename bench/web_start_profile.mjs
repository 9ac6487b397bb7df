// Where the time goes until the program's own window is painted, in the
// place of the start window the page is built with: first visits to the
// site in headless Chromium, traced, each split into the page's main-thread
// work by kind (the thread's own processor time, which a busy machine does
// not stretch) and into the moments the page reached on the way (wall time
// from navigation). Prints the medians.
//   node bench/web_start_profile.mjs [RUNS] [SITE_FOLDER]    (default 11, build-web/site)
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { launchBrowser } from "../scripts/Browser.mjs";
import { serveApart } from "../scripts/ServerProcess.mjs";

const runs = Number(process.argv[2] ?? 11);
const site = process.argv[3] ?? "build-web/site";

// The trace events each kind of work is the sum of; nested events of the same
// kind are not counted twice, but kinds nest: the page's scripts run while
// it is parsed, lay the start window out, and the program may start inside
// drelvik.js's evaluation.
const kinds = {
    "parsing the page": ["ParseHTML"],
    "running scripts (the page's and drelvik.js)": ["EvaluateScript"],
    "compiling the wasm (main thread)": ["v8.wasm.compileConsume", "wasm.FinishStreaming", "wasm.SyncCompile"],
    "the program's start (instantiating, embind, main)": ["RunMicrotasks"],
    "  of which compiling wasm functions on first call": ["wasm.CompileLazy"],
    "style and layout": ["UpdateLayoutTree", "Layout"],
    "painting and compositing": ["Paint", "PrePaint", "Commit"],
};

function markMoments() {
    window.moments = {};
    const mark = (name) => { window.moments[name] ??= performance.now(); };
    for (const name of ["instantiate", "instantiateStreaming"]) {
        const original = WebAssembly[name];
        WebAssembly[name] = (...args) => original(...args).then((result) => { mark("wasm instantiated"); return result; });
    }
    window.boardPainted = new Promise((resolve) => {
        const look = () => {
            if (!document.querySelector(".window:not([inert])")?.isConnected)
                return requestAnimationFrame(look);
            mark("window in the page");
            requestAnimationFrame(() => requestAnimationFrame(() => resolve(mark("board painted"))));
        };
        requestAnimationFrame(look);
    });
}

function mainThreadTime(events, names) {
    const page = events.findLast((event) => event.name === "navigationStart" && event.args?.data?.documentLoaderURL?.startsWith("http"));
    const own = events.filter((event) => event.pid === page.pid && event.tid === page.tid && event.ph === "X"
                                         && event.ts >= page.ts && names.includes(event.name)).sort((a, b) => a.ts - b.ts);
    let end = 0;
    let sum = 0;
    for (const event of own) {
        if (event.ts < end)
            continue;
        end = event.ts + event.dur;
        sum += event.tdur ?? 0;
    }
    return sum / 1000;
}

async function profile(browser, address, file) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(markMoments);
    await page.tracing.start({ path: file, categories: ["devtools.timeline", "v8", "v8.wasm", "blink", "blink.user_timing", "loading", "v8.execute"] });
    await page.goto(address, { waitUntil: "domcontentloaded" });
    await page.evaluate(() => window.boardPainted);
    const moments = await page.evaluate(() => {
        const timing = (name) => performance.getEntriesByName(new URL(name, location).href)[0]?.responseEnd;
        const marks = Object.fromEntries(performance.getEntriesByType("mark").map((mark) => [mark.name, mark.startTime]));
        return { "drelvik.js received": timing("drelvik.js"), "drelvik.wasm received": timing("drelvik.wasm"), ...marks,
                 ...window.moments };
    });
    await page.tracing.stop();
    await context.close();
    const events = JSON.parse(fs.readFileSync(file)).traceEvents;
    const cpu = Object.fromEntries(Object.entries(kinds).map(([kind, names]) => [kind, mainThreadTime(events, names)]));
    return { moments, cpu };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const traceFile = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "drelvik-trace-")), "trace.json");
const server = await serveApart(site);
const browser = await launchBrowser({ network: false });
const results = [];
try {
    for (let run = 0; run < runs; ++run)
        results.push(await profile(browser, server.address, traceFile));
} finally {
    await browser.close();
    server.close();
    fs.rmSync(path.dirname(traceFile), { recursive: true, force: true });
}
console.log(`main-thread processor time, median of ${runs} first visits:`);
for (const kind of Object.keys(kinds))
    console.log(`  ${kind.padEnd(52)} ${median(results.map((result) => result.cpu[kind])).toFixed(1).padStart(6)} ms`);
console.log("moments reached, wall time from navigation:");
for (const moment of Object.keys(results[0].moments).sort((a, b) => results[0].moments[a] - results[0].moments[b]))
    console.log(`  ${moment.padEnd(52)} ${median(results.map((result) => result.moments[moment] ?? NaN)).toFixed(1).padStart(6)} ms`);
