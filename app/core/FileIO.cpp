// Whole-file reading and atomic replacement on POSIX: the new bytes go to a fresh
// temporary file in the target's folder, which is then renamed over the target, so
// the target is either the old file or the new one, never a mixture or nothing.
#include "app/core/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>
#include <stdexcept>
#include <system_error>

namespace morvane {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const char* what, const fs::path& file, int error) {
  throw std::runtime_error(std::string("cannot ") + what + " " + file.string() + ": " + std::strerror(error));
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) noexcept : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const noexcept { return fd_; }
  // Closes now and answers the error code of close (0 when it worked).
  int close() noexcept {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// A symbolic link stays a link: the file it names is replaced.
fs::path resolvedTarget(const fs::path& file) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(file, ec))) {
    fs::path target = fs::canonical(file, ec);
    if (!ec) return target;
  }
  return file;
}

std::string temporaryName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  static std::mt19937 random{std::random_device{}()};
  return "." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
         std::to_string(counter++) + "-" + std::to_string(random() % 1000000) + ".tmp";
}

}  // namespace

std::string readFileBytes(const fs::path& file) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) fail("open", file, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) fail("read", file, errno);
  if (S_ISDIR(info.st_mode)) fail("read", file, EISDIR);
  std::string bytes;
  if (S_ISREG(info.st_mode) && info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("read", file, errno);
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

void writeFileAtomically(const fs::path& file, std::string_view bytes) {
  const fs::path target = resolvedTarget(file);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) fail("write", file, errno);
  if (exists) {
    if (S_ISDIR(old.st_mode)) fail("write", file, EISDIR);
    if (!S_ISREG(old.st_mode)) throw std::runtime_error("cannot write " + file.string() + ": not a regular file");
    // A file without any write permission is read-only for everyone, the
    // administrator included, although rename could replace it.
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) fail("write", file, EACCES);
    if (::access(target.c_str(), W_OK) != 0) fail("write", file, errno);
  }

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  fs::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = folder / temporaryName(target);
    // 0666 under the umask: a new file gets the usual permissions.
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) fail("write", file, errno);
  }
  if (fd < 0) fail("write", file, EEXIST);
  FileDescriptor out(fd);

  auto abandon = [&](int error) {
    out.close();
    ::unlink(temporary.c_str());
    fail("write", file, error);
  };
  if (exists) {
    if (::fchmod(out.get(), old.st_mode & 07777) != 0) abandon(errno);
    // Keeping the owner needs the rights to do so; without them the writer owns it.
    if (::fchown(out.get(), old.st_uid, old.st_gid) != 0) {
    }
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(out.get(), bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      abandon(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(out.get()) != 0 && errno != EINVAL) abandon(errno);
  if (const int error = out.close(); error != 0) {
    ::unlink(temporary.c_str());
    fail("write", file, error);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    fail("replace", file, error);
  }
}

}  // namespace morvane
