#pragma once
// The small person icon beside a client in the client lists, coloured by the client's type
// (man, woman, singer, child).
#include <QIcon>

namespace velmora {

QIcon clientTypeIcon(int type);

}  // namespace velmora
