#include "PasswordInput.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace tf::cli {
namespace {

// The terminal's settings while echo is off, for the signal handler: a
// password prompt left by Ctrl+C must not leave the shell without echo.
termios SavedTerminal;
volatile sig_atomic_t EchoIsOff = 0;
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void RestoreEchoAndEnd(int signal) {
  if (EchoIsOff) tcsetattr(STDIN_FILENO, TCSANOW, &SavedTerminal);
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigaction(signal, &standard, nullptr);
  raise(signal);
}

std::string WithoutLineEnd(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// One line read a byte at a time, so nothing after it is taken from stdin.
std::optional<std::string> ReadLine(int fd) {
  std::string line;
  bool any = false;
  for (char c = 0;;) {
    const ssize_t count = read(fd, &c, 1);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    any = true;
    if (c == '\n') break;
    line += c;
  }
  if (!any) return std::nullopt;
  return WithoutLineEnd(line);
}

std::optional<std::string> ReadWithoutEcho() {
  termios saved{};
  const bool hidden = tcgetattr(STDIN_FILENO, &saved) == 0;
  struct sigaction previous[std::size(kEndingSignals)];
  if (hidden) {
    SavedTerminal = saved;
    struct sigaction restore {};
    restore.sa_handler = RestoreEchoAndEnd;
    sigemptyset(&restore.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
      sigaction(kEndingSignals[i], &restore, &previous[i]);
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    EchoIsOff = 1;  // before the change, so a signal in between restores too
    tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  }
  // Only now the prompt: whatever is typed after it must not show.
  std::cerr << "Password: " << std::flush;
  const std::optional<std::string> entry = ReadLine(STDIN_FILENO);
  if (hidden) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    EchoIsOff = 0;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
      sigaction(kEndingSignals[i], &previous[i], nullptr);
  }
  std::cerr << '\n';  // the Return typed was not echoed
  return entry;
}

}  // namespace

bool StdinIsTerminal() {
  return isatty(STDIN_FILENO) == 1;
}

std::optional<std::string> ReadPasswordFromStdin() {
  return StdinIsTerminal() ? ReadWithoutEcho() : ReadLine(STDIN_FILENO);
}

std::string ReadPasswordFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    throw std::runtime_error("The password file \"" + path + "\" is a folder.");
  std::ifstream file(path, std::ios::binary);
  if (!file)
    throw std::runtime_error("The password file \"" + path +
                             "\" cannot be read: " + std::strerror(errno) + ".");
  std::string line;
  std::getline(file, line);
  if (file.bad()) throw std::runtime_error("The password file \"" + path + "\" cannot be read.");
  return WithoutLineEnd(line);
}

}  // namespace tf::cli
