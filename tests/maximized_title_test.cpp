// A maximised document's name as the user sees it change: the frame's caption and the Window
// menu follow the "*" that typing adds and saving takes away.
#include "document_fixture.h"
#include "resources/resource.h"

TEST_F(DocumentFixture, MaximizedCaptionAndWindowMenuFollowTypingAndSaving) {
  AppOptions.ZoomChildren = 1;
  HWND document = WriteAndOpen("short.txt", "text");
  ASSERT_TRUE(document && IsZoomed(document));
  const std::string path = Title(document);
  for (const std::string mark : {"*", ""}) {
    if (mark.empty()) {
      Command(IDM_SAVE);
    } else {
      Type(document, "x");
    }
    char entry[300] = "";
    GetMenuStringA(GetMenu(frame_), IDM_FIRSTCHILD, entry, sizeof entry, MF_BYCOMMAND);
    EXPECT_EQ(path + mark, Title(document));
    EXPECT_EQ("Norvel - [" + path + mark + "]", Title(frame_));
    EXPECT_EQ("&1 " + path + mark, entry);
  }
}
