#pragma once
// "Similar texts": beside the Translation panel, the translated texts whose original reads almost
// like the shown one's, each with its score, place, original (the differing words marked) and
// translation. Ctrl+1 .. Ctrl+3 put a translation into the editor pane as typing would, so the
// pane's own undo takes it back.

#include <QDockWidget>
#include <array>
#include <memory>
#include <vector>

#include "document.h"
#include "editors/shown_text.h"
#include "progress/similar_texts.h"

class QLabel;
class QMainWindow;

namespace orvane::editors {
class EditorPane;
}

namespace orvane::progress {

class SimilarPanel : public QDockWidget {
  Q_OBJECT
 public:
  SimilarPanel(const Document& doc, const editors::ShownText& shown, QMainWindow* window, editors::EditorPane* pane);
  ~SimilarPanel() override;

  // The originals were loaded anew.
  void documentLoaded();
  // The texts for the shown one (none when no text is shown).
  void textShown();
  // Puts the translation of entry `index` (0..2) into the pane.
  void use(size_t index);

 private:
  const Document& doc_;
  const editors::ShownText& shownText_;
  editors::EditorPane* pane_;
  std::unique_ptr<SimilarTexts> index_;
  std::vector<SimilarText> shown_;
  std::array<QLabel*, kMostSimilarTexts> entries_{};
  QLabel* none_ = nullptr;
};

}  // namespace orvane::progress
