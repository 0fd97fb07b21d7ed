#!/usr/bin/env python3
"""The seeded scripted game played with --pictures-in-words differs from the same game played
without it only where a picture stands, now one line "[Picture: what it shows]", and where a
rule of dashes stands, now an empty line; every picture of the game says what it shows.

Usage: pictures_in_words.py GAME [ARGUMENTS...], the command that starts the game.
"""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def play(game, *options):
    with open(os.path.join(HERE, "short_game.txt"), "rb") as answers:
        return subprocess.run(game + ["--seed", "7", *options], stdin=answers, check=True,
                              capture_output=True).stdout.decode().split("\n")


def main(game):
    drawn, words = play(game), play(game, "--pictures-in-words")
    pictures = []
    i = j = 0
    while i < len(words):
        if words[i].startswith("[Picture: ") and words[i].endswith("]"):
            pictures.append(words[i])
            i += 1
            start = j
            while j < len(drawn) and drawn[j] != words[i]:
                j += 1
            if j == start:
                return f"{words[i - 1]} stands where no picture was drawn"
        elif words[i] == drawn[j] or (words[i] == "" and drawn[j] == "-" * 78):
            i, j = i + 1, j + 1
        else:
            return f"line {i + 1} reads {words[i]!r} in words and {drawn[j]!r} drawn"
    if j != len(drawn):
        return "the game in words ended early"
    if any(line == "-" * 78 for line in words) or len(pictures) < 5:
        return f"a rule was left, or only {len(pictures)} pictures were told: {pictures}"
    if any(picture == "[Picture: ]" for picture in pictures):
        return "a picture says nothing"
    return None


if __name__ == "__main__":
    failure = main(sys.argv[1:])
    if failure:
        print(f"pictures_in_words: {failure}", file=sys.stderr)
    sys.exit(1 if failure else 0)
