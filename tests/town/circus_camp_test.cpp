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
