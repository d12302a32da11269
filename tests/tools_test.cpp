// Tools: what a started tool receives, the save before launch, and the tools that cannot run.
#include <cstring>

#include "document_fixture.h"
#include "resources/resource.h"

namespace {

enum class Doc { None, Named, Unnamed, LongNamed };  // LongNamed: a 254-character title

using ToolLaunchTest = DocumentFixture;

TEST_F(ToolLaunchTest, HandsOverTheDocumentAfterTheRequestedSave) {
  char recorder[MAX_PATH];  // the stand-in tool beside the tests
  GetModuleFileNameA(nullptr, recorder, MAX_PATH);
  lstrcpyA(std::strrchr(recorder, '\\'), "\\norvel_tool_recorder.exe");
  // The longest Command and title: the tool gets both whole, the title in quotes for its blank.
  const std::string longCommand(255, 'c'), longArguments = " " + longCommand + " \"@\"";
  const std::string longName =
      "long " + std::string(254 - folder_.path().size() - 10, 'n') + ".txt";
  const struct {
    const char* command;
    DWORD launch, save, hide;
    Doc doc;
    const char* saveAs;     // the Save As answer: a file name, "" for Cancel, null for none
    const char* arguments;  // null: the tool is not started; "@" stands for the document path
    bool saved;             // the typed text reached the disk
    const char* folder;     // the working folder; null: the test folder
  } kCases[] = {
      {"-x", 0, 0, 0, Doc::Named, nullptr, " -x ", false, nullptr},
      {"/p", 1, 1, 1, Doc::None, nullptr, " /p ", false, nullptr},
      {"-e", 1, 1, 1, Doc::Named, nullptr, " -e \"@\"", true, nullptr},
      {"", 1, 1, 0, Doc::Unnamed, "saved.txt", "  New1", true, nullptr},
      {"", 1, 1, 0, Doc::Unnamed, "", nullptr, false, nullptr},
      {longCommand.c_str(), 1, 0, 0, Doc::LongNamed, nullptr, longArguments.c_str(), false,
       nullptr},
      {"-x", 0, 0, 0, Doc::None, nullptr, " -x ", false, "C:\\no such folder"},
  };
  const std::string record = folder_.File("record.txt");
  SetEnvironmentVariableA("NORVEL_TOOL_RECORD", record.c_str());
  ToolRecord& tool = AppOptions.Tools[4];
  for (const auto& c : kCases) {
    SCOPED_TRACE(&c - kCases);
    ShowWindow(frame_, SW_RESTORE);
    DeleteFileA(record.c_str());
    UntitledCounter = 0;
    const std::string path =
        folder_.Write(c.doc == Doc::LongNamed ? longName : "my notes.txt", "old");
    HWND document = c.doc == Doc::Unnamed ? New() : c.doc != Doc::None ? Open(path) : nullptr;
    if (document) Type(document, "new");
    if (c.saveAs && *c.saveAs) answerer_.EnterFileName(folder_.File(c.saveAs));
    if (c.saveAs && !*c.saveAs) answerer_.PressButton(IDCANCEL);
    tool = ToolRecord{1, "Tool", "", "", "", c.launch, c.hide, c.save};
    lstrcpyA(tool.Program, recorder);
    lstrcpyA(tool.Command, c.command);
    lstrcpyA(tool.Folder, c.folder ? c.folder : folder_.path().c_str());
    char current[MAX_PATH] = "";  // where the shell starts a tool whose Folder has gone
    GetCurrentDirectoryA(MAX_PATH, current);
    Command(IDM_TOOL_FIRST + 4);
    if (c.arguments) {
      std::string expected = c.arguments;
      if (expected.find('@') != std::string::npos) expected.replace(expected.find('@'), 1, path);
      ASSERT_TRUE(PumpUntil([&] { return TempFolder::Read(record) != "<missing>"; }));
      // What the tool got after its own program name: the parameters, then its current folder.
      const std::string got = TempFolder::Read(record);
      const size_t nameEnd = got[0] == '"' ? got.find('"', 1) + 1 : got.find(' ');
      EXPECT_EQ(expected + "\n" + (c.folder ? current : folder_.path()), got.substr(nameEnd));
    } else {
      Sleep(500);
      EXPECT_EQ("<missing>", TempFolder::Read(record));
    }
    const std::string target = c.doc == Doc::Unnamed && c.saveAs ? folder_.File(c.saveAs) : path;
    EXPECT_EQ(c.saved, TempFolder::Read(target).find("new") == 0);
    EXPECT_EQ(c.hide != 0 && c.arguments, IsIconic(frame_) != 0);
    if (document) Close(document);
  }
  // Tools that cannot run only beep: inactive, a program that is missing or a pattern.
  for (const char* program : {"", "C:\\missing\\tool.exe", "C:\\windows\\*.exe"}) {
    beeps_.clear();
    lstrcpyA(tool.Program, *program ? program : recorder);
    tool.Active = *program != '\0';
    Command(IDM_TOOL_FIRST + 4);
    EXPECT_EQ(1u, beeps_.size()) << program;
  }
}

}  // namespace
