// Recovery copies: written beside nothing of the user's, found newest first, loaded back exactly,
// and refused whole when damaged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/file_helpers.h"
#include "common/run_error.h"
#include "demo/demo_rom.h"
#include "progress/translation_progress.h"
#include "project/companion_file.h"
#include "project/project_file.h"
#include "project/recovery.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

using namespace orvane::testing;

RecoveryCopy WriteRecoveryCopy(const Document& doc, const std::string& file, const std::string& original,
                               int64_t writtenAt) {
  const RecoveryFiles files = PrepareRecoveryCopy(doc, file, original, writtenAt);
  WriteRecoveryFiles(files);
  return files.copy;
}

auto Fields(const RecoveryCopy& copy) { return std::tuple(copy.projectFile, copy.originalPath, copy.writtenAt); }

std::string FileText(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

std::string ProjectOf(const Document& doc) {
  SilentProgress silent;
  return ProjectText(doc, silent);
}

Document EditedDemo() {
  Document doc;
  demo::MakeDemoDocument(doc);
  doc.Texte[2][3].Aktuell = "Typed just before the crash\xE9";
  ProgressOf(doc, 2, 5).note = "ask about this";
  doc.Progress.words.insert("Kael");
  return doc;
}

TEST(Recovery, CopyHoldsTheProjectAndLoadsBackExactly) {
  TempFolder folder;
  const Document doc = EditedDemo();
  const std::string file = FreeRecoveryFile(folder.path() + "recovery", "/home/t/texts/demo.ovp");
  EXPECT_EQ(file, folder.path() + "recovery/demo.ovp");
  const RecoveryCopy written = WriteRecoveryCopy(doc, file, "/home/t/texts/demo.ovp", 1765100000);
  EXPECT_EQ(FileText(file), ProjectOf(doc));
  EXPECT_EQ(FileText(CompanionPath(file)), CompanionText(doc));

  const std::optional<RecoveryCopy> found = FindRecoveryCopy(folder.path() + "recovery");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(Fields(*found), Fields(written));
  Document loaded;
  ScriptedPrompter prompter;
  EXPECT_TRUE(LoadRecoveryCopy(loaded, *found, prompter));
  EXPECT_EQ(ProjectOf(loaded), ProjectOf(doc));
  EXPECT_EQ(CompanionText(loaded), CompanionText(doc));
  EXPECT_EQ(prompter.shown(), "");
}

TEST(Recovery, EarlierCopiesAreKeptAndTheNewestIsFound) {
  TempFolder folder;
  const Document doc = EditedDemo();
  const RecoveryCopy first = WriteRecoveryCopy(doc, FreeRecoveryFile(folder.path(), ""), "", 100);
  const std::string second = FreeRecoveryFile(folder.path(), "");
  EXPECT_EQ(second, folder.file("Untitled-2.ovp"));
  const RecoveryCopy newer = WriteRecoveryCopy(doc, second, "", 200);
  std::ofstream(folder.file("stray.ovr")) << "not a record\n";
  EXPECT_EQ(Fields(*FindRecoveryCopy(folder.path())), Fields(newer));

  RemoveRecoveryCopy(newer);
  EXPECT_EQ(Fields(*FindRecoveryCopy(folder.path())), Fields(first));
  RemoveRecoveryCopy(first);
  EXPECT_FALSE(FindRecoveryCopy(folder.path()).has_value());
  std::filesystem::remove(folder.file("stray.ovr"));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(Recovery, NeverReplacesTheProjectItself) {
  TempFolder folder;
  const Document doc = EditedDemo();
  std::ofstream(folder.file("demo.ovp")) << "mine";
  EXPECT_THROW(WriteRecoveryCopy(doc, folder.file("demo.ovp"), folder.file("demo.ovp"), 1), RunError);
  EXPECT_THROW(WriteRecoveryCopy(doc, folder.file("demo.ovr"), folder.file("demo.ovp"), 1), RunError);
  EXPECT_EQ(FileText(folder.file("demo.ovp")), "mine");
}

// A copy cut short, without its project, or with a damaged progress file is refused with one
// message naming it, and the document stays as it was.
TEST(Recovery, DamagedCopiesAreRefusedWhole) {
  struct Case {
    std::string name;
    void (*damage)(const std::string& file);
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"cut", [](const std::string& f) { std::filesystem::resize_file(f, std::filesystem::file_size(f) / 2); },
       "Error Nr. 62: Input past end of file (line 5115 of the project file)"},
      {"missing", [](const std::string& f) { std::filesystem::remove(f); }, "Error Nr. 53: File not found (Couldn't open \"FILE\" for reading: No such file or directory)"},
      {"header", [](const std::string& f) { std::ofstream(f) << "[Other]\r\n"; },
       "Wrong fileversion detected! (line 1 of the project file)"},
      {"progress", [](const std::string& f) { std::ofstream(CompanionPath(f)) << "{"; },
       "The progress file demo.ovs could not be read: parse error at line 1, column 2: syntax error while parsing object key - unexpected end of "
       "input; expected string literal"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const RecoveryCopy copy = WriteRecoveryCopy(EditedDemo(), folder.file("demo.ovp"), "", 5);
    c.damage(copy.projectFile);
    Document doc;
    const std::string before = ProjectOf(doc);
    ScriptedPrompter prompter;
    EXPECT_FALSE(LoadRecoveryCopy(doc, copy, prompter));
    EXPECT_EQ(ProjectOf(doc), before);
    std::string reason = c.reason;
    if (const size_t at = reason.find("FILE"); at != std::string::npos) reason.replace(at, 4, copy.projectFile);
    EXPECT_EQ(prompter.shown(), Shown(MakeMessage("Error!",
                                                  "The recovery copy " + copy.projectFile + " could not be read: " +
                                                      reason + ".\r\nIt stays where it is; the document was not changed.",
                                                  Icon::Stop)) +
                                    "\n");
  }
}

}  // namespace
}  // namespace orvane
