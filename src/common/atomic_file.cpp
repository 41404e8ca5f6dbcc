#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace kx700 {

namespace {

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

} // namespace

bool ReplaceFileBy(const std::filesystem::path& chosen, const std::function<bool(const std::string& path)>& write) {
  namespace fs = std::filesystem;
  // Writing through a symbolic link replaces the file it points to, not the link.
  fs::path target = chosen;
  std::error_code error;
  if (fs::is_symlink(target, error)) {
    const fs::path resolved = fs::weakly_canonical(target, error);
    if (!error) target = resolved;
  }
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  // Renaming needs only the folder's permission: a file the user may not
  // write stays as it is, as it would when written in place.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;

  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temp = (dir / ".kx700-save-XXXXXX").string();
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  bool ok = write(temp);
  // The copy gets the old file's mode and group; where that is not allowed
  // the file keeps the defaults.
  const mode_t umaskNow = ::umask(0);
  ::umask(umaskNow);
  if (ok && ::chmod(temp.c_str(), exists ? (existing.st_mode & 07777) : (0666 & ~umaskNow)) != 0) {
    // keeps the private mode of a fresh temporary file
  }
  if (ok && exists && ::chown(temp.c_str(), static_cast<uid_t>(-1), existing.st_gid) != 0) {
    // keeps the saver's group
  }
  if (ok) {
    const int synced = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC);
    ok = synced >= 0 && ::fsync(synced) == 0;
    if (synced >= 0) ::close(synced);
  }
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  if (int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
    ::fsync(dirFd); // best effort: the rename itself has been made
    ::close(dirFd);
  }
  return true;
}

bool ReplaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
  return ReplaceFileBy(target, [bytes](const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes);
    return ::close(fd) == 0 && written;
  });
}

} // namespace kx700
