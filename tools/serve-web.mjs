// A static server for the web edition on 127.0.0.1 only, with the content types a browser
// needs (application/wasm for the module). As a program: node tools/serve-web.mjs FOLDER
// [PORT] serves FOLDER (port 0, the default, takes a free one) and prints its address.
import { createReadStream, statSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.svg': 'image/svg+xml', '.png': 'image/png',
};

// Resolves, once listening, to the address and a close function.
export function serve(folder, port = 0) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    let file = null;
    try {
      const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
      file = path.join(root, name.endsWith('/') ? `${name}index.html` : name);
      // Nothing outside the folder, and files only.
      if (!file.startsWith(root + path.sep) || !statSync(file).isFile()) file = null;
    } catch {
      file = null;
    }
    if (!file) {
      response.writeHead(404, { 'content-type': 'text/plain' }).end('not found\n');
      return;
    }
    response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() });
    });
  });
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [folder, port = '0'] = process.argv.slice(2);
  if (!folder || !/^\d+$/.test(port)) {
    console.error('usage: node tools/serve-web.mjs FOLDER [PORT]');
    process.exit(2);
  }
  const { url } = await serve(folder, Number(port));
  console.log(`Serving ${folder} at ${url} (Ctrl+C stops)`);
}
