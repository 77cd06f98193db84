// Puts the site together: node site.mjs <site folder> <file list> <sw.js.in>, where the list
// holds one file a line.
//
// Every file but the page, its manifest and the service worker is named after a digest of its
// bytes, and the files that name it are written with that name. A name then always means the
// same bytes: a browser whose HTTP cache still holds an earlier version's files can never mix
// them into this one's. The worker lists every file and its cache is named after them all.
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

// The names that visitors and the browser ask for, which therefore stay as they are.
const kFixedNames = new Set(['index.html', 'manifest.webmanifest']);
const kTextTypes = new Set(['.html', '.css', '.js', '.webmanifest']);
// The files that a browser fetches only where it needs them: the worker keeps them only for a page
// that asks, so that the others never download them.
const kOnRequest = new Set(['tarvello_engine_plain.js']);

const Digest = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex');

// The files' final names and bytes, keyed by their source names.
export function NameByContent(sources) {
  const names = [...sources.keys()];
  // A name as a link, an import or a URL gives it: quoted or in url(), maybe after a folder,
  // and whole (main.js is not u_main.js). A name in a comment is no link.
  const mention = (name) => new RegExp(`(?<=["'(/])${name.replace(/\./g, '\\.')}(?=["')])`, 'g');
  const mentions = new Map(names.map((name) => [name, mention(name)]));
  const named = new Map();
  while (named.size < names.length) {
    const ready = names.filter((name) => !named.has(name) && References(name).every((n) => named.has(n)));
    if (ready.length === 0) throw new Error('the site\'s files name each other in a circle');
    for (const name of ready) {
      let bytes = sources.get(name);
      if (kTextTypes.has(path.extname(name))) {
        let text = bytes.toString('utf8');
        for (const other of References(name)) text = text.replace(mentions.get(other), named.get(other).name);
        bytes = Buffer.from(text, 'utf8');
      }
      const { name: base, ext } = path.parse(name);
      const final = kFixedNames.has(name) ? name : `${base}.${Digest(bytes).slice(0, 10)}${ext}`;
      named.set(name, { name: final, bytes });
    }
  }
  return named;

  function References(name) {
    if (!kTextTypes.has(path.extname(name))) return [];
    const text = sources.get(name).toString('utf8');
    return names.filter((other) => other !== name && text.search(mentions.get(other)) >= 0);
  }
}

// Writes the site from its source files (a map of name to bytes) and the worker's template.
export function WriteSite(sources, site, workerTemplate) {
  const byName = NameByContent(sources);
  const named = [...byName.values()].sort((a, b) => (a.name < b.name ? -1 : 1));
  const onRequest = new Set([...kOnRequest].map((name) => byName.get(name)?.name));
  const Quoted = (files) => files.map(({ name }) => `'${name}'`).join(', ');
  fs.rmSync(site, { recursive: true, force: true });
  fs.mkdirSync(site, { recursive: true });
  for (const { name, bytes } of named) fs.writeFileSync(path.join(site, name), bytes);
  const listing = named.map(({ name, bytes }) => `${name} ${Digest(bytes)}\n`).join('');
  const worker = workerTemplate
    .replace('@SITE_DIGEST@', Digest(listing).slice(0, 16))
    .replace('@SITE_FILES@', ["'./'", Quoted(named.filter(({ name }) => !onRequest.has(name)))].join(', '))
    .replace('@SITE_FILES_ON_REQUEST@', Quoted(named.filter(({ name }) => onRequest.has(name))));
  fs.writeFileSync(path.join(site, 'sw.js'), worker);
}

// The source files of a list, keyed by their names.
export function ReadSources(fileList) {
  const files = fs.readFileSync(fileList, 'utf8').split('\n').filter((line) => line !== '');
  return new Map(files.map((file) => [path.basename(file), fs.readFileSync(file)]));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [site, fileList, workerTemplate] = process.argv.slice(2);
  WriteSite(ReadSources(fileList), site, fs.readFileSync(workerTemplate, 'utf8'));
}
