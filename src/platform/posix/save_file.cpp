#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/saved_run.h"
#include "app/system.h"
#include "platform/posix/write_all.h"

namespace qm {

namespace {

std::string reason(int error) {
  return std::strerror(error);
}

constexpr std::string_view kTemporaryMark = ".tmp-";

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

// Makes the folders that lead to `path`, each one missing made for the user alone.
void makeFoldersFor(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0700);  // an existing folder is left as it is
  }
}

// Reads the file into `stored` up to a byte past the largest save, enough to tell a file that
// is too large, and no further.
void readUpToPastTheLargestSave(int descriptor, RunStorage::Stored& stored) {
  char buffer[4096];
  while (stored.text.size() <= kLargestSave) {
    const std::size_t wanted = std::min(sizeof buffer, kLargestSave + 1 - stored.text.size());
    const ssize_t got = ::read(descriptor, buffer, wanted);
    if (got > 0) {
      stored.text.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0) {
      return;
    } else if (errno != EINTR) {
      stored.error = reason(errno);
      return;
    }
  }
}

// A path whose last part is empty, "." or ".." names a folder whatever is on the disk. Such a
// path is never a save, and a lock or a temporary made from it would land inside that folder.
bool namesAFolder(const std::string& path) {
  const std::string_view last = std::string_view(path).substr(path.rfind('/') + 1);
  return last.empty() || last == "." || last == "..";
}

// A rename or a removal is lasting only once the folder that holds the name is on the disk.
void syncFolder(const std::string& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

class SaveFile final : public RunStorage {
 public:
  SaveFile(std::string path, bool makeFolders)
      : shown_(std::move(path)),
        path_(followLinks(shown_)),
        folder_(folderOf(path_)),
        makeFolders_(makeFolders) {}
  ~SaveFile() override {
    if (lock_ >= 0) ::close(lock_);  // and the lock goes with it
  }
  SaveFile(const SaveFile&) = delete;
  SaveFile& operator=(const SaveFile&) = delete;

  std::string where() const override { return shown_; }

  // The lock file stays: removing it would let a third game lock a file the second still holds.
  // Where no lock file can be made (a folder that cannot be written), nothing can be kept
  // either, so the game goes on unlocked.
  // A path that names a folder is left untouched: read() refuses it as not a file.
  bool claim() override {
    if (namesAFolder(path_)) return true;
    if (makeFolders_) makeFoldersFor(path_);
    lock_ = ::open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ < 0) return true;
    while (::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
      if (errno != EINTR) return false;
    }
    removeLeftTemporaries();
    return true;
  }

  Stored read() override {
    Stored stored;
    // Without O_NONBLOCK, opening a FIFO named as the save would wait for a writer for ever;
    // with it, the FIFO opens at once and is refused below as not a file.
    const int descriptor = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
      if (errno != ENOENT) stored.error = reason(errno);
      return stored;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
      stored.error = "not a file";
    } else {
      stored.found = true;
      readUpToPastTheLargestSave(descriptor, stored);
    }
    ::close(descriptor);
    return stored;
  }

  std::optional<std::string> write(std::string_view text) override {
    std::string temporary = path_ + std::string(kTemporaryMark) + "XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return reason(errno);
    int error = 0;
    if (!writeAll(descriptor, text)) error = errno ? errno : EIO;
    if (error == 0 && ::fsync(descriptor) != 0) error = errno;
    if (::close(descriptor) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path_.c_str()) != 0) error = errno;
    if (error != 0) {
      ::unlink(temporary.c_str());
      return reason(error);
    }
    syncFolder(folder_);
    return std::nullopt;
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
      syncFolder(folder_);
      return std::nullopt;
    };
    return setAsideUnderAFreeName(path_, taken, move);
  }

  void remove() override {
    ::unlink(path_.c_str());
    syncFolder(folder_);
  }

 private:
  // The temporary files of games that were stopped in the middle of a write (a crash, a kill):
  // only a game that holds the lock writes them, so the one that holds it now may remove them.
  void removeLeftTemporaries() {
    DIR* folder = ::opendir(folder_.c_str());
    if (!folder) return;
    const std::string prefix = path_.substr(path_.rfind('/') + 1) + std::string(kTemporaryMark);
    while (const dirent* entry = ::readdir(folder)) {
      const std::string_view name = entry->d_name;
      if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) {
        ::unlink((folder_ + "/" + std::string(name)).c_str());
      }
    }
    ::closedir(folder);
  }

  std::string shown_;  // as the player named it
  std::string path_;   // the file itself, past any links
  std::string folder_;
  bool makeFolders_;
  int lock_ = -1;
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
