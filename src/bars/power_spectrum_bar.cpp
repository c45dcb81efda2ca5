#include "bars/power_spectrum_bar.h"

#include <QHBoxLayout>
#include <QMenu>

#include "analysis/spectrogram.h"
#include "bars/limit_list.h"
#include "bars/spectrogram_bar.h"
#include "core/text_format.h"
#include "presentation/bar_choices.h"

namespace velmora {

PowerSpectrumBar::PowerSpectrumBar(int updateRatePreference, QWidget* parent) : QWidget(parent) {
  createUi(updateRatePreference);
  connectUi();
}

void PowerSpectrumBar::createUi(int updateRatePreference) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->setSpacing(8);
  transport_ = new TransportButtons(this);
  layout->addWidget(transport_);
  colours_ = new QPushButton(barIcon(BarIcon::SmallArrow), QStringLiteral("Colors"), this);
  layout->addWidget(colours_);
  QStringList rates;
  for (double f : powerSpectrumUpdateRateFactors()) rates << QString::fromStdString(formatv("%.1f ms", f));
  updateRate_ = addLabelledCombo(this, QStringLiteral("Update Rate"), rates);
  updateRate_->setCurrentIndex(initialUpdateRateIndex(updateRatePreference, updateRate_->count()));
  limit_ = addLabelledCombo(this, QStringLiteral("Limit"), {});
  ltas_ = new QCheckBox(QStringLiteral("LTAS"), this);
  layout->addWidget(ltas_);
  visualisation_ = addLabelledCombo(this, QStringLiteral("Visualisation"), {QStringLiteral("Solid"), QStringLiteral("Line")});
  QStringList sizes;
  for (int n : fftSizeChoices()) sizes << QString::number(n);
  fftSize_ = addLabelledCombo(this, QStringLiteral("FFT Size"), sizes);
  fftSize_->setCurrentIndex(kDefaultFftSizeIndex);
  layout->addStretch(1);
}

void PowerSpectrumBar::connectUi() {
  comboFocus_ = new ComboFocusWatch(this);
  comboFocus_->watch(updateRate_, false);
  comboFocus_->watch(limit_, true);
  connect(limit_, &QComboBox::activated, this, [this](int) {
    emit limitChanged(selectedLimitHz());
    emit focusBackToView();
  });
  connect(updateRate_, &QComboBox::activated, this, [this](int index) {
    emit updateRateChanged(index);
    emit focusBackToView();
  });
  connect(visualisation_, &QComboBox::activated, this, [this](int index) {
    emit lineModeChanged(index == 1);
    emit focusBackToView();
  });
  connect(fftSize_, &QComboBox::activated, this, [this](int) {
    emit fftSizeChanged(selectedFftSize());
    emit focusBackToView();
  });
  connect(ltas_, &QCheckBox::toggled, this, &PowerSpectrumBar::ltasToggled);
  connect(colours_, &QPushButton::clicked, this, [this] {
    QMenu menu(this);
    const std::pair<const char*, QColor> colours[] = {
        {"Dark Blue", QColor(0, 0, 128)}, {"Black", QColor(0, 0, 0)}, {"Dark Green", QColor(0, 128, 0)},
        {"Red", QColor(255, 0, 0)}};
    for (const auto& [name, colour] : colours) {
      QAction* a = menu.addAction(QString::fromLatin1(name));
      const QColor c = colour;
      connect(a, &QAction::triggered, this, [this, c] { emit colourChosen(c); });
    }
    menu.exec(colours_->mapToGlobal(QPoint(0, colours_->height())));
  });
}

int PowerSpectrumBar::setRate(int sampleRate) {
  limits_ = fillLimitList(*limit_, sampleRate);
  return selectedLimitHz();
}

int PowerSpectrumBar::selectedLimitHz() const { return selectedLimit(*limit_, limits_); }

int PowerSpectrumBar::selectedFftSize() const {
  const auto& sizes = fftSizeChoices();
  return selectedValue(*fftSize_, sizes, sizes[kDefaultFftSizeIndex]);
}

}  // namespace velmora
