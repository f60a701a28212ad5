// The end-to-end cases.  Each cases_*.cpp holds one table of them and
// registers it at start-up; every case runs in a sandbox directory of its own.
#pragma once

#include <functional>
#include <string>

struct Case {
  std::string name;
  std::function<void(const std::string& sandbox)> run;
};

bool RegisterCaseTable(const Case* cases, int count);

template <int N>
bool RegisterCases(const Case (&cases)[N]) {
  return RegisterCaseTable(cases, N);
}

const Case* FindCase(const std::string& name);
