#pragma once

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kemurina::faults {

// One child process started by a test and always reaped by it.
class Child {
 public:
  struct Options {
    std::vector<std::string> argv;
    std::filesystem::path workingFolder;
    std::vector<std::string> environment;  // NAME=value added to the test's own
    std::optional<uid_t> runAs;            // switch to this user (and group) first
    bool pipeStdout = false;
  };

  explicit Child(const Options& o) {
    // Everything exec needs is built before the fork.
    std::vector<std::string> env = MergedEnvironment(o.environment);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<char*> args;
    for (const std::string& a : o.argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    int out[2] = {-1, -1};
    if (o.pipeStdout && ::pipe2(out, O_CLOEXEC) != 0) std::abort();
    pid_ = ::fork();
    if (pid_ < 0) std::abort();
    if (pid_ == 0) {
      // Only async-signal-safe calls from here on, then exec.
      if (o.pipeStdout) ::dup2(out[1], STDOUT_FILENO);
      if (!o.workingFolder.empty() && ::chdir(o.workingFolder.c_str()) != 0) ::_exit(126);
      if (o.runAs) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(*o.runAs) != 0 || ::setuid(*o.runAs) != 0)
          ::_exit(125);
      }
      ::execve(args[0], args.data(), envp.data());
      ::_exit(127);
    }
    if (o.pipeStdout) {
      ::close(out[1]);
      stdout_ = out[0];
    }
  }
  ~Child() {
    if (!reaped_) {
      ::kill(pid_, SIGKILL);
      Wait();
    }
    if (stdout_ >= 0) ::close(stdout_);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t Pid() const { return pid_; }

  // Blocks until the child writes one byte (false when it ended first).
  bool WaitForByte() {
    char c = 0;
    for (;;) {
      const ssize_t n = ::read(stdout_, &c, 1);
      if (n == 1) return true;
      if (n < 0 && errno == EINTR) continue;
      return false;
    }
  }

  void Signal(int sig) { ::kill(pid_, sig); }

  // The wait status once the child has ended.
  int Wait() {
    if (!reaped_) {
      while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
      }
      reaped_ = true;
    }
    return status_;
  }

  bool Running() {
    if (reaped_) return false;
    const pid_t r = ::waitpid(pid_, &status_, WNOHANG);
    if (r == pid_) reaped_ = true;
    return !reaped_;
  }

 private:
  // The test's environment with the given NAME=value entries put in.
  static std::vector<std::string> MergedEnvironment(const std::vector<std::string>& changes) {
    std::vector<std::string> env;
    auto name = [](const std::string& e) { return e.substr(0, e.find('=')); };
    for (char** e = environ; *e; ++e) {
      bool replaced = false;
      for (const std::string& c : changes) replaced = replaced || name(c) == name(*e);
      if (!replaced) env.emplace_back(*e);
    }
    env.insert(env.end(), changes.begin(), changes.end());
    return env;
  }

  pid_t pid_ = -1;
  int stdout_ = -1;
  int status_ = 0;
  bool reaped_ = false;
};

// Polls until the condition holds; false after the timeout.
inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

inline std::string DescribeStatus(int status) {
  if (WIFEXITED(status)) return "exit " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return std::string("signal ") + ::strsignal(WTERMSIG(status));
  return "status " + std::to_string(status);
}

}  // namespace kemurina::faults
