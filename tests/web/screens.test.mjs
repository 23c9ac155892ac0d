// Every view at 1280x720 and 1920x1080, light and dark, and at 150 % zoom (a 1280x720
// window zoomed: 853x480 CSS pixels at 1.5 device pixels each): a screenshot of each under
// build/web-screenshots/, and nothing in it wider than the window or cut off.
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { closepage, openpage, opensample, views, view, websession } from './support.mjs';

const s = await websession();
const shots = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../build/web-screenshots');
mkdirSync(shots, { recursive: true });

// Runs in the page: what reaches past the window's sides outside a box that scrolls, and
// boxes that clip their content with no way to scroll to it. Form fields scroll their own
// text, boxes of a pixel or less are the hidden labels of assistive technology, and what
// is hidden from it is drawing (the roster's painted texts, clipped to the rows shown).
function layoutproblems() {
  const width = document.documentElement.clientWidth;
  const problems = [];
  if (document.documentElement.scrollWidth > width) {
    problems.push(`the page scrolls sideways: ${document.documentElement.scrollWidth} > ${width}`);
  }
  const name = (e) => `${e.tagName.toLowerCase()}${e.id ? `#${e.id}` : ''}${e.className && typeof e.className === 'string' ? `.${e.className.split(' ')[0]}` : ''} "${(e.getAttribute('aria-label') ?? e.textContent ?? '').trim().slice(0, 30)}"`;
  const scrolls = (e) => ['auto', 'scroll'].includes(getComputedStyle(e).overflowX);
  for (const e of document.body.querySelectorAll('*')) {
    const box = e.getBoundingClientRect();
    const style = getComputedStyle(e);
    if (box.width <= 1 || box.height <= 1 || style.visibility === 'hidden' || e.closest('[aria-hidden=true]')) continue;
    let inscroller = false;
    for (let a = e.parentElement; a && !inscroller; a = a.parentElement) inscroller = scrolls(a);
    if (!inscroller && (box.right > width + 0.5 || box.left < -0.5)) {
      problems.push(`${name(e)} spans ${Math.round(box.left)}..${Math.round(box.right)} of ${width}`);
    }
    const field = ['INPUT', 'SELECT', 'TEXTAREA', 'OPTION'].includes(e.tagName);
    const clips = ['hidden', 'clip'].includes(style.overflowX) || ['hidden', 'clip'].includes(style.overflowY);
    if (!field && clips && (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)) {
      problems.push(`${name(e)} cuts off its content: ${e.scrollWidth}x${e.scrollHeight} in ${e.clientWidth}x${e.clientHeight}`);
    }
  }
  return problems;
}

const sizes = [
  ['1280x720', { width: 1280, height: 720 }, 1],
  ['1920x1080', { width: 1920, height: 1080 }, 1],
  ['1280x720-zoom150', { width: 853, height: 480 }, 1.5],
];

test('every view at each size, light and dark: screenshots, nothing wider than the window or cut off', async () => {
  const backgrounds = {};
  const problems = [];
  for (const scheme of ['light', 'dark']) {
    for (const [size, viewport, deviceScaleFactor] of sizes) {
      const page = await openpage(s.browser, s.url, { viewport, deviceScaleFactor, colorScheme: scheme });
      await opensample(page, s.dir.path('s.smc'));
      backgrounds[scheme] = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
      for (const name of views) {
        await view(page, name);
        const slug = name.toLowerCase().replaceAll(' ', '-');
        await page.screenshot({ path: path.join(shots, `${slug}-${size}-${scheme}.png`), fullPage: true });
        for (const p of await page.evaluate(layoutproblems)) problems.push(`${name}, ${size} ${scheme}: ${p}`);
      }
      await closepage(page);
    }
  }
  assert.deepEqual(problems, []);
  assert.notEqual(backgrounds.light, backgrounds.dark, 'the page follows the system\'s dark preference');
});

// Roles a person operates; each needs a name the browser computes for assistive technology.
const controls = new Set(['button', 'combobox', 'textbox', 'slider', 'checkbox', 'spinbutton', 'tab', 'radio', 'link', 'searchbox']);

test('every control named, reached by the keyboard with its focus shown; arrows move between the tabs', async () => {
  const page = await openpage(s.browser, s.url, { viewport: { width: 1280, height: 720 } });
  await opensample(page, s.dir.path('s.smc'));
  const cdp = await page.context().newCDPSession(page);
  const problems = [];
  for (const name of views) {
    await view(page, name);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    for (const node of nodes) {
      if (!node.ignored && controls.has(node.role?.value) && !node.name?.value?.trim()) problems.push(`${name}: a ${node.role.value} without a name`);
    }
    // The first stops after the view's tab: focus moves into the view and shows where it is.
    await page.getByRole('tab', { name, exact: true }).focus();
    for (let i = 0; i < 12; ++i) {
      await page.keyboard.press('Tab');
      const shown = await page.evaluate(() => {
        const e = document.activeElement;
        const style = getComputedStyle(e);
        const ring = (style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0) || style.boxShadow !== 'none';
        return e === document.body || ring ? '' : e.outerHTML.slice(0, 80);
      });
      if (shown) problems.push(`${name}: no focus shown on ${shown}`);
    }
  }
  assert.deepEqual(problems, []);

  const tab = (name) => page.getByRole('tab', { name, exact: true });
  await tab('Teams').click();
  await page.keyboard.press('ArrowRight');
  assert.equal(await tab('Players').getAttribute('aria-selected'), 'true');
  await page.keyboard.press('End');
  assert.equal(await tab(views.at(-1)).getAttribute('aria-selected'), 'true');
  await page.keyboard.press('ArrowRight');
  assert.equal(await tab('Teams').getAttribute('aria-selected'), 'true');
  await closepage(page);
});
