// What the browser tests share: the engines they run in, what each
// engine's driver can deliver, a tally of checks, and the window's parts as
// a test reads and presses them.
import { launchBrowser } from "../../scripts/Browser.mjs";
import { launchWebKit } from "../../scripts/WebKitBrowser.mjs";

// What each engine's driver delivers besides pages, mouse, keys and taps:
// Chromium's DevTools protocol moves a finger and reads the accessibility
// tree, emulates a screen's pixel ratio and a page without scripts, presses
// at fractions of a pixel and takes pictures on the screen's device pixels;
// Firefox's WebDriver BiDi sets a page's pixel ratio; WebKit's WebDriver
// only sizes the browser's window, at the display's ratio of 1.
export const engines = {
    chromium: { devtools: true, pixelRatio: true },
    firefox: { devtools: false, pixelRatio: true },
    webkit: { devtools: false, pixelRatio: false },
};

export function launch(engine, options = {}) {
    if (!(engine in engines))
        throw new Error(`no engine ${engine}: chromium, firefox or webkit`);
    return engine === "webkit" ? launchWebKit() : launchBrowser({ engine, ...options });
}

export function notChecked(engine, what) {
    console.log(`${engine}: not checked, as its driver cannot: ${what}`);
}

// Gives the page a size, or says that the engine's window cannot be that
// small and gives false.
export async function sized(engine, page, viewport) {
    try {
        await page.setViewport(viewport);
        return true;
    } catch (error) {
        if (!error.tooNarrow)
            throw error;
        notChecked(engine, `a page ${viewport.width} px wide: ${error.message}`);
        return false;
    }
}

// The checks' result as the test's exit code.
export function summary() {
    console.log(`${passes} passed, ${failures} failed`);
    return passes > 0 && failures === 0 ? 0 : 1;
}

let failures = 0;
let passes = 0;
export function check(what, condition, detail = "") {
    if (condition) {
        ++passes;
        return;
    }
    ++failures;
    console.error(`FAILED: ${what}${detail ? `: ${detail}` : ""}`);
}

export function fingerprint(bytes) {
    let hash = 14695981039346656037n;
    for (const byte of bytes)
        hash = ((hash ^ BigInt(byte)) * 1099511628211n) & 0xffffffffffffffffn;
    return hash;
}

export const byId = (id) => `[id="${id}"]`;

// The board's inner area in device pixels of the page, and the device
// pixels to a design pixel it is drawn at: the window is as large as the
// page's whole device pixels allow.
export async function boardGeometry(page) {
    return page.$eval(byId("Picture1"), (canvas) => {
        const ratio = devicePixelRatio;
        const root = document.documentElement;
        const scale = Math.min(Math.floor(root.clientWidth * ratio) / 473, Math.floor(root.clientHeight * ratio) / 418);
        const box = canvas.getBoundingClientRect();
        const frame = (Math.round(box.width * ratio) - canvas.width) / 2;
        return { ratio, scale, left: Math.round(box.left * ratio) + frame, top: Math.round(box.top * ratio) + frame,
                 width: canvas.width, height: canvas.height };
    });
}

// A device position in the board's inner area, in the page's CSS pixels.
export const pageAt = (board, x, y) => ({ x: (board.left + x) / board.ratio, y: (board.top + y) / board.ratio });

// The middle of the pixel of a grid crossing, however large the window is drawn.
export async function crossingAt(page, x, y) {
    const board = await boardGeometry(page);
    return pageAt(board, (x * 20 + 0.5) * board.scale, (y * 20 + 0.5) * board.scale);
}

export async function clickCrossing(page, x, y, press = (at) => page.mouse.click(at.x, at.y)) {
    await press(await crossingAt(page, x, y));
}

export const report = (page) => page.$eval(byId("Text1(0)"), (box) => box.value);
export const rows = (page, list) => page.$$eval(`${byId(`List1(${list})`)} > *`, (options) => options.map((o) => o.textContent));

// The board's pixels as one number, worked out in the page, so that a test
// can also wait in the page for a picture: `(${boardHash})()`.
export function boardHash() {
    const canvas = document.getElementById("Picture1");
    let hash = 0;
    for (const byte of canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data)
        hash = (hash * 31 + byte) >>> 0;
    return hash;
}

// The canvas's pixels as the raster holds them: 0xFFRRGGBB in memory order.
export async function canvasBytes(page) {
    const rgba = await page.$eval(byId("Picture1"), (canvas) =>
        Array.from(canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data));
    const bytes = new Uint8Array(rgba.length);
    for (let at = 0; at < rgba.length; at += 4)
        bytes.set([rgba[at + 2], rgba[at + 1], rgba[at], 255], at);
    return bytes;
}
