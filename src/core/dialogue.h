#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "core/context.h"

namespace qm {

// A pause in a piece of narration.
struct PauseMark {};
inline constexpr PauseMark kPause{};

// One step of narration: a line to print, or a pause. A default Say is an unused slot, so fixed
// arrays of them can hold narrations of different lengths.
class Say {
 public:
  constexpr Say() = default;
  constexpr Say(const char* text) : text_(text) {}  // NOLINT: lines are written as plain literals
  constexpr Say(PauseMark) : pause_(true) {}        // NOLINT

  constexpr bool isPause() const { return pause_; }
  constexpr bool isUsed() const { return pause_ || text_ != nullptr; }
  constexpr std::string_view text() const { return text_ ? std::string_view(text_) : ""; }

 private:
  const char* text_ = nullptr;
  bool pause_ = false;
};

// A narration stored in a table; unused slots at the end are skipped.
using Script = std::array<Say, 6>;

// Prints the lines in order, pausing where the narration says.
void tell(Console& console, std::span<const Say> narration);
void tell(Console& console, std::initializer_list<Say> narration);

// True when `answer` is one of `letters` (capitals or digits) in either case.
bool answersWith(std::string_view answer, std::string_view letters);

// Ask-until-valid: reads words into `answer` until one is an offered letter; unmatched words are
// dropped without a word said. Returns the letter as written in `letters`.
char askLetter(Console& console, std::string& answer, std::string_view letters);

// Ask-until-valid into the usual answer word, RaceChoice.
char ask(Context& context, std::string_view letters);

// Prints the option line once, then asks until one of `letters` is given.
char menu(Context& context, std::string_view options, std::string_view letters);

// Re-prompt: prints the option line again before every read.
char askRepeating(Context& context, std::string_view options, std::string_view letters);

// Where a choice at a place's menu leaves the player: at the menu again, or back at the hub.
enum class Next { Stay, BackToHub };

// A place's menu, shown and answered by `visitOnce` until a choice leads back to the hub.
void untilBackToHub(Context& context, Next (*visitOnce)(Context& context));

}  // namespace qm
