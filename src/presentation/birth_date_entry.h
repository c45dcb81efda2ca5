#pragma once
// The rules of the client dialog's three birth-date boxes, apart from any widget: whether
// each box holds a complete value, what is refused as it is typed, and where the focus goes
// next for each interface language.
#include <optional>
#include <string>

namespace velmora {

enum class DateBox { Day, Month, Year };
enum class FocusTarget { None, Day, Month, Year, Address };

struct DateBoxVerdict {
  bool complete = false;
  bool clearBox = false;       // the value was refused: the box is emptied
  int messageId = 0;           // shown when refused (msg::InvalidDay, InvalidMonth, InvalidYear)
  FocusTarget moveFocus = FocusTarget::None;
};

// Judges a box's text after every change.
DateBoxVerdict judgeDateBox(DateBox box, const std::string& text, int language);

// The date boxes in the order the form shows them for a language.
struct DateBoxOrder {
  DateBox first, second, third;
};
DateBoxOrder dateBoxOrder(int language);

struct BirthDateDecision {
  int messageId = 0;                 // non-zero: refuse OK with this message
  bool focusYear = false;            // with msg::YearNeedsFourDigits
  std::string stored;                // "MMDDYYYY" or empty
};

// The birth-date step of OK, from the three boxes and their complete flags.
BirthDateDecision decideBirthDate(const std::string& day, const std::string& month, const std::string& year,
                                  bool dayComplete, bool monthComplete, bool yearComplete);

}  // namespace velmora
