// WebKit as the tests drive it: Debian's WebKitWebDriver starting its
// MiniBrowser on the test run's own X display, spoken to in W3C WebDriver.
// Its pages answer the part of puppeteer's Page that the tests use, so
// that a test is written once for every engine. The browser's language is
// the one the environment names, as on a pupil's machine.
import { spawn } from "node:child_process";
import http from "node:http";
import net from "node:net";

const MiniBrowser = process.env.MINIBROWSER ?? "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";

// A port nobody listens on now, for the driver to take.
function freePort() {
    return new Promise((resolve, reject) => {
        const probe = net.createServer().once("error", reject);
        probe.listen(0, "127.0.0.1", () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        });
    });
}

class WebDriverSession {
    constructor(address) {
        this.address = address;
    }

    // Over node's own HTTP, which, unlike fetch, waits as long as a command
    // takes: a script may wait minutes in a busy page.
    send(method, path, body) {
        const data = body === undefined ? undefined : JSON.stringify(body);
        return new Promise((resolve, reject) => {
            const request = http.request(`${this.address}${path}`, {
                method,
                headers: data === undefined ? {} : { "Content-Type": "application/json", "Content-Length": Buffer.byteLength(data) },
            }, (response) => {
                const chunks = [];
                response.on("data", (chunk) => chunks.push(chunk));
                response.on("end", () => {
                    const { value } = JSON.parse(Buffer.concat(chunks).toString("utf8"));
                    if (response.statusCode >= 400)
                        reject(new Error(`WebDriver ${method} ${path}: ${value?.error}: ${value?.message}`));
                    else
                        resolve(value);
                });
            });
            request.on("error", reject);
            request.end(data);
        });
    }

    command(method, path, body) {
        return this.send(method, `/session/${this.id}${path}`, body);
    }

    // The driver answers /status once it takes sessions.
    async open() {
        for (;;) {
            const ready = await this.send("GET", "/status").then((status) => status.ready, () => false);
            if (ready)
                break;
            await new Promise((resolve) => setTimeout(resolve, 50));
        }
        const session = await this.send("POST", "/session", { capabilities: { alwaysMatch: {
            "webkitgtk:browserOptions": { binary: MiniBrowser, args: ["--automation"] } } } });
        this.id = session.sessionId;
        // A script waits in the page as long as the test does.
        await this.command("POST", "/timeouts", { script: null });
    }
}

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
        this.handle = handle;
        this.chrome = { width: 0, height: 0 };
        this.mouse = { click: (x, y) => this.press("mouse", x, y) };
        this.touchscreen = { tap: (x, y) => this.press("touch", x, y) };
        this.keyboard = { press: (key) => this.pressKey(key) };
    }

    async use() {
        if (this.session.current !== this.handle)
            await this.session.command("POST", "/window", { handle: this.handle });
        this.session.current = this.handle;
    }

    async run(run, args, selector, all) {
        await this.use();
        const answer = await this.session.command("POST", "/execute/async",
                                                  { script: pageScript(run, selector, all), args: [args] });
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
    // bars, which the first sizing measures. The window is no narrower than
    // its toolbar.
    async setViewport({ width, height }) {
        await this.use();
        for (let attempt = 0; attempt < 2; ++attempt) {
            const asked = { width: width + this.chrome.width, height: height + this.chrome.height };
            await this.session.command("POST", "/window/rect", asked);
            const [inner, outer] = await this.evaluate(() => [[innerWidth, innerHeight], [outerWidth, outerHeight]]);
            this.chrome = { width: outer[0] - inner[0], height: outer[1] - inner[1] };
            if (outer[0] > asked.width) {
                const error = new Error(`WebKit's window makes no page narrower than ${inner[0]} px`);
                error.tooNarrow = true;
                throw error;
            }
            if (inner[0] === width && inner[1] === height)
                return;
        }
        throw new Error(`WebKit's window does not take a page of ${width}×${height} px`);
    }

    async goto(url) {
        await this.use();
        await this.session.command("POST", "/url", { url });
    }

    async reload() {
        await this.use();
        await this.session.command("POST", "/refresh", {});
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

    async actions(source) {
        await this.use();
        await this.session.command("POST", "/actions", { actions: [source] });
        await this.session.command("DELETE", "/actions");
    }

    press(pointerType, x, y) {
        return this.actions({ type: "pointer", id: pointerType, parameters: { pointerType }, actions: [
            { type: "pointerMove", x: Math.round(x), y: Math.round(y), origin: "viewport" },
            { type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }] });
    }

    pressKey(key) {
        const value = { Enter: "\uE007" }[key] ?? key;
        return this.actions({ type: "key", id: "keyboard", actions: [{ type: "keyDown", value }, { type: "keyUp", value }] });
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
        const png = await this.session.command("GET", "/screenshot");
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

// The browser's first window is the first page; a page after it takes a
// window another page has left, or opens one.
export async function launchWebKit() {
    const port = await freePort();
    const driver = spawn(process.env.WEBKIT_WEBDRIVER ?? "/usr/bin/WebKitWebDriver", [`--port=${port}`],
                         // Scroll bars take room, as they do for a pupil.
                         { stdio: ["ignore", "ignore", "inherit"], env: { ...process.env, GTK_OVERLAY_SCROLLING: "0" } });
    const session = new WebDriverSession(`http://127.0.0.1:${port}`);
    const exited = new Promise((resolve, reject) => driver.once("exit", (code) =>
        reject(new Error(`WebKitWebDriver ended with ${code}`))));
    try {
        await Promise.race([session.open(), exited]);
    } catch (error) {
        driver.kill();
        throw error;
    }
    session.free = [await session.command("GET", "/window")];
    return {
        async newPage() {
            const handle = session.free.pop() ?? (await session.command("POST", "/window/new", { type: "window" })).handle;
            return new WebKitPage(session, handle);
        },
        async close() {
            await session.send("DELETE", `/session/${session.id}`).catch(() => {});
            driver.kill();
        },
    };
}
