#pragma once
// File access of the core: whole-file reads, atomic replacement, and the small path helpers.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

bool DateiExistiert(const std::string& path);

// The path up to and including its last separator ("/" or "\"), searching backwards from the
// second-last character; empty when there is none.
std::string ElternOrdner(const std::string& path);

// The whole file. Throws RunError (53 file not found, 75 access error) when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Replaces `path` with exactly `bytes`: written to a temporary file in the same folder, flushed,
// then renamed over the target, so the target is either the old file or the complete new one.
// Throws RunError (76 path not found, 70 permission denied, 61 disk full, 75 access error).
void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The folder that holds the running program (with a trailing separator).
std::string ProgramFolder();

}  // namespace orvane
