#pragma once
// Text read from files: UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252
// (files made by the earlier Windows program). Everything in memory is UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
std::string decodeFileText(std::string_view bytes);

// The longest prefix of a UTF-8 text that fits maxBytes without splitting a character.
std::string fitUtf8(std::string_view text, size_t maxBytes);

}  // namespace velmora
