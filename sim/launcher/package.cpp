#include "sim/launcher/package.h"

#include <algorithm>

#include "platform/com_types.h"
#include "platform/program_dir.h"
#include "platform/win32/unique_handle.h"
#include "sim/launcher/unique_find.h"

namespace quorvel::launcher {

namespace {

using platform::UniqueFile;

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> FileText(const std::wstring& path) {
  const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string text;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
    text.append(chunk, read);
  }
  return text;
}

std::optional<PackageScenario> Load(const std::wstring& folder, const std::wstring& name) {
  const std::wstring path = folder + L"\\" + name + L".txt";
  const std::optional<std::string> text = FileText(path);
  if (!text) return std::nullopt;
  return PackageScenario{name, path, sim::DemoScript::FromText(*text)};
}

}  // namespace

Package Package::OfThisProgram() { return Package(platform::ProgramDirectory()); }

std::vector<std::wstring> Package::Missing() const {
  std::vector<std::wstring> missing;
  for (const std::wstring& path : {Program(), Server()}) {
    if (!IsFile(path)) missing.push_back(path.substr(folder_.size() + 1));
  }
  if (Scenarios().empty()) missing.emplace_back(L"scenarios\\*.txt");
  return missing;
}

std::vector<PackageScenario> Package::Scenarios() const {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const UniqueFind search(FindFirstFileW((ScenarioFolder() + L"\\*.txt").c_str(), &found));
  for (bool more = static_cast<bool>(search); more; more = FindNextFileW(search.get(), &found)) {
    const std::wstring file = found.cFileName;
    // A pattern also matches the files' short names, "longer.txtx" too.
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && file.ends_with(L".txt")) {
      names.push_back(file.substr(0, file.size() - 4));
    }
  }
  std::sort(names.begin(), names.end());
  std::vector<PackageScenario> scenarios;
  for (const std::wstring& name : names) {
    if (auto scenario = Load(ScenarioFolder(), name)) scenarios.push_back(std::move(*scenario));
  }
  return scenarios;
}

std::optional<PackageScenario> Package::Scenario(std::wstring_view name) const {
  for (PackageScenario& scenario : Scenarios()) {
    if (scenario.name == name) return std::move(scenario);
  }
  return std::nullopt;
}

}  // namespace quorvel::launcher
