// orvane-cli as a program: the arguments each command takes, its usage errors, its exit codes and which
// stream gets what. What the commands compute is the core's and is tested there.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include <filesystem>

#include "common/file_helpers.h"
#include "common/progress_sink.h"
#include "exchange/po_file.h"
#include "project/project_file.h"
#include "support/rom_fixture.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

// A run of the program and how it ended: its exit code, stdout and stderr. As an expectation, how the streams
// start (an empty stderr stays empty).
struct Outcome { std::vector<std::string> args; int exitCode = -1; std::string out, err; };
using testing::ReadFileText;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class Cli : public ::testing::Test {
 protected:
  // The demo ROM and its table as the program writes them, and the demo exported into a project.
  void SetUp() override {
    ASSERT_EQ(Call({"demo-rom", "-o", demo, "--table-out", table}).exitCode, 0);
    ASSERT_EQ(Call({"export", demo, "--table", table, "-o", project}).err, "");
  }

  // Runs the program through the shell (no argument holds a quote); its streams go through two files of the work
  // folder.
  Outcome Call(const std::vector<std::string>& args) {
    std::string command = "'" ORVANE_CLI_PATH "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    const int status = std::system((command + " >" + work.file("out.txt") + " 2>" + work.file("err.txt")).c_str());
    return {args, WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileText(work.file("out.txt")),
            ReadFileText(work.file("err.txt"))};
  }

  void ExpectRuns(const std::vector<Outcome>& runs) {
    for (const Outcome& run : runs) {
      const Outcome r = Call(run.args);
      const std::string err = run.err.empty() ? r.err : r.err.substr(0, run.err.size());
      EXPECT_EQ(std::tuple(r.exitCode, r.out.substr(0, run.out.size()), err),
                std::tuple(run.exitCode, run.out, run.err)) << ::testing::PrintToString(run.args);
    }
  }

  // The demo project with text 1 of `bank` (every text of bank 21) set to `text`, saved under `name`.
  std::string Changed(const std::string& name, int bank, const std::string& text) {
    Document doc;
    testing::ScriptedPrompter prompter;
    SilentProgress progress;
    EXPECT_EQ(LoadProjectFile(doc, project, prompter, progress), ProjectOutcome::Done);
    for (int t = 1; t <= (bank == 21 ? doc.BankInfo[bank].TextCount : 1); ++t) doc.Texte[bank][t].Aktuell = text;
    for (int i = 1; bank == 0 && i <= kItemInfoCount; ++i) doc.ItemInfos[i] = text + std::to_string(i);
    EXPECT_EQ(SaveProjectFile(doc, work.file(name), prompter, progress), ProjectOutcome::Done);
    return work.file(name);
  }

  testing::TempFolder work;
  const std::string demo = work.file("demo.smc"), table = work.file("t.tbl"), project = work.file("demo.ovp");
};

TEST_F(Cli, MistakesInTheArgumentsShowTheCommandsUsageAndExitWithTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes{
      {{"export", "r.smc"}, "-o is missing"}, {{"export", "-o", "p.ovp"}, "wrong number of arguments"},
      {{"export", "r.smc", "-o"}, "-o needs a value"}, {{"build", project, "-o", ""}, "-o needs a value"},
      {{"export", "r.smc", "-o", "a", "-o", "b"}, "-o given twice"}, {{"fit", "p", "--fast"}, "unknown option --fast"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--mode", "best"}, "--mode must be accurate, fast or smallest"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--samples", "5x"}, "--samples takes a number from 0 to 20"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--samples", "21"}, "--samples takes a number from 0 to 20"},
      {{"optimize", "p.ovp", "-o", "o.ovp", "--seed", "soon"}, "--seed needs a whole number"},
      {{"build", "p.ovp", "-o", "x.smc", "--on-overflow", "maybe"}, "--on-overflow takes skip or stop, not maybe"},
      {{"build", "p.ovp", "-o", "x.smc", "--seed", "0"}, "--seed takes a number from 1 up, not 0"},
      {{"po-export", "p.ovp", "-o", "x.po", "--only", "names", "--bank", "2"}, "--bank holds dialogue, not names"},
      {{"po-export", "p.ovp", "-o", "x.po", "--lang", "German"},
       "--lang takes a language code such as de or pt_BR, not German"},
      // An output may not be an input of another kind or another output, by path or through a link.
      {{"export", demo, "-o", work.file("alias.smc")}, "-o and ROM are the same file"},
      {{"export", demo, "--table", table, "-o", work.file("./t.tbl")}, "-o and --table are the same file"},
      {{"build", project, "-o", project}, "-o and PROJECT are the same file"},
      // A project holds no ROM: a new one needs the ROM it starts from.
      {{"build", project, "-o", work.file("new.smc")},
       work.file("new.smc") + " does not exist yet: --from BASE.smc names the ROM it starts from"},
      {{"build", project, "-o", "x.smc", "--from", demo, "--patch", demo}, "--patch and --from are the same file"},
      {{"demo-rom", "-o", table, "--table-out", table}, "-o and --table-out are the same file"},
      {{"po-import", project, table, "-o", table}, "-o and texts.po are the same file"},
      {{"patch", demo, "m.smc", "-o", demo}, "-o and ORIGINAL are the same file"},
      // Nor may the progress file beside a written project.
      {{"po-import", project, table, "-o", work.file("x.ovs")}, "the progress file of -o and -o are the same file"},
      {{"po-import", project, work.file("t.ovs"), "-o", work.file("t.ovp")},
       "the progress file of -o and texts.po are the same file"},
      {{"optimize", work.file("x.ovs"), "-o", work.file("x.ovp")}, "the progress file of -o and PROJECT are the same file"},
      {{"export", work.file("r.ovs"), "-o", work.file("r.ovp")}, "the progress file of -o and ROM are the same file"},
      {{"po-export", project, "-o", work.file("demo.ovs")}, "-o and the progress file of PROJECT are the same file"},
      {{"report", project, "-o", project}, "-o and PROJECT are the same file"}};
  std::filesystem::create_symlink(demo, work.file("alias.smc"));
  const std::string files = ReadFileText(demo) + ReadFileText(project) + ReadFileText(table);
  std::vector<Outcome> runs{{{"frob"}, 2, "", "orvane-cli: unknown command frob\n"},
                            {{"--version"}, 0, "orvane-cli 1.0\n", ""}};
  for (const auto& [args, complaint] : mistakes)
    runs.push_back({args, 2, "", "orvane-cli " + args[0] + ": " + complaint + "\nusage: orvane-cli " + args[0]});
  ExpectRuns(runs);
  EXPECT_EQ(ReadFileText(demo) + ReadFileText(project) + ReadFileText(table), files);
  EXPECT_FALSE(std::filesystem::exists(work.file("new.smc")));
  const Outcome usage = Call({"export", "--help"}), help = Call({"--help"}), none = Call({});
  // The list of commands: asked for on stdout, without any argument on stderr with 2.
  EXPECT_EQ(std::tuple(usage.exitCode, help.exitCode, none.exitCode, help.out), std::tuple(0, 0, 2, none.err));
  EXPECT_TRUE(
      usage.out.ends_with("\nusage: orvane-cli export ROM [--table FILE] [--edited-v095] [--force] -o OUT.ovp\n"));
  EXPECT_TRUE(Has(help.out, "\n  export "));
}

// The free-space report goes to stdout, every other message to stderr; the space question takes the
// answer --on-overflow gives, stopping by default, and a bank given up fails the read-back; without
// --keep-dictionary the seed given is used.
TEST_F(Cli, BuildGivesTheDemoBackAndAnswersFromItsOptions) {
  ExpectRuns({{{"build", project, "-o", work.file("copy.smc"), "--from", demo, "--keep-dictionary"}, 0,
               "Free Space in bytes:\nBank1:", "Finished!: Data has been saved succesfully!\nTime needed:"}});
  EXPECT_EQ(ReadWholeFile(work.file("copy.smc")), ReadWholeFile(demo));
  const std::string overfull = Changed("overfull.ovp", 21, "Zuri, hold the rope tight!");
  for (const std::string option : {"skip", "stop", ""}) {
    std::vector<std::string> args{"build", overfull, "-o", work.file("o.smc"), "--from", demo, "--keep-dictionary"};
    if (!option.empty()) args.insert(args.end(), {"--on-overflow", option});
    const Outcome run = Call(args);
    const bool skip = option == "skip";
    EXPECT_TRUE(run.err.starts_with("Error!: Not enough space to save this bank!\ntextnumber: ")) << run.err;
    EXPECT_EQ(std::tuple(run.exitCode, Has(run.err, skip ? "[OK]" : "[Cancel]"), Has(run.out, "\nBank21:0\n"),
                         Has(run.err, "\nbank 21 text 50 reads back as"),
                         Has(run.err, "\nRead back: 31 texts differ from what was typed (listed below).\n")),
              std::tuple(1, true, skip, skip, skip)) << option << "\n" << run.err;
  }
  for (const char* name : {"a.smc", "b.smc"})
    ASSERT_EQ(Call({"build", project, "-o", work.file(name), "--from", demo, "--seed", "11"}).exitCode, 0);
  EXPECT_EQ(ReadWholeFile(work.file("a.smc")), ReadWholeFile(work.file("b.smc")));
  EXPECT_NE(ReadWholeFile(work.file("a.smc")), ReadWholeFile(demo));
}

// A run without a user answers No to every error question: the command stops, writes nothing and exits
// with 1; a build that left an entry out, a project that does not fit and an image without a header too.
TEST_F(Cli, FailuresPrintTheMessageToStderrAndExitWithOne) {
  WriteFileAtomically(work.file("blank.smc"), std::vector<uint8_t>(0x80200, 0));
  // Table and project errors name their line, encoding errors the bank and text being written.
  WriteFileAtomically(work.file("bad.tbl"), std::string("41=A\r\n5=B\r\n"));
  const std::string text = ReadFileText(project);
  WriteFileAtomically(work.file("cut.ovp"), text.substr(0, text.find("[TEXTBLOCKS]")));
  ExpectRuns(
      {{{"export", demo, "--table", work.file("bad.tbl"), "-o", work.file("x.ovp")}, 1, "",
        "Error: 13\nLoadRom_Form\nType mismatch\n  at line 2 of the table file\n"},
       {{"fit", work.file("cut.ovp")}, 1, "",
        "Error Nr. 62: Input past end of file\nContinue program? [No]\n  at line 514 of"},
       {{"export", demo, "--table", table, "-o", work.file("none/x.ovp")}, 1, "", "Error Nr. 76: Path not found\n"},
       {{"patch", "/nonexistent/a.smc", demo, "-o", work.file("x.bps")}, 1, "",
        "orvane-cli patch: Error Nr. 53: File not found\n  at Couldn't open \"/nonexistent/a.smc\" for reading: No such file or directory\n"},
       {{"optimize", project, "--mode", "fast", "--samples", "0", "-o", work.file("x.ovp")}, 1, "",
        "Error!: Couldn't find an optimal compression.\n"},
       {{"build", Changed("broken.ovp", 3, "{ZZ}"), "-o", work.file("b.smc"), "--from", demo}, 1, "",
        "Error Nr. 13: Type mismatch\nContinue program? [No]\n  at Writing DialogBank 3/21   Textnr:1/"},
       // Written, but with stop an item description left out fails the build.
       {{"build", Changed("infos.ovp", 0, "A rather long description "), "-o", work.file("i.smc"), "--from", demo,
         "--keep-dictionary"}, 1, "", "Finished!: Data has been saved succesfully!"},
       {{"build", Changed("odd.ovp", 4, "Go\xE9\x01"), "-o", work.file("b.smc"), "--from", demo}, 1, "",  // as {hh}
        "Error!: Unknown Character!\nBank:4\nTextnumber:1\nCharacter: {E9}\nOrvane Texteditor: The save stopped"},
       {{"fit", Changed("long.ovp", 5, std::string(2000, 'x') + "_\xFC_")}, 1, "dictionary   ",  // in UTF-8
        "bank 5 text 1: no code for \"_\", \"\xC3\xBC\"\n"},
       {{"checksum", work.file("blank.smc"), "--fix"}, 1, "",
        "orvane-cli checksum: " + work.file("blank.smc") + ": no cartridge header found"},
       {{"optimize", project, "-o", project}, 0, "Used memory       : ", ""},  // a project may replace itself
       {{"fit", project}, 0, "", ""}});
  EXPECT_FALSE(FileExists(work.file("x.ovp")));
  const Outcome fits = Call({"fit", work.file("long.ovp")});
  EXPECT_LT(fits.out.find("bank 5 "), fits.out.find("DOES NOT FIT\n"));
}

// po-import refuses a file with a bad entry unless --partial, diff exits with 1 while the projects differ, build
// fixes the checksum and writes a patch, patch writes one too, apply-patch turns the base and no other file into
// the build, and checksum exits with 1 until --fix wrote the right sum.
TEST_F(Cli, TheTeamCommandsLeadFromATranslationToAPatchedRom) {
  const std::string po = work.file("texts.po"), de = work.file("de.ovp"), rom = work.file("de.smc");
  EXPECT_EQ(Call({"po-export", project, "-o", po}).out, "5815 entries written\n");
  PoReadResult read = ReadPoFile(po);
  read.entries[0].msgstr = "Hallo.", read.entries[1].msgstr = "a#b";  // bank 1 texts 1 and 2
  WritePoFile(po, read.header, read.entries);
  std::vector<uint8_t> changed = ReadWholeFile(demo);
  changed[0x200000] ^= 0x40;
  WriteFileAtomically(work.file("changed.smc"), changed);
  ExpectRuns(
      {{{"po-import", project, po, "-o", de}, 1, "",
        "texts.po:18: bank 1 text 2: the character \"#\" has no code in the table\norvane-cli po-import: nothing"},
       {{"po-import", project, po, "-o", de, "--partial"}, 0, "1 imported, 5813 unchanged, 0 fuzzy, 1 refused\n",
        "texts.po:18: bank 1 text 2: the character \"#\" has no code in the table\n"},
       {{"diff", project, de}, 1, "bank 1 text 1\n  - My brother went north and never wrote.\n  + Hallo.\n", ""},
       {{"diff", project, project}, 0, "", ""},
       {{"po-export", project, "-o", work.file("b.po"), "--bank", "21"}, 0, "50 entries written\n", ""},
       {{"po-export", project, "-o", work.file("n.po"), "--only", "names"}, 0, "1098 entries written\n", ""},
       {{"build", de, "-o", rom, "--from", demo, "--keep-dictionary", "--fix-checksum", "--patch", work.file("de.bps")},
        0, "Free Space in bytes:\nBank1:", "Finished!: Data has been saved succesfully!\n"},
       {{"checksum", rom}, 0, "HiROM header at 0x101C0: stored checksum 0x", ""},
       {{"patch", demo, rom, "-o", work.file("de.ips")}, 0, "", ""},
       {{"apply-patch", work.file("de.bps"), demo, "-o", work.file("bps.smc")}, 0, "", ""},
       {{"apply-patch", work.file("de.ips"), demo, "-o", work.file("ips.smc")}, 0, "", ""},
       {{"apply-patch", work.file("de.bps"), rom, "-o", work.file("x.smc")}, 1, "",
        "orvane-cli apply-patch: This patch was made for another file"},
       {{"checksum", work.file("changed.smc")}, 1, "", "orvane-cli checksum: the stored checksum is wrong (--fix"},
       {{"checksum", work.file("changed.smc"), "--fix"}, 0, "", ""},
       {{"checksum", work.file("changed.smc")}, 0, "", ""}});
  for (const char* name : {"bps.smc", "ips.smc"}) EXPECT_EQ(ReadWholeFile(work.file(name)), ReadWholeFile(rom)) << name;
  EXPECT_FALSE(FileExists(work.file("x.smc")));
}

// Hostile files: every refusal says why and writes nothing, diff tells a file it cannot read from projects that
// differ, and no text from a file reaches the terminal with its control characters.
TEST_F(Cli, HostileFilesAreRefusedWithTheirMessageAndShownEscaped) {
  const std::string head = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n";
  WriteFileAtomically(work.file("none.po"), head + "\nmsgctxt \"bank 22 text 1\"\nmsgid \"x\"\nmsgstr \"y\"\n");
  WriteFileAtomically(work.file("esc.po"), head + "\nmsgctxt \"\x1B]0;owned\x07\x1B[31m\"\nmsgid \"x\"\nmsgstr \"\"\n");
  WriteFileAtomically(work.file("empty.po"), std::string());
  const std::string text = ReadFileText(project);
  WriteFileAtomically(work.file("cut.ovp"), text.substr(0, text.find("[TEXTBLOCKS]")));
  WriteFileAtomically(work.file("gg_GG.aff"), std::string("SET UTF-8\n"));
  WriteFileAtomically(work.file("gg_GG.dic"), std::string("1\nqqq\n"));
  const std::string odd = Changed("odd.ovp", 1, std::string("\x1B[2J\t\x81\0", 7)), nothing = "orvane-cli po-import: nothing ";
  ::setenv("TMPDIR", work.file("missing").c_str(), 1);
  ::setenv("DICPATH", work.path().c_str(), 1);
  ExpectRuns({{{"po-import", project, work.file("none.po"), "-o", work.file("o.ovp"), "--partial"}, 1,
               "0 imported, 0 unchanged, 0 fuzzy, 1 refused\n",
               "none.po:4: bank 22 text 1: no text has this place\n" + nothing + "was imported, nothing was written\n"},
              {{"po-import", project, work.file("none.po"), "-o", work.file("o.ovp")}, 1, "",
               "none.po:4: bank 22 text 1: no text has this place\n" + nothing +
                   "was written: 1 refused (--partial writes the others)\n"},
              {{"po-import", project, work.file("empty.po"), "-o", work.file("o.ovp")}, 1, "0 imported, 0 unchanged",
               nothing + "was imported, nothing was written\n"},
              {{"po-import", project, work.file("esc.po"), "-o", work.file("o.ovp")}, 1, "",
               "esc.po:4: {1B}]0;owned{07}{1B}[31m: no text has this place\n"},
              {{"diff", project, odd}, 1, "bank 1 text 1\n  - My brother went north and never wrote.\n  + {1B}[2J{09}{81}{00}\n", ""},
              {{"diff", project, work.file("cut.ovp")}, 3, "", "Error Nr. 62: Input past end of file\nContinue program? [No]"},
              {{"po-export", project, "-o", work.file("t.po")}, 0, "5815 entries written\n", ""},
              {{"spell", project, "--lang", "../gg_GG"}, 1, "", "orvane-cli spell: \"../gg_GG\" is no language name"},
              {{"spell", project, "--lang", "gg_GG"}, 1, "bank 1 text 1 at 1: My", "Warning: the dictionary knows only 0 of"}});
  ::unsetenv("TMPDIR");
  ::unsetenv("DICPATH");
  EXPECT_TRUE(Call({"diff", project, work.file("cut.ovp")}).err.ends_with(
      "orvane-cli diff: " + work.file("cut.ovp") + " could not be read\n"));
  EXPECT_EQ(std::tuple(FileExists(work.file("o.ovp")), std::distance(std::filesystem::directory_iterator(work.path()), {})),
            std::tuple(false, 15));
}

// Plain images: the headerless demo exports to the same project, builds keep their base's kind and change it
// only with --header, a patch needs both files of one kind; an image that does not look like the game's is
// refused with 1 unless --force.
TEST_F(Cli, PlainImagesFollowEveryCommandAndForeignOnesNeedForce) {
  const std::string plain = work.file("demo.sfc"), foreign = work.file("foreign.smc");
  std::vector<uint8_t> overwritten = ReadWholeFile(demo);
  std::fill(overwritten.begin() + 0x39B200, overwritten.begin() + 0x39B200 + 888, 0xFF);  // bank 2's pointers
  WriteFileAtomically(foreign, overwritten);
  const std::string question = "Unknown Rom: This image does not look like the game's ROM (the pointer of text 1 in "
                               "bank 2 leads to 0x3A01FF, outside the bank's text area 0x39B578..0x39FC75). ";
  const std::string keep = "--keep-dictionary";
  ExpectRuns(
      {{{"demo-rom", "--headerless", "-o", plain}, 0, "", ""},
       {{"export", plain, "--table", table, "-o", work.file("plain.ovp")}, 0, "", ""},
       {{"build", project, "-o", work.file("p.sfc"), "--from", plain, keep}, 0, "Free Space", "Finished!"},
       {{"build", project, "-o", work.file("p.smc"), "--from", plain, keep}, 1, "",
        "Orvane Texteditor: \"" + work.file("p.smc") + "\" is named for a ROM image with a copier header"},
       {{"build", project, "-o", work.file("p.smc"), "--from", plain, keep, "--header", "add"}, 0, "", "Finished!"},
       {{"build", project, "-o", work.file("q.smc"), "--from", plain, keep, "--header", "both"}, 2, "",
        "orvane-cli build: --header takes add or strip, not both\n"},
       {{"patch", plain, work.file("p.sfc"), "-o", work.file("p.bps")}, 0, "", ""},
       {{"patch", demo, work.file("p.sfc"), "-o", work.file("m.bps")}, 1, "",
        "orvane-cli patch: \"" + demo + "\" is a ROM image with a copier header and"},
       {{"apply-patch", work.file("p.bps"), demo, "-o", work.file("a.smc")}, 0, "", ""},
       {{"checksum", plain}, 0, "HiROM header at 0xFFC0: stored checksum 0x", ""},
       {{"export", foreign, "--table", table, "-o", work.file("f.ovp")}, 1, "",
        question + "Open it anyway? [No]\norvane-cli export: not opened (--force opens it anyway)\n"},
       {{"export", foreign, "--table", table, "-o", work.file("f.ovp"), "--force"}, 0, "",
        question + "Open it anyway? [Yes]\n"},
       {{"build", project, "-o", work.file("f.smc"), "--from", foreign, keep}, 1, "",
        question + "Write into it anyway? [No]\norvane-cli build: nothing was written"},
       {{"build", project, "-o", work.file("f.smc"), "--from", foreign, keep, "--force"}, 0, "", question}});
  EXPECT_EQ(ReadFileText(plain), ReadFileText(demo).substr(0x200));
  EXPECT_EQ(ReadFileText(work.file("plain.ovp")), ReadFileText(project));
  EXPECT_EQ(ReadFileText(work.file("p.sfc")), ReadFileText(plain));
  EXPECT_EQ(ReadFileText(work.file("p.smc")), ReadFileText(demo));
  EXPECT_EQ(ReadFileText(work.file("a.smc")), ReadFileText(demo));
  EXPECT_EQ(ReadFileText(work.file("f.smc")), ReadFileText(demo));
}

// progress counts the statuses the companion file holds (or derives them); spell lists each word with its
// place, exits 1 when any, and names the dictionary it could not find; report writes its page.
TEST_F(Cli, ProgressAndSpellReportOnTheProject) {
  const std::string worked = Changed("worked.ovp", 2, "Teh ferry.");
  std::remove(work.file("worked.ovs").c_str());  // statuses derived from the texts
  ExpectRuns({{{"progress", worked}, 0,
               "bank    texts untranslated        draft   translated     reviewed    done\n"
               "1         456          456            0            0            0    0.0%\n"
               "2         444          443            1            0            0    0.0%\n", ""},
              {{"spell", worked, "--bank", "2"}, 1, "bank 2 text 1 at 1: Teh (", ""},
              {{"spell", worked, "--lang", "zz_ZZ"}, 1, "", "orvane-cli spell: no spelling dictionary for zz_ZZ"},
              {{"spell", worked, "--bank", "22"}, 2, "", "orvane-cli spell: "},
              {{"report", worked, "-o", work.file("r.html")}, 0, work.file("r.html") + " written\n", ""},
              {{"report", worked, "-o", work.file("none/r.html")}, 1, "", "orvane-cli report: Error Nr. 76"}});
  EXPECT_TRUE(ReadFileText(work.file("r.html")).ends_with("Made by Orvane Texteditor.</p></body></html>\n"));
  EXPECT_TRUE(Call({"progress", worked}).out.ends_with(
      "\ntotal    4717         4716            1            0            0    0.0%\n"));
}

// preview draws a text's windows, exiting with 1 while a line or a window is too long; reflow lays out
// anew only the texts that do not fit and writes the project.
TEST_F(Cli, PreviewDrawsTheWindowsAndReflowMendsWhatDoesNotFit) {
  const std::string x40(40, 'x'), border = "+" + std::string(42, '-') + "+\n", flowed = work.file("flowed.ovp");
  const auto row = [](const std::string& text) { return "|" + text + std::string(42 - text.size(), ' ') + "|\n"; };
  const std::string wide = Changed("wide.ovp", 21, "Kael{1A} saw " + x40 + "[L_]1[L_]2[L_]3[L_]4");
  ExpectRuns(
      {{{"preview", wide, "--bank", "21", "--text", "50"}, 1,
        border + "|Kael{1A} saw " + x40 + "|!\n" + row("1") + row("2") + row("3") + "|4" + std::string(41, ' ') +
            "|!\n" + border, ""},
       {{"reflow", wide, "-o", flowed, "--bank", "21"}, 0, "texts reflowed: 50\n", ""},
       {{"preview", flowed, "--bank", "21", "--text", "50"}, 0, border + row("Kael{1A} saw") + row(x40 + " 1") +
                                                                 row("2 3 4") + border, ""},
       {{"preview", project, "--bank", "2", "--text", "445"}, 2, "",
        "orvane-cli preview: --text takes a text number from 1 to 444 of bank 2, not 445\n"},
       {{"preview", project, "--text", "1"}, 2, "", "orvane-cli preview: --bank is missing\n"}});
}

// similar lists the translated look-alikes of one text, fill-repeats carries translations over to
// their repeats and says how many, and terms lists the texts without a glossary term's target.
TEST_F(Cli, ConsistencyCommandsWorkFromTheTranslatedTexts) {
  Document doc;
  testing::ScriptedPrompter prompter;
  SilentProgress progress;
  ASSERT_EQ(LoadProjectFile(doc, project, prompter, progress), ProjectOutcome::Done);
  doc.Texte[1][5].Aktuell = "Es gibt wieder ein Loch im Dach.";  // "There is a hole in the roof again."
  doc.Texte[1][152].Aktuell = "Schreiber: Es gibt wieder ein Loch.";  // "Clerk: " and the same
  const std::string de = work.file("de.ovp"), filled = work.file("filled.ovp");
  ASSERT_EQ(SaveProjectFile(doc, de, prompter, progress), ProjectOutcome::Done);
  std::remove(work.file("de.ovs").c_str());  // the statuses follow from the texts
  WriteFileAtomically(work.file("g.csv"), std::string("source,target,note\r\nroof,Dach,\r\nclerk,Schreiber,\r\n"));
  WriteFileAtomically(work.file("bad.csv"), std::string("source;target\r\n"));
  const std::string hole = "There is a hole in the roof again. => Es gibt wieder ein Loch im Dach.\n";
  ExpectRuns({{{"similar", de, "--bank", "1", "--text", "17"}, 0,
               "1.00 bank 1 text 5: " + hole + "0.83 bank 1 text 152: Clerk: " +
                   "There is a hole in the roof again. => Schreiber: Es gibt wieder ein Loch.\n", ""},
              {{"similar", de, "--bank", "1", "--text", "17", "--min", "0.9", "--max", "5"}, 0,
               "1.00 bank 1 text 5: " + hole, ""},
              {{"similar", de, "--bank", "1", "--text", "1"}, 0, "", ""},
              {{"similar", de, "--bank", "1", "--text", "457"}, 2, "", "orvane-cli similar: bank 1 has texts 1 to 456, not 457"},
              {{"similar", de, "--bank", "1", "--text", "1", "--min", "1.5"}, 2, "", "orvane-cli similar: --min takes"},
              {{"similar", de, "--bank", "1", "--text", "1", "--max", "0"}, 2, "", "orvane-cli similar: --max takes"},
              {{"similar", de, "--bank", "1"}, 2, "", "orvane-cli similar: --text is missing"},
              {{"fill-repeats", de, "-o", filled}, 0, "7 texts filled\n", ""},
              {{"fill-repeats", de, "-o", work.file("none/x.ovp")}, 1, "", "Error Nr. 76: Path not found"},
              {{"terms", de}, 0, "", ""},
              {{"terms", de, "--glossary", work.file("g.csv")}, 1, "bank 1 text 152: \"roof\" => \"Dach\"\n", ""},
              {{"terms", de, "--glossary", work.file("bad.csv")}, 1, "",
               "orvane-cli terms: bad.csv: line 1: the first line must be \"source,target,note\"\n"}});
  // The repeats became drafts with the translation of their group.
  EXPECT_EQ(Call({"diff", de, filled}).out.substr(0, 91),
            "bank 1 text 17\n  - There is a hole in the roof again.\n  + Es gibt wieder ein Loch im Dach.\n");
  EXPECT_TRUE(Call({"progress", filled}).out.starts_with(
      "bank    texts untranslated        draft   translated     reviewed    done\n"
      "1         456          453            3            0            0    0.0%\n"));
}

}  // namespace
}  // namespace orvane
