#include "core/clock.h"

#include <gtest/gtest.h>

#include <climits>
#include <string_view>

#include "support/harness.h"
#include "support/tables.h"
#include "town/hub.h"

namespace qm::testing {
namespace {

// The clock's one band end that no transcript plays on both sides, each row beside the mutant it
// kills (tools/mutate, with and without the tables); the transcripts below play every other
// threshold on both sides.
TEST(Clock, DecisionsAtTheirEdges) {
  const auto hubPass = [](Context& c) { runHub(c); };
  const auto hour = [](int h) { return set(&GameState::ClockHour, h); };
  constexpr std::string_view kDark = "It's pretty dark";
  constexpr std::string_view kDawn = "It's dawn";
  constexpr std::string_view kMidday = "It's midday";
  checkEdges(hubPass, {},
             {
                 {"hour 4: dark", hour(4), "", {}, kDark, true},
                 {"hour 5: no longer dark", hour(5), "", {}, kDark, false},
                 {"hour 11: dawn", hour(11), "", {}, kDawn, true},
                 {"hour 12: no longer dawn", hour(12), "", {}, kDawn, false},
                 {"hour 15: midday", hour(15), "", {}, kMidday, true},
                 {"hour 16: no longer midday", hour(16), "", {}, kMidday, false},
                 {"hour 19: not yet dark", hour(19), "", {}, kDark, false},
                 {"hour 20: dark", hour(20), "", {}, kDark, true},
                 {"hour 24, left unwrapped: dark", hour(24), "", {}, kDark, true},
             });
}

TEST(Clock, WrapsOnceAPassAndLeaves24Alone) {
  GameState state;
  state.ClockHour = 24;
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 24);
  state.ClockHour = 25;
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 1);
  state.ClockHour = 60;
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 36);
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 12);
}

TEST(Clock, NeverOverflows) {
  GameState state;
  state.ClockHour = 20;
  addHours(state, INT_MAX);
  EXPECT_EQ(state.ClockHour, INT_MAX);
  addHours(state, 5);
  EXPECT_EQ(state.ClockHour, INT_MAX);
}

}  // namespace
}  // namespace qm::testing
