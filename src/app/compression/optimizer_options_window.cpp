#include "compression/optimizer_options_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "compression/button_pictures.h"
#include "compression/optimizer_options.h"

namespace orvane::compression {
namespace {

QRadioButton* Option(const QString& caption, const char* name, const QString& tip, QWidget* parent) {
  auto* option = new QRadioButton(caption, parent);
  option->setObjectName(name);
  option->setToolTip(tip);
  return option;
}

}  // namespace

OptimizerOptionsWindow::OptimizerOptionsWindow(Settings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      seekFrame_(new QGroupBox(this)),
      slider_(new QSlider(Qt::Horizontal, this)) {
  setObjectName("KomprimOptionen");
  setWindowTitle(QString::fromUtf8("Wähle eine Suchoption aus!"));
  // Wide enough for the whole caption beside the title bar's icon and buttons.
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 5 / 4 + 140);

  auto* styleFrame = new QGroupBox(tr("Style"), this);
  styleFrame->setObjectName("Frame1");
  accurate_ = Option(tr("Accurate (ca. 99%)"), "Option1", tr("Very accurate but very slow!"), styleFrame);
  fast_ = Option(tr("Fast (ca. 90%)"), "Option2",
                 tr("Very fast but not as accurate as the option above (but normaly thats enough)"), styleFrame);
  smallest_ = Option(tr("Smallest ROM (slow)"), "Option3",
                     tr("Chooses entries of two or more characters by the bytes they really save in the "
                        "dialogue, so the texts take the least room in the ROM. Takes longer."),
                     styleFrame);
  auto* styleColumn = new QVBoxLayout(styleFrame);
  styleColumn->addWidget(accurate_);
  styleColumn->addWidget(fast_);
  styleColumn->addWidget(smallest_);

  seekFrame_->setObjectName("Frame2");
  slider_->setObjectName("Silbenzahl");
  slider_->setRange(0, kMaxSamplesPerText);
  slider_->setTickPosition(QSlider::TicksBelow);
  (new QVBoxLayout(seekFrame_))->addWidget(slider_);

  auto* confirmButton = new QPushButton(this);
  confirmButton->setObjectName("Command1");
  confirmButton->setIcon(ConfirmPicture());
  confirmButton->setIconSize(QSize(32, 32));
  confirmButton->setToolTip(tr("Start"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(styleFrame);
  layout->addWidget(seekFrame_);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  buttonRow->addWidget(confirmButton);
  layout->addLayout(buttonRow);

  switch (ModeFromKomprimModus(settings_.KomprimModus)) {
    case OptimizerMode::Accurate: accurate_->setChecked(true); break;
    case OptimizerMode::Fast: fast_->setChecked(true); break;
    case OptimizerMode::Smallest: smallest_->setChecked(true); break;
  }
  slider_->setValue(settings_.Suchtiefe);
  updateEnabling();
  seekFrame_->setTitle(QString::fromStdString(SeekFrameCaption(slider_->value(), "Seek")));

  for (QRadioButton* option : {accurate_, fast_, smallest_})
    connect(option, &QRadioButton::toggled, this, &OptimizerOptionsWindow::updateEnabling);
  connect(slider_, &QSlider::valueChanged, this, [this](int value) {
    seekFrame_->setTitle(QString::fromStdString(SeekFrameCaption(value, seekFrame_->title().toStdString())));
  });
  connect(confirmButton, &QPushButton::clicked, this, &OptimizerOptionsWindow::confirm);
}

// The slider only means something for the fast scan.
void OptimizerOptionsWindow::updateEnabling() {
  seekFrame_->setEnabled(fast_->isChecked());
  slider_->setEnabled(fast_->isChecked());
}

void OptimizerOptionsWindow::confirm() {
  confirmed_ = true;
  accept();
}

std::optional<Settings> OptimizerOptionsWindow::Ask(Settings& settings, QWidget* parent) {
  OptimizerOptionsWindow window(settings, parent);
  window.exec();
  return window.confirmed_ ? std::optional<Settings>(settings) : std::nullopt;
}

void OptimizerOptionsWindow::done(int result) {
  if (accurate_->isChecked()) settings_.KomprimModus = KomprimModusFromMode(OptimizerMode::Accurate);
  if (fast_->isChecked()) settings_.KomprimModus = KomprimModusFromMode(OptimizerMode::Fast);
  if (smallest_->isChecked()) settings_.KomprimModus = KomprimModusFromMode(OptimizerMode::Smallest);
  settings_.Suchtiefe = slider_->value();
  QDialog::done(result);
}

}  // namespace orvane::compression
