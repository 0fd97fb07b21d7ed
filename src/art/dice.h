#pragma once

#include <array>
#include <string_view>

#include "art/pictures.h"

namespace qm::art {

// The dice prompt: two tumbling dice, with the instruction to type Roll on the fourth row.
inline constexpr std::string_view kDiceShows =
    "Two tumbling dice, and the words: Type \"Roll\" to continue";
extern const std::array<std::string_view, 6> kDice;

}  // namespace qm::art
