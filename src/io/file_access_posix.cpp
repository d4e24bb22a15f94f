// The POSIX side of the file access: one system request per operation,
// failures reported as errno values.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <vector>

#include "io/platform.h"

namespace io::platform {
namespace {

// A file this run holds open, by the identity that survives links and renames.
struct HeldFile {
  Handle handle;
  dev_t device;
  ino_t inode;
};

// Entered by the opens that keep a file open across other creates; left by Close.
std::vector<HeldFile> held_files;
// Every descriptor this run opened and has not closed.
std::vector<int> open_descriptors;

FailureCode LastError() { return static_cast<FailureCode>(errno); }

int Descriptor(Handle handle) { return static_cast<int>(handle); }

void Hold(Handle handle, const struct stat& status) {
  held_files.push_back(HeldFile{handle, status.st_dev, status.st_ino});
}

// Asked before a create, so that a name that leads to the input, to the INI
// file or to redirected standard output is refused before it is truncated.
FailureCode RefuseHeldFile(const std::string& name) {
  struct stat status {};
  if (stat(name.c_str(), &status) != 0) return errno == ENOENT ? kNoFailure : LastError();
  for (const HeldFile& held : held_files) {
    if (held.device == status.st_dev && held.inode == status.st_ino) return EBUSY;
  }
  return kNoFailure;
}

// A standard slot that is closed at start-up would be handed to the next file
// opened; /dev/null keeps it taken.
bool OccupyIfClosed(int fd) {
  if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) return false;
  const int null_fd = open("/dev/null", O_RDWR);
  if (null_fd != -1 && null_fd != fd) {
    dup2(null_fd, fd);
    close(null_fd);
  }
  return true;
}

FailureCode Open(const std::string& name, int flags, Handle& handle) {
  const int fd = open(name.c_str(), flags, 0666);
  if (fd == -1) return LastError();
  open_descriptors.push_back(fd);
  handle = fd;
  return kNoFailure;
}

FailureCode Create(const std::string& name, int flags, Handle& handle) {
  if (const FailureCode refused = RefuseHeldFile(name)) return refused;
  return Open(name, flags | O_CREAT | O_TRUNC, handle);
}

// A failed run leaves its files open for the system to release; a later run in
// the same process (a test harness) must not inherit them.
void ReleaseEarlierRun() {
  for (int fd : open_descriptors) close(fd);
  open_descriptors.clear();
  held_files.clear();
}

}  // namespace

ConsoleState StartProcess() {
  ReleaseEarlierRun();
  // A reader that went away must end the run by the failure rule, not by a signal.
  std::signal(SIGPIPE, SIG_IGN);
  OccupyIfClosed(STDIN_FILENO);
  ConsoleState console;
  console.handle = STDOUT_FILENO;
  if (!OccupyIfClosed(STDOUT_FILENO)) {
    struct stat status {};
    if (fstat(STDOUT_FILENO, &status) == 0) {
      console.usable = true;
      console.character_device = S_ISCHR(status.st_mode);
      console.terminal = console.character_device && isatty(STDOUT_FILENO) == 1;
      if (S_ISREG(status.st_mode)) Hold(STDOUT_FILENO, status);
    }
  }
  OccupyIfClosed(STDERR_FILENO);
  return console;
}

FailureCode OpenForReading(const std::string& name, Handle& handle) {
  if (const FailureCode failed = Open(name, O_RDONLY, handle)) return failed;
  struct stat status {};
  if (fstat(Descriptor(handle), &status) != 0) return LastError();
  Hold(handle, status);
  return kNoFailure;
}

FailureCode CreateForReadWrite(const std::string& name, Handle& handle) {
  return Create(name, O_RDWR, handle);
}

FailureCode CreateForWriting(const std::string& name, Handle& handle, bool& character_device) {
  if (const FailureCode failed = Create(name, O_WRONLY, handle)) return failed;
  struct stat status {};
  if (fstat(Descriptor(handle), &status) != 0) return LastError();
  Hold(handle, status);
  character_device = S_ISCHR(status.st_mode);
  return kNoFailure;
}

FailureCode Read(Handle handle, void* into, std::size_t count, std::size_t& got) {
  ssize_t result = 0;
  do {
    result = read(Descriptor(handle), into, count);
  } while (result == -1 && errno == EINTR);
  if (result == -1) return LastError();
  got = static_cast<std::size_t>(result);
  return kNoFailure;
}

FailureCode Write(Handle handle, const void* from, std::size_t count, std::size_t& stored) {
  ssize_t result = 0;
  do {
    result = write(Descriptor(handle), from, count);
  } while (result == -1 && errno == EINTR);
  if (result == -1) return LastError();
  stored = static_cast<std::size_t>(result);
  return kNoFailure;
}

FailureCode Seek(Handle handle, std::int32_t position) {
  // The system refuses a negative position itself (EINVAL).
  if (lseek(Descriptor(handle), position, SEEK_SET) == -1) return LastError();
  return kNoFailure;
}

FailureCode Position(Handle handle, std::int32_t& position) {
  const off_t result = lseek(Descriptor(handle), 0, SEEK_CUR);
  if (result == -1) return LastError();
  // Positions are 32-bit; a larger one cannot be given to the caller.
  if (result > INT32_MAX) return EOVERFLOW;
  position = static_cast<std::int32_t>(result);
  return kNoFailure;
}

FailureCode Size(Handle handle, std::int32_t& size) {
  struct stat status {};
  if (fstat(Descriptor(handle), &status) != 0) return LastError();
  if (status.st_size > INT32_MAX) return EOVERFLOW;
  size = static_cast<std::int32_t>(status.st_size);
  return kNoFailure;
}

FailureCode Close(Handle handle) {
  std::erase_if(held_files, [handle](const HeldFile& held) { return held.handle == handle; });
  std::erase(open_descriptors, Descriptor(handle));
  // No retry after EINTR: the descriptor is gone either way.
  if (close(Descriptor(handle)) != 0) return LastError();
  return kNoFailure;
}

std::uint32_t PlaceOf(const void* code_address) {
  Dl_info info{};
  if (dladdr(code_address, &info) == 0) return 0;
  // The return address lies just past the call; one byte back is inside it.
  const auto distance = reinterpret_cast<std::uintptr_t>(code_address) -
                        reinterpret_cast<std::uintptr_t>(info.dli_fbase) - 1;
  return static_cast<std::uint32_t>(distance);
}

}  // namespace io::platform
