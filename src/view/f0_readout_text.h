#pragma once
// The live F0 readout as the view draws it: "F", a subscript "0", then ": 212,34". Laid out
// once per value: a take repaints the readout at every buffer while its value changes a few
// times a second, and laying text out costs more than drawing it.
#include <QStaticText>

namespace velmora {

struct F0ReadoutText {
  F0ReadoutText() {
    for (QStaticText* t : {&f, &zero, &value}) t->setTextFormat(Qt::PlainText);
  }
  QStaticText f{QStringLiteral("F")};
  QStaticText zero{QStringLiteral("0")};
  QStaticText value;
};

}  // namespace velmora
