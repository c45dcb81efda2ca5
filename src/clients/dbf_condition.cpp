#include "clients/dbf_condition.h"

#include <climits>

#include "clients/dbf_table.h"

namespace velmora {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

struct Cursor {
  std::string_view text;
  size_t pos = 0;
  void skipBlanks() {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
  }
  bool take(std::string_view token) {
    if (text.substr(pos, token.size()) != token) return false;
    pos += token.size();
    return true;
  }
};

std::optional<DbfCondition::Op> readOp(Cursor& c) {
  using Op = DbfCondition::Op;
  // Two-character operators first, so "<=" is not read as "<".
  if (c.take("==")) return Op::Equal;
  if (c.take("<>") || c.take("!=")) return Op::NotEqual;
  if (c.take("<=")) return Op::LessOrEqual;
  if (c.take(">=")) return Op::GreaterOrEqual;
  if (c.take("=")) return Op::Equal;
  if (c.take("#")) return Op::NotEqual;
  if (c.take("<")) return Op::Less;
  if (c.take(">")) return Op::Greater;
  return std::nullopt;
}

}  // namespace

std::optional<DbfCondition> DbfCondition::parse(std::string_view text) {
  DbfCondition condition;
  Cursor c{text};
  c.skipBlanks();
  if (c.pos == text.size()) return condition;

  const size_t nameStart = c.pos;
  while (c.pos < text.size() && isNameChar(text[c.pos])) ++c.pos;
  if (c.pos == nameStart) return std::nullopt;
  condition.field_ = std::string(text.substr(nameStart, c.pos - nameStart));
  c.skipBlanks();
  const auto op = readOp(c);
  if (!op) return std::nullopt;
  condition.op_ = *op;
  c.skipBlanks();
  bool negative = false;
  if (c.pos < text.size() && (text[c.pos] == '-' || text[c.pos] == '+')) negative = text[c.pos++] == '-';
  const size_t digitsStart = c.pos;
  long value = 0;
  for (; c.pos < text.size() && text[c.pos] >= '0' && text[c.pos] <= '9'; ++c.pos) {
    const int digit = text[c.pos] - '0';
    if (value > (LONG_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  if (c.pos == digitsStart) return std::nullopt;
  c.skipBlanks();
  if (c.pos != text.size()) return std::nullopt;
  condition.value_ = negative ? -value : value;
  return condition;
}

bool DbfCondition::bind(const DbfTable& table) {
  if (op_ == Op::All) return true;
  fieldIndex_ = table.fieldIndex(field_);
  return fieldIndex_ >= 0;
}

bool DbfCondition::matches(const DbfTable& table) const {
  if (op_ == Op::All) return true;
  if (fieldIndex_ < 0) return false;
  const long v = table.number(fieldIndex_);
  switch (op_) {
    case Op::Equal: return v == value_;
    case Op::NotEqual: return v != value_;
    case Op::Less: return v < value_;
    case Op::LessOrEqual: return v <= value_;
    case Op::Greater: return v > value_;
    case Op::GreaterOrEqual: return v >= value_;
    case Op::All: return true;
  }
  return false;
}

}  // namespace velmora
