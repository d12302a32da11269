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

TEST(LineFormat, DetectionByTheFirstRuleThatMatches) {
  const struct {
    const char* text;
    int format;
  } cases[] = {
      {"", kWindowsFormat},          {"no line end", kWindowsFormat},
      {"a\r\nb", kWindowsFormat},    {"a\r\nb\rc\n", kWindowsFormat},  // one CR LF anywhere wins
      {"a\rb\nc", kMacintoshFormat},                                   // a CR without CR LF
      {"a\n\rb", kMacintoshFormat},                                    // LF CR is not a CR LF
      {"\r", kMacintoshFormat},      {"a\nb\n", kUnixFormat},
      {"\n", kUnixFormat},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectLineFormatOf(c.text), c.format) << "text: " << ::testing::PrintToString(c.text);
  }
}

TEST(LineFormat, ConversionsBothWays) {
  // Into the editor: only the file's own line end doubles; every other byte is copied.
  EXPECT_EQ(ToEditor("a\rb\nc", kMacintoshFormat), "a\r\nb\nc");
  EXPECT_EQ(ToEditor("a\nb\n", kUnixFormat), "a\r\nb\r\n");
  EXPECT_EQ(ToEditor("a\r\nb\rc\n", kWindowsFormat), "a\r\nb\rc\n");
  EXPECT_EQ(ToEditor("\r\r\r", kMacintoshFormat), "\r\n\r\n\r\n");
  EXPECT_EQ(ToEditor("", kUnixFormat), "");
  // Out to the file: Macintosh drops every LF, Unix every CR, Windows nothing.
  EXPECT_EQ(ToFile("a\r\nb", kMacintoshFormat), "a\rb");
  EXPECT_EQ(ToFile("a\r\nb", kUnixFormat), "a\nb");
  EXPECT_EQ(ToFile("a\r\nb", kWindowsFormat), "a\r\nb");
  EXPECT_EQ(ToFile("a\nb\rc", kMacintoshFormat), "ab\rc");
  EXPECT_EQ(ToFile("a\nb\rc", kUnixFormat), "a\nbc");
  // High bytes pass unchanged.
  EXPECT_EQ(ToEditor("\xE9\xFF\n\x80", kUnixFormat), "\xE9\xFF\r\n\x80");
}

TEST(LineFormat, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int c = 1; c < 256; ++c) {
    if (c != '\r' && c != '\n') all += static_cast<char>(c);
  }
  const std::string text = all + "\n" + all + "\n";
  EXPECT_EQ(ToFile(ToEditor(text, kUnixFormat), kUnixFormat), text);
  std::string mac = text;
  for (char& c : mac) {
    if (c == '\n') c = '\r';
  }
  EXPECT_EQ(ToFile(ToEditor(mac, kMacintoshFormat), kMacintoshFormat), mac);
}

}  // namespace
