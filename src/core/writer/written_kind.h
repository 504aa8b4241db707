#pragma once
// Which kind of file a save writes (see rom/image_kind.h). A file is written back in its own kind,
// byte for byte where the texts did not change; a new file takes the kind of the image it starts
// from. A header is added or removed only when asked for, or when the user agrees because the new
// file's name calls for the other kind; never silently.

#include <optional>
#include <string>

#include "common/prompter.h"
#include "image_kind.h"

namespace orvane {

// `requested` (the command line's --header) wins. Otherwise, for a new file made from an image of
// `baseKind` whose name asks for the other kind, the user is asked: Yes takes the name's kind, No
// keeps the base's, Cancel (the default) gives nothing.
std::optional<ImageKind> ChooseWrittenKind(ImageKind baseKind, const std::string& target, bool newFromBase,
                                           std::optional<ImageKind> requested, Prompter& prompter,
                                           const std::string& title);

}  // namespace orvane
