// The simulator package as it was unpacked: this program beside quorvel.exe, the simulated
// MAPI server quorvel_sim.dll and the demo scenarios in scenarios\NAME.txt.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/demo_script.h"

namespace quorvel::launcher {

struct PackageScenario {
  std::wstring name;  // the file's name without .txt
  std::wstring path;
  sim::DemoScript script;
};

class Package {
 public:
  // The package this program was started from.
  static Package OfThisProgram();

  std::wstring Program() const { return folder_ + L"\\quorvel.exe"; }
  std::wstring Server() const { return folder_ + L"\\quorvel_sim.dll"; }
  // The package's files that are not there, by name.
  std::vector<std::wstring> Missing() const;
  // In name order; a file that cannot be read is left out.
  std::vector<PackageScenario> Scenarios() const;
  std::optional<PackageScenario> Scenario(std::wstring_view name) const;

 private:
  explicit Package(std::wstring folder) : folder_(std::move(folder)) {}
  std::wstring ScenarioFolder() const { return folder_ + L"\\scenarios"; }

  std::wstring folder_;
};

}  // namespace quorvel::launcher
