#include "document/label_set.h"

#include <algorithm>

namespace velmora {

size_t LabelSet::visibleCount() const {
  return static_cast<size_t>(std::count_if(entries_.begin(), entries_.end(), [](const TextLabel& l) { return !l.hidden; }));
}

}  // namespace velmora
