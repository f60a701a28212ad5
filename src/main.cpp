// Entry point of LX7314.EXE: runs the launch sequence and ends the process.
#include "runtime/startup.h"
#include "runtime/win32.h"
#include "src/sequence.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { ExitProcess(RunProgram(LaunchSequence)); }
