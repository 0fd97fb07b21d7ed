// The kept runs in the browser's localStorage, for the game (PageStorage in
// src/platform/web/page.cpp) and the page's buttons (bridge.js); bundled into quillmarrow.js, and
// into the storage's tests. The run is kept under one key, the damaged runs set aside beside it
// under that key and an ending; the game names an item by its ending, "" for the run.
//
// A run is bytes, localStorage keeps text. Bytes that read as UTF-8 are kept as that text, as the
// pages of 1.1.0 kept them, so a run kept by either is read by both; any others (a name typed at a
// terminal in another encoding) are kept one character per byte behind a NUL, which no run of
// 1.1.0 starts with, nor any text kept the first way.
Module.runs = (() => {
  const key = "quillmarrow.save";
  const asBytes = "\0";
  let letGo = null; // ends this page's hold of the run

  const textOf = (bytes) => {
    try {
      const text = new TextDecoder("utf-8", { fatal: true, ignoreBOM: true }).decode(bytes);
      if (!text.startsWith(asBytes)) return text;
    } catch {}
    let text = asBytes;
    for (let at = 0; at < bytes.length; at += 4096) {
      text += String.fromCharCode(...bytes.subarray(at, at + 4096));
    }
    return text;
  };
  const bytesOf = (text) =>
    text.startsWith(asBytes)
      ? Uint8Array.from(text.slice(1), (character) => character.charCodeAt(0))
      : new TextEncoder().encode(text);

  // Why the storage failed, for the player, as the terminal's storage words a system's reasons.
  const problem = (error) => {
    const name = error && error.name;
    if (name === "QuotaExceededError") return "the storage is full";
    if (name === "SecurityError") return "the browser lets this page keep nothing";
    return `the browser reports ${name || String(error)}`;
  };

  // An answer for the game in memory it frees, its length at `lengthAt`: 0 for none, otherwise
  // `mark` ("+" for what was found, "-" for why it failed) and the bytes.
  const toGame = (mark, bytes, lengthAt) => {
    const answer = _malloc(bytes.length + 1);
    HEAPU8[answer] = mark.charCodeAt(0);
    HEAPU8.set(bytes, answer + 1);
    HEAP32[lengthAt >> 2] = bytes.length + 1;
    return answer;
  };
  const failed = (error, lengthAt) =>
    toGame("-", new TextEncoder().encode(problem(error)), lengthAt);

  const runs = {
    key,
    problem,
    heldElsewhere: false, // whether another page holds the run this page's game asked for

    // Takes the run for this page alone until release(), where the browser has locks (without,
    // one page at a time is left to the player): true once taken, false when another page holds
    // it. A reloaded page may find the page it replaces still letting go of the run, so it waits
    // a moment before it takes the run for another page's.
    // The same, at once where no wait is needed: no locks, or the page's first ask (index.html)
    // already granted. False where only claim() can tell.
    claimAtOnce() {
      if (!navigator.locks) return true;
      if (!Module.earlyClaim || !Module.letGoEarly) return false;
      Module.earlyClaim = null;
      letGo = Module.letGoEarly;
      return true;
    },
    async claim() {
      if (!navigator.locks) return true;
      // The page's own first ask (index.html), made while the program was still on its way.
      const early = Module.earlyClaim;
      Module.earlyClaim = null;
      if (early && (await early)) {
        letGo = Module.letGoEarly;
        return true;
      }
      return new Promise((resolve, reject) => {
        const hold = () => {
          resolve(true);
          return new Promise((done) => (letGo = done));
        };
        navigator.locks
          .request(key, { ifAvailable: true }, (lock) => {
            if (lock) return hold();
            navigator.locks
              .request(key, { signal: AbortSignal.timeout(1500) }, hold)
              .catch((error) => {
                if (!["TimeoutError", "AbortError"].includes(error.name)) return reject(error);
                runs.heldElsewhere = true;
                resolve(false);
              });
            return undefined;
          })
          .catch(reject);
      });
    },
    release() {
      if (letGo) letGo();
      letGo = null;
    },
    // The bytes kept under the key and `ending`, null for none.
    get(ending) {
      const text = localStorage.getItem(key + ending);
      return text === null ? null : bytesOf(text);
    },
    set(ending, bytes) {
      localStorage.setItem(key + ending, textOf(bytes));
    },
    remove(ending) {
      localStorage.removeItem(key + ending);
    },
    // Moves the run to the key and `ending`.
    aside(ending) {
      localStorage.setItem(key + ending, localStorage.getItem(key) ?? "");
      localStorage.removeItem(key);
    },
    // The endings of the run and of all kept beside it, one a line.
    endings() {
      const names = Object.keys(localStorage).filter((name) => name.startsWith(key));
      return new TextEncoder().encode(names.map((name) => name.slice(key.length)).join("\n"));
    },

    // The game's calls (page.cpp): each answers as toGame() says, "+" and the bytes when there
    // are some, "-" and the problem when the browser throws an error.
    async claimForTheGame(lengthAt) {
      try {
        return (await runs.claim()) ? 0 : toGame("+", [], lengthAt);
      } catch (error) {
        return failed(error, lengthAt);
      }
    },
    call(action, ending, pointer, length, lengthAt) {
      try {
        const found = runs[action](ending, HEAPU8.slice(pointer, pointer + length));
        return found ? toGame("+", found, lengthAt) : 0;
      } catch (error) {
        return failed(error, lengthAt);
      }
    },
  };
  return runs;
})();
