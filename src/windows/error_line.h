// One line of the error codes list. Pure logic, no Windows header: built natively too.
#pragma once
#include <cstddef>

constexpr int kFirstErrorCode = 0;
constexpr int kLastErrorCode = 6665;
constexpr size_t kErrorLineCapacity = 300;  // "65535\t0xFFFF\t" and a 255-character message

// Writes "code\t0x%04X\tmessage" into `line` (cut to `capacity`), with every CR and LF of the
// message turned into a blank so the list keeps one line per code. Returns 0, writing nothing,
// for an empty message: codes without a text are not listed.
int FormatErrorLine(int code, const char* message, char* line, size_t capacity);
