// Runs a test program built for the browser on its page in Chromium,
// Firefox or WebKit and exits with its exit code, its output passed on:
//   node run-page.mjs FOLDER PAGE [--engine=E] [--scale=S] [PROGRAM ARGUMENTS...]
// FOLDER is served on 127.0.0.1; the page leaves the program's output in
// window.programOutput and its exit code in window.programExitCode.
import { addressOf, serve } from "../../scripts/StaticServer.mjs";
import { launch } from "./PageChecks.mjs";

const [folder, page, ...rest] = process.argv.slice(2);
const option = (name) => rest.find((argument) => argument.startsWith(`--${name}=`));
const [engineOption, scaleOption] = [option("engine"), option("scale")];
const engine = engineOption?.slice("--engine=".length) ?? "chromium";
const scale = scaleOption ? Number(scaleOption.slice("--scale=".length)) : 1;
const programArguments = rest.filter((argument) => argument !== scaleOption && argument !== engineOption);

const server = await serve(folder);
const browser = await launch(engine, { scale });
let exitCode = 1;
try {
    const tab = await browser.newPage();
    // The window fills the page: on a page of its own design size it is
    // drawn as designed, at the device pixel ratio. One CSS pixel more in
    // width keeps a half device pixel at 1.5 from making it smaller.
    await tab.setViewport({ width: 474, height: 418, deviceScaleFactor: scale });
    tab.on("pageerror", (error) => {
        if (!String(error.message).includes("ExitStatus"))
            console.error(`page error: ${error.message}`);
    });
    const query = new URLSearchParams(programArguments.map((argument) => ["arg", argument]));
    await tab.goto(`${addressOf(server)}${page}?${query}`);
    await tab.waitForFunction(() => window.programExitCode !== undefined, { timeout: 0, polling: 200 });
    console.log((await tab.evaluate(() => window.programOutput)).join("\n"));
    exitCode = await tab.evaluate(() => window.programExitCode);
} catch (error) {
    console.error(`${page}: ${error.message}`);
} finally {
    await browser.close();
    server.close();
}
process.exit(exitCode);
