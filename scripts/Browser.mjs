// Headless Chromium as the tests and benchmarks start it: Debian's own
// browser, with a profile of its own, nothing fetched from the network.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";

// A page is drawn at `scale` device pixels to a CSS pixel as Chromium's
// emulation draws it, which places a canvas on whole CSS pixels; with
// `screenScale` the screen itself has that ratio, as a phone's or a laptop's
// at 125 % has, and a page lies on whole device pixels. Its pages then take
// a deviceScaleFactor of 0: the screen's own.
export async function launchBrowser({ language = "en-US", scale = 1, screenScale } = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "drelvik-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        headless: true,
        // Chromium may take long to start, and a page many minutes to
        // answer, on a busy machine; CTest's own time-out ends a run that
        // hangs.
        timeout: 0,
        protocolTimeout: 0,
        userDataDir: profile,
        defaultViewport: screenScale ? null : { width: 800, height: 600, deviceScaleFactor: scale },
        // Scroll bars show, as they do for a pupil.
        ignoreDefaultArgs: ["--hide-scrollbars"],
        args: [
            "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            `--accept-lang=${language}`,
            // Lets a page read the name a screen reader is given.
            "--enable-blink-features=ComputedAccessibilityInfo",
            ...(screenScale ? [`--force-device-scale-factor=${screenScale}`] : []),
        ],
    });
    // Its pages wait as long for loads and selectors, never 30 s alone.
    const newPage = browser.newPage.bind(browser);
    browser.newPage = async (...options) => {
        const page = await newPage(...options);
        page.setDefaultTimeout(0);
        return page;
    };
    // Chromium may still be writing its profile as it goes.
    browser.on("disconnected", () => {
        try {
            fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
        } catch {
            // Left for the system's temporary files to be cleared.
        }
    });
    return browser;
}
