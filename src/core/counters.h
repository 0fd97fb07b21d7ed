#pragma once

#include <algorithm>
#include <limits>

namespace qm {

// Every change to a game counter (health, gold, apples, gears, hit points, hours, moods) goes
// through these. A counter stops at the ends of the int range instead of overflowing, so no
// sequence of answers, however long, can wrap it around; within ordinary play they are plain
// addition and subtraction.

constexpr int saturated(long long value) {
  constexpr long long kLowest = std::numeric_limits<int>::min();
  constexpr long long kHighest = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(value, kLowest, kHighest));
}

constexpr int sum(int counter, int amount) {
  return saturated(static_cast<long long>(counter) + amount);
}

constexpr void add(int& counter, int amount) {
  counter = sum(counter, amount);
}

constexpr void subtract(int& counter, int amount) {
  counter = saturated(static_cast<long long>(counter) - amount);
}

}  // namespace qm
