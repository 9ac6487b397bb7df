// WebKit as the tests drive it: Debian's WebKitWebDriver starting its
// MiniBrowser on the test run's own X display, spoken to in W3C WebDriver
// through selenium-webdriver's generic remote client.
// Its pages answer the part of puppeteer's Page that the tests use, so
// that a test is written once for every engine. The browser's language is
// the one the environment names, as on a pupil's machine.
import { Key, WebDriver } from "selenium-webdriver";
import { Executor, HttpClient } from "selenium-webdriver/http/index.js";
import { Pointer } from "selenium-webdriver/lib/input.js";
import remote from "selenium-webdriver/remote/index.js";

const MiniBrowser = process.env.MINIBROWSER ?? "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";

// A function of the test run in the page: its arguments as JSON, its result
// awaited. Elements are passed and returned as selectors.
function pageScript(run, selector, all) {
    const target = selector === undefined ? "" : all ? `[...document.querySelectorAll(${JSON.stringify(selector)})], `
                                                      : `document.querySelector(${JSON.stringify(selector)}), `;
    return `const done = arguments[arguments.length - 1];
            Promise.resolve().then(() => (${run})(${target}...arguments[0]))
                .then((value) => done({ value }), (error) => done({ error: String(error) }));`;
}

class WebKitPage {
    constructor(session, handle) {
        this.session = session;
        this.driver = session.driver;
        this.handle = handle;
        this.chrome = undefined;
        this.mouse = { click: (x, y) => this.press("mouse", x, y) };
        this.touchscreen = { tap: (x, y) => this.press("touch", x, y) };
        this.keyboard = { press: (key) => this.pressKey(key) };
    }

    async use() {
        if (this.session.current !== this.handle)
            await this.driver.switchTo().window(this.handle);
        this.session.current = this.handle;
    }

    async run(run, args, selector, all) {
        await this.use();
        const answer = await this.driver.executeAsyncScript(pageScript(run, selector, all), args);
        if (answer.error)
            throw new Error(answer.error);
        return answer.value;
    }

    evaluate(run, ...args) { return this.run(run, args); }
    $eval(selector, run, ...args) { return this.run(run, args, selector, false); }
    $$eval(selector, run, ...args) { return this.run(run, args, selector, true); }
    title() { return this.evaluate(() => document.title); }
    focus(selector) { return this.$eval(selector, (element) => element.focus()); }
    setDefaultTimeout() {}
    on() {}

    // The window is as large as the page should be plus the browser's own
    // bars, measured once, on the window as it opened. The window is no
    // narrower than its toolbar. The page takes its new size a moment after
    // the window has it: it is ready when it is the window less the bars.
    async setViewport({ width, height }) {
        await this.use();
        const window = this.driver.manage().window();
        if (!this.chrome) {
            const opened = await window.getRect();
            const [innerWidth, innerHeight] = await this.evaluate(() => [innerWidth, innerHeight]);
            this.chrome = { width: opened.width - innerWidth, height: opened.height - innerHeight };
        }
        const asked = { width: width + this.chrome.width, height: height + this.chrome.height };
        const given = await window.setRect(asked);
        const page = { width: given.width - this.chrome.width, height: given.height - this.chrome.height };
        await this.waitForFunction((width, height) => innerWidth === width && innerHeight === height, {},
                                   page.width, page.height);
        if (given.width > asked.width) {
            const error = new Error(`WebKit's window makes no page narrower than ${page.width} px`);
            error.tooNarrow = true;
            throw error;
        }
        if (page.width !== width || page.height !== height)
            throw new Error(`WebKit's window does not take a page of ${width}×${height} px`);
    }

    async goto(url) {
        await this.use();
        await this.driver.get(url);
    }

    async reload() {
        await this.use();
        await this.driver.navigate().refresh();
    }

    waitForSelector(selector) {
        return this.waitForFunction((selector) => document.querySelector(selector) !== null, {}, selector);
    }

    // Waits in the page, on every frame, until the condition holds.
    waitForFunction(condition, options, ...args) {
        return this.evaluate(async (condition, args) => {
            const holds = new Function(`return (${condition})(...arguments)`);
            while (!(await holds(...args)))
                await new Promise((resolve) => requestAnimationFrame(resolve));
        }, String(condition), args);
    }

    // Each press starts from no key or button held.
    async perform(build) {
        await this.use();
        const actions = this.driver.actions();
        await build(actions).perform();
        await actions.clear();
    }

    // The pointer jumps to its place: the client would otherwise move it
    // there over a tenth of a second, and the clock would decide whether two
    // presses in a row make a double click.
    press(pointerType, x, y) {
        const at = { x: Math.round(x), y: Math.round(y), origin: "viewport", duration: 0 };
        return this.perform((actions) => {
            if (pointerType === "mouse")
                return actions.move(at).press().release();
            const finger = new Pointer("finger", Pointer.Type.TOUCH);
            return actions.insert(finger, finger.move(at), finger.press(), finger.release());
        });
    }

    pressKey(key) {
        const value = { Enter: Key.ENTER, Tab: Key.TAB }[key] ?? key;
        return this.perform((actions) => actions.keyDown(value).keyUp(value));
    }

    async centreOf(selector) {
        return this.$eval(selector, (element) => {
            const box = element.getBoundingClientRect();
            return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
        });
    }

    async click(selector) {
        const at = await this.centreOf(selector);
        await this.mouse.click(at.x, at.y);
    }

    async tap(selector) {
        const at = await this.centreOf(selector);
        await this.touchscreen.tap(at.x, at.y);
    }

    async screenshot({ path, encoding } = {}) {
        await this.use();
        const png = await this.driver.takeScreenshot();
        if (path)
            (await import("node:fs")).writeFileSync(path, Buffer.from(png, "base64"));
        return encoding === "base64" ? png : Buffer.from(png, "base64");
    }

    // The window stays, empty, for the next page: closing a session's last
    // window would end the session.
    async close() {
        await this.goto("about:blank");
        this.session.free.push(this.handle);
    }
}

// The driver is on the loopback only, with as long as it takes to start; its
// client waits as long as each command takes: a script may wait minutes in
// a busy page.
async function startDriver() {
    const service = new remote.DriverService.Builder(process.env.WEBKIT_WEBDRIVER ?? "/usr/bin/WebKitWebDriver")
        .setLoopback(true)
        // Scroll bars take room, as they do for a pupil.
        .setEnvironment({ ...process.env, GTK_OVERLAY_SCROLLING: "0" })
        .setStdio(["ignore", "ignore", "inherit"])
        .build();
    const address = await service.start(Infinity);
    const capabilities = { "webkitgtk:browserOptions": { binary: MiniBrowser, args: ["--automation"] } };
    const driver = WebDriver.createSession(new Executor(new HttpClient(address)), capabilities);
    try {
        await driver.getSession();
    } catch (error) {
        await service.kill();
        throw error;
    }
    // A script waits in the page as long as the test does.
    await driver.manage().setTimeouts({ script: null });
    return { driver, service };
}

// The browser's first window is the first page; a page after it takes a
// window another page has left, or opens one.
export async function launchWebKit() {
    const { driver, service } = await startDriver();
    const session = { driver, free: [await driver.getWindowHandle()] };
    return {
        async newPage() {
            let handle = session.free.pop();
            if (handle === undefined) {
                await driver.switchTo().newWindow("window");
                handle = await driver.getWindowHandle();
                session.current = handle;
            }
            return new WebKitPage(session, handle);
        },
        async close() {
            await driver.quit().catch(() => {});
            await service.kill();
        },
    };
}
