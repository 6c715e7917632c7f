// The one place that decides which wage-tax engine computes a year and month.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tax/OruSteuern.h"

namespace salvaro {

// The engine's name for a calculation period: OruSteuernJJJJ, in December 2011 and December 2015
// the December engines OruSteuern1211 and OruSteuern1215, from July 2023 OruSteuern0723.
std::string EngineName(int jahr, int monat);
// A fresh engine for the period, or nullptr when no engine covers it.
std::unique_ptr<OruSteuern> EngineFuer(int jahr, int monat);
// A fresh engine by name, or nullptr.
std::unique_ptr<OruSteuern> EngineNachName(std::string_view name);
// Every engine name, oldest first.
std::vector<std::string> EngineNamen();

}  // namespace salvaro
