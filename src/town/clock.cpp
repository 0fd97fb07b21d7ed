#include "town/clock.h"

#include <limits>

namespace qm {

void wrapClock(GameState& state) {
  if (state.ClockHour > 24) state.ClockHour -= 24;
}

void addHours(GameState& state, int hours) {
  constexpr long long kLatest = std::numeric_limits<int>::max();
  const long long later = static_cast<long long>(state.ClockHour) + hours;
  state.ClockHour = static_cast<int>(later > kLatest ? kLatest : later);
}

std::string_view timeOfDayLine(int hour) {
  if (hour < 5 || hour >= 20) return "It's pretty dark";
  if (hour <= 11) return "It's dawn";
  if (hour <= 15) return "It's midday";
  return "It's starting to get dark";
}

}  // namespace qm
