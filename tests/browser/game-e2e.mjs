// Plays the real game through its page in a headless browser: into play,
// a save under a name and a second one, the list of saved games and one of
// them taken up, undo switched on, moves undone and redone, a layout word
// refused (the page lays out its own text), and the end of the game.
//
//   node game-e2e.mjs <game binary>
import fs from 'node:fs';
import path from 'node:path';
import { check, commandsOf, finish, freshHome, launchBrowser, openGame, sleep, startGame } from './support.mjs';

const [game] = process.argv.slice(2);
if (!game) {
  console.error('usage: node game-e2e.mjs <game binary>');
  process.exit(2);
}

const tmp = freshHome('game-e2e');
const saves = path.join(tmp, 'fablet', 'zendry');
const run = startGame(game, tmp);

let context;
try {
  await run.address();
  context = await launchBrowser(tmp);
  const page = await openGame(context, run.started().pageUrl);
  await page.waitForSelector('#gameview', { state: 'visible' });

  const commands = await commandsOf(page);
  const play = async (command) => (await commands.play(command)).replace(/\s+/g, ' ');
  async function expect(command, pattern, what) {
    const answer = await play(command);
    check(pattern.test(answer), `${what}: ${JSON.stringify(answer)}`);
    return answer;
  }

  await expect('begin', /grassy lane/, 'into play');
  await play('no');
  await expect('save trip', /Shall I go ahead\?/, 'the save word asks first');
  await expect('yes', /Your game is saved\./, 'saved');
  await expect('yes', /^\s*Very well\./, 'play goes on');
  check(fs.existsSync(path.join(saves, 'trip.orv')), 'the saved game is on disk');
  await expect('w', /woodside/, 'a move');

  // One saved game: the restore word alone takes it up.
  await expect('restore', /Restoring the saved game "trip"\..*saved less than 5 minutes ago/, 'the one saved game');
  await expect('yes', /Your saved game is restored/, 'taken up');
  await expect('yes', /grassy lane/, 'back in the lane, described');

  // Two: listed, one chosen.
  await play('save camp');
  await play('yes');
  await play('yes');
  await expect('restore', /You have 2 saved games: camp and trip\..*Type its name/, 'the list of saved games');
  check(await page.evaluate(() => [...document.querySelectorAll('b')].some((b) => b.textContent === 'camp')),
    'the names are set in bold');
  await expect('trip', /saved less than 5 minutes ago/, 'a game chosen from the list');
  await play('yes');
  await expect('no', /The saved game has been deleted\./, 'not kept: deleted');
  check(!fs.existsSync(path.join(saves, 'trip.orv')) && fs.existsSync(path.join(saves, 'camp.orv')),
    'one saved game deleted, the other left');

  // Undo.
  await expect('undo on', /Do you want to switch undo on\?/, 'undo asks to be switched on');
  await expect('yes', /Undo is now switched on\./, 'switched on');
  await play('e');
  await play('w');
  await expect('w', /woodside/, 'three moves');
  await expect('undo 3', /3 commands are taken back\..*grassy lane|3 commands are taken back\..*lane beside/, 'three commands taken back');
  await expect('redo', /One command is played again\..*cottage/, 'one command played again');

  // The layout words belong to the console.
  await expect('width 60', /"width"/i, 'a layout word refused in the browser, naming the word');

  await expect('quit', /stop playing/, 'quit asks');
  await play('yes');
  await page.waitForSelector('#closeit', { state: 'visible' });
  const end = await Promise.race([run.exited, sleep(10000).then(() => null)]);
  check(end !== null && end.code === 255, `the game ended with status 255 (${JSON.stringify(end)})`);
} catch (e) {
  check(false, String(e && e.stack || e));
} finally {
  if (context) await context.close().catch(() => {});
}
finish(run, tmp);
