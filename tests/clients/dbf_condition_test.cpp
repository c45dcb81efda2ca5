#include "clients/dbf_condition.h"

#include <gtest/gtest.h>

#include "clients/dbf_table.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using Op = DbfCondition::Op;

TEST(DbfCondition, ParsesTheFormsTheProgramWrites) {
  struct Case {
    const char* text;
    const char* field;
    Op op;
    long value;
  };
  const Case cases[] = {
      {"CODIGO=12", "CODIGO", Op::Equal, 12},       {"CODIGO = 12", "CODIGO", Op::Equal, 12},
      {"  CODIGO==7  ", "CODIGO", Op::Equal, 7},    {"CODIGO<>3", "CODIGO", Op::NotEqual, 3},
      {"CODIGO # 3", "CODIGO", Op::NotEqual, 3},    {"CODIGO != 3", "CODIGO", Op::NotEqual, 3},
      {"TIPO<=2", "TIPO", Op::LessOrEqual, 2},      {"TIPO>=-1", "TIPO", Op::GreaterOrEqual, -1},
      {"TIPO < +2", "TIPO", Op::Less, 2},           {"TIPO>2", "TIPO", Op::Greater, 2},
  };
  for (const Case& c : cases) {
    auto parsed = DbfCondition::parse(c.text);
    ASSERT_TRUE(parsed) << c.text;
    EXPECT_EQ(parsed->fieldName(), c.field) << c.text;
    EXPECT_EQ(parsed->op(), c.op) << c.text;
    EXPECT_EQ(parsed->value(), c.value) << c.text;
  }
}

TEST(DbfCondition, EmptyTextSelectsEverything) {
  for (const char* text : {"", "   "}) {
    auto parsed = DbfCondition::parse(text);
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->selectsAll());
  }
}

TEST(DbfCondition, RefusesWhatItDoesNotUnderstand) {
  for (const char* text : {"CODIGO", "CODIGO=", "=5", "CODIGO=5x", "CODIGO=5 AND TIPO=1", "CODIGO=\"5\"",
                           "CODIGO=99999999999999999999999", "CODIGO =< 5", "CODIGO 5"})
    EXPECT_FALSE(DbfCondition::parse(text)) << text;
}

TEST(DbfCondition, MatchesRecordsByTheFieldsNumber) {
  testing::TempFolder dir;
  ASSERT_EQ(DbfTable::create(dir / "t.dbf", {{"CODIGO", 'N', 4, 0}}), DbfError::None);
  DbfTable t;
  ASSERT_EQ(t.open(dir / "t.dbf", true), DbfError::None);
  ASSERT_EQ(t.lockAll(), DbfError::None);
  for (long code : {3, 12, 7}) {
    t.blank();
    ASSERT_EQ(t.setNumber(0, code), DbfError::None);
    ASSERT_EQ(t.appendRecord(), DbfError::None);
  }
  const auto matching = [&t](const char* text) {
    auto c = DbfCondition::parse(text);
    std::vector<long> found;
    if (!c || !c->bind(t)) return std::vector<long>{-1};
    for (t.top(); !t.eof(); t.skip(1))
      if (c->matches(t)) found.push_back(t.recNo());
    return found;
  };
  EXPECT_EQ(matching("codigo = 12"), std::vector<long>{2});
  EXPECT_EQ(matching("CODIGO=5"), std::vector<long>{});
  EXPECT_EQ(matching("CODIGO>3"), (std::vector<long>{2, 3}));
  EXPECT_EQ(matching(""), (std::vector<long>{1, 2, 3}));
  EXPECT_EQ(matching("NOME=1"), std::vector<long>{-1});  // no such field
}

}  // namespace
}  // namespace velmora
