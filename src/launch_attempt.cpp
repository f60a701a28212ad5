// One launch attempt.
//
// The program path is quoted: WinExec, like CreateProcess, otherwise tries
// each blank-separated prefix of an unquoted path in turn, so
// C:\Program Files\... would start C:\Program.exe if one existed.  The handed
// on argument stays as the launcher received it, unquoted, and the command
// line goes to WinExec whole: cutting it would start the wrong program or
// open the wrong file.
#include "src/launch_attempt.h"

#include "runtime/exceptions.h"
#include "runtime/mbcs.h"
#include "runtime/messages.h"
#include "src/arguments.h"

Text LaunchDir;
Text CommandLineBuffer;

namespace {

constexpr UINT kMainApplicationShow = SW_SHOW;

}  // namespace

Text DirectoryOfPath(const Text& path) {
  size_t separator = LastDelimiter(path, ":\\");
  if (separator == kNotFound) return Text();
  return Text(path.CStr(), separator + 1);
}

unsigned char TrailingChar(const Text& text) {
  if (text.IsEmpty()) return 0;
  size_t last = text.Length() - 1;
  return ByteKindAt(text, last) == ByteKind::kSingle ? text.ByteAt(last) : 0;
}

void StripTrailingBackslash(Text& text) {
  if (TrailingChar(text) == '\\') text.Truncate(text.Length() - 1);
}

Text IoErrorText(DWORD code) {
  static const DWORD kListedCodes[] = {2, 3, 4, 5, 100, 101, 106};
  MessageBuffer message;
  for (UINT i = 0; i < sizeof kListedCodes / sizeof kListedCodes[0]; ++i) {
    if (kListedCodes[i] == code) {
      LoadMessage(kIoErrorMessageFirst + i, message);
      return Text(message);
    }
  }
  MessageBuffer format;
  LoadMessage(kIoErrorOtherMessage, format);
  const FormatArg args[] = {FormatArg::Number(static_cast<int32_t>(code))};
  FormatText(message, format, args);
  return Text(message);
}

void ChangeDirectory(const Text& directory) {
  if (SetCurrentDirectoryA(directory.CStr())) return;
  DWORD code = GetLastError();
  if (code != 0) RaiseInOutError(IoErrorText(code).CStr());
}

Text ComposeCommandLine(const Text& directory, const Text& argument) {
  Text command_line("\"");
  command_line.Append(directory);
  command_line.Append("\\REVADOR.EXE\" ");
  command_line.Append(argument);
  return command_line;
}

UINT EnterAndStart() {
  ChangeDirectory(LaunchDir);
  CommandLineBuffer = ComposeCommandLine(LaunchDir, ArgumentAt(1));
  return WinExec(CommandLineBuffer.CStr(), kMainApplicationShow);
}

UINT LaunchFromDirectory() {
  StripTrailingBackslash(LaunchDir);
  return EnterAndStart();
}
