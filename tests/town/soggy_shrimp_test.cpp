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

// The Soggy Shrimp's thresholds, read from soggy_shrimp.cpp: every comparison of the gold, a stat,
// the sleep roll or the health with a constant, each played on both sides of its edge. Its other
// decisions, the quest stages, the race and the menu letters, are compared for equality: the
// transcripts play each of their branches, as they do inn_robbery.cpp's choice of the stealthy
// robbery.
TEST(Shrimp, DecisionsAtTheirEdges) {
  constexpr std::string_view kNoAleGold = "You don't have enough gold";
  constexpr std::string_view kStomach = "But you stomach it";
  constexpr std::string_view kBullseye = "You go first,  you almost hit the bullseye! Yes!";
  constexpr std::string_view kRoomOffer = "Sure (S) Nope (N)";
  constexpr std::string_view kGoodNight = "You have a good night's sleep!";
  constexpr std::string_view kRegain = "You regain some health!";
  const auto gold = [](int g) { return set(&GameState::PlayerGold, g); };
  const auto health = [](int h) { return set(&GameState::PlayerHealth, h); };
  const auto ale = [&](int purse, int brawn) {
    return all({set(&GameState::OldManStage, kOldManWaiting), gold(purse),
                set(&GameState::PlayerBrawn, brawn), [](GameState& s) { s.PlayerRace = "Pear"; }});
  };
  const auto strength = [&](int value) {
    return all({ale(2, 8), set(&GameState::PlayerStrength, value)});
  };
  const std::string in = "\n\n\n";
  const std::string theDarts = in + "D\nS\n" + std::string(5, '\n') + "C\n";
  const std::string aNight = in + "R\nS\n\n\n";
  checkEdges(visitSoggyShrimp, {},
             {
                 {"gold 1: no ale", ale(1, 8), in + "D\nS\n", {}, kNoAleGold, true},
                 {"gold 2: an ale", ale(2, 8), in + "D\nS\n", {}, kNoAleGold, false},
                 {"brawn 8: stomachs it", ale(2, 8), in + "D\nS\n\n", {}, kStomach, true},
                 {"brawn 7: throws up", ale(2, 7), in + "D\nS\n\n", {}, kStomach, false},
                 {"strength 7: near the bullseye", strength(7), theDarts, {}, kBullseye, true},
                 {"strength 6: the top of the board", strength(6), theDarts, {}, kBullseye, false},
                 {"gold 10: a room is offered", gold(10), in + "R\n", {}, kRoomOffer, true},
                 {"gold 9: no room offered", gold(9), in + "R\n", {}, kRoomOffer, false},
                 {"sleep roll 15: a good night", {}, aNight, {15}, kGoodNight, true},
                 {"sleep roll 16: the brawl", {}, aNight, {16}, kGoodNight, false},
                 {"health 49: some health back", health(49), aNight, {1}, kRegain, true},
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
