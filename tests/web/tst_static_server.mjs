// The loopback server refuses what it must not serve and keeps serving: after
// every bad request, a good one still gets the page.
//   node tst_static_server.mjs
import assert from "node:assert/strict";
import fs from "node:fs";
import net from "node:net";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";
import { serve } from "../../scripts/StaticServer.mjs";

const page = "<title>site</title>";
const secret = "not for the site";
let folder;
let server;

// Sends a request line as it is, unchecked by any client, and gives the
// status and body of the answer. Of a line too long to read, the rest is
// still being sent when the answer comes, as from a browser on a slow line.
function ask(requestLine) {
    return new Promise((resolve, reject) => {
        const socket = net.connect(server.address().port, "127.0.0.1");
        const chunks = [];
        socket.on("data", (chunk) => chunks.push(chunk));
        socket.on("error", reject);
        socket.on("close", (hadError) => {
            if (hadError)
                return;
            const text = Buffer.concat(chunks).toString("latin1");
            const status = Number(text.split(" ", 2)[1]);
            resolve({ status, body: text.slice(text.indexOf("\r\n\r\n") + 4) });
        });
        const request = `${requestLine} HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n`;
        socket.write(request.slice(0, 32768));
        socket.once("data", () => socket.end(request.slice(32768)));
    });
}

async function expectRefusedThenServing(requestLine, statuses) {
    const answer = await ask(requestLine);
    assert.ok(statuses.includes(answer.status), `${requestLine}: ${answer.status}`);
    assert.ok(!answer.body.includes(secret), requestLine);
    const good = await ask("GET /index.html");
    assert.equal(good.status, 200);
    assert.ok(good.body.includes(page));
}

before(async () => {
    folder = fs.mkdtempSync(path.join(os.tmpdir(), "drelvik-server-"));
    // A sibling whose name begins with the site's, and a file beside both.
    for (const [file, text] of [["site/index.html", page], ["site-other/secret.txt", secret], ["secret.txt", secret]]) {
        fs.mkdirSync(path.dirname(path.join(folder, file)), { recursive: true });
        fs.writeFileSync(path.join(folder, file), text);
    }
    fs.symlinkSync(path.join(folder, "secret.txt"), path.join(folder, "site/link.txt"));
    server = await serve(path.join(folder, "site"));
});

after(() => {
    server.close();
    fs.rmSync(folder, { recursive: true, force: true });
});

test("the site's files and its folder's index", async () => {
    assert.equal((await ask("GET /")).status, 200);
    const head = await ask("HEAD /index.html");
    assert.equal(head.status, 200);
    assert.equal(head.body, "");
    assert.equal((await ask("GET /missing.js")).status, 404);
});

test("nothing outside the site's folder, however the path is written", async () => {
    for (const target of [
        "/..%2fsite-other%2fsecret.txt", "/../site-other/secret.txt", "/%2e%2e/secret.txt",
        "/%2E%2E%2Fsecret.txt", "/.%2e/.%2e/secret.txt", "/..%5csecret.txt", "/..\\secret.txt",
        "//secret.txt", `/${folder}/secret.txt`, `/%2f${encodeURIComponent(folder)}%2fsecret.txt`,
        `http://127.0.0.1${folder}/secret.txt`, "/link.txt",
        "/index.html%00", "/secret.txt%00.html", "/index.html\0",
    ])
        await expectRefusedThenServing(`GET ${target}`, [400, 403, 404]);
});

test("malformed escapes and long paths", async () => {
    for (const target of ["/%E0%A4%A", "/%", "/%zz", "/%C0%AF", "/%ED%A0%80"])
        await expectRefusedThenServing(`GET ${target}`, [400]);
    await expectRefusedThenServing(`GET /${"a".repeat(300)}`, [404]);
    await expectRefusedThenServing(`GET /${"a/".repeat(3000)}`, [404]);
    await expectRefusedThenServing(`GET /${"a".repeat(1000000)}`, [414, 431]);
});

test("only GET and HEAD", async () => {
    for (const method of ["POST", "PUT", "DELETE", "OPTIONS", "PATCH"])
        await expectRefusedThenServing(`${method} /index.html`, [405]);
    await expectRefusedThenServing("BREW /index.html", [400, 405]);
});
