// Keeps the whole site in the browser, so that a page once opened from a web
// server works with the network gone and can be installed as an app. The build
// writes the site's files and a version that changes with their contents.
'use strict';

const SITE_FILES = [/* the build lists the site's files here */];
const CACHE = 'tavrel-' + '/* the build writes the version here */';

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(SITE_FILES)).then(() => self.skipWaiting()));
});

// A new version replaces the old one whole: no mix of old and new files.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('tavrel-') && n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The site's own files from the cache (a design in the address is the same
// page, and the folder's address is its index.html); anything else, and
// anything not kept, from the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) =>
    (await cache.match(request, { ignoreSearch: true })) ||
    (request.mode === 'navigate' && (await cache.match('index.html'))) ||
    fetch(request)));
});
