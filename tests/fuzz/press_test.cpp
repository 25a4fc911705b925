#include "fuzz/press_test.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "console/form1.h"
#include "platform/ansi_text.h"
#include "platform/host/host_control.h"
#include "platform/host/host_form.h"
#include "runtime/error_trap.h"
#include "standins/simulated_mapi.h"

namespace quorvel::fuzz {

namespace {

void InstallPlatform(const Inputs& inputs, sim::World& world, const std::filesystem::path& folder) {
  host::ResetPlatform();
  host::SetProgramDirectory(platform::FromAnsi(folder.string()));
  host::SetFixedTime(std::wstring(kStamp));
  standins::InstallAccount(inputs.account);
  standins::RegistryKeys keys;
  if (inputs.registered) keys[standins::kRdoServerKey][""] = *inputs.registered;
  standins::InstallRegistry(std::move(keys));
  std::map<std::string, standins::VersionResource> files;
  if (inputs.version) files[standins::kRdoLibrary] = *inputs.version;
  standins::InstallVersions(std::move(files));
  standins::RegisterSimulatedClasses(world);
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find(L"\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::wstring::npos ? text.size() : end + 2;
  }
  return lines;
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a press let out of the handler, if anything. Ending the program is the one way out
// that the watchdog may take.
std::string Press(host::HostForm& window, RunResult& result) {
  try {
    window.Click();
  } catch (const ProgramEnded&) {
    result.endedByWatchdog = true;
  } catch (const std::exception& exception) {
    return std::string("exception: ") + exception.what();
  } catch (...) {
    return "an exception of unknown type";
  }
  return {};
}

}  // namespace

const sim::Outcome& HealthyAnswer(const std::string& key) {
  static const sim::Scenario healthy = sim::Scenario::Healthy();
  static const sim::Outcome unknown = [] {
    sim::Outcome failure;
    failure.kind = sim::Outcome::Kind::Error;
    failure.error = E_UNEXPECTED;
    return failure;
  }();
  const sim::Outcome* outcome = healthy.For(key, 1);
  return outcome ? *outcome : unknown;
}

RunResult PressTest(const Inputs& inputs, sim::World& world, const std::filesystem::path& folder,
                    const AroundPress& around) {
  InstallPlatform(inputs, world, folder);
  // An error object that a call left with the run time holds a string: none from before,
  // and (below) none of this press's own counts as a string never freed.
  SetErrorInfo(0, nullptr);
  const long bstrsBefore = host::LiveBstrs();
  RunResult result;
  {
    host::HostForm window;
    Form1 form(window);
    window.Attach(form);
    window.SetText(platform::Box::Server, inputs.server);
    window.SetText(platform::Box::Alias, inputs.alias);
    window.SetText(platform::Box::Interval, inputs.interval);
    if (inputs.pressAgainMs) window.ScheduleClick(*inputs.pressAgainMs);
    const int endedEarly = host::HostForm::HandlersEndedEarly();
    if (around) around(true);
    result.escaped = Press(window, result);
    if (around) around(false);
    result.stoppedAtEdge = host::HostForm::HandlersEndedEarly() != endedEarly;
    result.box = Lines(window.Text(platform::Box::Result));
    for (const auto& message : window.Messages()) result.messages.push_back(message.text);
  }
  SetErrorInfo(0, nullptr);
  result.log = FileText(folder / "Quorvel.log");
  result.liveObjects = world.Live();
  result.liveBstrs = host::LiveBstrs() - bstrsBefore;
  result.openKeys = standins::OpenKeyCount();
  host::ResetPlatform();
  return result;
}

}  // namespace quorvel::fuzz
