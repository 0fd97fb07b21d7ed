// The page side of the game, bundled into quillmarrow.js: the transcript, the input line, the
// title, the tick of the map and the end. The game calls Module.page (src/platform/web/page.cpp);
// the player sends lines from the form.
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
  line.focus();

  const key = "quillmarrow.save";
  return {
    // A text for the game, in memory it frees; 0 for none.
    toGame(text) {
      if (text === null || text === undefined) return 0;
      const size = lengthBytesUTF8(text) + 1;
      const copy = _malloc(size);
      stringToUTF8(text, copy, size);
      return copy;
    },
    // The run for this page alone while it stays open, where the browser has locks.
    claimRun() {
      if (!navigator.locks) return Promise.resolve(1);
      return new Promise((resolve) => {
        navigator.locks.request(key, { ifAvailable: true }, (lock) => {
          resolve(lock ? 1 : 0);
          return lock ? new Promise(() => {}) : undefined;
        });
      });
    },
    // The kept run in localStorage: null for nothing, "+" and a text, "-" and why it failed.
    // "taken" and "aside" take the ending of a name beside the run's, which the game chooses.
    storage(action, text) {
      try {
        let read = null;
        if (action === "read") read = localStorage.getItem(key);
        if (action === "write") localStorage.setItem(key, text);
        if (action === "taken") read = localStorage.getItem(key + text) === null ? null : "";
        if (action === "aside") {
          localStorage.setItem(key + text, localStorage.getItem(key) ?? "");
          localStorage.removeItem(key);
        }
        if (action === "remove") localStorage.removeItem(key);
        return read === null ? null : "+" + read;
      } catch (error) {
        return "-" + (error && error.name ? error.name : String(error));
      }
    },
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
    // Whether the game waits for the player (the tests wait for it before they type).
    isWaiting() {
      return waiting !== null;
    },
    nextLine() {
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
    notice(text) {
      const paragraph = document.createElement("p");
      paragraph.textContent = text;
      notices.append(paragraph);
    },
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
