#include "src/running_instance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/startup.h"
#include "src/launch_attempt.h"
#include "src/sequence.h"
#include "tests/host/fake_win32.h"

namespace {

HWND Window(uintptr_t id) { return reinterpret_cast<HWND>(id); }

const std::vector<std::string> kRaised7 = {"EnumWindows", "ShowWindow(7, 1)",
                                           "SetWindowPos(7, 0, 0, 0, 0, 0, 0x43)"};

TEST(ActivateRunningInstance, NoMatchTouchesNothing) {
  fake.windows = {{Window(1), "Shell_TrayWnd"}, {Window(2), std::nullopt}};
  EXPECT_FALSE(ActivateRunningInstance("ROrUvidaZazeZude"));
  EXPECT_EQ(fake.calls, std::vector<std::string>{"EnumWindows"});
}

TEST(ActivateRunningInstance, MatchIgnoresLetterCase) {
  fake.windows = {{Window(3), "Other"}, {Window(7), "rorUVIDAzazezude"}};
  EXPECT_TRUE(ActivateRunningInstance("ROrUvidaZazeZude"));
  EXPECT_EQ(fake.calls, kRaised7);
}

TEST(ActivateRunningInstance, LongerClassNameIsNoMatch) {
  fake.windows = {{Window(7), "ROrUvidaZazeZudeX"}};
  EXPECT_FALSE(ActivateRunningInstance("ROrUvidaZazeZude"));
}

TEST(ActivateRunningInstance, LastOfTwoMatchesIsRaised) {
  fake.windows = {{Window(5), "ROrUvidaZazeZude"}, {Window(6), "x"}, {Window(7), "ROrUvidaZazeZude"}};
  EXPECT_TRUE(ActivateRunningInstance("ROrUvidaZazeZude"));
  EXPECT_EQ(fake.calls, kRaised7);
}

TEST(ActivateRunningInstance, FailedEnumerationGivesFalseEvenAfterAMatch) {
  fake.windows = {{Window(7), "ROrUvidaZazeZude"}};
  fake.enum_windows_fails = true;
  EXPECT_FALSE(ActivateRunningInstance("ROrUvidaZazeZude"));
  EXPECT_EQ(fake.calls, std::vector<std::string>{"EnumWindows"});
}

TEST(ActivateRunningInstance, UnreadableClassNameIsNotComparedWithTheLastOne) {
  // Window 8's name cannot be read; what window 7 left must not match it.
  fake.windows = {{Window(7), "ROrUvidaZazeZude"}, {Window(8), std::nullopt}};
  EXPECT_TRUE(ActivateRunningInstance("ROrUvidaZazeZude"));
  EXPECT_EQ(FoundWindow, Window(7));
}

class Gates : public testing::Test {
 protected:
  void SetUp() override {
    fake.command_line = "LX7314.EXE /autostart";
    fake.module_path = "C:\\Tools\\LX7314.EXE";
    fake.registry["HKLM\\SOFTWARE\\Kelmor\\ReVador\\9.0"].values["InstallDir"] = {REG_SZ, "C:\\RV"};
    fake.windows = {{Window(7), "ROrUvidaZazeZude"}};
  }
};

TEST_F(Gates, SuppressedAutoStartDoesNothingElse) {
  fake.settings["AUTOSTART"] = 1;
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.calls, std::vector<std::string>{
                            "GetPrivateProfileIntA(REVADOR, AUTOSTART, 0, LX7314.INI)"});
}

TEST_F(Gates, ActivationEndsTheRunBeforeRegistryDirectoryOrStart) {
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{
                            "GetPrivateProfileIntA(REVADOR, AUTOSTART, 0, LX7314.INI)",
                            "GetPrivateProfileIntA(REVADOR, FORCEMULTI, 0, LX7314.INI)",
                            "EnumWindows", "ShowWindow(7, 1)",
                            "SetWindowPos(7, 0, 0, 0, 0, 0, 0x43)"}));
}

TEST_F(Gates, ForceMultiStartsANewCopyWithoutLooking) {
  fake.settings["FORCEMULTI"] = 1;
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "EnumWindows"), 0);
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\RV\\REVADOR.EXE\" /autostart"});
}

TEST_F(Gates, NoRunningCopyGoesOnToTheRegistry) {
  fake.windows.clear();
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.calls[3], "RegOpenKeyExA(HKCU, \"\", 0, 0x20019)");
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\RV\\REVADOR.EXE\" /autostart"});
}

}  // namespace
