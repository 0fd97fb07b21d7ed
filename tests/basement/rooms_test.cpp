#include "basement/rooms.h"

#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"

namespace qm::testing {
namespace {

constexpr std::string_view kChestDoors = "There are doors North South and East";

RoomEnd runRoom(Harness& h, RoomBlock room) {
  RoomEnd end = RoomEnd::GoOn;
  EXPECT_EQ(h.play([&](Context& c) { end = room(c); }), Ending::Returned);
  return end;
}

TEST(TreasureRoom, AThiefPicksTheLockFromFiveAndEveryoneElseFromTenForOneChestAVisit) {
  struct Case {
    std::string_view playerClass;
    int roll;
    bool opens;
  };
  for (const Case& c : {Case{"Thief", 4, false}, Case{"Thief", 5, true}, Case{"Knight", 9, false},
                        Case{"Knight", 10, true}}) {
    Harness h("L\nO\n", {c.roll});
    h.state.PlayerClass = c.playerClass;
    RoomEnd end = RoomEnd::GoOn;
    h.play([&](Context& ctx) {
      end = firstTreasureRoom(ctx);
      if (end == RoomEnd::GoOn) firstTreasureRoom(ctx);  // a second look finds it empty
    });
    EXPECT_EQ(h.state.FirstLockDifficulty, c.playerClass == "Thief" ? 5 : 10);
    EXPECT_EQ(end, c.opens ? RoomEnd::GoOn : RoomEnd::EndStep) << c.playerClass << c.roll;
    EXPECT_EQ(h.state.PlayerGold, c.opens ? 140 : 40) << c.playerClass << c.roll;
    EXPECT_TRUE(h.output().ends_with(c.opens ? "it looks like you've been this way already.\n"
                                             : "The door is still locked\n"));
  }
}

TEST(TreasureRoom, BreakingInNeedsStrengthFourAndAClosedChestLocksTheDoorAgain) {
  Harness weak("B\n");
  weak.state.PlayerStrength = 3;
  EXPECT_EQ(runRoom(weak, secondTreasureRoom), RoomEnd::GoOn);
  EXPECT_TRUE(weak.output().ends_with(
      "Move on (M) \nBoy, you really need to go to the gym, the door doesn't budge!\n"));

  // Leaving the chest: after a broken door the door line, after a picked lock none.
  Harness broken("B\nL\n");
  broken.state.PlayerStrength = 4;
  EXPECT_EQ(runRoom(broken, secondTreasureRoom), RoomEnd::EndStep);
  EXPECT_TRUE(
      broken.output().ends_with("Open it (O) Leave (L)\n" + std::string(kChestDoors) + "\n"));
  Harness picked("L\nL\n", {15});
  EXPECT_EQ(runRoom(picked, secondTreasureRoom), RoomEnd::EndStep);
  EXPECT_TRUE(picked.output().ends_with("Open it (O) Leave (L)\n"));
  for (const Harness* h : {&weak, &broken, &picked}) {
    EXPECT_EQ(h->state.SecondDoorLocked, 1);
    EXPECT_EQ(h->state.PlayerGold, 40);
  }
}

TEST(CrateRoom, AFindOfNoGearsIsStillToldWithTheTotal) {
  Harness h("S\n", {0});
  h.state.Gears = 2;
  EXPECT_EQ(runRoom(h, firstCrateRoom), RoomEnd::GoOn);
  EXPECT_TRUE(
      h.output().ends_with("might be useful!\nYou have 2 gears\nThe boxes are all empty\n"));
}

}  // namespace
}  // namespace qm::testing
