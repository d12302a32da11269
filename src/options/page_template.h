// The block that an options page built in memory lives in, and what every such page shares: the
// header of a 320 x 172 page in 8-point "MS Sans Serif" and the side picture at its left edge.
#pragma once
#include <windows.h>

#include <cstddef>

#include "ui/dialog_template.h"
#include "ui/global_block.h"

constexpr size_t kPageTemplateSize = 4098;

// Allocates the zero-filled block of kPageTemplateSize bytes; after a failure it has shown
// "Cannot allocate memory for Dialog Template" and the block is empty.
GlobalBlock AllocatePageTemplate();

// Begins a page's template with its caption and writes the side picture (bitmap 1999) as the
// first item, a sunken static with `pictureStyle` added (SS_CENTERIMAGE, or 0 for its real size).
int BeginPageTemplate(DialogTemplateBuilder& builder, const char* caption, DWORD pictureStyle);
