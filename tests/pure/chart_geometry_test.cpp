// The character chart's hit test and code texts; the error list's line.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "windows/chart_geometry.h"
#include "windows/error_line.h"

namespace {

TEST(ChartGeometry, ClickedCodeAndItsTexts) {
  const int points[][3] = {{15, 15, 0},   {44, 30, 0},   {45, 31, 17},   {494, 270, 255},
                           {14, 100, -1}, {100, 14, -1}, {495, 100, -1}, {100, 271, -1}};
  for (const auto& p : points) EXPECT_EQ(ChartCodeAt(p[0], p[1]), p[2]) << p[0] << "," << p[1];
  char l[kChartInfoLines][kChartInfoLineCapacity];
  ChartInfoTexts(207, l);
  EXPECT_EQ(std::string(l[0]) + "|" + l[1] + "|" + l[2] + "|" + l[3],
            " Hex: xCF| Dec: 207| Oct:  317| Bin:  11001111");
}

TEST(ErrorLine, OneLinePerCodeWithTheLineEndsBlanked) {
  char line[kErrorLineCapacity] = "untouched";
  EXPECT_EQ(FormatErrorLine(5, "", line, sizeof line), 0);  // no text, no line
  EXPECT_STREQ(line, "untouched");
  ASSERT_EQ(FormatErrorLine(6665, "a\rb\nc\r\n", line, sizeof line), 1);
  EXPECT_STREQ(line, "6665\t0x1A09\ta b c  ");
  ASSERT_EQ(FormatErrorLine(1, std::string(400, 'm').c_str(), line, sizeof line), 1);
  EXPECT_EQ(std::strlen(line), sizeof line - 1);  // cut to the buffer, never past it
}

}  // namespace
