#include "support/child_process.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <exception>
#include <stdexcept>
#include <thread>

namespace orvane::testing {

namespace {

constexpr uid_t kNobody = 65534;

void WriteAllTo(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

[[noreturn]] void RunBody(const std::function<std::string()>& body, const ChildOptions& options, int out) {
  int code = 0;
  std::string report;
  try {
    if (options.unprivileged && ::geteuid() == 0) {
      if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) throw std::runtime_error("cannot become nobody");
    }
    if (options.fileSizeLimit >= 0) {
      // Without this the kernel ends the process with SIGXFSZ instead of failing the write.
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit), static_cast<rlim_t>(options.fileSizeLimit)};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("cannot limit the file size");
    }
    report = body();
  } catch (const std::exception& e) {
    code = 2;
    report = e.what();
  }
  WriteAllTo(out, report);
  ::close(out);
  ::_exit(code);  // no destructors or leak checks of the parent's state in the child
}

}  // namespace

ChildResult RunInChild(const std::function<std::string()>& body, const ChildOptions& options) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::close(fds[0]);
    RunBody(body, options, fds[1]);
  }
  ::close(fds[1]);
  if (options.killAfterMicros >= 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(options.killAfterMicros));
    ::kill(pid, SIGKILL);
  }
  ChildResult result;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    result.report.append(buffer, static_cast<size_t>(n));
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status)) result.killed = WTERMSIG(status) == SIGKILL;
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

}  // namespace orvane::testing
