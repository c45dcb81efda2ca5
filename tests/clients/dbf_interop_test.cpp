// The register is a real dBASE III table: Debian's python3-dbf reads what we write and
// writes what we read.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "clients/client_register.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

// The system interpreter, which carries python3-dbf (a user's own python may not).
constexpr const char* kPython = "/usr/bin/python3";

constexpr const char* kReader = R"(import sys, dbf
t = dbf.Table(sys.argv[1], codepage='utf8')
t.open()
for f in t.structure():
    print('F ' + f)
for r in t:
    print('R ' + '|'.join(v.rstrip() if isinstance(v, str) else str(v) for v in r))
t.close()
)";

constexpr const char* kWriter = R"(import sys, dbf
t = dbf.Table(sys.argv[1], 'CODIGO N(4,0); NOME C(60); TIPO N(4,0); DATANASC C(12); ENDERECO C(60); '
              'CIDADE C(30); ESTADO C(4); CEP C(12); FONER C(14); FONEC C(14); OBS C(100)',
              dbf_type='db3', codepage=sys.argv[2])
t.open(dbf.READ_WRITE)
t.append((7, 'Jo\u00e3o \u00c1vila', 2, '12251990', 'Rua A 1', 'Lisboa', 'LX', '1000-001', '21 000', '', 'voz cansada'))
t.append((12, 'Ana', 0, '', '', '', '', '', '', '', ''))
t.append((1234, 'N' * 60, 3, '', '', '', '', '', '', '', 'o' * 100))
t.close()
)";

// Runs a script with arguments; its standard output, or "<failed>" with the status.
std::string runPython(const TempFolder& dir, const char* script, const std::string& args) {
  dir.writeBytes("script.py", script);
  const std::string command = std::string(kPython) + " " + (dir / "script.py").string() + " " + args + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return "<failed to start>";
  std::string out;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int status = ::pclose(pipe);
  if (status != 0) return "<failed " + std::to_string(status) + ">\n" + out;
  return out;
}

ClientRecord sample(int code, const std::string& name, int type) {
  ClientRecord r;
  r.code = code;
  r.name = name;
  r.type = type;
  r.birthDate = "07041974";
  r.address = "Avenida Central 5";
  r.city = "São Paulo";
  r.state = "SP";
  r.zip = "01000-000";
  r.homePhone = "11 5555 0000";
  r.workPhone = "11 5555 0001";
  r.observations = "nódulos; rever em março";
  return r;
}

TEST(DbfInterop, PythonDbfReadsOurRegister) {
  TempFolder dir;
  ScriptedInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(dir / "pacb.dbf");
  ASSERT_TRUE(reg.create());
  ASSERT_EQ(reg.append(sample(3, "Márcia Gonçalves", ClientWoman)), 1);
  ASSERT_EQ(reg.append(sample(12, std::string(60, 'x'), ClientSinger)), 1);
  ASSERT_EQ(reg.deleteRecord(reg.query("CODIGO=3")), 1);
  ASSERT_EQ(reg.append(sample(3, "Rui", ClientChild)), 1);

  const std::string out = runPython(dir, kReader, (dir / "pacb.dbf").string());
  const std::string expected =
      "F codigo N(4,0)\nF nome C(60)\nF tipo N(4,0)\nF datanasc C(12)\nF endereco C(60)\nF cidade C(30)\n"
      "F estado C(4)\nF cep C(12)\nF foner C(14)\nF fonec C(14)\nF obs C(100)\n"
      "R 12|" + std::string(60, 'x') +
      "|3|07041974|Avenida Central 5|São Paulo|SP|01000-000|11 5555 0000|11 5555 0001|nódulos; rever em março\n"
      "R 3|Rui|2|07041974|Avenida Central 5|São Paulo|SP|01000-000|11 5555 0000|11 5555 0001|nódulos; rever em "
      "março\n";
  EXPECT_EQ(out, expected);
}

class PythonWritten : public ::testing::TestWithParam<const char*> {};

TEST_P(PythonWritten, WeReadItsRegister) {
  TempFolder dir;
  const std::string out = runPython(dir, kWriter, (dir / "pacb.dbf").string() + " " + GetParam());
  ASSERT_EQ(out, "");
  ScriptedInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(dir / "pacb.dbf");
  ASSERT_EQ(reg.query(""), 1);
  ASSERT_EQ(reg.count(), 3);
  // python3-dbf right-aligns numbers; the code and type still read as the numbers.
  EXPECT_EQ(reg.entry(0)->code, "7");
  EXPECT_EQ(reg.entry(0)->type, "2");
  EXPECT_EQ(reg.entry(0)->name, "João Ávila");
  EXPECT_EQ(reg.entry(0)->birthDate, "12251990");
  EXPECT_EQ(reg.entry(0)->zip, "1000-001");
  EXPECT_EQ(reg.entry(0)->observations, "voz cansada");
  EXPECT_EQ(reg.entry(1)->code, "12");
  EXPECT_EQ(reg.entry(2)->code, "1234");
  EXPECT_EQ(reg.entry(2)->name, std::string(60, 'N'));
  EXPECT_EQ(reg.entry(2)->observations, std::string(100, 'o'));
  EXPECT_EQ(recordFromEntry(*reg.entry(2)).type, ClientSinger);
  EXPECT_EQ(reg.query("CODIGO = 12"), 2);

  // And we keep writing into it.
  ClientRecord r = sample(13, "Nova", ClientMan);
  ASSERT_EQ(reg.append(r), 1);
  ASSERT_EQ(reg.update(reg.query("CODIGO=7"), sample(7, "João Ávila Neto", ClientMan)), 1);
  const std::string back = runPython(dir, kReader, (dir / "pacb.dbf").string());
  EXPECT_NE(back.find("R 7|João Ávila Neto|0|"), std::string::npos) << back;
  EXPECT_NE(back.find("R 13|Nova|0|"), std::string::npos) << back;
  EXPECT_TRUE(ui.shown.empty());
}

// UTF-8 as we write it, and Windows-1252 as the earlier Windows program wrote it.
INSTANTIATE_TEST_SUITE_P(Codepages, PythonWritten, ::testing::Values("utf8", "cp1252"));

}  // namespace
}  // namespace velmora
