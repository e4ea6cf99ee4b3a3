// Keeps the whole site in the browser, one version at a time, so Pintaro
// starts with no network. tools/build-web puts `SITE` in front of this file:
// the version and every file's SHA-256. A new version is fetched in the
// background, each file checked against its digest, and waits until no
// window runs the old one: a start is wholly one version or wholly the other.
const CACHE = `pintaro-${SITE.version}`;
const scope = self.registration.scope;
const urlOf = (name) => new URL(name, scope).href;

function hex(buffer) {
  return [...new Uint8Array(buffer)].map((b) => b.toString(16).padStart(2, '0')).join('');
}

// A file only if it is this version's: what the browser has just fetched
// for the page when that is it, else the server's copy past any HTTP cache.
async function fetchChecked(name, digest) {
  for (const cache of ['default', 'reload']) {
    const response = await fetch(new Request(urlOf(name), { cache }));
    const bytes = response.ok ? await response.clone().arrayBuffer() : null;
    if (bytes && hex(await crypto.subtle.digest('SHA-256', bytes)) === digest) return response;
  }
  throw new Error(`${name} is not this version's`);
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const entries = Object.entries(SITE.files);
    const responses = await Promise.all(entries.map(([name, digest]) => fetchChecked(name, digest)));
    const cache = await caches.open(CACHE);
    try {
      await Promise.all(responses.map((response, i) => cache.put(urlOf(entries[i][0]), response)));
    } catch (error) {
      await caches.delete(CACHE);
      throw error;
    }
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith('pintaro-') && name !== CACHE).map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || !request.url.startsWith(scope)) return;
  const name = request.url.slice(scope.length).split(/[?#]/)[0] || 'index.html';
  if (!(name in SITE.files)) return;
  event.respondWith(caches.open(CACHE).then((cache) => cache.match(urlOf(name)))
    .then((kept) => kept || fetch(request)));
});
