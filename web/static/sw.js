// Keeps the editor working offline: its files are cached when the worker is installed, and every request
// is answered from the cache first, from the network only for what the cache lacks. The build names the
// cache after the files' contents.
const Cache = 'orvane-editor-dev';
const Files = ['./', 'index.html', 'main.js', 'styles.css', 'orvane-web.js', 'orvane-web.wasm', 'manifest.webmanifest', 'icon.svg'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(Cache).then((cache) => cache.addAll(Files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== Cache).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true }).then((cached) => cached ?? fetch(event.request)));
});
