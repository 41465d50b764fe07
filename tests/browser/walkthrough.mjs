// Plays a whole command file through the page in a headless browser, with
// the seed of its first line, and compares each turn's reply with the
// console's expected transcript beside it: the same game, the same words,
// the same points at the end.
//
//   node walkthrough.mjs <game binary> <name.cmd>     (compared with name.out)
//
// The game is started with a command file holding only the seed line, so it
// sets up the same world as the console replay and then takes its commands
// from the page. The commands are typed into the page's command box and
// sent by its form, one after the other as each reply comes; the replies
// are read as the page shows them (the page keeps only its last replies, so
// each is taken as it arrives).
import fs from 'node:fs';
import path from 'node:path';
import { check, finish, freshHome, launchBrowser, openGame, startGame, waitFor } from './support.mjs';

const [game, cmdFile] = process.argv.slice(2);
if (!game || !cmdFile) {
  console.error('usage: node walkthrough.mjs <game binary> <name.cmd>');
  process.exit(2);
}

// The commands as the console replay reads them: the first line is the
// seed, each "REPLY:" line a command (less the one blank after the colon),
// other lines are passed over, "INTERACT" ends the file.
const lines = fs.readFileSync(cmdFile, 'utf8').split(/\r?\n/);
const seedLine = lines[0];
const commands = [];
for (const line of lines.slice(1)) {
  if (line.startsWith('INTERACT')) break;
  if (!line.startsWith('REPLY:')) continue;
  const c = line.slice(6);
  commands.push(c.startsWith(' ') ? c.slice(1) : c);
}

// The console's transcript cut into the opening and one reply per command:
// each reply follows its prompt line " ?  <command>". The line of the exit
// status is not the game's.
const expectedFile = cmdFile.replace(/\.cmd$/, '.out');
const console_ = fs.readFileSync(expectedFile, 'utf8').replace(/\nexit status: \d+\n?$/, '\n');
const parts = console_.split(/^ \?  .*$/m);
// Both compared as words with single blanks between them; the console may
// break a line after the hyphen of a word, the page lays out its own lines.
const flat = (s) => s.replace(/\s+/g, ' ').trim();
const expected = parts.map((p) => flat(p.replace(/(\w)-\n\s*(?=\w)/g, '$1-')));

const tmp = freshHome('walkthrough');
const seedFile = path.join(tmp, 'seed.cmd');
fs.writeFileSync(seedFile, `${seedLine}\n`);
const run = startGame(game, tmp, {}, ['-p0', `-c${seedFile}`]);

let context;
try {
  check(/^Wiz: \d+$/.test(seedLine), `the command file starts with its seed: ${seedLine}`);
  await run.address();
  context = await launchBrowser(tmp);
  const page = await openGame(context, run.started().pageUrl);
  await waitFor('the opening', () => page.evaluate(() => chunkNo >= 1));
  const started = Date.now();

  // In the page: each command typed into the box and sent by the form; the
  // next goes once the reply to it is shown. Returns the text of the
  // opening and of every reply, or stops at the game's end.
  const replies = await page.evaluate(async (list) => {
    const last = () => { const c = document.getElementsByName('chunk'); return c[c.length - 1]; };
    const texts = [last().innerText];
    const box = document.getElementById('command');
    const form = document.getElementById('inform');
    for (const command of list) {
      if (state === 'X') break;
      const shown = chunkNo;
      const next = new Promise((resolve) => {
        const watch = new MutationObserver(() => {
          if (chunkNo > shown || state === 'X') { watch.disconnect(); resolve(); }
        });
        watch.observe(document.getElementById('conreg'), { childList: true });
      });
      box.value = command;
      form.requestSubmit();
      await next;
      texts.push(chunkNo > shown ? last().innerText : null);
    }
    return texts;
  }, commands);
  const seconds = (Date.now() - started) / 1000;
  console.log(`${commands.length} commands played in ${seconds.toFixed(1)} s`);

  // The game ends where the console's ended: a command file may go on past
  // the end, unread.
  check(replies.length === expected.length,
    `as many replies as in the console (${replies.length - 1} and ${expected.length - 1}, of ${commands.length} commands)`);
  let differ = 0;
  for (let k = 0; k < replies.length && k < expected.length; k++) {
    const got = flat(replies[k] ?? '<no reply>');
    if (got === expected[k]) continue;
    if (differ++ < 5) {
      check(false, `reply ${k} (${k ? JSON.stringify(commands[k - 1]) : 'the opening'}) as in the console:\n` +
        `  console: ${expected[k]}\n  page:    ${got}`);
    }
  }
  check(differ === 0, `every reply as in the console transcript (${differ} differ)`);
  // The end of the game: the final score, as the console gave it.
  const score = (s) => (s.match(/You scored [^.]*\./g) || []).pop();
  const end = flat(replies[replies.length - 1] ?? '');
  check(score(end) !== undefined && score(end) === score(expected[expected.length - 1]),
    `the final score as in the console: ${score(end)}`);
  await page.waitForSelector('#closeit', { state: 'visible' });
  const exit = await Promise.race([run.exited, new Promise((r) => setTimeout(() => r(null), 10000))]);
  check(exit !== null, `the game ended (${JSON.stringify(exit)})`);
} catch (e) {
  check(false, String(e && e.stack || e));
} finally {
  if (context) await context.close().catch(() => {});
}
finish(run, tmp);
