#include "src/settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/host/fake_win32.h"

namespace {

const std::string kReadAutoStart = "GetPrivateProfileIntA(REVADOR, AUTOSTART, 0, LX7314.INI)";
const std::string kReadForceMulti = "GetPrivateProfileIntA(REVADOR, FORCEMULTI, 0, LX7314.INI)";

struct GateCase {
  const char* name;
  std::optional<UINT> autostart;  // none: the key is missing
  std::string arguments;          // after the program name
  bool skipped;
};

void PrintTo(const GateCase& c, std::ostream* os) { *os << c.name; }

class AutoStartGate : public testing::TestWithParam<GateCase> {};

TEST_P(AutoStartGate, SkipsOnlyASwitchedOffAutoStart) {
  const GateCase& c = GetParam();
  fake.command_line = "LX7314.EXE " + c.arguments;
  if (c.autostart) fake.settings["AUTOSTART"] = *c.autostart;
  fake.settings["FORCEMULTI"] = 1;
  EXPECT_EQ(SkipAutoStart(), c.skipped);
  // Only AUTOSTART is read, once; FORCEMULTI is a later step's.
  EXPECT_EQ(fake.calls, std::vector<std::string>{kReadAutoStart});
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AutoStartGate,
    testing::Values(GateCase{"MissingWithSwitch", std::nullopt, "/autostart", false},
                    GateCase{"ZeroWithSwitch", 0, "/autostart", false},
                    GateCase{"OneWithoutSwitch", 1, "a b", false},
                    GateCase{"OneNoArguments", 1, "", false},
                    GateCase{"OneSwitchFirst", 1, "/autostart a", true},
                    GateCase{"OneSwitchLastOfThree", 1, "a b /autostart", true},
                    GateCase{"TwoSwitchInCapitals", 2, "/AUTOSTART", true},
                    GateCase{"OneSwitchInQuotes", 1, "\"/autostart\"", true},
                    GateCase{"OneHyphen", 1, "-autostart", false},
                    GateCase{"OneTrailingColon", 1, "/autostart:", false},
                    GateCase{"OnePrefixOfLonger", 1, "/autostartx", false}),
    [](const testing::TestParamInfo<GateCase>& info) { return info.param.name; });

TEST(AutoStartGate, SwitchWrittenAsTheProgramNameIsNotAnArgument) {
  fake.command_line = "/autostart a";
  fake.settings["AUTOSTART"] = 1;
  EXPECT_FALSE(SkipAutoStart());
}

TEST(ForceMulti, AnyNonZeroNumberIsOn) {
  EXPECT_FALSE(ForceMultiEnabled());
  fake.settings["FORCEMULTI"] = 0;
  EXPECT_FALSE(ForceMultiEnabled());
  fake.settings["FORCEMULTI"] = 0xFFFFFFFF;
  EXPECT_TRUE(ForceMultiEnabled());
  EXPECT_EQ(fake.calls, std::vector<std::string>(3, kReadForceMulti));
}

}  // namespace
