// The page on the screens of five devices: the window whole and as large as
// the page allows, the board one image pixel to a device pixel, taps, a
// finger that moves or is cancelled, presses at fractions of a pixel, a
// phone turned on its side, and what a screen reader finds.
import { addressOf } from "../../scripts/StaticServer.mjs";
import { boardGeometry, byId, check, clickCrossing, crossingAt, engines, launch, notChecked, pageAt, rows, sized }
    from "./PageChecks.mjs";

// Screens of real devices, in CSS pixels at their device pixel ratio.
export const deviceViewports = [
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

// Chromium is started at each screen's own pixel ratio, which places the
// page on whole device pixels as the screen does; Firefox sets each page's
// ratio; WebKit draws every screen at its display's ratio of 1. A finger
// that moves and what a screen reader hears are checked on the first screen
// the engine can show, a device turned on the first it can show both ways.
export async function deviceScreens(engine, server, folder) {
    const shared = engine === "chromium" ? null : await launch(engine);
    try {
        const toCheck = { finger: true, turn: true };
        for (const screen of deviceViewports) {
            const device = engines[engine].pixelRatio ? screen : { ...screen, ratio: 1 };
            const browser = shared ?? await launch(engine, { screenScale: device.ratio });
            try {
                await deviceScreen({ engine, browser, device, toCheck }, server, folder);
            } finally {
                if (!shared)
                    await browser.close();
            }
        }
    } finally {
        await shared?.close();
    }
}

// The page's size on a device; Chromium's screen has the ratio already.
const viewportOf = (engine, device, width = device.width, height = device.height) =>
    ({ width, height, deviceScaleFactor: engine === "chromium" ? 0 : device.ratio, hasTouch: true,
       isMobile: device.mobile });

// The window as large as the page allows, all of it shown, its board's
// image one pixel to a device pixel at that size.
export async function checkFits(page, device) {
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

// The device turned on its side: once the page has its new size and has
// handled the resize (before the frame after next), the window fits it,
// with the same points and picture.
async function turnPhone(engine, page, device) {
    const turned = { ...device, name: `${device.name} turned`, width: device.height, height: device.width };
    const points = [await rows(page, 0), await rows(page, 1)].join(";");
    if (!(await sized(engine, page, viewportOf(engine, device, turned.width, turned.height))))
        return false;
    await page.waitForFunction((width) => innerWidth === width, {}, turned.width);
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    await checkFits(page, turned);
    check(`${turned.name}: the points stay`, [await rows(page, 0), await rows(page, 1)].join(";") === points);
    if (engines[engine].devtools || device.ratio === 1)
        check(`${turned.name}: one image pixel to a device pixel`, (await boardOffScreen(page)) === 0);
    return true;
}

// What the board last told a screen reader: through ariaNotify where the
// page has it, else through the board's live region.
function listenForAnnouncements() {
    const notify = Element.prototype.ariaNotify;
    if (notify) {
        Element.prototype.ariaNotify = function (text, options) {
            window.announced = text;
            notify.call(this, text, options);
        };
    }
}
const lastAnnounced = (page) => page.evaluate(() =>
    window.announced ?? document.querySelector(".announcer[aria-live]")?.textContent);

async function announcesOnce(engine, page) {
    const description = await page.$eval(byId("Picture1"), (canvas) => canvas.getAttribute("aria-description"));
    check(`${engine}: the board's description is announced`, (await lastAnnounced(page)) === description,
          `${await lastAnnounced(page)} / ${description}`);
    if (!engines[engine].devtools) {
        notChecked(engine, "the accessibility tree");
        return;
    }
    const spoken = spokenTexts(await page.accessibility.snapshot({ interestingOnly: false }));
    check("reading the page reads the board's description once",
          spoken.filter((text) => text.includes(description)).length === 1, JSON.stringify(spoken));
}

async function deviceScreen({ engine, browser, device, toCheck }, server, folder) {
    const page = await browser.newPage();
    if (!(await sized(engine, page, viewportOf(engine, device)))) {
        await page.close();
        return;
    }
    page.on("pageerror", (error) => check("no error on the page", false, error.message));
    if (engine !== "webkit")
        await page.evaluateOnNewDocument(listenForAnnouncements);
    await page.goto(addressOf(server));
    await page.waitForSelector(byId("Picture1"));
    if (engine === "webkit")
        await page.evaluate(listenForAnnouncements);
    await checkFits(page, device);
    if (toCheck.finger && engines[engine].devtools)
        await fingerMoves(page, folder && `${folder}/web-finger.png`);
    else if (toCheck.finger)
        notChecked(engine, "a finger moved or cancelled");
    if (!engines[engine].devtools && device.ratio !== 1)
        notChecked(engine, `presses at fractions of a pixel and the screen's pixels at a ratio of ${device.ratio}`);
    else if (device.ratio === 2 || device.ratio === 3) {
        await page.click(byId("Command1(1)"));
        await fractionalPresses(page);
    }
    await page.click(byId("Command1(1)"));
    for (const [x, y] of [[4, 5], [8, 5], [1, 9]])
        await clickCrossing(page, x, y, (at) => page.touchscreen.tap(at.x, at.y));
    check(`${device.name}: taps enter their crossings`,
          (await rows(page, 0)).join() === "4,8,1" && (await rows(page, 1)).join() === "5,5,9");
    await page.tap(byId("Command1(0)"));
    if (engines[engine].devtools || device.ratio === 1)
        check(`${device.name}: one image pixel to a device pixel`, (await boardOffScreen(page)) === 0);
    if (folder)
        await page.screenshot({ path: `${folder}/web-${device.name}.png`, captureBeyondViewport: false });
    if (toCheck.turn && await turnPhone(engine, page, device))
        toCheck.turn = false;
    if (toCheck.finger)
        await announcesOnce(engine, page);
    toCheck.finger = false;
    await page.close();
}
