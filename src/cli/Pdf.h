// The print of the statement as a PDF file, from the command line.
#pragma once

#include <string>
#include <vector>

namespace salvaro {

// Writes the same print as the window's "Abrechnung als PDF speichern...", on the paper named
// ("A4" or "Letter"; empty: the paper of the locale, else A4). No display is needed. "" on
// success, otherwise the German message.
std::string SchreibePdf(const std::string& pfad, const std::vector<std::string>& zeilen,
                        const std::string& papier);

}  // namespace salvaro
