#pragma once
// Conditions on a table's records, as the program writes them: a field compared with a
// whole number ("CODIGO=12", "CODIGO = 12"), or nothing at all for every record.
//
//   auto condition = DbfCondition::parse(text);    // nothing: not a condition we understand
//   if (!condition->bind(table)) ...               // no field of that name in the table
//   if (condition->matches(table)) ...             // for the current record
//
// Grammar: [blanks] FIELD [blanks] OP [blanks] [sign] DIGITS [blanks], where OP is one of
// = == <> # != < <= > >=. The field's text is read with parseDbfLong before comparing.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class DbfTable;

class DbfCondition {
 public:
  enum class Op { All, Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

  // An empty or blank text gives the condition that every record meets.
  static std::optional<DbfCondition> parse(std::string_view text);

  bool bind(const DbfTable& table);
  bool matches(const DbfTable& table) const;
  bool selectsAll() const { return op_ == Op::All; }

  const std::string& fieldName() const { return field_; }
  Op op() const { return op_; }
  long value() const { return value_; }

 private:
  std::string field_;
  Op op_ = Op::All;
  long value_ = 0;
  int fieldIndex_ = -1;
};

}  // namespace velmora
