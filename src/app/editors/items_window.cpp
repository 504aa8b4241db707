#include "editors/items_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document.h"
#include "document_change.h"
#include "editors/item_symbol_pictures.h"
#include "text_places.h"

namespace orvane::editors {
namespace {

QGroupBox* Frame(const QString& caption, const QString& name, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  return frame;
}

}  // namespace

ItemsWindow::ItemsWindow(Document& doc, ChangeSink& changes, Prompter& prompter, QWidget* parent)
    : NameListEditor(
          doc, changes, prompter,
          {"ItemsForm", "Items", "Warning!", "Text1", "Command1", NameLimit(TextList::ItemNames), true,
           TextList::ItemNames, 1}, parent),
      nameFrame_(Frame(tr("Edit Item Name"), "Frame2", this)),
      symbolFrame_(Frame(tr("Select Item Symbol"), "Frame3", this)),
      symbolButtons_(new QButtonGroup(this)) {
  auto* listFrame = Frame(tr("Choose Item"), "Frame1", this);
  (new QVBoxLayout(listFrame))->addWidget(list_);
  (new QVBoxLayout(nameFrame_))->addWidget(nameRow());

  auto* symbolGrid = new QGridLayout(symbolFrame_);
  for (int button = 0; button < kItemSymbolButtons; ++button) {
    auto* option = new QRadioButton(symbolFrame_);
    option->setObjectName(QString("Optionen%1").arg(button));
    option->setIcon(ItemSymbolPicture(button));
    option->setIconSize(QSize(20, 20));
    option->setToolTip(button == kNoSymbolButton ? tr("No symbol") : tr("Symbol %1").arg(kFirstItemSymbol + button));
    symbolButtons_->addButton(option, button);
    symbolGrid->addWidget(option, button / 6, button % 6);
  }

  auto* infoFrame = Frame(tr("Item Info"), "Frame4", this);
  // Item i owns description i + 1, so list row r shows description r + 2.
  QLineEdit* description =
      addDescriptionBox("Beschreibung", NameLimit(TextList::ItemInfos), false,
                        {doc.ItemInfos.begin(), doc.ItemInfos.end()}, 2);
  (new QVBoxLayout(infoFrame))->addWidget(description);

  auto* right = new QVBoxLayout;
  right->addWidget(nameFrame_);
  right->addWidget(symbolFrame_);
  right->addWidget(infoFrame);
  right->addStretch(1);
  right->addWidget(saveButton_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(listFrame, 1);
  layout->addLayout(right, 2);

  connect(symbolButtons_, &QButtonGroup::idToggled, this, &ItemsWindow::symbolChosen);

  for (int i = 1; i <= kItemCount; ++i) symbols_.push_back(doc.Items[i].Symbol);
  std::vector<std::string> names;
  for (int i = 1; i <= kItemCount; ++i) names.push_back(doc.Items[i].Name);
  fill(std::move(names));
}

void ItemsWindow::showEntryExtras(int row) {
  const uint8_t symbol = symbols_[row];
  const bool editable = (symbol >= kFirstItemSymbol && symbol <= kLastItemSymbol) || symbol == kNoItemSymbol;
  nameFrame_->setEnabled(editable);
  symbolFrame_->setEnabled(editable);
  if (editable) {
    const int button = symbol == kNoItemSymbol ? kNoSymbolButton : symbol - kFirstItemSymbol;
    symbolButtons_->button(button)->setChecked(true);
  }
}

void ItemsWindow::symbolChosen(int button, bool checked) {
  const int row = currentRow();
  if (!checked || row < 0) return;
  symbols_[row] = button == kNoSymbolButton ? kNoItemSymbol : static_cast<uint8_t>(kFirstItemSymbol + button);
  markChanged();
}

void ItemsWindow::store(DocumentChange& change) {
  storeList(change, TextList::ItemNames, 1, names());
  for (int i = 1; i <= kItemCount; ++i) change.setSymbol(doc_, i, symbols_[static_cast<size_t>(i - 1)]);
  storeList(change, TextList::ItemInfos, 0, descriptions());
}

}  // namespace orvane::editors
