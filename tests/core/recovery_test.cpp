// Recovery copies: written beside nothing of the user's, found newest first, loaded back exactly,
// and refused whole when damaged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/run_error.h"
#include "demo/demo_rom.h"
#include "progress/translation_progress.h"
#include "project/companion_file.h"
#include "project/project_file.h"
#include "project/recovery.h"
#include "support/project_bytes.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using namespace orvane::testing;
namespace fs = std::filesystem;

RecoveryCopy Write(const std::string& file, const std::string& original = "", int64_t at = 5) {
  Document doc;
  demo::MakeDemoDocument(doc);
  doc.Texte[2][3].Aktuell = "Typed just before the crash\xE9";
  ProgressOf(doc, 2, 5).note = "ask about this";
  const RecoveryFiles files = PrepareRecoveryCopy(doc, file, original, at);
  WriteRecoveryFiles(files);
  SilentProgress silent;
  EXPECT_EQ(std::tuple(ReadFileText(file), ReadFileText(CompanionPath(file))),
            std::tuple(ProjectText(doc, silent), CompanionText(doc)));
  return files.copy;
}

auto Fields(const RecoveryCopy& copy) { return std::tuple(copy.projectFile, copy.originalPath, copy.writtenAt); }

// A second copy of one name never replaces the first; the newest is found, a stray record passed
// over, and the copy loads back exactly. A copy never replaces the project's own files.
TEST(Recovery, NewestCopyLoadsBackExactlyAndGoes) {
  TempFolder folder;
  const RecoveryCopy first = Write(FreeRecoveryFile(folder.path(), "/home/t/demo.ovp"), "/home/t/demo.ovp", 100);
  const RecoveryCopy newer = Write(FreeRecoveryFile(folder.path(), "/home/t/demo.ovp"), "/home/t/demo.ovp", 200);
  std::ofstream(folder.file("stray.ovr")) << "not a record\n";
  EXPECT_EQ(std::tuple(first.projectFile, newer.projectFile), std::tuple(folder.file("demo.ovp"), folder.file("demo-2.ovp")));
  EXPECT_EQ(Fields(*FindRecoveryCopy(folder.path())), Fields(newer));
  Document loaded;
  ScriptedPrompter prompter;
  EXPECT_TRUE(LoadRecoveryCopy(loaded, newer, prompter));
  EXPECT_EQ(ProjectBytes(loaded), ReadFileText(newer.projectFile) + ReadFileText(CompanionPath(newer.projectFile)));
  EXPECT_EQ(prompter.shown(), "");

  RemoveRecoveryCopy(newer);
  EXPECT_EQ(Fields(*FindRecoveryCopy(folder.path())), Fields(first));
  RemoveRecoveryCopy(first);
  fs::remove(folder.file("stray.ovr"));
  EXPECT_TRUE(fs::is_empty(folder.path()));
  EXPECT_EQ(FreeRecoveryFile(folder.path(), ""), folder.file("Untitled.ovp"));

  std::ofstream(folder.file("mine.ovp")) << "mine";
  for (const char* target : {"mine.ovp", "mine.ovr"})
    EXPECT_THROW(WriteRecoveryFiles(PrepareRecoveryCopy(loaded, folder.file(target), folder.file("mine.ovp"), 1)), RunError);
  EXPECT_EQ(ReadFileText(folder.file("mine.ovp")), "mine");
}

// A copy cut short, without its project, of another format or with a damaged progress file is
// refused with one message naming it, and the document stays as it was.
TEST(Recovery, DamagedCopiesAreRefusedWhole) {
  const std::vector<std::tuple<void (*)(const std::string&), std::string>> cases = {
      {[](const std::string& f) { fs::resize_file(f, fs::file_size(f) / 2); },
       "Error Nr. 62: Input past end of file (line 5115 of the project file)"},
      {[](const std::string& f) { fs::remove(f); },
       "Error Nr. 53: File not found (Couldn't open \"FILE\" for reading: No such file or directory)"},
      {[](const std::string& f) { std::ofstream(f) << "[Other]\r\n"; },
       "Wrong fileversion detected! (line 1 of the project file)"},
      {[](const std::string& f) { std::ofstream(CompanionPath(f)) << "{"; },
       "The progress file demo.ovs could not be read: parse error at line 1, column 2: syntax error while parsing "
       "object key - unexpected end of input; expected string literal"},
  };
  for (auto [damage, reason] : cases) {
    TempFolder folder;
    const RecoveryCopy copy = Write(folder.file("demo.ovp"));
    damage(copy.projectFile);
    if (const size_t at = reason.find("FILE"); at != std::string::npos) reason.replace(at, 4, copy.projectFile);
    Document doc;
    const std::string before = ProjectBytes(doc);
    ScriptedPrompter prompter;
    EXPECT_FALSE(LoadRecoveryCopy(doc, copy, prompter));
    EXPECT_EQ(ProjectBytes(doc), before);
    EXPECT_EQ(prompter.shown(), Shown(MakeMessage("Error!",
                                                  "The recovery copy " + copy.projectFile + " could not be read: " +
                                                      reason + ".\r\nIt stays where it is; the document was not changed.",
                                                  Icon::Stop)) + "\n");
  }
}

}  // namespace
}  // namespace orvane
