#pragma once

namespace kemurina {

class FormBase;
class Module;

// The way out of a first start, from the welcome window or the seasonal one:
// writes initial.ini with the quit moment already stamped, marks the setup as
// done, keeps the window's corner for the main window, writes option.ini and
// opens the main window; the caller then unloads itself. When a file cannot
// be written the user is told which folder and that nothing will be kept, the
// setup stays not done and false comes back: the caller stays open, so the
// start can be tried again (or declined) instead of seeming to have worked.
bool FinishFirstStart(Module& module, FormBase& from);

}  // namespace kemurina
