// The floor for a launcher run that starts the main application: a program
// that only calls WinExec with the command line given as its own arguments.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  return WinExec(command_line, SW_SHOW) >= 32 ? 0 : 1;
}
