// A static file server on the loopback address, for the site and the test
// pages: the browser loads WebAssembly only over HTTP, never from file://.
import fs from "node:fs";
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

// Serves the files under `root` on 127.0.0.1 at `port` (0: any free port);
// resolves to the server once it listens.
export function serve(root, port = 0) {
    const base = path.resolve(root);
    const server = http.createServer((request, response) => {
        const pathname = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
        let file = path.join(base, pathname);
        if (!file.startsWith(base)) {
            response.writeHead(403).end();
            return;
        }
        if (fs.existsSync(file) && fs.statSync(file).isDirectory())
            file = path.join(file, "index.html");
        fs.readFile(file, (error, data) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            response.writeHead(200, {
                "Content-Type": contentTypes[path.extname(file)] ?? "application/octet-stream",
                "Cache-Control": "no-cache",
            });
            response.end(data);
        });
    });
    return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

export function addressOf(server) {
    return `http://127.0.0.1:${server.address().port}/`;
}
