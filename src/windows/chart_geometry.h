// Where the character chart's cells and information box lie, and the texts the box shows. Pure
// logic, no Windows header: built natively too.
#pragma once

// A rectangle in the chart's client pixels; right and bottom are exclusive.
struct ChartBox {
  int left;
  int top;
  int right;
  int bottom;
};

// The grid: 16 columns of 30 pixels and 16 rows of 16 pixels. The first column holds the codes
// 0 to 15 from top to bottom.
constexpr int kChartGridLeft = 15;
constexpr int kChartGridTop = 15;
constexpr int kChartCellWidth = 30;
constexpr int kChartCellHeight = 16;
constexpr int kChartGridRight = kChartGridLeft + 16 * kChartCellWidth;   // 495
constexpr int kChartGridBottom = kChartGridTop + 16 * kChartCellHeight;  // 271
constexpr int kChartWidth = 518;  // the window, frame included
constexpr int kChartHeight = 325;

// The code of the cell under a point, or -1 outside the grid.
int ChartCodeAt(int x, int y);
// The cell of a code as the click inverts it (its top-left grid line included).
ChartBox ChartCellBox(int code);
// The cell of a code as its character is written (inside the grid lines).
ChartBox ChartTextBox(int code);
// The 80 x 52 box beside the cell that shows the code; left of the cell in the last 3 columns.
ChartBox ChartInfoBox(int code);

constexpr int kChartInfoLines = 4;
constexpr int kChartInfoLineCapacity = 16;
// The box's four lines: " Hex: x41", " Dec: 65", " Oct:  101", " Bin:  01000001".
void ChartInfoTexts(int code, char (&lines)[kChartInfoLines][kChartInfoLineCapacity]);
