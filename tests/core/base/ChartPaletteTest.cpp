// The chart palette's shades and group steps, and the gradient between two
// colours.
#include <gtest/gtest.h>

#include "base/ChartPalette.h"

namespace tf {
namespace {

TEST(PaletteColor, GivesTheShadesOfEachGroupLightestFirst) {
  const struct {
    int Index;
    TColor Expected;
  } cases[] = {
      {0, 0xFCE94F},   {15, 0xC4A000},  {16, 0xFEE4A6},  {64, 0x729FCF},
      {100, 0xE6A49B}, {191, 0x4A4036}, {192, 0xEABAB8}, {207, 0x711558},
  };
  for (const auto& c : cases) EXPECT_EQ(PaletteColor(c.Index), c.Expected) << c.Index;
}

TEST(PaletteColor, KeepsAnIndexOutsideThePaletteAtItsNearestEnd) {
  EXPECT_EQ(PaletteColor(-1), PaletteColor(0));
  EXPECT_EQ(PaletteColor(208), PaletteColor(207));
  EXPECT_EQ(PaletteColorBefore(0), PaletteColor(0));
  EXPECT_EQ(PaletteColorLightest(3), PaletteColor(0));
}

TEST(PaletteColor, BeforeAndLightestStepBackWithinTheGroup) {
  EXPECT_EQ(PaletteColorBefore(31), 0xD2660C);
  EXPECT_EQ(PaletteColorLightest(31), 0xFEE4A6);
  EXPECT_EQ(PaletteColorLightest(207), 0xEABAB8);
}

TEST(NextPaletteGroup, StepsFromDarkestToDarkestAndWrapsAfterTheLastGroup) {
  const struct {
    int Index, Expected;
  } cases[] = {{15, 31}, {31, 47}, {175, 191}, {191, 207}, {207, 15},
               {0, 15},  {14, 15}, {16, 15},   {30, 15},   {-1, 15}};
  for (const auto& c : cases) EXPECT_EQ(NextPaletteGroup(c.Index), c.Expected) << c.Index;
}

TEST(GradientColor, StepsEachChannelRoundingUp) {
  // Red 0 -> 10 in 3 steps: 0 + ceil(3.33 * k); green falls 100 -> 0.
  const TColor a = 0x006400, b = 0x0A0000;
  EXPECT_EQ(GradientColor(3, a, b, 0), a);
  EXPECT_EQ(GradientColor(3, a, b, 1), 0x044300u);  // ceil(3.33)=4, 100+ceil(-33.3)=67
  EXPECT_EQ(GradientColor(3, a, b, 2), 0x072200u);  // ceil(6.67)=7, 100+ceil(-66.7)=34
  EXPECT_EQ(GradientColor(3, a, b, 3), b);
  EXPECT_EQ(GradientColor(3, a, b, 4), b);
}

TEST(GradientColor, NeverSpillsOneChannelIntoTheNext) {
  for (int steps = 1; steps <= 50; ++steps) {
    for (int k = 0; k <= steps; ++k) {
      const TColor c = GradientColor(steps, 0x000000, 0xFFFFFF, k);
      EXPECT_LE(c, 0xFFFFFFu) << steps << " " << k;
      EXPECT_EQ(c & 0xFF, (c >> 8) & 0xFF) << steps << " " << k;
    }
    EXPECT_EQ(GradientColor(steps, 0x000000, 0xFFFFFF, steps), 0xFFFFFFu);
  }
}

TEST(GradientColor, WithoutStepsGivesTheEndColour) {
  EXPECT_EQ(GradientColor(0, 0x112233, 0x445566, 0), 0x445566u);
  EXPECT_EQ(GradientColor(-2, 0x112233, 0x445566, 1), 0x445566u);
}

}  // namespace
}  // namespace tf
