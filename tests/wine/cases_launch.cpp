// Starting from the launcher's own directory, and its unhandled-error end.
#include "tests/wine/cases.h"
#include "tests/wine/driver.h"

namespace {

void StartsFromOwnDirectoryWithArgumentOne(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  CheckStartedOnce(Run(own, "\"" + own.launcher + "\" a b"), own.directory, "a");
}

void RefusedStartIsSilent(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\nostub", false);
  Outcome outcome = Run(own, "LX7314.EXE x");
  CheckEqual(outcome.exit_code, 0, "exit code");
  CheckEqual(outcome.boxes, 0, "boxes");
  CheckEqual(outcome.started.size(), 0, "starts");
}

std::string vanish_root;

void RenameAboveTheLauncher(const Installation&) {
  Check(MoveFileA(vanish_root.c_str(), (vanish_root + "-moved").c_str()),
        "rename the launcher's parent directory");
}

void OwnDirectoryVanishedEndsInTheReport(const std::string& sandbox) {
  vanish_root = sandbox + "\\vanish";
  Installation own = Install(vanish_root + "\\box", true);
  RunOptions options;
  options.while_suspended = RenameAboveTheLauncher;
  Outcome outcome = Run(own, "LX7314.EXE a", options);
  CheckEqual(outcome.exit_code, 1, "exit code");
  CheckEqual(outcome.started.size(), 0, "starts");
  CheckReport(outcome, "EInOutError", "LX7314.EXE", Ansi("不正なﾌｧｲﾙ名です."));
}

void DirectoryEndingInTrailByte5CIsEnteredExactly(const std::string& sandbox) {
  // "ソ" is 0x83 0x5C in code page 932.
  std::string so = Ansi("ソ");
  Check(so == "\x83\x5C", "the system code page is 932");
  Installation own = Install(sandbox + "\\" + so, true);
  CheckStartedOnce(Run(own, "LX7314.EXE"), own.directory, "");
}

const Case kCases[] = {
    {"own_directory", StartsFromOwnDirectoryWithArgumentOne},
    {"refused_start", RefusedStartIsSilent},
    {"own_directory_vanished", OwnDirectoryVanishedEndsInTheReport},
    {"trail_byte_5c_directory", DirectoryEndingInTrailByte5CIsEnteredExactly},
};
const bool kRegistered = RegisterCases(kCases);

}  // namespace
