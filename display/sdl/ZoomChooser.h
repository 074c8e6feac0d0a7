#pragma once

// Shows the zoom commands' texts, and entries that toggle full screen and
// pacing, in a small dialog over the display window and runs the one chosen;
// closing the dialog chooses nothing. Blocks until the dialog closes.
void ShowZoomChooser();
