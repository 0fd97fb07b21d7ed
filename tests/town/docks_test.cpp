#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/harness.h"
#include "town/hub.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kCommands = "North (N) South (S) East (E) West (W) Fish (F)";
constexpr std::string_view kMonsterRises = "You've got a huge yank on your line!";
// From the dock (7, 2) to the monster's spot (3, 5).
constexpr std::string_view kToTheMonster = "W\nW\nW\nW\nS\nS\nS\n";

// The input after the two boarding pauses and the pause that starts each voyage.
Harness aboard(std::string_view commands, std::vector<int> draws = {}) {
  return Harness("\n\n\n" + std::string(commands), std::move(draws));
}

// The rows of every map drawn, from its title to its command line.
std::vector<std::vector<std::string>> maps(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> found;
  for (auto at = lines.begin(); at != lines.end(); ++at) {
    if (at->starts_with("~~~~~~~~~Nautical Map") && lines.end() - at >= 14)
      found.emplace_back(at, at + 14);
  }
  return found;
}

TEST(NauticalMap, TheFirstMapOffersTheDockWhichAMoveAwayTakesBack) {
  Harness h = aboard("E\nD d\nW\nD\n\n");
  h.state.OldManStage = 1;
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
  EXPECT_EQ(drawn[1][4], "[ ][ ][ ][ ][ ][ ][ ][ ]<4>[ ] [&] is grass");
  EXPECT_EQ(drawn[1][13], kCommands);
  EXPECT_EQ(drawn[2][13], first[13]);
  EXPECT_TRUE(h.output().ends_with(first[13] + "\nYou dock.\nPress Enter to continue . . . \n"));
  EXPECT_EQ(h.platform.beeps, 30);
  EXPECT_EQ(h.state.ClockHour, 11);
  EXPECT_EQ(h.state.OldManStage, 1);
}

TEST(NauticalMap, TheCornerAtTheTopCanBeSailedAndShowsTheBoatBeforeIt) {
  Harness h = aboard("W\nW\nW\nW\nW\nN\nN\nE\n");
  h.play(sailWithOldMan);
  const std::vector<std::vector<std::string>> drawn = maps(h.lines());
  ASSERT_EQ(drawn.size(), 9u);
  EXPECT_EQ(drawn.back()[2], "[ ][ ][ ]<4>[\\][&][&][&][&][&][&]      Legend");
  EXPECT_EQ(occurrences(h.output(), "You crashed."), 0);
}

TEST(Voyage, TheShoreAndTheEdgeOfTheMapSendTheBoatBackToTheDockForFiveMoreHours) {
  struct Case {
    std::string_view commands, told, back;
  };
  for (const Case& c :
       {Case{"N\n", "You crashed.",
             "The sailor pushes the ship back into the water, and sails it back to the bay."},
        Case{"E\nE\nE\n", "You went into uncharted waters!",
             "The sailor turns the ship around, and sails it back to the bay."}}) {
    // A cast first, to see the count start over with the new voyage.
    Harness h = aboard("F\n\n\n" + std::string(c.commands) + "\n\nD\n\n", {1, 1});
    EXPECT_EQ(h.play(sailWithOldMan), Ending::Returned) << c.told;
    EXPECT_TRUE(hasLinesInOrder(
        h.lines(),
        {c.told, "", "Press Enter to continue . . . ", c.back, "", "Press Enter to continue . . . ",
         "\"Here, use this nautical map to navigate us to his hidin' place!\"", "You dock."}));
    EXPECT_EQ(h.state.ClockHour, 16) << c.told;
    EXPECT_EQ(h.state.FishCount, 0) << c.told;
  }
}

TEST(Fishing, TheZoneGrowsWestOfColumnFiveAndSouthOfRowFour) {
  struct Case {
    std::string_view path;
    int zone, roll;
    std::string_view caught;
  };
  for (
      const Case& c :
      {Case{"", 0, 1, "You fished up a load of sea weed"},
       Case{"S\nS\nS\nS\n", 1, 1,
            "You caught a small sunfish! The sailor tosses it out of the boat \"Not big 'nuff\""},
       Case{
           "W\nW\nW\nW\nW\n", 1, 2,
           "You caught a big grouper, the sailor pulls the hook out, and tosses it into a bucket \"Aye, that'll makee a good dinner\" "},
       Case{
           "W\nW\nW\nW\nW\nS\nS\nS\n", 2, 3,
           "You didn't catch anything...  But the sailor says \"Aye I can smell it's chocolate breath\""}}) {
    Harness h = aboard(std::string(c.path) + "F\n\nh\n\n", {3, c.roll});
    h.play(sailWithOldMan);
    EXPECT_EQ(h.state.FishingZone, c.zone) << c.path;
    EXPECT_TRUE(hasLinesInOrder(h.lines(), {"The end of the fishing pole gently bobs...", "",
                                            "Press Enter to continue . . . ", c.caught}))
        << c.path;
    const bool asked = c.zone == 2;
    EXPECT_EQ(occurrences(h.output(), "Huh (H) Ignore it (I)\n\"Oh ah, nuthin\"\n"), asked ? 1 : 0);
    h.expectAllDrawsUsed();
  }
}

TEST(Fishing, TheSailorHintsAtTheSecondAndThirdCastAndTheFifthRaisesTheMonster) {
  Harness h = aboard("F\n\n\nF\n\n\nF\n\n\nF\n\n\nF\n\n", {1, 1, 2, 2, 3, 3, 1, 1, 2, 2});
  EXPECT_EQ(h.play(sailWithOldMan), Ending::InputEnded);
  const std::string out = h.output();
  EXPECT_EQ(occurrences(out, "\"Aye lad, you're not fishin' in the right spot!\""), 1);
  EXPECT_EQ(occurrences(out, "\"Try closer to the land...\""), 1);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You fished up a dirty shoe, the sailor pours the water out of it, and tosses it into the bucket",
       "\"Aye lad, you're not fishin' in the right spot!\"",
       "You didn't catch anything...  Maybe you should move farther in...",
       "\"Try closer to the land...\""}));
  EXPECT_NE(out.find("into the bucket\n" + std::string(kMonsterRises)), std::string::npos);
  EXPECT_EQ(maps(h.lines()).size(), 5u);
  h.expectAllDrawsUsed();
}

TEST(Fishing, ACastAtTheMonstersSpotRaisesItWithoutABite) {
  Harness h = aboard(std::string(kToTheMonster) + "F\n");
  EXPECT_EQ(h.play(sailWithOldMan), Ending::InputEnded);
  EXPECT_NE(h.output().find(std::string(kCommands) + "\n" + std::string(kMonsterRises) + "\n"),
            std::string::npos);
  EXPECT_EQ(h.state.FishCount, 0);
}

// The whole quest from the hub: the voyage, the monster beaten, the sailor sent off with his
// idea, and the hub without the old man.
TEST(OldMansQuest, FromTheHubToTheActivistAndBack) {
  const std::string input = "M\n\n\n\n" + std::string(kToTheMonster) + "F\n" +
                            "\n\n\n\n1\n1\n1\n" +         // the monster rises, the fight
                            "\n\n\n\n\n\nW\nA\n\nD\n\n";  // the confession; the bow declined
  Harness h(input, {10, 11, 10, 11, 10, 11});
  h.state.Weapon = "Sharp Sword";
  h.state.PrimaryAbility = "Slash";
  h.state.SecondaryAbility = "Bash";
  h.state.OldManStage = 1;
  EXPECT_EQ(h.play([](Context& c) { runHub(c); }), Ending::InputEnded);
  const std::vector<std::string> lines = h.lines();
  EXPECT_TRUE(hasLinesInOrder(
      lines,
      {"You walk down to the docks, and quickly spot the dingy dinghy he described",
       std::string(kMonsterRises), "He's trying to flip over the boat!",
       "You slice one of his heads off, and it falls into the water! The monster sinks into the waves.",
       "Achievement get; The one that got away", "\"Thas a good idea, I'll get on that!\"",
       "You got 30 gold, you now have 70 gold.  He also gives you a bow", "\"I'll see ya' aroun'\"",
       "You have 70 gold", "You are weilding a Sharp Sword"}));
  EXPECT_FALSE(lines.back().ends_with("(M)"));
  EXPECT_TRUE(lines.back().ends_with("Lets wait around a bit. (W)"));
  EXPECT_EQ(h.state.OldManStage, 69);
  EXPECT_EQ(h.state.ClockHour, 11);
  EXPECT_EQ(h.state.PlayerHealth, 42);
  h.expectAllDrawsUsed();
}

}  // namespace
}  // namespace qm::testing
