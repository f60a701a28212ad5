// Start-up and the two ends of the program.
//
// The main block runs inside the one handler that turns any error leaving it
// into the unhandled-error report.  Whatever the block owned has been
// released by then: its destructors run while the error unwinds, before the
// handler shows the report.
#include "runtime/startup.h"

#include "runtime/error_report.h"
#include "runtime/exceptions.h"
#include "runtime/win32.h"

int RunProgram(void (*main_block)()) {
  try {
    main_block();
    return 0;
  } catch (const Exception& error) {
    ShowErrorReport(error.ClassName(), error.Address(), error.Message());
  } catch (...) {
    ShowErrorReport("Exception", 0, "");
  }
  return 1;
}

#ifdef _WIN32
// libstdc++'s default terminate handler prints the demangled type of the
// exception, which links in the whole demangler (about 50 KB).  The launcher
// has no console to print to; a terminate is ended quietly instead.
namespace __gnu_cxx {
void __verbose_terminate_handler() { ExitProcess(1); }
}  // namespace __gnu_cxx
#endif
