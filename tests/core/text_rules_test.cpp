// The small rules over texts and files: the shared helpers over strings, numbers and paths, the stored
// form of a dialogue text against the lines its editor pane shows, file writes that never lose a file,
// and the text search with its snippets and "Replace all".
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <random>
#include <signal.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "common/run_error.h"
#include "common/text_helpers.h"
#include "editors/text_search.h"
#include "rom/display_form.h"
#include "support/rom_fixture.h"

namespace orvane {
namespace {

// The small shared rules over strings, numbers and paths.
TEST(TextHelpers, HexNumbersSearchesCountsFoldersAndNumbersAsPrinted) {
  EXPECT_EQ(std::tuple(HexToNumber("0A"), HexToNumber("eF"), HexToNumber("7FFFFFFF")), std::tuple(10, 0xEF, INT32_MAX));
  for (const char* bad : {"5=", "", "  ", "G", "80000000"}) EXPECT_THROW(HexToNumber(bad), RunError) << bad;
  const std::array<std::string, 4> list{"a", "b", "b", ""};
  EXPECT_EQ(std::tuple(SucheEintrag(list, "b"), SucheEintrag(list, ""), SucheEintrag(list, "c"),
                       SucheEintrag(std::span<const std::string>{}, "a")),
            std::tuple(1, 3, -1, -1));
  for (const auto& [text, pattern, exact, count] : {std::tuple{"aaaa", "aa", true, 2}, {"aaa", "aa", true, 1},
                                                    {"Kael kael", "kael", true, 1}, {"Kael kael", "kael", false, 2},
                                                    {"abc", "", true, -1}})
    EXPECT_EQ(ZaehleVorkommen(text, pattern, exact), count) << text;
  // A path's folder ends at the last separator before its last character.
  EXPECT_EQ(ParentFolder("game.smc") + "|" + ParentFolder("roms/new/") + "|" + ParentFolder("c:\\roms\\game.smc") +
                "|" + ParentFolder("/") + "|" + ParentFolder("/a"),
            "|roms/|c:\\roms\\||/");
  EXPECT_TRUE(std::filesystem::is_regular_file(ProgramFolder() + "core_tests"));
  // Numbers as printed, as labels and as percent.
  EXPECT_EQ(PrintedNumber(0) + PrintedNumber(32) + PrintedNumber(-3), " 0  32 -3 ");
  EXPECT_EQ(SignedLabelNumber(127) + SignedLabelNumber(0) + SignedLabelNumber(-3), " 127 0-3");
  // A percent is the nearest, halves to even, clamped.
  for (const auto& [done, total, percent] :
       {std::tuple{1, 8, 12}, {3, 8, 38}, {7000, 6054, 100}, {-5, 10, 0}, {0, 0, 0}, {1, 0, 100}})
    EXPECT_EQ(ProzentWert(done, total), percent) << done << "/" << total;
}

// The stored form of a dialogue text and the lines its editor pane shows, both ways.
using Lines = std::vector<std::string>;

TEST(DisplayForm, ShowsTheFourCodesAsBreaksAndDropsUnknownOnes) {
  const std::pair<std::string, std::string> rows[] = {
      {"A[L_]B[WS]C", "A\r\nB\r\n\r\n   C"}, {"A[LS]B", "A\r\n   B"}, {"A[W_]B", "A\r\n\r\nB"},
      {"{1A}Kael...", "{1A}Kael..."}, {"", ""},
      // An unknown code vanishes with its three characters; the closing one is not checked.
      {"A[XY]B", "AB"}, {"A[l_]B", "AB"}, {"A[L_xB", "A\r\nB"}, {"A[[L_]]B", "A]]B"}, {"AB[L", "AB"}, {"AB[", "AB"}};
  for (const auto& [stored, shown] : rows) EXPECT_EQ(DisplayForm(stored), shown) << stored;
  // The pane wraps each shown line after its last blank that fits, the blank staying on the first piece;
  // the blank between two words counts.
  EXPECT_EQ(PaneLines("The quick brown fox[LS]jumps", 10), (Lines{"The quick ", "brown fox", "   jumps"}));
  EXPECT_EQ(PaneLines("The quick", 9).size() * 10 + PaneLines("The quick", 8).size(), 12u);
}

TEST(StoredFromLines, BreaksIndentationAndEmptyLines) {
  std::string full = "x";  // 255 lines of "x" in windows of four
  for (int i = 1; i < 255; ++i) full += i % 4 ? "[L_]x" : "[W_]x";
  const std::pair<Lines, std::string> rows[] = {
      // The fourth line in a row ends the window; an empty line is a window break and starts the count again.
      {{"A", "B", "C", "D", "E", "F", "G", "H", "I"}, "A[L_]B[L_]C[L_]D[W_]E[L_]F[L_]G[L_]H[W_]I"},
      {{"A", "B", "C", "D", "   E"}, "A[L_]B[L_]C[L_]D[WS]E"},
      {{"A", "", "B", "C", "D", "E", "F"}, "A[W_]B[L_]C[L_]D[L_]E[W_]F"},
      {{"A", "  ", "B"}, "A[W_]B"}, {{"A", "", "   B"}, "A[WS]B"},  // a line of blanks counts as empty
      // Only three blanks are an indentation, and not on the first line.
      {{"A", "    B"}, "A[LS] B"}, {{"A", "  B"}, "A[L_]  B"}, {{"   A", "B"}, "   A[L_]B"},
      {{"A", "", "", "B"}, "A[W_][L_]B"}, {{"A", ""}, "A[W_]"}, {{"A", "", ""}, "A[W_]"}, {{""}, ""}, {{}, ""},
      // Only the first 255 lines and 255 characters of a line are read.
      {Lines(300, "x"), full}, {{std::string(300, 'q'), "B"}, std::string(255, 'q') + "[L_]B"}};
  for (const auto& [lines, stored] : rows) EXPECT_EQ(StoredFromLines(lines), stored) << stored.substr(0, 40);
}

// Saving what a save produced changes nothing more: the normal form is stable.
TEST(StoredFromLines, NormalFormIsStableOnRandomTexts) {
  const char* pieces[] = {"A", "Bo", " ", "   ", "[L_]", "[LS]", "[W_]", "[WS]", "[Q!]", "{1A}", "[", "Kael"};
  const auto save = [](const std::string& stored) {
    Lines lines{""};  // the pane's lines (the pieces hold no line break of their own)
    for (char c : DisplayForm(stored)) c == '\n' ? lines.emplace_back() : c == '\r' ? lines.back() : lines.back() += c;
    return StoredFromLines(lines);
  };
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int k = static_cast<int>(rng() % 14); k > 0; --k) text += pieces[rng() % std::size(pieces)];
    ASSERT_EQ(save(save(text)), save(text)) << "from \"" << text << "\"";
  }
}

// Replacing, copying and deleting files never loses one: whatever stops a write (a kill, a full
// disk, missing permission), the target holds either its old bytes or the complete new ones, and
// the failure comes back as its error number.
namespace fs = std::filesystem;
using namespace orvane::testing;

// Writes `size` bytes into `path` in a forked child that fails the way real machines fail: as "nobody"
// without root's power over file modes, with a file size limit (writes beyond fail as on a full disk), or
// killed `killAfter` microseconds after the start. Returns 0 replaced, 1 written in place, the error number
// the write threw, or -1 when the child was killed.
struct Child { bool unprivileged = false; long fileSizeLimit = -1, killAfter = -1; };
int WriteInChild(const std::string& path, size_t size, const Child& how = {}) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (how.unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(254);
    const rlimit limit{static_cast<rlim_t>(how.fileSizeLimit), static_cast<rlim_t>(how.fileSizeLimit)};
    // Without ignoring SIGXFSZ the kernel ends the process instead of failing the write.
    if (how.fileSizeLimit >= 0 && (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit)))
      ::_exit(253);
    try {  // _exit runs no destructors of the parent's state
      ::_exit(int(WriteFileAtomically(path, std::string(size, 'n')) == FileWrite::InPlace));
    } catch (const RunError& e) { ::_exit(e.number()); }
  }
  if (how.killAfter >= 0) std::this_thread::sleep_for(std::chrono::microseconds(how.killAfter)), ::kill(pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) continue;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class FileSafety : public ::testing::Test {
 protected:
  FileSafety() { fs::permissions(dir.path(), fs::perms::all); }
  TempFolder dir;
};

TEST_F(FileSafety, KillAtAnyMomentLeavesTheOldOrTheCompleteNewFile) {
  const std::string target = dir.file("game.smc"), oldBytes(1 << 20, 'o'), newBytes((1 << 20) + 4099, 'n');
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(WriteInChild(target, newBytes.size()), 0);
  const long full =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms(0644));  // a new file's
  for (int i = 0; i <= 16; ++i) {
    WriteFileAtomically(target, oldBytes);
    WriteInChild(target, newBytes.size(), {.killAfter = full * i / 16});
    const std::string now = ReadFileText(target);
    ASSERT_TRUE(now == oldBytes || now == newBytes) << "half-written after a kill at " << full * i / 16 << " us";
  }
  // What a kill before the rename left stays while it might be another write's; a day later, its lock free,
  // the next write removes it. A user's own file with a like name, and a live temporary file, stay.
  const int live = ::open(dir.file(".orvane-Live01.tmp").c_str(), O_CREAT | O_RDWR, 0600);
  ::flock(live, LOCK_EX);
  WriteFileAtomically(dir.file(".orvane-backup"), oldBytes);
  const auto count = [&] { return std::distance(fs::directory_iterator(dir.path()), {}); };
  const auto left = count();
  WriteFileAtomically(target, oldBytes);
  EXPECT_EQ(count(), left);
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.path()))
    fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::hours(25));
  WriteFileAtomically(target, oldBytes);
  ::close(live);
  EXPECT_EQ(std::tuple(count(), fs::exists(dir.file(".orvane-Live01.tmp")), fs::exists(dir.file(".orvane-backup"))),
            std::tuple(3, true, true));
}

// Two programs writing into one folder at once, each to its own file: neither takes the other's temporary file.
TEST_F(FileSafety, TwoWritersSideBySideInOneFolderBothSucceed) {
  std::array<pid_t, 2> writers{};
  for (size_t w = 0; w < writers.size(); ++w)
    if ((writers[w] = ::fork()) == 0) {
      int failed = 0;
      for (int i = 0; i < 300; ++i) try {
          WriteFileAtomically(dir.file("out" + std::to_string(w)), std::string(1 << 16, char('a' + i % 26)));
        } catch (const RunError&) { ++failed; }
      ::_exit(std::min(failed, 255));
    }
  std::array<int, 2> failures{};
  for (size_t w = 0; w < writers.size(); ++w) {
    int status = 0;
    ::waitpid(writers[w], &status, 0);
    failures[w] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  EXPECT_EQ(failures, (std::array<int, 2>{0, 0}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

// A replacement keeps the old file's mode, owner and group, also under a name of 255 characters.
TEST_F(FileSafety, ReplacingKeepsTheFilesModeAndOwner) {
  const std::string target = dir.file(std::string(251, 'n') + ".smc");
  WriteFileAtomically(target, std::string("old"));
  ASSERT_EQ(::chown(target.c_str(), 65534, 65534) | ::chmod(target.c_str(), 0604), 0);
  EXPECT_EQ(WriteFileAtomically(target, std::string("new")), FileWrite::Replaced);
  struct stat st{};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(std::tuple(ReadFileText(target), st.st_uid, st.st_gid, st.st_mode & 07777),
            std::tuple("new", 65534u, 65534u, 0604u));
}

// A refused write leaves the old file and no temporary file; a file that may be written in a folder
// that may not is written in place; a link gets the new bytes in the file it names and stays a link,
// the file keeping its permissions.
TEST_F(FileSafety, RefusedWriteKeepsTheOldFileAndSaysWhyALinkIsFollowed) {
  for (const char* folder : {"locked", "folder.smc", "roms", "sticky"}) fs::create_directory(dir.file(folder));
  for (const char* name : {"read-only.smc", "locked/game.smc", "full.smc", "roms/game.smc", "sticky/game.smc"})
    WriteFileAtomically(dir.file(name), std::string("old"));
  for (const auto& [name, mode] :
       {std::pair{"read-only.smc", 0444}, {"locked/game.smc", 0666}, {"locked", 0555}, {"roms/game.smc", 0640},
        {"sticky", 01777}, {"sticky/game.smc", 0666}})
    ::chmod(dir.file(name).c_str(), mode);
  fs::create_symlink("roms/game.smc", dir.file("link.smc"));
  ::mkfifo(dir.file("fifo.smc").c_str(), 0666);
  const Child plainUser{.unprivileged = true}, fullDisk{.fileSizeLimit = 64 * 1024};
  for (const auto& [name, how, result] :
       {std::tuple{"read-only.smc", plainUser, 70}, {"locked/game.smc", plainUser, 1}, {"full.smc", fullDisk, 61},
        {"sticky/game.smc", plainUser, 1},  // another user's file in a sticky folder may not be renamed over
        {"folder.smc", Child{}, 75}, {"missing/game.smc", Child{}, 76}, {"link.smc", Child{}, 0}, {"fifo.smc", Child{}, 75}}) {
    EXPECT_EQ(WriteInChild(dir.file(name), 1 << 20, how), result) << name;
    EXPECT_EQ(fs::is_regular_file(dir.file(name)) ? ReadFileText(dir.file(name)).substr(0, 3) : "old",
              result > 1 ? "old" : "nnn") << name;
  }
  ::chmod(dir.file("locked").c_str(), 0755);
  EXPECT_EQ(std::tuple(std::distance(fs::directory_iterator(dir.path()), {}), fs::is_fifo(dir.file("fifo.smc")),
                       fs::is_symlink(dir.file("link.smc")), fs::status(dir.file("roms/game.smc")).permissions()),
            std::tuple(8, true, true, fs::perms(0640)));
  EXPECT_TRUE(ReadFileText(dir.file("roms/game.smc")) == std::string(1 << 20, 'n'));
}

// The text search over working or original texts with its snippets, and "Replace all" with its count.
TEST(TextSearch, HitsAndSnippetsByCaseAndTextsSearched) {
  Document doc;
  doc.BankInfo[1].TextCount = 2, doc.BankInfo[3].TextCount = 12, doc.BankInfo[21].TextCount = 1;
  doc.Texte[1][1] = {"kael", "Kael"}, doc.Texte[1][3] = {"Kael", "Kael"};  // text 3: past the bank's count
  doc.Texte[3][12] = {"Hello Kael[L_]and KAEL again", "old"}, doc.Texte[21][1] = {"\xC4rger \xE4rger", "x"};
  doc.BankInfo[0].TextCount = 1, doc.Texte[0][1] = doc.Texte[3][0] = {"Kael", "Kael"};  // bank 0, text 0: never searched
  for (const auto& [pattern, options, expected] : std::initializer_list<std::tuple<const char*, SearchOptions, std::string>>{
           {"Kael", {}, "3/12@6 Hello <Kael>[L_]an...|"}, {"Kael", {true, true}, "1/1@0 <Kael>|"},
           {"kael", {false}, "1/1@0 <kael>|3/12@6 Hello <Kael>[L_]an...|"}, {"again", {}, "3/12@23 ... KAEL <again>|"},
           {"", {false}, ""}, {"\xE4rger", {false}, "21/1@6 \xC4rger <\xE4rger>|"}}) {  // only ASCII letters fold
    std::string found;
    for (const TextHit& hit : SucheTexte(doc, pattern, options)) {
      const Snippet s = HitSnippet(doc, hit, std::string_view(pattern).size(), options, 6);
      found += std::to_string(hit.bank) + "/" + std::to_string(hit.text) + "@" + std::to_string(hit.at) + " " +
               s.before + "<" + s.match + ">" + s.after + "|";
    }
    EXPECT_EQ(found, expected) << pattern;
  }
  EXPECT_EQ(CountInWorkingTexts(doc, "kael", false) * 10 + CountInWorkingTexts(doc, "rger", true), 32);
  const Replacement replaced = ReplaceAll(doc, "AEL", "x", false);
  replaced.change.apply(doc);
  EXPECT_EQ(replaced.count, 3);
  EXPECT_EQ(doc.Texte[3][12].Aktuell + doc.Texte[0][1].Aktuell + doc.Texte[3][0].Aktuell, "Hello Kx[L_]and Kx againKaelKael");
}

// Random texts: the count is what is replaced, non-overlapping ("aa" in "aaa" once); replacing by a
// letter the texts lack, then back, restores every text, and so does reverting both changes.
TEST(TextSearch, ReplaceAllCountsWhatItReplacesAndReplacingBackRestores) {
  std::mt19937 random(13);
  for (int round = 0; round < 20; ++round) {
    Document doc;
    doc.BankInfo[2].TextCount = 20;
    for (int t = 1; t <= 20; ++t, doc.Texte[2][t - 1].Aktuell = doc.Texte[2][t - 1].Original)
      for (int i = static_cast<int>(random() % 30); i > 0; --i) doc.Texte[2][t].Original += "aAb"[random() % 3];
    const std::string pattern = round % 2 ? "aa" : "Ab";
    const int32_t count = CountInWorkingTexts(doc, pattern, true);
    ASSERT_GE(CountInWorkingTexts(doc, pattern, false), count);
    ASSERT_TRUE(ReplaceAll(doc, "zz", "", true).change.empty());  // nothing replaced, nothing changed
    const Replacement there = ReplaceAll(doc, pattern, "#", true);
    there.change.apply(doc);
    const Replacement back = ReplaceAll(doc, "#", pattern, true);
    back.change.apply(doc);
    ASSERT_EQ(std::pair(there.count, back.count), std::pair(count, count));
    for (int t = 1; t <= 20; ++t) EXPECT_EQ(doc.Texte[2][t].Aktuell, doc.Texte[2][t].Original);
    back.change.revert(doc);
    EXPECT_EQ(back.change.texts().size(), there.change.texts().size());
    there.change.revert(doc);
    for (int t = 1; t <= 20; ++t) EXPECT_EQ(doc.Texte[2][t].Aktuell, doc.Texte[2][t].Original);
  }
}

}  // namespace
}  // namespace orvane
