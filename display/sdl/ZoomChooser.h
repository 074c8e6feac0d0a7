#pragma once

// Shows the zoom commands' texts, entries that toggle full screen and pacing,
// and Cancel in a small dialog over the display window and runs the one
// chosen; Cancel, Escape and closing the dialog choose nothing, Return
// chooses zoom 1. Blocks until the dialog closes; the dialog's process ends
// with the demo.
void ShowZoomChooser();
