#include "sim/launcher/quorvel_process.h"

#include "platform/system_text.h"

namespace quorvel::launcher {

namespace {

constexpr DWORD kEndWaitMs = 10000;

// A job whose last handle, the launcher's, ends every process in it when it closes.
HANDLE MakeJob() {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (!job) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  return job;
}

std::wstring LastErrorText() {
  return platform::SystemMessageText(HRESULT_FROM_WIN32(GetLastError()));
}

}  // namespace

QuorvelProcess::QuorvelProcess(const std::wstring& program,
                               const std::vector<SimulatorSetting>& settings)
    : job_(MakeJob()) {
  for (const SimulatorSetting& setting : settings) {
    SetEnvironmentVariableW(setting.name, setting.value.empty() ? nullptr : setting.value.c_str());
  }
  const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED, nullptr, folder.c_str(), &startup, &started)) {
    throw StartError{L"cannot start " + program + L": " + LastErrorText()};
  }
  process_.reset(started.hProcess);
  const platform::UniqueHandle thread(started.hThread);
  id_ = started.dwProcessId;
  // Windows 7 puts no job inside another: there, when the launcher itself runs in a job,
  // the program runs without one, and only the launcher's own waits end it.
  if (!job_ || !AssignProcessToJobObject(job_.get(), Handle())) job_.reset();
  ResumeThread(thread.get());
}

void QuorvelProcess::End() {
  if (!process_ || Ended()) return;
  if (job_) {
    TerminateJobObject(job_.get(), 1);
  } else {
    TerminateProcess(Handle(), 1);
  }
  WaitForSingleObject(Handle(), kEndWaitMs);
}

}  // namespace quorvel::launcher
