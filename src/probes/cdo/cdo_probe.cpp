// The CDO session probe: log on with a dynamic profile made of the server and the alias,
// check the Inbox, show the address book dialog and log off. Every step is a trace line;
// no failure leaves the probe.
#include <algorithm>
#include <span>
#include <string>

#include "console/form1.h"
#include "probes/cdo/cdo_members.h"
#include "runtime/com_object.h"
#include "runtime/dispatch.h"
#include "runtime/error_trap.h"

namespace quorvel {

namespace {

// The profile as the trace shows it: every line feed as a backslash.
std::wstring DisplayForm(std::wstring profileInfo) {
  std::replace(profileInfo.begin(), profileInfo.end(), L'\n', L'\\');
  return profileInfo;
}

// Only ProfileInfo is passed, by name and by reference, so the library's own defaults
// apply to every other parameter.
void Logon(IDispatch* session, const std::wstring& profileInfo) {
  Variant text = Variant::Text(profileInfo);
  Variant byRef = Variant::Ref(text);
  const NamedArg profile{cdo::kLogonProfileInfo, byRef.get()};
  InvokeNamed(session, cdo::kLogon, std::span(&profile, 1));
}

void Logoff(IDispatch* session) { InvokeMethod(session, cdo::kLogoff, {}); }

std::wstring SessionName(IDispatch* session) { return GetProperty(session, cdo::kName).ToText(); }

ComPtr<IDispatch> Inbox(IDispatch* session) {
  return QueryAs<IDispatch>(GetProperty(session, cdo::kInbox).ToObject().get(), cdo::kFolderIid);
}

}  // namespace

void Form1::TestCDO() {
  using platform::Box;
  ErrorTrap trap;
  // Declared before the session, so it is released after it.
  ComPtr<IDispatch> objInbox;
  ComPtr<IDispatch> objCDO;

  LogTrace(L"Instantiating CDO", false);
  trap.Run([&] { objCDO = CreateObject<IDispatch>(cdo::kSessionProgId, cdo::kSessionIid); });
  if (trap.HasError()) {
    trap.Run([&] { LogTrace(L"Error instantiating CDO: " + FormatError(trap.Error()), false); });
    return;
  }
  if (!objCDO) {
    LogTrace(L"Failed to instantiate CDO with no error", false);
    return;
  }

  std::wstring profileInfo;
  trap.Run([&] { profileInfo = window_.Text(Box::Server) + L"\n" + window_.Text(Box::Alias); });
  trap.Run(
      [&] { LogTrace(L"Logging on to MAPI session using " + DisplayForm(profileInfo), false); });
  trap.Run([&] { window_.Timer1().SetEnabled(true); });
  trap.Run([&] { Logon(objCDO.get(), profileInfo); });
  // Switched off first, then the flag is set; the dialog does it the other way round.
  trap.Run([&] { window_.Timer1().SetEnabled(false); });
  callReturned_ = true;

  if (trap.HasError()) {
    trap.Run([&] { LogTrace(L"    Logon error: " + FormatError(trap.Error()), false); });
    trap.Run([&] { Logoff(objCDO.get()); });
  } else {
    trap.Run([&] { LogTrace(L"    Session name: " + SessionName(objCDO.get()), false); });
    trap.Run([&] { objInbox = Inbox(objCDO.get()); });
    // A failed Name read is reported here too: the most recent failure's text is shown.
    if (trap.HasError()) {
      trap.Run(
          [&] { LogTrace(L"    Error accessing Inbox: " + FormatError(trap.Error()), false); });
    } else if (!objInbox) {
      LogTrace(L"    Failed to open Inbox with no error", false);
    } else {
      LogTrace(L"    Successful logon", false);
      OpenAddressBookCDO(objCDO.get());
    }
  }

  LogTrace(L"Closing MAPI session", false);
  trap.Run([&] { Logoff(objCDO.get()); });
}

}  // namespace quorvel
