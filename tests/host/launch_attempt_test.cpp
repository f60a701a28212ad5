#include "src/launch_attempt.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/exceptions.h"
#include "tests/host/fake_win32.h"

namespace {

// "ソ" (0x83 0x5C) and "表" (0x95 0x5C) end in the byte of '\'.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";

std::string Str(const Text& text) { return std::string(text.CStr(), text.Length()); }

struct DirectoryCase {
  std::string path;
  std::string directory;
};

void PrintTo(const DirectoryCase& c, std::ostream* os) { *os << testing::PrintToString(c.path); }

class DirectoryOf : public testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryOf, EndsAtTheLastRealSeparator) {
  EXPECT_EQ(Str(DirectoryOfPath(Text(GetParam().path.c_str()))), GetParam().directory);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DirectoryOf,
    testing::Values(DirectoryCase{"C:\\Tools\\LX7314.EXE", "C:\\Tools\\"},
                    DirectoryCase{"C:\\LX7314.EXE", "C:\\"},
                    DirectoryCase{"C:LX7314.EXE", "C:"},
                    DirectoryCase{"LX7314.EXE", ""},
                    DirectoryCase{"", ""},
                    DirectoryCase{"a/b/LX7314.EXE", ""},
                    DirectoryCase{"C:\\" + kSo + "\\LX7314.EXE", "C:\\" + kSo + "\\"},
                    DirectoryCase{"C:\\Tools\\" + kHyo + "X.EXE", "C:\\Tools\\"},
                    DirectoryCase{"C:\\Tools\\" + kHyo, "C:\\Tools\\"},
                    DirectoryCase{"C:\\Tools\\\x83", "C:\\Tools\\"},
                    DirectoryCase{"\\\\server\\share\\LX7314.EXE", "\\\\server\\share\\"}));

struct StripCase {
  std::string text;
  std::string stripped;
};

void PrintTo(const StripCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class Strip : public testing::TestWithParam<StripCase> {};

TEST_P(Strip, RemovesOneRealBackslash) {
  Text text(GetParam().text.c_str());
  StripTrailingBackslash(text);
  EXPECT_EQ(Str(text), GetParam().stripped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Strip,
    testing::Values(StripCase{"C:\\Tools\\", "C:\\Tools"}, StripCase{"C:\\Tools\\\\", "C:\\Tools\\"},
                    StripCase{"C:\\", "C:"}, StripCase{"\\", ""}, StripCase{"", ""},
                    StripCase{"C:\\Tools", "C:\\Tools"},
                    StripCase{"C:\\" + kSo, "C:\\" + kSo},
                    StripCase{"C:\\" + kSo + "\\", "C:\\" + kSo},
                    StripCase{kSo + kHyo, kSo + kHyo},
                    StripCase{"a\\\x83", "a\\\x83"}));

TEST(TrailingChar, IsZeroForALeadOrTrailByte) {
  EXPECT_EQ(TrailingChar(Text("ab")), 'b');
  EXPECT_EQ(TrailingChar(Text()), 0);
  EXPECT_EQ(TrailingChar(Text(kSo.c_str())), 0);
  EXPECT_EQ(TrailingChar(Text("a\x83")), 0);
  EXPECT_EQ(TrailingChar(Text("\x83\x5C\\")), '\\');
}

TEST(IoErrorText, ListedCodesAndTheFallback) {
  const struct {
    DWORD code;
    const char* utf8;
  } cases[] = {
      {2, "ﾌｧｲﾙが見つかりません"}, {3, "不正なﾌｧｲﾙ名です"},
      {4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"}, {5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
      {100, "ﾌｧｲﾙの末尾以降を読み込みました"}, {101, "ﾃﾞｨｽｸがいっぱいです"},
      {106, "入力値が数値ではありません"}, {32, "I/O ｴﾗｰ (32)"},
      {123, "I/O ｴﾗｰ (123)"}, {0xFFFFFFFF, "I/O ｴﾗｰ (-1)"},
      {0x80000000, "I/O ｴﾗｰ (-2147483648)"},
  };
  for (const auto& c : cases) EXPECT_EQ(Str(IoErrorText(c.code)), Sjis(c.utf8)) << c.code;
}

TEST(ComposeCommandLine, QuotesTheProgramAndHandsTheArgumentOnAsItIs) {
  EXPECT_EQ(Str(ComposeCommandLine(Text("C:\\Program Files\\ReVador"), Text("C:\\My Docs\\a.rvd"))),
            "\"C:\\Program Files\\ReVador\\REVADOR.EXE\" C:\\My Docs\\a.rvd");
  EXPECT_EQ(Str(ComposeCommandLine(Text("C:"), Text())), "\"C:\\REVADOR.EXE\" ");
  EXPECT_EQ(Str(ComposeCommandLine(Text(), Text("/autostart"))), "\"\\REVADOR.EXE\" /autostart");
}

TEST(ComposeCommandLine, IsNeverCut) {
  std::string directory = "C:\\" + std::string(300, 'd');
  std::string argument(32000, 'a');
  EXPECT_EQ(Str(ComposeCommandLine(Text(directory.c_str()), Text(argument.c_str()))),
            "\"" + directory + "\\REVADOR.EXE\" " + argument);
}

TEST(ChangeDirectory, RaisesInOutErrorWithTheSystemCode) {
  fake.refused_directories["C:\\Gone"] = 3;
  try {
    ChangeDirectory(Text("C:\\Gone"));
    FAIL() << "no error raised";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.ClassName(), "EInOutError");
    EXPECT_EQ(std::string(error.Message()), Sjis("不正なﾌｧｲﾙ名です"));
  }
}

TEST(ChangeDirectory, AFailureWithCodeZeroIsTakenAsSuccess) {
  fake.refused_directories["C:\\Odd"] = 0;
  EXPECT_NO_THROW(ChangeDirectory(Text("C:\\Odd")));
}

TEST(ChangeDirectory, HandsTheEmptyTextNotNull) {
  ChangeDirectory(Text());
  EXPECT_EQ(fake.calls.back(), "SetCurrentDirectoryA(\"\")");
}

TEST(LaunchFromDirectory, StripsEntersAndStartsWithArgumentOne) {
  fake.command_line = "LX7314.EXE \"C:\\My Docs\\a.rvd\" second";
  fake.winexec_result = 42;
  LaunchDir = Text("C:\\ReVador\\");
  EXPECT_EQ(LaunchFromDirectory(), 42u);
  EXPECT_EQ(Str(LaunchDir), "C:\\ReVador");
  EXPECT_EQ(fake.calls, (std::vector<std::string>{
                            "SetCurrentDirectoryA(\"C:\\ReVador\")",
                            "WinExec(\"\"C:\\ReVador\\REVADOR.EXE\" C:\\My Docs\\a.rvd\", 5)"}));
  EXPECT_EQ(Str(CommandLineBuffer), "\"C:\\ReVador\\REVADOR.EXE\" C:\\My Docs\\a.rvd");
}

TEST(LaunchFromDirectory, RefusedStartIsReturnedNotRaised) {
  fake.command_line = "LX7314.EXE";
  fake.winexec_result = 2;
  LaunchDir = Text("C:\\");
  EXPECT_EQ(LaunchFromDirectory(), 2u);
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\REVADOR.EXE\" "});
  EXPECT_EQ(fake.current_directory, "C:");
}

TEST(LaunchFromDirectory, RefusedDirectoryChangeStartsNothingAndKeepsTheBuffer) {
  fake.command_line = "LX7314.EXE";
  CommandLineBuffer = Text("earlier");
  LaunchDir = Text("C:\\Gone\\");
  fake.refused_directories["C:\\Gone"] = 2;
  EXPECT_THROW(LaunchFromDirectory(), EInOutError);
  EXPECT_TRUE(fake.started.empty());
  EXPECT_EQ(Str(CommandLineBuffer), "earlier");
  EXPECT_EQ(Str(LaunchDir), "C:\\Gone");
}

}  // namespace
