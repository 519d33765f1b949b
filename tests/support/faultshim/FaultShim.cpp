// Preloaded (LD_PRELOAD) into a child test process to make chosen system
// calls fail with EIO, the way a failing disk, a network share or an
// on-demand cloud folder does. Which call fails, and on which file:
//
//   RINGPAD_FAULT_CALL  read | write (ENOSPC, a full disk) | fdatasync | close | rename
//   RINGPAD_FAULT_PATH  an fnmatch pattern for the file's full path (for
//                       rename: the new name)
//
// Without both variables every call goes straight through. A failing close
// still closes the descriptor, as the kernel does.
#include <dlfcn.h>
#include <fnmatch.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Read at every call, so that a child may arm the shim once its window has
// loaded (to fail a later read of the same file).
const char* Call() { return std::getenv("RINGPAD_FAULT_CALL"); }
const char* Pattern() { return std::getenv("RINGPAD_FAULT_PATH"); }

bool Armed(const char* call) { return Call() && Pattern() && std::strcmp(Call(), call) == 0; }

bool PathMatches(const char* path) { return path && fnmatch(Pattern(), path, 0) == 0; }

bool DescriptorMatches(int fd) {
  char link[64];
  char path[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(link, path, sizeof path - 1);
  if (n <= 0) return false;
  path[n] = '\0';
  return PathMatches(path);
}

template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t read(int fd, void* buffer, size_t count) {
  static auto real = Next<ssize_t (*)(int, void*, size_t)>("read");
  if (Armed("read") && DescriptorMatches(fd)) {
    errno = EIO;
    return -1;
  }
  return real(fd, buffer, count);
}

// A full disk.
ssize_t write(int fd, const void* buffer, size_t count) {
  static auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
  if (Armed("write") && DescriptorMatches(fd)) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, buffer, count);
}

int fdatasync(int fd) {
  static auto real = Next<int (*)(int)>("fdatasync");
  if (Armed("fdatasync") && DescriptorMatches(fd)) {
    errno = EIO;
    return -1;
  }
  return real(fd);
}

int close(int fd) {
  static auto real = Next<int (*)(int)>("close");
  const bool fail = Armed("close") && DescriptorMatches(fd);
  const int result = real(fd);
  if (fail) {
    errno = EIO;
    return -1;
  }
  return result;
}

int rename(const char* from, const char* to) {
  static auto real = Next<int (*)(const char*, const char*)>("rename");
  if (Armed("rename") && PathMatches(to)) {
    errno = EIO;
    return -1;
  }
  return real(from, to);
}

}  // extern "C"
