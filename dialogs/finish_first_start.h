#pragma once

namespace kemurina {

class FormBase;
class Module;

// The way out of a first start, from the welcome window or the seasonal one:
// writes initial.ini with the quit moment already stamped, marks the setup as
// done, keeps the window's corner for the main window, writes option.ini and
// opens the main window. Write errors are let pass; the main window then works
// from what its own load finds. The caller unloads itself afterwards.
void FinishFirstStart(Module& module, const FormBase& from);

}  // namespace kemurina
