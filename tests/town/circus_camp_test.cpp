#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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
      {"camp-searching-every-place-and-the-monster", visitCircusCamp, intellect(5)},
      // Puzzled by the clues, which aliens wipe out; searched again, bandits it is.
      {"camp-a-puzzled-search-aliens-then-bandits", thenReport(visitCircusCamp), intellect(4)},
      {"camp-too-late-after-one-search", thenReport(visitCircusCamp),
       set(&GameState::ClockHour, 18)},
      {"camp-left-to-the-chickens", visitCircusCamp, nullptr},
      // "C" and "x" are passed over.
      {"camp-the-cave-not-yet", visitCircusCamp, cave},
      // An apple thrown, a miss, then six missiles; the dinosaur fumbles once.
      {"camp-the-cave-and-the-dinosaur", visitCircusCamp,
       all({makeWizard, cave, job, set(&GameState::PlayerGold, 20), set(&GameState::Apples, 1)})},
  });
}

// What a visit leaves that no line shows, from 6 o'clock: the hour (the camp does not wrap the
// clock), the three clues, the cave and the circus job.
TEST(CircusCamp, TheHoursTheCluesAndTheJobAfterAVisit) {
  const auto visit = [](std::string_view name, const Prepare& prepare) {
    return Transcript{name, visitCircusCamp,
                      all({set(&GameState::CircusStage, kCircusJobTaken), prepare})};
  };
  const auto hour = [](int h) { return set(&GameState::ClockHour, h); };
  const Prepare allClues =
      all({set(&GameState::MessTentSearched, 1), set(&GameState::QuartersSearched, 1),
           set(&GameState::AnimalTentsSearched, 1)});
  checkTranscripts({
      visit("camp-leaves-late-on-arrival", hour(19)),
      visit("camp-leaves-late-past-midnight", hour(24)),
      visit("camp-leaves-bandits", {}),
      visit("camp-leaves-aliens", allClues),
      visit("camp-leaves-the-monster", allClues),
  });
}

}  // namespace
}  // namespace qm::testing
