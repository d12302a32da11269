// Line-end detection and conversion, byte for byte.
#include <string>

#include <gtest/gtest.h>

#include "files/line_format.h"

namespace {

// Both ways into the editor, into a second buffer and in place, must give the same bytes.
std::string ToEditor(const std::string& text, int format) {
  std::string out(text.size() * 2 + 1, '?');
  out.resize(ConvertToEditorBytes(text.data(), text.size(), format, out.data()));
  std::string inPlace = text + std::string(text.size() + 1, '?');
  inPlace.resize(ConvertToEditorBytesInPlace(inPlace.data(), text.size(), format));
  EXPECT_EQ(inPlace, out);
  return out;
}

std::string ToFile(const std::string& text, int format) {
  std::string out(text.size() + 1, '?');
  out.resize(ConvertToFileBytes(text.data(), text.size(), format, out.data()));
  return out;
}

TEST(LineFormat, DetectionAndConversionsBothWays) {
  const std::pair<const char*, int> detected[] = {
      {"", kWindowsFormat},
      {"a\r\nb\rc\n", kWindowsFormat},  // one CR LF anywhere wins
      {"a\rb\nc", kMacintoshFormat},
      {"a\n\rb", kMacintoshFormat},  // LF CR is no CR LF
      {"a\nb\n", kUnixFormat}};
  for (const auto& [text, format] : detected) EXPECT_EQ(DetectLineFormatOf(text), format) << text;
  // Into the editor only the file's own line end doubles; out to the file Macintosh drops
  // every LF, Unix every CR, Windows nothing.
  EXPECT_EQ(ToEditor("a\rb\nc", kMacintoshFormat), "a\r\nb\nc");
  EXPECT_EQ(ToEditor("a\nb\n\xE9\xFF", kUnixFormat), "a\r\nb\r\n\xE9\xFF");
  EXPECT_EQ(ToEditor("a\r\nb\rc\n", kWindowsFormat), "a\r\nb\rc\n");
  EXPECT_EQ(ToFile("a\r\nb\nc\r", kMacintoshFormat), "a\rbc\r");
  EXPECT_EQ(ToFile("a\r\nb\nc\r", kUnixFormat), "a\nb\nc");
  EXPECT_EQ(ToFile("a\r\nb\nc\r", kWindowsFormat), "a\r\nb\nc\r");

  std::string all;  // every other byte survives a round trip
  for (int c = 1; c < 256; ++c) all += c == '\r' || c == '\n' ? '\n' : static_cast<char>(c);
  EXPECT_EQ(ToFile(ToEditor(all, kUnixFormat), kUnixFormat), all);
}

}  // namespace
