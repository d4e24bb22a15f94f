// The in-memory platform: the same contract as the POSIX one, errno values included.
#include "fuzz/memory_platform.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "io/platform.h"

namespace fuzz {
namespace {

// The folder's map keeps its elements in place, so an open file can point
// straight at its bytes.
struct OpenFile {
  std::string name;
  std::vector<std::uint8_t>* bytes = nullptr;
  std::int64_t position = 0;
  bool held = false;
};

Folder files;
std::map<io::Handle, OpenFile> open_files;
io::Handle next_handle = 3;
constexpr io::Handle kConsole = 1;

OpenFile* Find(io::Handle handle) {
  const auto found = open_files.find(handle);
  return found == open_files.end() ? nullptr : &found->second;
}

io::FailureCode Open(const std::string& name, bool create, bool held, io::Handle& handle) {
  if (create) {
    for (const auto& [other, open] : open_files) {
      if (open.held && open.name == name) return EBUSY;
    }
    files[name].clear();
  } else if (!files.count(name)) {
    return ENOENT;
  }
  handle = next_handle++;
  open_files[handle] = OpenFile{name, &files[name], 0, held};
  return 0;
}

}  // namespace

void UseFolder(Folder folder) {
  files = std::move(folder);
  open_files.clear();
}

const Folder& CurrentFolder() { return files; }

}  // namespace fuzz

namespace io::platform {

using fuzz::open_files;

ConsoleState StartProcess() {
  open_files.clear();
  return ConsoleState{fuzz::kConsole, true, true, false};
}

FailureCode OpenForReading(const std::string& name, Handle& handle) {
  return fuzz::Open(name, false, true, handle);
}

FailureCode CreateForReadWrite(const std::string& name, Handle& handle) {
  return fuzz::Open(name, true, false, handle);
}

FailureCode CreateForWriting(const std::string& name, Handle& handle, bool& character_device) {
  character_device = false;
  return fuzz::Open(name, true, true, handle);
}

FailureCode Read(Handle handle, void* into, std::size_t count, std::size_t& got) {
  fuzz::OpenFile* file = fuzz::Find(handle);
  if (file == nullptr) return EBADF;
  const std::vector<std::uint8_t>* bytes = file->bytes;
  std::int64_t& position = file->position;
  const auto size = static_cast<std::int64_t>(bytes->size());
  got = position >= size ? 0 : std::min(count, static_cast<std::size_t>(size - position));
  if (got > 0) std::memcpy(into, bytes->data() + position, got);
  position += static_cast<std::int64_t>(got);
  return 0;
}

FailureCode Write(Handle handle, const void* from, std::size_t count, std::size_t& stored) {
  stored = count;
  if (handle == fuzz::kConsole) return 0;
  fuzz::OpenFile* file = fuzz::Find(handle);
  if (file == nullptr) return EBADF;
  std::vector<std::uint8_t>* bytes = file->bytes;
  std::int64_t& position = file->position;
  const auto end = static_cast<std::size_t>(position) + count;
  if (bytes->size() < end) bytes->resize(end);
  if (count > 0) std::memcpy(bytes->data() + position, from, count);
  position = static_cast<std::int64_t>(end);
  return 0;
}

FailureCode Seek(Handle handle, std::int32_t position) {
  fuzz::OpenFile* file = fuzz::Find(handle);
  if (file == nullptr) return EBADF;
  if (position < 0) return EINVAL;
  file->position = position;
  return 0;
}

FailureCode Position(Handle handle, std::int32_t& position) {
  fuzz::OpenFile* file = fuzz::Find(handle);
  if (file == nullptr) return EBADF;
  position = static_cast<std::int32_t>(file->position);
  return 0;
}

FailureCode Size(Handle handle, std::int32_t& size) {
  fuzz::OpenFile* file = fuzz::Find(handle);
  if (file == nullptr) return EBADF;
  size = static_cast<std::int32_t>(file->bytes->size());
  return 0;
}

FailureCode Close(Handle handle) {
  if (handle == fuzz::kConsole) return 0;
  return open_files.erase(handle) == 1 ? 0 : EBADF;
}

std::uint32_t PlaceOf(const void*) { return 0; }

void EndProcess(FailureCode status) { throw fuzz::RunEnded{status}; }

}  // namespace io::platform
