#pragma once
// Runs part of a test in a forked child so that it can fail the way real machines fail: killed at a
// chosen moment, stopped by a file size limit (a full disk), or without root's power over file modes.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

namespace orvane::testing {

// unprivileged: when the tests run as root, the child becomes "nobody" first. fileSizeLimit: bytes a
// file may grow to, writes beyond fail as on a full disk. killAfterMicros: SIGKILL this long after the start.
struct ChildOptions { bool unprivileged = false; long fileSizeLimit = -1; long killAfterMicros = -1; };
// What the body returned (or the text of what it threw); empty when it was killed first.
struct ChildResult { std::string report; };

inline ChildResult RunInChild(const std::function<std::string()>& body, const ChildOptions& options = {}) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    std::string report;
    try {
      if (options.unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
        throw std::runtime_error("cannot become nobody");
      const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit), static_cast<rlim_t>(options.fileSizeLimit)};
      // Without ignoring SIGXFSZ the kernel ends the process instead of failing the write.
      if (options.fileSizeLimit >= 0 && (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit)))
        throw std::runtime_error("cannot limit the file size");
      report = body();
    } catch (const std::exception& e) {
      report = e.what();
    }
    // Reports are short: one write fits the pipe. _exit runs no destructors of the parent's state.
    ::_exit(::write(fds[1], report.data(), report.size()) == static_cast<ssize_t>(report.size()) ? 0 : 1);
  }
  ::close(fds[1]);
  if (options.killAfterMicros >= 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(options.killAfterMicros));
    ::kill(pid, SIGKILL);
  }
  ChildResult result;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno != EINTR) break;
    if (n > 0) result.report.append(buffer, static_cast<size_t>(n));
  }
  ::close(fds[0]);
  while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) continue;
  return result;
}

}  // namespace orvane::testing
