// Writing files so that a crash or a full disk never leaves a half-written file: the bytes go to
// a temporary file beside the target, which then replaces the target in one rename.
#pragma once

#include <string>
#include <string_view>

namespace salvaro {

// Returns an empty string on success, otherwise a German description of the failure; an
// existing file at the path is then left as it was.
std::string SchreibeDateiAtomar(const std::string& pfad, std::string_view inhalt);

}  // namespace salvaro
