// Writes the seed corpus: short real plays from creation to each place, fight and quest step.
// Each seed is one byte counting the draw bytes, the draw bytes (each draw is byte % range +
// offset, so a byte below the range is the draw's result less its offset), then the typed text.
// The answers are built as the tests build theirs (tests/support/players.h).
//
//     quillmarrow_make_seeds fuzz/corpus
//
// rewrites fuzz/corpus/seed-*. Check a play with `quillmarrow_fuzz_replay --show FILE`.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/players.h"

namespace {

using qm::testing::answers;
using Draws = std::vector<std::uint8_t>;

// Answers, each followed by more empty lines than any run of pauses before the next question.
std::string play(std::initializer_list<std::string_view> words) {
  return answers(words, 12);
}

Draws operator+(Draws first, const Draws& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// The six stat dice, then the creation draws: three name parts, the male first name, the home
// place, the event and the age.
const Draws kStrong = {5, 5, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0, 1, 8};
const Draws kClever = {0, 0, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0, 1, 8};
const Draws kBrute = {5, 5, 0, 0, 5, 5, 0, 0, 0, 0, 0, 0, 1, 8};
const Draws kWeak = {0, 0, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 1, 8};

// A chosen Man with the generated name, the joke waved off, the class, the confirmation, and
// the arrival's pauses.
std::string create(std::string_view playerClass, std::string_view joke = "I",
                   std::string_view confirm = "Y") {
  return "\nC M\nM\nR\n\n\n\n\nRoll\n" + std::string(joke) + "\n\n" + std::string(playerClass) +
         "\n\n" + std::string(confirm) + "\n\n\n\n\n\n\n";
}

void seed(const std::filesystem::path& corpus, std::string_view name, const Draws& draws,
          const std::string& text) {
  std::ofstream file(corpus / ("seed-" + std::string(name)), std::ios::binary);
  file.put(static_cast<char>(draws.size()));
  for (const std::uint8_t draw : draws)
    file.put(static_cast<char>(draw));
  file << text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillmarrow_make_seeds CORPUS_FOLDER\n");
    return 2;
  }
  const std::filesystem::path corpus = argv[1];
  std::filesystem::create_directories(corpus);
  const std::string toTheHideout =
      create("W") + play({"I", "S", "D", "M", "S", "D", "S", "C", "F", "H", "H", "N", "H"}) +
      play({"L", "R", "2", "I", "S", "H", "1", "1", "1", "1", "D"});

  seed(corpus, "title-only", {}, "");
  seed(corpus, "refused-then-accepted", kStrong + Draws{1, 2, 3, 4, 1, 2, 3, 4, 5, 5, 5, 5, 0, 0},
       create("K", "H H H", "N") + create("K") + play({"W", "2", "W", "-1", "x", "30"}));
  seed(corpus, "random-female-writer", {1, 2, 3, 4, 5, 0, 2, 1, 3, 1, 4, 2, 3, 9, 5},
       "\nR\nF\nW\nAnna\n\n\n\n\nroll\nH\nH\nH\n\nY\nH\n\nY\n\n\n\n\n\n\n" + play({"W", "5"}));
  seed(corpus, "pear-and-hints", {0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 0, 3, 2, 1},
       "\nx C p\nR\nw\nPip\n\n\n\n\n\"Roll\"\nR\nh\ni\n\nw Y T\n\nY\n\n\n\n\n\n\n" +
           play({"L", "B", "b", "N"}));
  seed(corpus, "library-books", kClever, create("W") + play({"L", "B", "B", "N", "L", "R", "N"}));
  seed(
      corpus, "theatre-mystery", kStrong,
      create("K") + play({"W", "6", "T", "S", "S", "S", "B", "X", "X", "L", "D", "C", "D", "P", "D",
                          "D", "V", "L", "S", "X", "L", "R", "Y", "H", "R", "Y", "S", "E", "T"}));
  seed(corpus, "theatre-early-and-poor", kWeak,
       create("H") + play({"T", "W", "20", "T", "S", "L", "W", "1", "T"}));
  seed(
      corpus, "vendors-every-stall", kBrute + Draws{3, 1, 0},
      create("T") + play({"W", "1", "V", "F", "S", "3", "F", "S", "999", "D", "Y", "Y", "H", "S",
                          "Y", "W", "S", "D", "F", "B", "F", "D", "H",   "W", "B", "F", "N", "I"}));
  seed(corpus, "vendors-cane-to-death", kWeak,
       create("H") + play({"W", "1", "V", "F", "B", "F", "B", "F", "B", "F", "B", "F",
                           "B", "F", "B", "F", "B", "F", "B", "F", "B", "F", "B", "I"}));
  seed(corpus, "blacksmith-fire-and-sweeping", kClever,
       create("W") + play({"B", "R", "1", "R", "2", "W", "B", "S", "W", "30", "B", "S"}));
  seed(corpus, "blacksmith-fire-help-and-cpr", kWeak + Draws{2},
       create("T") + play({"B", "R", "2", "R", "A", "G", "C", "B"}));
  seed(corpus, "waiting-and-hooligans", kStrong + Draws{3, 3, 15},
       create("K") + play({"W", "8", "W", "30", "W", "2147483647", "W", "0"}));
  seed(corpus, "shrimp-stranger-and-owen", kStrong + Draws{16, 15, 19, 0, 15, 19, 0, 15, 19, 0},
       toTheHideout);
  seed(corpus, "shrimp-room-robbery-and-refusals", kBrute + Draws{3, 17, 10},
       create("T") + play({"I", "S", "D", "C", "I", "R", "S", "R", "S", "S", "L", "I", "S", "S",
                           "L", "I", "S", "L", "D"}));
  seed(corpus, "shrimp-thrown-in-the-water", kWeak,
       create("K") + play({"I", "S", "S", "I", "S", "D", "C", "S", "S", "D", "S", "C", "D", "L"}));
  seed(corpus, "docks-sea-monster",
       kStrong + Draws{16, 15, 19, 0, 15, 19, 0, 15, 19, 0, 10, 1, 10, 1, 10, 1},
       toTheHideout + play({"M"}) + "W\nW\nW\nW\nS\nS\nS\n" +
           play({"F", "1", "1", "1", "W", "A", "D"}));
  seed(corpus, "docks-fishing-and-rocks", kStrong + Draws{0, 1, 2, 2, 0, 1},
       create("K") + play({"I", "S", "D", "M", "S", "L", "M"}) +
           "E\nD d\nW\nF\n\n\nF\n\n\nN\nN\nW\nW\nW\nW\nW\nS\nS\nS\nF\n\n\nH\n\n\nF\n\n\nF\n\n\n" +
           play({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
  seed(
      corpus, "pint-lacerti-and-the-circus-cave",
      kStrong + Draws{10, 14, 10, 14, 10, 14, 10, 14, 10, 14, 10, 14},
      create("W") + play({"I", "P", "D", "B", "H", "2", "Y", "I", "H", "L", "C", "C", "M", "Q", "T",
                          "A", "C", "M", "Q", "T", "M", "C", "S", "1", "1", "1", "1", "1", "1"}));
  seed(corpus, "pint-sour-leader", kBrute,
       create("H") +
           play({"I", "P", "D", "B", "H", "1", "W", "N", "L", "I", "P", "D", "B", "I", "P", "S"}));
  seed(corpus, "circus-bandits", kStrong,
       create("W") + play({"I", "P", "D", "B", "H", "2", "Y", "I", "H", "L", "C", "C", "M", "Q",
                           "T", "B", "C"}));
  seed(corpus, "pint-robbery", kBrute + Draws{12, 3},
       create("T") + play({"I", "P", "S", "R", "I", "P", "S", "P"}));
  seed(corpus, "pint-robot-to-the-crater", kBrute + Draws{20, 12, 15},
       create("T") + play({"I", "P", "R", "P", "1"}) +
           "H\n\n\n\nG\nS\nS\n\nR\nS\n\n\n\n\nR\n2\n\n\n\n\n\nE\n\nH\nI\n\nD\n");
  seed(corpus, "basement-west-wing", kBrute + Draws{20, 10, 0, 15, 0, 12, 0},
       create("T") + play({"I", "P", "R", "P", "1", "H", "G", "W", "H", "1", "1", "1", "1",
                           "W", "S", "S", "S", "S", "S", "S", "L", "O", "E", "H", "1", "1",
                           "1", "1", "1", "E", "1", "1", "1", "N", "N", "M", "W", "S"}));
  seed(corpus, "basement-east-wing", kStrong + Draws{10, 0, 3, 0, 15, 1, 0, 19},
       create("K") + play({"I", "P", "R", "O", "S", "1", "1", "1", "H", "G", "E", "E", "H", "1",
                           "1", "1", "1", "S", "B", "O", "S", "S", "S", "H", "1", "1", "1", "1",
                           "1", "E", "N", "E", "S", "S", "H", "2", "1", "1", "1", "A", "L"}));
  return 0;
}
