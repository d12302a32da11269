// The text of printed body lines: where the document's lines start, and each line made ready
// for drawing. Pure text logic with no Windows header, so it is built and tested natively too.
#pragma once
#include <cstddef>
#include <vector>

constexpr int kLineFetchCapacity = 1024;                   // one fetched line: 1023 characters
constexpr int kBodyLineCapacity = 2 * kLineFetchCapacity;  // room for every "&" doubled

// Fills `starts` with the offset of each line of `text`: the first at 0, then one after each
// CR LF, lone CR or lone LF, as the edit control breaks lines. A text ending in a line end has
// an empty last line; an empty text has one line.
void FindLineStarts(const char* text, size_t length, std::vector<size_t>& starts);

// Makes `line` (`length` characters, possibly with its line end) ready to draw: cut at its first
// CR or LF and at 1023 characters, every "&" doubled so that it prints as itself.
void PrepareBodyLine(const char* line, size_t length, char (&out)[kBodyLineCapacity]);
