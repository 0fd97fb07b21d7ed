#include "app/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "art/pictures.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

// The six dice of the stats, rolled at start-up before anything is printed.
const std::vector<int> kStatDice = {3, 4, 0, 1, 5, 5};

// Start-up seeds, sets the title and rolls the stats before the title screen, whose first line
// has its two blanks; the end of the input at its pause ends the game quietly with status 0.
TEST(StartUp, SeedsSetsTheTitleAndRollsTheStatsBeforeTheTitleScreen) {
  Harness h("", kStatDice);
  EXPECT_EQ(h.playWholeGame(), 0);
  EXPECT_EQ(h.random.seeds(), 1);
  EXPECT_EQ(h.platform.titles, std::vector<std::string>{"Quillmarrow"});
  EXPECT_EQ(h.random.used(), 6u);
  const std::vector<std::string> lines = h.lines();
  ASSERT_GE(lines.size(), 18u);
  EXPECT_EQ(lines[0], "Quillmarrow, a  text adventure game");
  EXPECT_EQ(lines[1], "From Vontessa");
  for (std::size_t row = 0; row < art::kCastle.size(); ++row) {
    EXPECT_EQ(lines[2 + row], art::kCastle[row]) << "castle row " << row;
  }
  EXPECT_TRUE(
      h.output().ends_with("Let's create a character!\n\n\nPress Enter to continue . . . \n"));
}

// One creation after the title screen: a chosen Man, a male name kept, the dice, no joke, a
// Knight, and the confirmation; a line per read or pause.
std::string creationInput(std::string_view joke, std::string_view confirmation) {
  return "\n"  // the title screen's pause
         "C M\nM\nR\n"
         "\n\n\n\n"
         "Roll\n" +
         std::string(joke) +
         "\n"
         "\nK\n"
         "\n" +
         std::string(confirmation) + "\n";
}

// The draws of one creation: name indices, the male first name, home place, event, age.
const std::vector<int> kCreationDraws = {0, 0, 0, 0, 0, 0, 1, 10};

std::vector<int> concatenated(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const std::vector<int>& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(WholeGame, AnAcceptedCharacterReachesTheFirstStatusReport) {
  Harness h(creationInput("I", "Y") + "\n" + "\n\n\n\n\n",
            concatenated({kStatDice, kCreationDraws}));
  EXPECT_EQ(h.playWholeGame(), 0);
  h.expectAllDrawsUsed();
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"Bob Dragon-Face is a Human Knight from Stockholm.  When he was 10 years old he left the king's army. ",
       "Are you okay with this?", "Now, your adventure begins!", "You have 40 gold",
       "You are weilding a Sharp Sword", "You are perfectly healthy", "It's dawn"}));
  EXPECT_EQ(h.random.seeds(), 1);
}

TEST(WholeGame, ARefusedCharacterStartsEverythingAgain) {
  const std::vector<int> second_stat_dice = {0, 1, 2, 2, 1, 1};
  Harness h(creationInput("H H H\n", "N") + creationInput("I", "Y"),
            concatenated({kStatDice, kCreationDraws, second_stat_dice, kCreationDraws}));
  EXPECT_EQ(h.playWholeGame(), 0);
  const std::string output = h.output();
  EXPECT_EQ(h.random.seeds(), 2);
  EXPECT_EQ(h.platform.titles, (std::vector<std::string>{"Quillmarrow", "Quillmarrow"}));
  EXPECT_EQ(occurrences(output, "Quillmarrow, a  text adventure game\nFrom Vontessa\n"), 2);
  EXPECT_EQ(occurrences(output, "Achievement get! Most Annoying Player."), 1);
  // The first stats are 9, 3 and 12 before the Human's bonus, the second 3, 6 and 4.
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You're very strong, as a dumb as a doorknob, and really buff",
       "Achievement get! Most Annoying Player.", "Sure (Y) No, I want to try again (N)",
       "Quillmarrow, a  text adventure game", "First, we're going to pick your race...",
       "You're pretty weak, you're kinda smart, and pretty brawny", "Are you okay with this?"}));
  h.expectAllDrawsUsed();
}

TEST(WholeGame, ADeathInPlayReachesTheEndScreenWithNothingOfARefusedCharacter) {
  // The second character is a weak Human (strength 2 + 1): the fruit lady's cane hurts.
  const std::vector<int> weak_stat_dice = {0, 0, 2, 2, 2, 2};
  std::string play =
      "\n\n\n\n\n\n"  // the pause after "Y" and the arrival's five
      "W 1\n"         // the vendors open at 7
      "V\n\n";
  for (int blow = 0; blow < 10; ++blow)
    play += "F\n\nB\n";
  play += "I\n\n\n\n\n";  // back to the hub, dead: the end screen's four pauses
  Harness h(creationInput("H H H\n", "N") + creationInput("I", "Y") + play,
            concatenated({kStatDice, kCreationDraws, weak_stat_dice, kCreationDraws}));
  EXPECT_EQ(h.playWholeGame(), 0);
  const std::string output = h.output();
  EXPECT_EQ(occurrences(output, "The old lady grabs her wooden cane"), 10);
  EXPECT_EQ(occurrences(output, "You got the achievement"), 0);
  EXPECT_TRUE(
      hasLinesInOrder(h.lines(), {"Achievement get! Most Annoying Player.",
                                  "Are you okay with this?", "Now, your adventure begins!",
                                  "You have 40 gold", "It's dawn", "You have died.", "Credits"}));
  EXPECT_TRUE(output.ends_with(std::string(kPauseText)));
  h.expectAllDrawsUsed();
}

std::string linesUpTo(const std::string& text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t line = 0; line < count; ++line)
    end = text.find('\n', end) + 1;
  return text.substr(0, end);
}

TEST(WholeGame, OutputIsHandedOverOnlyWhenTheGameMustWait) {
  const std::string input = creationInput("I", "Y") + "\n\n\n\n\n\nW\n3\nW 2\nL\n\nN\n\n";
  const std::vector<int> draws = concatenated({kStatDice, kCreationDraws});

  Harness piped(input, draws);  // all the answers are there from the start
  piped.playWholeGame();
  EXPECT_LE(piped.writes(), 3);

  // Typed at a terminal: each read hands over one line.
  CapturedOutput screen;
  ScriptedInput lines(input, ScriptedInput::kLineByLine);
  WatchedInput typed(lines, &screen);
  Console console(typed, screen);
  ScriptedRandom random(draws);
  RecordingPlatform platform;
  runGame(console, random, platform);
  EXPECT_EQ(screen.text(), piped.output());
  // At every wait the screen holds all the game says before it: the same game with the input
  // ending there shows nothing more, save the end of an open line.
  const std::size_t waits = typed.screenAtEachWait.size();
  EXPECT_EQ(waits, static_cast<std::size_t>(occurrences(input, "\n")) + 1);
  for (std::size_t wait = 0; wait < waits; ++wait) {
    const std::string& shown = typed.screenAtEachWait[wait];
    Harness stopped(linesUpTo(input, wait), draws);
    stopped.playWholeGame();
    const std::string all = stopped.output();
    EXPECT_TRUE(all == shown || all == shown + "\n") << "wait " << wait << " after: " << shown;
  }
}

}  // namespace
}  // namespace qm::testing
