// The checking rule shared by every platform: a failing request records its
// code, and the check right after the operation (for text, after the whole
// statement) ends the run through RunFailure.
#include "io/file_access.h"

#include <string>

#include "io/failure_line.h"
#include "io/platform.h"

// Each operation names its caller's address as the place of its check, so the
// operations must stay real calls.
#define TUNSNIP_OPERATION [[gnu::noinline]]
#define TUNSNIP_CALLER __builtin_return_address(0)

namespace io {
namespace {

constexpr std::size_t kNameLimit = 259;

// Written by every failing request; examined after each operation.
FailureCode recorded = kNoFailure;

// Filled by StartRun; standard output itself opens on its first statement.
platform::ConsoleState console_state;
TextFile console;
bool console_tried = false;

std::string UsableName(std::string_view name) { return std::string(name.substr(0, kNameLimit)); }

void Record(FailureCode code) {
  if (code != kNoFailure) recorded = code;
}

[[noreturn]] void FailAt(FailureCode code, const void* place);

void Examine(const void* place) {
  if (recorded != kNoFailure) FailAt(recorded, place);
}

FailureCode WriteAll(Handle handle, std::span<const char> bytes) {
  std::size_t stored = 0;
  const FailureCode code = platform::Write(handle, bytes.data(), bytes.size(), stored);
  if (code != kNoFailure) return code;
  return stored == bytes.size() ? kNoFailure : kShortWrite;
}

FailureCode AppendToBuffer(TextFile& file, std::string_view text) {
  return file.buffer.Append(
      text, [&file](std::span<const char> piece) { return WriteAll(file.handle, piece); });
}

// Writes out what the buffer holds in one request; the bytes are gone either way.
FailureCode FlushBuffer(TextFile& file) {
  const std::span<const char> pending = file.buffer.Pending();
  if (pending.empty()) return kNoFailure;
  const FailureCode code = WriteAll(file.handle, pending);
  file.buffer.Clear();
  return code;
}

// Standard output opens on its first statement; when the process has none, it
// stays closed and every statement to it fails.
void OpenConsoleOnFirstUse(TextFile& file) {
  if (&file != &console || console_tried) return;
  console_tried = true;
  if (!console_state.usable) return;
  console.handle = console_state.handle;
  console.flush_each_statement = console_state.character_device;
  console.open = true;
}

// Every part of a statement is attempted even after an earlier one failed; the
// last failure is the one that counts.
void WriteStatement(TextFile& file, std::string_view text, bool line_end, const void* place) {
  OpenConsoleOnFirstUse(file);
  if (!file.open) {
    Record(kNotOpen);
  } else {
    Record(AppendToBuffer(file, text));
    if (line_end) Record(AppendToBuffer(file, "\r\n"));
    if (file.flush_each_statement) Record(FlushBuffer(file));
  }
  Examine(place);
}

void FailAt(FailureCode code, const void* place) {
  // Nothing here is examined: there is no one left to report a failure to.
  OpenConsoleOnFirstUse(console);
  if (console.open) {
    const std::string line = FormatFailureLine(code, platform::PlaceOf(place)) + "\r\n";
    AppendToBuffer(console, line);
    FlushBuffer(console);
    platform::Close(console.handle);
  }
  platform::EndProcess(code);
}

bool RequireOpen(const ByteFile& file) {
  if (file.open) return true;
  Record(kNotOpen);
  return false;
}

}  // namespace

void StartRun() {
  recorded = kNoFailure;
  console = TextFile{};
  console_tried = false;
  console_state = platform::StartProcess();
}

int FinishRun() {
  if (!console.open) return 0;
  console.open = false;
  FailureCode code = FlushBuffer(console);
  const FailureCode released = platform::Close(console.handle);
  if (released != kNoFailure) code = released;
  return static_cast<int>(code);
}

TextFile& StandardOutput() { return console; }

bool StandardOutputIsTerminal() { return console_state.usable && console_state.terminal; }

TUNSNIP_OPERATION void OpenInput(ByteFile& file, std::string_view name) {
  Handle handle = 0;
  const FailureCode code = platform::OpenForReading(UsableName(name), handle);
  Record(code);
  if (code == kNoFailure) file = ByteFile{handle, true, false};
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void CreateOutput(ByteFile& file, std::string_view name) {
  Handle handle = 0;
  const FailureCode code = platform::CreateForReadWrite(UsableName(name), handle);
  Record(code);
  if (code == kNoFailure) file = ByteFile{handle, true, true};
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void CreateText(TextFile& file, std::string_view name) {
  Handle handle = 0;
  bool character_device = false;
  const FailureCode code = platform::CreateForWriting(UsableName(name), handle, character_device);
  Record(code);
  if (code == kNoFailure) {
    file.handle = handle;
    file.open = true;
    file.flush_each_statement = character_device;
    file.buffer.Clear();
  }
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void ReadExact(ByteFile& file, std::span<std::uint8_t> destination,
                                 std::size_t count) {
  if (RequireOpen(file) && count > 0) {
    if (count > destination.size()) {
      Record(kShortRead);
    } else {
      std::size_t got = 0;
      const FailureCode code = platform::Read(file.handle, destination.data(), count, got);
      Record(code);
      if (code == kNoFailure && got < count) Record(kShortRead);
    }
  }
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void WriteExact(ByteFile& file, std::span<const std::uint8_t> source) {
  if (RequireOpen(file)) {
    if (!file.writable) {
      Record(kNotOpen);
    } else if (!source.empty()) {
      Record(WriteAll(
          file.handle,
          std::span<const char>(reinterpret_cast<const char*>(source.data()), source.size())));
    }
  }
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void SeekTo(ByteFile& file, std::int32_t position) {
  if (RequireOpen(file)) Record(platform::Seek(file.handle, position));
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION std::int32_t FilePosition(ByteFile& file) {
  std::int32_t position = 0;
  if (RequireOpen(file)) Record(platform::Position(file.handle, position));
  Examine(TUNSNIP_CALLER);
  return position;
}

TUNSNIP_OPERATION std::int32_t FileLength(ByteFile& file) {
  std::int32_t size = 0;
  if (RequireOpen(file)) Record(platform::Size(file.handle, size));
  Examine(TUNSNIP_CALLER);
  return size;
}

TUNSNIP_OPERATION void CloseFile(ByteFile& file) {
  if (RequireOpen(file)) {
    file.open = false;
    Record(platform::Close(file.handle));
  }
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void CloseFile(TextFile& file) {
  if (!file.open) {
    Record(kNotOpen);
  } else {
    file.open = false;
    Record(FlushBuffer(file));
    Record(platform::Close(file.handle));
  }
  Examine(TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void WriteText(TextFile& file, std::string_view text) {
  WriteStatement(file, text, false, TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void WriteLine(TextFile& file, std::string_view text) {
  WriteStatement(file, text, true, TUNSNIP_CALLER);
}

TUNSNIP_OPERATION void RunFailure(FailureCode code) { FailAt(code, TUNSNIP_CALLER); }

}  // namespace io
