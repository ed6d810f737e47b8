#pragma once

namespace balance3 {

// Tells assistive technology what each window of ours is: the main window a
// window (a frame, announced with its title) rather than the filler that Qt
// makes of a plain top-level widget, and the warning and help dialogs
// modal while they are shown so. Installed once, before a screen reader
// first asks.
void InstallAccessibleWindows();

}  // namespace balance3
