#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kLate =
    "Its starting to get late, and you make out anything, you should come back tommorow";
constexpr std::string_view kWhere = "Where do you want to search for clues?";
constexpr std::string_view kConclusion =
    "Looking at the clues closely, you can come up with only one conclusion...";

// Past the arrival's pause, into the clue loop.
std::string intoTheClues(std::string_view searches) {
  return "\nC\n" + std::string(searches);
}

TEST(CircusCamp, TheDayEndsAtTwentyBeforeAnySearchAndTheCluesStay) {
  struct Case {
    int arrival, searches;
  };
  for (const Case& c : {Case{18, 1}, Case{19, 0}}) {
    Harness h(intoTheClues("M\n\n\n"));
    h.state.ClockHour = c.arrival;
    EXPECT_EQ(h.play(visitCircusCamp), Ending::Returned) << c.arrival;
    EXPECT_EQ(occurrences(h.output(), kWhere), c.searches) << c.arrival;
    EXPECT_TRUE(h.output().ends_with(std::string(kLate) + "\n")) << c.arrival;
    EXPECT_EQ(h.state.MessTentSearched, c.searches);
    EXPECT_EQ(h.state.ClockHour, 20);
  }
  // The clock is not wrapped at the camp: past midnight it is still late.
  Harness midnight(intoTheClues(""));
  midnight.state.ClockHour = 24;
  midnight.play(visitCircusCamp);
  EXPECT_TRUE(midnight.output().ends_with(std::string(kLate) + "\n"));
}

TEST(CircusCamp, EveryPlaceMustBeSearchedAndTheSharpMindReadsTheClues) {
  struct Case {
    int intellect;
    std::string_view plates, footprint;
  };
  for (const Case& c :
       {Case{4, "You can't discern anything from these clues",
             "Uh oh, you're not sure what to think, but you've got a bad feeling about it"},
        Case{5, "That's strange, you'd think they'd have leftovers...",
             "You can clearly make out a claw print, we have a big problem on our hands..."}}) {
    Harness h(intoTheClues("M\n\n\nm\n\n\nQ\n\n\nT\n\n\nB\n"));
    h.state.CircusStage = 1;
    h.state.PlayerIntellect = c.intellect;
    EXPECT_EQ(h.play(visitCircusCamp), Ending::Returned);
    const std::string out = h.output();
    EXPECT_EQ(occurrences(out, c.plates), 2) << c.intellect;
    EXPECT_EQ(occurrences(out, kWhere), 4);
    EXPECT_TRUE(hasLinesInOrder(
        h.lines(),
        {c.footprint,
         "The canvas of the tents is ripped to shreds, and there are no animals to be found",
         kConclusion,
         "If that's true, they've probably moved onto the next town now. Oh well, I guess there's nothing we can do now..."}));
    EXPECT_EQ(occurrences(out, kConclusion), 1);
    EXPECT_EQ(h.state.ClockHour, 11);
    EXPECT_EQ(h.state.CircusStage, 0);
  }
}

TEST(CircusCamp, AliensWipeTheCluesAndTheSearchQuestionFollowsOnTheSameLine) {
  Harness h(intoTheClues("A\nT\n\n\n"));
  h.state.MessTentSearched = 1;
  h.state.QuartersSearched = 1;
  h.state.AnimalTentsSearched = 1;
  EXPECT_EQ(h.play(visitCircusCamp), Ending::InputEnded);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(), {std::string(kConclusion),
                  "This just doesn't feel right, you should go back to searching for clues" +
                      std::string(kWhere)}));
  EXPECT_EQ(h.state.MessTentSearched, 0);
  EXPECT_EQ(h.state.QuartersSearched, 0);
  EXPECT_EQ(h.state.AnimalTentsSearched, 1);
  EXPECT_TRUE(h.output().ends_with(
      std::string(kWhere) + "\nThe mess tent (M) The crew's quarters (Q) The animal tents (T)\n"));
}

TEST(CircusCamp, TheMonsterOpensTheCaveWhereTheDinosaurPaysAHundredGold) {
  Harness found(intoTheClues("M\n"));
  found.state.CircusStage = 1;
  found.state.MessTentSearched = found.state.QuartersSearched = 1;
  found.state.AnimalTentsSearched = 1;
  EXPECT_EQ(found.play(visitCircusCamp), Ending::Returned);
  EXPECT_TRUE(found.output().ends_with(
      "I'm going to keep looking for clues (C) I'll come back to this later (L)\n"
      "You continue to search around the ruined campsite, and you suddenly remember that the camp was built right by a cave! That's probably where the monster came from.\n"
      "Mysterious cave unlocked! When you're ready to check it out come back here.\n"));
  EXPECT_EQ(found.state.CaveUnlocked, 1);
  EXPECT_EQ(found.state.CircusStage, 1);

  Harness later("C x n\n");
  later.state.CaveUnlocked = 1;
  EXPECT_EQ(later.play(visitCircusCamp), Ending::Returned);
  EXPECT_EQ(later.output(),
            "You travel to the north of the town, to the camp by the cave\n"
            "Are you ready to check out the cave?\nSure (S) No (N)\nOkay\n");
  EXPECT_EQ(later.state.ClockHour, 7);

  // Six hits for thirty hit points; the dinosaur bites after each of the first five.
  Harness cave("S\n\n\n1\n1\n1\n1\n1\n1\n\n\n", {10, 15, 10, 15, 10, 15, 10, 15, 10, 15, 10, 15});
  cave.state.CaveUnlocked = cave.state.CircusStage = 1;
  cave.state.PlayerGold = 20;
  cave.state.PrimaryAbility = "Slash";
  cave.state.SecondaryAbility = "Bash";
  EXPECT_EQ(cave.play(visitCircusCamp), Ending::Returned);
  EXPECT_TRUE(hasLinesInOrder(
      cave.lines(),
      {"You cut him in half like cheddar cheese!", "You've defeated him! Or her?....",
       "The circus people cheer!", "He hands you a big bag of gold, you now have 120 gold!"}));
  EXPECT_EQ(cave.state.PlayerGold, 120);
  EXPECT_EQ(cave.state.PlayerHealth, 30);
  EXPECT_EQ(cave.state.CircusStage, 0);
  EXPECT_EQ(cave.state.ClockHour, 8);
  cave.expectAllDrawsUsed();
}

}  // namespace
}  // namespace qm::testing
