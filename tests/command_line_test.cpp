// The command-line grammar, rule by rule.
#include <string>

#include "app/command_line.h"
#include "base/file_checks.h"
#include "harness/harness.h"
#include "temp_folder.h"

namespace {

struct GrammarCase {
  std::string line;
  CommandLineRequest request;
  std::string fileSpec;  // expected FileSpec
};

TEST(CommandLine, EachRuleSetsItsFlagAndName) {
  const GrammarCase cases[] = {
      {"", CommandLineRequest::None, ""},
      {"-SeTuP", CommandLineRequest::Setup, ""},
      // The setup switch followed by a name is a file name; the "/s" is no SysEdit switch.
      {"/setup x.txt", CommandLineRequest::File, "/setup x.txt"},
      {"\"c:\\my notes\\todo.txt\"", CommandLineRequest::File, "c:\\my notes\\todo.txt"},
      // Quotes are removed anywhere, not parsed.
      {"c:\\my\"no\"tes\\to\"do.txt", CommandLineRequest::File, "c:\\mynotes\\todo.txt"},
      {"\"\"", CommandLineRequest::File, ""},
      // The SysEdit switch is any of four two-character sequences, anywhere.
      {"x-list.txt", CommandLineRequest::SysEdit, ""},
      {"@files.lst", CommandLineRequest::List, "files.lst"},
      {"@", CommandLineRequest::List, ""},
      {" @x.lst", CommandLineRequest::File, " @x.lst"},
      {"@x-list.lst", CommandLineRequest::SysEdit, ""},  // the switch test comes before "@"
      {"100%s.txt", CommandLineRequest::File, "100%s.txt"},
      // Only the first 255 characters are looked at for the switch; a name is never cut to
      // another file's: past 255 characters without its quotes it opens nothing.
      {std::string(300, 'a'), CommandLineRequest::TooLong, ""},
      {std::string(260, 'b') + "-list.txt", CommandLineRequest::TooLong, ""},
      {"@" + std::string(300, 'l'), CommandLineRequest::TooLong, ""},
      {"\"" + std::string(255, 'd') + "\"", CommandLineRequest::File, std::string(255, 'd')},
  };
  for (const GrammarCase& c : cases) {
    SCOPED_TRACE(c.line);
    AppOptionsRecord o{};
    EXPECT_EQ(ParseCommandLineText(c.line.c_str(), o), c.request);
    EXPECT_EQ(std::string(o.FileSpec), c.fileSpec);
    EXPECT_EQ(o.ShellRequests.CreateStartMenu, c.request == CommandLineRequest::Setup ? 1u : 0u);
    EXPECT_EQ(o.SysEditRequested, c.request == CommandLineRequest::SysEdit ? 1u : 0u);
    EXPECT_EQ(o.ListRequested, c.request == CommandLineRequest::List ? 1u : 0u);
    EXPECT_EQ(o.CommandLineFile, c.request == CommandLineRequest::File ? 1u : 0u);
  }
}

TEST(CommandLine, AnExistingFileOpensWhateverItsNameHolds) {
  TempFolder folder;
  CreateDirectoryA(folder.File("common-licenses").c_str(), nullptr);
  const std::string licence = folder.Write("common-licenses\\gpl.txt", "gpl");
  const GrammarCase cases[] = {
      {licence, CommandLineRequest::File, licence},
      {folder.File("common-licenses\\missing.txt"), CommandLineRequest::SysEdit, ""},
      {"/L", CommandLineRequest::SysEdit, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    AppOptionsRecord options{};
    EXPECT_EQ(ParseCommandLineText(c.line.c_str(), options, IsExistingFile), c.request);
    EXPECT_EQ(std::string(options.FileSpec), c.fileSpec);
  }
}

}  // namespace
