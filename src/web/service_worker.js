// SPDX-License-Identifier: MIT
// Keeps the site for use offline: one build's files in a cache named after
// that build, served from there first. A new build comes with a new worker
// (its name is in this file), which fills its own cache and drops the others
// once it takes over.
const CACHE = 'wave-synthesis-@BUILD@';
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      // Revalidated, so a file the browser kept from an older build is not taken for this one's.
      .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('wave-synthesis-') && n !== CACHE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches
      .open(CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((kept) => kept || fetch(event.request)),
  );
});
