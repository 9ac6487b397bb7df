// Keeps the site's few files for use without a network. Online, every file
// comes from the server, so that a new version shows at once, and the copy
// kept is brought up to date; offline, the copy kept answers.
const cacheName = "drelvik-@PROJECT_VERSION@";
const siteFiles = [".", "index.html", "drelvik.js", "drelvik.wasm", "drelvik.png", "drelvik-192.png",
                   "drelvik-512.png", "manifest.webmanifest"];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    const oldCaches = caches.keys().then((names) =>
        Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))));
    event.waitUntil(oldCaches.then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET")
        return;
    event.respondWith(fetch(event.request).then((response) => {
        if (response.ok) {
            const copy = response.clone();
            caches.open(cacheName).then((cache) => cache.put(event.request, copy));
        }
        return response;
    }).catch(() => caches.match(event.request, {ignoreSearch: true})));
});
