#include "support/scratch_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace fixture {
namespace fs = std::filesystem;
namespace {

std::string Drain(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) return text;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

// Opens the pseudo-terminal pair; the child's end is raw, so no line-end
// translation stands between the program and the test.
void OpenTerminal(int& parent_end, int& child_end) {
  parent_end = posix_openpt(O_RDWR | O_NOCTTY);
  if (parent_end < 0 || grantpt(parent_end) != 0 || unlockpt(parent_end) != 0) {
    throw std::runtime_error("no pseudo-terminal");
  }
  child_end = open(ptsname(parent_end), O_RDWR | O_NOCTTY);
  termios mode{};
  tcgetattr(child_end, &mode);
  cfmakeraw(&mode);
  tcsetattr(child_end, TCSANOW, &mode);
}

[[noreturn]] void StartChild(const fs::path& folder, const RunSetup& setup, int console_fd,
                             int errors_fd) {
  if (chdir(folder.c_str()) != 0) _exit(126);
  dup2(errors_fd, STDERR_FILENO);
  close(errors_fd);
  if (setup.console == Console::kClosed) {
    close(STDOUT_FILENO);
  } else {
    dup2(console_fd, STDOUT_FILENO);
    close(console_fd);
  }
  if (setup.file_size_limit) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{*setup.file_size_limit, *setup.file_size_limit};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  const std::string program = TunsnipPath();
  std::vector<char*> argv;
  for (const std::string& word : setup.launcher) argv.push_back(const_cast<char*>(word.c_str()));
  // A sanitized build's leak check cannot work under a tracer.
  if (!setup.launcher.empty()) setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : setup.arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

}  // namespace

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "tunsnip-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  work_ = root_ / "work";
  fs::create_directory(work_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void ScratchFolder::Write(const fs::path& name, const Bytes& bytes) const {
  Write(name, std::string(bytes.begin(), bytes.end()));
}

void ScratchFolder::Write(const fs::path& name, const std::string& text) const {
  const fs::path path = work_ / name;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

RunResult ScratchFolder::Run(const std::string& argument) const {
  return Run(RunSetup{{argument}});
}

RunResult ScratchFolder::Run(const RunSetup& setup) const {
  const fs::path console_file = setup.console_path.value_or(root_ / "console");
  int console_fd = -1;
  int reading_end = -1;
  switch (setup.console) {
    case Console::kFile:
      console_fd = open(console_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
      break;
    case Console::kDevNull:
      console_fd = open("/dev/null", O_WRONLY);
      break;
    case Console::kDevFull:
      console_fd = open("/dev/full", O_WRONLY);
      break;
    case Console::kClosed:
      break;
    case Console::kBrokenPipe: {
      int ends[2];
      if (pipe(ends) != 0) throw std::runtime_error("pipe failed");
      close(ends[0]);
      console_fd = ends[1];
      break;
    }
    case Console::kTerminal:
      OpenTerminal(reading_end, console_fd);
      break;
  }
  const fs::path errors_file = root_ / "errors";
  const int errors_fd = open(errors_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  const pid_t child = fork();
  if (child == 0) StartChild(work_ / setup.in, setup, console_fd, errors_fd);
  if (console_fd >= 0) close(console_fd);
  close(errors_fd);

  RunResult result;
  if (reading_end >= 0) {
    result.console = Drain(reading_end);
    close(reading_end);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status)) {
    result.status = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  if (setup.console == Console::kFile) result.console = ReadFile(console_file);
  result.errors = ReadFile(errors_file);
  EXPECT_EQ(result.errors, "") << "tunsnip wrote to standard error";
  return result;
}

std::map<std::string, std::string> ScratchFolder::Files() const {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(work_)) {
    if (entry.is_regular_file() && !entry.is_symlink()) {
      files[fs::relative(entry.path(), work_).string()] = ReadFile(entry.path());
    }
  }
  return files;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

long PeakRssKib(const ScratchFolder& folder, RunSetup setup, RunResult& run) {
  const fs::path report = folder.root() / "peak_rss";
  setup.launcher = {PEAK_RSS_PROBE_PATH, report.string()};
  run = folder.Run(setup);
  return std::stol(ReadFile(report));
}

std::string TunsnipPath() { return TUNSNIP_PROGRAM_PATH; }

}  // namespace fixture
