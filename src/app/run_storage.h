#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// Where a kept run's text lives: a file on a desktop system (platform/), the page's storage in
// a browser. Every call reports a failure as a short reason instead of throwing.
class RunStorage {
 public:
  virtual ~RunStorage() = default;

  // Where the run is kept, for messages: the file's path.
  virtual std::string where() const = 0;

  // Takes the run for this game alone, until the storage is destroyed; false when another game
  // holds it.
  virtual bool claim() = 0;

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

  // Removes the kept text for good.
  virtual void remove() = 0;
};

// How many damaged runs can stand beside a save: FILE.damaged, FILE.damaged.2 and so on.
inline constexpr int kMostSetAside = 99;

// Sets a damaged run aside under the first of its names that is not `taken`, so that no run set
// aside before is lost; `move` moves it to that name and gives the reason when it cannot.
RunStorage::SetAside setAsideUnderAFreeName(
    const std::string& save, const std::function<bool(const std::string&)>& taken,
    const std::function<std::optional<std::string>(const std::string&)>& move);

}  // namespace qm
