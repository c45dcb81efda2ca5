#pragma once
// Where the header band's texts (mode title, duration) and the information block's two lines
// go. The places are those the layout was drawn with in English; the words of another language
// are measured: a longer duration caption moves left so it ends before the information block,
// a block running past the band moves left, and where the band is still too narrow for the
// title and the duration side by side, both are drawn smaller.
#include <QFont>
#include <QRect>
#include <QString>

#include "view/view_scene.h"

namespace velmora {

struct HeaderText {
  QString text;  // empty: nothing drawn
  QPoint at;     // top-left corner, as drawTextAt places it
  QRect bounds;  // the text's box at `at` in its font
};

struct HeaderLayout {
  QFont bandFont;  // title and duration
  QFont infoFont;  // the information block
  QRect band;      // the band the texts belong to
  HeaderText title;  // empty side by side (a comparison shows the duration alone)
  HeaderText time;
  HeaderText upper;  // "File 3", the file name, "Model", or "File:"
  HeaderText lower;  // the format ("22050 Hz, 16 Bits Mono")
};

HeaderLayout headerLayout(const ViewScene& scene);

}  // namespace velmora
