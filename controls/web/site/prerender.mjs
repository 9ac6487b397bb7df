// Puts the program's start window into the built page, so that the page
// shows it at once, before the program has loaded: the site is opened in
// headless Chromium at the window's designed size, and what the program
// showed there (its window, stylesheet, title and icon) is written into
// SITE_FOLDER/index.html. The board's canvas becomes an image of the pixels
// the program painted on it. The copy is inert; the program takes it over as
// its own window when it starts, finding its controls by their ids, and puts
// its board's canvas in the place of the image.
//   node prerender.mjs PAGE SITE_FOLDER
import fs from "node:fs";
import path from "node:path";
import { addressOf, serve } from "../../../scripts/StaticServer.mjs";

const [sourcePage, site] = process.argv.slice(2);
const page = path.join(site, "index.html");

async function browserModule() {
    try {
        return await import("../../../scripts/Browser.mjs");
    } catch (error) {
        throw new Error(`${error.message}\npuppeteer-core is missing: run "npm ci --no-audit --no-fund" in scripts`);
    }
}

// Runs in the page once the program has shown its window; the head keeps
// what the page was written with.
function startWindow(source) {
    const window = document.querySelector(".window");
    const copy = window.cloneNode(true);
    copy.setAttribute("inert", "");
    const filled = (root) => root.querySelectorAll("canvas, textarea");
    const copies = filled(copy);
    filled(window).forEach((original, at) => {
        if (original.localName === "textarea") {
            copies[at].textContent = original.value;
            return;
        }
        const image = document.createElement("img");
        for (const { name, value } of original.attributes) {
            if (!["id", "width", "height"].includes(name))
                image.setAttribute(name, value);
        }
        image.alt = "";
        image.decoding = "sync";
        image.src = original.toDataURL("image/png");
        copies[at].replaceWith(image);
    });
    const escaped = (text) => text.replaceAll("&", "&amp;").replaceAll("<", "&lt;");
    // What the program added, however the page wrote the rest.
    const written = [...new DOMParser().parseFromString(source, "text/html").head.children];
    const added = [...document.head.children].filter((element) =>
        element.localName !== "title" && !written.some((other) => other.isEqualNode(element)));
    return {
        head: added.map((element) => element.outerHTML).join("\n"),
        title: escaped(document.title),
        window: copy.outerHTML,
    };
}

// The window's designed size: its size on the page, at the factor it is
// drawn at.
function designedSize() {
    const window = document.querySelector(".window");
    const fit = Number(getComputedStyle(window).getPropertyValue("--fit")) || 1;
    return { width: Math.round(window.offsetWidth / fit), height: Math.round(window.offsetHeight / fit) };
}

async function render(source) {
    const { launchBrowser } = await browserModule();
    const server = await serve(site);
    const browser = await launchBrowser({ language: "bg-BG" });
    try {
        const tab = await browser.newPage();
        const failed = new Promise((resolve, reject) => tab.on("pageerror", reject));
        const shown = (condition, argument) =>
            Promise.race([tab.waitForFunction(condition, { timeout: 0 }, argument), failed]);
        const open = async () => {
            await tab.goto(addressOf(server));
            await shown(() => document.querySelector(".window")?.isConnected);
        };
        await open();
        const size = await tab.evaluate(designedSize);
        await tab.setViewport({ ...size, deviceScaleFactor: 1 });
        await open();
        const box = await tab.evaluate(() => document.querySelector(".window").getBoundingClientRect().toJSON());
        if (box.left !== 0 || box.top !== 0 || box.width !== size.width || box.height !== size.height)
            throw new Error(`the window is not as designed on a page of its size: ${JSON.stringify([box, size])}`);
        return await tab.evaluate(startWindow, source);
    } finally {
        await browser.close();
        server.close();
    }
}

// The page as written, served to the program while it shows its window.
const html = fs.readFileSync(sourcePage, "utf8");
fs.writeFileSync(page, html);
try {
    const start = await render(html);
    fs.writeFileSync(page, html
        .replace(/<title>.*<\/title>/, () => `<title>${start.title}</title>`)
        .replace("</head>", () => `${start.head}\n</head>`)
        .replace("<body>\n", () => `<body>\n${start.window}\n`));
} catch (error) {
    fs.rmSync(page, { force: true });
    console.error(`prerender.mjs: ${error.stack ?? error}`);
    process.exit(1);
}
