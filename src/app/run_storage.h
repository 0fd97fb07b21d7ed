#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// No kept run comes near this size; a storage reads at most a byte more, and the reader refuses
// a text larger than this.
inline constexpr std::size_t kLargestSave = 64 * 1024;

// Where a kept run's text lives: a file on a desktop system (platform/), the page's storage in
// a browser. Every call reports a failure as a short reason instead of throwing.
class RunStorage {
 public:
  virtual ~RunStorage() = default;

  // Where the run is kept, for messages: the file's path.
  virtual std::string where() const = 0;

  // Takes the run for this game alone, until the storage is destroyed. It is not taken when
  // another game holds it, or when the storage cannot tell (`error` says why).
  struct Claim {
    bool heldElsewhere = false;
    std::optional<std::string> error;
    bool operator==(const Claim&) const = default;
  };
  virtual Claim claim() = 0;

  struct Stored {
    bool found = false;  // nothing kept yet is no error
    std::string text;    // at most a byte more than the largest save
    std::optional<std::string> error;
  };
  virtual Stored read() = 0;

  // Replaces the kept text with `text`, whole: at every moment the old text or the new one is
  // kept, never a mix. The reason, when it cannot.
  virtual std::optional<std::string> write(std::string_view text) = 0;

  // Moves the kept text out of the way under another name (a damaged run, kept for the curious);
  // that name, or the reason it could not.
  struct SetAside {
    std::string name;
    std::optional<std::string> error;
  };
  virtual SetAside setAside() = 0;

  // Removes the kept text for good; the reason, when it cannot. Nothing kept is no error.
  virtual std::optional<std::string> remove() = 0;
};

// How many damaged runs can stand beside a save: FILE.damaged, FILE.damaged.2 and so on.
inline constexpr int kMostSetAside = 99;

// Sets a damaged run aside under the first of its names that is not `taken`, so that no run set
// aside before is lost; `move` moves it to that name and gives the reason when it cannot.
RunStorage::SetAside setAsideUnderAFreeName(
    const std::string& save, const std::function<bool(const std::string&)>& taken,
    const std::function<std::optional<std::string>(const std::string&)>& move);

// How many damaged runs the page keeps beside its run: a player of the page cannot remove them by
// hand, as one at a terminal can remove files, so the oldest go once there are more.
inline constexpr int kNewestSetAsideKept = 3;

// Sets a damaged run aside under the name after the newest of those set aside before (SAVE.damaged,
// then SAVE.damaged.2 and on), among all the names the storage holds (`names`), so that no name
// once told to the player is given to another run; then `drop`s those set aside before the last
// `keep` (with the new one). `move` moves the run to its name and gives the reason when it
// cannot; then nothing is dropped.
RunStorage::SetAside setAsideKeepingTheNewest(
    const std::string& save, const std::vector<std::string_view>& names, int keep,
    const std::function<std::optional<std::string>(const std::string&)>& move,
    const std::function<void(const std::string&)>& drop);

// ---- What the save files of every system do alike --------------------------------------------

// Whether a path names a folder whatever is on the disk: its last part, after the last of
// `separators`, is empty, "." or "..". Such a path is never a save, and a lock or a temporary
// made from it would land inside that folder.
bool namesAFolder(std::string_view path, std::string_view separators);

// Calls `make` with each folder that leads to `path`, outermost first: the path up to each of
// its separators but a leading one.
void makeFoldersLeadingTo(std::string_view path, std::string_view separators,
                          const std::function<void(const std::string&)>& make);

// What one read of a file gave: some bytes (none at its end), or the reason it failed.
struct ReadSome {
  std::size_t count = 0;
  std::optional<std::string> error;
};

// Reads a kept run into `stored` with `read`, up to a byte past the largest save, enough to tell
// a file that is too large, and no further.
void readUpToPastTheLargestSave(RunStorage::Stored& stored,
                                const std::function<ReadSome(char*, std::size_t)>& read);

}  // namespace qm
