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

constexpr std::string_view kMonsterRises = "You've got a huge yank on your line!";
constexpr std::string_view kToTheMonster = "W\nW\nW\nW\nS\nS\nS\n";  // (7, 2) to (3, 5)
constexpr std::string_view kFiveWest = "W\nW\nW\nW\nW\n";            // (7, 2) to (2, 2)

// The input of a voyage: the two boarding pauses and the pause that starts it, then the moves,
// one command a line, `times` over.
std::string sail(std::string_view moves, int times = 1) {
  std::string commands;
  for (int i = 0; i < times; ++i)
    commands += std::string(moves);
  return "\n\n\n" + commands;
}

// The voyage's thresholds, read from docks.cpp: every comparison of the boat's position (on the
// map, in a fishing zone) and of the cast count with a constant, each played on both sides of its
// edge, and the monster's place, one cell off in each direction. The shore closes off everything
// south of row 6, so the map's south edge is never reached. The dock, the shore, the catches and
// the letters are compared for equality: the transcripts play each of their branches.
constexpr std::string_view kUncharted = "You went into uncharted waters!";
constexpr std::string_view kCrashed = "You crashed.";
constexpr std::string_view kSeaWeed = "You fished up a load of sea weed";

TEST(Voyage, DecisionsAtTheirEdges) {
  const std::vector<int> weed = {1, 1};  // a big yank and sea weed in zone 0
  const std::string cast = "F\n\n\n";    // the command and the pauses after the bite and the catch
  const std::string corner = sail(kFiveWest) + "N\nN\nE\n";  // (3, 0), drawn as shore
  const std::string toZoneTwo = sail("W\nW\nW\nS\nS\nS\n");  // (4, 5)
  checkEdges(
      sailWithOldMan, {},
      {
          {"column 0: on the map", {}, sail("W\n", 7), {}, kUncharted, false},
          {"column -1: off it", {}, sail("W\n", 8), {}, kUncharted, true},
          {"column 9: on the map", {}, sail("E\n", 2), {}, kUncharted, false},
          {"column 10: off it", {}, sail("E\n", 3), {}, kUncharted, true},
          {"row 0: on the map", {}, sail(kFiveWest) + "N\nN\n", {}, kUncharted, false},
          {"row -1: off it", {}, sail(kFiveWest) + "N\nN\nN\n", {}, kUncharted, true},
          {"(3, 0): sailed", {}, corner, {}, kCrashed, false},
          {"(3, 0): the boat drawn",
           {},
           corner,
           {},
           "[ ][ ][ ]<4>[\\][&][&][&][&][&][&]      Legend",
           true},
          {"column 5: zone 0", {}, sail("W\n", 2) + "F\n\n", weed, kSeaWeed, true},
          {"column 4: zone 1", {}, sail("W\n", 3) + "F\n\n", weed, kSeaWeed, false},
          {"row 4: zone 0", {}, sail("S\n", 2) + "F\n\n", weed, kSeaWeed, true},
          {"row 5: zone 1", {}, sail("S\n", 3) + "F\n\n", weed, kSeaWeed, false},
          {"cast at (3, 5): the monster", {}, sail(kToTheMonster) + "F\n", {}, kMonsterRises, true},
          {"cast at (4, 5): a fish", {}, toZoneTwo + "F\n\n", weed, kMonsterRises, false},
          {"cast at (3, 4): a fish",
           {},
           sail("W\nW\nW\nW\nS\nS\nF\n\n"),
           weed,
           kMonsterRises,
           false},
          {"four casts: no monster", {}, sail(cast, 4), std::vector(8, 1), kMonsterRises, false},
          {"five casts: the monster", {}, sail(cast, 5), std::vector(10, 1), kMonsterRises, true},
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
