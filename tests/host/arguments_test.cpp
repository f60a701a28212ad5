#include "src/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/fake_win32.h"

namespace {

struct SplitCase {
  const char* name;
  std::string command_line;
  std::vector<std::string> arguments;  // 1 to the count
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, GivesCountAndArguments) {
  const SplitCase& c = GetParam();
  fake.command_line = c.command_line;
  ASSERT_EQ(ArgumentCount(), static_cast<int>(c.arguments.size()));
  for (size_t i = 0; i < c.arguments.size(); ++i) {
    EXPECT_EQ(std::string(ArgumentAt(static_cast<int>(i + 1)).CStr()), c.arguments[i])
        << "argument " << i + 1;
  }
  EXPECT_TRUE(ArgumentAt(static_cast<int>(c.arguments.size()) + 1).IsEmpty());
  EXPECT_TRUE(ArgumentAt(1000).IsEmpty());
}

const std::string kLong300(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Split,
    testing::Values(
        SplitCase{"OnlyProgramName", "LX7314.EXE", {}},
        SplitCase{"Empty", "", {}},
        SplitCase{"OnlyBlanks", "   \t ", {}},
        SplitCase{"TwoArguments", "LX7314.EXE a b", {"a", "b"}},
        SplitCase{"QuotedProgramNameWithBlank", "\"C:\\Program Files\\LX7314.EXE\" a", {"a"}},
        SplitCase{"UnquotedProgramNameSplitAtBlank", "C:\\Program Files\\LX7314.EXE a",
                  {"Files\\LX7314.EXE", "a"}},
        SplitCase{"SwitchFirstIsTheProgramName", "/autostart x", {"x"}},
        SplitCase{"QuotedArgumentKeepsBlanks", "p \"C:\\My Docs\\a.rvd\" z",
                  {"C:\\My Docs\\a.rvd", "z"}},
        SplitCase{"QuotedStretchJoins", "p x\"y z\"w", {"xy zw"}},
        SplitCase{"TwoQuotesAloneGiveNothing", "p \"\" a \"\"", {"a"}},
        SplitCase{"TwoQuotesBeforeTextAreSkipped", "p \"\"abc", {"abc"}},
        SplitCase{"TwoQuotesInsideAddNothing", "p ab\"\"cd", {"abcd"}},
        SplitCase{"QuotesInsideStretchReopen", "p \"a b\"\"c d\"", {"a bc d"}},
        SplitCase{"UnclosedQuoteTakesTheRest", "p a \"b c  d", {"a", "b c  d"}},
        SplitCase{"SingleQuoteLastAddsNothing", "p a \"", {"a"}},
        SplitCase{"ControlBytesSeparate", "p a\tb\rc\nd\x01" "e\x1f" "f", {"a", "b", "c", "d", "e", "f"}},
        SplitCase{"ControlBytesKeptInsideQuotes", "p \"a\tb\"", {"a\tb"}},
        SplitCase{"HighBytesAreOrdinary", "p \x83\x5C\x83\x74\x83\x67 \x7F\xFF", {"\x83\x5C\x83\x74\x83\x67", "\x7F\xFF"}},
        SplitCase{"BackslashDoesNotEscape", "p a\\\"b c\" d", {"a\\b c", "d"}},
        SplitCase{"LongItemsKeptWhole", "\"" + kLong300 + "\" " + kLong300 + " \"" + kLong300 + " y\"",
                  {kLong300, kLong300 + " y"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(ArgumentAt, ZeroIsTheModulePathNotTheCommandLine) {
  fake.command_line = "lx7314 a";
  fake.module_path = "C:\\Tools\\LX7314.EXE";
  EXPECT_STREQ(ArgumentAt(0).CStr(), "C:\\Tools\\LX7314.EXE");
}

TEST(ArgumentAt, ZeroIsEmptyWhenTheModulePathCallFails) {
  fake.module_path.reset();
  EXPECT_TRUE(ArgumentAt(0).IsEmpty());
}

TEST(ArgumentAt, ZeroIsNeverACutPath) {
  std::string long_path = "C:\\" + std::string(400, 'd') + "\\LX7314.EXE";
  fake.module_path = long_path;
  EXPECT_EQ(std::string(ArgumentAt(0).CStr()), long_path);
}

TEST(ArgumentAt, ZeroFillingTheFirstAreaExactlyIsRetried) {
  std::string path = "C:\\" + std::string(257 - 3 - 11 + 4, 'd') + "\\LX7314.EXE";
  ASSERT_EQ(path.size(), 261u);
  fake.module_path = path;
  EXPECT_EQ(std::string(ArgumentAt(0).CStr()), path);
}

struct EqualityCase {
  const char* argument;
  bool equal;
};

void PrintTo(const EqualityCase& c, std::ostream* os) { *os << '"' << c.argument << '"'; }

class Switch : public testing::TestWithParam<EqualityCase> {};

TEST_P(Switch, ComparedWithAutostart) {
  EXPECT_EQ(EqualIgnoringCase(Text(GetParam().argument), "/autostart"), GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Switch,
    testing::Values(EqualityCase{"/autostart", true}, EqualityCase{"/AUTOSTART", true},
                    EqualityCase{"/AutoStart", true}, EqualityCase{"/autostart:", false},
                    EqualityCase{"/autostart ", false}, EqualityCase{"/autostar", false},
                    EqualityCase{"-autostart", false}, EqualityCase{"/autostartx", false},
                    EqualityCase{"", false}));

struct SearchCase {
  const char* name;
  std::string command_line;
  bool found;  // "/autostart" is one of the arguments
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class SwitchSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(SwitchSearch, FindsTheSwitchAsAWholeArgument) {
  fake.command_line = GetParam().command_line;
  EXPECT_EQ(AnyArgumentEqualsIgnoringCase("/autostart"), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SwitchSearch,
    testing::Values(SearchCase{"Alone", "p /autostart", true},
                    SearchCase{"LastOfThreeInMixedCase", "p a b /AutoStart", true},
                    SearchCase{"JoinedFromQuotedStretches", "p /auto\"sta\"rt", true},
                    SearchCase{"AfterTwoQuotes", "p \"\" /autostart", true},
                    SearchCase{"WithABlankInsideQuotes", "p \"/autostart \"", false},
                    SearchCase{"OnlyAsTheProgramName", "/autostart a", false},
                    SearchCase{"Prefix", "p /auto", false},
                    SearchCase{"Longer", "p /autostartx /autostart:", false},
                    SearchCase{"InsideAnUnclosedQuote", "p \"a /autostart", false},
                    SearchCase{"NoArguments", "p", false},
                    SearchCase{"EmptyCommandLine", "", false}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST(Arguments, SkippedArgumentsAreNeverBuilt) {
  // The most one-byte arguments a command line holds.
  std::string command_line = "LX7314.EXE";
  for (int i = 0; i < 15980; ++i) command_line += " x";
  fake.command_line = command_line;
  EXPECT_EQ(ArgumentCount(), 15980);
  EXPECT_FALSE(AnyArgumentEqualsIgnoringCase("/autostart"));
  EXPECT_EQ(fake.allocations, 0);
  EXPECT_STREQ(ArgumentAt(15980).CStr(), "x");
  EXPECT_EQ(fake.allocations, 1);  // the one argument asked for
  EXPECT_EQ(fake.command_line_fetches, 3);
}

TEST(EqualIgnoringCase, FoldsOnlyAsciiLetters) {
  // The trail byte 0x61 of a double-byte character folds like any byte; 0x81
  // is not a letter and stays as it is.
  EXPECT_TRUE(EqualIgnoringCase(Text("\x82\x61"), "\x82\x41"));
  EXPECT_FALSE(EqualIgnoringCase(Text("\xE0"), "\xC0"));
  EXPECT_FALSE(EqualIgnoringCase(Text("@["), "`{"));
}

}  // namespace
