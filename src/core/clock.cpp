#include "core/clock.h"

#include "core/counters.h"

namespace qm {

void wrapClock(GameState& state) {
  if (state.ClockHour > kHoursPerDay) subtract(state.ClockHour, kHoursPerDay);
}

void addHours(GameState& state, int hours) {
  add(state.ClockHour, hours);
}

std::string_view timeOfDayLine(int hour) {
  if (hour < 5 || hour >= 20) return "It's pretty dark";
  if (hour <= 11) return "It's dawn";
  if (hour <= 15) return "It's midday";
  return "It's starting to get dark";
}

}  // namespace qm
