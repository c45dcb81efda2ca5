#include "view/header_layout.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <optional>

#include "core/language.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_format.h"
#include "presentation/number_text.h"
#include "view/view_renderer.h"

namespace velmora {

namespace {
constexpr int kGap = 8;              // between two texts of the band
constexpr int kSmallestBandFont = 12;

QString qs(const std::string& s) { return QString::fromStdString(s); }

double shownSeconds(const ViewScene& scene) {
  // A take shows the length recorded so far, at the recorder's rate.
  if (scene.takeSamples >= 0)
    return scene.recorderRate > 0 ? static_cast<double>(scene.takeSamples) / scene.recorderRate : 0.0;
  if (!scene.hasSamples() || scene.sampleRate() <= 0) return 0.0;
  const SoundBuffer& b = *scene.buffer;
  return static_cast<double>(b.visibleEnd - b.visibleStart) / scene.sampleRate();
}

HeaderText placed(const QString& text, QPoint at, const QFontMetrics& metrics) {
  if (text.isEmpty()) return {};
  return {text, at, QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height()))};
}

void moveBy(HeaderText& t, int dx) {
  t.at.rx() += dx;
  t.bounds.translate(dx, 0);
}

// The texts the band and the information block show, and where the block starts.
struct HeaderTexts {
  QString title;
  QString time;
  QString upper;
  QString lower;
  bool fileName = false;  // the upper line is a file name, set further left

  bool operator==(const HeaderTexts&) const = default;
};

HeaderTexts headerTexts(const ViewScene& scene) {
  HeaderTexts t;
  std::string upper = tr(str::FileCaption);
  std::string lower;
  if (scene.hasSamples()) {
    const SoundBuffer& b = *scene.buffer;
    if (b.recordingNumber == kModelRecordingNumber) {
      upper = tr(str::ModelCaption);
    } else if (b.recordingNumber == kNoRecordingNumber) {
      upper = b.path.filename().string();
      t.fileName = true;
    } else {
      upper = formatv(tr(str::FileNumberCaption), b.recordingNumber);
    }
    lower = formatv(tr(str::FormatCaption), static_cast<int>(b.format.samplesPerSecond),
                    static_cast<int>(b.format.bitsPerSample)) +
            tr(b.format.channels >= 2 ? str::HeaderStereo : str::HeaderMono);
  } else if (scene.mode < ModeSpectrogram) {
    // Waiting for (or making) a take: the recorder's format.
    lower = formatv(tr(str::FormatCaption), scene.recorderRate, 16) + tr(str::HeaderMono);
  }
  t.upper = qs(upper);
  t.lower = qs(lower);
  if (!scene.comparison)
    t.title = qs(tr(isPowerSpectrumMode(scene.mode) ? str::PowerSpectrumTitle : str::SpectrogramTitle));
  t.time = qs(tr(str::TimeCaption) + durationText(shownSeconds(scene)));
  return t;
}

// The information block's two lines, where the layout puts them, moved left as one when the
// longer of them would run past the band.
void placeInfoBlock(HeaderLayout& l, const ViewScene& scene, const HeaderTexts& texts) {
  const ViewGeometry& g = scene.geometry;
  const int shift = scene.comparison ? (g.largeLayout ? 120 : 30) : 0;
  const int x = g.graphLeft + g.graphWidth - (g.largeLayout ? 190 : 230) - shift;
  const int lowerY = g.infoTop + (g.largeLayout ? 30 : 18) + (scene.comparison ? g.verticalOffset() : 0);
  const int upperX = texts.fileName ? x - 20 : x;
  const QFontMetrics metrics(l.infoFont);
  l.upper = placed(texts.upper, QPoint(upperX, lowerY - 15), metrics);
  l.lower = placed(texts.lower, QPoint(x, lowerY), metrics);
  const int right = std::max(l.upper.bounds.right(), l.lower.bounds.right());
  const int excess = right - (l.band.right() - kGap);
  if (excess > 0) {
    moveBy(l.upper, -excess);
    moveBy(l.lower, -excess);
  }
}

int infoLeft(const HeaderLayout& l) {
  int left = l.band.right();
  for (const HeaderText* t : {&l.upper, &l.lower})
    if (!t->text.isEmpty()) left = std::min(left, t->bounds.left());
  return left;
}

HeaderLayout computeLayout(const ViewScene& scene, const HeaderTexts& texts) {
  const ViewGeometry& g = scene.geometry;
  HeaderLayout l;
  const int bandHeight = g.largeLayout ? 60 : 35;
  if (scene.comparison) {
    const int top = g.infoTop + g.verticalOffset();
    l.band = QRect(QPoint(g.graphLeft, top), QPoint(g.graphLeft + g.graphWidth - 1, top + bandHeight - 1));
  } else {
    l.band = QRect(QPoint(-5, g.infoTop), QPoint(g.screenWidth - 6, g.infoTop + bandHeight - 1));
  }
  l.infoFont = viewFont("Verdana", scene.comparison ? 11 : 13, true);
  placeInfoBlock(l, scene, texts);

  const int y = l.band.top() + (g.largeLayout ? 20 : 5);
  // A printed page puts the panes 40 units from the paper's edge: the title stays on it.
  const int titleX = scene.printing ? std::max(0, g.graphLeft - 80) : g.graphLeft - 80;
  const int fixedTimeX = scene.comparison ? g.graphLeft + 10
                                          : g.graphLeft + g.graphWidth - 520 + (scene.language == Korean ? 20 : 0);
  const int limit = infoLeft(l) - kGap;
  for (int size = scene.comparison ? 23 : 25; size >= kSmallestBandFont; --size) {
    l.bandFont = viewFont("Verdana", size, true);
    const QFontMetrics metrics(l.bandFont);
    l.title = placed(texts.title, QPoint(titleX, y), metrics);
    const int timeWidth = metrics.horizontalAdvance(texts.time);
    l.time = placed(texts.time, QPoint(std::min(fixedTimeX, limit - timeWidth), y), metrics);
    const int leftmost = l.title.text.isEmpty() ? l.band.left() + 2 : l.title.bounds.right() + kGap;
    if (l.time.bounds.left() >= leftmost) break;
  }
  return l;
}

// Everything a layout depends on. Measuring the texts shapes them, which costs more than the
// rest of a live repaint: a take repaints the duration many times a second while its digits
// change ten times a second at most, and the other texts not at all.
struct LayoutKey {
  HeaderTexts texts;
  bool comparison = false;
  bool printing = false;
  bool korean = false;
  bool largeLayout = false;
  int infoTop = 0;
  int graphLeft = 0;
  int graphWidth = 0;
  int screenWidth = 0;
  int verticalOffset = 0;

  bool operator==(const LayoutKey&) const = default;
};

// A kept layout holds no fonts, only their sizes: a font kept in thread storage would outlive
// the application object, and fonts must not.
struct CachedLayout {
  LayoutKey key;
  QRect band;
  HeaderText title, time, upper, lower;
  int bandSize = 0;
  int infoSize = 0;
};

HeaderLayout withFonts(const CachedLayout& c) {
  HeaderLayout l;
  l.bandFont = viewFont("Verdana", c.bandSize, true);
  l.infoFont = viewFont("Verdana", c.infoSize, true);
  l.band = c.band;
  l.title = c.title;
  l.time = c.time;
  l.upper = c.upper;
  l.lower = c.lower;
  return l;
}

// The duration with every digit as 0. A font's digits share one width, so durations that differ
// only in their digits take the same place, and a take, whose duration changes ten times a
// second, lays its header out once rather than each time.
QString digitsAsZero(QString text) {
  for (QChar& c : text)
    if (c.isDigit()) c = u'0';
  return text;
}

HeaderLayout withTime(HeaderLayout layout, const QString& time) {
  layout.time.text = time;
  return layout;
}
}  // namespace

HeaderLayout headerLayout(const ViewScene& scene) {
  const ViewGeometry& g = scene.geometry;
  HeaderTexts texts = headerTexts(scene);
  const QString time = texts.time;
  texts.time = digitsAsZero(time);
  LayoutKey key{std::move(texts), scene.comparison, scene.printing, scene.language == Korean,
                g.largeLayout, g.infoTop, g.graphLeft, g.graphWidth, g.screenWidth, g.verticalOffset()};
  // A few layouts are kept: the two sides of a comparison, a printed page, the live view.
  constexpr size_t kKept = 4;
  thread_local std::array<std::optional<CachedLayout>, kKept> kept;
  thread_local size_t next = 0;
  for (const std::optional<CachedLayout>& c : kept)
    if (c && c->key == key) return withTime(withFonts(*c), time);
  HeaderLayout layout = computeLayout(scene, key.texts);
  layout.time.text = time;
  kept[next] = CachedLayout{std::move(key),        layout.band,  layout.title,
                            layout.time,           layout.upper, layout.lower,
                            layout.bandFont.pixelSize(), layout.infoFont.pixelSize()};
  next = (next + 1) % kKept;
  return layout;
}

}  // namespace velmora
