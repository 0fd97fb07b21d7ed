// The page's storage tests (tests/platform/web/page_storage_test.cpp, built by the web-tests
// preset into a page of their own), run in Debian's Chromium, headless, served from 127.0.0.1 so
// that the page has localStorage and locks as the game's page has them. Prints GoogleTest's
// report and fails when a test fails, the program does not finish, or an error reaches the page.
//
// Usage: node storage.mjs TESTS_FOLDER
import { filesOf, launchChromium, serve } from "./host.mjs";

const [folder] = process.argv.slice(2);
const { server, address } = await serve(filesOf(folder));
const browser = await launchChromium();
const errors = [];
let status = null;
try {
  const page = await (await browser.createBrowserContext()).newPage();
  page.on("console", (message) => console.log(message.text()));
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(address);
  await page.waitForFunction(() => window.testsEnded !== undefined, { polling: 50, timeout: 120000 });
  status = await page.evaluate(() => window.testsEnded);
} catch (error) {
  errors.push(String(error));
} finally {
  await browser.close();
  server.close();
}
for (const error of errors) console.error(`storage tests: ${error}`);
if (status !== 0) console.error(`storage tests: ${status === null ? "they did not finish" : "a test failed"}`);
process.exit(status === 0 && errors.length === 0 ? 0 : 1);
