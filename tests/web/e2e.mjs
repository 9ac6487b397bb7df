// The page as a pupil uses it, in headless Chromium with real input: the
// worked example with mouse clicks, its report and board the same bytes as
// on every toolkit; a triangle of area one half, whose report writes the
// separator of the browser's language; Enter and Space on a button, which
// click it once; a finger on a phone-sized page that draws the window
// smaller; and a reload with the server gone, answered by the service worker.
// With --devices, the page on the screens of five devices instead: the
// window whole and as large as the page allows, the board one image pixel
// to a device pixel, taps, a finger that moves or is cancelled, presses at
// fractions of a pixel, and what a screen reader finds.
//   node e2e.mjs SITE_FOLDER --language=bg-BG [--screenshot=FILE]
//   node e2e.mjs SITE_FOLDER --devices [--screenshots=FOLDER]
import { launchBrowser } from "../../scripts/Browser.mjs";
import { addressOf, serve } from "../../scripts/StaticServer.mjs";

const [site, ...options] = process.argv.slice(2);
const option = (name) => options.find((text) => text.startsWith(`--${name}=`))?.slice(name.length + 3);
const language = option("language") ?? "en-US";
const screenshot = option("screenshot");
const scale = Number(option("scale") ?? 1);

// What every toolkit gives for the worked example (tests/scenarios/AgreementScenario.cpp).
const reportFingerprint = 0x1ad0beb76900d44dn;
const boardFingerprints = { 1: 0x7c0cf1408521e078n, 1.5: 0x022aa39560b0d075n, 2: 0x3ec4d95b817dc775n };

let failures = 0;
let passes = 0;
function check(what, condition, detail = "") {
    if (condition) {
        ++passes;
        return;
    }
    ++failures;
    console.error(`FAILED: ${what}${detail ? `: ${detail}` : ""}`);
}

function fingerprint(bytes) {
    let hash = 14695981039346656037n;
    for (const byte of bytes)
        hash = ((hash ^ BigInt(byte)) * 1099511628211n) & 0xffffffffffffffffn;
    return hash;
}

const byId = (id) => `[id="${id}"]`;

// The board's inner area in device pixels of the page, and the device
// pixels to a design pixel it is drawn at: the window is as large as the
// page's whole device pixels allow.
async function boardGeometry(page) {
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
const pageAt = (board, x, y) => ({ x: (board.left + x) / board.ratio, y: (board.top + y) / board.ratio });

// The middle of the pixel of a grid crossing, however large the window is drawn.
async function crossingAt(page, x, y) {
    const board = await boardGeometry(page);
    return pageAt(board, (x * 20 + 0.5) * board.scale, (y * 20 + 0.5) * board.scale);
}

async function clickCrossing(page, x, y, press = (at) => page.mouse.click(at.x, at.y)) {
    await press(await crossingAt(page, x, y));
}

const report = (page) => page.$eval(byId("Text1(0)"), (box) => box.value);
const rows = (page, list) => page.$$eval(`${byId(`List1(${list})`)} > *`, (options) => options.map((o) => o.textContent));

// The canvas's pixels as the raster holds them: 0xFFRRGGBB in memory order.
async function canvasBytes(page) {
    const rgba = await page.$eval(byId("Picture1"), (canvas) =>
        Array.from(canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data));
    const bytes = new Uint8Array(rgba.length);
    for (let at = 0; at < rgba.length; at += 4)
        bytes.set([rgba[at + 2], rgba[at + 1], rgba[at], 255], at);
    return bytes;
}

// The page as served, before any script runs, shows the start window; the
// program, laid out at that window's size, paints the same board.
async function servedStartBoardIsTheProgramsOwn(browser, server) {
    const page = await browser.newPage();
    await page.setJavaScriptEnabled(false);
    await page.goto(addressOf(server));
    const served = await page.$eval(byId("Drelvik"), (window) =>
        ({ width: window.offsetWidth, height: window.offsetHeight, picture: window.querySelector(".board").src }));
    await page.setJavaScriptEnabled(true);
    await page.setViewport({ width: served.width, height: served.height, deviceScaleFactor: 1 });
    await page.goto(addressOf(server));
    await page.waitForSelector(byId("Picture1"));
    const same = await page.$eval(byId("Picture1"), async (canvas, picture) => {
        const image = new Image();
        image.src = picture;
        await image.decode();
        const copy = new OffscreenCanvas(canvas.width, canvas.height).getContext("2d");
        copy.drawImage(image, 0, 0);
        const pixels = (context) => context.getImageData(0, 0, canvas.width, canvas.height).data.join();
        return image.width === canvas.width && image.height === canvas.height
               && pixels(copy) === pixels(canvas.getContext("2d"));
    }, served.picture);
    await page.close();
    return same;
}

// The worked example and the other checks of a pupil's session on a desktop
// page, then the service worker.
async function pupilSession(browser, server) {
    const page = await browser.newPage();
    page.on("pageerror", (error) => check("no error on the page", false, error.message));
    // A page of the window's own size shows it as designed, at the device
    // pixel ratio, where its board has the pixels every toolkit has.
    await page.setViewport({ width: 474, height: 418, deviceScaleFactor: scale });
    await page.goto(addressOf(server));
    await page.waitForSelector(byId("Picture1"));
    check("the caption is the page's title", (await page.title()) === "www.example.org Torvanel");
    check("the icon is the page's", await page.$eval("link[rel=icon]", (link) => link.href.endsWith("drelvik.png")));
    check("the program's window alone once it has started", await page.evaluate(() =>
        document.querySelectorAll(".window").length === 1 && document.querySelectorAll("#drelvik-controls").length === 1));
    if (scale === 1)
        check("the page comes with the program's start board", await servedStartBoardIsTheProgramsOwn(browser, server));

    for (const [x, y] of [[4, 5], [8, 5], [1, 9]])
        await clickCrossing(page, x, y);
    await page.click(byId("Command1(0)"));
    const worked = (await report(page)).replaceAll("\n", "\r\n");
    check("the worked example's report", fingerprint(new TextEncoder().encode(worked)) === reportFingerprint, worked);
    check("the worked example's board at scale " + scale, fingerprint(await canvasBytes(page)) === boardFingerprints[scale]);
    if (screenshot)
        await page.screenshot({ path: screenshot, clip: await page.$eval(byId("Drelvik"), (window) => {
            const box = window.getBoundingClientRect();
            return { x: box.left, y: box.top, width: box.width, height: box.height };
        }) });

    await page.click(byId("Command1(1)"));
    for (const [x, y] of [[4, 5], [5, 5], [4, 6]])
        await clickCrossing(page, x, y);
    check("three rows in each list", (await rows(page, 0)).join() === "4,5,4" && (await rows(page, 1)).join() === "5,5,6");
    await page.click(byId("Command1(0)"));
    const separator = language.startsWith("bg") ? "," : ".";
    check(`the area is written with "${separator}"`, (await report(page)).includes(`Ориентирано лице = 0${separator}5\n`),
          await report(page));

    // The page itself must click nothing more: the button does.
    await page.$eval(byId("Command1(0)"), (button) => {
        window.pageClicks = 0;
        button.addEventListener("click", () => ++window.pageClicks);
    });
    await page.focus(byId("Command1(1)"));
    await page.keyboard.press("Space");
    check("Space on Изчисти clears the lists", (await rows(page, 0)).length === 0);
    for (const [x, y] of [[4, 5], [5, 5], [4, 6]])
        await clickCrossing(page, x, y);
    await page.focus(byId("Command1(0)"));
    await page.keyboard.press("Enter");
    check("Enter on Изчисли writes the report", (await report(page)).startsWith("Ориентирано лице"));
    check("a key clicks a button once", (await page.evaluate(() => window.pageClicks)) === 0);

    // A finger on a page narrower than the window.
    const phone = await browser.newPage();
    await phone.setViewport({ width: 320, height: 560, deviceScaleFactor: 2, hasTouch: true, isMobile: true });
    await phone.goto(addressOf(server));
    await phone.waitForSelector(byId("Picture1"));
    check("the window fits the page's width",
          await phone.$eval(byId("Drelvik"), (window) => Math.round(window.getBoundingClientRect().width) === 320),
          await phone.$eval(byId("Drelvik"), (window) => JSON.stringify([window.getBoundingClientRect(), innerWidth])));
    await clickCrossing(phone, 7, 3, (at) => phone.touchscreen.tap(at.x, at.y));
    check("a tap enters the crossing under the finger", (await rows(phone, 0)).join() === "7" && (await rows(phone, 1)).join() === "3");

    // Once the service worker has the site, it opens without the server.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    check("the service worker answers", await page.evaluate(() => navigator.serviceWorker.controller !== null));
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
    await page.reload();
    await page.waitForSelector(byId("Picture1"));
    check("offline, the page opens with its task", (await report(page)).startsWith("В геометрията"));
}

// Screens of real devices, in CSS pixels at their device pixel ratio.
const deviceViewports = [
    { name: "phone-portrait", width: 360, height: 740, ratio: 3, mobile: true },
    { name: "phone-landscape", width: 740, height: 360, ratio: 3, mobile: true },
    { name: "tablet", width: 1024, height: 768, ratio: 2, mobile: true },
    { name: "laptop-125", width: 1229, height: 600, ratio: 1.25, mobile: false },
    { name: "projector-1080p", width: 1920, height: 1080, ratio: 1, mobile: false },
];
const MarkColour = [0, 0, 255];

// Whether the screen shows the board's canvas pixel for pixel: the page's
// picture, in device pixels, holds the canvas's pixels where its inner area
// lies; the number of bytes that differ.
async function boardOffScreen(page) {
    const board = await boardGeometry(page);
    const shot = await page.screenshot({ encoding: "base64", captureBeyondViewport: false });
    return page.evaluate(async (shot, board) => {
        const image = new Image();
        image.src = `data:image/png;base64,${shot}`;
        await image.decode();
        const screen = new OffscreenCanvas(image.width, image.height).getContext("2d");
        screen.drawImage(image, 0, 0);
        const shown = screen.getImageData(board.left, board.top, board.width, board.height).data;
        const canvas = document.querySelector('[id="Picture1"]');
        const drawn = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
        return drawn.reduce((differing, byte, at) => differing + (byte !== shown[at]), 0);
    }, shot, board);
}

// Whether the canvas shows the contact mark's colour at a device pixel.
const markedAt = (page, x, y) => page.$eval(byId("Picture1"), (canvas, [x, y, colour]) =>
    Array.from(canvas.getContext("2d").getImageData(x, y, 1, 1).data.slice(0, 3)).join() === colour.join(),
    [Math.round(x), Math.round(y), MarkColour]);

// The design pixel a press at a device position of the inner area enters:
// the one drawn on the device pixel that holds it, design pixel k being
// drawn from round(k·s) up to round((k + 1)·s).
function pixelUnder(position, scale) {
    const device = Math.floor(position);
    const start = (k) => Math.floor(k * scale + 0.5);
    let k = Math.floor(device / scale);
    while (start(k + 1) <= device)
        ++k;
    while (start(k) > device)
        --k;
    return k;
}

// A finger on the board: put down at one crossing and moved to another it
// marks that one and enters it where it lifts; a cancelled one enters nothing.
async function fingerMoves(page, screenshot) {
    const board = await boardGeometry(page);
    const row = (y) => Math.floor(y * 20 * board.scale + 0.5);
    const finger = await page.createCDPSession();
    const touch = async (type, at) => finger.send("Input.dispatchTouchEvent", { type, touchPoints: at ? [at] : [] });
    await touch("touchStart", await crossingAt(page, 2, 2));
    check("a finger marks its crossing", await markedAt(page, 0, row(2)));
    await touch("touchMove", await crossingAt(page, 6, 4));
    check("the mark follows the finger", await markedAt(page, 0, row(4)) && !(await markedAt(page, 0, row(2))));
    check("nothing is entered while the finger is down", (await rows(page, 0)).length === 0);
    if (screenshot)
        await page.screenshot({ path: screenshot, captureBeyondViewport: false });
    await touch("touchEnd");
    check("a finger enters the crossing where it lifts", (await rows(page, 0)).join() === "6" &&
          (await rows(page, 1)).join() === "4" && !(await markedAt(page, 0, row(4))));
    await touch("touchStart", await crossingAt(page, 3, 7));
    await touch("touchCancel");
    check("a cancelled finger enters nothing", (await rows(page, 0)).length === 1 && !(await markedAt(page, 0, row(7))));
}

// Mouse presses a few tenths of a device pixel before and after the first
// device pixel of design pixels 150 (where x goes to the next crossing) and
// 57: each enters the design pixel drawn where it lands.
async function fractionalPresses(page) {
    const board = await boardGeometry(page);
    for (const offset of [-0.3, 0.3]) {
        const x = Math.floor(150 * board.scale + 0.5) + offset;
        const y = Math.floor(57 * board.scale + 0.5) + offset;
        const at = pageAt(board, x, y);
        await page.mouse.click(at.x, at.y);
        const [column, line] = [pixelUnder(x, board.scale), pixelUnder(y, board.scale)];
        const crossing = column % 20 >= 10 ? column - column % 20 + 20 : column - column % 20;
        const upward = Number((await rows(page, 2)).at(-1).replace(",", "."));
        check(`a press at (${at.x}, ${at.y}) enters pixel (${column}, ${line})`,
              (await rows(page, 0)).at(-1) === String(crossing / 20) && Math.round(229 - upward * 20) === line,
              `${(await rows(page, 0)).at(-1)}, ${upward}`);
    }
}

// Every name and description a screen reader finds in the page.
function spokenTexts(node) {
    return [node.name, node.description, ...(node.children ?? []).flatMap(spokenTexts)].filter(Boolean);
}

async function deviceScreens(server) {
    const folder = option("screenshots");
    for (const device of deviceViewports) {
        const browser = await launchBrowser({ screenScale: device.ratio });
        try {
            await deviceScreen(browser, server, device, folder);
        } finally {
            await browser.close();
        }
    }
}

// The window as large as the page allows, all of it shown, its board's
// image one pixel to a device pixel at that size.
async function checkFits(page, device) {
    const shown = await page.$eval(byId("Drelvik"), (window) => {
        const box = window.getBoundingClientRect();
        const root = document.documentElement;
        return { left: box.left, top: box.top, right: box.right, bottom: box.bottom,
                 scrolls: root.scrollWidth > root.clientWidth || root.scrollHeight > root.clientHeight };
    });
    const near = (a, b) => Math.abs(a - b) <= 1 / device.ratio;
    check(`${device.name}: the whole window shows, nothing to scroll`, shown.left >= 0 && shown.top >= 0 &&
          shown.right <= device.width && shown.bottom <= device.height && !shown.scrolls, JSON.stringify(shown));
    check(`${device.name}: the window fills the page's width or height`,
          near(shown.right - shown.left, device.width) || near(shown.bottom - shown.top, device.height));
    const board = await boardGeometry(page);
    check(`${device.name}: the board's image is as large as the window`,
          board.width === Math.floor(343 * board.scale + 0.5) && board.height === Math.floor(229 * board.scale + 0.5));
}

// The phone turned on its side: once the page has its new size and has
// handled the resize (before the frame after next), the window fits it,
// with the same points and picture.
async function turnPhone(page, device) {
    const turned = { ...device, name: `${device.name} turned`, width: device.height, height: device.width };
    const points = [await rows(page, 0), await rows(page, 1)].join(";");
    await page.setViewport({ width: turned.width, height: turned.height, deviceScaleFactor: 0, hasTouch: true,
                             isMobile: true });
    await page.waitForFunction((width) => innerWidth === width, {}, turned.width);
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    await checkFits(page, turned);
    check(`${turned.name}: the points stay`, [await rows(page, 0), await rows(page, 1)].join(";") === points);
    check(`${turned.name}: one image pixel to a device pixel`, (await boardOffScreen(page)) === 0);
}

async function deviceScreen(browser, server, device, folder) {
    const page = await browser.newPage();
    page.on("pageerror", (error) => check("no error on the page", false, error.message));
    await page.evaluateOnNewDocument(() => {
        const notify = Element.prototype.ariaNotify;
        Element.prototype.ariaNotify = function (text, options) {
            window.announced = text;
            notify.call(this, text, options);
        };
    });
    await page.setViewport({ width: device.width, height: device.height, deviceScaleFactor: 0, hasTouch: true,
                             isMobile: device.mobile });
    await page.goto(addressOf(server));
    await page.waitForSelector(byId("Picture1"));
    await checkFits(page, device);
    if (device.name === "phone-portrait")
        await fingerMoves(page, folder && `${folder}/web-finger.png`);
    if (device.ratio === 2 || device.ratio === 3) {
        await page.click(byId("Command1(1)"));
        await fractionalPresses(page);
    }
    await page.click(byId("Command1(1)"));
    for (const [x, y] of [[4, 5], [8, 5], [1, 9]])
        await clickCrossing(page, x, y, (at) => page.touchscreen.tap(at.x, at.y));
    check(`${device.name}: taps enter their crossings`,
          (await rows(page, 0)).join() === "4,8,1" && (await rows(page, 1)).join() === "5,5,9");
    await page.tap(byId("Command1(0)"));
    check(`${device.name}: one image pixel to a device pixel`, (await boardOffScreen(page)) === 0);
    if (folder)
        await page.screenshot({ path: `${folder}/web-${device.name}.png`, captureBeyondViewport: false });
    if (device.name === "phone-portrait")
        await turnPhone(page, device);
    if (device === deviceViewports[0]) {
        const description = await page.$eval(byId("Picture1"), (canvas) => canvas.getAttribute("aria-description"));
        check("the board's description is announced", (await page.evaluate(() => window.announced)) === description);
        const spoken = spokenTexts(await page.accessibility.snapshot({ interestingOnly: false }));
        check("reading the page reads the board's description once",
              spoken.filter((text) => text.includes(description)).length === 1, JSON.stringify(spoken));
    }
}

const server = await serve(site);
try {
    if (options.includes("--devices")) {
        await deviceScreens(server);
    } else {
        const browser = await launchBrowser({ language, scale });
        try {
            await pupilSession(browser, server);
        } finally {
            await browser.close();
        }
    }
} finally {
    server.close();
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
