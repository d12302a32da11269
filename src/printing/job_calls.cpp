// The print job's calls, each with room for a test to fail it or to redirect it.
#include "printing/job_calls.h"

namespace {

struct PendingFailure {
  bool armed = false;
  DWORD error = 0;
  int skip = 0;
};
PendingFailure failures[static_cast<int>(JobStep::Count)];
const JobCallTable* redirected = nullptr;

// True when this call of `step` is the one a test asked to fail; sets the last error then.
bool FailsNow(JobStep step) {
  PendingFailure& failure = failures[static_cast<int>(step)];
  if (!failure.armed) return false;
  if (failure.skip-- > 0) return false;
  failure.armed = false;
  SetLastError(failure.error);
  return true;
}

}  // namespace

HFONT JobCreateFont(const LOGFONTA* font) {
  if (FailsNow(JobStep::CreateFont)) return nullptr;
  return CreateFontIndirectA(font);
}

BOOL JobTextMetrics(HDC dc, TEXTMETRICA* metrics) {
  if (FailsNow(JobStep::TextMetrics)) {
    *metrics = {};
    return FALSE;
  }
  return GetTextMetricsA(dc, metrics);
}

int JobStartDoc(HDC dc, const DOCINFOA* info) {
  if (FailsNow(JobStep::StartDoc)) return SP_ERROR;
  return redirected ? redirected->startDoc(dc, info) : StartDocA(dc, info);
}

int JobStartPage(HDC dc) {
  if (FailsNow(JobStep::StartPage)) return SP_ERROR;
  return redirected ? redirected->startPage(dc) : StartPage(dc);
}

int JobEndPage(HDC dc) {
  if (FailsNow(JobStep::EndPage)) return SP_ERROR;
  return redirected ? redirected->endPage(dc) : EndPage(dc);
}

int JobEndDoc(HDC dc) {
  if (FailsNow(JobStep::EndDoc)) return SP_ERROR;
  return redirected ? redirected->endDoc(dc) : EndDoc(dc);
}

void InjectJobFailure(JobStep step, DWORD error, int skip) {
  failures[static_cast<int>(step)] = {true, error, skip};
}

void SetJobCalls(const JobCallTable* calls) {
  redirected = calls;
}

void ClearJobFailures() {
  for (PendingFailure& failure : failures) failure = {};
}
