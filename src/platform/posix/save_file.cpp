#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "app/system.h"
#include "platform/posix/write_all.h"

namespace qm {

namespace {

std::string reason(int error) {
  return std::strerror(error);
}

constexpr std::string_view kSeparator = "/";
constexpr std::string_view kTemporaryMark = ".tmp-";

// An open file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  Descriptor(Descriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    return *this;
  }

  explicit operator bool() const { return descriptor_ >= 0; }
  int get() const { return descriptor_; }
  // Closes it now, for the close's own error (errno), which a write must not miss.
  bool close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

 private:
  int descriptor_;
};

struct CloseFolder {
  void operator()(DIR* folder) const { ::closedir(folder); }
};
using OpenFolder = std::unique_ptr<DIR, CloseFolder>;

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at, there or not yet: a save kept through a link (into
// a synced folder, say) is replaced where it lies, and the link stays a link. A chain too long
// or a link too long to read is left where it stops; opening it tells what is wrong.
std::string followLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {  // as many as the system itself follows
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
    std::string target(4096, '\0');
    const ssize_t size = ::readlink(path.c_str(), target.data(), target.size());
    if (size <= 0 || static_cast<std::size_t>(size) == target.size()) break;
    target.resize(static_cast<std::size_t>(size));
    path = target.front() == '/' ? target : folderOf(path).append("/").append(target);
  }
  return path;
}

// A rename or a removal is lasting only once the folder that holds the name is on the disk; the
// reason, when that cannot be made sure of. A file system that does not sync folders at all
// (EINVAL) keeps its names as it keeps them.
std::optional<std::string> syncFolder(const std::string& folder) {
  const Descriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!descriptor) return reason(errno);
  if (::fsync(descriptor.get()) != 0 && errno != EINVAL) return reason(errno);
  return std::nullopt;
}

// The lock file, opened to be locked: for writing, made when it is missing; for reading only
// when it is there but cannot be written (left by a game run as another user), since a lock
// needs no more. Nothing when it cannot be opened at all, and `error` says why: why it could not
// be made when there is none (a missing or read-only folder), else why it could not be read.
Descriptor openLockFile(const std::string& path, int& error) {
  Descriptor lock(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (lock) return lock;
  error = errno;
  lock = Descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!lock && errno != ENOENT) error = errno;
  return lock;
}

class SaveFile final : public RunStorage {
 public:
  SaveFile(std::string path, bool makeFolders)
      : shown_(std::move(path)),
        path_(followLinks(shown_)),
        folder_(folderOf(path_)),
        makeFolders_(makeFolders) {}

  std::string where() const override { return shown_; }

  // The lock file stays: removing it would let a third game lock a file the second still holds.
  // Where there is no lock file and none can be made (a folder that is missing or cannot be
  // written), nothing could be kept either: that is told at once, with the reason. A path that
  // names a folder is left untouched: read() refuses it as not a file.
  Claim claim() override {
    if (namesAFolder(path_, kSeparator)) return {};
    if (makeFolders_) {
      makeFoldersLeadingTo(path_, kSeparator, [](const std::string& folder) {
        ::mkdir(folder.c_str(), 0700);  // for the user alone; an existing one is left as it is
      });
    }
    int error = 0;
    lock_ = openLockFile(path_ + ".lock", error);
    if (!lock_) return {.heldElsewhere = false, .error = reason(error)};
    while (::flock(lock_.get(), LOCK_EX | LOCK_NB) != 0) {
      if (errno == EWOULDBLOCK) return {.heldElsewhere = true, .error = std::nullopt};
      if (errno != EINTR) return {.heldElsewhere = false, .error = reason(errno)};
    }
    removeLeftTemporaries();
    return {};
  }

  Stored read() override {
    Stored stored;
    // Without O_NONBLOCK, opening a FIFO named as the save would wait for a writer for ever;
    // with it, the FIFO opens at once and is refused below as not a file.
    const Descriptor file(::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file) {
      if (errno != ENOENT) stored.error = reason(errno);
      return stored;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
      stored.error = "not a file";
      return stored;
    }
    stored.found = true;
    readUpToPastTheLargestSave(stored, [&file](char* buffer, std::size_t size) -> ReadSome {
      for (;;) {
        const ssize_t got = ::read(file.get(), buffer, size);
        if (got >= 0) return {.count = static_cast<std::size_t>(got), .error = std::nullopt};
        if (errno != EINTR) return {.count = 0, .error = reason(errno)};
      }
    });
    return stored;
  }

  std::optional<std::string> write(std::string_view text) override {
    std::string temporary = path_ + std::string(kTemporaryMark) + "XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (!file) return reason(errno);
    int error = writeAll(file.get(), text);
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (!file.close() && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path_.c_str()) != 0) error = errno;
    if (error != 0) {
      ::unlink(temporary.c_str());
      return reason(error);
    }
    return syncFolder(folder_);
  }

  // The name is free for the rename only because no other game writes beside a save it does not
  // hold; rename() itself would replace a file of that name.
  SetAside setAside() override {
    const auto taken = [](const std::string& name) {
      struct stat status {};
      return ::lstat(name.c_str(), &status) == 0;
    };
    const auto move = [this](const std::string& name) -> std::optional<std::string> {
      if (::rename(path_.c_str(), name.c_str()) != 0) return reason(errno);
      return syncFolder(folder_);
    };
    return setAsideUnderAFreeName(path_, taken, move);
  }

  std::optional<std::string> remove() override {
    if (::unlink(path_.c_str()) != 0) {
      return errno == ENOENT ? std::nullopt : std::optional(reason(errno));
    }
    return syncFolder(folder_);
  }

 private:
  // The temporary files of games that were stopped in the middle of a write (a crash, a kill):
  // only a game that holds the lock writes them, so the one that holds it now may remove them.
  void removeLeftTemporaries() {
    const OpenFolder folder(::opendir(folder_.c_str()));
    if (!folder) return;
    const std::string prefix = path_.substr(path_.rfind('/') + 1) + std::string(kTemporaryMark);
    while (const dirent* entry = ::readdir(folder.get())) {
      const std::string_view name = entry->d_name;
      if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) {
        ::unlink((folder_ + "/" + std::string(name)).c_str());
      }
    }
  }

  std::string shown_;  // as the player named it
  std::string path_;   // the file itself, past any links
  std::string folder_;
  bool makeFolders_;
  Descriptor lock_;  // held until the game ends, and the lock with it
};

}  // namespace

std::optional<std::string> defaultSaveFile() {
  const char* state = std::getenv("XDG_STATE_HOME");
  // A relative XDG_STATE_HOME is to be ignored, as the base directory rules say.
  if (state && *state == '/') return std::string(state) + "/quillmarrow/save";
  const char* home = std::getenv("HOME");
  if (!home || *home != '/') return std::nullopt;
  return std::string(home) + "/.local/state/quillmarrow/save";
}

std::string_view userFolderVariable() {
  return "HOME";
}

std::unique_ptr<RunStorage> saveFileStorage(std::string path, bool makeFolders) {
  return std::make_unique<SaveFile>(std::move(path), makeFolders);
}

}  // namespace qm
