// Date and time stamps from the WIN.INI "Intl" settings, and their insertion at the caret.
#include "editing/timestamp.h"

#include <cstdio>
#include <cstring>

#include "document/doc_words.h"
#include "document/edit_control.h"

namespace {

constexpr const char* kIntlSection = "Intl";

char dateText[kStampCapacity];
char timeText[kStampCapacity];

std::tm LocalClock() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local ? *local : std::tm{};
}

ClockFunction clockFunction = LocalClock;

// Reads one text value; the value already in `value` is its default.
void ReadIntlText(const char* key, char (&value)[kIntlValueCapacity]) {
  char fallback[kIntlValueCapacity];
  std::memcpy(fallback, value, sizeof fallback);
  GetProfileStringA(kIntlSection, key, fallback, value, sizeof value);
}

std::tm TimeOrNow(const std::tm* time) {
  return time ? *time : clockFunction();
}

const char* Deliver(const char (&text)[kStampCapacity], char* out) {
  if (out) std::memcpy(out, text, kStampCapacity);
  return text;
}

}  // namespace

IntlSettings ReadIntlSettings() {
  IntlSettings settings = DefaultIntlSettings();
  settings.iTime = static_cast<int>(GetProfileIntA(kIntlSection, "iTime", settings.iTime));
  settings.iTLZero = static_cast<int>(GetProfileIntA(kIntlSection, "iTLZero", settings.iTLZero));
  ReadIntlText("sTime", settings.sTime);
  ReadIntlText("s1159", settings.s1159);
  ReadIntlText("s2359", settings.s2359);
  ReadIntlText("sShortDate", settings.sShortDate);
  ReadIntlText("sLongDate", settings.sLongDate);
  ReadIntlText("sDate", settings.sDate);
  return settings;
}

const char* FormatDateText(const std::tm* time, int longDate, char* out) {
  BuildDateText(TimeOrNow(time), longDate, ReadIntlSettings(), dateText);
  return Deliver(dateText, out);
}

const char* FormatTimeText(const std::tm* time, char* out) {
  BuildTimeText(TimeOrNow(time), ReadIntlSettings(), timeText);
  return Deliver(timeText, out);
}

int InsertTimestamp(HWND document, AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  if (!edit || GetDocWord(document, kViewingWord)) return 0;
  // One reading of the clock for both texts, so they never straddle a minute.
  const std::tm now = clockFunction();
  char date[kStampCapacity];
  char time[kStampCapacity];
  FormatDateText(&now, options.LongDate, date);
  FormatTimeText(&now, time);

  char stamp[2 * kStampCapacity + 2];
  if (options.ShowDate && options.ShowTime) {
    const bool dateFirst = options.DateFirst != 0;
    std::snprintf(stamp, sizeof stamp, "%s  %s", dateFirst ? date : time, dateFirst ? time : date);
  } else {
    std::snprintf(stamp, sizeof stamp, "%s", options.ShowDate ? date : time);
  }
  ReplaceEditSelection(edit, stamp);
  return 1;
}

void SetTimestampClock(ClockFunction clock) {
  clockFunction = clock ? clock : LocalClock;
}
