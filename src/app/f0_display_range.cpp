#include "app/f0_display_range.h"

namespace velmora {

std::optional<F0DisplayRange> f0RangeForClientType(int clientType) {
  switch (clientType) {
    case 0: return F0DisplayRange{70, 400};
    case 1: return F0DisplayRange{120, 400};
    case 2: return F0DisplayRange{200, 550};
    case 3: return F0DisplayRange{100, 1000};
    default: return std::nullopt;
  }
}

}  // namespace velmora
