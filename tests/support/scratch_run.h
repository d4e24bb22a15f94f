// Runs the built tunsnip in a scratch folder of its own and reports what it
// did: exit status, the bytes it wrote to standard output, the files it left.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/byte_layout.h"

namespace fixture {

// Where the program's standard output goes.
enum class Console {
  kFile,        // a regular file outside the work folder
  kDevNull,     // a character device that takes everything
  kDevFull,     // a character device whose every write fails with ENOSPC
  kClosed,      // no standard output at all
  kBrokenPipe,  // a pipe whose reading end is already closed
  kTerminal,    // a pseudo-terminal in raw mode
};

struct RunSetup {
  std::vector<std::string> arguments;
  Console console = Console::kFile;
  // RLIMIT_FSIZE for the run, with SIGXFSZ ignored so that writes fall short.
  std::optional<unsigned long> file_size_limit;
  // A file the console is redirected to instead (Console::kFile only).
  std::optional<std::filesystem::path> console_path;
  // The folder to run in, relative to the work folder.
  std::filesystem::path in = ".";
  // A program that starts tunsnip for the test (strace, say), with its arguments.
  std::vector<std::string> launcher;
};

struct RunResult {
  // The exit status, or -1 when a signal ended the process.
  int status = -1;
  int signal = 0;
  std::string console;
  // Standard error; the program never writes there, so a run that did
  // (a sanitizer's report, say) also counts as a test failure.
  std::string errors;
};

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes. The program runs in work().
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& work() const { return work_; }
  const std::filesystem::path& root() const { return root_; }

  // Writes a file relative to work(), creating folders on the way.
  void Write(const std::filesystem::path& name, const Bytes& bytes) const;
  void Write(const std::filesystem::path& name, const std::string& text) const;

  RunResult Run(const RunSetup& setup) const;
  RunResult Run(const std::string& argument) const;

  // Every regular file below work(), by relative path, with its content.
  std::map<std::string, std::string> Files() const;

 private:
  std::filesystem::path root_;
  std::filesystem::path work_;
};

std::string ReadFile(const std::filesystem::path& path);

// Runs `setup` in `folder` and returns the program's peak resident set in KiB.
long PeakRssKib(const ScratchFolder& folder, RunSetup setup, RunResult& run);

// The path of the program under test.
std::string TunsnipPath();

}  // namespace fixture
