#pragma once
// The messages that close a completed save into the ROM: the time it took, the free space left
// per bank and area, and what did not fit.

#include <cstddef>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "writer/write_context.h"

namespace orvane {

// Elapsed seconds with their fraction ("1.65").
std::string FormatSeconds(double seconds);

// "Finished!": "Data has been saved succesfully!" CR LF "Time needed:<seconds> sec", then CR LF
// what the read-back found: "Read back: every text as typed." or "Read back: 3 texts differ from
// what was typed (<listed>)." with `listed` telling where they are ("see \"Problems\"").
Message FinishedMessage(double elapsedSeconds, size_t readBackDifferences, const std::string& listed);

// "Info": "Free Space in bytes:", one line "Bank<b>:<free>" per bank, then the titles, locations
// and item descriptions.
std::string FreeSpaceReport(const WriteContext& ctx);
Message InfoMessage(const WriteContext& ctx);

// The entries the writers had to leave out, one per line, then those they cut.
Message OverflowMessage(const std::vector<OverflowNote>& notes);

}  // namespace orvane
