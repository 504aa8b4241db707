#pragma once
// The question at the start when an earlier session left a recovery copy behind: "Recover unsaved
// work from <time>?" with Recover, Discard and Later.

#include <QString>

#include "common/prompter.h"
#include "document.h"
#include "project/recovery.h"
#include "workspace.h"

namespace orvane::shell {

enum class RecoveryChoice {
  NoCopy,      // nothing to offer
  Recovered,   // the copy is the document now, a modified project named after the original file
  Discarded,   // the copy was removed
  Later,       // the copy stays for the next start
  Unreadable,  // Recover was chosen but the copy was refused (and told so); it stays
};

struct RecoveryResult {
  RecoveryChoice choice = RecoveryChoice::NoCopy;
  RecoveryCopy copy;  // the copy offered
};

// Offers the newest copy in `folder`.
RecoveryResult OfferRecovery(const QString& folder, Document& doc, Workspace& workspace, Prompter& prompter);

}  // namespace orvane::shell
