#include "runtime/error_report.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/exceptions.h"
#include "runtime/startup.h"
#include "tests/host/fake_win32.h"

namespace {

std::string Report(const char* class_name, const std::string& module_path, uintptr_t address,
                   const std::string& message) {
  MessageBuffer report;
  FormatErrorReport(report, class_name, Text(module_path.c_str()), address, message.c_str());
  return report.text;
}

std::string Expected(const std::string& class_name, const std::string& module_name,
                     const std::string& address, const std::string& message_and_ending) {
  return class_name + Sjis("がﾓｼﾞｭｰﾙ ") + module_name + Sjis(" の\n") + address +
         Sjis(" で発生しました。\n") + message_and_ending + "\n";
}

TEST(ErrorReport, FormatIsTheMessageTableEntry) {
  EXPECT_EQ(Message(65438).size(), 42u);
  EXPECT_EQ(Message(65439), Sjis("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"));
  EXPECT_EQ(Message(65439).size(), 13u);
}

TEST(ErrorReport, NamesClassModuleAddressAndMessage) {
  EXPECT_EQ(Report("EInOutError", "C:\\Tools\\LX7314.EXE", 0x401A2B, Sjis("不正なﾌｧｲﾙ名です")),
            Expected("EInOutError", "LX7314.EXE", "00401A2B", Sjis("不正なﾌｧｲﾙ名です") + "."));
}

TEST(ErrorReport, AddressIsEightUpperCaseDigits) {
  EXPECT_EQ(Report("E", "x", 0, "m"), Expected("E", "x", "00000000", "m."));
  EXPECT_EQ(Report("E", "x", 0xDEADBEEF, "m"), Expected("E", "x", "DEADBEEF", "m."));
}

TEST(ErrorReport, FullStopRule) {
  const struct {
    std::string message;
    std::string shown;
  } cases[] = {
      {"", ""},
      {"done.", "done."},
      {"a..", "a.."},
      {"no stop", "no stop."},
      {Sjis("終わり。"), Sjis("終わり。") + "."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Report("E", "x", 1, c.message), Expected("E", "x", "00000001", c.shown)) << c.message;
  }
}

TEST(ErrorReport, ModuleNameAfterTheLastRealBackslashCutAt63Bytes) {
  std::string long_name = std::string(70, 'n') + ".EXE";
  EXPECT_EQ(Report("E", "C:\\Tools\\" + long_name, 1, "m"),
            Expected("E", long_name.substr(0, 63), "00000001", "m."));
  // "ソ" ends in 0x5C: it is part of the name, not a separator.
  std::string so_name = "\x83\x5C" "FT.EXE";
  EXPECT_EQ(Report("E", "C:\\" + so_name, 1, "m"), Expected("E", so_name, "00000001", "m."));
  EXPECT_EQ(Report("E", "", 1, "m"), Expected("E", "", "00000001", "m."));
}

TEST(ErrorReport, LongTextIsCutTo255Bytes) {
  std::string report = Report("E", "x", 1, std::string(300, 'm'));
  EXPECT_EQ(report.size(), 255u);
}

TEST(ErrorReport, AddressIsCountedFromThePreferredBase) {
  const struct {
    uintptr_t address, actual_base, shown;
  } cases[] = {
      {0x00401A2B, 0x00400000, 0x00401A2B},  // loaded where the linker meant it
      {0x00A31A2B, 0x00A30000, 0x00401A2B},  // moved up by ASLR
      {0x00011A2B, 0x00010000, 0x00401A2B},  // moved down
      {0x7FFE1A2B, 0x7FFE0000, 0x00401A2B},
      {0, 0x00A30000, 0},                    // unknown stays unknown
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddressAtPreferredBase(c.address, c.actual_base), c.shown) << std::hex << c.address;
  }
}

TEST(ErrorReport, ShownAddressIsTheSameWhereverTheImageWasLoaded) {
  for (uintptr_t base : {0x00400000u, 0x00A30000u, 0x01170000u}) {
    fake = FakeWin32();
    fake.executable_base = base;
    ShowErrorReport("E", base + 0x1A2B, "m");
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_NE(fake.message_boxes[0].text.find(Sjis("\n00401A2B で発生しました。\n")),
              std::string::npos)
        << fake.message_boxes[0].text;
  }
}

void RaiseRegistryError() { RaiseRegistryException("broken"); }

TEST(RunProgram, ReportsAnUncaughtErrorOnceAndGivesOne) {
  fake.module_path = "C:\\Tools\\LX7314.EXE";
  EXPECT_EQ(RunProgram(RaiseRegistryError), 1);
  ASSERT_EQ(fake.message_boxes.size(), 1u);
  const FakeMessageBox& box = fake.message_boxes[0];
  EXPECT_EQ(box.title, Sjis("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"));
  EXPECT_EQ(box.type, 0x2010u);
  EXPECT_EQ(box.text.substr(0, 18), "ERegistryException");
  EXPECT_NE(box.text.find(Sjis("がﾓｼﾞｭｰﾙ LX7314.EXE の\n")), std::string::npos);
  EXPECT_EQ(box.text.substr(box.text.size() - 8), "broken.\n");
}

TEST(RunProgram, NormalEndGivesZeroAndShowsNothing) {
  EXPECT_EQ(RunProgram([] {}), 0);
  EXPECT_TRUE(fake.message_boxes.empty());
}

TEST(RunProgram, OutOfMemoryIsReportedWithItsMessage) {
  fake.allocations_before_failure = 0;
  EXPECT_EQ(RunProgram([] { Text text("needs the heap"); }), 1);
  ASSERT_EQ(fake.message_boxes.size(), 1u);
  // Naming the module needs the heap too: the report goes out without it.
  EXPECT_EQ(fake.message_boxes[0].text.substr(0, 12), "EOutOfMemory");
  EXPECT_NE(fake.message_boxes[0].text.find(Sjis("\nﾒﾓﾘが足りません.\n")), std::string::npos);
}

}  // namespace
