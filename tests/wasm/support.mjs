// What the module's tests share: the module loaded as a script loads it, the native
// programs of the default build (ICEVALE_NATIVE_BUILD, else build/default) and a folder
// per test run.
import { execFileSync, spawnSync } from 'node:child_process';
import { after } from 'node:test';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const wasmdir = path.resolve(process.env.ICEVALE_WASM_BUILD ?? path.join(root, 'build/wasm'));
const nativedir = path.resolve(process.env.ICEVALE_NATIVE_BUILD ?? path.join(root, 'build/default'));
export const toolpath = path.join(nativedir, 'src/icevale-tool');
const samplepath = path.join(nativedir, 'tools/make-sample-image');

export async function loadmodule() {
  const { default: icevale } = await import(pathToFileURL(path.join(wasmdir, 'icevale.mjs')).href);
  return icevale({ wasmBinary: readFileSync(path.join(wasmdir, 'icevale.wasm')) });
}

export function scratch() {
  const dir = mkdtempSync(path.join(tmpdir(), 'icevale-wasm-'));
  return {
    path: (name) => path.join(dir, name),
    write: (name, data) => writeFileSync(path.join(dir, name), data),
    read: (name) => readFileSync(path.join(dir, name)),
    remove: () => rmSync(dir, { recursive: true, force: true }),
  };
}

// What a test file shares: the module, a folder removed after its tests, and the sample
// image written there as s.smc.
export async function session() {
  const dir = scratch();
  after(() => dir.remove());
  return { api: await loadmodule(), dir, original: sample(dir, 's.smc') };
}

// Writes the sample image for `seed` (the builder's default without one) and gives its bytes.
export function sample(dir, name, seed) {
  const args = seed === undefined ? [dir.path(name)] : ['--seed', String(seed), dir.path(name)];
  execFileSync(samplepath, args, { stdio: 'ignore' });
  return dir.read(name);
}

// Runs icevale-tool in `dir`; files named in `args` are files there.
export function tool(dir, ...args) {
  const r = spawnSync(toolpath, args, { cwd: dir.path(''), encoding: 'buffer', maxBuffer: 1 << 26 });
  return { status: r.status, out: r.stdout.toString('utf8'), err: r.stderr.toString('utf8') };
}
