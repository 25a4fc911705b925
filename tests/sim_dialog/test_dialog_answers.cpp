// Both probes against address book calls whose outcome is `dialog`, with the operator
// scripted: what the dialog is asked to show, and how OK, Cancel and a dialog that could
// not be shown come back to the probes, whatever the scenario gives the counts.
#include <algorithm>
#include <string>
#include <vector>

#include "probe_support/probe_fixture.h"
#include "probes/address_book_arguments.h"
#include "probes/cdo/cdo_members.h"
#include "probes/rdo/rdo_contract.h"
#include "runtime/com_ptr.h"
#include "runtime/dispatch.h"
#include "runtime/error_record.h"
#include "sim/cdo/cdo_session.h"
#include "sim/rdo/rdo_session.h"

namespace quorvel::testing {
namespace {

using sim::DialogChoice;
using Button = DialogChoice::Button;

constexpr HRESULT kCancelled = static_cast<HRESULT>(0x80040113);

struct DialogCase {
  const char* name;
  const char* outcome;  // of both address book members
  DialogChoice choice;
  const char* answered;  // the journal's line for the choice
  const char* count;     // what the probes' result lines say after "returned "
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

class DialogAnswerTest : public ProbeTest, public ::testing::WithParamInterface<DialogCase> {
 protected:
  // Both address book members show the dialog; the collections' own counts say 7, which
  // only an answer that is not the dialog's would give.
  void UseDialogs(const std::string& outcome) {
    UseScenario("cdo.addressbook = " + outcome + "\nrdo.showaddressbook = " + outcome +
                "\ncdo.recipients.count = value 7\nrdo.recipients.count = value 7");
  }

  void RunBothProbes() {
    Fill(L"EXSRV01", L"jdoe");
    PrepareWatchdog();
    probe_.TestCDO();
    probe_.TestRDO();
  }

  bool Traced(const std::string& line) const {
    const std::vector<std::string> lines = TraceLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  long Journalled(const std::string& line) const {
    return std::count(Calls().begin(), Calls().end(), line);
  }
};

TEST_P(DialogAnswerTest, ProbesReportWhatTheOperatorChose) {
  const DialogCase& c = GetParam();
  UseDialogs(c.outcome);
  std::vector<sim::DialogRequest> requests;
  world_->SetDialogOperator([&](const sim::DialogRequest& request) {
    requests.push_back(request);
    return c.choice;
  });

  RunBothProbes();

  ASSERT_EQ(requests.size(), 2u);
  for (const sim::DialogRequest& request : requests) {
    EXPECT_EQ(request.title, L"Recipients");
    EXPECT_EQ(request.owner, window_.Handle());
  }
  EXPECT_EQ(Journalled("show dialog \"Recipients\" for owner 0x00012345"), 2);
  EXPECT_EQ(Journalled(c.answered), 2);
  EXPECT_TRUE(Traced(std::string("    AddressBook returned ") + c.count)) << c.count;
  EXPECT_TRUE(Traced(std::string("    ShowAddressBook returned ") + c.count)) << c.count;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, DialogAnswerTest,
    ::testing::Values(DialogCase{"OkWithThree",
                                 "dialog",
                                 {Button::Ok, 3, S_OK},
                                 "dialog answered OK, 3 chosen",
                                 "3 recipients"},
                      DialogCase{"OkWithNone",
                                 "dialog cancel error 0x80040113",
                                 {Button::Ok, 0, S_OK},
                                 "dialog answered OK, 0 chosen",
                                 "0 recipients"},
                      DialogCase{"CancelGivesNothingUnlessTold",
                                 "dialog",
                                 {Button::Cancel, 2, S_OK},
                                 "dialog answered Cancel",
                                 "no recipients"},
                      DialogCase{"CancelEmpty",
                                 "dialog cancel empty",
                                 {Button::Cancel, 2, S_OK},
                                 "dialog answered Cancel",
                                 "0 recipients"},
                      DialogCase{"CancelError",
                                 "dialog cancel error 0x80040113 \"cancelled\"",
                                 {Button::Cancel, 2, S_OK},
                                 "dialog answered Cancel",
                                 "no recipients"},
                      DialogCase{"NotShown",
                                 "dialog cancel empty",
                                 {Button::NotShown, 0, static_cast<HRESULT>(0x80070005)},
                                 "dialog not shown: 0x80070005",
                                 "no recipients"}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

using DialogDefaultTest = DialogAnswerTest;

TEST_F(DialogDefaultTest, WithoutAnOperatorTheDialogPicksOneAndAnswersOkAtOnce) {
  UseDialogs("dialog");
  RunBothProbes();
  EXPECT_EQ(Journalled("dialog answered OK, 1 chosen"), 2);
  EXPECT_TRUE(Traced("    AddressBook returned 1 recipients"));
  EXPECT_TRUE(Traced("    ShowAddressBook returned 1 recipients"));
}

// Cancel's error reaches the caller as the scenario's error, through each library's way
// of raising one, though the probes themselves only say "no recipients".
TEST_F(DialogDefaultTest, CancelErrorFailsBothCallsWithTheScenariosError) {
  UseDialogs("dialog cancel error 0x80040113 \"cancelled\"");
  world_->SetDialogOperator([](const sim::DialogRequest&) {
    return DialogChoice{Button::Cancel, 0, S_OK};
  });
  const AddressBookArguments arguments(0x12345);

  ComPtr<IDispatch> cdo;
  ASSERT_EQ(sim::CreateCdoSession(*world_, IID_IDispatch, cdo.put_void()), S_OK);
  try {
    InvokeMethod(cdo.get(), cdo::kAddressBook, arguments.Positional());
    ADD_FAILURE() << "the CDO address book returned";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Record().Number, kCancelled);
    EXPECT_EQ(failure.Record().Description, L"cancelled");
  }

  ComPtr<rdo::IRDOSession> session;
  ASSERT_EQ(sim::CreateRdoSession(*world_, rdo::IID_IRDOSession, session.put_void()), S_OK);
  ComPtr<rdo::IRDOAddressBook> book;
  ASSERT_EQ(session->get_AddressBook(book.put()), S_OK);
  ComPtr<rdo::IRDORecipients> recipients;
  const auto a = arguments.Positional();
  EXPECT_EQ(book->ShowAddressBook(*a[0], *a[1], *a[2], *a[3], *a[4], *a[5], *a[6], *a[7], *a[8],
                                  recipients.put()),
            kCancelled);
  EXPECT_FALSE(recipients);
}

}  // namespace
}  // namespace quorvel::testing
