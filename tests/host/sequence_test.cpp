#include "src/sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/startup.h"
#include "src/launch_attempt.h"
#include "tests/host/fake_win32.h"

namespace {

class LaunchSequenceTest : public testing::Test {
 protected:
  void SetUp() override {
    fake.command_line = "\"C:\\Tools\\LX7314.EXE\" a b";
    fake.module_path = "C:\\Tools\\LX7314.EXE";
  }
};

TEST_F(LaunchSequenceTest, StartsFromTheOwnDirectoryWithArgumentOne) {
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.current_directory, "C:\\Tools");
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\Tools\\REVADOR.EXE\" a"});
  EXPECT_TRUE(fake.message_boxes.empty());
}

TEST_F(LaunchSequenceTest, RefusedStartEndsNormallyAndSilently) {
  fake.winexec_result = 2;
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.started.size(), 1u);
  EXPECT_TRUE(fake.message_boxes.empty());
}

TEST_F(LaunchSequenceTest, OwnDirectoryGoneEndsInTheReport) {
  fake.refused_directories["C:\\Tools"] = 3;
  EXPECT_EQ(RunProgram(LaunchSequence), 1);
  EXPECT_TRUE(fake.started.empty());
  ASSERT_EQ(fake.message_boxes.size(), 1u);
  const std::string& text = fake.message_boxes[0].text;
  EXPECT_EQ(text.substr(0, 11), "EInOutError");
  EXPECT_NE(text.find(Sjis("\n不正なﾌｧｲﾙ名です.\n")), std::string::npos) << text;
}

TEST_F(LaunchSequenceTest, EmptyArgumentZeroEntersTheEmptyDirectory) {
  fake.module_path.reset();
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"\\REVADOR.EXE\" a"});
  EXPECT_NE(std::find(fake.calls.begin(), fake.calls.end(), "SetCurrentDirectoryA(\"\")"),
            fake.calls.end());
}

TEST_F(LaunchSequenceTest, RootDirectoryIsEnteredAsTheDriveAlone) {
  fake.module_path = "C:\\LX7314.EXE";
  fake.command_line = "LX7314.EXE";
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.current_directory, "C:");
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\REVADOR.EXE\" "});
}

}  // namespace

namespace {

// Memory running out at any allocation of a full run ends it in one of two
// ways only: the report of EOutOfMemory with exit code 1, or (when the failure
// fell inside the absorbing install-directory attempt) a normal end.
TEST(OutOfMemory, AtEveryAllocationOfAFullRun) {
  for (int allowed = 0;; ++allowed) {
    fake = FakeWin32();
    fake.command_line = "LX7314.EXE \"C:\\My Docs\\a.rvd\" /autostart:";
    fake.settings["AUTOSTART"] = 1;  // every argument is compared, none matches
    fake.registry["HKLM\\SOFTWARE\\Kelmor\\ReVador\\9.0"].values["InstallDir"] = {REG_SZ, "C:\\RV\\"};
    fake.winexec_result = 2;  // both attempts run
    fake.allocations_before_failure = allowed;
    LaunchDir = Text();
    int exit_code = RunProgram(LaunchSequence);
    SCOPED_TRACE("allocations allowed: " + std::to_string(allowed));
    EXPECT_TRUE(fake.open_keys.empty());
    if (fake.allocations_before_failure > 0) {  // the run needed fewer: done
      EXPECT_EQ(exit_code, 0);
      EXPECT_GT(allowed, 3);
      break;
    }
    if (exit_code == 0) {
      EXPECT_TRUE(fake.message_boxes.empty());
      continue;
    }
    EXPECT_EQ(exit_code, 1);
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_EQ(fake.message_boxes[0].text.substr(0, 12), "EOutOfMemory");
    EXPECT_NE(fake.message_boxes[0].text.find(Sjis("ﾒﾓﾘが足りません.\n")), std::string::npos);
  }
}

}  // namespace
