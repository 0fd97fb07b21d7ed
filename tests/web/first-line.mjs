// How soon the page shows its first line: from navigation start to the first text in the log
// (#log), measured in the page by a MutationObserver set up before any of its scripts, on cold
// loads in headless Chromium (each load a browser context of its own: a fresh profile, nothing
// cached, no service worker). The sites given are loaded in turn, round after round, beside a
// static page that holds one line of text as the floor, so that a slower moment of a shared
// machine slows all of them alike; one round first warms the browser up and is not counted.
// Chromium's own omnibox pages, which each new window of Chromium 156 loads beside the page on the
// same two cores, are switched off: they are not the page's, and they spread its times widely.
//
// Usage: node first-line.mjs [--loads N] NAME=SITE_FOLDER ...   (9 loads each unless told)
// e.g.   node tests/web/first-line.mjs 1.0.0=/tmp/qm-1.0.0/build/web/site today=build/web/site
import { filesOf, launchChromium, serve } from "./host.mjs";

const args = process.argv.slice(2);
let loads = 9;
if (args[0] === "--loads") loads = Number(args.splice(0, 2)[1]);
const floor = '<!doctype html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n<title>Floor</title>\n</head>\n' +
              '<body>\n<div id="log">Quillmarrow, a  text adventure game</div>\n</body>\n</html>\n';
const sites = [["static page", null], ...args.map((arg) => [arg.slice(0, arg.indexOf("=")), arg.slice(arg.indexOf("=") + 1)])];

// Each site on a port of its own, as a static host serves it.
const hosts = await Promise.all(
  sites.map(([, folder]) => serve(folder === null ? (path) => { if (path !== "/index.html") throw path; return floor; } : filesOf(folder))));
const servers = hosts.map((host) => host.server);
const addresses = hosts.map((host) => host.address);
const browser = await launchChromium(["--disable-features=WebUIOmniboxPopup,WebUIOmniboxFullPopup,WebUIOmniboxAimPopup"]);

async function firstText(address) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((changes, observer) => {
      if (!document.getElementById("log")?.textContent) return;
      window.firstText = performance.now();
      observer.disconnect();
    }).observe(document, { childList: true, subtree: true, characterData: true });
  });
  await page.goto(address);
  await page.waitForFunction(() => window.firstText !== undefined, { polling: 1, timeout: 10000 });
  const time = await page.evaluate(() => window.firstText);
  await context.close();
  return time;
}

const times = sites.map(() => []);
for (let round = -1; round < loads; ++round) {
  for (const [at, address] of addresses.entries()) {
    const time = await firstText(address);
    if (round >= 0) times[at].push(time);
  }
}
await browser.close();
for (const server of servers) server.close();

const median = (all) => {
  const sorted = [...all].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
console.log(`first text in the log, ms from navigation start, ${loads} cold loads each, interleaved:`);
for (const [at, [name]] of sites.entries()) {
  console.log(`${name.padEnd(12)} median ${median(times[at]).toFixed(0).padStart(4)}  min ${Math.min(...times[at]).toFixed(0).padStart(4)}` +
              `  (${times[at].map((time) => time.toFixed(0)).join(" ")})`);
}
