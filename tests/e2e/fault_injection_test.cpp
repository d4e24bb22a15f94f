// Every file and console request of a real run made to fail in turn, with
// strace's fault injection: each time the run must end with that error, and
// leave only what the requests before it made.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "support/scenes.h"

namespace fixture {
namespace {

namespace fs = std::filesystem;

// The requests of the file access; anything else (memory, start-up) is not ours.
const std::set<std::string> kInjectable = {"read",  "write", "openat",
                                           "lseek", "close", "newfstatat"};
constexpr int kInjectedError = 5;  // EIO, which no request here meets by itself

struct Request {
  std::string name;
  int ordinal = 0;      // among the process's requests of the same name, from 1
  int descriptor = -1;  // the one it works on, or the one openat returned
  std::string path;     // for openat and newfstatat
};

bool HaveStrace() { return std::system("strace -V >/dev/null 2>&1") == 0; }

// Traces a clean run and returns its requests after start-up, which ends with
// the check of standard error.
std::vector<Request> TraceRequests(const ScratchFolder& folder, const std::string& argument,
                                   RunResult& run) {
  const fs::path trace = folder.root() / "trace";
  RunSetup setup{{argument}};
  setup.launcher = {"strace", "-o", trace.string(), "-e",
                    "trace=read,write,openat,lseek,close,newfstatat,fcntl"};
  run = folder.Run(setup);
  std::ifstream lines(trace);
  std::map<std::string, int> seen;
  std::vector<Request> requests;
  bool started = false;
  const std::regex call(R"(^(\w+)\((\w+)(?:, \"([^\"]*)\")?.* = (-?\d+))");
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (!std::regex_search(line, match, call)) continue;
    const std::string name = match[1];
    const int ordinal = ++seen[name];
    if (line.rfind("fcntl(2, F_GETFD)", 0) == 0) started = true;
    if (!started || !kInjectable.count(name)) continue;
    Request request{name, ordinal};
    if (name == "openat" || name == "newfstatat") request.path = match[3];
    if (name == "openat") {
      request.descriptor = std::stoi(match[4]);
    } else if (name != "newfstatat") {
      request.descriptor = std::stoi(match[2]);
    }
    requests.push_back(request);
  }
  return requests;
}

void FailEachRequestInTurn(const Bytes& input, const std::string& argument) {
  RunResult complete;
  std::vector<Request> requests;
  std::map<std::string, std::string> complete_files;
  {
    ScratchFolder folder;
    folder.Write(argument, input);
    requests = TraceRequests(folder, argument, complete);
    ASSERT_EQ(complete.status, 0);
    complete_files = folder.Files();
  }
  ASSERT_GT(requests.size(), 20u);
  const std::string ini_name = argument.substr(0, argument.rfind('.')) + ".INI";
  const std::string& complete_ini = complete_files.at(ini_name);

  // The file each request works on, and where each output was opened.
  std::map<int, std::string> open_names;
  std::vector<std::string> target(requests.size());
  std::map<std::string, std::size_t> opened_at;
  for (std::size_t i = 0; i < requests.size(); ++i) {
    if (requests[i].name == "openat") {
      opened_at.emplace(requests[i].path, i);
      open_names[requests[i].descriptor] = requests[i].path;
    }
    if (requests[i].descriptor >= 0) target[i] = open_names[requests[i].descriptor];
  }

  std::cout << "[ inject   ] " << argument << ": " << requests.size() << " requests\n";
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const Request& request = requests[i];
    const std::string what = request.name + " #" + std::to_string(request.ordinal) + " (" +
                             (request.path.empty() ? target[i] : request.path) + ")";
    ScratchFolder folder;
    folder.Write(argument, input);
    RunSetup setup{{argument}};
    setup.launcher = {
        "strace",
        "-o",
        "/dev/null",
        "-e",
        "trace=" + request.name,
        "-e",
        "inject=" + request.name + ":error=EIO:when=" + std::to_string(request.ordinal)};
    const RunResult run = folder.Run(setup);
    EXPECT_EQ(run.status, kInjectedError) << what;

    if (request.descriptor == 1 && request.name != "openat") {
      // The console itself failed at the end: its text is lost, no line follows.
      EXPECT_EQ(run.console.find("Runtime error"), std::string::npos) << what;
    } else {
      EXPECT_TRUE(EndsWithFailureLine(run.console, kInjectedError)) << what << "\n" << run.console;
      const std::string before = BeforeFailureLine(run.console);
      EXPECT_EQ(complete.console.substr(0, before.size()), before) << what;
    }

    const auto files = folder.Files();
    EXPECT_EQ(files.at(argument), AsText(input)) << what;
    if (files.count(ini_name)) {
      const std::string& ini = files.at(ini_name);
      EXPECT_EQ(complete_ini.substr(0, ini.size()), ini) << what;
      EXPECT_TRUE(ini.size() % 128 == 0 || ini == complete_ini) << what << ": " << ini.size();
    }
    for (const auto& [name, content] : complete_files) {
      if (name == argument || name == ini_name) continue;
      const std::size_t opened = opened_at.at(name);
      if (opened >= i) {
        EXPECT_FALSE(files.count(name)) << what << ": " << name << " made after the failure";
      } else if (request.name == "write" && target[i] == name) {
        EXPECT_EQ(files.at(name), "") << what;
      } else {
        EXPECT_EQ(files.count(name) ? files.at(name) : "<missing>", content)
            << what << ": " << name;
      }
    }
    for (const auto& [name, content] : files) {
      EXPECT_TRUE(complete_files.count(name)) << what << ": unexpected " << name;
    }
  }
}

TEST(FaultInjection, SampleTune) {
  if (!HaveStrace()) GTEST_SKIP() << "strace is not installed";
  FailEachRequestInTurn(LayOutAy(SampleTune()).Build(), "tune.ay");
}

TEST(FaultInjection, RepeatedBlocks) {
  if (!HaveStrace()) GTEST_SKIP() << "strace is not installed";
  FailEachRequestInTurn(LayOutAy(RepeatedBlocksTune()).Build(), "rep.ay");
}

}  // namespace
}  // namespace fixture
