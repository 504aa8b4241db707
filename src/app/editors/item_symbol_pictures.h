#pragma once
// The pictures on the item symbol buttons: ten small drawings for symbols 32..41 and one for "no
// symbol" (255).

#include <QIcon>

namespace orvane::editors {

inline constexpr int kItemSymbolButtons = 11;  // 0..9: symbols 32..41, 10: none
inline constexpr int kNoSymbolButton = 10;

QIcon ItemSymbolPicture(int button);

}  // namespace orvane::editors
