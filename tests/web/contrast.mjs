// The page in a system's contrast theme, as the browser itself reports it:
// in Chromium forced colours emulated through the DevTools protocol, turned
// on and off while the worked example, a selected point and the report
// show; in Firefox its own colours forced from the start, as its setting
// "override the colours specified by the page: always" does, which Windows'
// contrast themes turn on. Every colour on the board stands 7:1 from its
// paper, the paper is the page's own Canvas colour, nothing entered is
// lost, and the designed board comes back when the mode ends.
//   node contrast.mjs SITE_FOLDER --engine=chromium|firefox
import { addressOf, serve } from "../../scripts/StaticServer.mjs";
import { launchBrowser } from "../../scripts/Browser.mjs";
import { boardHash, byId, canvasBytes, check, clickCrossing, report, rows, summary } from "./PageChecks.mjs";

const [site, ...options] = process.argv.slice(2);
const engine = options.find((text) => text.startsWith("--engine="))?.slice("--engine=".length) ?? "chromium";

function luminance(red, green, blue) {
    const linear = (channel) => {
        const value = channel / 255;
        return value <= 0.04045 ? value / 12.92 : ((value + 0.055) / 1.055) ** 2.4;
    };
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

function contrast(a, b) {
    const [light, dark] = [luminance(...a), luminance(...b)].sort((x, y) => y - x);
    return (light + 0.05) / (dark + 0.05);
}

// The board's colours, the paper's first: the pixel at its top right,
// far from every drawing and off the grid's lines.
function boardColours(bytes, width) {
    const colourAt = (at) => [bytes[at + 2], bytes[at + 1], bytes[at]];
    const paper = colourAt(((10 * width) + width - 12) * 4);
    const inks = new Map();
    for (let at = 0; at < bytes.length; at += 4)
        inks.set(colourAt(at).join(), colourAt(at));
    inks.delete(paper.join());
    return { paper, inks: [...inks.values()] };
}

// The page's Canvas colour as the system gives it in the mode.
const canvasColour = (page) => page.evaluate(() => {
    const probe = document.createElement("span");
    probe.style.cssText = "color: Canvas; forced-color-adjust: none";
    document.body.append(probe);
    const colour = getComputedStyle(probe).color.match(/\d+/g).slice(0, 3).map(Number);
    probe.remove();
    return colour;
});

async function checkBoardInContrast(page, width) {
    const { paper, inks } = boardColours(await canvasBytes(page), width);
    check("the board's paper is the system's Canvas colour", paper.join() === (await canvasColour(page)).join(),
          `${paper} against ${await canvasColour(page)}`);
    check("the board shows its grid, points and lines", inks.length > 0);
    for (const ink of inks)
        check("every colour on the board stands 7:1 from its paper", contrast(ink, paper) >= 7, `${ink} on ${paper}`);
}

const boardWidth = (page) => page.$eval(byId("Picture1"), (canvas) => canvas.width);
const canvasPainted = (page, paper) => page.waitForFunction((expected) => {
    const canvas = document.getElementById("Picture1");
    const data = canvas.getContext("2d").getImageData(canvas.width - 12, 10, 1, 1).data;
    return [data[0], data[1], data[2]].join() === expected;
}, { polling: 100 }, paper);

async function workedExampleWithSelection(page) {
    for (const [x, y] of [[4, 5], [8, 5], [1, 9]])
        await clickCrossing(page, x, y);
    await page.click(byId("Command1(0)"));
    await page.click(`${byId("List1(0)")} > :nth-child(1)`);
}

const server = await serve(site);
const browser = await launchBrowser({
    engine, firefoxPrefs: engine === "firefox" ? { "browser.display.document_color_use": 2 } : {} });
try {
    const page = await browser.newPage();
    await page.setViewport({ width: 474, height: 418, deviceScaleFactor: 1 });
    await page.goto(addressOf(server));
    await page.waitForSelector(`${byId("Drelvik")} canvas`);
    await workedExampleWithSelection(page);
    const entered = { xs: await rows(page, 0), text: await report(page) };
    const width = await boardWidth(page);
    if (engine === "chromium") {
        const designed = await page.evaluate(boardHash);
        const devtools = await page.createCDPSession();
        const forceColours = (value) =>
            devtools.send("Emulation.setEmulatedMedia", { features: [{ name: "forced-colors", value }] });
        await forceColours("active");
        await canvasPainted(page, (await canvasColour(page)).join());
        await checkBoardInContrast(page, width);
        check("the mode's change keeps the points and the report",
              (await rows(page, 0)).join() === entered.xs.join() && (await report(page)) === entered.text);
        // Chromium may end the mode's more contrast after its forced
        // colours, each with an event of its own: the board is painted for
        // each, and is only as designed after the last.
        await forceColours("none");
        const designedBack = await page.waitForFunction(`(${boardHash})() === ${designed}`, { polling: 100 })
            .then(() => true, () => false);
        check("the designed board comes back when the mode ends", designedBack);
    } else {
        await checkBoardInContrast(page, width);
    }
    check("the points and the report are as entered", entered.xs.join() === "4,8,1");
} finally {
    await browser.close();
    server.close();
}
process.exit(summary());
