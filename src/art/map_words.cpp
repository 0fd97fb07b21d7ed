#include "art/map_words.h"

namespace qm::art {

namespace {

constexpr std::array<std::string_view, 12> kOrdinals = {"first", "second", "third",    "fourth",
                                                        "fifth", "sixth",  "seventh",  "eighth",
                                                        "ninth", "tenth",  "eleventh", "twelfth"};
constexpr std::array<std::string_view, 12> kCardinals = {"one",  "two", "three",  "four",
                                                         "five", "six", "seven",  "eight",
                                                         "nine", "ten", "eleven", "twelve"};

std::string_view nth(const std::array<std::string_view, 12>& words, int place) {
  return place >= 1 && place <= static_cast<int>(words.size())
             ? words[static_cast<std::size_t>(place - 1)]
             : "many";
}

// "the edge above and to the left; rooms below and to the right".
void tellSides(std::string& text, const std::array<Beside, 4>& sides) {
  bool first = true;
  for (std::size_t at = 0; at < sides.size(); ++at) {
    const std::string_view kind = sides[at].kind;
    bool toldBefore = false;
    int count = 0;
    for (std::size_t other = 0; other < sides.size(); ++other) {
      toldBefore = toldBefore || (other < at && sides[other].kind == kind);
      count += sides[other].kind == kind ? 1 : 0;
    }
    if (toldBefore) continue;
    text.append(first ? "" : "; ");
    text.append(count > 1 && !sides[at].kinds.empty() ? sides[at].kinds : kind);
    first = false;
    int listed = 0;
    for (const Beside& side : sides) {
      if (side.kind != kind) continue;
      ++listed;
      text.append(listed == 1 ? " " : listed == count ? " and " : ", ").append(side.side);
    }
  }
}

}  // namespace

std::string told(const MapWords& words) {
  std::string text(words.map);
  text.append(", ").append(nth(kCardinals, words.rows)).append(" rows of ");
  text.append(nth(kCardinals, words.columns)).append(" ").append(words.squares);
  text.append(words.compass).append("; ").append(words.who);
  if (words.row < 1) return text.append(" off it");
  if (words.row == 1) {
    text.append(" in the top row");
  } else if (words.row == words.rows) {
    text.append(" in the bottom row");
  } else {
    text.append(" in the ").append(nth(kOrdinals, words.row)).append(" row from the top");
  }
  text.append(", the ").append(nth(kOrdinals, words.column)).append(" ").append(words.square);
  text.append(" from the left; ");
  tellSides(text, words.sides);
  return text;
}

}  // namespace qm::art
