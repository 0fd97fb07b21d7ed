// What the browser tests share: a static host on 127.0.0.1, as any static host serves a site, and
// Debian's Chromium, headless, with nothing of its own going to the network.
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join } from "node:path";
import puppeteer from "puppeteer-core";

const types = { ".html": "text/html", ".css": "text/css", ".js": "text/javascript", ".wasm": "application/wasm",
                ".webmanifest": "application/manifest+json", ".svg": "image/svg+xml", ".png": "image/png" };

// The files of `folder`, by the path asked for.
export const filesOf = (folder) => (path) => readFileSync(join(folder, path.slice(1)));

// Serves what `bodyOf(path)` gives ("/" is "/index.html"; a throw is a 404), each answer with
// `headers` too. The server and its address.
export async function serve(bodyOf, headers = {}) {
  const server = createServer((request, response) => {
    const path = new URL(request.url, "http://localhost").pathname.replace(/^\/$/, "/index.html");
    try {
      const body = bodyOf(path);
      response.writeHead(200, { "Content-Type": types[extname(path)] ?? "application/octet-stream", ...headers });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { server, address: `http://127.0.0.1:${server.address().port}/` };
}

export const launchChromium = (extraArgs = []) =>
  puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync", ...extraArgs],
  });
