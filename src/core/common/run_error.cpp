#include "common/run_error.h"

namespace orvane {

std::string ErrorDescription(int number) {
  switch (number) {
    case errors::kInvalidCall: return "Invalid procedure call or argument";
    case errors::kOverflow: return "Overflow";
    case errors::kOutOfMemory: return "Out of memory";
    case errors::kSubscript: return "Subscript out of range";
    case errors::kTypeMismatch: return "Type mismatch";
    case errors::kFileNotFound: return "File not found";
    case errors::kFileAlreadyOpen: return "File already open";
    case errors::kDeviceIo: return "Device I/O error";
    case errors::kDiskFull: return "Disk full";
    case errors::kPastEndOfFile: return "Input past end of file";
    case errors::kPermissionDenied: return "Permission denied";
    case errors::kPathAccess: return "Path/File access error";
    case errors::kPathNotFound: return "Path not found";
    default: return "Application-defined or object-defined error";
  }
}

}  // namespace orvane
