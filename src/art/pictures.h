#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/console.h"

namespace qm::art {

// A picture is printed a whole line at a time, top to bottom. What it shows, in words, goes with
// it as one picture to a sink that shows pictures as such (a web page and its screen reader).
using Picture = std::span<const std::string_view>;

void draw(Console& console, std::string_view shows, Picture picture);

// The title screen.
inline constexpr std::string_view kCastleShows = "A castle with three flag-topped towers on a hill";
extern const std::array<std::string_view, 14> kCastle;
// The arrival.
inline constexpr std::string_view kSandpointShows =
    "Sandpoint by the sea, with its houses, a tower, boats and birds";
extern const std::array<std::string_view, 11> kSandpoint;
// The end screen.
inline constexpr std::string_view kSharkShows =
    "A shark in side view, tail raised at the upper left, head at the right";
extern const std::array<std::string_view, 16> kShark;

}  // namespace qm::art
