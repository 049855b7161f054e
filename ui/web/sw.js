// PIRUMO's service worker, for the page hosted on a web server: the page
// works offline once it has been opened. The network comes first, so a new
// version is what the next visit shows; the copy kept here serves when the
// server cannot be reached, answers with an error page (a server in
// maintenance, a gateway's 404 or 502) or has not answered within a few
// seconds (a captive Wi-Fi, a dying VPN), and the server's late answer still
// renews it.
'use strict';
// The caches belong to the whole site, beside other apps' and other copies
// of PIRUMO in other folders: this copy's are named after its folder, and it
// removes only those. A new page, a new cache.
const OWN_CACHES = `pirumo ${self.registration.scope} `;
const CACHE = OWN_CACHES + '@VERSION@';
const FILES = ['./', 'index.html', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png'];
const PATIENCE = 3000;  // milliseconds before the kept copy serves

// The app's own files, by address without a query: nothing else is kept.
const own = new Set(FILES.map((file) => new URL(file, self.registration.scope).href));
const withoutQuery = (address) => {
    const url = new URL(address);
    url.search = '';
    return url.href;
};

// A response that may be kept and served for any request: one that came
// through a redirect is made anew, since a browser refuses a redirected
// response to a navigation.
async function keepable(response) {
    if (!response.redirected)
        return response;
    const { status, statusText, headers } = response;
    return new Response(await response.blob(), { status, statusText, headers });
}

self.addEventListener('install', (event) => {
    // From the server itself, not from the browser's own cache.
    event.waitUntil(caches.open(CACHE)
        .then((cache) => Promise.all(FILES.map(async (file) => {
            const response = await fetch(new Request(file, { cache: 'reload' }));
            if (!response.ok)
                throw new Error(`${file}: ${response.status}`);
            await cache.put(file, await keepable(response));
        })))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name.startsWith(OWN_CACHES) && name !== CACHE)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    const key = withoutQuery(event.request.url);
    if (event.request.method !== 'GET' || !own.has(key))
        return;  // the network's, untouched
    // The request itself, so that its redirect mode holds: a navigation
    // that the server redirects is followed by the browser. Asked of the
    // server each time: the browser's own cache would keep an old page for
    // as long as its age suggests.
    const fromNetwork = fetch(event.request, { cache: 'no-cache' });
    event.waitUntil(fromNetwork.then((response) => {
        if (!response.ok || response.type !== 'basic')
            return undefined;  // a redirect, an error page: the kept copy stays
        const copy = response.clone();  // before the page reads the body
        return caches.open(CACHE).then(async (cache) => cache.put(key, await keepable(copy)));
    }).catch(() => {}));
    event.respondWith((async () => {
        let waited = null;
        // The folder's page and index.html are the same page, in this copy's cache.
        const kept = () => caches.open(CACHE).then((cache) => cache.match(key)
            .then((copy) => copy || (event.request.mode === 'navigate' ? cache.match('index.html') : undefined)));
        // An error page fails as the network does, so that the kept copy
        // serves; a redirect goes to the browser, which follows it.
        const answered = fromNetwork.then((response) =>
            (response.ok || response.type === 'opaqueredirect' ? response : Promise.reject(response)));
        answered.catch(() => {});  // handled below, or not needed once the kept copy served
        const late = new Promise((resolve) => { waited = setTimeout(resolve, PATIENCE); }).then(kept);
        try {
            const first = await Promise.race([answered, late]);
            return first || await answered;  // nothing kept yet: wait for the server
        } catch (failure) {
            // Nothing kept: the server's own error page, or the network's failure.
            return (await kept()) || (failure instanceof Response ? failure : Response.error());
        } finally {
            clearTimeout(waited);
        }
    })());
});
