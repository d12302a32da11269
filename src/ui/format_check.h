// Lets the compiler check printf-style arguments where it can (GCC, Clang); nothing on MSVC.
#pragma once
#if defined(__GNUC__)
#define NORVEL_PRINTF(format_index, first_arg) \
  __attribute__((format(printf, format_index, first_arg)))
#else
#define NORVEL_PRINTF(format_index, first_arg)
#endif
