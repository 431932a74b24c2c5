#pragma once

namespace kemurina {

class Module;

// Hands the module the dialogs the display windows open: the first-start
// setup, the settings dialog (in the display windows' place) and the help
// window (beside its opener). Called once, before the module opens anything.
void ProvideDialogs(Module& module);

}  // namespace kemurina
