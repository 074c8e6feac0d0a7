// The web page in Debian's chromium: what it prints, that it animates, its
// zoom buttons, Escape, what it says of images it cannot read, and frames
// equal to the native demo-capture's.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cp, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

import { launchChromium } from './Chromium.mjs';
import { serveFolder } from './StaticServer.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
// The page's folder: build-web/, or DEMO_PAGE_FOLDER (the unpacked release zip, say).
const pageFolder = resolve(root, process.env.DEMO_PAGE_FOLDER ?? 'build-web');
const demoCapture = process.env.DEMO_CAPTURE ?? resolve(root, 'build/bin/demo-capture');

const printedLines = [
  "Fast code compo a l'arrache...",
  '  Credits :',
  '             Code - Orvane ^ Zarn',
  '              Gfx - Orvane ^ Zarn',
  '   Additional Gfx - Google image ;o)',
  '              Zik - ?!',
  "Realise pour l'Vorlanse party (2003 03 22, Paris, FRANCE)",
  'a "La cite des sciences et de l\'industrie"...',
  '',
  'Note tres subtile : ce n\'est pas un bump, c\'est une normal map...',
  'Non mais... Mauvaise langue ;o)))))))',
  '',
  "We'll be back ;o)",
  '',
  'Chargement.............. |/-\\|',
  "Et ouala, c'est partis !",
];

let browser;
let server;

before(async () => {
  server = await serveFolder(pageFolder);
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  await server?.close();
});

// The page, with what it logs to the console and what it logs as errors.
// prepare(page) runs before the page loads.
async function openPage(query = '', prepare = async () => {}) {
  const page = await browser.newPage();
  const logged = [];
  const errors = [];
  page.on('console', (message) => {
    if (message.type() === 'log') logged.push(message.text());
    if (message.type() === 'error') errors.push(message.text());
  });
  page.on('pageerror', (error) => logged.push(`page error: ${error.message}`));
  await prepare(page);
  await page.goto(server.url + query);
  return { page, logged, errors };
}

// The canvas's pixels as the page holds them, RGBA, base64.
function readCanvas(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const rgba = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < rgba.length; i += 8192) text += String.fromCharCode(...rgba.subarray(i, i + 8192));
    return btoa(text);
  });
}

function isDrawn(rgbaBase64) {
  return Buffer.from(rgbaBase64, 'base64').some((byte, i) => i % 4 !== 3 && byte !== 0);
}

async function waitForFrame(page) {
  await page.waitForFunction(() => document.getElementById('console').textContent.includes("c'est partis"));
  for (let tries = 0; tries < 100; ++tries) {
    if (isDrawn(await readCanvas(page))) return;
    await page.waitForTimeout(50);
  }
  assert.fail('the canvas shows no frame');
}

// What native demo-capture draws for the same scripted clock: R, G, B of each frame.
function nativeFrames(start, step, count) {
  const raw = execFileSync(
    demoCapture,
    ['--frames', String(count), '--start-ms', String(start), '--frame-ms', String(step), '--out', '-'],
    { cwd: root, maxBuffer: 64 << 20 },
  );
  const frameBytes = 240 * 240 * 4;
  assert.equal(raw.length, count * frameBytes);
  const frames = [];
  for (let f = 0; f < count; ++f) {
    const rgb = Buffer.alloc(240 * 240 * 3);
    for (let p = 0; p < 240 * 240; ++p) {
      const word = f * frameBytes + 4 * p; // little-endian 0xAARRGGBB: B, G, R, A
      rgb[3 * p] = raw[word + 2];
      rgb[3 * p + 1] = raw[word + 1];
      rgb[3 * p + 2] = raw[word];
    }
    frames.push(rgb);
  }
  return frames;
}

describe('the demo page', () => {
  it('prints exactly the banner and the start line, to the page and to the console', async () => {
    const { page, logged, errors } = await openPage();
    await waitForFrame(page);
    assert.equal(await page.textContent('#console'), printedLines.map((line) => line + '\n').join(''));
    assert.deepEqual(logged, printedLines);
    assert.equal(await page.textContent('#errors'), '');
    assert.deepEqual(errors, []);
    assert.equal(await page.title(), 'Zarn Screen Copier');
    assert.equal(await page.textContent('h1'), 'Zarn Screen Copier');
    await page.close();
  });

  it('draws frames that change over time', async () => {
    const { page } = await openPage();
    await waitForFrame(page);
    const first = await readCanvas(page);
    await page.waitForTimeout(300);
    assert.notEqual(await readCanvas(page), first);
    await page.close();
  });

  it('zooms the 240 x 240 canvas to 1, 2 and 4 times its size, crisply', async () => {
    const { page } = await openPage();
    await waitForFrame(page);
    const buttons = await page.locator('#controls button').allTextContents();
    assert.deepEqual(buttons, ['Zoom 1 x 1', 'Zoom 2 x 2', 'Zoom 4 x 4', 'Full screen']);
    const shownSize = () =>
      page.evaluate(() => {
        const canvas = document.getElementById('canvas');
        const box = canvas.getBoundingClientRect();
        return [box.width, box.height, canvas.width, canvas.height];
      });
    assert.deepEqual(await shownSize(), [240, 240, 240, 240]);
    for (const [text, size] of [['Zoom 4 x 4', 960], ['Zoom 2 x 2', 480], ['Zoom 1 x 1', 240]]) {
      await page.click(`text="${text}"`);
      assert.deepEqual(await shownSize(), [size, size, 240, 240], text);
    }
    const rendering = await page.evaluate(() => getComputedStyle(document.getElementById('canvas')).imageRendering);
    assert.equal(rendering, 'pixelated');
    await page.close();
  });

  it('shows the canvas full screen at the largest whole factor, centred on black, and back', async () => {
    const { page } = await openPage();
    await waitForFrame(page);
    const shown = () =>
      page.evaluate(() => {
        const box = document.getElementById('canvas').getBoundingClientRect();
        const full = document.fullscreenElement;
        return {
          full: full ? full.id : null,
          box: [box.left, box.top, box.width, box.height],
          screen: [innerWidth, innerHeight, devicePixelRatio],
          background: full ? getComputedStyle(full).backgroundColor : null,
        };
      });
    await page.click('text="Zoom 2 x 2"');
    await page.click('text="Full screen"');
    await page.waitForFunction(() => document.fullscreenElement !== null);
    await page.waitForTimeout(100);
    const full = await shown();
    assert.equal(full.full, 'screen');
    const [width, height, ratio] = full.screen;
    assert.equal(ratio, 1);
    const factor = Math.max(1, Math.floor(Math.min(width, height) / 240));
    assert.ok(factor >= 2, `a ${width} x ${height} screen`);
    const size = 240 * factor;
    assert.deepEqual(full.box, [(width - size) / 2, (height - size) / 2, size, size]);
    assert.equal(full.background, 'rgb(0, 0, 0)');

    // The F key leaves full screen, and the zoom chosen before comes back.
    await page.keyboard.press('f');
    await page.waitForFunction(() => document.fullscreenElement === null);
    await page.waitForTimeout(100);
    const back = await shown();
    assert.deepEqual(back.box.slice(2), [480, 480]);
    // And enters it again.
    await page.keyboard.press('F');
    await page.waitForFunction(() => document.fullscreenElement !== null);
    await page.waitForTimeout(100);
    assert.deepEqual((await shown()).box.slice(2), [size, size]);
    await page.close();
  });

  it('stops on Escape, keeping the last frame and saying so', async () => {
    const { page } = await openPage();
    await waitForFrame(page);
    assert.equal(await page.textContent('#status'), '');
    await page.keyboard.press('Escape');
    await page.waitForTimeout(100);
    const last = await readCanvas(page);
    await page.waitForTimeout(400);
    assert.equal(await readCanvas(page), last);
    assert.ok(isDrawn(last));
    assert.match(await page.textContent('#status'), /^Stopped/);
    await page.close();
  });
});

describe('images the page cannot read', () => {
  // The page's files as a broken server would give them: demo.js lists
  // flare.raw under another name and cuts 100 bytes off particule.raw.
  async function breakImages(page) {
    await page.route('**/demo.js', async (route) => {
      const response = await route.fetch();
      const flare = '"filename":"/datas/flare.raw"';
      const particle = /("filename":"\/datas\/particule\.raw","start":\d+,"end":)(\d+)/;
      let script = await response.text();
      assert.ok(script.includes(flare) && particle.test(script), 'demo.js lists the images');
      script = script.replace(flare, '"filename":"/datas/flare.gone"');
      script = script.replace(particle, (_, head, end) => head + (Number(end) - 100));
      await route.fulfill({ response, body: script });
    });
  }

  it('are named below the canvas and in the console, and the demo runs on', async () => {
    const { page, logged, errors } = await openPage('', breakImages);
    await waitForFrame(page);
    const expected = [
      'demo: cannot read datas/flare.raw: missing; it is drawn black',
      'demo: datas/particule.raw is short by 100 of its 3072 bytes; they read as 0xFF',
    ];
    assert.equal(await page.textContent('#errors'), expected.map((line) => line + '\n').join(''));
    assert.deepEqual(errors, expected);
    assert.deepEqual(logged, printedLines);
    const first = await readCanvas(page);
    await page.waitForTimeout(300);
    assert.notEqual(await readCanvas(page), first);
    await page.close();
  });
});

describe('a page served without one of its files', () => {
  const titleAndButtons = async (page) => [
    await page.title(),
    await page.textContent('h1'),
    await page.locator('#controls button').allTextContents(),
  ];
  const expectedTitleAndButtons = [
    'Zarn Screen Copier',
    'Zarn Screen Copier',
    ['Zoom 1 x 1', 'Zoom 2 x 2', 'Zoom 4 x 4', 'Full screen'],
  ];

  for (const file of ['demo.js', 'demo.wasm', 'demo.data']) {
    it(`names ${file} in plain words below the canvas and keeps its title and buttons`, async () => {
      const folder = await mkdtemp(join(tmpdir(), 'page-without-'));
      await cp(pageFolder, folder, { recursive: true, filter: (path) => !path.endsWith(`/${file}`) });
      const partial = await serveFolder(folder);
      try {
        const page = await browser.newPage();
        await page.goto(partial.url);
        await page.waitForFunction(() => document.getElementById('errors').textContent !== '');
        await page.waitForTimeout(300);
        assert.equal(await page.textContent('#errors'), `cannot load ${file}: 404 Not Found\n`);
        assert.deepEqual(await titleAndButtons(page), expectedTitleAndButtons);
        assert.equal(await page.textContent('#console'), '');
        await page.close();
      } finally {
        await partial.close();
        await rm(folder, { recursive: true });
      }
    });
  }

  it('says so when the server does not answer for a file', async () => {
    const { page } = await openPage('', (page) => page.route('**/demo.data', (route) => route.abort()));
    await page.waitForFunction(() => document.getElementById('errors').textContent !== '');
    assert.equal(await page.textContent('#errors'), 'cannot load demo.data: the server did not answer\n');
    assert.deepEqual(await titleAndButtons(page), expectedTitleAndButtons);
    await page.close();
  });
});

describe('the capture hook', () => {
  // A plain clock, one that wraps past 2^32 between frames, and a still one.
  for (const [start, step, count] of [[0, 20, 6], [4294967000, 97, 5], [123456, 0, 3]]) {
    it(`draws what demo-capture draws for ${start},${step},${count}`, async () => {
      const { page } = await openPage(`?capture=${start},${step},${count}`);
      await page.waitForFunction(() => window.demoCapture !== undefined);
      const capture = await page.evaluate(() => window.demoCapture);
      await page.close();
      assert.equal(capture.code, 0);
      const expected = nativeFrames(start, step, count);
      assert.equal(capture.frames.length, count);
      capture.frames.forEach((frame, k) => {
        const shown = Buffer.from(frame, 'base64');
        assert.ok(shown.equals(expected[k]), `frame ${k} differs from demo-capture's`);
      });
      assert.ok(!expected[0].equals(expected[count - 1]) || step === 0, 'the frames move');
    });
  }
});
