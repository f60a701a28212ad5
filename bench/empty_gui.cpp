// The floor for a launcher run that does nothing: a GUI program of the same
// subsystem and run-time start-up that returns at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
