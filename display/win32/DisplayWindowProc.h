#pragma once

#include <windows.h>

// The display window's procedure: paints by blitting the last frame, handles
// the zoom commands of the system menu, and ends the process on Escape or
// when the window is closed. Other keys are swallowed.
LRESULT CALLBACK DisplayWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
