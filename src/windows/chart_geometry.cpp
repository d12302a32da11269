// Where the character chart's cells and information box lie, and the texts the box shows.
#include "windows/chart_geometry.h"

#include <cstdio>

namespace {

int ColumnOf(int code) {
  return (code & 0xFF) / 16;
}
int RowOf(int code) {
  return (code & 0xFF) % 16;
}

// `value` in base `base` (2 or 8), padded with zeros to `digits`.
void Digits(int value, int base, int digits, char* out) {
  for (int i = digits - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % base);
    value /= base;
  }
  out[digits] = '\0';
}

}  // namespace

int ChartCodeAt(int x, int y) {
  if (x < kChartGridLeft || x >= kChartGridRight || y < kChartGridTop || y >= kChartGridBottom) {
    return -1;
  }
  const int column = (x - kChartGridLeft) / kChartCellWidth;
  const int row = (y - kChartGridTop) / kChartCellHeight;
  return column * 16 + row;
}

ChartBox ChartCellBox(int code) {
  const int column = ColumnOf(code);
  const int row = RowOf(code);
  return {15 + 30 * column, 15 + 16 * row, 45 + 30 * column, 31 + 16 * row};
}

ChartBox ChartTextBox(int code) {
  const int column = ColumnOf(code);
  const int row = RowOf(code);
  return {16 + 30 * column, 16 + 16 * row, 45 + 30 * column, 31 + 16 * row};
}

ChartBox ChartInfoBox(int code) {
  const int column = ColumnOf(code);
  const int row = RowOf(code);
  // The last three columns have no room at the right within the window.
  const int left = column >= 13 ? 30 * column - 68 : 30 * column + 48;
  return {left, 16 * row, left + 80, 16 * row + 52};
}

void ChartInfoTexts(int code, char (&lines)[kChartInfoLines][kChartInfoLineCapacity]) {
  code &= 0xFF;
  char octal[4];
  char binary[9];
  Digits(code, 8, 3, octal);
  Digits(code, 2, 8, binary);
  std::snprintf(lines[0], sizeof lines[0], " Hex: x%02X", static_cast<unsigned>(code));
  std::snprintf(lines[1], sizeof lines[1], " Dec: %d", code);
  std::snprintf(lines[2], sizeof lines[2], " Oct:  %s", octal);
  std::snprintf(lines[3], sizeof lines[3], " Bin:  %s", binary);
}
