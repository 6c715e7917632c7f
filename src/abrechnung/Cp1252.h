// Windows-1252, the 8-bit Western code page of the saved statement and the settings file: bytes
// 0x00-0x7F and 0xA0-0xFF are Latin-1, 0x80-0x9F carry 27 further characters (euro sign, quotes,
// dashes ...), five of them unassigned.
#pragma once

#include <string>
#include <string_view>

namespace salvaro {

// UTF-8 to Windows-1252; a character the code page lacks becomes '?'.
std::string NachCp1252(std::string_view utf8);
// Windows-1252 to UTF-8; an unassigned byte becomes U+FFFD.
std::string AusCp1252(std::string_view bytes);

}  // namespace salvaro
