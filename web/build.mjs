// Builds the page into dist/: main.ts bundled and minified, the static files and the icon beside it. The
// model's two files (orvane-web.js and .wasm) are copied in by scripts/build-web.sh after its own build.
import { build } from 'esbuild';
import { copyFileSync, cpSync, mkdirSync } from 'node:fs';
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
console.log('Page built in dist/');
