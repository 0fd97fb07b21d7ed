#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "art/portraits.h"
#include "core/dialogue.h"
#include "creation/steps.h"

namespace qm::creation {

namespace {

using art::kPortraitWidth;

// Each panel is kPortraitWidth columns wide and stands kPanelGap blanks right of what comes
// before it. The top edge covers the inner columns of both panels, one column short of each
// side: 14 blanks, 15 underscores, 15 blanks, 15 underscores.
constexpr std::size_t kPanelGap = 13;
constexpr std::size_t kCaptionWidth = kPortraitWidth - 2;
constexpr std::string_view kTopEdge = "              _______________               _______________";
const std::string kGap(kPanelGap, ' ');
const std::string kBlankRow(kPortraitWidth, ' ');

// One panel of the portrait: the picture for a race or class and its caption.
struct Panel {
  std::string_view name;     // as PlayerRace or PlayerClass holds it
  std::string_view caption;  // the name in capitals
  art::Picture picture;
};

const std::array<Panel, 4> kRacePanels = {{
    {"Human", "HUMAN", art::kHumanPortrait},
    {"Lacerti", "LACERTI", art::kLacertiPortrait},
    {"Ilmungae", "ILMUNGAE", art::kIlmungaePortrait},
    {"Pear", "PEAR", art::kPearPortrait},
}};

const std::array<Panel, 4> kClassPanels = {{
    {"Thief", "THIEF", art::kThiefPortrait},
    {"Wizard", "WIZARD", art::kWizardPortrait},
    {"Knight", "KNIGHT", art::kKnightPortrait},
    {"Hunter", "HUNTER", art::kHunterPortrait},
}};

// Creation always sets one of the four names; the last panel stands in for anything else.
const Panel& panelOf(const std::array<Panel, 4>& panels, const std::string& name) {
  const auto found = std::find_if(panels.begin(), panels.end(),
                                  [&name](const Panel& panel) { return panel.name == name; });
  return found != panels.end() ? *found : panels.back();
}

// A caption is as wide as its panel: the angle brackets stand on the panel's outer columns and
// the capitals are centred in the 15 columns between them, right under the top edge. When the
// blanks do not split evenly, the odd one goes to the right ("<     PEAR      >").
std::string caption(std::string_view capitals) {
  std::string text(kPortraitWidth, ' ');
  text.front() = '<';
  text.replace(1 + (kCaptionWidth - capitals.size()) / 2, capitals.size(), capitals);
  text.back() = '>';
  return text;
}

// Row `row` of a picture in a panel `rows` high. Only the Human's picture has a 16th row; the
// class picture next to it then starts with a blank row, so that both busts end with their
// shoulders on the same bottom row.
std::string_view rowOf(art::Picture picture, std::size_t row, std::size_t rows) {
  const std::size_t blankRowsOnTop = rows - picture.size();
  return row < blankRowsOnTop ? std::string_view(kBlankRow) : picture[row - blankRowsOnTop];
}

}  // namespace

// The town's quests and welcomes start afresh with every new character.
void prepareTown(GameState& state) {
  setTownMoods(state, kNewcomer);
  state.OldManStage = kOldManNotMet;
  state.HatchStage = kHatchHidden;
  state.MessTentSearched = 0;
  state.QuartersSearched = 0;
  state.AnimalTentsSearched = 0;
  state.CaveUnlocked = 0;
}

// The race panel on the left, the class panel on the right, printed row by row.
void drawPortrait(Console& console, const GameState& state) {
  const Panel& race = panelOf(kRacePanels, state.PlayerRace);
  const Panel& job = panelOf(kClassPanels, state.PlayerClass);
  console.beginPicture("The portraits of the " + std::string(race.name) + " and the " +
                       std::string(job.name));
  console.line(kTopEdge);
  console.line(kGap, caption(race.caption), kGap, caption(job.caption));
  const std::size_t rows = std::max(race.picture.size(), job.picture.size());
  for (std::size_t row = 0; row < rows; ++row) {
    console.line(kGap, rowOf(race.picture, row, rows), kGap, rowOf(job.picture, row, rows));
  }
  console.line();
  console.endPicture();
}

bool confirmCharacter(Context& context) {
  context.console.line("Are you okay with this?");
  return menu(context, "Sure (Y) No, I want to try again (N)", "YN") == 'Y';
}

}  // namespace qm::creation
