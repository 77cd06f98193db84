// Serves the site's files, and nothing else, on 127.0.0.1, compressing text with gzip as web
// hosts do. Run by itself (node tests/web/server.js [port]) it serves the site until stopped, for
// a person to try.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';

const kRepository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const kSite = path.resolve(process.env.TARVELLO_SITE ?? path.join(kRepository, 'build/web/site'));

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};
const kCompressed = new Set(['.html', '.css', '.js', '.webmanifest']);

// Port 0 takes a free one. The cache control is what every response carries; Serve(folder)
// serves another folder from then on, as a host does after an update. `requested` holds the name
// of every file asked for, by a page or its worker.
export async function ServeSite(port = 0, { cacheControl = 'no-cache' } = {}) {
  let site = kSite;
  const requested = [];
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).slice(1);
    requested.push(name);
    const file = path.join(site, name === '' ? 'index.html' : name);
    if (path.dirname(file) !== site || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    const extension = path.extname(file);
    const headers = {
      'Content-Type': kTypes[extension] ?? 'application/octet-stream',
      'Cache-Control': cacheControl,
      Vary: 'Accept-Encoding',
    };
    let body = fs.readFileSync(file);
    if (kCompressed.has(extension) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      body = zlib.gzipSync(body);
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers);
    response.end(body);
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    requested,
    Serve: (folder) => (site = path.resolve(folder)),
    close: () => {
      server.closeAllConnections();
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const site = await ServeSite(Number(process.argv[2] ?? 8080));
  console.log(`Tarvello is served at ${site.url} (Ctrl+C stops it)`);
}
