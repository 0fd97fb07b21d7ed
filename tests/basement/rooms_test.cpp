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

TEST(TreasureRoom, AThiefPicksTheLockFromFiveAndEveryoneElseFromTen) {
  struct Case {
    std::string_view playerClass;
    int roll;
    bool opens;
  };
  for (const Case& c : {Case{"Thief", 4, false}, Case{"Thief", 5, true}, Case{"Knight", 9, false},
                        Case{"Knight", 10, true}}) {
    Harness h("L\nO\n", {c.roll});
    h.state.PlayerClass = c.playerClass;
    const RoomEnd end = runRoom(h, firstTreasureRoom);
    EXPECT_EQ(h.state.FirstLockDifficulty, c.playerClass == "Thief" ? 5 : 10);
    EXPECT_EQ(end, c.opens ? RoomEnd::GoOn : RoomEnd::EndStep) << c.playerClass << c.roll;
    EXPECT_EQ(h.state.FirstDoorLocked, c.opens ? 0 : 1) << c.playerClass << c.roll;
    EXPECT_EQ(h.state.PlayerGold, c.opens ? 140 : 40) << c.playerClass << c.roll;
    EXPECT_TRUE(h.output().ends_with(c.opens ? std::string(kChestDoors) + "\n"
                                             : "The door is still locked\n"));
  }
}

TEST(TreasureRoom, BreakingInNeedsStrengthFourAndAClosedChestLocksTheDoorAgain) {
  Harness weak("B\n");
  weak.state.PlayerStrength = 3;
  EXPECT_EQ(runRoom(weak, secondTreasureRoom), RoomEnd::GoOn);
  EXPECT_TRUE(weak.output().ends_with(
      "Move on (M) \nBoy, you really need to go to the gym, the door doesn't budge!\n"));
  EXPECT_EQ(weak.state.SecondDoorLocked, 1);

  // Leaving the chest: after a broken door the door line, after a picked lock none.
  Harness broken("B\nL\n");
  broken.state.PlayerStrength = 4;
  EXPECT_EQ(runRoom(broken, secondTreasureRoom), RoomEnd::EndStep);
  EXPECT_TRUE(
      broken.output().ends_with("Open it (O) Leave (L)\n" + std::string(kChestDoors) + "\n"));
  Harness picked("L\nL\n", {15});
  EXPECT_EQ(runRoom(picked, secondTreasureRoom), RoomEnd::EndStep);
  EXPECT_TRUE(picked.output().ends_with("Open it (O) Leave (L)\n"));
  EXPECT_EQ(broken.state.SecondDoorLocked + picked.state.SecondDoorLocked, 2);
  EXPECT_EQ(broken.state.PlayerGold + picked.state.PlayerGold, 80);

  Harness movesOn("M\n");
  EXPECT_EQ(runRoom(movesOn, secondTreasureRoom), RoomEnd::EndStep);
}

TEST(TreasureRoom, AnOpenedChestGivesNothingMoreInTheSameVisit) {
  Harness h("B\nO\n");
  h.state.PlayerStrength = 4;
  h.play([](Context& c) {
    firstTreasureRoom(c);
    firstTreasureRoom(c);
  });
  EXPECT_EQ(h.state.PlayerGold, 140);
  EXPECT_TRUE(h.output().ends_with(
      "The doors been broken down, and there's an empty treasure chest in the middle of the room\n"
      "it looks like you've been this way already.\n"));
}

TEST(CrateRoom, AFindOfNoGearsIsStillToldWithTheTotal) {
  Harness h("S\nS\n", {0, 3});
  h.state.Gears = 2;
  h.play([](Context& c) {
    firstCrateRoom(c);
    secondCrateRoom(c);
  });
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You found a couple gears in the crates, better hold on to those, they might be useful!",
       "You have 2 gears", "The boxes are all empty", "You have 5 gears", "The boxes are all empty",
       "There are doors North East and South"}));
  EXPECT_EQ(h.state.Gears, 5);
}

}  // namespace
}  // namespace qm::testing
