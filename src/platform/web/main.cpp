// The game in a web page: the same game routine as the console program, with the page for its
// console and its platform, the browser's storage for its kept run, and `?seed=N` in the address
// for `--seed N`. It has a main of its own, not app/main.cpp's: the page has no command line,
// no standard streams and no terminal, and it must say when the game is over.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "app/options.h"
#include "core/console.h"
#include "core/pictures_in_words.h"
#include "core/random.h"
#include "platform/web/page.h"

int main() {
  std::optional<unsigned> seed;
  if (const std::optional<std::string> seedText = qm::web::seedInAddress()) {
    const std::vector<std::string_view> arguments = {"--seed", *seedText};
    const qm::CommandLine commandLine = qm::parseCommandLine(arguments);
    if (commandLine.action == qm::CommandLine::Action::Refuse) {
      qm::web::notice("quillmarrow: " + commandLine.error);
      qm::web::gameOver();
      return 2;
    }
    seed = commandLine.seed;
  }
  qm::web::PageInput input;
  qm::web::PageOutput output;
  qm::PicturesInWords inWords(output, [] { return qm::web::picturesInWords(); });
  qm::Console console(input, inWords);
  console.markPictures();
  qm::web::PagePlatform platform;
  qm::CLibraryRandom random(seed);
  qm::web::PageStorage storage;
  const int status = qm::runGameKeepingTheRun(console, random, platform, &storage,
                                              [](std::string_view text) { qm::web::notice(text); });
  qm::web::gameOver();
  return status;
}
