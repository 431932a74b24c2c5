#include "dialogs/finish_first_start.h"

#include "windows/module.h"

namespace kemurina {

void FinishFirstStart(Module& module, const FormBase& from) {
  Settings& s = module.settings();
  module.SaveInitialFile();
  s.SetupDone = 1;
  from.StoreCorner(s.MainLeft, s.MainTop);
  module.SaveOptionFile();
  module.ShowDisplayWindows();
}

}  // namespace kemurina
