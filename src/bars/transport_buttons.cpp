#include "bars/transport_buttons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>

#include "core/string_ids.h"
#include "core/string_table.h"

namespace velmora {

QIcon barIcon(BarIcon which) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  switch (which) {
    case BarIcon::Play:
      p.setBrush(QColor(0, 128, 0));
      p.drawPolygon(QPolygon({QPoint(4, 2), QPoint(13, 8), QPoint(4, 14)}));
      break;
    case BarIcon::Stop:
      p.setBrush(QColor(20, 20, 20));
      p.drawRect(3, 3, 10, 10);
      break;
    case BarIcon::Record:
      p.setBrush(QColor(210, 0, 0));
      p.drawEllipse(QRect(3, 3, 10, 10));
      break;
    case BarIcon::SmallArrow:
      p.setBrush(QColor(20, 20, 20));
      p.drawPolygon(QPolygon({QPoint(4, 6), QPoint(12, 6), QPoint(8, 11)}));
      break;
    case BarIcon::Pause:
      p.setBrush(QColor(20, 20, 20));
      p.drawRect(4, 3, 3, 10);
      p.drawRect(9, 3, 3, 10);
      break;
  }
  return QIcon(pm);
}

namespace {
QToolButton* iconButton(QWidget* parent, BarIcon icon) {
  auto* b = new QToolButton(parent);
  b->setIcon(barIcon(icon));
  b->setAutoRaise(false);
  return b;
}

QGroupBox* group(QWidget* parent) {
  auto* box = new QGroupBox(parent);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(4, 0, 4, 2);
  layout->setSpacing(2);
  return box;
}
}  // namespace

TransportButtons::TransportButtons(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  QGroupBox* recordGroup = recordGroup_ = group(this);
  record_ = iconButton(recordGroup, BarIcon::Record);
  recordPause_ = iconButton(recordGroup, BarIcon::Pause);
  rate_ = iconButton(recordGroup, BarIcon::SmallArrow);
  rate_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  for (QWidget* w : {static_cast<QWidget*>(record_), static_cast<QWidget*>(recordPause_), static_cast<QWidget*>(rate_)})
    recordGroup->layout()->addWidget(w);
  QGroupBox* playGroup = playGroup_ = group(this);
  play_ = iconButton(playGroup, BarIcon::Play);
  playPause_ = iconButton(playGroup, BarIcon::Pause);
  playGroup->layout()->addWidget(play_);
  playGroup->layout()->addWidget(playPause_);
  layout->addWidget(recordGroup);
  layout->addWidget(playGroup);
  // Recording and playback wire these; until a recording is there they stay off.
  record_->setEnabled(false);
  recordPause_->setEnabled(false);
  play_->setEnabled(false);
  playPause_->setEnabled(false);
  retranslate();
}

void TransportButtons::retranslate() {
  const auto text = [](int id) { return QString::fromStdString(velmora::tr(id)); };
  recordGroup_->setTitle(text(str::RecordGroup));
  record_->setToolTip(text(str::RecordTip));
  recordPause_->setToolTip(text(str::PauseTip));
  rate_->setToolTip(text(str::RateButton));
  rate_->setText(text(str::RateButton));
  playGroup_->setTitle(text(str::PlaybackGroup));
  play_->setToolTip(text(str::PlayTip));
  playPause_->setToolTip(text(str::PauseTip));
}

}  // namespace velmora
