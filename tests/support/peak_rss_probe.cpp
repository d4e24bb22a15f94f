// Starts a program and writes its peak resident set (KiB) to a file. A child
// keeps the high-water mark of the process it was forked from, so the
// measured program must start from a process as small as this one.
//
// Usage: peak_rss_probe <output file> <program> [arguments...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) return 125;
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (FILE* out = std::fopen(argv[1], "w")) {
    std::fprintf(out, "%ld\n", usage.ru_maxrss);
    std::fclose(out);
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}
