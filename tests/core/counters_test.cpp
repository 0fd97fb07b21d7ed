#include "core/counters.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/harness.h"
#include "town/places.h"

namespace qm::testing {
namespace {

TEST(Counters, StopAtTheEndsOfTheIntRange) {
  struct Case {
    int counter;
    int amount;
    int added;
    int subtracted;
  };
  const Case cases[] = {
      {40, 5, 45, 35},
      {INT_MAX - 2, 5, INT_MAX, INT_MAX - 7},
      {INT_MIN + 2, 5, INT_MIN + 7, INT_MIN},
      {INT_MAX, INT_MAX, INT_MAX, 0},
      {INT_MIN, INT_MIN, INT_MIN, 0},
      {0, INT_MIN, INT_MIN, INT_MAX},
      {-1, INT_MIN, INT_MIN, INT_MAX},
  };
  for (const Case& c : cases) {
    int raised = c.counter;
    int lowered = c.counter;
    add(raised, c.amount);
    subtract(lowered, c.amount);
    EXPECT_EQ(raised, c.added) << c.counter << " + " << c.amount;
    EXPECT_EQ(lowered, c.subtracted) << c.counter << " - " << c.amount;
  }
}

// Scenes played from states no ordinary play reaches, but endless answers could: each change
// stops at the limit instead of wrapping around (the sanitizer build fails on any overflow).
TEST(Counters, ScenesNearTheLimitsNeverWrapAround) {
  struct Case {
    const char* name;
    std::string input;
    void (*scene)(Context&);
    int strength;
    int GameState::*counter;
    int start;
    int expected;
  };
  const std::string street = "\n";  // the pause on the way into the street
  const Case cases[] = {
      {"a Thief burning in the fire", "\n\n\n\nR\n2\nR\n2\n", visitBlacksmith, 9,
       &GameState::PlayerHealth, INT_MIN + 3, INT_MIN},
      {"a weak robber under the cane", street + "F\n\nB\nF\n\nB\n", visitVendors, 4,
       &GameState::PlayerHealth, INT_MIN + 6, INT_MIN},
      {"a strong robber's purse", street + "F\n\nB\nF\nF\n\nB\nF\n", visitVendors, 5,
       &GameState::PlayerGold, INT_MAX - 7, INT_MAX},
      {"a pack full of apples", street + "F\n\nS\n5\n", visitVendors, 9, &GameState::Apples,
       INT_MAX - 1, INT_MAX},
  };
  for (const Case& c : cases) {
    Harness h(c.input);
    h.state.ClockHour = 10;
    h.state.SecondaryAbility = "Pickpocket";
    h.state.PlayerStrength = c.strength;
    h.state.*c.counter = c.start;
    EXPECT_EQ(h.play(c.scene), Ending::InputEnded) << c.name;
    EXPECT_EQ(h.state.*c.counter, c.expected) << c.name;
  }
}

}  // namespace
}  // namespace qm::testing
