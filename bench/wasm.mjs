// The WebAssembly core beside the native core, in one run: opening and decoding the
// sample, its JSON export, importing another image's export and its own in turn, and a
// BPS patch between the two; each the median of ITERATIONS runs after warming up, with
// the ratio and the goal it is held to. Then the module's size, raw and gzipped.
//   node bench/wasm.mjs [ITERATIONS]     (builds: wasm preset, default preset's
//                                         icevale-corebench and make-sample-image)
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

import { loadmodule, sample, scratch } from '../tests/wasm/support.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const nativedir = path.resolve(process.env.ICEVALE_NATIVE_BUILD ?? path.join(root, 'build/default'));
const wasmdir = path.resolve(process.env.ICEVALE_WASM_BUILD ?? path.join(root, 'build/wasm'));
const iterations = Number(process.argv[2] ?? 30);

const dir = scratch();
const image = sample(dir, 'sample.smc');
const other = sample(dir, 'other.smc', 7);
const native = JSON.parse(
  execFileSync(path.join(nativedir, 'bench/icevale-corebench'), [dir.path('sample.smc'), dir.path('other.smc'), String(iterations)], {
    encoding: 'utf8',
  }),
);
dir.remove();

const api = await loadmodule();
function median(work) {
  // As many runs again first: the engine compiles its optimised code while they run.
  for (let i = 0; i < Math.max(20, iterations); ++i) work(i);
  const times = [];
  for (let i = 1; i <= iterations; ++i) {
    const start = performance.now();
    work(i);
    times.push(performance.now() - start);
  }
  times.sort((a, b) => a - b);
  return times[times.length >> 1];
}

const texts = [image, other].map((bytes) => {
  const doc = api.open(bytes);
  const text = doc.exportJson();
  doc.close();
  return text;
});
const doc = api.open(image, 'sample.smc');
const rows = [
  ['open and decode the sample', native.open, median(() => api.open(image, 'sample.smc').close()), 2],
  ['export JSON', native.exportjson, median(() => doc.exportJson()), 3],
  ['import JSON', native.importjson, median((i) => doc.importJson(texts[(i + 1) % 2])), 3],
  ['create a BPS patch', native.createbps, median(() => api.createPatch(image, other, { format: 'bps' })), 3],
];
doc.close();

console.log(`${iterations} iterations, median milliseconds`);
console.log('work                          native    wasm   ratio  goal');
let within = true;
for (const [name, n, w, goal] of rows) {
  const ratio = w / n;
  within &&= ratio <= goal;
  console.log(`${name.padEnd(28)} ${n.toFixed(3).padStart(7)} ${w.toFixed(3).padStart(7)} ${ratio.toFixed(2).padStart(6)}  <= ${goal}${ratio <= goal ? '' : '  OVER'}`);
}
const files = ['icevale.wasm', 'icevale.mjs'].map((name) => readFileSync(path.join(wasmdir, name)));
const raw = files.reduce((sum, f) => sum + f.length, 0);
const gzipped = files.reduce((sum, f) => sum + gzipSync(f, { level: 9 }).length, 0);
console.log(`size: icevale.wasm + icevale.mjs ${raw} bytes, gzipped ${gzipped} bytes (goal <= ${400 * 1024})`);
process.exitCode = within && gzipped <= 400 * 1024 ? 0 : 1;
