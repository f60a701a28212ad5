#include "src/install_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/exceptions.h"
#include "runtime/registry.h"
#include "runtime/startup.h"
#include "src/launch_attempt.h"
#include "src/sequence.h"
#include "tests/host/fake_win32.h"

namespace {

const char kKey[] = "HKLM\\SOFTWARE\\Kelmor\\ReVador\\9.0";

enum class Outcome { kText, kGetFailure, kDataType };

struct ValueCase {
  const char* name;
  enum { kMissingKey, kRefusedKey, kMissingValue, kValue } setup;
  FakeRegistryValue value;
  Outcome outcome;
  std::string text = "";  // for kText
  std::optional<FakeRegistryValue> changed_before_read = std::nullopt;
};

std::vector<std::string> CallsFor(const ValueCase& c) {
  std::vector<std::string> calls = {
      "RegOpenKeyExA(HKCU, \"\", 0, 0x20019)", "RegCloseKey(key1)",
      "RegOpenKeyExA(HKLM, \"SOFTWARE\\Kelmor\\ReVador\\9.0\", 0, 0x20019)"};
  if (c.setup == ValueCase::kMissingKey || c.setup == ValueCase::kRefusedKey) return calls;
  const std::string query = "RegQueryValueExA(key2, \"InstallDir\", ";
  calls.push_back(query + "probe)");
  if (c.setup == ValueCase::kValue) {
    calls.push_back(query + "probe)");
    if (!c.value.data.empty()) calls.push_back(query + "read)");
  }
  calls.push_back("RegCloseKey(key2)");
  return calls;
}

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class ReadInstallDirTable : public testing::TestWithParam<ValueCase> {};

TEST_P(ReadInstallDirTable, OutcomeCallsAndNoKeyLeftOpen) {
  const ValueCase& c = GetParam();
  if (c.setup != ValueCase::kMissingKey) fake.registry[kKey].refused = c.setup == ValueCase::kRefusedKey;
  if (c.setup == ValueCase::kValue) fake.registry[kKey].values["InstallDir"] = c.value;
  fake.value_changed_before_read = c.changed_before_read;

  try {
    Text text = ReadInstallDir();
    EXPECT_EQ(c.outcome, Outcome::kText);
    EXPECT_EQ(std::string(text.CStr(), text.Length()), c.text);
  } catch (const ERegistryException& error) {
    ASSERT_NE(c.outcome, Outcome::kText) << error.Message();
    std::string expected = c.outcome == Outcome::kDataType ? "'InstallDir' のﾃﾞｰﾀ型が不正です"
                                                           : "'InstallDir' の取得に失敗しました";
    EXPECT_EQ(std::string(error.Message()), Sjis(expected));
  }
  EXPECT_EQ(fake.calls, CallsFor(c));
  EXPECT_TRUE(fake.open_keys.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadInstallDirTable,
    testing::Values(
        ValueCase{"KeyMissing", ValueCase::kMissingKey, {}, Outcome::kText, ""},
        ValueCase{"KeyRefused", ValueCase::kRefusedKey, {}, Outcome::kText, ""},
        ValueCase{"ValueMissing", ValueCase::kMissingValue, {}, Outcome::kText, ""},
        ValueCase{"Text", ValueCase::kValue, {REG_SZ, std::string("C:\\ReVador\\\0", 12)},
                  Outcome::kText, "C:\\ReVador\\"},
        ValueCase{"EmptySz", ValueCase::kValue, {REG_SZ, ""}, Outcome::kText, ""},
        ValueCase{"EmptyBinary", ValueCase::kValue, {REG_BINARY, ""}, Outcome::kText, ""},
        ValueCase{"EmptyDword", ValueCase::kValue, {REG_DWORD, ""}, Outcome::kText, ""},
        ValueCase{"OnlyItsZeroByte", ValueCase::kValue, {REG_SZ, std::string(1, '\0')},
                  Outcome::kText, ""},
        ValueCase{"ZeroInTheMiddle", ValueCase::kValue, {REG_SZ, std::string("C:\\A\0B\0", 7)},
                  Outcome::kText, "C:\\A"},
        ValueCase{"NoZeroByte", ValueCase::kValue, {REG_SZ, "C:\\NoZero"}, Outcome::kText,
                  "C:\\NoZero"},
        ValueCase{"ExpandSzLiteral", ValueCase::kValue,
                  {REG_EXPAND_SZ, std::string("%WINDIR%\\x\0", 11)}, Outcome::kText,
                  "%WINDIR%\\x"},
        ValueCase{"Dword", ValueCase::kValue, {REG_DWORD, std::string("\x01\0\0\0", 4)},
                  Outcome::kDataType},
        ValueCase{"BinaryOneByte", ValueCase::kValue, {REG_BINARY, "C"}, Outcome::kDataType},
        ValueCase{"MultiSz", ValueCase::kValue, {REG_MULTI_SZ, std::string("C:\\\0\0", 5)},
                  Outcome::kDataType},
        ValueCase{"GrewBeforeTheRead", ValueCase::kValue, {REG_SZ, std::string("C:\\A\0", 5)},
                  Outcome::kGetFailure, "", FakeRegistryValue{REG_SZ, std::string("C:\\Longer\0", 10)}},
        ValueCase{"TypeChangedBeforeTheRead", ValueCase::kValue, {REG_SZ, std::string("abcd", 4)},
                  Outcome::kDataType, "", FakeRegistryValue{REG_DWORD, std::string("\x01\0\0\0", 4)}},
        ValueCase{"ShrankBeforeTheRead", ValueCase::kValue, {REG_SZ, "C:\\Longer"},
                  Outcome::kText, "C:\\A", FakeRegistryValue{REG_SZ, "C:\\A"}}),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

TEST(RegistryDataAsText, ReadsNoByteBeyondTheGivenSize) {
  const char data[] = {'a', 'b', 'c'};  // no zero byte: ASan catches an over-read
  EXPECT_STREQ(RegistryDataAsText(data, 3, REG_SZ, "v").CStr(), "abc");
  EXPECT_STREQ(RegistryDataAsText(data, 2, REG_EXPAND_SZ, "v").CStr(), "ab");
  EXPECT_THROW(RegistryDataAsText(data, 3, REG_NONE, "v"), ERegistryException);
}

TEST(TRegIniFile, AbsoluteSectionOpensUnderTheRootEvenWithACurrentKey) {
  fake.registry["HKCU\\Software\\X"].values["v"] = {REG_SZ, "y"};
  TRegIniFile reader;  // holds HKEY_CURRENT_USER itself as its current key
  EXPECT_STREQ(reader.ReadString("\\Software\\X", "v", Text("d")).CStr(), "y");
  EXPECT_STREQ(reader.ReadString("\\Software\\None", "v", Text("d")).CStr(), "d");
  EXPECT_EQ(fake.calls[1], "RegOpenKeyExA(HKCU, \"Software\\X\", 0, 0x20019)");
}

class InstallDirAttempt : public testing::Test {
 protected:
  void SetUp() override {
    fake.command_line = "LX7314.EXE doc";
    fake.module_path = "C:\\Tools\\LX7314.EXE";
  }
  void SetInstallDir(DWORD type, const std::string& data) {
    fake.registry[kKey].values["InstallDir"] = {type, data};
  }
};

TEST_F(InstallDirAttempt, StartsFromTheInstallDirectoryAndSkipsTheOwnOne) {
  SetInstallDir(REG_SZ, std::string("C:\\ReVador\\\0", 12));
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\ReVador\\REVADOR.EXE\" doc"});
  EXPECT_EQ(fake.current_directory, "C:\\ReVador");
  for (const std::string& call : fake.calls) EXPECT_NE(call, "GetModuleFileNameA(261)");
}

TEST_F(InstallDirAttempt, MissingDirectoryFallsBackSilently) {
  SetInstallDir(REG_SZ, "C:\\Gone");
  fake.refused_directories["C:\\Gone"] = 2;
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\Tools\\REVADOR.EXE\" doc"});
  EXPECT_TRUE(fake.message_boxes.empty());
}

TEST_F(InstallDirAttempt, RefusedStartFallsBackAndTheOwnRefusalIsSilentToo) {
  SetInstallDir(REG_SZ, "C:\\Tools\\");
  fake.winexec_result = 2;
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_EQ(fake.started, (std::vector<std::string>{"\"C:\\Tools\\REVADOR.EXE\" doc",
                                                    "\"C:\\Tools\\REVADOR.EXE\" doc"}));
  EXPECT_TRUE(fake.message_boxes.empty());
}

TEST_F(InstallDirAttempt, LoneSeparatorEntersTheEmptyDirectory) {
  SetInstallDir(REG_SZ, "\\");
  fake.refused_directories[""] = 123;
  EXPECT_EQ(RunProgram(LaunchSequence), 0);
  EXPECT_NE(std::find(fake.calls.begin(), fake.calls.end(), "SetCurrentDirectoryA(\"\")"),
            fake.calls.end());
  EXPECT_EQ(fake.started, std::vector<std::string>{"\"C:\\Tools\\REVADOR.EXE\" doc"});
}

TEST_F(InstallDirAttempt, OutOfMemoryInsideTheAttemptIsAbsorbed) {
  SetInstallDir(REG_SZ, "C:\\ReVador");
  fake.heap_exhausted_by_directory_change = true;
  try {
    EXPECT_FALSE(LaunchFromInstallDir());
  } catch (...) {
    ADD_FAILURE() << "an error left the attempt";
  }
  EXPECT_TRUE(fake.started.empty());
}

TEST_F(InstallDirAttempt, UnreadableValueEndsInTheReportBeforeAnyStart) {
  SetInstallDir(REG_DWORD, std::string("\x01\0\0\0", 4));
  EXPECT_EQ(RunProgram(LaunchSequence), 1);
  EXPECT_TRUE(fake.started.empty());
  ASSERT_EQ(fake.message_boxes.size(), 1u);
  const std::string& text = fake.message_boxes[0].text;
  EXPECT_EQ(text.substr(0, 18 + Sjis("がﾓｼﾞｭｰﾙ LX7314.EXE の\n").size()),
            "ERegistryException" + Sjis("がﾓｼﾞｭｰﾙ LX7314.EXE の\n"));
  EXPECT_NE(text.find(Sjis(" で発生しました。\n'InstallDir' のﾃﾞｰﾀ型が不正です.\n")),
            std::string::npos)
      << text;
}

}  // namespace
