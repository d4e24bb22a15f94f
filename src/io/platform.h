// What the file access needs from the operating system. One implementation
// per platform is compiled in; nothing outside src/io calls these.
// Every function that returns a FailureCode returns 0 or the system's error number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "io/failure_codes.h"
#include "io/file_access.h"

namespace io::platform {

struct ConsoleState {
  Handle handle = 0;
  bool usable = false;
  bool character_device = false;
  bool terminal = false;
};

// Sets up the process for a run and reports what standard output is.
// Standard output that is closed at start-up is reported unusable, and its
// slot is filled so that no file opened later can take it. Files an earlier
// run in this process left open are released.
ConsoleState StartProcess();

FailureCode OpenForReading(const std::string& name, Handle& handle);

// Both creates refuse, before touching anything, a name that leads to a file
// opened by OpenForReading or CreateForWriting and not yet closed, or to the
// regular file that standard output writes to.
FailureCode CreateForReadWrite(const std::string& name, Handle& handle);
FailureCode CreateForWriting(const std::string& name, Handle& handle, bool& character_device);

FailureCode Read(Handle handle, void* into, std::size_t count, std::size_t& got);
FailureCode Write(Handle handle, const void* from, std::size_t count, std::size_t& stored);
FailureCode Seek(Handle handle, std::int32_t position);
FailureCode Position(Handle handle, std::int32_t& position);
FailureCode Size(Handle handle, std::int32_t& size);
FailureCode Close(Handle handle);

// A stable number for a code address: its distance from the program's load address.
std::uint32_t PlaceOf(const void* code_address);

// Ends the run with `status`.
[[noreturn]] void EndProcess(FailureCode status);

}  // namespace io::platform
