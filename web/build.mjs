// Builds web/dist: index.html with its script, style sheet and the core module beside it
// (icevale.mjs and icevale.wasm, from ICEVALE_WASM_BUILD or ../build/wasm), and
// icevale.html, one file holding all of them that works opened from disk.
import { build } from 'esbuild';
import { copyFileSync, existsSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const wasmdir = path.resolve(here, process.env.ICEVALE_WASM_BUILD ?? '../build/wasm');
const dist = path.join(here, 'dist');

for (const file of ['icevale.mjs', 'icevale.wasm']) {
  if (!existsSync(path.join(wasmdir, file))) {
    console.error(`web build: ${path.join(wasmdir, file)} is missing. Build the module first ` +
      '(cmake --preset wasm && cmake --build --preset wasm) or set ICEVALE_WASM_BUILD to its folder.');
    process.exit(1);
  }
}

// The module is imported as 'icevale-module': beside the page it stays a file of its own,
// in the single file it is bundled in.
function modulelink(external) {
  return {
    name: 'icevale-module',
    setup(b) {
      b.onResolve({ filter: /^icevale-module$/ }, () =>
        external ? { path: './icevale.mjs', external: true } : { path: path.join(wasmdir, 'icevale.mjs') });
    },
  };
}

const common = { bundle: true, format: 'esm', target: 'es2022', minify: true, legalComments: 'none', logLevel: 'warning' };

rmSync(dist, { recursive: true, force: true });
mkdirSync(dist, { recursive: true });

await build({ ...common, entryPoints: [path.join(here, 'src/site.ts')], outfile: path.join(dist, 'icevale-page.js'),
  plugins: [modulelink(true)] });
await build({ ...common, entryPoints: [path.join(here, 'src/style.css')], outfile: path.join(dist, 'icevale.css') });
copyFileSync(path.join(wasmdir, 'icevale.mjs'), path.join(dist, 'icevale.mjs'));
copyFileSync(path.join(wasmdir, 'icevale.wasm'), path.join(dist, 'icevale.wasm'));

const template = readFileSync(path.join(here, 'src/index.html'), 'utf8');
writeFileSync(path.join(dist, 'index.html'), template
  .replace('<!--style-->', '<link rel="stylesheet" href="icevale.css">')
  .replace('<!--script-->', '<script type="module" src="icevale-page.js"></script>'));

// The single file: the wasm as base64 in a data element, read before the script starts.
const single = await build({ ...common, entryPoints: [path.join(here, 'src/single.ts')], write: false,
  plugins: [modulelink(false)] });
const script = single.outputFiles[0].text.replace(/<\/script/gi, '<\\/script');
const css = readFileSync(path.join(dist, 'icevale.css'), 'utf8');
const wasm = readFileSync(path.join(wasmdir, 'icevale.wasm')).toString('base64');
writeFileSync(path.join(dist, 'icevale.html'), template
  .replace('<!--style-->', () => `<style>${css}</style>`)
  .replace('<!--script-->', () =>
    `<script type="application/octet-stream" id="icevale-wasm">${wasm}</script>\n<script type="module">${script}</script>`));
console.log(`web build: ${path.relative(process.cwd(), dist)} (index.html, icevale.html)`);
