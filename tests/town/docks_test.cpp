#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/quest_stages.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"
#include "town/sea_monster.h"

namespace qm::testing {
namespace {

// The input of a voyage: the two boarding pauses and the pause that starts it, then the moves,
// one command a line, `times` over.
std::string sail(std::string_view moves, int times = 1) {
  std::string commands;
  for (int i = 0; i < times; ++i)
    commands += std::string(moves);
  return "\n\n\n" + commands;
}

constexpr std::string_view kSeaWeed = "You fished up a load of sea weed";

// The fishing zones' edges, which no transcript plays on both sides, each row beside the mutant it
// kills (tools/mutate, with and without the tables); the transcripts below play every other
// threshold on both sides.
TEST(Voyage, DecisionsAtTheirEdges) {
  const std::vector<int> weed = {1, 1};  // a big yank and sea weed in zone 0
  checkEdges(sailWithOldMan, {},
             {
                 // BoatX < 5 made <= 5
                 {"column 5: zone 0", {}, sail("W\n", 2) + "F\n\n", weed, kSeaWeed, true},
                 // BoatY > 4 made >= 4
                 {"row 4: zone 0", {}, sail("S\n", 2) + "F\n\n", weed, kSeaWeed, true},
             });
}

TEST(Voyage, TheVoyageAsThePlayerSeesIt) {
  checkTranscripts({
      {"docks-crash-uncharted-waters-and-dock", sailWithOldMan, nullptr},
      // Casts in zone 0 at the dock, zone 1 at (4, 2) and zone 2 at (4, 5); the fifth raises the
      // monster.
      {"docks-fishing-in-each-zone-until-the-monster-rises", sailWithOldMan, nullptr},
      // The other catches: zone 0's first and third at the dock, zone 1's second and third at
      // (4, 2).
      {"docks-the-other-catches-of-zones-zero-and-one", sailWithOldMan, nullptr},
  });
}

// What a voyage leaves that no line shows: a beep after each row of each map drawn, the hours of
// each voyage, and the casts counted again from each.
TEST(Voyage, TheBeepsTheHoursAndTheCasts) {
  Harness docked(sail("E\nD d\nW\nD\n\n"));
  EXPECT_EQ(docked.play(sailWithOldMan), Ending::Returned);
  EXPECT_EQ(docked.platform.beeps, 30);
  EXPECT_EQ(docked.state.ClockHour, 11);
  for (const std::string_view back : {"N\n", "E\nE\nE\n"}) {
    Harness h(sail("F\n\n\n" + std::string(back) + "\n\nD\n\n"), {1, 1});
    EXPECT_EQ(h.play(sailWithOldMan), Ending::Returned) << back;
    EXPECT_EQ(h.state.ClockHour, 16) << back;
    EXPECT_EQ(h.state.FishCount, 0) << back;
  }
}

const Prepare kOldManAtSea = set(&GameState::OldManStage, kOldManWaiting);

// Threatened or turned in, the sailor drowns the player, but the quest is over and the
// achievement kept.
TEST(SailorsConfession, TheFightAndTheSailorAsThePlayerSeesThem) {
  const SceneRun raise = raiseTheSeaMonster;
  checkTranscripts({
      // An apple thrown, then three slashes; the bow is taken.
      {"docks-sea-monster-beaten-and-the-activist-paid", raise,
       all({makeKnight, set(&GameState::Apples, 1), kOldManAtSea,
            [](GameState& s) { s.Weapon = "Sharp Sword"; }})},
      // Three pickpockets, then a threat.
      {"docks-sea-monster-beaten-and-the-sailor-threatened", raise,
       all({makeThief, kOldManAtSea, [](GameState& s) { s.PlayerName = "Bob Dragon-Face"; }})},
      {"docks-sea-monster-beaten-and-the-sailor-turned-in", raise, all({makeKnight, kOldManAtSea})},
  });
}

}  // namespace
}  // namespace qm::testing
