// Runs the built tallyfold-cli in a folder of its own: a home folder there,
// so the user's documents and settings stay out of reach, and stdin from a
// given text (or empty), so no test ever waits at a password prompt.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "store/DataFile.h"

namespace tf::testing {

namespace fs = std::filesystem;

struct TRun {
  int Status;
  std::string Out, Err;
};

// The text in single quotes for the shell.
inline std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

struct CliFixture : ::testing::Test {
  fs::path dir;

  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = fs::temp_directory_path() / ("tallyfold-cli-" + std::string(test->test_suite_name()) +
                                       "-" + test->name() + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Path(const std::string& name) const { return (dir / name).string(); }

  TRun Run(const std::string& args, const std::string& input = "") {
    const std::string in = Path("stdin"), out = Path("stdout"), err = Path("stderr");
    WriteFileAtomically(in, input);
    const std::string command =
        "HOME=" + Quoted(dir.string()) + " XDG_CONFIG_HOME=" + Quoted(Path("config")) + " " +
        TALLYFOLD_CLI + " " + args + " <" + Quoted(in) + " >" + Quoted(out) + " 2>" + Quoted(err);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(out), ReadWholeFile(err)};
  }
};

}  // namespace tf::testing
