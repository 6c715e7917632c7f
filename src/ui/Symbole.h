// The pictures of the toolbar and the buttons, drawn at run time so that they look the same on
// every desktop and need no image files.
#pragma once

#include <QIcon>

namespace salvaro {

QIcon SymbolNeu();
QIcon SymbolSpeichern();
QIcon SymbolDrucken();
QIcon SymbolDetail();
QIcon SymbolHilfe();
QIcon SymbolSchliessen();
QIcon SymbolNeuBerechnen();
QIcon SymbolProgramm();

}  // namespace salvaro
