#pragma once
// Numbers as the view shows them: printf-style in the C locale, then a decimal comma.
// The process locale is never touched; files and parsing keep the point.
#include <string>

#include "core/text_format.h"

namespace velmora {

// Replaces every decimal point between two digits by a comma ("1.25 s" -> "1,25 s").
std::string withDecimalComma(std::string text);

template <typename... Args>
std::string viewNumber(std::string_view format, Args&&... args) {
  return withDecimalComma(formatv(format, std::forward<Args>(args)...));
}

// "00:%02d:%02d,%03d" of a duration in seconds; the hours field stays "00" and the minutes
// wrap at 60, as the header band has always shown them.
std::string durationText(double seconds);

}  // namespace velmora
