/* The floor for a suppressed auto-start run: a GUI program that reads
   AUTOSTART, looks for "/autostart" among its arguments and ends.  It
   imports KERNEL32 and msvcrt only, as the launcher does at load time. */
#include <windows.h>

static int IsSwitch(const char* begin, const char* end) {
  static const char kSwitch[] = "/autostart";
  int i = 0;
  for (; begin < end; ++begin, ++i) {
    char c = *begin >= 'A' && *begin <= 'Z' ? *begin + 0x20 : *begin;
    if (i >= 10 || c != kSwitch[i]) return 0;
  }
  return i == 10;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
  const char* p = GetCommandLineA();
  int suppressed = 0;
  (void)instance, (void)previous, (void)arguments, (void)show;
  if (!GetPrivateProfileIntA("REVADOR", "AUTOSTART", 0, "LX7314.INI")) return 0;
  while (*p && *p != ' ') ++p; /* the program name */
  while (*p && !suppressed) {
    const char* begin;
    while (*p == ' ') ++p;
    begin = p;
    while (*p && *p != ' ') ++p;
    suppressed = IsSwitch(begin, p);
  }
  return 0;
}
