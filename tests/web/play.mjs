// The web page, played in Debian's Chromium, headless, served from 127.0.0.1:
//
// - with ?seed=7 and the answers of tests/program/short_game.txt, the transcript (the log
//   without the player's <kbd> answers) equals the native program's `--seed 7` transcript, line
//   for line, exactly;
// - no error reaches the page's console; the title, the one level-one heading, the live region
//   and the labels of the pictures are there, the two maps among them (told where the boat and the
//   player stand);
// - reloaded at the town menu, the page offers to carry on, and carrying on shows the same
//   status report; a second tab meanwhile leaves the run to the first; a damaged run is set
//   aside without replacing one set aside before;
// - the run as a file: downloaded at the town menu, it is byte for byte the native program's save
//   of the same play, and it plays on in the native program as in the page; a native save whose
//   name holds a byte that is not UTF-8, loaded into the page, is kept byte for byte and plays on
//   as in the native program; a damaged file is refused with one line;
// - after one visit the page plays the whole scripted game again with no network, and Chromium
//   finds the page installable; with "Pictures in words" remembered, pictures are told in words;
// - the figures: the site's size gzipped, the time to the first line (median of five cold
//   loads), the time from Enter to the next text.
//
// Usage: node play.mjs SITE_FOLDER NATIVE_PROGRAM ANSWERS_FILE
import { execFileSync } from "node:child_process";
import { copyFileSync, existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { crc32, gzipSync } from "node:zlib";
import { filesOf, launchChromium, serve } from "./host.mjs";

const [site, native, answersFile] = process.argv.slice(2);
const failures = [];
const check = (condition, what) => {
  if (!condition) failures.push(what);
};

// ---- The site, served as any static host would ----------------------------------------------
const { server, address } = await serve(filesOf(site));
const browser = await launchChromium();

// A page of a context of its own (its own storage), with its console watched for errors.
async function openPage(path, prepare = async () => {}, contextOptions = {}) {
  const context = await browser.createBrowserContext(contextOptions);
  const page = await context.newPage();
  await prepare(page);
  page.on("console", (message) => {
    if (message.type() === "error") failures.push(`console error: ${message.text()}`);
  });
  page.on("pageerror", (error) => failures.push(`page error: ${error.message}`));
  await page.goto(address + path);
  return page;
}

const transcript = (page) =>
  page.evaluate(() => {
    const log = document.getElementById("log").cloneNode(true);
    log.querySelectorAll("kbd").forEach((answer) => answer.remove());
    return log.textContent;
  });

// Sends each line as the player would: typed into the input line (a long one pasted), then
// Enter. Each waits until the game asks for it, so no line is typed ahead by accident; lines left
// when the game ends are not sent.
async function answer(page, lines) {
  for (const line of lines) {
    await page.waitForFunction(
        () => Module.page.isWaiting() || !document.getElementById("end").hidden, { polling: 1 });
    if (await page.$eval("#end", (end) => !end.hidden)) return;
    if (line.length > 80) {
      await page.$eval("#line", (input, text) => (input.value = text), line);
    } else {
      await page.type("#line", line);
    }
    await page.keyboard.press("Enter");
  }
}

// Waits until the game's own text (the answers left out) ends with the town menu.
const atTheTownMenu = (page) =>
  page.waitForFunction(() => {
    const text = [...document.getElementById("log").childNodes]
      .filter((node) => node.nodeName !== "KBD")
      .map((node) => node.textContent)
      .join("");
    return text.endsWith("Lets wait around a bit. (W)\n");
  }, { polling: 10 });

// Times from Enter to the next text of the game, measured in the page.
async function timeAnswers(page) {
  await page.evaluate(() => {
    window.answerTimes = [];
    let sent = 0;
    const append = Module.page.appendText;
    Module.page.appendText = (text) => {
      if (sent) window.answerTimes.push(performance.now() - sent);
      sent = 0;
      append(text);
    };
    document.getElementById("answer").addEventListener("submit", () => (sent = performance.now()), true);
  });
}

// ---- The whole scripted game against the native transcript ----------------------------------
const answers = readFileSync(answersFile, "utf8").replace(/\n$/, "").split("\n");
const expected = execFileSync(native, ["--seed", "7"], { input: readFileSync(answersFile) }).toString();

// The moment the first text shows, measured in the page from its navigation, on a cold load (a
// context of its own, nothing cached). The median of five, as one load on a shared machine can
// be slow for reasons of the machine's own.
async function firstTextAfterNavigation() {
  const page = await openPage("?seed=7", (page) =>
    page.evaluateOnNewDocument(() => {
      new MutationObserver((changes, observer) => {
        if (!document.getElementById("log")?.textContent) return;
        window.firstText = performance.now();
        observer.disconnect();
      }).observe(document, { childList: true, subtree: true, characterData: true });
    }));
  await page.waitForFunction(() => window.firstText !== undefined, { polling: 1 });
  const time = await page.evaluate(() => window.firstText);
  await page.browserContext().close();
  return time;
}
const firstLines = [];
for (let load = 0; load < 5; ++load) firstLines.push(await firstTextAfterNavigation());
const firstLine = firstLines.sort((a, b) => a - b)[2];

const game = await openPage("?seed=7");
await game.waitForFunction(() => document.getElementById("log").textContent.includes("Quillmarrow, a"), { polling: 1 });
check(await game.evaluate(() => document.activeElement?.id === "line"), "the answer line is not focused at the title");
await timeAnswers(game);
await answer(game, answers);
await game.waitForSelector("#end:not([hidden])", { timeout: 30000 });
const played = await transcript(game);
const [got, want] = [played.split("\n"), expected.split("\n")];
const differs = got.findIndex((line, at) => line !== want[at]);
check(played === expected,
      `the transcript differs at line ${differs + 1}: ${JSON.stringify(got[differs])} against ` +
      `${JSON.stringify(want[differs])} (${got.length} lines against ${want.length})`);
check((await game.title()) === "Quillmarrow", `the title is ${await game.title()}`);
const headings = await game.$$eval("h1", (all) => all.map((heading) => heading.textContent));
check(headings.join() === "Quillmarrow", `the page's level-one headings are ${JSON.stringify(headings)}`);
const log = await game.$eval("#log", (element) => [element.getAttribute("role"), element.getAttribute("aria-live")]);
check(log[0] === "log" && log[1] === "polite", `the transcript is ${log}, not a polite log`);
const pictures = await game.$$eval(".picture", (all) => all.map((p) => [p.getAttribute("role"), p.getAttribute("aria-label")]));
for (const shown of ["A castle with three flag-topped towers", "Sandpoint by the sea", "Two tumbling dice",
                     "The portraits of the Human and the Thief", "A shark in side view"]) {
  check(pictures.some(([role, label]) => role === "img" && label?.startsWith(shown)), `no picture labelled "${shown}"`);
}
const times = await game.evaluate(() => window.answerTimes.sort((a, b) => a - b));
const median = times[Math.floor(times.length / 2)];
const slowest = times[Math.floor(times.length * 0.95)];

// ---- Reloaded at the town menu, the run is offered again ------------------------------------
// The character gets the longest name the input line takes, made of characters of three bytes,
// so that the game cuts the line near the end of one of them.
const kept = await openPage("?seed=7");
const toTheHub = answers.slice(0, 21);
toTheHub[3] = "W " + "\u20AC".repeat(1365);
await answer(kept, toTheHub);
await atTheTownMenu(kept);
const report = (text) => text.slice(text.lastIndexOf("-".repeat(78), text.lastIndexOf("-".repeat(78)) - 1));
const before = report(await transcript(kept));
await kept.reload();
await kept.waitForFunction(() => document.getElementById("log").textContent.includes("Carry on (C) Start a new game (N)"), { polling: 10 });
check((await transcript(kept)).includes(" is still in Sandpoint.\n"), "the reloaded page did not name the character");
await answer(kept, ["C"]);
await atTheTownMenu(kept);
check(report(await transcript(kept)) === before, "carrying on showed another status report");

// A second tab of the same browser leaves the run to the first, which still holds it.
const second = await kept.browserContext().newPage();
await second.goto(address + "?seed=7");
await second.waitForFunction(() => document.getElementById("notices").textContent.includes("another game"), { polling: 10 });
check(!(await transcript(second)).includes("Carry on (C)"), "a second tab offered the run the first one plays");

// A damaged run is set aside beside one set aside before, which stays, and a new game starts.
const damaged = await openPage("?seed=7");
await damaged.waitForFunction(() => Module.page.isWaiting(), { polling: 10 });  // it has read the storage
await damaged.evaluate(() => {
  localStorage.setItem("quillmarrow.save", "not a save\n");
  localStorage.setItem("quillmarrow.save.damaged", "older");
});
await damaged.reload();
await damaged.waitForFunction(() => document.getElementById("notices").textContent.includes("is damaged"), { polling: 10 });
const toldAside = await damaged.$eval("#notices", (notices) => notices.textContent);
check(toldAside.includes(": it is kept as quillmarrow.save.damaged.2, and a new game starts"),
      `a damaged run was told as ${JSON.stringify(toldAside)}`);
const setAside = await damaged.evaluate(() => ["", ".damaged", ".damaged.2"].map((name) => localStorage.getItem("quillmarrow.save" + name)));
check(JSON.stringify(setAside) === JSON.stringify([null, "older", "not a save\n"]), `the damaged runs were left as ${JSON.stringify(setAside)}`);

// ---- The run as a file, between the page and the terminal -----------------------------------
const work = mkdtempSync(join(tmpdir(), "quillmarrow-runs-"));
const [toTheTown, afterIt] = [answers.slice(0, 21), answers.slice(21)];
const asInput = (lines) => Buffer.from(lines.map((line) => line + "\n").join(""), "latin1");
const terminalSave = join(work, "terminal.save");
execFileSync(native, ["--seed", "7", "--save", terminalSave], { input: asInput(toTheTown) });
// A name typed at a terminal in Latin-1, say, which is no UTF-8.
const latinSave = join(work, "latin.save");
const latinToTheTown = [...toTheTown];
latinToTheTown[3] = "W K\u00FFthe";
execFileSync(native, ["--seed", "7", "--save", latinSave], { input: asInput(latinToTheTown) });
// The native program carrying on the run of `file` (a copy of it) with the rest of the answers.
const playedOnNatively = (file) => {
  const copy = join(work, "played-on.save");
  copyFileSync(file, copy);
  return execFileSync(native, ["--seed", "7", "--save", copy], { input: asInput(["C", ...afterIt]) }).toString();
};
// The page carrying on the run it keeps, to the end of the game.
async function playedOnInThePage(page) {
  await answer(page, ["C", ...afterIt]);
  await page.waitForSelector("#end:not([hidden])", { timeout: 30000 });
  return transcript(page);
}
async function chooseRunFile(page, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click("#load-run")]);
  await chooser.accept([file]);
}

// From the page to the terminal.
const moving = await openPage("?seed=7", async () => {}, { downloadBehavior: { policy: "allow", downloadPath: work } });
await answer(moving, toTheTown);
await atTheTownMenu(moving);
await moving.click("#download-run");
const downloaded = join(work, "quillmarrow.save");
for (let wait = 0; wait < 3000 && !existsSync(downloaded); ++wait) await new Promise((done) => setTimeout(done, 10));
check(existsSync(downloaded) && readFileSync(downloaded).equals(readFileSync(terminalSave)),
      "the run downloaded from the page is not the native program's save of the same play: " +
      (existsSync(downloaded) ? JSON.stringify(readFileSync(downloaded).toString().slice(0, 300)) : "none"));
await moving.reload();
const pageOn = await playedOnInThePage(moving);
check(existsSync(downloaded) && pageOn === playedOnNatively(downloaded),
      "the downloaded run plays on otherwise in the native program than in the page");

// From the terminal to the page: asked first, kept byte for byte, then played on.
const loading = await openPage("?seed=7");
await loading.waitForFunction(() => Module.page.isWaiting(), { polling: 10 });
await chooseRunFile(loading, latinSave);
await loading.waitForSelector("#confirm-load:not([hidden])");
const question = await loading.$eval("#load-question", (element) => element.textContent);
const saved = (name) => readFileSync(latinSave).toString().match(new RegExp(`^${name}=(.*)$`, "m"))[1];
const who = `${saved("PlayerName")} the ${saved("PlayerRace")} ${saved("PlayerClass")}`;
check(question === `Load ${who} from latin.save? The run takes the place of the one kept in this browser, and the page starts again.`,
      `loading a run asked ${JSON.stringify(question)}`);
await Promise.all([loading.waitForNavigation(), loading.click("#load-yes")]);
const keptRun = await loading.evaluate(() => Array.from(Module.runs.get("") ?? []));
check(Buffer.from(keptRun).equals(readFileSync(latinSave)), "the loaded run was not kept byte for byte");
check((await playedOnInThePage(loading)) === playedOnNatively(latinSave),
      "the native program's run plays on otherwise in the page");

// A damaged file is told in one line and not loaded.
const flipped = join(work, "flipped.save");
writeFileSync(flipped, readFileSync(terminalSave).toString().replace("Quillmarrow save 1", "Quillmarrow save 3"));
await chooseRunFile(loading, flipped);
await loading.waitForFunction(() => document.getElementById("notices").textContent.includes("flipped.save"), { polling: 10 });
const told = await loading.$$eval("#notices p", (all) => all.map((p) => p.textContent));
check(told.length === 1 && told[0] === "flipped.save is damaged (its checksum does not match its contents): it is not loaded, and the run kept here stays as it is",
      `a damaged run file was told as ${JSON.stringify(told)}`);
check(await loading.$eval("#confirm-load", (element) => element.hidden), "a damaged run file was offered to load");
check((await loading.evaluate(() => localStorage.getItem("quillmarrow.save"))) === null, "a damaged run file was kept");

// Both maps are pictures labelled in words: a run with the voyage and the hatch open, loaded into
// the page, sails from the dock, docks, and goes down the hatch.
const opened = join(work, "opened.save");
const openedLines = readFileSync(terminalSave).toString().replace(/Checksum=.*\n$/, "")
  .replace("\nOldManStage=0\n", "\nOldManStage=1\n").replace("\nHatchStage=1\n", "\nHatchStage=0\n");
writeFileSync(opened, `${openedLines}Checksum=${crc32(openedLines).toString(16).padStart(8, "0")}\n`);
const maps = await openPage("?seed=7");
await maps.waitForFunction(() => Module.page.isWaiting(), { polling: 10 });
await chooseRunFile(maps, opened);
await maps.waitForSelector("#confirm-load:not([hidden])");
await Promise.all([maps.waitForNavigation(), maps.click("#load-yes")]);
await answer(maps, ["C", "M", "", "", "", "D", "", "H", "", "", "", "G", "N"]);
await maps.waitForFunction(() => document.querySelectorAll(".picture[aria-label^='The basement']").length > 0, { polling: 10 });
const mapLabels = await maps.$$eval(".picture", (all) => all.map((p) => p.getAttribute("aria-label")));
for (const map of ["The nautical map, ten rows of ten squares, north at the top and west at the left; your boat is in the third row from the top, the eighth square from the left; the dock to the north",
                   "The basement's map, four rows of five rooms; you are in the top row, the third room from the left; the edge above"]) {
  check(mapLabels.some((label) => label.startsWith(map)), `no map labelled "${map}": ${JSON.stringify(mapLabels)}`);
}
rmSync(work, { recursive: true });

// ---- Offline after one visit, installable, pictures in words ---------------------------------
const offline = await browser.newPage();  // the browser's own context: installable, not incognito
offline.on("pageerror", (error) => failures.push(`page error: ${error.message}`));
await offline.goto(address + "?seed=7");
await offline.evaluate(() => navigator.serviceWorker.ready);
await offline.waitForFunction(() => navigator.serviceWorker.controller !== null, { polling: 10 });
const cdp = await offline.createCDPSession();
const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
check(installabilityErrors.length === 0, `not installable: ${JSON.stringify(installabilityErrors)}`);
await offline.setOfflineMode(true);
await offline.reload();
await answer(offline, answers);
await offline.waitForSelector("#end:not([hidden])", { timeout: 30000 });
check((await transcript(offline)) === expected, "offline, the page played another game");
await offline.evaluate(() => localStorage.setItem("quillmarrow.picturesInWords", "1"));
await offline.reload();
await offline.waitForFunction(() => document.getElementById("log").textContent.includes("Let's create"), { polling: 10 });
check((await offline.$eval("#log", (log) => log.textContent)).startsWith(
          "Quillmarrow, a  text adventure game\nFrom Vontessa\n[Picture: A castle with three flag-topped towers on a hill]\n") &&
      (await offline.$$(".picture")).length === 0,
      "with pictures in words, the castle was not told in words");

await browser.close();
server.close();

// ---- The figures ----------------------------------------------------------------------------
const siteBytes = readdirSync(site).reduce((sum, name) => sum + gzipSync(readFileSync(join(site, name)), { level: 9 }).length, 0);
console.log(`site: ${(siteBytes / 1024).toFixed(1)} KB gzipped; first line after ${firstLine.toFixed(0)} ms (median of 5 cold loads); ` +
            `Enter to text: median ${median.toFixed(1)} ms, 95th percentile ${slowest.toFixed(1)} ms over ${times.length} answers`);
check(siteBytes <= 100 * 1024, "the site is larger than 100 KB gzipped");
check(firstLine <= 500, "the first line came after more than 500 ms");
check(slowest <= 16, "an answer took more than 16 ms to show its text");

for (const failure of failures) console.error(`browser: ${failure}`);
process.exit(failures.length ? 1 : 0);
