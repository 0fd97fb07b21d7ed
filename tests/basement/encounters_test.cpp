#include "basement/encounters.h"

#include <gtest/gtest.h>

#include <string>

#include "basement/basement.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

void makeClass(GameState& state, std::string_view primary, std::string_view secondary) {
  state.PrimaryAbility = primary;
  state.SecondaryAbility = secondary;
}

RoomEnd runRoom(Harness& h, RoomBlock room) {
  RoomEnd end = RoomEnd::GoOn;
  EXPECT_EQ(h.play([&](Context& c) { end = room(c); }), Ending::Returned);
  return end;
}

TEST(Zombie, ShamblesUpOnceThenItsFumbleAndTwoHitsLeaveItAtMinusTwo) {
  // The approach counter starts at 1; a miss and a fumble, a wound and a tickle, the finish.
  Harness h("\nH\n\n1\n1\n1\n", {1, 0, 1, 10, 15, 19, 7});
  makeClass(h.state, "Slash", "Bash");
  EXPECT_EQ(runRoom(h, secondZombieRoom), RoomEnd::GoOn);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You slash wildly at the creation, but he's moving too... slowly? and you, miss.",
       "The monster is still walking towards you...", "The monsters arm suddenly falls off!",
       "You slice his arm off! But he keeps coming!", "The monster tickles you!",
       "You cut him in half like cheddar cheese!", "The monster is now dead, lying on the floor",
       "There are doors North West East and South"}));
  EXPECT_EQ(occurrences(h.output(), "The monster is still walking towards you..."), 1);
  EXPECT_EQ(h.state.SecondZombieHealth, -2);
  EXPECT_EQ(h.state.PlayerHealth, 48);
  EXPECT_EQ(h.state.SecondZombieWaiting, 0);
}

TEST(Zombie, ASneakAlwaysFailsAndHurtsAndASuggestionEndsTheFightBeforeItActs) {
  Harness h("\nR\n\n2\n\n\n", {1, 6});
  makeClass(h.state, "Magic Missile", "Suggestion");
  EXPECT_EQ(runRoom(h, firstZombieRoom), RoomEnd::GoOn);
  EXPECT_EQ(h.state.PlayerHealth, 45);
  EXPECT_EQ(occurrences(h.output(), "The monster is still walking towards you..."), 0);
  EXPECT_EQ(occurrences(h.output(), "The zombie scratches you!"), 0);
  EXPECT_TRUE(h.output().ends_with(
      "The creature collapses on the floor!\nThe monster is now dead, lying on the floor\n"));
  EXPECT_EQ(h.state.FirstZombieWaiting, 0);
}

TEST(Peon, SlipsByOnHalfTheRollsAndLeavesTheRoomWaiting) {
  for (const auto& [roll, slipsBy] : {std::pair{10, true}, std::pair{9, false}}) {
    Harness h("\nR\n\n", {roll});
    EXPECT_EQ(h.play(firstPeonRoom), slipsBy ? Ending::Returned : Ending::InputEnded);
    EXPECT_EQ(occurrences(h.output(), "While you are trying to leave, he suddenly notices!"),
              slipsBy ? 0 : 1);
    EXPECT_EQ(occurrences(h.output(), "He starts coming at you with the toothbrush!"),
              slipsBy ? 0 : 1);
    EXPECT_EQ(h.state.FirstPeonWaiting, 1);
  }
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
  EXPECT_EQ(occurrences(sneak.output(), "All of a sudden"), 0);

  Harness h("\nH\n\n2\n\n\nA\n\n", {2});
  makeClass(h.state, "Stab", "Pickpocket");
  h.state.Apples = 1;
  EXPECT_EQ(runRoom(h, secondRobotRoom), RoomEnd::EndStep);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(), {"This could come in handy later...", "You have 2 gears",
                  "The robot flails around at you, bashing you a couple times with his arms!"}));
  EXPECT_EQ(h.state.PlayerHealth, 45);  // no turn after the apples
  EXPECT_EQ(h.state.Apples, 0);
  EXPECT_EQ(h.state.SecondRobotWaiting + sneak.state.FirstRobotWaiting, 2);
}

TEST(Rats, BiteForHalfTheirNumberRoundedDown) {
  // Stab to 5 rats, then five Pickpockets: 4, 3, 2, 1 and none left; the swarm of 1 bites for 0.
  Harness h("H\n1\n2\n\n\n2\n\n\n2\n\n\n2\n\n\n2\n\n\n", {10});
  makeClass(h.state, "Stab", "Pickpocket");
  EXPECT_EQ(runRoom(h, secondRatRoom), RoomEnd::GoOn);
  EXPECT_EQ(occurrences(h.output(), "The rats jump up and bite at you!"), 5);
  EXPECT_EQ(h.state.PlayerHealth, 50 - 5 - (2 + 2 + 1 + 1 + 0));
  EXPECT_EQ(h.state.SecondRatCount, 0);
  EXPECT_TRUE(
      h.output().ends_with("into the wall\nThere are doors North, East, West, and South\n"));
}

TEST(Rats, BashAndTameFinishThemOnlyAtTheirThresholds) {
  Harness knight("H\n2\n1\n2\n", {10});
  makeClass(knight.state, "Slash", "Bash");
  runRoom(knight, firstRatRoom);
  EXPECT_TRUE(hasLinesInOrder(
      knight.lines(),
      {"You run into the rats with your shield, but there are to many to move!",
       "You slash at the rats, and start to thin their numbers.",
       "You smash the rest of the rats into the wall, and the survivors scurry away"}));
  EXPECT_EQ(knight.state.PlayerHealth, 43);

  Harness hunter("H\n2\n\n2\n\n", {9, 10});
  makeClass(hunter.state, "Shoot", "Tame");
  runRoom(hunter, firstRatRoom);
  EXPECT_TRUE(hasLinesInOrder(hunter.lines(),
                              {"You look like an idiot!", "The rats jump up and bite at you!",
                               "They disperse back into the walls!"}));
  EXPECT_EQ(hunter.state.PlayerHealth, 45);
  EXPECT_EQ(knight.state.FirstRatsWaiting + hunter.state.FirstRatsWaiting, 0);
}

TEST(Rats, ApplesLetThePlayerEscapeAndTheSwarmWaitsAnewNextTime) {
  Harness h("H\nA\n\nH\n");
  makeClass(h.state, "Stab", "Pickpocket");
  h.state.Apples = 1;
  RoomEnd first = RoomEnd::GoOn;
  EXPECT_EQ(h.play([&](Context& c) {
    first = firstRatRoom(c);
    c.state.FirstRatCount = 4;
    firstRatRoom(c);
  }),
            Ending::InputEnded);
  EXPECT_EQ(first, RoomEnd::EndStep);
  EXPECT_EQ(h.state.Apples, 0);
  EXPECT_EQ(h.state.FirstRatsWaiting, 1);
  EXPECT_EQ(h.state.FirstRatCount, 10);
  EXPECT_EQ(occurrences(h.output(), "The rats jump up and bite at you!"), 0);
  EXPECT_TRUE(h.output().ends_with("Attack them head on! (H)\nStab(1) Pickpocket(2) \n"));
}

}  // namespace
}  // namespace qm::testing
