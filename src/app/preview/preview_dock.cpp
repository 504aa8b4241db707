#include "preview/preview_dock.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "preview/game_window_view.h"

namespace orvane::preview {

PreviewDock::PreviewDock(QWidget* parent)
    : QDockWidget(tr("Preview"), parent), summary_(new QLabel), scroll_(new QScrollArea), view_(new GameWindowView) {
  setObjectName(QStringLiteral("PreviewDock"));
  summary_->setObjectName(QStringLiteral("PreviewSummary"));
  summary_->setToolTip(tr("Page Down and Page Up step through the windows, as the game's button does"));
  scroll_->setWidget(view_);
  scroll_->setWidgetResizable(true);
  scroll_->setFocusProxy(view_);
  // Wide enough for a window and a few columns of excess before anything scrolls.
  scroll_->setMinimumWidth(view_->sizeHint().width() + 6 * view_->fontMetrics().horizontalAdvance(QLatin1Char('M')) +
                           scroll_->verticalScrollBar()->sizeHint().width());
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(summary_);
  layout->addWidget(scroll_, 1);
  setWidget(body);
  setFocusProxy(view_);
  connect(view_, &GameWindowView::currentChanged, this, [this](int window) {
    scroll_->ensureVisible(view_->windowRect(window).center().x(), view_->windowRect(window).center().y(), 0,
                           view_->windowRect(window).height() / 2 + 6);
    describe();
  });
  describe();
}

void PreviewDock::showText(std::string_view stored) {
  view_->setText(LayOutGameText(stored));
  describe();
}

// "Window 2 of 3", then what does not fit, in red.
void PreviewDock::describe() {
  const GameText& shown = view_->shown();
  QString text = tr("Window %1 of %2").arg(view_->current() + 1).arg(shown.windows.size());
  if (shown.longLines == 1) text += tr(", 1 line too long");
  else if (shown.longLines > 1) text += tr(", %1 lines too long").arg(shown.longLines);
  if (shown.crowdedWindows == 1) text += tr(", 1 window with more than four lines");
  else if (shown.crowdedWindows > 1) text += tr(", %1 windows with more than four lines").arg(shown.crowdedWindows);
  summary_->setText(text);
  summary_->setStyleSheet(shown.Fits() ? QString() : QStringLiteral("color: red; font-weight: bold"));
}

}  // namespace orvane::preview
