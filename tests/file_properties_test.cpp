// The file properties window: the type registrations it reads and the values it shows.
#include <string>

#include "document_fixture.h"
#include "files/file_record.h"
#include "files/file_type.h"
#include "resources/resource.h"

namespace {

using FileProperties = DocumentFixture;

// Sets the unnamed value of HKCU\Software\Classes\`key`; null deletes the key.
void Register(const std::string& key, const char* value) {
  const std::string path = "Software\\Classes\\" + key;
  RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  if (value)
    RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), nullptr, REG_SZ, value, lstrlenA(value) + 1);
}

TEST_F(FileProperties, TheTypeComesFromTheRegistrationsAndTheWindowShowsTheFile) {
  char exe[MAX_PATH];
  const std::string program(exe, GetModuleFileNameA(nullptr, exe, sizeof exe));
  Register(".nrvtest", "NorvelTest.File");
  const char* cases[][3] = {// extension, DefaultIcon ("%s": the program; null: no key), type
                            {".nrvtest", nullptr, "Document"},
                            {".nrvtest", "%s", "Document"},  // no comma
                            {".nrvtest", "%s,0x", "Document"},
                            {"nrvtest", "%s,0", "Norvel Test File"},
                            {".nrvtest", "%s,-9999", "Document"},
                            {".nrvnone", "%s,0", "Document"},
                            {"", "%s,0", "Document"}};  // a file with no extension
  for (const auto& c : cases) {
    std::string value = c[1] ? c[1] : "";
    if (value.find("%s") == 0) value = program + value.substr(2);
    Register("NorvelTest.File", "Norvel Test File");
    Register("NorvelTest.File\\DefaultIcon", c[1] ? value.c_str() : nullptr);
    char type[256] = "x";
    EXPECT_TRUE(LookupFileType(c[0], type, sizeof type)) << value;
    EXPECT_STREQ(type, c[2]) << c[0] << " " << value;
  }
  Register(".nrvtest", nullptr);
  Register("NorvelTest.File", nullptr);

  // The window, its values read back from its controls.
  const std::string path = folder_.Write("a long file name.txt", std::string(1536, 'x'));
  SYSTEMTIME local = {1997, 12, 0, 7, 0, 5, 0, 0}, utc;
  TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
  FILETIME written;
  SystemTimeToFileTime(&utc, &written);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, &written, &written, &written);
  CloseHandle(file);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  HWND document = Open(path, 1);
  answerer_.PressButton(IDOK);
  SendMessageA(document, WM_COMMAND, IDM_PROPERTIES, 0);
  const DialogRecord& seen = answerer_.Last();
  const std::string when = "Sunday, December 7, 1997 - 12:05 AM";
  const std::pair<int, std::string> values[] = {// reading the file moved its access time
                                                {101, "a long file name.txt"},
                                                {102, "Document"},
                                                {103, folder_.path() + "\\"},
                                                {104, "1.5 K Bytes (1536)"},
                                                {105, "Read Only Access"},
                                                {106, when},
                                                {107, when}};
  for (const auto& [id, text] : values) EXPECT_EQ(seen.ControlText(id), text) << id;

  char time[64] = "x";
  EXPECT_FALSE(FormatFileTime(FILETIME{}, time, sizeof time));  // a zero time shows nothing
  EXPECT_STREQ(time, "");
  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  SendMessageA(document, WM_COMMAND, IDM_PROPERTIES, 0);
  EXPECT_EQ(Said(), "\rCannot allocate memory for Dialog Template\r\rSize: 4098 bytes requested");
}

}  // namespace
