#include "clients/client_codes.h"

#include <algorithm>

#include "clients/client_register.h"
#include "clients/dbf_table.h"

namespace velmora {

int lowestFreeCode(const std::vector<ClientEntry>& entries) {
  // Among n entries one of the codes 1..n+1 is always free, so only those need marking.
  std::vector<bool> used(entries.size() + 2, false);
  for (const ClientEntry& e : entries) {
    const long code = parseDbfLong(e.code);
    if (code >= 1 && static_cast<size_t>(code) < used.size()) used[static_cast<size_t>(code)] = true;
  }
  const auto free = std::find(used.begin() + 1, used.end(), false);
  return static_cast<int>(free - used.begin());
}

int newClientCode(ClientRegister& clientRegister) {
  if (clientRegister.query("") < 0) return -1;
  return lowestFreeCode(clientRegister.entries());
}

}  // namespace velmora
