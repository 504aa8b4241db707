#pragma once
// A run-time error as the user sees it: its number and its description. The numbers are the
// classic ones the program's messages have always shown ("Error Nr. 53").

#include <stdexcept>
#include <string>

namespace orvane {

class RunError : public std::runtime_error {
 public:
  RunError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
  int number() const { return number_; }
  std::string description() const { return what(); }
  // Where it happened, when the failing step knows it ("line 7 of the table file").
  const std::string& place() const { return place_; }
  RunError At(std::string place) const {
    RunError located = *this;
    located.place_ = std::move(place);
    return located;
  }

 private:
  int number_;
  std::string place_;
};

namespace errors {
inline constexpr int kInvalidCall = 5;        // "Invalid procedure call or argument"
inline constexpr int kOverflow = 6;           // "Overflow"
inline constexpr int kOutOfMemory = 7;        // "Out of memory"
inline constexpr int kSubscript = 9;          // "Subscript out of range"
inline constexpr int kTypeMismatch = 13;      // "Type mismatch"
inline constexpr int kFileNotFound = 53;      // "File not found"
inline constexpr int kFileAlreadyOpen = 55;   // "File already open"
inline constexpr int kDeviceIo = 57;          // "Device I/O error"
inline constexpr int kDiskFull = 61;          // "Disk full"
inline constexpr int kPastEndOfFile = 62;     // "Input past end of file"
inline constexpr int kPermissionDenied = 70;  // "Permission denied"
inline constexpr int kPathAccess = 75;        // "Path/File access error"
inline constexpr int kPathNotFound = 76;      // "Path not found"
}  // namespace errors

// The standard description of an error number.
std::string ErrorDescription(int number);
inline RunError MakeRunError(int number) { return RunError(number, ErrorDescription(number)); }
// The standard description with what exactly went wrong: "Path/File access error (not a regular file)".
inline RunError MakeRunError(int number, const std::string& detail) {
  return RunError(number, ErrorDescription(number) + " (" + detail + ")");
}

}  // namespace orvane
