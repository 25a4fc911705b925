#include "sim/win32/server_world.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/unique_handle.h"
#include "sim/win32/address_book_window.h"
#include "sim/win32/environment.h"

namespace quorvel::sim {

namespace {

ServerWorld* g_world = nullptr;

// One write per line, the file opened and closed each time, so every line is on disk
// even when the process is ended without warning.
void AppendLine(const std::wstring& path, const std::string& line) {
  const platform::UniqueFile file(CreateFileW(
      path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string ReadScenarioFile(const std::wstring& path) {
  std::ifstream in{std::filesystem::path(path), std::ios::binary};
  if (!in) throw ScenarioError("cannot read the scenario file");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ServerWorld* Build() {
  Scenario scenario = Scenario::Healthy();
  std::string scenarioError;
  if (const auto path = Environment(L"QUORVEL_SIM_SCENARIO")) {
    try {
      scenario.Apply(ReadScenarioFile(*path));
    } catch (const ScenarioError& error) {
      scenarioError = error.what();
    }
  }
  // Never destroyed: fake objects may still be released while the process shuts down.
  auto* server = new ServerWorld(std::move(scenario));
  if (const auto log = Environment(L"QUORVEL_SIM_CALL_LOG")) {
    server->world.SetSink([path = *log](const std::string& line) { AppendLine(path, line); });
  }
  server->world.SetDialogOperator([&world = server->world](const DialogRequest& request) {
    return ShowAddressBookWindow(world, request);
  });
  if (!scenarioError.empty()) {
    server->scenarioLoaded = false;
    server->world.Record("scenario error: " + scenarioError);
  }
  return server;
}

}  // namespace

ServerWorld& TheServerWorld() {
  if (!g_world) g_world = Build();
  return *g_world;
}

ServerWorld* ServerWorldIfBuilt() { return g_world; }

}  // namespace quorvel::sim
