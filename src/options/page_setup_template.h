// The Printing page's template, built in memory: the header, footer and margin fields with the
// macro legend between them.
#pragma once
#include <windows.h>

#include <cstddef>

#include "ui/global_block.h"

// Control ids of the Printing page.
constexpr int kTopMarginId = 101;
constexpr int kLeftMarginId = 102;
constexpr int kBottomMarginId = 103;
constexpr int kRightMarginId = 104;
constexpr int kHeaderTextId = 111;
constexpr int kPrintHeaderId = 112;
constexpr int kCenterHeaderId = 113;
constexpr int kFooterTextId = 121;
constexpr int kPrintFooterId = 122;
constexpr int kCenterFooterId = 123;

// Writes the page's template into a zero-filled block; the bytes used, 0 when it did not fit.
size_t WritePageSetupTemplate(void* block, size_t capacity);
// The template in its own block of 4098 bytes; empty after the memory error has been shown.
GlobalBlock BuildPageSetupTemplate();
