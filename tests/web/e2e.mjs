// The page as a pupil uses it, in headless Chromium with real input: the
// worked example with mouse clicks, its report and board the same bytes as
// on every toolkit; a triangle of area one half, whose report writes the
// separator of the browser's language; Enter and Space on a button, which
// click it once; a finger on a phone-sized page that draws the window
// smaller; and a reload with the server gone, answered by the service worker.
//   node e2e.mjs SITE_FOLDER --language=bg-BG [--screenshot=FILE]
import { launchBrowser } from "./Browser.mjs";
import { addressOf, serve } from "./StaticServer.mjs";

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

// Clicks the crossing of a grid point, where the board's inner area shows
// it, however large the window is drawn.
async function clickCrossing(page, x, y, press = (at) => page.mouse.click(at.x, at.y)) {
    const at = await page.$eval(byId("Picture1"), (canvas, [x, y]) => {
        const box = canvas.getBoundingClientRect();
        const drawn = box.width / canvas.offsetWidth;
        return { x: box.left + (2 + x * 20 + 0.5) * drawn, y: box.top + (2 + y * 20 + 0.5) * drawn };
    }, [x, y]);
    await press(at);
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

const server = await serve(site);
const browser = await launchBrowser({ language, scale });
try {
    const page = await browser.newPage();
    page.on("pageerror", (error) => check("no error on the page", false, error.message));
    await page.setViewport({ width: 800, height: 600, deviceScaleFactor: scale });
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
} finally {
    await browser.close();
    server.close();
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
