// Presses, taps and keys made on the start window the page is built with,
// before the program has loaded, count: the program's WebAssembly is held
// back until they are made, and once it runs, its lists, board and focus are
// exactly what the same input gives when made on the running program.
// Chromium's and Firefox's drivers hold a request back; WebKit's does not.
//   node start_input.mjs SITE_FOLDER [--engine=firefox]
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { launchBrowser } from "../../scripts/Browser.mjs";
import { addressOf, serve } from "../../scripts/StaticServer.mjs";
import { boardHash, report, rows } from "./PageChecks.mjs";

const [site, ...options] = process.argv.slice(2);
const engine = options.find((text) => text.startsWith("--engine="))?.slice("--engine=".length) ?? "chromium";
const program = ".window:not([inert])";

// The middle of a grid crossing's pixel on the board, an image in the start
// window and a canvas in the program's, in the page's CSS pixels.
function crossing([x, y]) {
    const board = document.querySelector(".board");
    const box = board.getBoundingClientRect();
    const scale = box.width / board.offsetWidth;
    const pixel = (board.clientWidth * scale) / (board.naturalWidth || board.width);
    return { x: box.left + board.clientLeft * scale + (x * 20 + 0.5) * pixel,
             y: box.top + board.clientTop * scale + (y * 20 + 0.5) * pixel };
}

// A click, a double click (one point), a tap, Tab from the board on to
// "Изчисли", which the three points enable, and Space on it: the program's
// button clicks as the key goes down, so the key kept from the start window,
// which keeps no key's release, clicks it too.
async function pupilInput(page) {
    const at = (point) => page.evaluate(crossing, point);
    const click = await at([2, 3]);
    await page.mouse.click(click.x, click.y);
    const double = await at([6, 1]);
    await page.mouse.click(double.x, double.y, { count: 2 });
    const tap = await at([5, 4]);
    await page.touchscreen.tap(tap.x, tap.y);
    for (let press = 0; press < 4; ++press)
        await page.keyboard.press("Tab");
    await page.keyboard.press(" ");
}

// The program's rows, focus, report and board pixels.
async function programState(page) {
    return { x: (await rows(page, 0)).join(), y: (await rows(page, 1)).join(),
             focus: await page.evaluate(() => document.activeElement.id), report: await report(page),
             board: await page.evaluate(boardHash) };
}

// A page of the given size, at one device pixel to a CSS pixel, with touch.
const viewport = (size) => ({ ...size, deviceScaleFactor: 1, hasTouch: true });

// Each page a first visit, which no service worker answers.
async function openPage(browser, size = { width: 474, height: 418 }) {
    const page = await (await browser.createBrowserContext()).newPage();
    page.setDefaultTimeout(0);
    await page.setViewport(viewport(size));
    page.on("pageerror", (error) => {
        console.error(`FAILED: an error on the page: ${error.message}`);
        process.exitCode = 1;
    });
    return page;
}

// The input made once the program runs.
async function madeOnProgram(browser, server) {
    const page = await openPage(browser);
    await page.goto(addressOf(server));
    await page.waitForSelector(program);
    await pupilInput(page);
    return programState(page);
}

// A page whose program's WebAssembly is held back until it is let go, once
// the start window is on the screen.
async function openHeldBack(browser, server, size) {
    const page = await openPage(browser, size);
    const held = [];
    let holding = true;
    await page.setRequestInterception(true);
    page.on("request", (request) => {
        if (holding && request.url().endsWith(".wasm"))
            held.push(request);
        else
            request.continue();
    });
    await page.goto(addressOf(server), { waitUntil: "domcontentloaded" });
    await page.waitForFunction(() =>
        document.querySelector(".window[inert]") && performance.getEntriesByType("paint").length > 0);
    const letGo = async () => {
        holding = false;
        for (const request of held)
            request.continue();
        await page.waitForSelector(program);
    };
    return { page, letGo };
}

// The input made on the start window while the program is held back.
async function madeOnStartWindow(browser, server) {
    const { page, letGo } = await openHeldBack(browser, server);
    await pupilInput(page);
    const early = await page.evaluate(() => document.querySelector(".window[inert]") !== null);
    await letGo();
    return { early, state: await programState(page) };
}

// Where the start window's controls and then the program's lie on a phone's
// page of three device pixels to a CSS pixel, narrower than the window is
// designed, turned upright after the page was opened: as the page lays them
// out, each written as the program writes it, and its factor; once the
// program has taken the window over, and once it has laid it out again
// itself for the same page.
async function placesOnPhone(browser, server) {
    const { page, letGo } = await openHeldBack(browser, server, { width: 844, height: 390 });
    // The page's own listener, added first, has run once this one has.
    await page.evaluate(() => { window.turned = new Promise((resolve) => addEventListener("resize", resolve)); });
    await page.setViewport({ ...viewport({ width: 390, height: 844 }), deviceScaleFactor: 3 });
    await page.evaluate(() => window.turned);
    const places = () => {
        const window = document.querySelector(".window");
        const placed = [window, ...window.children].filter((element) => element.style.left !== "");
        return [window.style.getPropertyValue("--fit"),
                ...placed.map(({ style }) => [style.left, style.top, style.width, style.height].join(" "))];
    };
    const start = await page.evaluate(places);
    await letGo();
    const program = await page.evaluate(places);
    await page.evaluate(() => dispatchEvent(new Event("resize")));
    return { start, program, laidOutAgain: await page.evaluate(places) };
}

// A page whose start window was taken from another build, as a flaky
// network can pair a new page with a program the service worker kept, and
// which the program could not take over (its board has no picture): the
// program makes its window anew in its place, and the page keeps no more
// input for the window gone.
async function madeOnOtherBuild(browser) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "drelvik-other-build-"));
    fs.cpSync(site, folder, { recursive: true });
    const index = path.join(folder, "index.html");
    fs.writeFileSync(index, fs.readFileSync(index, "utf8")
        .replace(/ data-build="[^"]*"/, ' data-build="other"').replace(/<img [^>]*class="board"[^>]*>/, ""));
    const server = await serve(folder);
    try {
        const page = await openPage(browser);
        const failed = new Promise((resolve, reject) => page.once("pageerror", reject));
        await page.goto(addressOf(server));
        await Promise.race([page.waitForSelector(program), failed]);
        await pupilInput(page);
        return { windows: await page.$$eval(".window", (windows) => windows.length),
                 kept: await page.evaluate(() => drelvikStartInput.length), state: await programState(page) };
    } finally {
        server.close();
        fs.rmSync(folder, { recursive: true });
    }
}

const server = await serve(site);
const browser = await launchBrowser({ engine, language: "bg-BG" });
try {
    const expected = await madeOnProgram(browser, server);
    const { early, state } = await madeOnStartWindow(browser, server);
    const places = await placesOnPhone(browser, server);
    const otherBuild = await madeOnOtherBuild(browser);
    const expect = (what, condition, detail) => {
        if (!condition) {
            console.error(`FAILED: ${what}: ${detail}`);
            process.exitCode = 1;
        }
    };
    expect("the input is made before the program runs", early, "the program ran first");
    expect("three points after a click, a double click and a tap", expected.x === "2,6,5" && expected.y === "3,1,4",
           JSON.stringify(expected));
    expect("Space on \"Изчисли\" calculates", expected.focus === "Command1(0)" && expected.report.includes("2, 3, 1"),
           JSON.stringify(expected));
    expect("the start window's input as the program's own", JSON.stringify(state) === JSON.stringify(expected),
           `${JSON.stringify(state)} instead of ${JSON.stringify(expected)}`);
    expect("the start window is laid out as the program lays it out",
           [places.program, places.laidOutAgain].every((program) => JSON.stringify(program) === JSON.stringify(places.start)),
           JSON.stringify(places));
    expect("a start window of another build is made anew, and input on it no longer kept",
           otherBuild.windows === 1 && otherBuild.kept === 0
           && JSON.stringify(otherBuild.state) === JSON.stringify(expected), JSON.stringify(otherBuild));
} finally {
    await browser.close();
    server.close();
}
