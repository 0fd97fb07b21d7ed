#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/harness.h"
#include "support/tables.h"
#include "town/hub.h"
#include "town/places.h"
#include "town/sea_monster.h"

namespace qm::testing {
namespace {

constexpr std::string_view kCommands = "North (N) South (S) East (E) West (W) Fish (F)";
constexpr std::string_view kMonsterRises = "You've got a huge yank on your line!";
constexpr std::string_view kToTheMonster = "W\nW\nW\nW\nS\nS\nS\n";  // (7, 2) to (3, 5)
constexpr std::string_view kFiveWest = "W\nW\nW\nW\nW\n";            // (7, 2) to (2, 2)
// The monster's three pauses and the fight's, three winning slashes, the achievement's pause
// and the five of the sailor's return; the draws give the monster two bites.
constexpr std::string_view kWinAndConfession = "\n\n\n\n1\n1\n1\n\n\n\n\n\n\n";
const std::vector<int> kThreeHits = {10, 2, 10, 2, 10, 2};

// Input after the two boarding pauses and the pause that starts each voyage.
Harness aboard(std::string_view commands, std::vector<int> draws = {}) {
  return Harness("\n\n\n" + std::string(commands), std::move(draws));
}

// Every map drawn: fourteen lines from its title to its command line.
std::vector<std::vector<std::string>> maps(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> found;
  for (auto at = lines.begin(); lines.end() - at >= 14; ++at) {
    if (at->starts_with("~~~~~~~~~Nautical Map")) found.emplace_back(at, at + 14);
  }
  return found;
}

TEST(NauticalMap, TheFirstMapOffersTheDockWhichAMoveAwayTakesBack) {
  Harness h = aboard("E\nD d\nW\nD\n\n");
  EXPECT_EQ(h.play(sailWithOldMan), Ending::Returned);
  const std::vector<std::vector<std::string>> drawn = maps(h.lines());
  ASSERT_EQ(drawn.size(), 3u);
  const std::vector<std::string> first = {"~~~~~~~~~Nautical Map~~~~~~~~~" + std::string(19, ' '),
                                          "",
                                          "[ ][ ][ ][\\][&][&][&][&][&][&]      Legend",
                                          "[ ][ ][ ][ ][\\][_][_][_][_][_] <4> is your boat",
                                          "[ ][ ][ ][ ][ ][ ][ ]<4>[ ][ ] [&] is grass",
                                          "[ ][ ][ ][ ][ ][ ][ ][ ][ ][ ] [ ] is water",
                                          "[ ][ ][ ][ ][ ][ ][ ][ ][ ][ ]",
                                          "[\\][-][ ][ ][ ][ ][ ][ ][ ][ ]             N",
                                          "[&][&][\\][-][-][ ][ ][ ][ ][ ]             |",
                                          "[&][&][&][&][&][\\][-][-][-][-]          W--%--E",
                                          "[&][&][&][&][&][&][&][&][&][&]             |",
                                          "[&][&][&][&][&][&][&][&][&][&]             S",
                                          "",
                                          std::string(kCommands) + " Dock (D)"};
  EXPECT_EQ(drawn[0], first);
  EXPECT_EQ(drawn[1][13], kCommands);
  EXPECT_TRUE(h.output().ends_with(first[13] + "\nYou dock.\nPress Enter to continue . . . \n"));
  EXPECT_EQ(h.platform.beeps, 30);
  EXPECT_EQ(h.state.ClockHour, 11);

  Harness corner = aboard(std::string(kFiveWest) + "N\nN\nE\n");
  corner.play(sailWithOldMan);
  EXPECT_EQ(maps(corner.lines()).back()[2], "[ ][ ][ ]<4>[\\][&][&][&][&][&][&]      Legend");
}

TEST(Voyage, TheShoreAndTheEdgeOfTheMapSendTheBoatBackForFiveMoreHours) {
  for (const auto& [commands, told] :
       {std::pair{"N\n", "You crashed."}, {"E\nE\nE\n", "You went into uncharted waters!"}}) {
    // A cast first, to see the count start over with the new voyage.
    Harness h = aboard("F\n\n\n" + std::string(commands) + "\n\nD\n\n", {1, 1});
    EXPECT_EQ(h.play(sailWithOldMan), Ending::Returned) << told;
    EXPECT_TRUE(hasLinesInOrder(
        h.lines(), {told, "\"Here, use this nautical map to navigate us to his hidin' place!\"",
                    std::string(kCommands) + " Dock (D)", "You dock."}));
    EXPECT_EQ(h.state.ClockHour, 16) << told;
    EXPECT_EQ(h.state.FishCount, 0) << told;
  }
}

TEST(Fishing, TheZoneGrowsWestOfColumnFiveAndSouthOfRowFour) {
  // The way there, the zone, the catch drawn and what it is (3 in zone 2 asks a question).
  for (const auto& [path, zone, roll, caught] :
       {std::tuple{std::string(), 0, 1, "sea weed"},
        {"S\nS\nS\nS\n", 1, 1, "small sunfish"},
        {std::string(kFiveWest), 1, 2, "big grouper"},
        {std::string(kFiveWest) + "S\nS\nS\n", 2, 3, "chocolate breath"}}) {
    Harness h = aboard(path + "F\n\nh\n\n", {3, roll});
    h.play(sailWithOldMan);
    const std::string out = h.output();
    EXPECT_EQ(h.state.FishingZone, zone) << path;
    EXPECT_EQ(occurrences(out, "gently bobs...\n" + std::string(kPauseText) + "You"), 1);
    EXPECT_EQ(occurrences(out, caught), 1) << path;
    EXPECT_EQ(occurrences(out, "Huh (H) Ignore it (I)\n\"Oh ah, nuthin\"\n"), zone == 2 ? 1 : 0);
    h.expectAllDrawsUsed();
  }
}

TEST(Fishing, TheMonsterRisesAtItsSpotWithoutABiteOrAfterTheFifthCatchWithoutAPause) {
  Harness spot = aboard(std::string(kToTheMonster) + "F\n");
  spot.play(sailWithOldMan);
  EXPECT_NE(spot.output().find(std::string(kCommands) + "\n" + std::string(kMonsterRises)),
            std::string::npos);

  Harness fifth = aboard("F\n\n\nF\n\n\nF\n\n\nF\n\n\nF\n\n", {1, 1, 2, 2, 3, 3, 1, 1, 2, 2});
  fifth.play(sailWithOldMan);
  const std::string out = fifth.output();
  EXPECT_EQ(occurrences(out, "\"Aye lad, you're not fishin' in the right spot!\""), 1);
  EXPECT_EQ(occurrences(out, "\"Try closer to the land...\""), 1);
  EXPECT_TRUE(hasLinesInOrder(fifth.lines(),
                              {"\"Aye lad, you're not fishin' in the right spot!\"",
                               "You didn't catch anything...  Maybe you should move farther in...",
                               "\"Try closer to the land...\""}));
  EXPECT_NE(out.find("into the bucket\n" + std::string(kMonsterRises)), std::string::npos);
}

TEST(SailorsConfession, ThreatsDrownThePlayerButTheWinIsKept) {
  for (const std::string_view answers : {"K\n", "w\ni\n"}) {
    Harness h(std::string(kWinAndConfession) + std::string(answers) + "\n\n", kThreeHits);
    h.state.PrimaryAbility = "Slash";
    h.state.OldManStage = 1;
    h.state.PlayerName = "Bob Dragon-Face";
    EXPECT_EQ(h.play(raiseTheSeaMonster), Ending::Died) << answers;
    EXPECT_TRUE(h.output().ends_with(
        "\"Sorry, Bob Dragon-FaceI can't let you do that\"\n" + std::string(kPauseText) +
        "In front of your eyes the sailor transforms into the monster, grabs you, and dunks you in the water\n" +
        std::string(kPauseText) + "You drown\n"));
    EXPECT_EQ(h.state.PlayerHealth, 0);
    EXPECT_EQ(h.state.AchievementGotAway, 1);
    EXPECT_EQ(h.state.OldManStage, 69);
  }
}

// The voyage's decisions, read from docks.cpp: every comparison of the boat's position, the cast
// count, the fishing zone, a draw or a command with a constant, each played on both sides of its
// edge. The shore closes off everything south of row 6, so the map's south edge is never
// reached.
constexpr std::string_view kUncharted = "You went into uncharted waters!";
constexpr std::string_view kCrashed = "You crashed.";
constexpr std::string_view kSeaWeed = "You fished up a load of sea weed";
constexpr std::string_view kChocolate = "Huh (H) Ignore it (I)";
constexpr std::string_view kSecondCastHint = "\"Aye lad, you're not fishin' in the right spot!\"";
constexpr std::string_view kThirdCastHint = "\"Try closer to the land...\"";

// Moves from the dock, one command a line.
std::string sail(std::string_view moves, int times = 1) {
  std::string commands;
  for (int i = 0; i < times; ++i)
    commands += std::string(moves);
  return "\n\n\n" + commands;
}

// A cast: the command, the pause after the bite and the pause after the catch.
constexpr std::string_view kCast = "F\n\n\n";
constexpr std::string_view kToZoneTwo = "W\nW\nW\nS\nS\nS\n";  // (7, 2) to (4, 5)

TEST(Voyage, DecisionsAtTheirEdges) {
  const std::vector<int> weed = {1, 1};  // a big yank and sea weed in zone 0
  checkEdges(
      sailWithOldMan, {},
      {
          {"at (7, 2): the dock", {}, sail("D\n"), {}, "You dock.", true},
          {"at (8, 2): no dock", {}, sail("E\nD\n"), {}, "You dock.", false},
          {"at (7, 3): no dock", {}, sail("S\nD\n"), {}, "You dock.", false},
          {"column 0: on the map", {}, sail("W\n", 7), {}, kUncharted, false},
          {"column -1: off it", {}, sail("W\n", 8), {}, kUncharted, true},
          {"column 9: on the map", {}, sail("E\n", 2), {}, kUncharted, false},
          {"column 10: off it", {}, sail("E\n", 3), {}, kUncharted, true},
          {"row 0: on the map", {}, sail(kFiveWest) + "N\nN\n", {}, kUncharted, false},
          {"row -1: off it", {}, sail(kFiveWest) + "N\nN\nN\n", {}, kUncharted, true},
          {"(7, 1): the shore", {}, sail("N\n"), {}, kCrashed, true},
          {"(3, 0): drawn as shore, sailed",
           {},
           sail(kFiveWest) + "N\nN\nE\n",
           {},
           kCrashed,
           false},
          {"column 5: zone 0", {}, sail("W\n", 2) + "F\n\n", weed, kSeaWeed, true},
          {"column 4: zone 1", {}, sail("W\n", 3) + "F\n\n", weed, kSeaWeed, false},
          {"row 4: zone 0", {}, sail("S\n", 2) + "F\n\n", weed, kSeaWeed, true},
          {"row 5: zone 1", {}, sail("S\n", 3) + "F\n\n", weed, kSeaWeed, false},
          {"zone 2, catch 3: the chocolate breath",
           {},
           sail(kToZoneTwo) + "F\n\n",
           {1, 3},
           kChocolate,
           true},
          {"zone 2, catch 2: a tarpon", {}, sail(kToZoneTwo) + "F\n\n", {1, 2}, kChocolate, false},
          {"zone 1, catch 3: nothing", {}, sail("W\nW\nW\nS\nS\nF\n\n"), {1, 3}, kChocolate, false},
          {"H: nothing, says the sailor",
           {},
           sail(kToZoneTwo) + "F\n\nH\n",
           {1, 3},
           "\"Oh ah, nuthin\"",
           true},
          {"I: ignored", {}, sail(kToZoneTwo) + "F\n\nI\n", {1, 3}, "\"Oh ah, nuthin\"", false},
          {"cast at (3, 5): the monster", {}, sail(kToTheMonster) + "F\n", {}, kMonsterRises, true},
          {"cast at (4, 5): a fish", {}, sail(kToZoneTwo) + "F\n\n", weed, kMonsterRises, false},
          {"cast at (3, 4): a fish",
           {},
           sail("W\nW\nW\nW\nS\nS\nF\n\n"),
           weed,
           kMonsterRises,
           false},
          {"one cast: no hint", {}, sail(kCast), weed, kSecondCastHint, false},
          {"two casts: the first hint", {}, sail(kCast, 2), {1, 1, 1, 1}, kSecondCastHint, true},
          {"two casts: no second hint", {}, sail(kCast, 2), {1, 1, 1, 1}, kThirdCastHint, false},
          {"three casts: the second hint",
           {},
           sail(kCast, 3),
           {1, 1, 1, 1, 1, 1},
           kThirdCastHint,
           true},
          {"four casts: no monster",
           {},
           sail(kCast, 4),
           {1, 1, 1, 1, 1, 1, 1, 1},
           kMonsterRises,
           false},
          {"five casts: the monster",
           {},
           sail(kCast, 5),
           {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
           kMonsterRises,
           true},
      });
}

TEST(Voyage, TheVoyageAsThePlayerSeesIt) {
  checkTranscripts({
      {"docks-crash-uncharted-waters-and-dock",
       sailWithOldMan,
       {},
       sail("N\n\n\nE\nE\nE\n\n\nD\n\n"),
       {}},
      // Casts in zone 0 at the dock, zone 1 at (4, 2) and zone 2 at (4, 5); the fifth raises the
      // monster.
      {"docks-fishing-in-each-zone-until-the-monster-rises",
       sailWithOldMan,
       {},
       sail("F\n\n\nW\nW\nW\nF\n\n\nS\nS\nS\nF\n\nH\n\nF\n\n\nF\n\n"),
       {2, 2, 1, 1, 3, 3, 1, 2, 2, 1}},
  });
}

TEST(SailorsConfession, TheFightAndTheSailorAsThePlayerSeesThem) {
  checkTranscripts({
      // An apple thrown, then three slashes; the bow is taken.
      {"docks-sea-monster-beaten-and-the-activist-paid",
       raiseTheSeaMonster,
       [](GameState& s) {
         s.Weapon = "Sharp Sword";
         s.PrimaryAbility = "Slash";
         s.SecondaryAbility = "Bash";
         s.Apples = 1;
         s.OldManStage = 1;
       },
       "\n\n\n\nA\n\n1\n1\n1\n\n\n\n\n\n\nW\nA\n\nE\n\n",
       {11, 10, 2, 10, 1, 10, 5}},
      // Three pickpockets, then a threat.
      {"docks-sea-monster-beaten-and-the-sailor-threatened",
       raiseTheSeaMonster,
       [](GameState& s) {
         s.PrimaryAbility = "Stab";
         s.SecondaryAbility = "Pickpocket";
         s.OldManStage = 1;
         s.PlayerName = "Bob Dragon-Face";
       },
       "\n\n\n\n2\n2\n2\n\n\n\n\n\n\nK\n\n\n",
       {5, 15, 1}},
  });
}

// The whole quest from the hub: the monster beaten, the sailor sent off with his idea and paid
// though his bow is declined, and the hub without the old man.
TEST(OldMansQuest, FromTheHubToTheActivistAndBack) {
  Harness h("M\n\n\n\n" + std::string(kToTheMonster) + "F\n" + std::string(kWinAndConfession) +
                "W\nA\n\nD\n\n",
            kThreeHits);
  h.state.Weapon = "Sharp Sword";
  h.state.PrimaryAbility = "Slash";
  h.state.OldManStage = 1;
  EXPECT_EQ(h.play([](Context& c) { runHub(c); }), Ending::InputEnded);
  const std::vector<std::string> lines = h.lines();
  EXPECT_TRUE(hasLinesInOrder(
      lines, {"Achievement get; The one that got away", "\"Thas a good idea, I'll get on that!\"",
              "You got 30 gold, you now have 70 gold.  He also gives you a bow",
              "\"I'll see ya' aroun'\"", "You have 70 gold", "You are weilding a Sharp Sword"}));
  EXPECT_TRUE(lines.back().ends_with("Lets wait around a bit. (W)"));
  EXPECT_EQ(h.state.OldManStage, 69);
  EXPECT_EQ(h.state.PlayerHealth, 40);
  h.expectAllDrawsUsed();
}

}  // namespace
}  // namespace qm::testing
