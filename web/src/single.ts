// The self-contained page: the module's wasm is inlined as base64 in #icevale-wasm.
import icevale from 'icevale-module';

import { message, start } from './app';

function inlined(): Uint8Array {
  const text = document.getElementById('icevale-wasm')?.textContent ?? '';
  const binary = atob(text.trim());
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

icevale({ wasmBinary: inlined() }).then(start, (error: unknown) => {
  const status = document.getElementById('StatusLine');
  if (status) status.textContent = `The editor could not start: ${message(error)}`;
});
