// Headless Chromium, or Firefox ESR, as the build, the tests and the
// benchmarks start it: Debian's own browser, with a profile of its own,
// nothing fetched from the network.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";

// A page is drawn at `scale` device pixels to a CSS pixel as Chromium's
// emulation draws it, which places a canvas on whole CSS pixels; with
// `screenScale` the screen itself has that ratio, as a phone's or a laptop's
// at 125 % has, and a page lies on whole device pixels. Its pages then take
// a deviceScaleFactor of 0: the screen's own. Firefox takes `firefoxPrefs`
// besides its own, as a user's settings. With `network` false the browser
// reports no request or response to its driver: a benchmark reads none,
// and a pupil's browser does not do that work.
export async function launchBrowser({ engine = "chromium", language = "en-US", scale = 1, screenScale,
                                      firefoxPrefs = {}, network = true } = {}) {
    const browser = engine === "firefox" ? await launchFirefox(language, firefoxPrefs, network)
                                         : await launchChromium({ language, scale, screenScale, network });
    // Its pages wait as long for loads and selectors, never 30 s alone.
    const newPage = browser.newPage.bind(browser);
    browser.newPage = async (...options) => {
        const page = await newPage(...options);
        page.setDefaultTimeout(0);
        return page;
    };
    return browser;
}

// Firefox over WebDriver BiDi, which sets each page's size and device pixel
// ratio itself; puppeteer gives it a profile of its own.
function launchFirefox(language, prefs, network) {
    return puppeteer.launch({
        networkEnabled: network,
        browser: "firefox",
        executablePath: process.env.FIREFOX ?? "/usr/bin/firefox-esr",
        headless: true,
        timeout: 0,
        protocolTimeout: 0,
        defaultViewport: { width: 800, height: 600 },
        // Scroll bars take room, as they do for a pupil.
        extraPrefsFirefox: { "intl.accept_languages": language, "widget.gtk.overlay-scrollbars.enabled": false, ...prefs },
    });
}

async function launchChromium({ language, scale, screenScale, network }) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "drelvik-chromium-"));
    const browser = await puppeteer.launch({
        networkEnabled: network,
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
            // Each page's window would otherwise load the browser's own
            // address bar suggestions, a page of their own, while the page
            // opened in it loads: on two cores a load beside every visit.
            "--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup",
            ...(screenScale ? [`--force-device-scale-factor=${screenScale}`] : []),
        ],
    });
    // The profile is removed once Chromium has ended, no longer writing it.
    browser.process().once("exit", () => fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 }));
    return browser;
}
