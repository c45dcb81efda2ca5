#include "presentation/number_text.h"

#include <cctype>
#include <cmath>

namespace velmora {

std::string withDecimalComma(std::string text) {
  for (size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == '.' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
        std::isdigit(static_cast<unsigned char>(text[i + 1])))
      text[i] = ',';
  }
  return text;
}

std::string durationText(double seconds) {
  if (!(seconds > 0)) seconds = 0;
  const long long totalMs = static_cast<long long>(seconds * 1000.0);
  const long long minutes = (totalMs / 60000) % 60;
  const long long secs = (totalMs / 1000) % 60;
  const long long ms = totalMs % 1000;
  return formatv("00:%02d:%02d,%03d", minutes, secs, ms);
}

}  // namespace velmora
