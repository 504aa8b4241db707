#pragma once
// Copying and deleting files the way the save into a new ROM file needs it.

#include <string>

#include "common/prompter.h"

namespace orvane {

// Deletes `path`. On this platform the read-only flag is the owner's write permission, which is
// given back first when `clearReadOnly` is set; a hidden file is just a name here, so
// `clearHidden` needs nothing. True when the file was deleted.
bool LoescheDatei(const std::string& path, bool clearReadOnly, bool clearHidden);

// Makes `target` a copy of `source`: an existing target is deleted, missing folders are created,
// then the bytes are copied (into a temporary file renamed over the target, so a failed copy
// never leaves half a ROM behind). On failure the user is told "Couldn't copy file "<source>""
// under `applicationTitle`; the result says whether the copy exists.
bool KopiereDatei(const std::string& source, const std::string& target, Prompter& prompter,
                  const std::string& applicationTitle);

}  // namespace orvane
