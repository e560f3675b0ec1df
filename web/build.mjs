// Builds the page into dist/: main.ts bundled and minified, the static files and the icon beside it. The
// model's two files (orvane-web.js and .wasm) are copied in by scripts/build-web.sh before this runs.
import { build } from 'esbuild';
import { createHash } from 'node:crypto';
import { copyFileSync, cpSync, existsSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const dist = join(here, 'dist');
mkdirSync(dist, { recursive: true });
await build({
  entryPoints: [join(here, 'src/main.ts')],
  outfile: join(dist, 'main.js'),
  bundle: true,
  format: 'esm',
  minify: true,
  target: 'es2022',
  legalComments: 'none',
});
cpSync(join(here, 'static'), dist, { recursive: true });
copyFileSync(join(here, '../data/org.orvane.Editor.svg'), join(dist, 'icon.svg'));
// The service worker's cache is named after the files it keeps, so that a new build replaces the old cache.
const hash = createHash('sha256');
for (const name of ['index.html', 'main.js', 'styles.css', 'orvane-web.js', 'orvane-web.wasm', 'manifest.webmanifest', 'icon.svg']) {
  const file = join(dist, name);
  if (existsSync(file)) hash.update(readFileSync(file));
}
const worker = join(dist, 'sw.js');
writeFileSync(worker, readFileSync(worker, 'utf8').replace('orvane-editor-dev', `orvane-editor-${hash.digest('hex').slice(0, 12)}`));
console.log('Page built in dist/');
