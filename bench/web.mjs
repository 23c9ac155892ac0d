// The web page in headless chromium, driven as a person drives it: from the file chosen to
// the teams view painted with its data, and a rating change, a team switch in the players
// view and a colour bar move each to the next painted frame; each the median of ITERATIONS
// runs after warming up, beside the goal it is held to. Then the page with its module,
// gzipped. The times are taken inside the page: from the first event of the input (caught
// before the page's own handlers) to the moment after the frame that follows has painted.
//   node bench/web.mjs [ITERATIONS]     (builds: web/dist, the default preset's
//                                        make-sample-image and icevale-tool)
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';

import { dist, launch, openpage, pickfile, sample, scratch, serve, tool, view } from '../tests/web/support.mjs';

const iterations = Number(process.argv[2] ?? 20);

// Installed before the page's script: the first event of an armed input starts the clock;
// a message posted then arrives once the input's handlers are done (its task has ended),
// and one posted from the next frame's animation callback arrives after that frame has
// painted. `shown`, when set, is polled each frame until it holds, for work that ends
// later than its event. Each time is [to the painted frame, the handlers alone].
function timer() {
  window.benchtimes = [];
  window.benchtimer = null;
  const after = (work) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = work;
    channel.port2.postMessage(0);
  };
  const measure = (start) => {
    let handled = 0;
    after(() => (handled = performance.now() - start));
    const frame = () => {
      if (window.benchtimer.shown && !window.benchtimer.shown()) {
        requestAnimationFrame(frame);
        return;
      }
      window.benchtimer = null;
      after(() => window.benchtimes.push([performance.now() - start, handled]));
    };
    requestAnimationFrame(frame);
  };
  for (const type of ['keydown', 'input', 'change', 'pointerdown']) {
    window.addEventListener(type, () => {
      if (window.benchtimer?.type === type && !window.benchtimer.started) {
        window.benchtimer.started = true;
        measure(performance.now());
      }
    }, true);
  }
}

const dir = scratch();
// The sample and a copy with the first team's location changed by the tool (the page asks
// before opening an image that is not sound, as the random samples are).
sample(dir, 'a.smc');
dir.write('b.json', JSON.stringify({ format: 'icevale-export', version: 1, teams: [{ index: 1, location: 'Elsewhere' }] }));
tool(dir, 'import', 'a.smc', 'b.json', '-o', 'b.smc');
const files = [dir.path('a.smc'), dir.path('b.smc')];
const locations = ['a.smc', 'b.smc'].map((name) => JSON.parse(tool(dir, 'export', name).out).teams[0].location);

const [browser, server] = await Promise.all([launch(), serve(dist)]);
const page = await openpage(browser, server.url, { viewport: { width: 1280, height: 720 } });
await page.addInitScript(timer);
await page.reload({ waitUntil: 'load' });

// Arms the timer for the next event of `type`, runs `act` and waits for the time.
async function measure(type, act, shown) {
  const count = await page.evaluate(([t, s]) => {
    window.benchtimer = { type: t, shown: s ? new Function(`return (${s})();`) : null };
    return window.benchtimes.length;
  }, [type, shown?.toString()]);
  await act();
  await page.waitForFunction((n) => window.benchtimes.length > n, count);
  return page.evaluate(() => window.benchtimes.at(-1));
}

// The medians of both times.
async function median(act) {
  for (let i = 0; i < Math.min(5, iterations); ++i) await act(i);
  const times = [];
  for (let i = 1; i <= iterations; ++i) times.push(await act(i));
  const middle = (k) => times.map((t) => t[k]).sort((a, b) => a - b)[times.length >> 1];
  return [middle(0), middle(1)];
}

// Opening: the two images by turns, so each shows data the other does not.
const open = await median(async (i) => {
  const text = locations[i % 2];
  const shown = `() => [...document.querySelectorAll('input')].some((e) => e.value === ${JSON.stringify(text)}) ||
    document.body.textContent.includes(${JSON.stringify(text)})`;
  const time = await measure('change', () => pickfile(page, files[i % 2]), shown);
  await view(page, 'Teams');
  return time;
});

await view(page, 'Players');
const team = page.getByRole('combobox', { name: 'Team', exact: true });
const teams = await team.locator('option').evaluateAll((options) => options.map((o) => o.value));
const switchteam = await median((i) => measure('change', () => team.selectOption(teams[i % teams.length])));
const rating = page.getByRole('combobox', { name: 'Speed of player 2', exact: true });
const ratings = await rating.locator('option').evaluateAll((options) => options.map((o) => o.value));
const changerating = await median((i) => measure('change', () => rating.selectOption(ratings[i % ratings.length])));

await view(page, 'Uniform colours');
const bar = page.getByRole('slider', { name: 'Red' }).first();
await bar.focus();
const movebar = await median((i) => measure('keydown', () => page.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight')));

await browser.close();
server.close();
dir.remove();

const rows = [
  ['file chosen to teams view shown', open, 300],
  ['rating change', changerating, 16],
  ['team switch in players view', switchteam, 16],
  ['colour bar move', movebar, 16],
];
console.log(`${iterations} iterations, median milliseconds from the input to its frame painted, and of the input's handlers`);
let within = true;
for (const [name, [painted, handled], goal] of rows) {
  within &&= painted <= goal;
  const handlers = name.startsWith('file') ? '' : `  (handlers ${handled.toFixed(1)})`;
  console.log(`${name.padEnd(34)} ${painted.toFixed(1).padStart(7)}  <= ${goal}${painted <= goal ? '' : '  OVER'}${handlers}`);
}
// The page as a server gives it (the self-contained copy holds the same again).
const served = readdirSync(dist, { recursive: true, withFileTypes: true })
  .filter((e) => e.isFile() && e.name !== 'icevale.html')
  .map((e) => readFileSync(path.join(e.parentPath ?? e.path, e.name)));
const gzipped = served.reduce((sum, f) => sum + gzipSync(f, { level: 9 }).length, 0);
const single = gzipSync(readFileSync(path.join(dist, 'icevale.html')), { level: 9 }).length;
console.log(`size: page and module ${served.reduce((s, f) => s + f.length, 0)} bytes, gzipped ${gzipped} (goal <= ${500 * 1024}); icevale.html gzipped ${single}`);
process.exitCode = within && gzipped <= 500 * 1024 ? 0 : 1;
