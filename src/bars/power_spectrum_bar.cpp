#include "bars/power_spectrum_bar.h"

#include <QHBoxLayout>
#include <QMenu>

#include "analysis/spectrogram.h"
#include "bars/limit_list.h"
#include "bars/spectrogram_bar.h"
#include "core/string_ids.h"
#include "core/string_table.h"
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
  colours_ = new QPushButton(barIcon(BarIcon::SmallArrow), QString(), this);
  layout->addWidget(colours_);
  QStringList rates;
  for (double f : powerSpectrumUpdateRateFactors()) rates << QString::fromStdString(formatv("%.1f ms", f));
  updateRate_ = addLabelledCombo(this, str::UpdateRateLabel, rates, captions_);
  updateRate_->setCurrentIndex(initialUpdateRateIndex(updateRatePreference, updateRate_->count()));
  limit_ = addLabelledCombo(this, str::LimitLabel, {}, captions_);
  ltas_ = new QCheckBox(this);
  layout->addWidget(ltas_);
  visualisation_ = addLabelledCombo(this, str::VisualisationLabel, {QString(), QString()}, captions_);
  QStringList sizes;
  for (int n : fftSizeChoices()) sizes << QString::number(n);
  fftSize_ = addLabelledCombo(this, str::FftSizeLabel, sizes, captions_);
  fftSize_->setCurrentIndex(kDefaultFftSizeIndex);
  layout->addStretch(1);
  retranslate();
}

void PowerSpectrumBar::retranslate() {
  const auto text = [](int id) { return QString::fromStdString(velmora::tr(id)); };
  colours_->setText(text(str::ColorsButton));
  for (const auto& [caption, id] : captions_) caption->setText(text(id));
  ltas_->setText(text(str::LtasBox));
  visualisation_->setItemText(0, text(str::SolidEntry));
  visualisation_->setItemText(1, text(str::LineEntry));
  transport_->retranslate();
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
    const std::pair<int, QColor> colours[] = {{str::DarkBlueEntry, QColor(0, 0, 128)},
                                              {str::BlackEntry, QColor(0, 0, 0)},
                                              {str::DarkGreenEntry, QColor(0, 128, 0)},
                                              {str::RedEntry, QColor(255, 0, 0)}};
    for (const auto& [name, colour] : colours) {
      QAction* a = menu.addAction(QString::fromStdString(velmora::tr(name)));
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
