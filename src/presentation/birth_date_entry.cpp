#include "presentation/birth_date_entry.h"

#include <cstdio>

#include "core/language.h"
#include "core/message_ids.h"

namespace velmora {

namespace {
constexpr int kFirstYear = 1890;
constexpr int kLastYear = 2050;

std::optional<int> number(const std::string& text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

FocusTarget nextAfterDay(int language) {
  switch (language) {
    case English: return FocusTarget::Year;
    case Korean: return FocusTarget::Address;
    default: return FocusTarget::Month;
  }
}
FocusTarget nextAfterMonth(int language) {
  return (language == Spanish || language == Portuguese) ? FocusTarget::Year : FocusTarget::Day;
}
FocusTarget nextAfterYear(int language) { return language == Korean ? FocusTarget::Month : FocusTarget::Address; }

// Day and month share their rule: one digit 1-9 is complete; two digits must be in range.
DateBoxVerdict judgeTwoDigitBox(const std::string& text, int high, int messageId, FocusTarget next) {
  DateBoxVerdict v;
  const auto value = number(text);
  if (text.size() != 2) {
    v.complete = text.size() == 1 && value && *value >= 1 && *value <= 9;
    return v;
  }
  if (!value || *value < 1 || *value > high) {
    v.clearBox = true;
    v.messageId = messageId;
    return v;
  }
  v.complete = true;
  v.moveFocus = next;
  return v;
}
}  // namespace

DateBoxVerdict judgeDateBox(DateBox box, const std::string& text, int language) {
  switch (box) {
    case DateBox::Day: return judgeTwoDigitBox(text, 31, msg::InvalidDay, nextAfterDay(language));
    case DateBox::Month: return judgeTwoDigitBox(text, 12, msg::InvalidMonth, nextAfterMonth(language));
    case DateBox::Year: {
      DateBoxVerdict v;
      if (text.size() != 4) return v;
      const auto value = number(text);
      if (!value || *value < kFirstYear || *value > kLastYear) {
        v.clearBox = true;
        v.messageId = msg::InvalidYear;
        return v;
      }
      v.complete = true;
      v.moveFocus = nextAfterYear(language);
      return v;
    }
  }
  return {};
}

DateBoxOrder dateBoxOrder(int language) {
  switch (language) {
    case Spanish:
    case Portuguese: return {DateBox::Day, DateBox::Month, DateBox::Year};
    case Korean: return {DateBox::Year, DateBox::Month, DateBox::Day};
    default: return {DateBox::Month, DateBox::Day, DateBox::Year};
  }
}

BirthDateDecision decideBirthDate(const std::string& day, const std::string& month, const std::string& year,
                                  bool dayComplete, bool monthComplete, bool yearComplete) {
  BirthDateDecision d;
  if (dayComplete && monthComplete && !yearComplete) {
    d.messageId = msg::YearNeedsFourDigits;
    d.focusYear = true;
    return d;
  }
  if (!(dayComplete && monthComplete && yearComplete)) return d;  // stored empty
  const int dd = number(day).value_or(0), mm = number(month).value_or(0), yy = number(year).value_or(0);
  if (dd < 1 || dd > 31) d.messageId = msg::InvalidDay;
  else if (mm < 1 || mm > 12) d.messageId = msg::InvalidMonth;
  else if (yy < kFirstYear || yy > kLastYear) d.messageId = msg::InvalidYear;
  if (d.messageId) return d;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d%02d%04d", mm, dd, yy);
  d.stored = buf;
  return d;
}

}  // namespace velmora
