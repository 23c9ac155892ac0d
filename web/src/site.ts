// The page served beside the module's files: the module fetches icevale.wasm next to it.
import icevale from 'icevale-module';

import { message, start } from './app';

icevale().then(start, (error: unknown) => {
  const status = document.getElementById('StatusLine');
  if (status) status.textContent = `The editor could not start: ${message(error)}`;
});
