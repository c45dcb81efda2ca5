#include "bars/spectrogram_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "analysis/spectrogram.h"
#include "bars/limit_list.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "presentation/bar_choices.h"

namespace velmora {

QComboBox* addLabelledCombo(QWidget* bar, int label, const QStringList& items,
                            std::vector<std::pair<QLabel*, int>>& captions) {
  auto* column = new QWidget(bar);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* caption = new QLabel(QString::fromStdString(velmora::tr(label)), column);
  captions.emplace_back(caption, label);
  auto* combo = new QComboBox(column);
  combo->addItems(items);
  layout->addWidget(caption);
  layout->addWidget(combo);
  bar->layout()->addWidget(column);
  return combo;
}

namespace {
QStringList msEntries(const std::vector<double>& factors) {
  QStringList items;
  for (double f : factors) items << QString::fromStdString(formatv("%.1f ms", f));
  return items;
}
}  // namespace

SpectrogramBar::SpectrogramBar(int updateRatePreference, QWidget* parent) : QWidget(parent) {
  createUi(updateRatePreference);
  connectUi();
}

void SpectrogramBar::createUi(int updateRatePreference) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->setSpacing(8);
  transport_ = new TransportButtons(this);
  layout->addWidget(transport_);
  colours_ = new QPushButton(barIcon(BarIcon::SmallArrow), QString(), this);
  layout->addWidget(colours_);
  updateRate_ = addLabelledCombo(this, str::UpdateRateLabel, msEntries(spectrogramUpdateRateFactors()), captions_);
  updateRate_->setCurrentIndex(initialUpdateRateIndex(updateRatePreference, updateRate_->count()));
  QStringList bands;
  for (int hz : bandChoicesHz()) bands << QString::fromStdString(formatv("%d Hz", hz));
  band_ = addLabelledCombo(this, str::BandLabel, bands, captions_);
  band_->setCurrentIndex(kDefaultBandIndex);
  limit_ = addLabelledCombo(this, str::LimitLabel, {}, captions_);
  f0_ = new QCheckBox(this);
  formants_ = new QCheckBox(this);
  spectrogram_ = new QCheckBox(this);
  spectrogram_->setChecked(true);
  layout->addWidget(f0_);
  layout->addWidget(formants_);
  layout->addWidget(spectrogram_);
  db_ = new DbSlider(this);
  layout->addWidget(db_);
  layout->addStretch(1);
  retranslate();
}

void SpectrogramBar::retranslate() {
  const auto text = [](int id) { return QString::fromStdString(velmora::tr(id)); };
  colours_->setText(text(str::ColorsButton));
  for (const auto& [caption, id] : captions_) caption->setText(text(id));
  f0_->setText(text(str::F0Box));
  formants_->setText(text(str::FormantsBox));
  spectrogram_->setText(text(str::SpectrogramBox));
  transport_->retranslate();
}

void SpectrogramBar::connectUi() {
  comboFocus_ = new ComboFocusWatch(this);
  comboFocus_->watch(updateRate_, false);
  comboFocus_->watch(band_, true);
  comboFocus_->watch(limit_, true);
  connect(band_, &QComboBox::activated, this, [this](int) {
    emit bandChanged(selectedBandHz());
    emit focusBackToView();
  });
  connect(limit_, &QComboBox::activated, this, [this](int) {
    emit limitChanged(selectedLimitHz());
    emit focusBackToView();
  });
  connect(updateRate_, &QComboBox::activated, this, [this](int index) {
    emit updateRateChanged(index);
    emit focusBackToView();
  });
  connect(f0_, &QCheckBox::toggled, this, &SpectrogramBar::f0Toggled);
  connect(formants_, &QCheckBox::toggled, this, &SpectrogramBar::formantsToggled);
  connect(spectrogram_, &QCheckBox::toggled, this, &SpectrogramBar::spectrogramToggled);
  connect(db_, &DbSlider::valueReleased, this, &SpectrogramBar::levelsChanged);
  connect(colours_, &QPushButton::clicked, this, [this] {
    QMenu menu(this);
    const int names[] = {str::GrayScaleEntry, str::Colors1Entry, str::Colors2Entry};
    for (int scheme = 0; scheme < 3; ++scheme) {
      QAction* a = menu.addAction(QString::fromStdString(velmora::tr(names[scheme])));
      connect(a, &QAction::triggered, this, [this, scheme] { emit schemeChosen(scheme); });
    }
    menu.exec(colours_->mapToGlobal(QPoint(0, colours_->height())));
  });
}

int SpectrogramBar::setRate(int sampleRate) {
  limits_ = fillLimitList(*limit_, sampleRate);
  return selectedLimitHz();
}

int SpectrogramBar::selectedLimitHz() const { return selectedLimit(*limit_, limits_); }

int SpectrogramBar::selectedBandHz() const {
  const auto& bands = bandChoicesHz();
  return selectedValue(*band_, bands, bands[kDefaultBandIndex]);
}

}  // namespace velmora
