#pragma once
// The bar's dB slider: a dark blue line with end ticks over a 198-pixel track, a marker
// dragged along it and the value as "%02d dB". The value is the dynamic range the
// spectrogram shades.
#include <QWidget>

namespace velmora {

class DbSlider : public QWidget {
  Q_OBJECT
 public:
  explicit DbSlider(QWidget* parent = nullptr);
  int value() const { return value_; }
  void setValue(int db);
  QSize sizeHint() const override;

 signals:
  void valueReleased(int db);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Track start inside this widget (the bar's track left is its own coordinate).
  static constexpr int kTrackLeft = 8;
  int markerX() const;
  int value_;
  int dragX_ = -1;
};

}  // namespace velmora
