#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "art/pictures.h"

namespace qm::art {

// The two panels of the character sheet: a shaded bust of the race on the left and one of the
// class on the right. Every row is exactly kPortraitWidth characters, drawn only with
// + # @ ' ; : . , ` and blanks, so the panels line up under their captions.
inline constexpr std::size_t kPortraitWidth = 17;
inline constexpr std::size_t kPortraitHeight = 15;

// The race panels. The Human's tall hat takes one row more than the other races.
extern const std::array<std::string_view, 16> kHumanPortrait;
extern const std::array<std::string_view, kPortraitHeight> kLacertiPortrait;
extern const std::array<std::string_view, kPortraitHeight> kIlmungaePortrait;
extern const std::array<std::string_view, kPortraitHeight> kPearPortrait;

// The class panels, the same whatever the race.
extern const std::array<std::string_view, kPortraitHeight> kThiefPortrait;
extern const std::array<std::string_view, kPortraitHeight> kWizardPortrait;
extern const std::array<std::string_view, kPortraitHeight> kKnightPortrait;
extern const std::array<std::string_view, kPortraitHeight> kHunterPortrait;

}  // namespace qm::art
