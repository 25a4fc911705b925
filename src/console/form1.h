// The main form: the probe run, the watchdog, the trace log, and the probes as methods.
//
// The window itself is behind platform::FormWindow; the form only reads and writes the
// boxes, shows the two input messages, drives Timer1 and owns the call-returned flag.
// Every method traps its own errors and returns normally (see runtime/error_trap.h).
#pragma once

#include <string>
#include <string_view>

#include "platform/com_types.h"
#include "platform/form_window.h"
#include "runtime/error_record.h"

namespace quorvel {

namespace rdo {
struct IRDOSession;
}

class Form1 final : public platform::FormEvents {
 public:
  explicit Form1(platform::FormWindow& window) : window_(window) {}
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1() = default;

  void TestCDO();
  void TestRDO();
  void LogTrace(std::wstring_view Msg, bool Delim);
  std::wstring DomainUserName();
  void ReadAddressList(rdo::IRDOSession* objRDO);
  void OpenAddressBook(rdo::IRDOSession* objRDO);
  void OpenAddressBookCDO(IDispatch* objCDO);
  std::wstring FormatError(const ErrorRecord& objErr);
  std::wstring GetVersionRDO();

  // The window's handlers. Nothing leaves them: what a statement's trap did not catch
  // (memory running out while a line is built, say) ends the handler, not the program.
  void cmdTest_Click() override;
  void Timer1_Timer() override;

  // True once any guarded call has returned in the life of the process; never reset.
  bool CallReturned() const noexcept { return callReturned_; }

 private:
  void ProbeRun();
  void Watchdog();

  platform::FormWindow& window_;
  bool callReturned_ = false;
  bool runInProgress_ = false;
};

}  // namespace quorvel
