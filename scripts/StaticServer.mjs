// A static file server on the loopback address, for the site and the test
// pages: the browser loads WebAssembly only over HTTP, never from file://.
// It serves files under its folder and nothing else, and answers any request
// it cannot serve with an error status, never by stopping.
import fs from "node:fs/promises";
import http from "node:http";
import path from "node:path";

const contentTypes = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".png": "image/png",
    ".css": "text/css; charset=utf-8",
    ".webmanifest": "application/manifest+json",
};

class RequestError extends Error {
    constructor(status) {
        super(http.STATUS_CODES[status]);
        this.status = status;
    }
}

function isInside(base, file) {
    return file === base || file.startsWith(base + path.sep);
}

// The path of the request, decoded, as a relative path under the folder.
// Only a path from the root is taken; a malformed escape, a NUL byte or a
// ".." segment, however encoded, is refused.
function requestedPath(url) {
    const target = url.split(/[?#]/, 1)[0];
    if (!target.startsWith("/"))
        throw new RequestError(400);
    let decoded;
    try {
        decoded = decodeURIComponent(target);
    } catch {
        throw new RequestError(400);
    }
    if (decoded.includes("\0"))
        throw new RequestError(400);
    const segments = decoded.split(/[/\\]/);
    if (segments.includes(".."))
        throw new RequestError(403);
    return path.join(".", ...segments);
}

// The file that answers a path: a folder's index.html, and only what lies
// under the folder once links are followed.
async function fileFor(base, relative) {
    let file = path.join(base, relative);
    try {
        if ((await fs.stat(file)).isDirectory())
            file = path.join(file, "index.html");
        file = await fs.realpath(file);
    } catch {
        throw new RequestError(404);
    }
    if (!isInside(base, file))
        throw new RequestError(403);
    return file;
}

async function answer(base, request, response) {
    if (request.method !== "GET" && request.method !== "HEAD") {
        response.writeHead(405, { Allow: "GET, HEAD" }).end();
        return;
    }
    const file = await fileFor(base, requestedPath(request.url));
    let data;
    try {
        data = await fs.readFile(file);
    } catch {
        throw new RequestError(404);
    }
    response.writeHead(200, {
        "Content-Type": contentTypes[path.extname(file)] ?? "application/octet-stream",
        "Content-Length": data.length,
        "Cache-Control": "no-cache",
    });
    response.end(request.method === "HEAD" ? undefined : data);
}

// A request the server cannot read, such as one whose request line is too
// long, is answered with a status and only half closed: the rest of it is
// still read, and dropped, so that the client gets its answer, not a reset.
function refuseUnreadable(error, socket) {
    const status = error.code === "HPE_HEADER_OVERFLOW" ? 431 : 400;
    if (!socket.writable) {
        socket.destroy();
        return;
    }
    socket.end(`HTTP/1.1 ${status} ${http.STATUS_CODES[status]}\r\nContent-Length: 0\r\nConnection: close\r\n\r\n`);
}

// Serves the files under `root` on 127.0.0.1 at `port` (0: any free port);
// resolves to the server once it listens, rejects when it cannot.
export async function serve(root, port = 0) {
    const base = await fs.realpath(path.resolve(root));
    const server = http.createServer((request, response) => {
        answer(base, request, response).catch((error) => {
            if (response.headersSent)
                response.destroy();
            else
                response.writeHead(error instanceof RequestError ? error.status : 500).end();
        });
    });
    server.on("clientError", refuseUnreadable);
    await new Promise((resolve, reject) => {
        server.once("error", reject);
        server.listen(port, "127.0.0.1", resolve);
    });
    return server;
}

export function addressOf(server) {
    return `http://127.0.0.1:${server.address().port}/`;
}
