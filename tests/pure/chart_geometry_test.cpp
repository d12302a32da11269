// The character chart's hit test, rectangles and code texts; the error list's line.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "windows/chart_geometry.h"
#include "windows/error_line.h"

namespace {

std::string Text(const ChartBox& b) {
  return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.right) +
         "," + std::to_string(b.bottom);
}

TEST(ChartGeometry, PointsCellsBoxesAndTexts) {
  const int points[][3] = {{15, 15, 0},   {44, 30, 0},   {45, 31, 17},   {494, 270, 255},
                           {14, 100, -1}, {100, 14, -1}, {495, 100, -1}, {100, 271, -1}};
  for (const auto& p : points) EXPECT_EQ(ChartCodeAt(p[0], p[1]), p[2]) << p[0] << "," << p[1];
  const struct {
    int code;
    const char *cell, *text, *info, *lines;
  } cells[] = {
      {65, "135,31,165,47", "136,32,165,47", "168,16,248,68",
       " Hex: x41| Dec: 65| Oct:  101| Bin:  01000001"},
      {207, "375,255,405,271", "376,256,405,271", "408,240,488,292",
       " Hex: xCF| Dec: 207| Oct:  317| Bin:  11001111"},
      {208, "405,15,435,31", "406,16,435,31", "322,0,402,52",  // columns 13-15: box at the left
       " Hex: xD0| Dec: 208| Oct:  320| Bin:  11010000"}};
  for (const auto& c : cells) {
    EXPECT_EQ(Text(ChartCellBox(c.code)), c.cell);
    EXPECT_EQ(Text(ChartTextBox(c.code)), c.text);
    EXPECT_EQ(Text(ChartInfoBox(c.code)), c.info);
    char l[kChartInfoLines][kChartInfoLineCapacity];
    ChartInfoTexts(c.code, l);
    EXPECT_EQ(std::string(l[0]) + "|" + l[1] + "|" + l[2] + "|" + l[3], c.lines);
  }
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
