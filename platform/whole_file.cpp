#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/errors.h"
#include "platform/paths.h"

namespace vb {

namespace {

int ErrorFor(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR: return 76;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return 61;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST: return 75;
    default: return 57;
  }
}

}  // namespace

void WriteWholeFile(const std::string& platformPath, const std::string& bytes) {
  const std::string host = HostPath(platformPath);
  struct stat st {};
  if (::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) throw RuntimeError(75);
  const std::filesystem::path target(host);
  const std::string folder = target.has_parent_path() ? target.parent_path().string() : std::string(".");
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) throw RuntimeError(76);

  std::random_device rd;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
    temp = folder + "/." + target.filename().string() + ".tmp" + std::to_string(rd() % 1000000);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) throw RuntimeError(ErrorFor(errno));

  int err = 0;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0 && err == 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno != EINTR) err = errno;
      continue;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  if (err == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) err = errno;
  if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
  if (err == 0 && ::rename(temp.c_str(), host.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    throw RuntimeError(ErrorFor(err));
  }
}

}  // namespace vb
