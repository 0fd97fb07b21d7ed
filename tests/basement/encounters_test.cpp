#include "basement/encounters.h"

#include <gtest/gtest.h>

#include <string>

#include "basement/basement.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

constexpr std::string_view kRatsBite = "The rats jump up and bite at you!";

void makeClass(GameState& state, std::string_view primary, std::string_view secondary) {
  state.PrimaryAbility = primary;
  state.SecondaryAbility = secondary;
}

RoomEnd runRoom(Harness& h, RoomBlock room) {
  RoomEnd end = RoomEnd::GoOn;
  EXPECT_EQ(h.play([&](Context& c) { end = room(c); }), Ending::Returned);
  return end;
}

TEST(Zombie, ACostlySneakThenAFumbleAndTwoHitsLeaveItAtMinusTwo) {
  // The approach counter starts at 1; a miss and a fumble, a wound and a tickle, then the finish
  // with a roll that would have scratched.
  Harness h("\nR\n\n1\n1\n1\n", {1, 0, 1, 10, 15, 19, 7});
  makeClass(h.state, "Slash", "Bash");
  EXPECT_EQ(runRoom(h, secondZombieRoom), RoomEnd::GoOn);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"While you are trying to leave, he suddenly notices!",
       "The monster is still walking towards you...", "The monsters arm suddenly falls off!",
       "You slice his arm off! But he keeps coming!", "The monster tickles you!",
       "You cut him in half like cheddar cheese!", "The monster is now dead, lying on the floor",
       "There are doors North West East and South"}));
  EXPECT_EQ(occurrences(h.output(), "The monster is still walking towards you..."), 1);
  EXPECT_EQ(h.state.SecondZombieHealth, -2);
  EXPECT_EQ(h.state.PlayerHealth, 50 - 5 - 2);
  EXPECT_EQ(h.state.SecondZombieWaiting, 0);
}

TEST(Automaton, HitsInTheRoundItFallsAndTheStepsDeathCheckEndsTheGame) {
  Harness h("\nH\n\n1\n1\n1\n", {0, 10, 10});
  makeClass(h.state, "Slash", "Bash");
  h.state.PlayerHealth = 15;
  h.state.PlayerIntellect = 6;
  h.state.BasementColumn = 1;
  h.state.BasementRow = 1;
  EXPECT_EQ(h.play(exploreBasement), Ending::Died);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"it doesn't look like he was supposed to do this...",
       "The robot flails around at you, bashing you a couple times with his arms!",
       "Your sword cuts deep, into the robot, but only a couple gears fall out.",
       "The robots backhands you with its stiff arms!",
       "You slice the robot's head off, and his decapitated body falls over still sparking.",
       "The robots backhands you with its stiff arms!"}));
  EXPECT_TRUE(h.output().ends_with("arms!\nThere are doors North, and West\n"));
  EXPECT_EQ(h.state.PlayerHealth, 0);
  EXPECT_EQ(h.state.FirstRobotWaiting, 0);
}

TEST(Automaton, ASneakAlwaysWorksAndApplesEndTheFightAfterAPickedGear) {
  Harness sneak("\nR\n");
  EXPECT_EQ(runRoom(sneak, firstRobotRoom), RoomEnd::EndStep);
  Harness h("\nH\n\n2\n\n\nA\n\n", {2});
  makeClass(h.state, "Stab", "Pickpocket");
  h.state.Apples = 1;
  EXPECT_EQ(runRoom(h, secondRobotRoom), RoomEnd::EndStep);
  EXPECT_TRUE(
      hasLinesInOrder(h.lines(), {"This could come in handy later...", "You have 2 gears"}));
  EXPECT_EQ(h.state.PlayerHealth, 45);  // no turn after the apples
  EXPECT_EQ(h.state.SecondRobotWaiting + sneak.state.FirstRobotWaiting, 2);
}

TEST(Rats, BiteForHalfTheirNumberRoundedDown) {
  // Stab to 5 rats, then five Pickpockets: 4, 3, 2, 1 and none left; the swarm of 1 bites for 0.
  Harness h("H\n1\n2\n\n\n2\n\n\n2\n\n\n2\n\n\n2\n\n\n", {10});
  makeClass(h.state, "Stab", "Pickpocket");
  EXPECT_EQ(runRoom(h, secondRatRoom), RoomEnd::GoOn);
  EXPECT_EQ(occurrences(h.output(), kRatsBite), 5);
  EXPECT_EQ(h.state.PlayerHealth, 50 - 5 - (2 + 2 + 1 + 1 + 0));
  EXPECT_TRUE(
      h.output().ends_with("into the wall\nThere are doors North, East, West, and South\n"));
}

TEST(Rats, ApplesLetThePlayerEscapeAndTheSwarmWaitsAnewNextTime) {
  Harness h("H\nA\n\nH\n");
  makeClass(h.state, "Stab", "Pickpocket");
  h.state.Apples = 1;
  RoomEnd first = RoomEnd::GoOn;
  h.play([&](Context& c) {
    first = firstRatRoom(c);
    c.state.FirstRatCount = 4;
    firstRatRoom(c);
  });
  EXPECT_EQ(first, RoomEnd::EndStep);
  EXPECT_EQ(h.state.FirstRatsWaiting, 1);
  EXPECT_EQ(h.state.FirstRatCount, 10);
  EXPECT_EQ(occurrences(h.output(), kRatsBite), 0);
  EXPECT_TRUE(h.output().ends_with("Attack them head on! (H)\nStab(1) Pickpocket(2) \n"));
}

}  // namespace
}  // namespace qm::testing
