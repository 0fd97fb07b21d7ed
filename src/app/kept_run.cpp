#include "app/kept_run.h"

#include <utility>

#include "app/saved_run.h"

namespace qm {

KeptRun::KeptRun(RunStorage& storage, std::function<void(std::string_view)> notice)
    : storage_(storage), notice_(std::move(notice)) {}

std::optional<GameState> KeptRun::open() {
  const std::string where = storage_.where();
  const RunStorage::Claim claim = storage_.claim();
  if (claim.heldElsewhere) {
    notice_("the run in " + where +
            " is being played in another game: this game is neither resumed nor kept");
    return std::nullopt;
  }
  if (claim.error) {
    notice_("cannot take the run in " + where + " for this game alone (" + *claim.error +
            "): this game is neither resumed nor kept");
    return std::nullopt;
  }
  const RunStorage::Stored stored = storage_.read();
  if (stored.error) {
    notice_("cannot read the run in " + where + " (" + *stored.error +
            "): this game is not kept, so that run stays as it is");
    return std::nullopt;
  }
  keeping_ = true;
  if (!stored.found) return std::nullopt;
  SavedRun saved = readSavedRun(stored.text);
  switch (saved.status) {
    case SavedRun::Status::Whole: kept_ = stored.text; return std::move(saved.state);
    case SavedRun::Status::Newer:
      keeping_ = false;
      notice_(where + " was written by a newer version of Quillmarrow: it is left as it is, and " +
              "this game is not kept");
      return std::nullopt;
    case SavedRun::Status::Damaged: break;
  }
  const RunStorage::SetAside aside = storage_.setAside();
  if (aside.error) {
    keeping_ = false;
    notice_("the run in " + where + " is damaged (" + saved.problem +
            ") and cannot be moved aside (" + *aside.error + "): this game is not kept");
  } else {
    notice_("the run in " + where + " is damaged (" + saved.problem + "): it is kept as " +
            aside.name + ", and a new game starts");
  }
  return std::nullopt;
}

void KeptRun::atTheHub(const GameState& state) {
  if (!keeping_) return;
  std::string text = writeSavedRun(state);
  if (text == kept_) return;
  if (const std::optional<std::string> error = storage_.write(text)) {
    if (!failedToWrite_) {
      notice_("cannot keep the run in " + storage_.where() + " (" + *error +
              (kept_.empty() ? "): the game plays on, and no run is kept there"
                             : "): the game plays on, and the run kept before stays as it was"));
    }
    failedToWrite_ = true;
    return;
  }
  kept_ = std::move(text);
}

void KeptRun::forget() {
  if (!keeping_) return;
  keeping_ = false;
  kept_.clear();
  if (const std::optional<std::string> error = storage_.remove()) {
    const std::string where = storage_.where();
    notice_("cannot remove the run in " + where + " (" + *error +
            "): the character's death ends it all the same; remove " + where +
            " by hand, or the next game will offer it again");
  }
}

}  // namespace qm
