#pragma once

// Shows the zoom commands' texts in a small dialog over the display window
// and runs the one chosen; closing the dialog chooses nothing. Blocks until
// the dialog closes.
void ShowZoomChooser();
