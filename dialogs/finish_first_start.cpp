#include "dialogs/finish_first_start.h"

#include <QWidget>

#include "windows/form1.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

bool FinishFirstStart(Module& module, QWidget& from) {
  Settings& s = module.settings();
  bool saved = module.SaveInitialFile();
  if (saved) {
    s.SetupDone = 1;
    // Where the window system keeps window places to itself, the stored
    // corner stays as it is rather than taking a made-up one.
    if (module.PositionsReliable()) {
      const Twips tw(module.platform().Screen());
      s.MainLeft = tw.ToTwipsX(from.pos().x());
      s.MainTop = tw.ToTwipsY(from.pos().y());
    }
    saved = module.SaveOptionFile();
  }
  if (!saved) {
    s.SetupDone = 0;
    module.TellSaveFailed(&from);
    return false;
  }
  if (Form1* main = module.LoadForm1()) main->show();
  return true;
}

}  // namespace kemurina
