#!/usr/bin/env python3
"""The seeded scripted game played with --pictures-in-words differs from the same game played
without it only where a picture stands, now one line "[Picture: what it shows]", and where a
rule of dashes stands, now an empty line; every picture of the game says what it shows. The two
maps are told too: from a kept run that has the voyage and the hatch open, the boat is sailed to
the chart's corner and the player walks to the basement's, each square told with what lies beside
it.

Usage: pictures_in_words.py GAME [ARGUMENTS...], the command that starts the game.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import zlib

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


def told_maps(game, answers, save):
    played = subprocess.run(game + ["--seed", "7", "--save", save, "--pictures-in-words"],
                            input=answers.encode(), capture_output=True, timeout=60).stdout
    return [line for line in played.decode().split("\n") if "map," in line]


CHART = "[Picture: The nautical map, ten rows of ten squares, north at the top and west at the left; "
BASEMENT = "[Picture: The basement's map, four rows of five rooms; "


def maps(game):
    work = tempfile.mkdtemp()
    try:
        with open(os.path.join(HERE, "short_game.txt"), encoding="utf-8") as f:
            to_the_hub = "\n".join(f.read().split("\n")[:21]) + "\n"
        save = os.path.join(work, "save")
        subprocess.run(game + ["--seed", "7", "--save", save], input=to_the_hub.encode(),
                       capture_output=True, check=True, timeout=60)
        with open(save, "rb") as f:
            kept = f.read()
        body = kept[: kept.rfind(b"Checksum=")].replace(b"\nOldManStage=0\n", b"\nOldManStage=1\n")
        body = body.replace(b"\nHatchStage=1\n", b"\nHatchStage=0\n")
        opened = body + b"Checksum=%08x\n" % zlib.crc32(body)

        def play(answers):
            with open(save, "wb") as f:
                f.write(opened)
            return told_maps(game, answers, save)

        chart = play("C\nM\n\n\n\n" + "W\n" * 7 + "N\nN\nE\nE\n")
        expected = [
            "the third row from the top, the eighth square from the left; the dock to the north; "
            "water to the south, to the west and to the east]",
            # The row above is drawn one square short before the pier: its shore stands here.
            "the third row from the top, the fifth square from the left; the shore to the north; "
            "water to the south, to the west and to the east]",
            "the third row from the top, the first square from the left; water to the north, to "
            "the south and to the east; the edge to the west]",
            "the top row, the first square from the left; the edge to the north and to the west; "
            "water to the south and to the east]",
            "the top row, the third square from the left; the edge to the north; water to the "
            "south and to the west; the shore to the east]",
        ]
        for words in expected:
            if CHART + "your boat is in " + words not in chart:
                return f"the chart was not told as {words!r}: {chart}"
        basement = play("C\nH\n\n\n\nG\nE\n\n\n\n\n\nE\n")
        expected = [
            "the top row, the third room from the left; the edge above; rooms below, to the left "
            "and to the right]",
            "the top row, the first room from the left; the edge above and to the left; rooms "
            "below and to the right]",
        ]
        for words in expected:
            if BASEMENT + "you are in " + words not in basement:
                return f"the basement's map was not told as {words!r}: {basement}"
        return None
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    failure = main(sys.argv[1:]) or maps(sys.argv[1:])
    if failure:
        print(f"pictures_in_words: {failure}", file=sys.stderr)
    sys.exit(1 if failure else 0)
