#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/harness.h"
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
