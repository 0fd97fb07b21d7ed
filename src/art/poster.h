#pragma once

#include <array>
#include <string_view>

namespace qm::art {

// The sign on the theatre's door: the midday show, its price and title, and a bowling ball
// beside two pins, in a frame 20 blanks in from the left edge. Its words are told as written.
inline constexpr std::string_view kTheatrePosterShows =
    "The theatre's sign: SHOW MIDDAY, 15 GOLD, \"SPOOOKY BOWLING CONFLICT\", and a bowling "
    "ball beside two pins";
extern const std::array<std::string_view, 15> kTheatrePoster;

}  // namespace qm::art
