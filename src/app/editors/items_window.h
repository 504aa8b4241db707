#pragma once
// "Items": item names with their symbols (Items 1..231) and the item descriptions (ItemInfos 0..242,
// description i+1 belongs to item i). Items whose symbol is none of 32..41 or 255 keep their name
// and symbol; their description can still be edited.

#include <cstdint>

#include "editors/name_list_editor.h"

class QButtonGroup;
class QGroupBox;

namespace orvane::editors {

inline constexpr uint8_t kFirstItemSymbol = 32;
inline constexpr uint8_t kLastItemSymbol = 41;
inline constexpr uint8_t kNoItemSymbol = 255;

class ItemsWindow : public NameListEditor {
  Q_OBJECT

 public:
  ItemsWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void showEntryExtras(int row) override;
  void store(DocumentChange& change) override;

 private:
  void symbolChosen(int button, bool checked);

  QGroupBox* nameFrame_;
  QGroupBox* symbolFrame_;
  QButtonGroup* symbolButtons_;
  std::vector<uint8_t> symbols_;  // item i at i-1
};

}  // namespace orvane::editors
