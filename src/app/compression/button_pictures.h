#pragma once
// Pictures of the two picture buttons: the dictionary window's save button (a diskette) and the
// options window's confirm button (a tick).

#include <QIcon>

namespace orvane::compression {

QIcon SavePicture();
QIcon ConfirmPicture();

}  // namespace orvane::compression
