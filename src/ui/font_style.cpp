// Screen fonts made from a face name and a point size.
#include "ui/font_style.h"

#include <cstring>

#include "ui/message_dialogs.h"

namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

}  // namespace

FontOwner MakeFontStyle(const char* face, int points) {
  if (!face || !*face || std::strlen(face) >= LF_FACESIZE) return FontOwner();
  HDC screen = GetDC(nullptr);
  if (!screen) {
    ShowError(60009, "MakeFontStyle", static_cast<int>(GetLastError()));
    return FontOwner();
  }
  LOGFONTA font = {};
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  // The system would quietly put another face in place of a missing one; ask for this one.
  bool found = false;
  EnumFontFamiliesExA(screen, &font, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  font.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  if (!found) return FontOwner();
  font.lfWeight = FW_NORMAL;
  FontOwner made(CreateFontIndirectA(&font));
  if (!made) ShowError(60001, face, points, static_cast<int>(GetLastError()));
  return made;
}
