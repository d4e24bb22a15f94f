// File and console access for the whole program. Every operation either does
// all of its work or ends the run at once through RunFailure: one line on
// standard output and the failure code as exit status. No operation returns a
// failure, so callers hold no error handling of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "io/failure_codes.h"
#include "io/text_buffer.h"

namespace io {

// The platform's file handle, whatever its native type.
using Handle = std::intptr_t;

// Read and written in exact byte counts, one system request per operation.
struct ByteFile {
  Handle handle = 0;
  bool open = false;
  bool writable = false;
};

// Written only, through a 128-byte buffer. With `flush_each_statement` (an
// interactive or other character device) every statement is written out at once.
struct TextFile {
  Handle handle = 0;
  bool open = false;
  bool flush_each_statement = false;
  TextBuffer buffer;
};

// Prepares a run: standard output is checked and kept occupied, and a closed
// pipe becomes a write failure instead of a signal. Call first.
void StartRun();

// Flushes and releases standard output after a complete run. Returns the exit
// status: 0, or the error number when the console text could not be delivered.
int FinishRun();

// The process's standard output, opened by its first statement.
TextFile& StandardOutput();

// True when standard output is a terminal, where control bytes would act.
bool StandardOutputIsTerminal();

// Opens an existing file for reading only, at position 0.
void OpenInput(ByteFile& file, std::string_view name);

// Creates the file, or cuts an existing one to length 0, for reading and writing.
// Refuses a name that designates a file this run holds open.
void CreateOutput(ByteFile& file, std::string_view name);

// Creates the file, or cuts an existing one to length 0, for text writing.
// Refuses a name that designates a file this run holds open.
void CreateText(TextFile& file, std::string_view name);

// Reads exactly `count` bytes into the start of `destination`. Fewer bytes in
// the file, or fewer than `count` bytes of room, is the short-read failure; in
// the latter case nothing is read.
void ReadExact(ByteFile& file, std::span<std::uint8_t> destination, std::size_t count);

// Writes all of `source` in one request at the current position.
void WriteExact(ByteFile& file, std::span<const std::uint8_t> source);

// Sets the current position; a position past the end is accepted.
void SeekTo(ByteFile& file, std::int32_t position);

std::int32_t FilePosition(ByteFile& file);

std::int32_t FileLength(ByteFile& file);

// Releases the file; a text file first writes out what it buffered.
void CloseFile(ByteFile& file);
void CloseFile(TextFile& file);

// One statement: appends the text, then writes out the buffer on a
// statement-flushed file. WriteLine also appends carriage return and line feed.
void WriteText(TextFile& file, std::string_view text);
void WriteLine(TextFile& file, std::string_view text);

// Prints the failure line for `code` and the calling place, flushes standard
// output and ends the process with `code` as exit status.
[[noreturn]] void RunFailure(FailureCode code);

}  // namespace io
