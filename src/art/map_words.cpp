#include "art/map_words.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qm::art {

namespace {

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string_view>& items) {
  std::string text;
  for (std::size_t at = 0; at < items.size(); ++at) {
    if (at > 0) text += at + 1 == items.size() ? " and " : ", ";
    text += items[at];
  }
  return text;
}

}  // namespace

std::string_view ordinal(int place) {
  constexpr std::array<std::string_view, 12> kOrdinals = {"first", "second", "third",    "fourth",
                                                          "fifth", "sixth",  "seventh",  "eighth",
                                                          "ninth", "tenth",  "eleventh", "twelfth"};
  return place >= 1 && place <= static_cast<int>(kOrdinals.size())
             ? kOrdinals[static_cast<std::size_t>(place - 1)]
             : "last";
}

std::string_view cardinal(int count) {
  constexpr std::array<std::string_view, 12> kCardinals = {"one",  "two", "three",  "four",
                                                           "five", "six", "seven",  "eight",
                                                           "nine", "ten", "eleven", "twelve"};
  return count >= 1 && count <= static_cast<int>(kCardinals.size())
             ? kCardinals[static_cast<std::size_t>(count - 1)]
             : "many";
}

std::string rowOf(int row, int count) {
  if (row == 1) return "the top row";
  if (row == count) return "the bottom row";
  return "the " + std::string(ordinal(row)) + " row from the top";
}

std::string whatLiesBeside(std::span<const Beside> sides) {
  std::vector<std::string_view> kinds;
  for (const Beside& beside : sides) {
    if (std::find(kinds.begin(), kinds.end(), beside.kind) == kinds.end()) {
      kinds.push_back(beside.kind);
    }
  }
  std::string text;
  for (const std::string_view kind : kinds) {
    std::vector<std::string_view> onSides;
    std::string_view several;
    for (const Beside& beside : sides) {
      if (beside.kind != kind) continue;
      onSides.push_back(beside.side);
      several = beside.kinds;
    }
    if (!text.empty()) text += "; ";
    text.append(onSides.size() > 1 && !several.empty() ? several : kind);
    text.append(" ").append(listed(onSides));
  }
  return text;
}

}  // namespace qm::art
