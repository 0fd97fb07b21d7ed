// The page side of the game, bundled into quillmarrow.js: the transcript, the input line, the
// title, the tick of the map, the end, and the kept run as a file to download or load. The game
// calls Module.page (src/platform/web/page.cpp); the player sends lines from the form. The kept
// run itself is storage.js's (Module.runs).
Module.page = (() => {
  const log = document.getElementById("log");
  const form = document.getElementById("answer");
  const line = document.getElementById("line");
  const notices = document.getElementById("notices");
  const end = document.getElementById("end");
  const typedAhead = []; // lines sent before the game asked for them
  let waiting = null; // the game's wait for the next line
  let picture = null; // the picture being drawn
  let audio = null; // made at the first key press, as browsers allow sound only then
  const runs = Module.runs;

  const notice = (text) => {
    const paragraph = document.createElement("p");
    paragraph.textContent = text;
    notices.append(paragraph);
  };

  // A text for the game, in memory it frees; 0 for none.
  const toGame = (text) => {
    if (text === null || text === undefined) return 0;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
  };

  // Pictures told in words instead of drawn, as the player chose, remembered by the browser.
  const words = document.getElementById("words");
  const wordsKey = "quillmarrow.picturesInWords";
  words.checked = Module.picturesInWords === true; // as index.html read it
  words.addEventListener("change", () => {
    try {
      localStorage.setItem(wordsKey, words.checked ? "1" : "0");
    } catch {}
  });

  // ---- The run as a file: the same text a save file holds on a desktop, so a run can move
  // between this page and a terminal (quillmarrow --save FILE) or another browser.
  document.getElementById("download-run").addEventListener("click", () => {
    let run = null;
    try {
      run = runs.get("");
    } catch (error) {
      notice(`This browser's storage cannot be read (${runs.problem(error)}): there is no run to download`);
      return;
    }
    if (run === null) {
      notice("No run is kept in this browser yet: it is kept each time your character comes back to the town");
      return;
    }
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([run], { type: "application/octet-stream" }));
    link.download = "quillmarrow.save";
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  });

  const runFile = document.getElementById("run-file");
  const confirmLoad = document.getElementById("confirm-load");
  let loading = null; // the bytes of a whole run waiting for the player's word
  document.getElementById("load-run").addEventListener("click", () => runFile.click());
  runFile.addEventListener("change", async () => {
    const file = runFile.files[0];
    runFile.value = "";
    if (!file) return;
    if (runs.heldElsewhere) {
      notice("Another tab plays the run kept in this browser: load the run there");
      return;
    }
    // Through the game's own reader, as a save file is read at the start of a game: its bytes as
    // they are, whatever encoding a name in it was typed in.
    const run = new Uint8Array(await file.slice(0, _quillmarrow_longest_run_file()).arrayBuffer());
    const copy = _malloc(run.length + 1);
    HEAPU8.set(run, copy);
    const answer = _quillmarrow_check_run(copy, run.length);
    _free(copy);
    const verdict = UTF8ToString(answer);
    _free(answer);
    if (verdict[0] === ">") {
      notice(`${file.name} was written by a newer version of Quillmarrow: it is not loaded, and the run kept here stays as it is`);
    } else if (verdict[0] !== "+") {
      notice(`${file.name} is damaged (${verdict.slice(1)}): it is not loaded, and the run kept here stays as it is`);
    } else {
      loading = run;
      document.getElementById("load-question").textContent =
        `Load ${verdict.slice(1)} from ${file.name}? The run takes the place of the one kept in this browser, and the page starts again.`;
      confirmLoad.hidden = false;
      document.getElementById("load-yes").focus();
    }
  });
  document.getElementById("load-yes").addEventListener("click", () => {
    try {
      runs.set("", loading);
    } catch (error) {
      notice(`The run cannot be kept in this browser (${runs.problem(error)}): it is not loaded`);
      confirmLoad.hidden = true;
      return;
    }
    location.reload();
  });
  document.getElementById("load-no").addEventListener("click", () => {
    loading = null;
    confirmLoad.hidden = true;
    line.focus();
  });

  form.addEventListener("submit", (event) => {
    event.preventDefault();
    const text = line.value;
    line.value = "";
    const echo = document.createElement("kbd"); // the answer, told apart from the game's text
    echo.textContent = text + "\n";
    log.append(echo);
    if (waiting) {
      const wake = waiting;
      waiting = null;
      wake(text);
    } else {
      typedAhead.push(text);
    }
  });
  document.addEventListener("keydown", () => {
    if (!audio && window.AudioContext) audio = new AudioContext();
  });
  document.addEventListener("click", (event) => {
    if (event.target.tagName !== "BUTTON" && !String(window.getSelection())) line.focus();
  });
  document.getElementById("again").addEventListener("click", () => location.reload());
  // Keeps the site for play with no network, where the browser can (a secure origin): once the
  // game first waits for the player, so that fetching the site again does not slow its start.
  let keptOffline = false;
  const keepOffline = () => {
    if (keptOffline || !navigator.serviceWorker) return;
    keptOffline = true;
    navigator.serviceWorker.register("sw.js").catch(() => {});
  };

  return {
    toGame,
    appendText(text) {
      if (text) (picture || log).append(text);
    },
    beginPicture(shows) {
      picture = document.createElement("span");
      picture.className = "picture";
      picture.setAttribute("role", "img");
      picture.setAttribute("aria-label", shows);
      log.append(picture);
    },
    endPicture() {
      picture = null;
    },
    picturesInWords() {
      return words.checked;
    },
    // Whether the game waits for the player (the tests wait for it before they type).
    isWaiting() {
      return waiting !== null;
    },
    nextLine() {
      keepOffline();
      line.scrollIntoView({ block: "end" });
      if (typedAhead.length) return Promise.resolve(typedAhead.shift());
      return new Promise((resolve) => {
        waiting = resolve;
      });
    },
    setTitle(title) {
      document.title = title;
    },
    beep() {
      if (!audio) return;
      const tone = audio.createOscillator();
      const volume = audio.createGain();
      volume.gain.value = 0.04;
      tone.frequency.value = 880;
      tone.connect(volume).connect(audio.destination);
      tone.start();
      tone.stop(audio.currentTime + 0.01);
    },
    notice,
    seedInAddress() {
      return new URLSearchParams(location.search).get("seed");
    },
    gameOver() {
      line.disabled = true;
      end.hidden = false;
      document.getElementById("again").focus();
    },
  };
})();
