#include "dialogs/finish_first_start.h"

#include <QWidget>

#include "windows/form1.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

void FinishFirstStart(Module& module, const QWidget& from) {
  Settings& s = module.settings();
  module.SaveInitialFile();
  s.SetupDone = 1;
  // Where the window system keeps window places to itself, the stored corner
  // stays as it is rather than taking a made-up one.
  if (module.PositionsReliable()) {
    const Twips tw(module.platform().Screen());
    s.MainLeft = tw.ToTwipsX(from.pos().x());
    s.MainTop = tw.ToTwipsY(from.pos().y());
  }
  module.SaveOptionFile();
  if (Form1* main = module.LoadForm1()) main->show();
}

}  // namespace kemurina
