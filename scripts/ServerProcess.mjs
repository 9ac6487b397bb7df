// The static file server in a process of its own, for the benchmarks: a
// server on the benchmark's own thread would answer the page's requests
// only between the browser's messages to the benchmark, which a school's
// server never waits for.
import { spawn } from "node:child_process";
import path from "node:path";
import readline from "node:readline";
import { fileURLToPath } from "node:url";

const serveScript = path.join(path.dirname(fileURLToPath(import.meta.url)), "serve.mjs");

// Every server ends with the benchmark, one that stops on an error too.
const running = new Set();
process.once("exit", () => running.forEach((child) => child.kill()));

// Serves `folder` on 127.0.0.1 at a free port; resolves, once the server
// listens, to its address and a way to stop it.
export function serveApart(folder) {
    const child = spawn(process.execPath, [serveScript, folder, "0"], { stdio: ["ignore", "pipe", "inherit"] });
    running.add(child);
    child.once("exit", () => running.delete(child));
    return new Promise((resolve, reject) => {
        const ended = (code) => reject(new Error(`the server for ${folder} ended (${code}) before it listened`));
        child.once("exit", ended);
        child.once("error", reject);
        readline.createInterface({ input: child.stdout }).once("line", (line) => {
            child.off("exit", ended);
            resolve({ address: line.match(/http:\/\/\S+\//)[0], close: () => child.kill() });
        });
    });
}
