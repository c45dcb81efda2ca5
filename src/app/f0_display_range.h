#pragma once
// The F0 scale's range: 70..400 Hz at start, then by client type (0 Man, 1 Woman, 2 Child,
// 3 Singer) or 70..1000 Hz for the "Other Files" pseudo-client.
#include <optional>

namespace velmora {

struct F0DisplayRange {
  int minHz = 70;
  int maxHz = 400;
  bool operator==(const F0DisplayRange&) const = default;
};

inline constexpr F0DisplayRange kStartF0Range{70, 400};
inline constexpr F0DisplayRange kOtherFilesF0Range{70, 1000};

// Nothing for an unknown type (the caller shows "Undefined Type!").
std::optional<F0DisplayRange> f0RangeForClientType(int clientType);

}  // namespace velmora
