// The calls that make a print job (the printer font and its metrics, the start and end of the job and of each
// page) go through here, so that a test can make any of them fail, or watch the pages of a job
// drawn into a metafile, and check what the user is told.
#pragma once
#include <windows.h>

enum class JobStep { CreateFont, TextMetrics, StartDoc, StartPage, EndPage, EndDoc, Count };

// Each returns what the system call returns (a value below 1 is a failure, with GetLastError()
// holding the code).
HFONT JobCreateFont(const LOGFONTA* font);  // null on failure
// The selected font's metrics; a failure leaves `metrics` all zero, as a font of no height would.
BOOL JobTextMetrics(HDC dc, TEXTMETRICA* metrics);
int JobStartDoc(HDC dc, const DOCINFOA* info);
int JobStartPage(HDC dc);
int JobEndPage(HDC dc);
int JobEndDoc(HDC dc);

// Test seam: the `skip`+1-th call of `step` from now fails with `error` (once), without reaching
// the system.
void InjectJobFailure(JobStep step, DWORD error, int skip = 0);
// Test seam: the job calls go to `calls` instead of the system while it is set (null: the
// system's calls again). Failures injected above are still applied first.
struct JobCallTable {
  int (*startDoc)(HDC dc, const DOCINFOA* info);
  int (*startPage)(HDC dc);
  int (*endPage)(HDC dc);
  int (*endDoc)(HDC dc);
};
void SetJobCalls(const JobCallTable* calls);
void ClearJobFailures();
