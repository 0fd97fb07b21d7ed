// The page's update path, in Debian's Chromium, headless, from a host whose every answer may be
// cached for ten minutes (Cache-Control: max-age=600), as static hosts commonly send:
//
// - visited at build 1, then twice after build 2 is put in place, the page runs build 2 from a
//   cache of build 2's own files, the cache of build 1 is gone, and another site's cache on the
//   same origin is still there;
// - a host half way through a deploy (build 2's service worker, build 1's wasm) changes nothing:
//   the page runs build 1 from its cache as before.
//
// Build 2 is build 1 with a custom section added to the wasm and a global to the script, and its
// service worker made again by the build's own step.
//
// Usage: node update.mjs SITE_FOLDER
import { execFileSync } from "node:child_process";
import { createHash } from "node:crypto";
import { appendFileSync, cpSync, mkdtempSync, readFileSync, readdirSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { filesOf, launchChromium, serve } from "./host.mjs";

const [one] = process.argv.slice(2);
const root = fileURLToPath(new URL("../..", import.meta.url));
const failures = [];
const check = (condition, what) => {
  if (!condition) failures.push(what);
};

// ---- Build 2 and a half-deployed build 2 ------------------------------------------------------
const work = mkdtempSync(join(tmpdir(), "quillmarrow-update-"));
const kept = readdirSync(one).filter((name) => name !== "sw.js");
const two = join(work, "two");
cpSync(one, two, { recursive: true });
appendFileSync(join(two, "quillmarrow.js"), "\nglobalThis.quillmarrowBuild = 2;\n");
// A custom section (id 0) named "build" holding "2".
appendFileSync(join(two, "quillmarrow.wasm"), Buffer.concat([Buffer.from([0, 7, 5]), Buffer.from("build2")]));
execFileSync("cmake", [`-DSITE=${two}`, `-DFILES=${kept.join(";")}`, `-DTEMPLATE=${join(root, "web/sw.js.in")}`,
                       `-DOUTPUT=${join(two, "sw.js")}`, "-P", join(root, "cmake/service-worker.cmake")]);
const half = join(work, "half");
cpSync(two, half, { recursive: true });
cpSync(join(one, "quillmarrow.wasm"), join(half, "quillmarrow.wasm"));

// What a cache of a build must hold: each kept file, and the page again under "/".
const sha256 = (bytes) => createHash("sha256").update(bytes).digest("hex");
const cacheOf = (site) =>
  Object.fromEntries([["/", sha256(readFileSync(join(site, "index.html")))],
                      ...kept.map((name) => ["/" + name, sha256(readFileSync(join(site, name)))])].sort());

// ---- The host: the folder it serves now, or none (gone: every answer a 404) -------------------
let served = one;
const { server, address: host } = await serve((path) => filesOf(served)(path), { "Cache-Control": "max-age=600" });
const address = `${host}?seed=7`;
const browser = await launchChromium();

// A visit: the page loads and the game shows its title and asks its first question.
async function visit(page, what) {
  await page.goto(address);
  await page.waitForFunction(() => document.getElementById("log").textContent.startsWith(
                                 "Quillmarrow, a  text adventure game\nFrom Vontessa\n") && Module.page.isWaiting(),
                             { polling: 10, timeout: 10000 })
    .catch(() => {
      throw new Error(`${what}: the game did not start`);
    });
}

// Every cache of the origin, each as its addresses and the SHA-256 of what it holds for them.
const cachesOf = (page) =>
  page.evaluate(async () => {
    const hex = (bytes) => Array.from(new Uint8Array(bytes), (byte) => byte.toString(16).padStart(2, "0")).join("");
    const all = {};
    for (const name of await caches.keys()) {
      const cache = await caches.open(name);
      const entries = [];
      for (const request of await cache.keys()) {
        const bytes = await (await cache.match(request)).arrayBuffer();
        entries.push([new URL(request.url).pathname, hex(await crypto.subtle.digest("SHA-256", bytes))]);
      }
      all[name] = Object.fromEntries(entries.sort());
    }
    return all;
  });

// Looks for a new service worker, as a visit does, and waits until it is kept or refused.
const lookForUpdate = (page) =>
  page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    await registration.update().catch(() => {});
    for (let worker; (worker = registration.installing ?? registration.waiting ??
                                (registration.active.state === "activating" ? registration.active : null));) {
      await new Promise((resolve) => worker.addEventListener("statechange", resolve, { once: true }));
    }
  });

// Visits build 1 (kept by its service worker, beside another site's cache), puts `next` in place,
// visits again, and once more with the host gone and the browser's HTTP cache emptied. Gives the
// caches before and after, and the build the last visit ran.
async function update(next, what) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  served = one;
  await visit(page, `${what}, first visit`);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { polling: 10 });
  await page.evaluate(async () => (await caches.open("other-site")).put("/other/", new Response("its own")));
  const before = await cachesOf(page);
  served = next;
  await visit(page, `${what}, second visit`);
  await lookForUpdate(page);
  served = null;
  await (await page.createCDPSession()).send("Network.clearBrowserCache");
  await visit(page, `${what}, offline`);
  const after = await cachesOf(page);
  const build = await page.evaluate(() => globalThis.quillmarrowBuild ?? 1);
  await context.close();
  return { before, after, build };
}

// The caches as the files each holds, in an order of their own, the names left aside.
const holding = (...caches) => caches.map((files) => JSON.stringify(files)).sort().join("\n");
const otherSite = { "/other/": sha256("its own") };
const told = (all) => JSON.stringify(all).replace(/([0-9a-f]{8})[0-9a-f]{56}/g, "$1");

try {
  const updated = await update(two, "updated");
  check(holding(...Object.values(updated.before)) === holding(cacheOf(one), otherSite),
        `build 1 was kept as ${told(updated.before)}`);
  check(holding(...Object.values(updated.after)) === holding(cacheOf(two), otherSite),
        `after the update the caches held ${told(updated.after)}, not build 2's and the other site's`);
  check(updated.build === 2, `after the update the page ran build ${updated.build}`);

  const halfDeployed = await update(half, "half deployed");
  check(holding(...Object.values(halfDeployed.after)) === holding(cacheOf(one), otherSite),
        `a half-deployed build left the caches holding ${told(halfDeployed.after)}`);
  check(halfDeployed.build === 1, `with a half-deployed build the page ran build ${halfDeployed.build}`);
} catch (error) {
  failures.push(error.message);
}

await browser.close();
server.close();
rmSync(work, { recursive: true });
for (const failure of failures) console.error(`update: ${failure}`);
process.exit(failures.length ? 1 : 0);
