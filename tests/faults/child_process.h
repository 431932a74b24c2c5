#pragma once

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace kemurina::faults {

// A child process, always reaped. `env` (NAME=value) goes before the test's own
// environment, so it is what the child reads; `runAs` switches user and group
// first; stdout is a pipe for WaitForByte. No signal handlers, so no EINTR.
class Child {
 public:
  explicit Child(std::vector<std::string> argv, std::vector<std::string> env = {},
                 const char* folder = nullptr, std::optional<uid_t> runAs = std::nullopt) {
    // Everything exec needs is built before the fork.
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    std::vector<char*> envp{nullptr}, args{nullptr};
    for (std::string& e : env) envp.insert(envp.end() - 1, e.data());
    for (std::string& a : argv) args.insert(args.end() - 1, a.data());
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || (pid_ = ::fork()) < 0) std::abort();
    if (pid_ == 0) {
      // Only async-signal-safe calls from here on, then exec.
      ::dup2(out[1], STDOUT_FILENO);
      if (folder && ::chdir(folder) != 0) ::_exit(126);
      if (runAs && (::setgroups(0, nullptr) || ::setgid(*runAs) || ::setuid(*runAs))) ::_exit(125);
      ::execve(args[0], args.data(), envp.data());
      ::_exit(127);
    }
    ::close(out[1]);
    stdout_ = out[0];
  }
  ~Child() {
    if (!reaped_) Signal(SIGKILL);
    Wait();
    ::close(stdout_);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t Pid() const { return pid_; }
  void Signal(int sig) { ::kill(pid_, sig); }
  // Blocks until the child writes one byte (false when it ended first).
  bool WaitForByte() {
    char c;
    return ::read(stdout_, &c, 1) == 1;
  }
  // The next line the child writes, without its line end ("" when it ended first).
  std::string ReadLine() {
    std::string line;
    for (char c; ::read(stdout_, &c, 1) == 1 && c != '\n';) line += c;
    return line;
  }
  // Waits for the end: "exit N" or "signal NAME".
  std::string Wait() {
    if (!reaped_) ::waitpid(pid_, &status_, 0);
    reaped_ = true;
    if (WIFSIGNALED(status_)) return std::string("signal ") + ::strsignal(WTERMSIG(status_));
    return "exit " + std::to_string(WEXITSTATUS(status_));
  }
  bool Running() { return !(reaped_ = reaped_ || ::waitpid(pid_, &status_, WNOHANG) == pid_); }

 private:
  pid_t pid_ = -1;
  int stdout_ = -1;
  int status_ = 0;
  bool reaped_ = false;
};

}  // namespace kemurina::faults
