// Plays a game through its page in a real headless browser: the browser
// started on a forwarding file that holds the page's address (the address
// on no command line, the file the player's alone and gone once the page
// has loaded), the start section started by Enter, the names a screen
// reader hears, commands and their answers, the prompt echo, the history
// keys, the layout with a long word and in a narrow window (the command
// field kept in sight), the focus after a click in the transcript,
// the keep-alive pings over an idle spell, a reload (the last reply shown
// again, commands echoed), the address opened as localhost, requests
// without the run's secret (dropped unanswered), a command sent by a page
// of another origin (refused), a second window that takes the game over
// (the first one says so and falls silent), the markup's unique ids, and
// the closing button when the game ends.
//
//   node e2e.mjs <game binary> <folder for the screenshot>
//
// The game is started with a browser command (hand-over.sh) that writes
// what it was handed to files instead of opening a browser; the test then
// loads the forwarding file in Chromium.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { check, commandsOf, finish, freshHome, launchBrowser, sleep, startGame, waitFor } from './support.mjs';

// What a screen reader is told of the page: Chromium's own accessibility
// tree, as the nodes of a role with their names and live setting.
async function spoken(context, page, role) {
  const session = await context.newCDPSession(page);
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  return nodes.filter((n) => !n.ignored && n.role && n.role.value === role).map((n) => ({
    name: n.name ? n.name.value : '',
    live: ((n.properties || []).find((p) => p.name === 'live') || { value: {} }).value.value,
  }));
}

const [game, outDir] = process.argv.slice(2);
if (!game || !outDir) {
  console.error('usage: node e2e.mjs <game binary> <output folder>');
  process.exit(2);
}

const tmp = freshHome('e2e');
fs.mkdirSync(outDir, { recursive: true });
const run = startGame(game, tmp, { FIXTURE_CHAIN: 'echo' });
const { exited } = run;

let context;
let foreign;
try {
  const url = await run.address();
  check(/^http:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}\/$/.test(url), `page address with the secret ${url}`);
  const origin = new URL(url).origin;
  const secret = new URL(url).pathname;

  // The browser was handed the forwarding file, in the game's directory and
  // the player's alone; no argument holds the secret.
  const started = run.started();
  check(started.args.length > 0 && started.args.every((a) => !a.includes(secret.slice(1, -1))),
    `no argument of the browser holds the secret: ${JSON.stringify(started.args)}`);
  check(started.args[started.args.length - 1] === path.join(tmp, 'fablet', 'zendry', '_zendry-page.html'),
    `the browser is handed the forwarding file in the game's directory: ${started.page}`);
  check(started.mode === '600', `the forwarding file is the player's alone: mode ${started.mode}`);

  context = await launchBrowser(tmp);
  const page = context.pages()[0] || await context.newPage();
  page.on('pageerror', (e) => check(false, `no script error (${e.message})`));
  check(fs.existsSync(started.page), 'the forwarding file stands until the page is loaded');
  await page.goto(started.pageUrl);

  // The start section, reached through the forwarding file; the file is
  // gone.
  await page.waitForSelector('#startit', { state: 'visible' });
  check(page.url() === url, `the forwarding file leads to the page: ${page.url()}`);
  check(!fs.existsSync(started.page), 'the forwarding file is removed once the page has loaded');
  check(await page.isHidden('#gameview'), 'game section hidden before the start');
  check((await page.textContent('#startit h1')).trim().length > 0, 'start section has its heading');
  check(/Zendry - .* \d+\.\d+, \d\d \w+ \d{4}/.test(await page.textContent('#startit h3')), 'version line');
  const startFocused = () => page.evaluate(() => document.activeElement && document.activeElement.id === 'start');
  check(await waitFor('the start button focused', startFocused, 5000).catch(() => false), 'the start button has the focus');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#gameview', { state: 'visible' });
  check(await page.isHidden('#startit'), 'start section gone after the start');
  check(await page.evaluate(() => document.activeElement && document.activeElement.id === 'command'),
    'the command field has the focus');

  const commands = await commandsOf(page);
  const { play } = commands;

  // A screen reader hears the command field by its name, and each reply as
  // it comes, from a polite log.
  const fields = await spoken(context, page, 'textbox');
  check(fields.length === 1 && fields[0].name === 'Command', `the command field is named: ${JSON.stringify(fields)}`);
  const logs = await spoken(context, page, 'log');
  check(logs.length === 1 && logs[0].name.length > 0 && logs[0].live === 'polite',
    `the transcript is a named polite live log: ${JSON.stringify(logs)}`);

  // Commands and answers, with the prompt echo.
  let answer = await play('lamp');
  check(/Turn 1:/.test(answer), `answer to the first command: ${JSON.stringify(answer)}`);
  const echoes = await page.$$eval('#conreg span.query', (s) => s.map((e) => e.textContent));
  check(echoes.some((e) => /\?\s+lamp/.test(e)), `prompt echo of the command: ${JSON.stringify(echoes)}`);
  check(await page.evaluate(() => document.querySelectorAll('[id=prompt]').length) === 1,
    'one prompt anchor, the newest');
  check(await page.inputValue('#command') === '', 'the command field is emptied');
  check(await page.evaluate(() => {
    const s = document.querySelector('input[type=submit]');
    return s && s.getAttribute('value').length > 0 && s.getAttributeNames().every((n) => /^[a-z]+$/.test(n));
  }), 'the submit button has its attributes and no stray one');

  // A command of markup is shown as text, not run.
  answer = await play('<b>hall</b>');
  check(/Turn 2:/.test(answer), 'answer to the second command');
  check(await page.evaluate(() => document.querySelectorAll('#conreg span.query b').length) === 0,
    'typed markup is not interpreted in the echo');
  check(answer.includes('<b>hall</b>'), `typed markup in the answer shows as typed: ${JSON.stringify(answer)}`);
  check(await page.evaluate(() => document.querySelectorAll('#conreg b').length) === 0,
    'typed markup in the answer is not interpreted');

  // History keys.
  await page.focus('#command');
  await page.press('#command', 'ArrowUp');
  check(await page.inputValue('#command') === '<b>hall</b>', 'up: the last command');
  await page.press('#command', 'ArrowUp');
  check(await page.inputValue('#command') === 'lamp', 'up again: the one before');
  await page.press('#command', 'ArrowUp');
  check(await page.inputValue('#command') === 'lamp', 'up at the oldest stays');
  await page.press('#command', 'ArrowDown');
  check(await page.inputValue('#command') === '<b>hall</b>', 'down: the next');
  await page.press('#command', 'ArrowDown');
  check(await page.inputValue('#command') === '', 'down past the newest: empty');

  // A long unbroken word wraps inside the column, and a narrow window gets
  // a column as wide as itself: nothing is cut off or needs scrolling
  // sideways.
  const layout = () => page.evaluate(() => {
    const right = (e) => e.getBoundingClientRect().right;
    const chunks = document.getElementsByName('chunk');
    return {
      page: document.documentElement.scrollWidth,
      window: window.innerWidth,
      view: document.querySelector('td.view').getBoundingClientRect().width,
      command: right(document.getElementById('command')),
      text: Math.max(...[...document.querySelectorAll('#conreg span.query'), chunks[chunks.length - 1]].map(right)),
    };
  });
  answer = await play('x'.repeat(150));
  let box = await layout();
  check(box.page <= box.window && box.view <= 700 + 2 * 16 + 2 && box.text <= box.window,
    `a long word wraps inside the column: ${JSON.stringify(box)}`);
  // More history than the window holds, and the window narrowed: the
  // lines grow longer, and the view still ends at the command field, at
  // once, not at the next command.
  for (let k = 0; k < 8; k++) await play(`walk ${'around and '.repeat(15)}`.slice(0, 160));
  const fieldInSight = () => page.evaluate(() => {
    const r = document.getElementById('command').getBoundingClientRect();
    return r.top >= 0 && r.bottom <= window.innerHeight;
  });
  const scrollY = () => page.evaluate(() => window.scrollY);
  check(await fieldInSight() && await scrollY() > 0, 'a long history ends at the command field');
  await page.setViewportSize({ width: 420, height: 700 });
  check(await waitFor('the command field in sight', fieldInSight, 3000).catch(() => false),
    `the command field stays in sight in a narrowed window (${await scrollY()})`);
  box = await layout();
  check(box.page <= 420 && box.command <= 420 && box.text <= 420, `a narrow window shows the whole column: ${JSON.stringify(box)}`);
  await page.screenshot({ path: path.join(outDir, 'browser-e2e-narrow.png') });
  // A view read back in the history stays there when the window changes.
  await page.evaluate(() => window.scrollTo(0, 0));
  await sleep(300);
  await page.setViewportSize({ width: 1000, height: 760 });
  await sleep(500);
  check(await scrollY() === 0, `a view read back stays where it is when the window widens (${await scrollY()})`);

  // A click in the transcript leaves the keys with the command box, and
  // keys typed while the focus is elsewhere go to it too.
  await page.click('#conreg', { position: { x: 5, y: 5 } });
  check(await page.evaluate(() => document.activeElement && document.activeElement.id === 'command'),
    'a click in the transcript gives the focus back to the command box');
  await page.evaluate(() => document.activeElement.blur());
  await page.keyboard.type('lamp');
  check(await page.inputValue('#command') === 'lamp', `keys typed with the focus elsewhere reach the command box (${await page.inputValue('#command')})`);
  await page.fill('#command', '');

  // A typed word that spells an entity ("&lt", which a page would read as
  // "<") is shown as typed, not decoded.
  answer = await play('&lt&gt');
  check(answer.includes('&lt&gt'), `a typed entity shows as typed: ${JSON.stringify(answer)}`);

  // An idle spell longer than keep-alive plus grace: the pings keep the
  // game waiting.
  await sleep(6000);
  answer = await play('hall');
  check(/Turn 13:/.test(answer), 'the game still answers after an idle spell');

  // A reload during play serves the page again: it shows where the game
  // stands (the last reply), the game goes on in it with every command
  // echoed, and the reloaded page's report is not taken as a command.
  const before = await commands.lastChunk();
  await page.reload();
  await page.waitForSelector('#startit', { state: 'visible' });
  await page.click('#start');
  await waitFor('the last reply after the reload', async () => (await commands.chunkCount()) >= 1);
  check(await commands.lastChunk() === before, `the reloaded page shows the last reply: ${JSON.stringify(await commands.lastChunk())}`);
  answer = await play('hall');
  check(/Turn 14: long hall/.test(answer), `the game answers in the reloaded page: ${JSON.stringify(answer)}`);
  answer = await play('lamp');
  check(/Turn 15: lamp/.test(answer), 'and goes on');
  const echoed = await page.$$eval('#conreg span.query:not(#prompt)', (s) => s.map((e) => e.textContent.replace(/\s+/g, ' ').trim()));
  check(JSON.stringify(echoed) === JSON.stringify(['? hall', '? lamp']),
    `each command is echoed after the reload: ${JSON.stringify(echoed)}`);

  // The address typed by hand with "localhost" for the loopback address.
  await page.goto(url.replace('127.0.0.1', 'localhost'));
  await page.waitForSelector('#startit', { state: 'visible' });
  await page.click('#start');
  answer = await play('lamp');
  check(/Turn \d+: lamp/.test(answer), `the game answers in a page opened as localhost: ${JSON.stringify(answer)}`);

  // Another origin's page tries to type "quit" into the game.
  const server = http.createServer((req, res) => {
    res.setHeader('Content-Type', 'text/html');
    res.end(`<!DOCTYPE html><meta name="referrer" content="no-referrer"><body>
      <img src="${origin}/?status=90xquit">
      <script>fetch("${origin}/?status=91xquit", {mode: "no-cors"}).catch(() => {});
      fetch("${origin}/?status=92xquit", {mode: "no-cors", referrerPolicy: "unsafe-url"}).catch(() => {});</script>`);
  });
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  foreign = server;
  const other = await context.newPage();
  await other.goto(`http://127.0.0.1:${server.address().port}/`);
  await sleep(1500);
  await other.close();
  answer = await play('lamp');
  check(/Turn \d+: lamp/.test(answer), `commands from another page were refused: ${JSON.stringify(answer)}`);

  check(await page.evaluate(() => typeof Worker !== 'undefined' && pinger instanceof Worker),
    'the keep-alive pings come from a worker');

  // Requests of other local programs that lack the run's secret: a command,
  // a report, the page itself, and the old browser's name that would end
  // the game. Each is dropped without an answer.
  const raw = (target, headers = {}) => new Promise((resolve) => {
    const req = http.get(`${origin}${target}`, { headers, agent: false }, (res) => resolve(`answered ${res.statusCode}`));
    req.on('error', (e) => resolve(e.code || String(e)));
  });
  for (const [target, headers] of [['/?status=50xquit', {}], ['/?status=0xS', {}], ['/', {}],
    ['/?status=0xS', { 'User-Agent': 'Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)' }],
    [`/${'0'.repeat(32)}/?status=51xquit`, {}], [`${secret.slice(0, -2)}/?status=52xquit`, {}]]) {
    const got = await raw(target, headers);
    check(got === 'ECONNRESET', `a request without the secret is dropped unanswered: ${target} ${JSON.stringify(headers)}: ${got}`);
  }
  answer = await play('lamp');
  check(/Turn \d+: lamp/.test(answer), `the game goes on after the requests without the secret: ${JSON.stringify(answer)}`);

  // Every answer shown has an id of its own.
  const ids = await page.evaluate(() => [...document.getElementsByName('chunk')].map((c) => c.id));
  check(ids.length > 1 && new Set(ids).size === ids.length && ids.every((id) => id.length > 0),
    `each answer has its own id: ${JSON.stringify(ids)}`);
  await page.screenshot({ path: path.join(outDir, 'browser-e2e-play.png'), fullPage: true });

  // A second window on the game's address takes the game over: it shows the
  // last reply and plays on; the first says at its next request (a ping)
  // that the game goes on in another window, and sends nothing more.
  const last = await commands.lastChunk();
  let firstSent = 0;
  page.on('request', () => { firstSent++; });
  const second = await context.newPage();
  second.on('pageerror', (e) => check(false, `no script error in the second window (${e.message})`));
  await second.goto(url);
  await second.waitForSelector('#startit', { state: 'visible' });
  await second.click('#start');
  const commands2 = await commandsOf(second);
  check(await commands2.lastChunk() === last, `the second window shows the last reply: ${JSON.stringify(await commands2.lastChunk())}`);
  answer = await commands2.play('hall');
  check(/Turn \d+: long hall/.test(answer), `the game answers in the second window: ${JSON.stringify(answer)}`);
  await page.waitForSelector('h2', { timeout: 10000 });
  check(/goes on in another window/.test(await page.textContent('h2')), `the first window says where the game went: ${await page.textContent('h2')}`);
  check(await page.$('#comform') === null, 'the first window has no command box left');
  const sentThen = firstSent;
  await sleep(5000);
  check(firstSent === sentThen, `the first window sends nothing more (${firstSent - sentThen} requests)`);
  answer = await commands2.play('lamp');
  check(/Turn \d+: lamp/.test(answer), `the game goes on in the second window: ${JSON.stringify(answer)}`);

  // The end of the game: the closing button.
  answer = await commands2.play('quit');
  check(/Turn \d+: quit/.test(answer), 'answer to quit');
  await second.waitForSelector('#closeit', { state: 'visible' });
  check(await second.$('#comform') === null, 'the command form is gone');
  check((await second.getAttribute('#closeit', 'value')).length > 0, 'the closing button has its label');
  await second.screenshot({ path: path.join(outDir, 'browser-e2e.png'), fullPage: true });

  const end = await Promise.race([exited, sleep(10000).then(() => null)]);
  check(end !== null && end.code === 255, `the game ended with status 255 (${JSON.stringify(end)})`);
  await sleep(3000);
  check(await second.$$eval('h2', (h) => h.length) === 0, 'no "not responding" note after the end');
} catch (e) {
  check(false, String(e && e.stack || e));
} finally {
  if (foreign) foreign.close();
  if (context) await context.close().catch(() => {});
}
finish(run, tmp);
