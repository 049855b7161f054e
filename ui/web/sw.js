// PIRUMO's service worker, for the page hosted on a web server: the page
// works offline once it has been opened. The network comes first, so a new
// version is what the next visit shows; the copy kept here serves only when
// the server cannot be reached.
'use strict';
const CACHE = 'pirumo-@VERSION@';  // a new page, a new cache
const FILES = ['./', 'index.html', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET')
        return;
    // Asked of the server each time: the browser's own cache would keep an
    // old page for as long as its age suggests.
    event.respondWith(fetch(event.request.url, { cache: 'no-cache' })
        .then((response) => {
            if (response.ok) {
                const copy = response.clone();
                caches.open(CACHE).then((cache) => cache.put(event.request, copy));
            }
            return response;
        })
        .catch(() => caches.match(event.request, { ignoreSearch: true })
            .then((kept) => kept || caches.match('index.html'))));
});
