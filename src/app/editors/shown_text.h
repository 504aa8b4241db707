#pragma once
// Which dialogue text the main window shows: the window's own state, which the parts around the
// editor pane read.

#include <cstdint>

#include "document.h"

namespace orvane::editors {

struct ShownText {
  int32_t AktuelleBank = 1;
  int32_t AktuellerText = 1;

  // A text of the document's banks is shown.
  bool valid(const Document& doc) const {
    return AktuelleBank >= 1 && AktuelleBank <= kBankCount && AktuellerText >= 1 &&
           AktuellerText <= doc.BankInfo[AktuelleBank].TextCount;
  }
};

}  // namespace orvane::editors
