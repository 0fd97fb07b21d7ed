#include "town/soggy_shrimp.h"

#include <gtest/gtest.h>

#include <string>

#include "core/quest_stages.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// The Soggy Shrimp's thresholds that no transcript plays on both sides, each row beside the mutant
// it kills (tools/mutate, with and without the tables); the transcripts below play every other
// threshold on both sides.
TEST(Shrimp, DecisionsAtTheirEdges) {
  constexpr std::string_view kNoAleGold = "You don't have enough gold";
  constexpr std::string_view kRegain = "You regain some health!";
  const auto gold = [](int g) { return set(&GameState::PlayerGold, g); };
  const auto ale = [&](int purse, int brawn) {
    return all({set(&GameState::OldManStage, kOldManWaiting), gold(purse),
                set(&GameState::PlayerBrawn, brawn), [](GameState& s) { s.PlayerRace = "Pear"; }});
  };
  const std::string in = "\n\n\n";
  const std::string aNight = in + "R\nS\n\n\n";
  checkEdges(visitSoggyShrimp, {},
             {
                 // PlayerGold < kAlePrice made <=
                 {"gold 2: an ale", ale(2, 8), in + "D\nS\n", {}, kNoAleGold, false},
                 // PlayerHealth < kFullHealth made <=
                 {"health 50: nothing to regain", {}, aNight, {1}, kRegain, false},
             });
}

TEST(Shrimp, TheVisitsAsThePlayerSeesThem) {
  checkTranscripts({
      // The sailor asked about his catch twice, refused, then helped; then out back to the
      // stranger, who leads the way below.
      {"shrimp-the-old-sailor-asked-twice-then-helped-and-the-stranger-out-back",
       thenReport(visitSoggyShrimp), set(&GameState::StrangerStage, kStrangerWaiting)},
      {"shrimp-ales-thrown-up-the-darts-declined-then-a-bullseye", thenReport(visitSoggyShrimp),
       all({set(&GameState::OldManStage, kOldManWaiting), set(&GameState::PlayerGold, 5),
            set(&GameState::PlayerStrength, 7), set(&GameState::PlayerBrawn, 7),
            [](GameState& s) { s.PlayerRace = "Pear"; }})},
      // From Owen's stage the darts start the quest over; the stranger remarks on the hatch.
      {"shrimp-a-human-stomachs-it-misses-and-follows-the-stranger-below",
       thenReport(visitSoggyShrimp),
       all({set(&GameState::OldManStage, kOldManWaiting),
            set(&GameState::StrangerStage, kOwenRevealed),
            set(&GameState::HatchStage, kHatchBlownUp), set(&GameState::PlayerStrength, 6),
            [](GameState& s) { s.PlayerRace = "Human"; }})},
      {"shrimp-rooms-a-pickpocket-and-the-water", thenReport(visitSoggyShrimp),
       all({makeThief, set(&GameState::StrangerStage, kHideoutFound),
            set(&GameState::PlayerGold, 20), set(&GameState::PlayerHealth, 45)})},
  });
}

// What the visits leave behind that no line shows: the hours, the health healed, the stages.
TEST(Shrimp, TheClockTheHealthAndTheStagesAfterAVisit) {
  const SceneRun visit = visitSoggyShrimp;
  const Prepare late = all({set(&GameState::PlayerHealth, 30), set(&GameState::ClockHour, 22)});
  checkTranscripts({
      {"shrimp-leaves-no-drink-for-an-empty-purse", visit,
       all({set(&GameState::OldManStage, kOldManWaiting), set(&GameState::PlayerGold, 1)})},
      {"shrimp-leaves-a-night-that-heals", visit, late},
      {"shrimp-leaves-a-night-that-does-not", visit, late},
      {"shrimp-leaves-a-knight-at-4-after-the-bar", visit,
       all({makeKnight, set(&GameState::PlayerHealth, 4)})},
  });
}

}  // namespace
}  // namespace qm::testing
