#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/quest_stages.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kWhere = "Where do you want to search for clues?";

// The arrival's pause and the answer to look for clues, then the searches.
std::string intoTheClues(std::string_view searches) {
  return "\nC\n" + std::string(searches);
}

// The visit and the status report after it.
void visitAndReport(Context& context) {
  visitCircusCamp(context);
  printStatusReport(context.console, context.state);
}

// The camp's thresholds, read from circus_camp.cpp: every comparison of the hour or the intellect
// with a constant, each played on both sides of its edge, and each clue's flag, any of them
// missing. The cave's flag and the answers are compared for equality: the transcripts play each
// of their branches.
TEST(CircusCamp, DecisionsAtTheirEdges) {
  constexpr std::string_view kTooLate =
      "Its starting to get late, and you make out anything, you should come back tommorow";
  constexpr std::string_view kLeftovers = "That's strange, you'd think they'd have leftovers...";
  constexpr std::string_view kConclusion =
      "Looking at the clues closely, you can come up with only one conclusion...";
  const auto clues = [](int mess, int quarters, int tents) {
    return all({set(&GameState::MessTentSearched, mess),
                set(&GameState::QuartersSearched, quarters),
                set(&GameState::AnimalTentsSearched, tents)});
  };
  const auto hour = [](int h) { return set(&GameState::ClockHour, h); };
  const auto intellect = [](int i) { return set(&GameState::PlayerIntellect, i); };
  const std::string search = intoTheClues("");
  const std::string mess = intoTheClues("M\n\n\n");
  checkEdges(
      visitCircusCamp, {},
      {
          {"hour 19, 20 on arrival: too late", hour(19), search, {}, kTooLate, true},
          {"hour 18, 19 on arrival: a search", hour(18), search, {}, kTooLate, false},
          {"intellect 5: the leftovers", intellect(5), mess, {}, kLeftovers, true},
          {"intellect 4: no idea", intellect(4), mess, {}, kLeftovers, false},
          {"all three clues: the conclusion", clues(1, 1, 1), search, {}, kConclusion, true},
          {"the mess tent missing: more searching", clues(0, 1, 1), search, {}, kWhere, true},
          {"the quarters missing: more searching", clues(1, 0, 1), search, {}, kWhere, true},
          {"the tents missing: more searching", clues(1, 1, 0), search, {}, kWhere, true},
          {"all three clues: no more searching", clues(1, 1, 1), search, {}, kWhere, false},
      });
}

TEST(CircusCamp, TheCampAndTheCaveAsThePlayerSeesThem) {
  const Prepare job = set(&GameState::CircusStage, kCircusJobTaken);
  const Prepare cave = set(&GameState::CaveUnlocked, 1);
  const auto intellect = [&](int i) { return all({job, set(&GameState::PlayerIntellect, i)}); };
  checkTranscripts({
      {"camp-searching-every-place-and-the-monster",
       visitCircusCamp,
       intellect(5),
       intoTheClues("M\n\n\nQ\n\n\nT\n\n\nM\n"),
       {}},
      // Puzzled by the clues, which aliens wipe out; searched again, bandits it is.
      answered("camp-a-puzzled-search-aliens-then-bandits", visitAndReport, intellect(4),
               {"C", "M", "Q", "T", "A", "M", "Q", "T", "B"}),
      answered("camp-too-late-after-one-search", visitAndReport, set(&GameState::ClockHour, 18),
               {"C", "M"}),
      answered("camp-left-to-the-chickens", visitCircusCamp, nullptr, {"L"}),
      // "C" and "x" are passed over.
      {"camp-the-cave-not-yet", visitCircusCamp, cave, "C x n\n", {}},
      // An apple thrown, a miss, then six missiles; the dinosaur fumbles once.
      {"camp-the-cave-and-the-dinosaur",
       visitCircusCamp,
       all({makeWizard, cave, job, set(&GameState::PlayerGold, 20), set(&GameState::Apples, 1)}),
       "S\n\n\nA\n\n1\n1\n1\n1\n1\n1\n1\n\n\n",
       {1, 9, 11, 10, 5, 10, 15, 10, 5, 10, 15, 10, 5, 10, 20}},
  });
}

// What a visit leaves that no line shows, from 6 o'clock: the hour (the camp does not wrap the
// clock), the three clues, the cave and the circus job.
TEST(CircusCamp, TheHoursTheCluesAndTheJobAfterAVisit) {
  using Left = std::tuple<int, int, int, int, int, int>;
  const auto check = [](std::string_view visit, const Prepare& prepare, const std::string& input,
                        Left left) {
    Harness h(input, {10, 15, 10, 15, 10, 15, 10, 15, 10, 15, 10, 15});
    h.state.CircusStage = kCircusJobTaken;
    if (prepare) prepare(h.state);
    h.play(visitCircusCamp);
    const GameState& s = h.state;
    EXPECT_EQ(Left(s.ClockHour, s.MessTentSearched, s.QuartersSearched, s.AnimalTentsSearched,
                   s.CaveUnlocked, s.CircusStage),
              left)
        << visit;
  };
  const auto hour = [](int h) { return set(&GameState::ClockHour, h); };
  const Prepare allClues =
      all({set(&GameState::MessTentSearched, 1), set(&GameState::QuartersSearched, 1),
           set(&GameState::AnimalTentsSearched, 1)});
  const int job = kCircusJobTaken;
  const int noJob = kCircusNoJob;
  // Hour, mess tent, quarters, animal tents, cave, circus job.
  check("a search, then late", hour(18), intoTheClues("M\n\n\n"), {20, 1, 0, 0, 0, job});
  check("late on arrival", hour(19), intoTheClues("M\n\n\n"), {20, 0, 0, 0, 0, job});
  check("late past midnight", hour(24), intoTheClues("M\n\n\n"), {25, 0, 0, 0, 0, job});
  check("bandits", {}, intoTheClues("M\n\n\nm\n\n\nQ\n\n\nT\n\n\nB\n"), {11, 1, 1, 1, 0, noJob});
  check("aliens", allClues, intoTheClues("A\nT\n\n\n"), {8, 0, 0, 1, 0, job});
  check("the monster", allClues, intoTheClues("M\n"), {7, 1, 1, 1, 1, job});
  const Prepare cave = all({set(&GameState::CaveUnlocked, 1), makeKnight});
  check("the cave, not yet", cave, "C x n\n", {7, 0, 0, 0, 1, job});
  // Six slashes for thirty hit points; the dinosaur bites after each of the first five.
  check("the dinosaur", cave, "S\n\n\n1\n1\n1\n1\n1\n1\n\n\n", {8, 0, 0, 0, 1, noJob});
}

}  // namespace
}  // namespace qm::testing
