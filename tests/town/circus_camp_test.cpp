#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kLate =
    "Its starting to get late, and you make out anything, you should come back tommorow\n";
constexpr std::string_view kWhere = "Where do you want to search for clues?";
constexpr std::string_view kConclusion = "you can come up with only one conclusion...";

// The arrival's pause and the answer to look for clues, then the searches.
std::string intoTheClues(std::string_view searches) {
  return "\nC\n" + std::string(searches);
}

// The camp's decisions, read from circus_camp.cpp: every comparison of the hour, the intellect,
// a clue flag, the cave flag or an answer with a constant, each played on both sides of its edge.
TEST(CircusCamp, DecisionsAtTheirEdges) {
  const auto clues = [](int mess, int quarters, int tents) {
    return [=](GameState& s) {
      s.MessTentSearched = mess;
      s.QuartersSearched = quarters;
      s.AnimalTentsSearched = tents;
    };
  };
  constexpr std::string_view kCaveQuestion = "Are you ready to check out the cave?";
  constexpr std::string_view kLeftovers = "That's strange, you'd think they'd have leftovers...";
  const std::string searchMess = intoTheClues("M\n\n\n");
  const std::string_view tooLate = kLate.substr(0, kLate.size() - 1);  // without its line end
  checkEdges(
      visitCircusCamp, {},
      {
          {"cave 1: only the cave", set(&GameState::CaveUnlocked, 1), "", {}, kCaveQuestion, true},
          {"cave 0: the camp", set(&GameState::CaveUnlocked, 0), "", {}, kCaveQuestion, false},
          {"N: not now", set(&GameState::CaveUnlocked, 1), "N\n", {}, "Okay", true},
          {"S: into the cave", set(&GameState::CaveUnlocked, 1), "S\n", {}, "Okay", false},
          {"L: leaves", {}, "\nL\n", {}, "Pfft, chicken.", true},
          {"C: searches", {}, "\nC\n", {}, "Pfft, chicken.", false},
          {"hour 19, 20 on arrival: too late",
           set(&GameState::ClockHour, 19),
           "\nC\n",
           {},
           tooLate,
           true},
          {"hour 18, 19 on arrival: a search",
           set(&GameState::ClockHour, 18),
           "\nC\n",
           {},
           tooLate,
           false},
          {"intellect 5: the leftovers",
           set(&GameState::PlayerIntellect, 5),
           searchMess,
           {},
           kLeftovers,
           true},
          {"intellect 4: no idea",
           set(&GameState::PlayerIntellect, 4),
           searchMess,
           {},
           kLeftovers,
           false},
          {"all three clues: the conclusion",
           clues(1, 1, 1),
           "\nC\n",
           {},
           "Looking at the clues closely, you can come up with only one conclusion...",
           true},
          {"the mess tent missing: more searching", clues(0, 1, 1), "\nC\n", {}, kWhere, true},
          {"the quarters missing: more searching", clues(1, 0, 1), "\nC\n", {}, kWhere, true},
          {"the animal tents missing: more searching", clues(1, 1, 0), "\nC\n", {}, kWhere, true},
          {"all three clues: no more searching", clues(1, 1, 1), "\nC\n", {}, kWhere, false},
      });
}

TEST(CircusCamp, TheCampAndTheCaveAsThePlayerSeesThem) {
  checkTranscripts({
      {"camp-searching-every-place-and-the-monster",
       visitCircusCamp,
       all({set(&GameState::PlayerIntellect, 5), set(&GameState::CircusStage, 1)}),
       intoTheClues("M\n\n\nQ\n\n\nT\n\n\nM\n"),
       {}},
      // An apple thrown, a miss, then six missiles; the dinosaur fumbles once.
      {"camp-the-cave-and-the-dinosaur",
       visitCircusCamp,
       [](GameState& s) {
         s.CaveUnlocked = s.CircusStage = 1;
         s.PlayerGold = 20;
         s.Apples = 1;
         s.PrimaryAbility = "Magic Missile";
         s.SecondaryAbility = "Suggestion";
       },
       "S\n\n\nA\n\n1\n1\n1\n1\n1\n1\n1\n\n\n",
       {1, 9, 11, 10, 5, 10, 15, 10, 5, 10, 15, 10, 5, 10, 20}},
  });
}

TEST(CircusCamp, ItIsTooLateFromTwentyOnBeforeAnySearchAndTheCluesStay) {
  // Hour before the trip, searches made, hour when sent home (the camp does not wrap the clock).
  for (const auto& [arrival, searches, home] : {std::tuple{18, 1, 20}, {19, 0, 20}, {24, 0, 25}}) {
    Harness h(intoTheClues("M\n\n\n"));
    h.state.ClockHour = arrival;
    EXPECT_EQ(h.play(visitCircusCamp), Ending::Returned) << arrival;
    EXPECT_TRUE(h.output().ends_with(kLate)) << arrival;
    EXPECT_EQ(h.state.MessTentSearched, searches);
    EXPECT_EQ(h.state.ClockHour, home);
  }
}

TEST(CircusCamp, EveryPlaceMustBeSearchedAndOnlyASharpMindReadsTheClues) {
  for (const auto& [intellect, plates] :
       {std::pair{4, "You can't discern anything from these clues"},
        {5, "That's strange, you'd think they'd have leftovers..."}}) {
    Harness h(intoTheClues("M\n\n\nm\n\n\nQ\n\n\nT\n\n\nB\n"));
    h.state.PlayerIntellect = intellect;
    h.state.CircusStage = 1;
    EXPECT_EQ(h.play(visitCircusCamp), Ending::Returned);
    const std::string out = h.output();
    EXPECT_EQ(occurrences(out, plates), 2) << intellect;
    EXPECT_EQ(occurrences(out, "You can clearly make out a claw print"), intellect >= 5 ? 1 : 0);
    EXPECT_EQ(occurrences(out, kConclusion), 1);
    EXPECT_NE(out.find("no animals to be found\nLooking at the clues"), std::string::npos);
    EXPECT_EQ(h.state.ClockHour, 11);
    EXPECT_EQ(h.state.CircusStage, 0);
  }
}

TEST(CircusCamp, AliensWipeTheCluesAndTheSearchQuestionFollowsOnTheSameLine) {
  Harness h(intoTheClues("A\nT\n\n\n"));
  h.state.MessTentSearched = h.state.QuartersSearched = h.state.AnimalTentsSearched = 1;
  EXPECT_EQ(h.play(visitCircusCamp), Ending::InputEnded);
  EXPECT_EQ(occurrences(h.output(), "you should go back to searching for clues" +
                                        std::string(kWhere) + "\nThe mess tent (M)"),
            1);
  EXPECT_EQ(h.state.MessTentSearched + h.state.QuartersSearched, 0);
  EXPECT_EQ(h.state.AnimalTentsSearched, 1);
}

TEST(CircusCamp, TheMonsterOpensTheCaveWhereTheDinosaurPaysAHundredGold) {
  Harness found(intoTheClues("M\n"));
  found.state.MessTentSearched = found.state.QuartersSearched = found.state.AnimalTentsSearched = 1;
  EXPECT_EQ(found.play(visitCircusCamp), Ending::Returned);
  EXPECT_TRUE(found.output().ends_with(
      "(L)\nYou continue to search around the ruined campsite, and you suddenly remember that the camp was built right by a cave! That's probably where the monster came from.\nMysterious cave unlocked! When you're ready to check it out come back here.\n"));
  EXPECT_EQ(found.state.CaveUnlocked, 1);

  Harness later("C x n\n");
  later.state.CaveUnlocked = 1;
  later.play(visitCircusCamp);
  EXPECT_EQ(later.output(),
            "You travel to the north of the town, to the camp by the cave\n"
            "Are you ready to check out the cave?\nSure (S) No (N)\nOkay\n");
  EXPECT_EQ(later.state.ClockHour, 7);

  // Six slashes for thirty hit points; the dinosaur bites after each of the first five.
  Harness cave("S\n\n\n1\n1\n1\n1\n1\n1\n\n\n", {10, 15, 10, 15, 10, 15, 10, 15, 10, 15, 10, 15});
  cave.state.CaveUnlocked = cave.state.CircusStage = 1;
  cave.state.PlayerGold = 20;
  cave.state.PrimaryAbility = "Slash";
  EXPECT_EQ(cave.play(visitCircusCamp), Ending::Returned);
  EXPECT_TRUE(cave.output().ends_with("you now have 120 gold!\n" + std::string(kPauseText)));
  EXPECT_EQ(cave.state.PlayerHealth, 30);
  EXPECT_EQ(cave.state.CircusStage, 0);
  EXPECT_EQ(cave.state.ClockHour, 8);
  cave.expectAllDrawsUsed();
}

}  // namespace
}  // namespace qm::testing
