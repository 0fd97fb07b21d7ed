#!/usr/bin/env python3
"""The run kept between sessions, through the real program:

- killed with SIGKILL at random moments, over and over, a session always leaves a save that
  loads and holds one of the states the session passed through;
- a second game on the same save neither resumes nor keeps it, also where the lock file cannot
  be written;
- a save that cannot be kept (a missing or read-only folder, a lock file that cannot be opened, a
  folder whose renames cannot be made lasting) is told once and truly, and the game plays on;
- a save whose version digit flipped is set aside as damaged;
- a run that cannot be removed at the player's death is told;
- a save named by a FIFO or a folder is told once and left alone;
- a game piped without --save never reads or writes a save;
- a game started with its output or error stream closed writes nothing into the lock file;
- no escape sequence in a name reaches the terminal, typed or carried by a sealed save.

Usage: kept_run.py GAME [ARGUMENTS...], the command that starts the game.
"""

import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def answers_to_the_hub():
    """The answers of the scripted game up to its first hub menu: the creation and the arrival."""
    with open(os.path.join(HERE, "short_game.txt"), encoding="utf-8") as f:
        lines = f.read().split("\n")
    return "\n".join(lines[:21]) + "\n"


def run(game, save, text, **extra):
    return subprocess.run(game + ["--seed", "7", "--save", save], input=text.encode(),
                          capture_output=True, timeout=60, **extra)


def as_nobody(work, *owned):
    """Where the tests run as root, who writes anywhere, the arguments that play as nobody, and
    the paths `owned` given to nobody."""
    if os.geteuid() != 0:
        return {}
    os.chmod(work, 0o755)
    for path in owned:
        os.chown(path, 65534, 65534)
    return {"preexec_fn": lambda: os.setuid(65534)}


def loads(text):
    """Whether a save reads as whole: its header and its checksum, as the game checks them."""
    lines = text.split(b"\n")
    if not text.endswith(b"\n") or lines[0] != b"Quillmarrow save 1":
        return False
    body, last = text[: text.rfind(b"Checksum=")], lines[-2]
    return last == b"Checksum=%08x" % zlib.crc32(body)


def crash_consistency(game, work):
    """Sessions of waits of an hour, each pass of the hub a new state, killed at random."""
    save = os.path.join(work, "crash", "save")
    os.makedirs(os.path.dirname(save))
    to_the_hub = answers_to_the_hub()
    # Every state the session can pass through: the clock cycles through the day.
    passed = set()
    slowest = 0.0
    for passes in range(30):
        if os.path.exists(save):
            os.remove(save)
        started = time.monotonic()
        run(game, save, to_the_hub + "W\n1\n" * passes)
        slowest = max(slowest, time.monotonic() - started)
        with open(save, "rb") as f:
            passed.add(f.read())
    os.remove(save)
    kills = 0
    generator = random.Random(20261208)
    for _ in range(120):
        resumed = os.path.exists(save)
        text = ("C\n" if resumed else to_the_hub) + "W\n1\n" * 60
        game_process = subprocess.Popen(game + ["--seed", "7", "--save", save],
                                        stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        game_process.stdin.write(text.encode())
        game_process.stdin.flush()
        # Within the time a whole session takes here (longer for a build with sanitizers on a
        # busy machine), so that some sessions reach the town and keep a run before the kill.
        time.sleep(generator.uniform(0, max(0.04, slowest)))
        game_process.send_signal(signal.SIGKILL)
        game_process.wait()
        game_process.stdin.close()
        errors = game_process.stderr.read()
        game_process.stderr.close()
        kills += game_process.returncode == -signal.SIGKILL
        check(not errors, f"a session said {errors!r}")
        if os.path.exists(save):
            with open(save, "rb") as f:
                kept = f.read()
            check(loads(kept) and kept in passed, f"after a kill the save holds {kept[:80]!r}...")
        leftovers = sorted(set(os.listdir(os.path.dirname(save))) - {"save", "save.lock"})
        check(not any(name.endswith(".damaged") for name in leftovers),
              f"a save was set aside: {leftovers}")
    check(kills >= 100, f"only {kills} sessions were killed mid-play")
    check(os.path.exists(save), "no session ever kept a run")
    # The last kept run loads in the game itself.
    resumed = run(game, save, "C\n")
    check(b"is still in Sandpoint." in resumed.stdout and not resumed.stderr,
          f"the last kept run does not load: {resumed.stderr!r}")


def second_game_left_out(game, save, **extra):
    """A second game started while the first plays the run neither resumes nor keeps it."""
    with open(save, "rb") as f:
        before = f.read()
    first = subprocess.Popen(game + ["--save", save], stdin=subprocess.PIPE,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, **extra)
    first.stdin.write(b"C\n")
    first.stdin.flush()
    time.sleep(0.3)  # the first game holds the run now, waiting at the hub
    second = run(game, save, answers_to_the_hub() + "W\n5\n", **extra)
    first.stdin.close()
    first.wait(30)
    first.stderr.close()
    check(second.returncode == 0, "the second game failed")
    check(second.stderr.count(b"\n") == 1 and b"being played in another game" in second.stderr,
          f"the second game said {second.stderr!r}")
    check(b"is still in Sandpoint" not in second.stdout, "the second game offered the run")
    with open(save, "rb") as f:
        check(f.read() == before, "the second game wrote over the run")


def two_games_at_once(game, work):
    save = os.path.join(work, "two", "save")
    os.makedirs(os.path.dirname(save))
    run(game, save, answers_to_the_hub())
    second_game_left_out(game, save)


def read_only_lock_file(game, work):
    """A lock file that cannot be written (left by a game run as another user, say) still
    locks: the game opens it for reading only."""
    folder = os.path.join(work, "read-only-lock")
    os.makedirs(folder)
    save = os.path.join(folder, "save")
    run(game, save, answers_to_the_hub())
    os.chmod(save + ".lock", 0o444)
    second_game_left_out(game, save, **as_nobody(work, folder, save))


def removal_that_fails(game, work):
    """A run that cannot be removed at the character's death is told in one line, and the game
    ends all the same."""
    folder = os.path.join(work, "stuck")
    os.makedirs(folder)
    save = os.path.join(folder, "save")
    with open(os.path.join(HERE, "short_game.txt"), encoding="utf-8") as f:
        rest = f.read()[len(answers_to_the_hub()):]
    game_process = subprocess.Popen(game + ["--seed", "7", "--save", save],
                                    stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                    stderr=subprocess.PIPE, **as_nobody(work, folder))
    game_process.stdin.write(answers_to_the_hub().encode())
    game_process.stdin.flush()
    for _ in range(300):  # the run is kept at the town menu
        if os.path.exists(save):
            break
        time.sleep(0.01)
    os.chmod(folder, 0o555)
    played, told = game_process.communicate(rest.encode(), timeout=60)
    check(game_process.returncode == 0 and b"Thank you for playing Quillmarrow!" in played,
          "the game did not end after its run could not be removed")
    check(told.count(b"\n") == 1 and b"cannot remove the run in " + save.encode() in told,
          f"a run that could not be removed was told as {told!r}")
    check(os.path.exists(save), "the run was removed from a folder that cannot be written")


def unusable_paths(game, work):
    """A save that cannot be kept (its folder read-only or missing, its lock file unreadable, its
    folder unreadable so a rename cannot be made lasting) is told in one true line, and the game
    plays on. Where no lock can be made, that line comes before the first question."""
    read_only = os.path.join(work, "read-only")
    os.makedirs(read_only)
    os.chmod(read_only, 0o555)
    locked_out = os.path.join(work, "locked-out")
    os.makedirs(locked_out)
    open(os.path.join(locked_out, "save.lock"), "w").close()
    os.chmod(os.path.join(locked_out, "save.lock"), 0)
    unreadable = os.path.join(work, "unreadable")
    os.makedirs(unreadable)
    os.chmod(unreadable, 0o300)
    cases = [(os.path.join(read_only, "save"), b"cannot take the run in", b"(Permission denied)"),
             (os.path.join(work, "no", "such", "save"), b"cannot take the run in",
              b"(No such file or directory)"),
             (os.path.join(locked_out, "save"), b"cannot take the run in", b"(Permission denied)"),
             (os.path.join(unreadable, "save"), b"cannot keep the run in",
              b"(Permission denied): the game plays on, and no run is kept there")]
    for save, told, why in cases:
        played = subprocess.run(game + ["--seed", "7", "--save", save],
                                input=(answers_to_the_hub() + "W\n1\nW\n1\n").encode(),
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60,
                                **as_nobody(work, unreadable))
        line = played.stdout[: played.stdout.find(b"\n", played.stdout.find(told)) + 1]
        check(played.returncode == 0 and played.stdout.count(told) == 1 and why in line,
              f"{save} was told as {line[-200:]!r}")
        check(b"another game" not in played.stdout, f"{save} was taken for one in another game")
        if told.startswith(b"cannot take"):
            check(played.stdout.find(told) < played.stdout.find(b"First, we're going to pick"),
                  f"{save} was told only after the first question")
        check(played.stdout.count(b"Lets wait around a bit. (W)") == 3, "the game did not play on")


def flipped_version_digit(game, work):
    """A save whose version digit flipped fails its checksum: it is set aside as damaged and a
    new game is kept, rather than taken for a newer version's and left for ever."""
    folder = os.path.join(work, "damaged")
    os.makedirs(folder)
    save = os.path.join(folder, "save")
    run(game, save, answers_to_the_hub())
    with open(save, "rb") as f:
        flipped = f.read().replace(b"Quillmarrow save 1", b"Quillmarrow save 3", 1)
    with open(save, "wb") as f:
        f.write(flipped)
    played = run(game, save, answers_to_the_hub())
    check(b"is damaged (its checksum does not match" in played.stderr,
          f"a save whose version digit flipped was told as {played.stderr!r}")
    check(open(save + ".damaged", "rb").read() == flipped and loads(open(save, "rb").read()),
          "the flipped save was not set aside, or the new game not kept")


def not_a_file(game, work):
    """A save named by something that is not a file (a FIFO, a folder) is told once and left
    alone, and the game plays on without keeping the run: it neither waits nor writes."""
    folder = os.path.join(work, "not-a-file")
    os.makedirs(os.path.join(folder, "folder"))
    os.mkfifo(os.path.join(folder, "fifo"))
    for name in ("fifo", "folder"):
        save = os.path.join(folder, name)
        try:
            played = run(game, save, answers_to_the_hub())
        except subprocess.TimeoutExpired:
            check(False, f"a {name} named as the save made the game wait")
            continue
        told = played.stderr
        check(played.returncode == 0 and b"(not a file)" in told and told.count(b"\n") == 1,
              f"a {name} as the save was told as {told!r}")
        check(b"Lets wait around a bit. (W)" in played.stdout, f"with a {name}, the game stopped")
    check(sorted(os.listdir(folder)) == ["fifo", "fifo.lock", "folder", "folder.lock"],
          f"a save that is not a file was replaced: {sorted(os.listdir(folder))}")


def piped_without_save(game, work):
    home = os.path.join(work, "home")
    os.makedirs(home)
    environment = dict(os.environ, HOME=home, XDG_STATE_HOME=os.path.join(home, "state"))
    subprocess.run(game + ["--seed", "7"], input=answers_to_the_hub().encode(), env=environment,
                   capture_output=True, timeout=60)
    check(os.listdir(home) == [], "a piped game without --save made files")


def closed_standard_streams(game, work):
    """A game started with a standard stream closed keeps its lock file out of that stream's
    place: its screen and its messages never go into the lock file."""
    folder = os.path.join(work, "closed")
    os.makedirs(folder)
    save = os.path.join(folder, "save")
    lock = save + ".lock"

    def started_without(stream):
        return run(game, save, answers_to_the_hub(), preexec_fn=lambda: os.close(stream))

    played = started_without(1)
    check(played.returncode == 1 and b"cannot write the output" in played.stderr,
          f"a game without its output ended with {played.returncode}: {played.stderr!r}")
    check(os.path.getsize(lock) == 0, "the game's screen was written into the lock file")

    # A damaged save is told on standard error, which is closed here.
    with open(save, "wb") as f:
        f.write(b"not a save\n")
    played = started_without(2)
    check(played.returncode == 0, f"a game without its error stream ended with {played.returncode}")
    check(os.path.getsize(lock) == 0, "a message was written into the lock file")


def escape_sequences(game, work):
    """A name holding escape sequences (a new window title, a colour) is refused when typed and
    asked for again, and a save that carries one, sealed with its checksum, is damaged: no byte
    of it reaches the terminal."""
    folder = os.path.join(work, "escapes")
    os.makedirs(folder)
    save = os.path.join(folder, "save")
    evil = b"Evil\x1b]0;PWNED\x07\x1b[31mRed"
    to_the_hub = answers_to_the_hub().encode().replace(b"\nR\n", b"\nW\n" + evil + b"\nGood\n", 1)
    played = subprocess.run(game + ["--seed", "7", "--save", save], input=to_the_hub,
                            capture_output=True, timeout=60)
    check(played.stdout.count(b"Okay, your name is; ") == 2 and
          b"Your name is Good and" in played.stdout, "a typed escape sequence was taken as a name")
    with open(save, "rb") as f:
        kept = f.read()
    body = kept[: kept.rfind(b"Checksum=")].replace(
        b"PlayerName=Good\n", b"PlayerName=" + evil.replace(b"\x1b", b"\\x1b").replace(
            b"\x07", b"\\x07") + b"\n")
    with open(save, "wb") as f:
        f.write(body + b"Checksum=%08x\n" % zlib.crc32(body))
    resumed = run(game, save, "C\n")
    check(b"is damaged (its character is not one the game can make)" in resumed.stderr,
          f"a save carrying escape sequences was told as {resumed.stderr!r}")
    for stream in (played.stdout, played.stderr, resumed.stdout, resumed.stderr):
        check(b"\x1b" not in stream and b"\x07" not in stream, "an escape reached the terminal")


def main(game):
    work = tempfile.mkdtemp()
    try:
        for part in (crash_consistency, two_games_at_once, read_only_lock_file,
                     removal_that_fails, unusable_paths, flipped_version_digit, not_a_file,
                     piped_without_save, closed_standard_streams, escape_sequences):
            part(game, work)
    finally:
        for folder, _, _ in os.walk(work):
            os.chmod(folder, 0o755)
        shutil.rmtree(work)
    for failure in failures:
        print(f"kept_run: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
