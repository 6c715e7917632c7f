// Windows-1252, the 8-bit Western code page of the saved statement and the settings file: bytes
// 0x00-0x7F and 0xA0-0xFF are Latin-1, 0x80-0x9F carry 27 further characters (euro sign, quotes,
// dashes ...), five of them unassigned.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace salvaro {

// UTF-8 to Windows-1252; a character the code page lacks becomes '?'.
std::string NachCp1252(std::string_view utf8);
// Windows-1252 to UTF-8; an unassigned byte becomes U+FFFD.
std::string AusCp1252(std::string_view bytes);
// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IstUtf8(std::string_view bytes);
// The characters of a UTF-8 text that Windows-1252 cannot hold, each once (in UTF-8), in the
// order they first appear; a malformed byte counts as U+FFFD.
std::vector<std::string> NichtInCp1252(std::string_view utf8);

}  // namespace salvaro
