#include "bars/spectrogram_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "analysis/spectrogram.h"
#include "bars/limit_list.h"
#include "core/text_format.h"
#include "presentation/bar_choices.h"

namespace velmora {

QComboBox* addLabelledCombo(QWidget* bar, const QString& label, const QStringList& items) {
  auto* column = new QWidget(bar);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* caption = new QLabel(label, column);
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
  colours_ = new QPushButton(barIcon(BarIcon::SmallArrow), QStringLiteral("Colors"), this);
  layout->addWidget(colours_);
  updateRate_ = addLabelledCombo(this, QStringLiteral("Update Rate"), msEntries(spectrogramUpdateRateFactors()));
  updateRate_->setCurrentIndex(initialUpdateRateIndex(updateRatePreference, updateRate_->count()));
  QStringList bands;
  for (int hz : bandChoicesHz()) bands << QString::fromStdString(formatv("%d Hz", hz));
  band_ = addLabelledCombo(this, QStringLiteral("Band"), bands);
  band_->setCurrentIndex(kDefaultBandIndex);
  limit_ = addLabelledCombo(this, QStringLiteral("Limit"), {});
  f0_ = new QCheckBox(QStringLiteral("F0"), this);
  formants_ = new QCheckBox(QStringLiteral("Formants"), this);
  spectrogram_ = new QCheckBox(QStringLiteral("Spectrogram"), this);
  spectrogram_->setChecked(true);
  layout->addWidget(f0_);
  layout->addWidget(formants_);
  layout->addWidget(spectrogram_);
  db_ = new DbSlider(this);
  layout->addWidget(db_);
  layout->addStretch(1);
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
    const char* names[] = {"Gray-Scale", "Colors 1", "Colors 2"};
    for (int scheme = 0; scheme < 3; ++scheme) {
      QAction* a = menu.addAction(QString::fromLatin1(names[scheme]));
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
