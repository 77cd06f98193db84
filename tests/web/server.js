// Serves the site's files, and nothing else, on 127.0.0.1. Run by itself
// (node tests/web/server.js [port]) it serves the site until stopped, for a person to try.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

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

// Port 0 takes a free one.
export async function ServeSite(port = 0) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).slice(1);
    const file = path.join(kSite, name === '' ? 'index.html' : name);
    if (path.dirname(file) !== kSite || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    const type = kTypes[path.extname(file)] ?? 'application/octet-stream';
    response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-cache' });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
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
