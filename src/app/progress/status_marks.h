#pragma once
// The coloured mark each text's status gets in the text list and beside the note box.

#include <QColor>
#include <QIcon>
#include <QString>

class QComboBox;

#include "text_status.h"

namespace orvane::progress {

QColor StatusColor(TextStatus status);
// A filled disc in the status colour.
QIcon StatusMark(TextStatus status);
// "Untranslated", "Draft", "Translated", "Reviewed".
QString StatusCaption(TextStatus status);

// The status choices a text filter offers after its own: each status, then "Not yet done"
// (untranslated and draft).
void AddStatusChoices(QComboBox* filter);
// Whether a text of `status` passes status choice `choice` (0 the first status choice; below 0 none).
bool StatusWanted(int choice, TextStatus status);

}  // namespace orvane::progress
