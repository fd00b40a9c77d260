// The main window's stored placement: reading and writing the four values and
// correcting them against the work area.
#include <gtest/gtest.h>

#include "app/WindowPlacement.h"
#include "base/MemoryPreferenceStore.h"

namespace tf {
namespace {

const TWindowRect kCurrent{100, 120, 868, 638};
const TWorkArea kArea{0, 0, 1280, 1000};

TEST(WindowPlacement, WritesDecimalTextsUnderTheClassName) {
  TMemoryPreferenceStore store;
  WriteWindowPlacement(store, "TfrmMain", {10, -20, 900, 700});
  EXPECT_EQ(store.ReadSetting("TfrmMain_T"), "10");
  EXPECT_EQ(store.ReadSetting("TfrmMain_L"), "-20");
  EXPECT_EQ(store.ReadSetting("TfrmMain_W"), "900");
  EXPECT_EQ(store.ReadSetting("TfrmMain_H"), "700");
  EXPECT_EQ(ReadWindowPlacement(store, "TfrmMain", kCurrent), (TWindowRect{10, -20, 900, 700}));
}

TEST(WindowPlacement, AMissingOrNonNumericValueIsTheCurrentOne) {
  TMemoryPreferenceStore store{
      {"TfrmMain_T", "abc"}, {"TfrmMain_L", "15"}, {"TfrmMain_W", "12x"}, {"TfrmMain_H", ""}};
  EXPECT_EQ(ReadWindowPlacement(store, "TfrmMain", kCurrent), (TWindowRect{100, 15, 868, 638}));
  TMemoryPreferenceStore empty;
  EXPECT_EQ(ReadWindowPlacement(empty, "TfrmMain", kCurrent), kCurrent);
}

TEST(CorrectPlacement, ReplacesEachValueOutsideTheWorkAreaByTheCurrentOne) {
  const struct {
    const char* Name;
    TWindowRect Stored, Expected;
  } cases[] = {
      {"all valid", {50, 60, 900, 700}, {50, 60, 900, 700}},
      {"top below the work area", {1200, 60, 900, 700}, {100, 60, 900, 700}},
      {"negative top", {-5, 60, 900, 700}, {100, 60, 900, 700}},
      {"left beyond the width", {50, 1300, 900, 700}, {50, 120, 900, 700}},
      {"too wide", {50, 60, 1400, 700}, {50, 60, 868, 700}},
      {"too high", {50, 60, 900, 1100}, {50, 60, 900, 638}},
      {"negative width", {50, 60, -1, 700}, {50, 60, 868, 700}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CorrectPlacement(c.Stored, kCurrent, kArea), c.Expected) << c.Name;
}

TEST(CorrectPlacement, PullsAWindowThatWouldReachPastAnEdgeBackInside) {
  // Valid values one by one, but the window would hang off the bottom right.
  EXPECT_EQ(CorrectPlacement({900, 1000, 800, 600}, kCurrent, kArea),
            (TWindowRect{400, 480, 800, 600}));
  // Top exactly at the work area's height would leave nothing visible.
  EXPECT_EQ(CorrectPlacement({1000, 0, 868, 638}, kCurrent, kArea),
            (TWindowRect{362, 0, 868, 638}));
}

TEST(CorrectPlacement, HonoursAWorkAreaThatDoesNotStartAtTheOrigin) {
  const TWorkArea second{30, 1280, 1920, 1050};  // a second screen below a panel
  EXPECT_EQ(CorrectPlacement({40, 1300, 900, 700}, kCurrent, second),
            (TWindowRect{40, 1300, 900, 700}));
  EXPECT_EQ(CorrectPlacement({10, 1300, 900, 700}, kCurrent, second),
            (TWindowRect{100, 1300, 900, 700}));
}

}  // namespace
}  // namespace tf
