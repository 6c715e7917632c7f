// Writing a file the user chose in a save dialog: a file marked read-only is replaced only when
// the user says so, and a failure is shown in German.
#pragma once

#include <functional>
#include <string>

#include "abrechnung/Datei.h"

class QWidget;

namespace salvaro {

class Plattform;

// schreibe writes the file at the path and returns "" or the German message. true when the file
// was written.
bool SpeichereGewaehlteDatei(
    Plattform& plattform, QWidget* eltern, const std::string& pfad,
    const std::function<std::string(const std::string&, Schreibschutz)>& schreibe);

}  // namespace salvaro
