#pragma once

// Runs a piece of the program in a child process, for what only a process can witness: a hang, a
// signal, a process-wide limit. The child is ended by SIGALRM if it runs past the limit, so a test
// never hangs.

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace testing_support {

// The child's wait status; body's result is its exit status.
inline int RunInChild(const std::function<int()>& body, unsigned limitSeconds = 60) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(limitSeconds);
    int code = 100;
    try {
      code = body();
    } catch (...) {
    }
    _exit(code);  // never back into the test runner's code
  }
  int status = -1;
  if (child > 0) waitpid(child, &status, 0);
  return status;
}

// Whether a wait status is a normal exit with this code.
inline bool ExitedWith(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

}  // namespace testing_support
