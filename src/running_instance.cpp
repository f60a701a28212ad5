// Running-instance activation.
//
// The enumeration visits every top-level window, so when several match, the
// last one reported wins.  A window whose class name cannot be read is
// skipped: the buffer is cleared first, so a name left by an earlier window
// is never compared again.
#include "src/running_instance.h"

const char* TargetClassName = nullptr;
HWND FoundWindow = nullptr;

namespace {

constexpr int kClassNameBuffer = 256;
constexpr UINT kRaiseFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;  // 0x43

}  // namespace

BOOL CALLBACK FindClassWindowProc(HWND window, LPARAM) {
  char class_name[kClassNameBuffer] = {};
  if (GetClassNameA(window, class_name, kClassNameBuffer - 1) > 0 &&
      lstrcmpiA(class_name, TargetClassName) == 0) {
    FoundWindow = window;
  }
  return TRUE;
}

bool ActivateRunningInstance(const char* class_name) {
  TargetClassName = class_name;
  FoundWindow = nullptr;
  if (!EnumWindows(FindClassWindowProc, 0)) return false;
  if (!FoundWindow) return false;
  ShowWindow(FoundWindow, SW_SHOWNORMAL);
  SetWindowPos(FoundWindow, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
  return true;
}
