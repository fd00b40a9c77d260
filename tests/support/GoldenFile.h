// Compares a built document with its expected-output file. With
// TALLYFOLD_UPDATE_GOLDEN=1 the file is rewritten instead; on a mismatch the
// actual output is written beside it (".actual") and a line diff is shown.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tf::testing {

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// Lines without their CR LF, so the diff reads cleanly.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A diff of two line lists ("-" expected, "+" actual) with two lines of
// context, from a longest-common-subsequence table.
inline std::string LineDiff(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  const std::size_t n = a.size(), m = b.size();
  std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    }
  }
  std::vector<std::string> out;
  std::vector<bool> changed;
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      out.push_back("  " + a[i++]), changed.push_back(false), ++j;
    } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
      out.push_back("- " + a[i++]), changed.push_back(true);
    } else {
      out.push_back("+ " + b[j++]), changed.push_back(true);
    }
  }
  std::string diff = "--- expected\n+++ actual\n";
  std::size_t shown = 0;  // one past the last line shown
  for (std::size_t k = 0; k < out.size(); ++k) {
    bool near = false;
    for (std::size_t d = (k < 2 ? 0 : k - 2); d <= std::min(out.size() - 1, k + 2); ++d) {
      near = near || changed[d];
    }
    if (!near) continue;
    if (k > shown) diff += "...\n";
    diff += out[k] + "\n";
    shown = k + 1;
  }
  return diff;
}

inline void ExpectMatchesGolden(const std::string& actual, const std::string& goldenPath) {
  const char* update = std::getenv("TALLYFOLD_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    WriteWholeFile(goldenPath, actual);
    return;
  }
  const std::string expected = ReadWholeFile(goldenPath);
  if (expected == actual) return;
  WriteWholeFile(goldenPath + ".actual", actual);
  ADD_FAILURE() << "The output differs from " << goldenPath << " (actual written to " << goldenPath
                << ".actual; TALLYFOLD_UPDATE_GOLDEN=1 accepts it).\n"
                << (SplitLines(expected) == SplitLines(actual)
                        ? std::string("Only the line ends differ.\n")
                        : LineDiff(SplitLines(expected), SplitLines(actual)));
}

}  // namespace tf::testing
