#pragma once
// The character table file Orvane_Englisch.tbl: one mapping a line, "XX=text" (two hex digits,
// any separator, the text verbatim). It fills column 2 of Tabelle.

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"

namespace orvane {

inline constexpr const char* kTableFileName = "Orvane_Englisch.tbl";

// Path of the table file: the one in the program's folder, else the one beside the ROM, else "".
std::string FindTableFile(const std::string& programFolder, const std::string& romPath);

// The folder with the table file and the demo ROM: the program's own when the table file is there (a
// build folder, a program copied with its files), else an installation's share folder
// (<prefix>/bin/../share/orvane-texteditor/) when that holds it, else the program's own.
std::string DataFolder(const std::string& programFolder);

// Reads the file's lines into Tabelle column 2; a later line for a code replaces an earlier one.
// Lines end with CR LF (a bare CR or LF, or the end of the file, end one too). Throws RunError:
// 62 for an empty file, 13 for a line that does not start with two hex digits or is shorter than
// three characters; the lines before the bad one stay read.
void ReadTableFile(Document& doc, const std::vector<uint8_t>& fileBytes);

}  // namespace orvane
