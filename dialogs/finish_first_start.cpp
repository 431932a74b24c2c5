#include "dialogs/finish_first_start.h"

#include "windows/module.h"

namespace kemurina {

bool FinishFirstStart(Module& module, FormBase& from) {
  Settings& s = module.settings();
  bool saved = module.SaveInitialFile();
  if (saved) {
    s.SetupDone = 1;
    from.StoreCorner(s.MainLeft, s.MainTop);
    saved = module.SaveOptionFile();
  }
  if (!saved) {
    s.SetupDone = 0;
    module.TellSaveFailed(&from);
    return false;
  }
  module.ShowDisplayWindows(Module::Shown::Main);
  return true;
}

}  // namespace kemurina
