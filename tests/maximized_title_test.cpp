// A maximised document's name as the user sees it change: the frame's caption and the Window
// menu follow the "*" that typing adds and saving takes away.
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

class MaximizedTitle : public DocumentFixture {};

std::string WindowMenuEntry(HWND frame) {
  char text[300] = "";
  GetMenuStringA(GetMenu(frame), IDM_FIRSTCHILD, text, sizeof text, MF_BYCOMMAND);
  return text;
}

TEST_F(MaximizedTitle, CaptionAndWindowMenuFollowTypingAndSaving) {
  // A short name, and one so long that the caption cannot hold "Norvel - [name]" whole.
  for (const std::string& name : {std::string("short.txt"), std::string(150, 'n') + ".txt"}) {
    SCOPED_TRACE(name.size());
    AppOptions.ZoomChildren = 1;
    HWND document = WriteAndOpen(name, "text");
    ASSERT_TRUE(document && IsZoomed(document));
    const std::string path = Title(document);
    for (const char* mark : {"*", ""}) {
      if (*mark) {
        Type(document, "x");
      } else {
        Command(IDM_SAVE);
      }
      EXPECT_EQ(path + mark, Title(document));
      // The system cuts a long name short inside the brackets (and in the Window menu).
      const std::string caption = Title(frame_);
      ASSERT_GT(caption.size(), 10u) << caption;
      const std::string shown = caption.substr(0, caption.size() - 1).substr(10);
      EXPECT_EQ("Norvel - [", caption.substr(0, 10));
      EXPECT_EQ(']', caption.back());
      EXPECT_EQ(0u, (path + mark).find(shown)) << caption;
      if (name.size() < 20) {
        EXPECT_EQ(path + mark, shown);
        EXPECT_EQ("&1 " + path + mark, WindowMenuEntry(frame_));
      }
    }
    Close(document);
  }
}

}  // namespace
