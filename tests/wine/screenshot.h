// Saving what the screen shows of a window as a PNG file.
#pragma once

#include <windows.h>

#include <string>

// False when the window has no area or the file cannot be written.
bool SaveWindowPng(HWND window, const std::string& path);
