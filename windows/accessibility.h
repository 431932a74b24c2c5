#pragma once

class QLabel;

namespace kemurina {

// Tells screen readers what the program's windows are: each window a window
// (a dialog when it has no minimise button) under its title, rather than a
// nameless part of the desktop, and each value label readable as text. Call
// once, right after the application object is made.
void InstallAccessibility();

// Makes `value` a value a screen reader reads: its text is its name and its
// readable text, `caption` (when there is one) is the label it is heard with,
// and the keyboard reaches it with Tab. Where it stands in the Tab chain is
// the window's business.
void MakeAccessibleValue(QLabel* value, QLabel* caption);

}  // namespace kemurina
