// End-to-end cases: LX7314.EXE run by Wine with its real registry, files,
// windows and message box.  Usage: e2e <case> <LX7314.EXE> <stub REVADOR.EXE>
// (the two as Linux paths); prints each failed check and exits non-zero when
// there was one.
#include <cstdio>
#include <vector>

#include "tests/wine/cases.h"
#include "tests/wine/driver.h"

namespace {

std::vector<Case>& AllCases() {
  static std::vector<Case> cases;
  return cases;
}

}  // namespace

bool RegisterCaseTable(const Case* cases, int count) {
  AllCases().insert(AllCases().end(), cases, cases + count);
  return true;
}

const Case* FindCase(const std::string& name) {
  for (const Case& c : AllCases()) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

int main(int argc, char** argv) {
  if (argc != 4) {
    std::printf("usage: e2e <case> <LX7314.EXE> <REVADOR stub>\n");
    return 2;
  }
  SetSources(argv[2], argv[3]);
  const Case* found = FindCase(argv[1]);
  if (!found) {
    std::printf("no case %s\n", argv[1]);
    return 2;
  }
  found->run(MakeSandbox(found->name));
  std::printf("%s: %s\n", found->name.c_str(), failures ? "FAILED" : "passed");
  return failures ? 1 : 0;
}
