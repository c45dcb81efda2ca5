#include "presentation/report_blocks.h"

#include "core/language.h"
#include "core/string_ids.h"
#include "core/string_table.h"
#include "core/text_codec.h"

namespace velmora {

namespace {

void add(PersonalInfoBlock& b, int x, int y, ReportFont font, std::string text) {
  b.texts.push_back(PlacedText{x, y, font, std::move(text)});
}

std::string birthDateText(const std::string& stored, int language) {
  if (stored.size() <= 4) return {};
  const std::string mm = stored.substr(0, 2), dd = stored.substr(2, 2), yyyy = stored.substr(4);
  if (language == English) return mm + "\\" + dd + "\\" + yyyy;
  if (language == Korean) return yyyy + "\\" + dd + "\\" + mm;
  return dd + "\\" + mm + "\\" + yyyy;
}

std::u32string decodeUtf8(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k <= extra && i + static_cast<size_t>(k) < s.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
    out.push_back(cp);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

}  // namespace

PersonalInfoBlock layoutPersonalInfo(const ClientRecord& c, int language, int x, int graphWidth) {
  PersonalInfoBlock b;
  add(b, x + 240, 34, ReportFont::Title, tr(str::PersonalInformation));
  if (!c.name.empty()) {
    add(b, x, 84, ReportFont::Label, tr(str::NameLabel));
    add(b, x + 100, 85, ReportFont::Value, c.name);
  }
  if (!c.birthDate.empty()) {
    add(b, x + 500, 84, ReportFont::Label, tr(str::BirthDateLabel));
    const std::string date = birthDateText(c.birthDate, language);
    const bool dayFirst = language != English && language != Korean;
    if (!date.empty()) add(b, x + (dayFirst ? 605 : 585), 85, ReportFont::Value, date);
  }
  int r = 1;
  if (!c.address.empty()) {
    add(b, x, 114, ReportFont::Label, tr(str::AddressLabel));
    add(b, x + 100, 115, ReportFont::Value, c.address);
    r = 2;
  }
  int y = 84 + 30 * r;
  const auto pair = [&](int labelX, int labelId, int valueX, const std::string& value) {
    if (value.empty()) return;
    add(b, labelX, y, ReportFont::Label, tr(labelId));
    add(b, valueX, y + 1, ReportFont::Value, value);
  };
  pair(x, str::CityLabel, x + 100, c.city);
  pair(x + 420, str::StateLabel, x + (language == Portuguese ? 475 : 465), c.state);
  pair(x + 500, str::ZipLabel, x + 550, c.zip);
  if (!c.zip.empty() || !c.city.empty() || !c.state.empty()) ++r;
  y = 84 + 30 * r;
  pair(x, str::HomePhoneLabel, x + 100, c.homePhone);
  pair(x + 400, str::WorkPhoneLabel, x + 510, c.workPhone);
  if (!c.homePhone.empty() || !c.workPhone.empty()) ++r;
  y = 84 + 30 * r;
  pair(x, str::ObservationsLabel, x + 100, c.observations);
  const int bottom = 124 + 30 * r;
  const int right = x + graphWidth;
  b.frame = {PlacedLine{x - 10, 20, right, 20}, PlacedLine{x - 10, 20, x - 10, bottom},
             PlacedLine{x - 10, bottom, right, bottom}, PlacedLine{right, bottom, right, 20}};
  b.height = 144 + 30 * r;
  return b;
}

std::vector<std::u32string> wrapNotes(const std::string& utf8Text) {
  const std::u32string text = decodeUtf8(utf8Text);
  std::vector<std::u32string> lines;
  if (text.empty()) return lines;
  lines.emplace_back();
  const auto newLine = [&] {
    if (lines.size() >= kNotesMaxLines) return false;
    lines.emplace_back();
    return true;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t ch = text[i];
    if (ch == U'\r') continue;
    if (ch == U'\n') {
      if (!newLine()) break;
      continue;
    }
    const bool blank = ch == U' ' || ch == U'\t';
    const bool startsWord = !blank && (i == 0 || text[i - 1] == U' ' || text[i - 1] == U'\t' || text[i - 1] == U'\n' ||
                                       text[i - 1] == U'\r');
    if (startsWord && !lines.back().empty()) {
      size_t word = 0;
      for (size_t k = i; k < text.size() && text[k] != U' ' && text[k] != U'\t' && text[k] != U'\n'; ++k)
        if (text[k] != U'\r') ++word;
      if (word + lines.back().size() > kNotesLineCharacters && !newLine()) break;
    }
    if (lines.back().size() >= kNotesLineCharacters && !newLine()) break;
    lines.back().push_back(ch);
  }
  return lines;
}

}  // namespace velmora
