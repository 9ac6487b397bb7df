// The page as a pupil uses it, with real input, in Chromium, Firefox or
// WebKit: the worked example with mouse clicks, its report and board the
// same bytes as on every toolkit; a triangle of area one half, whose report
// writes the separator of the browser's language, or of the page's where the
// browser names a language in no form it knows; Enter and Space on a
// button, which click it once; a finger on a phone-sized page that draws the
// window smaller; a browser window made smaller step by step, scroll bars
// shown; and a reload with the server gone, answered by the service worker.
// With --devices, the page on the screens of five devices instead.
//   node e2e.mjs SITE_FOLDER --engine=firefox --language=bg-BG [--screenshot=FILE]
//   node e2e.mjs SITE_FOLDER --engine=webkit --devices [--screenshots=FOLDER]
import { addressOf, serve } from "../../scripts/StaticServer.mjs";
import { checkFits, deviceScreens } from "./DeviceScreens.mjs";
import { byId, canvasBytes, check, clickCrossing, engines, fingerprint, launch, notChecked, report, rows, sized,
         summary }
    from "./PageChecks.mjs";

const [site, ...options] = process.argv.slice(2);
const option = (name) => options.find((text) => text.startsWith(`--${name}=`))?.slice(name.length + 3);
const engine = option("engine") ?? "chromium";
const language = option("language") ?? "en-US";
const screenshot = option("screenshot");
const scale = Number(option("scale") ?? 1);

// What every toolkit gives for the worked example (tests/scenarios/AgreementScenario.cpp).
const reportFingerprint = 0x1ad0beb76900d44dn;
const boardFingerprints = { 1: 0x7c0cf1408521e078n, 1.5: 0x022aa39560b0d075n, 2: 0x3ec4d95b817dc775n };

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

// The worked example on a page of the window's own size, which shows it as
// designed, at the device pixel ratio, where its board has the pixels
// every toolkit has.
async function workedExample(browser, server) {
    const page = await browser.newPage();
    page.on("pageerror", (error) => check("no error on the page", false, error.message));
    await page.setViewport({ width: 474, height: 418, deviceScaleFactor: scale });
    await page.goto(addressOf(server));
    await page.waitForSelector(byId("Picture1"));
    check("the caption is the page's title", (await page.title()) === "www.example.org Torvanel");
    check("the icon is the page's", await page.$eval("link[rel=icon]", (link) => link.href.endsWith("drelvik.png")));
    check("the program's window alone once it has started", await page.evaluate(() =>
        document.querySelectorAll(".window").length === 1 && document.querySelectorAll("#drelvik-controls").length === 1));
    if (!engines[engine].devtools)
        notChecked(engine, "the page as served, with scripts off");
    else if (scale === 1)
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
    return page;
}

const area = async (page) => (await report(page)).match(/Ориентирано лице = (.*)\n/)?.[1];

// A triangle of area one half, written with the separator of the browser's
// language; with a language the browser reports in no form it knows, or no
// Intl at all, with the page's or a point, and no error on the press.
async function separators(page) {
    await page.click(byId("Command1(1)"));
    for (const [x, y] of [[4, 5], [5, 5], [4, 6]])
        await clickCrossing(page, x, y);
    check("three rows in each list", (await rows(page, 0)).join() === "4,5,4" && (await rows(page, 1)).join() === "5,5,6");
    await page.click(byId("Command1(0)"));
    const own = (await page.evaluate(() => navigator.language)).startsWith("en") ? "0.5" : "0,5";
    check(`the area in the browser's language is ${own}`, (await area(page)) === own, await report(page));
    // Each differs from the one before, so that a report not written again shows.
    for (const [language, written] of [["en-GB", "0.5"], ["C", "0,5"], ["en", "0.5"], ["", "0,5"], ["en-US", "0.5"],
                                       ["en_US", "0,5"], ["en-US", "0.5"], ["no such language!", "0,5"],
                                       [null, "0.5"]]) {
        await page.evaluate((language) => {
            if (language === null)
                delete window.Intl;
            else
                Object.defineProperty(navigator, "language", { value: language, configurable: true });
        }, language);
        await page.click(byId("Command1(0)"));
        check(`the area with the browser's language ${JSON.stringify(language)} is ${written}`,
              (await area(page)) === written, await report(page));
    }
}

// Enter and Space on a button click it once: the page itself must click
// nothing more.
async function keysOnButtons(page) {
    await page.$eval(byId("Command1(0)"), (button) => {
        window.pageClicks = 0;
        button.addEventListener("click", () => ++window.pageClicks);
    });
    await page.focus(byId("Command1(1)"));
    await page.keyboard.press(" ");
    check("Space on Изчисти clears the lists", (await rows(page, 0)).length === 0);
    for (const [x, y] of [[4, 5], [5, 5], [4, 6]])
        await clickCrossing(page, x, y);
    await page.focus(byId("Command1(0)"));
    await page.keyboard.press("Enter");
    check("Enter on Изчисли writes the report", (await report(page)).startsWith("Ориентирано лице"));
    check("a key clicks a button once", (await page.evaluate(() => window.pageClicks)) === 0);
}

// A finger on a page narrower than the window.
async function fingerOnPhone(browser, server) {
    const phone = await browser.newPage();
    if (!(await sized(engine, phone, { width: 320, height: 560, deviceScaleFactor: 2, hasTouch: true, isMobile: true }))) {
        await phone.close();
        return;
    }
    await phone.goto(addressOf(server));
    await phone.waitForSelector(byId("Picture1"));
    check("the window fits the page's width",
          await phone.$eval(byId("Drelvik"), (window) => Math.round(window.getBoundingClientRect().width) === 320),
          await phone.$eval(byId("Drelvik"), (window) => JSON.stringify([window.getBoundingClientRect(), innerWidth])));
    await clickCrossing(phone, 7, 3, (at) => phone.touchscreen.tap(at.x, at.y));
    check("a tap enters the crossing under the finger", (await rows(phone, 0)).join() === "7" && (await rows(phone, 1)).join() === "3");
    await phone.close();
}

// A desktop browser's window made smaller step by step, each step handled
// while the page still has the scroll bars of the larger window: at each,
// the window fits as on a fresh load.
async function shrinkingWindow(browser, server) {
    const page = await browser.newPage();
    await page.setViewport({ width: 1024, height: 768, deviceScaleFactor: 1 });
    await page.goto(addressOf(server));
    await page.waitForSelector(byId("Picture1"));
    for (const [width, height] of [[900, 760], [700, 700], [480, 740], [360, 740], [300, 200]]) {
        if (!(await sized(engine, page, { width, height, deviceScaleFactor: 1 })))
            continue;
        await page.waitForFunction((width) => innerWidth === width, {}, width);
        await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
        await checkFits(page, { name: `shrunk to ${width}×${height}`, width, height, ratio: 1 });
    }
    await page.close();
}

// Once the service worker has the site, it opens without the server.
async function offline(page, server) {
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    await page.reload();
    // The program fetches its code after the page has loaded: the server
    // stays until the program runs.
    await page.waitForSelector(byId("Picture1"));
    check("the service worker answers", await page.evaluate(() => navigator.serviceWorker.controller !== null));
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
    await page.reload();
    await page.waitForSelector(byId("Picture1"));
    check("offline, the page opens with its task", (await report(page)).startsWith("В геометрията"));
}

async function pupilSession(browser, server) {
    const page = await workedExample(browser, server);
    await separators(page);
    await keysOnButtons(page);
    await fingerOnPhone(browser, server);
    await shrinkingWindow(browser, server);
    await offline(page, server);
}

const server = await serve(site);
try {
    if (options.includes("--devices")) {
        await deviceScreens(engine, server, option("screenshots"));
    } else {
        const browser = await launch(engine, { language, scale });
        try {
            await pupilSession(browser, server);
        } finally {
            await browser.close();
        }
    }
} finally {
    server.close();
}
process.exit(summary());
