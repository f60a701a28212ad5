// The unhandled-error report: the one message the launcher can ever show.
//
// A task-modal message box with the stop icon, titled with message 65439,
// whose text is message 65438 filled with the error's class name, the
// launcher's file name, the address the error was raised from, its message
// and a closing "." when the message does not already end in one.
#pragma once

#include <cstdint>

#include "runtime/messages.h"
#include "runtime/text.h"

// Where |address| would lie had the image been loaded at its preferred base
// rather than at |actual_base|; 0, the unknown address, stays 0.
uintptr_t AddressAtPreferredBase(uintptr_t address, uintptr_t actual_base);

// The report text for an error, given the launcher's full path.
void FormatErrorReport(MessageBuffer& report, const char* class_name,
                       const Text& module_path, uintptr_t address, const char* message);

// Shows the report and returns when the user has closed it.  Never raises.
void ShowErrorReport(const char* class_name, uintptr_t address, const char* message);
