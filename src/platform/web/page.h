#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/run_storage.h"
#include "core/console.h"
#include "core/platform.h"

// The game in a web page: its text goes to the page's transcript, its answers come from the
// page's input line, its run is kept in the browser's storage. Each piece reaches the page
// through the handful of calls of web/bridge.js.
namespace qm::web {

// The answers the player sends from the input line, one line each; the game waits for the next
// one without blocking the page.
class PageInput final : public InputSource {
 public:
  std::size_t readSome(char* buffer, std::size_t size) override;

 private:
  std::string pending_;  // what a line longer than one read left over
};

// The game's text appended to the transcript, each marked picture as one picture element that
// says what it shows.
class PageOutput final : public OutputSink {
 public:
  void write(std::string_view bytes) override;

 private:
  enum class Reading { Text, PictureName };
  Reading reading_ = Reading::Text;
  std::string name_;  // what the picture being opened shows, as far as it has come
};

// The window title is the page's title; the beep is a short, soft tick.
class PagePlatform final : public Platform {
 public:
  void setWindowTitle(std::string_view title) override;
  void beep(int frequency, int milliseconds) override;
};

// The kept run in the browser's local storage, under one key (web/storage.js), with the newest
// few damaged runs set aside beside it under that key and an ending. One page at a time holds it,
// as one game at a time holds a save file, until its storage is destroyed.
class PageStorage final : public RunStorage {
 public:
  PageStorage() = default;
  ~PageStorage() override;
  PageStorage(const PageStorage&) = delete;
  PageStorage& operator=(const PageStorage&) = delete;

  std::string where() const override { return "this browser's storage"; }
  Claim claim() override;
  Stored read() override;
  std::optional<std::string> write(std::string_view text) override;
  SetAside setAside() override;
  std::optional<std::string> remove() override;

 private:
  bool claimed_ = false;
};

// Whether the player asked for pictures in words (the page's "Pictures in words" box).
bool picturesInWords();

// The text of `?seed=` in the page's address; nothing when it has none.
std::optional<std::string> seedInAddress();

// A line for the player beside the transcript (a kept run that could not be read, say).
void notice(std::string_view text);

// The game has ended: the page says so and offers to play again.
void gameOver();

}  // namespace qm::web
