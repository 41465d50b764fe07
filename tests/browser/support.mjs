// What the browser tests share: checks counted as they fail, waiting for a
// condition, the program started in a fresh home with a browser command
// (hand-over.sh) that writes what the game handed it to files instead of
// opening a browser, and the headless Chromium that loads the page through
// the forwarding file the game handed on.
import { chromium } from 'playwright-core';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const chromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';

export const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

let failures = 0;
export function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}

export async function waitFor(what, test, ms = 15000) {
  const end = Date.now() + ms;
  for (;;) {
    const v = await test();
    if (v) return v;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await sleep(100);
  }
}

// The program in a fresh home (`tmp`, also its working directory), with
// its output kept for the report, with more arguments if given;
// `address()` waits for the browser to be started and returns the page's
// address (read from the forwarding file), `started()` then tells what the
// browser was handed: its arguments, the forwarding file's path, its mode
// then (octal digits) and its address as a file URL.
export function startGame(game, tmp, env = {}, args = []) {
  const urlFile = path.join(tmp, 'url');
  const log = [];
  const proc = spawn(game, ['-n', `-B${path.join(here, 'hand-over.sh')}`, ...args], {
    cwd: tmp,
    env: { ...process.env, HOME: tmp, E2E_URL_FILE: urlFile, ...env },
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  proc.stdout.on('data', (d) => log.push(String(d)));
  proc.stderr.on('data', (d) => log.push(String(d)));
  const exited = new Promise((r) => proc.on('exit', (code, signal) => r({ code, signal })));
  const address = async () =>
    (await waitFor('the page address', () => fs.existsSync(urlFile) && fs.readFileSync(urlFile, 'utf8'))).trim();
  const read = (suffix) => fs.readFileSync(`${urlFile}.${suffix}`, 'utf8').replace(/\n$/, '');
  const started = () => {
    const page = read('page');
    return { args: read('args').split('\n'), page, mode: read('mode'), pageUrl: pathToFileURL(page).href };
  };
  return { proc, log, exited, address, started };
}

export function freshHome(tag) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `zendry-${tag}-`));
}

export function launchBrowser(tmp) {
  return chromium.launchPersistentContext(path.join(tmp, 'profile'), {
    executablePath: chromiumPath,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run', '--disable-sync'],
    viewport: { width: 1000, height: 760 },
  });
}

// The game's page in the browser's first tab (url: the forwarding file's
// or the page's own), its start pressed: script errors in it fail the run.
export async function openGame(context, url) {
  const page = context.pages()[0] || await context.newPage();
  page.on('pageerror', (e) => check(false, `no script error (${e.message})`));
  await page.goto(url);
  await page.waitForSelector('#startit', { state: 'visible' });
  await page.click('#start');
  return page;
}

// Commands typed into the page: how many answers it shows, the last one,
// and a command typed with its answer awaited (after the first answer).
export async function commandsOf(page) {
  const chunkCount = () => page.evaluate(() => document.getElementsByName('chunk').length);
  const lastChunk = () => page.evaluate(() => {
    const c = document.getElementsByName('chunk');
    return c.length ? c[c.length - 1].textContent : '';
  });
  await waitFor('the first answer', async () => (await chunkCount()) >= 1);
  async function play(command) {
    const before = await chunkCount();
    await page.fill('#command', command);
    await page.press('#command', 'Enter');
    await waitFor(`the answer to "${command}"`, async () => (await chunkCount()) > before);
    return lastChunk();
  }
  return { chunkCount, lastChunk, play };
}

// The end of a test: the program stopped if it still runs, its home
// removed, and the verdict (with the program's output when a check failed).
export function finish(game, tmp) {
  if (game.proc.exitCode === null && game.proc.signalCode === null) game.proc.kill();
  fs.rmSync(tmp, { recursive: true, force: true });
  if (failures) {
    console.log('--- game output ---\n' + game.log.join(''));
    console.log(`${failures} check(s) failed`);
    process.exit(1);
  }
  console.log('all checks passed');
  process.exit(0);  // without waiting for the timers still pending
}
