// How much text a document may hold, as sizes that never overflow. No Windows header: built
// natively too.
#pragma once

// The edit control's text limit, and the size rule for files: a file of 10,485,759 bytes or
// more is refused. A file's text may still grow past the limit when its line ends become
// CR LF; the control's limit is then raised for that document so no byte is dropped.
constexpr long long kEditTextLimit = 0xA00000;  // 10,485,760

// A file may be loaded when its size + 1 stays under the limit. A size that could not be read
// (negative) passes: opening the file then reports what is wrong with it.
constexpr bool FileFitsEditor(long long size) {
  return size < 0 || size + 1 < kEditTextLimit;
}

// Bytes of the read buffer: the file, its terminator, and room for every line end to double.
constexpr long long ReadBufferSize(long long size) {
  return (size + 1) * 2 + 16;
}

// True when replacing `selected` of a document's `documentLength` characters by `inserted`
// characters keeps the text within `limit`.
constexpr bool InsertionFits(long long documentLength, long long selected, long long inserted,
                             long long limit) {
  return inserted >= 0 && documentLength - selected + inserted <= limit;
}
