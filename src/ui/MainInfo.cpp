// The about box from the main window's menu.
#include "ui/About.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"

namespace salvaro {

void TForm1::MenAboutClick() {
  plattform_.ZeigeModal(*AboutBox);
}

}  // namespace salvaro
