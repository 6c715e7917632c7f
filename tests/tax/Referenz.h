// Runs a file of reference results of an official flowchart through "salvaro-cli pap" and
// requires every row to match to the cent in every output the engine has.
#pragma once

namespace salvaro {

// Adds a test failure for each differing output; rows with inputs the engine does not take are
// skipped and counted on stdout.
void PruefeReferenz(const char* datei, const char* engine);

}  // namespace salvaro
