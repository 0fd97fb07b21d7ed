#include "art/poster.h"

namespace qm::art {

const std::array<std::string_view, 15> kTheatrePoster = {
    // clang-format off
    R"(                     __________________)",
    R"(                    |                  |)",
    R"(                    |                  |)",
    R"(                    |   SHOW MIDDAY    |)",
    R"(                    |     15 GOLD      |)",
    R"(                    |                  |)",
    R"(                    |     "SPOOOKY     |)",
    R"(                    |     BOWLING      |)",
    R"(                    |     CONFLICT"    |)",
    R"(                    |   .--.   _   _   |)",
    R"(                    |  /o o \ ( ) ( )  |)",
    R"(                    |  \  o / / \ / \  |)",
    R"(                    |   '--'  \_/ \_/  |)",
    R"(                    |                  |)",
    R"(                    |__________________|)",
    // clang-format on
};

}  // namespace qm::art
