#pragma once
// Codes for new clients: the lowest positive code that no register record holds, so codes
// freed by deleted clients are reused. There is no upper bound in principle; the register's
// CODIGO field holds four digits, so append refuses a code above 9999.
#include <vector>

#include "clients/client_record.h"

namespace velmora {

class ClientRegister;

// Lowest positive code that none of the entries carries (codes read with parseDbfLong).
int lowestFreeCode(const std::vector<ClientEntry>& entries);

// Queries all clients (replacing the register's shared list) and gives the lowest free
// code; -1 when the query failed (the register has shown why).
int newClientCode(ClientRegister& clientRegister);

}  // namespace velmora
