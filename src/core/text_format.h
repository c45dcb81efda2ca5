#pragma once
// printf-style formatting of string-table texts, checked against the argument types.
// A translated text is data, not code: a conversion that does not fit its argument (or a
// missing argument) is written out literally instead of reading the wrong type.
// Supports %s %d %i %u %f %g %e %x %c and %%, with flags, width and precision.
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace velmora {

using FormatArg = std::variant<long long, double, std::string>;

inline FormatArg toFormatArg(const std::string& s) { return s; }
inline FormatArg toFormatArg(std::string_view s) { return std::string(s); }
inline FormatArg toFormatArg(const char* s) { return std::string(s ? s : ""); }
inline FormatArg toFormatArg(double v) { return v; }
inline FormatArg toFormatArg(float v) { return static_cast<double>(v); }
template <typename T>
  requires std::is_integral_v<std::remove_cvref_t<T>>
FormatArg toFormatArg(T v) {
  return static_cast<long long>(v);
}

std::string formatText(std::string_view format, const std::vector<FormatArg>& args);

template <typename... Args>
std::string formatv(std::string_view format, Args&&... args) {
  std::vector<FormatArg> list;
  (list.push_back(toFormatArg(std::forward<Args>(args))), ...);
  return formatText(format, list);
}

}  // namespace velmora
