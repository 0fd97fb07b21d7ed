#include "art/dice.h"

namespace qm::art {

const std::array<std::string_view, 6> kDice = {
    R"(                                        ,    `       '   .)",
    R"(                                        _____        _____)",
    R"(                                       /\ o  \      / o  /\)",
    R"(        Type "Roll" to continue       /o \____\    /____/o \)",
    R"(                                      \ o/o  o/    \ o  \ o/)",
    R"(                                       \/_o__/      \_o__\/)",
};

}  // namespace qm::art
