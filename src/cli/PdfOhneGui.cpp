// A build without Qt (SALVARO_GUI=OFF) has no print and cannot write a PDF.
#include "cli/Pdf.h"

namespace salvaro {

std::string SchreibePdf(const std::string& /*pfad*/, const std::vector<std::string>& /*zeilen*/,
                        const std::string& /*papier*/) {
  return "Diese Ausgabe von salvaro-cli wurde ohne Qt gebaut und kann keine PDF-Datei schreiben";
}

}  // namespace salvaro
