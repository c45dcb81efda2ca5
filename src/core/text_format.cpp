#include "core/text_format.h"

#include <cstdio>

namespace velmora {

namespace {

bool isFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Formats one value with a validated spec ("%-05.2f" without length modifiers).
template <typename T>
std::string formatOne(const std::string& spec, T value) {
  char buf[512];
  int n = std::snprintf(buf, sizeof buf, spec.c_str(), value);
  if (n < 0) return {};
  if (static_cast<size_t>(n) < sizeof buf) return std::string(buf, static_cast<size_t>(n));
  std::string big(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(big.data(), big.size(), spec.c_str(), value);
  big.resize(static_cast<size_t>(n));
  return big;
}

}  // namespace

std::string formatText(std::string_view format, const std::vector<FormatArg>& args) {
  std::string out;
  size_t next = 0;
  size_t i = 0;
  while (i < format.size()) {
    char c = format[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    size_t start = i++;
    if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    std::string spec = "%";
    while (i < format.size() && isFlag(format[i])) spec += format[i++];
    // Widths and precisions are bounded so a hostile text cannot ask for huge output.
    size_t digits = 0;
    while (i < format.size() && isDigit(format[i]) && digits < 3) spec += format[i++], ++digits;
    while (i < format.size() && isDigit(format[i])) ++i;
    if (i < format.size() && format[i] == '.') {
      spec += format[i++];
      digits = 0;
      while (i < format.size() && isDigit(format[i]) && digits < 2) spec += format[i++], ++digits;
      while (i < format.size() && isDigit(format[i])) ++i;
    }
    while (i < format.size() && (format[i] == 'l' || format[i] == 'h')) ++i;  // length modifiers: ignored
    if (i >= format.size()) {
      out.append(format.substr(start));
      break;
    }
    char conv = format[i++];
    const FormatArg* arg = next < args.size() ? &args[next] : nullptr;
    bool used = true;
    switch (conv) {
      case 's':
        if (arg && std::holds_alternative<std::string>(*arg)) out += formatOne(spec + 's', std::get<std::string>(*arg).c_str());
        else if (arg && std::holds_alternative<long long>(*arg)) out += formatOne(spec + "lld", std::get<long long>(*arg));
        else used = false;
        break;
      case 'd':
      case 'i':
      case 'u':
      case 'x':
      case 'X':
      case 'c':
        if (arg && std::holds_alternative<long long>(*arg)) {
          std::string s = spec + (conv == 'c' ? std::string("c") : std::string("ll") + (conv == 'i' ? 'd' : conv));
          out += conv == 'c' ? formatOne(s, static_cast<int>(std::get<long long>(*arg))) : formatOne(s, std::get<long long>(*arg));
        } else if (arg && std::holds_alternative<double>(*arg) && conv != 'c') {
          out += formatOne(spec + "lld", static_cast<long long>(std::get<double>(*arg)));
        } else {
          used = false;
        }
        break;
      case 'f':
      case 'F':
      case 'g':
      case 'G':
      case 'e':
      case 'E':
        if (arg && std::holds_alternative<double>(*arg)) out += formatOne(spec + conv, std::get<double>(*arg));
        else if (arg && std::holds_alternative<long long>(*arg)) out += formatOne(spec + conv, static_cast<double>(std::get<long long>(*arg)));
        else used = false;
        break;
      default:
        used = false;
    }
    if (used) ++next;
    else out.append(format.substr(start, i - start));
  }
  return out;
}

}  // namespace velmora
