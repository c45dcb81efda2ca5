#pragma once
// Text read from files: UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252
// (files made by the earlier Windows program). Everything in memory is UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
std::string decodeFileText(std::string_view bytes);
// Appends one code point as UTF-8 (1 to 4 bytes).
void appendUtf8(std::string& out, uint32_t codePoint);

// The longest prefix of a UTF-8 text that fits maxBytes without splitting a character.
std::string fitUtf8(std::string_view text, size_t maxBytes);

}  // namespace velmora
