// The character chart's hit test, cell and box rectangles and code texts; the error list line.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "windows/chart_geometry.h"
#include "windows/error_line.h"

namespace {

std::string Box(const ChartBox& b) {
  return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.right) +
         "," + std::to_string(b.bottom);
}

TEST(ChartGeometry, PointsCellsBoxesAndTexts) {
  const struct {
    int x, y, code;
  } points[] = {{15, 15, 0},   {44, 30, 0},    {45, 31, 17},  {135, 31, 65}, {494, 270, 255},
                {14, 100, -1}, {100, 14, -1},  {495, 100, -1}, {100, 271, -1}, {-5, -5, -1}};
  for (const auto& p : points) EXPECT_EQ(ChartCodeAt(p.x, p.y), p.code) << p.x << "," << p.y;

  const struct {
    int code;
    const char *cell, *text, *info, *lines;
  } cells[] = {
      {65, "135,31,165,47", "136,32,165,47", "168,16,248,68", " Hex: x41| Dec: 65| Oct:  101| Bin:  01000001"},
      {0, "15,15,45,31", "16,16,45,31", "48,0,128,52", " Hex: x00| Dec: 0| Oct:  000| Bin:  00000000"},
      {207, "375,255,405,271", "376,256,405,271", "408,240,488,292", " Hex: xCF| Dec: 207| Oct:  317| Bin:  11001111"},
      {208, "405,15,435,31", "406,16,435,31", "322,0,402,52", " Hex: xD0| Dec: 208| Oct:  320| Bin:  11010000"},
      {255, "465,255,495,271", "466,256,495,271", "382,240,462,292", " Hex: xFF| Dec: 255| Oct:  377| Bin:  11111111"},
  };
  for (const auto& c : cells) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(Box(ChartCellBox(c.code)), c.cell);
    EXPECT_EQ(Box(ChartTextBox(c.code)), c.text);
    EXPECT_EQ(Box(ChartInfoBox(c.code)), c.info);
    char lines[kChartInfoLines][kChartInfoLineCapacity];
    ChartInfoTexts(c.code, lines);
    EXPECT_EQ(std::string(lines[0]) + "|" + lines[1] + "|" + lines[2] + "|" + lines[3], c.lines);
  }
}

TEST(ErrorLine, FormatsOneLinePerCode) {
  char line[kErrorLineCapacity];
  const struct {
    int code;
    const char *message, *line;
  } rows[] = {{0, "The operation completed successfully.\r\n",
               "0\t0x0000\tThe operation completed successfully.  "},
              {6665, "a\rb\nc", "6665\t0x1A09\ta b c"},
              {255, "x", "255\t0x00FF\tx"}};
  for (const auto& row : rows) {
    ASSERT_EQ(FormatErrorLine(row.code, row.message, line, sizeof line), 1);
    EXPECT_STREQ(line, row.line);
  }
  std::strcpy(line, "untouched");
  EXPECT_EQ(FormatErrorLine(5, "", line, sizeof line), 0);
  EXPECT_STREQ(line, "untouched");
  const std::string longText(400, 'm');  // cut to the buffer, never past it
  ASSERT_EQ(FormatErrorLine(1, longText.c_str(), line, sizeof line), 1);
  EXPECT_EQ(std::strlen(line), sizeof line - 1);
}

}  // namespace
