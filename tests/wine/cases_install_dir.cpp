// The installation directory named by the real registry.
#include "tests/wine/cases.h"
#include "tests/wine/driver.h"

namespace {

void StartsFromTheInstallDirectory(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  PlaceStub(sandbox + "\\installed");
  SetInstallDir(REG_SZ, sandbox + "\\installed\\" + std::string(1, '\0'));
  Outcome outcome = Run(own, "LX7314.EXE doc");
  ClearInstallDir();
  CheckStartedOnce(outcome, sandbox + "\\installed", "doc");
}

void MissingInstallDirectoryFallsBack(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  SetInstallDir(REG_SZ, sandbox + "\\not-there");
  Outcome outcome = Run(own, "LX7314.EXE doc");
  ClearInstallDir();
  CheckStartedOnce(outcome, own.directory, "doc");
}

void DwordValueEndsInTheReport(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  SetInstallDir(REG_DWORD, std::string("\x01\0\0\0", 4));
  Outcome outcome = Run(own, "LX7314.EXE doc");
  ClearInstallDir();
  CheckEqual(outcome.exit_code, 1, "exit code");
  CheckEqual(outcome.started.size(), 0, "starts");
  CheckReport(outcome, "ERegistryException", "LX7314.EXE",
              Ansi("'InstallDir' のﾃﾞｰﾀ型が不正です."));
}

void ExpandSzIsTakenLiterally(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", true);
  SetInstallDir(REG_EXPAND_SZ, std::string("%WINDIR%\0", 9));
  Outcome outcome = Run(own, "LX7314.EXE");
  ClearInstallDir();
  CheckStartedOnce(outcome, own.directory, "");
}

void ProgramFilesPathStartsOnlyTheRealStub(const std::string& sandbox) {
  Installation own = Install(sandbox + "\\own", false);
  std::string installed = "C:\\Program Files\\Kelmor e2e";
  PlaceStub(installed);
  // The unquoted path would start C:\Program.exe first.
  CopyFileA((own.directory + "\\LX7314.EXE").c_str(), "C:\\Program.exe", FALSE);
  SetInstallDir(REG_SZ, installed + "\\");
  Outcome outcome = Run(own, "LX7314.EXE doc");
  ClearInstallDir();
  DeleteFileA("C:\\Program.exe");
  CheckStartedOnce(outcome, installed, "doc");
}

const Case kCases[] = {
    {"install_dir", StartsFromTheInstallDirectory},
    {"install_dir_missing", MissingInstallDirectoryFallsBack},
    {"install_dir_dword", DwordValueEndsInTheReport},
    {"install_dir_expand_sz", ExpandSzIsTakenLiterally},
    {"install_dir_program_files", ProgramFilesPathStartsOnlyTheRealStub},
};
const bool kRegistered = RegisterCases(kCases);

}  // namespace
