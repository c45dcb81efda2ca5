#include "document/text_grid.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <system_error>

#include "core/text_codec.h"

namespace velmora {

namespace {

// ---- writing

std::string numberText(double value) {
  char digits[32];
  // The shortest form that reads back as the same double.
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  return ec == std::errc() ? std::string(digits, end) : std::string("0");
}

std::string praatString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';  // Praat doubles a quote inside a string
  }
  return out + "\"";
}

void appendInterval(std::string& out, size_t index, double xmin, double xmax, std::string_view text) {
  out += "        intervals [" + std::to_string(index) + "]:\n";
  out += "            xmin = " + numberText(xmin) + " \n";
  out += "            xmax = " + numberText(xmax) + " \n";
  out += "            text = " + praatString(text) + " \n";
}

// ---- reading: the text as UTF-8

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  const auto unit = [&](size_t i) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<uint32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
      const uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (u >= 0xD800 && u < 0xE000) u = 0xFFFD;  // a lone half of a pair
    appendUtf8(out, u);
  }
  return out;
}

std::string textOf(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return decodeFileText(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return utf16ToUtf8(bytes.substr(2), false);
  if (bytes.substr(0, 2) == "\xFE\xFF") return utf16ToUtf8(bytes.substr(2), true);
  return decodeFileText(bytes);
}

// ---- reading: the values in order, whatever the form. Praat's long form puts names
// ("xmin =", "item [1]:") before the values; the short form has the values alone. Both
// give the same sequence of numbers, strings and <flags>.

struct Token {
  enum Kind { Number, String, Flag } kind = Number;
  double number = 0;
  std::string text;
};

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

std::vector<Token> tokens(std::string_view s) {
  std::vector<Token> out;
  size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (isSpace(c)) {
      ++i;
    } else if (c == '!') {  // a comment to the end of the line
      while (i < s.size() && s[i] != '\n') ++i;
    } else if (c == '"') {
      Token t{Token::String, 0, {}};
      ++i;
      while (i < s.size()) {
        if (s[i] == '"') {
          if (i + 1 < s.size() && s[i + 1] == '"') {
            t.text += '"';
            i += 2;
            continue;
          }
          break;
        }
        t.text += s[i++];
      }
      if (i >= s.size()) return out;  // a string the file cuts off: the values end before it
      ++i;
      out.push_back(std::move(t));
    } else {
      const size_t start = i;
      while (i < s.size() && !isSpace(s[i])) ++i;
      const std::string_view word = s.substr(start, i - start);
      if (word.front() == '<' && word.back() == '>') {
        out.push_back(Token{Token::Flag, 0, std::string(word)});
        continue;
      }
      double value = 0;
      const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
      if (ec == std::errc() && ptr == word.data() + word.size() && std::isfinite(value))
        out.push_back(Token{Token::Number, value, {}});
      // Anything else is a name of the long form.
    }
  }
  return out;
}

class TokenReader {
 public:
  explicit TokenReader(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}
  std::optional<double> number() {
    if (pos_ >= tokens_.size() || tokens_[pos_].kind != Token::Number) return std::nullopt;
    return tokens_[pos_++].number;
  }
  std::optional<std::string> string() {
    if (pos_ >= tokens_.size() || tokens_[pos_].kind != Token::String) return std::nullopt;
    return tokens_[pos_++].text;
  }
  std::optional<std::string> flag() {
    if (pos_ >= tokens_.size() || tokens_[pos_].kind != Token::Flag) return std::nullopt;
    return tokens_[pos_++].text;
  }
  size_t left() const { return tokens_.size() - pos_; }

 private:
  std::vector<Token> tokens_;
  size_t pos_ = 0;
};

// A count read from the file, accepted only when the file still holds that many items of
// `tokensPerItem` values.
std::optional<size_t> countOf(std::optional<double> value, const TokenReader& reader, size_t tokensPerItem) {
  if (!value || *value < 0 || *value != std::floor(*value)) return std::nullopt;
  if (*value > static_cast<double>(reader.left() / tokensPerItem)) return std::nullopt;
  return static_cast<size_t>(*value);
}

}  // namespace

std::string formatTextGrid(double xmin, double xmax, const std::string& tierName,
                           const std::vector<TextGridInterval>& intervals) {
  // The tier without gaps: empty intervals fill the stretches between the labelled ones.
  std::vector<TextGridInterval> tier;
  double at = xmin;
  for (const TextGridInterval& i : intervals) {
    if (i.xmin > at) tier.push_back({at, i.xmin, {}});
    tier.push_back(i);
    at = i.xmax;
  }
  if (at < xmax || tier.empty()) tier.push_back({at, xmax, {}});

  std::string out = "File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n\n";
  out += "xmin = " + numberText(xmin) + " \nxmax = " + numberText(xmax) + " \n";
  out += "tiers? <exists> \nsize = 1 \nitem []: \n    item [1]:\n";
  out += "        class = \"IntervalTier\" \n        name = " + praatString(tierName) + " \n";
  out += "        xmin = " + numberText(xmin) + " \n        xmax = " + numberText(xmax) + " \n";
  out += "        intervals: size = " + std::to_string(tier.size()) + " \n";
  for (size_t k = 0; k < tier.size(); ++k) appendInterval(out, k + 1, tier[k].xmin, tier[k].xmax, tier[k].text);
  return out;
}

TextGridTier parseFirstIntervalTier(std::string_view bytes) {
  const auto failed = [](TextGridError error) {
    TextGridTier t;
    t.error = error;
    return t;
  };
  TokenReader r(tokens(textOf(bytes)));
  const auto fileType = r.string();
  const auto objectClass = r.string();
  // Older Praat versions mark the short form in the file type.
  if ((fileType != "ooTextFile" && fileType != "ooTextFile short") || objectClass != "TextGrid")
    return failed(TextGridError::NotATextGrid);
  const auto xmin = r.number();
  const auto xmax = r.number();
  const auto tiers = r.flag();
  if (!xmin || !xmax || !tiers) return failed(TextGridError::Damaged);
  if (*tiers != "<exists>") return failed(TextGridError::NoIntervalTier);
  const std::optional<size_t> tierCount = countOf(r.number(), r, 5);
  if (!tierCount) return failed(TextGridError::Damaged);
  std::optional<TextGridTier> first;
  // Every tier is read, so a file damaged after its first interval tier is refused whole.
  for (size_t t = 0; t < *tierCount; ++t) {
    const auto tierClass = r.string();
    const auto name = r.string();
    const auto tierMin = r.number();
    const auto tierMax = r.number();
    const bool intervalTier = tierClass == "IntervalTier";
    const std::optional<size_t> items = countOf(r.number(), r, intervalTier ? 3 : 2);
    if (!tierClass || !name || !tierMin || !tierMax || !items) return failed(TextGridError::Damaged);
    TextGridTier tier;
    tier.xmin = *tierMin;
    tier.xmax = *tierMax;
    tier.name = *name;
    for (size_t k = 0; k < *items; ++k) {
      const auto a = r.number();
      const auto b = intervalTier ? r.number() : a;
      const auto text = r.string();
      if (!a || !b || !text) return failed(TextGridError::Damaged);
      if (intervalTier) tier.intervals.push_back({*a, *b, *text});
    }
    if (intervalTier && !first) first = std::move(tier);
  }
  return first ? *first : failed(TextGridError::NoIntervalTier);
}

TextGridTier readFirstIntervalTier(const std::filesystem::path& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) return TextGridTier{TextGridError::Unreadable, 0, 0, {}, {}};
  if (size > kTextGridReadBytes) return TextGridTier{TextGridError::Damaged, 0, 0, {}, {}};
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return TextGridTier{TextGridError::Unreadable, 0, 0, {}, {}};
  bytes.resize(static_cast<size_t>(in.gcount()));
  return parseFirstIntervalTier(bytes);
}

const char* textGridErrorText(TextGridError error) {
  switch (error) {
    case TextGridError::None: return "no error";
    case TextGridError::Unreadable: return "the file cannot be read";
    case TextGridError::NotATextGrid: return "not a TextGrid text file";
    case TextGridError::Damaged: return "the TextGrid is damaged";
    case TextGridError::NoIntervalTier: return "the TextGrid has no interval tier";
  }
  return "unknown error";
}

}  // namespace velmora
