// What the CDO probe makes of each form a result can take: the session's name, the Inbox
// and the dialog's collection as values, objects, no object or errors.
#include "probe_support/probe_fixture.h"

namespace quorvel::testing {
namespace {

using Lines = std::vector<std::string>;

struct ResultCase {
  const char* scenario;
  Lines trace;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.scenario; }

class CdoResultTest : public ProbeTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(CdoResultTest, TraceShowsTheResult) {
  UseScenario(GetParam().scenario);
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();
  probe_.TestCDO();
  EXPECT_EQ(TraceLines(), GetParam().trace);
}

const std::string kInstantiating = "Instantiating CDO";
const std::string kLoggingOn = "Logging on to MAPI session using EXSRV01\\jdoe";
const std::string kClosing = "Closing MAPI session";

// The lines of a run that gets past the Inbox, with this name and this dialog result
// line (none when empty).
Lines ThroughDialog(const std::string& name, const std::string& result) {
  Lines lines{kInstantiating, kLoggingOn, "    Session name: " + name, "    Successful logon",
              "Calling ShowAddressBook"};
  if (!result.empty()) lines.push_back(result);
  lines.push_back(kClosing);
  return lines;
}

Lines StoppedAtInbox(const std::string& inboxLine) {
  return {kInstantiating, kLoggingOn, "    Session name: jdoe", inboxLine, kClosing};
}

const std::string kOne = "    AddressBook returned 1 recipients";
const std::string kNoInbox = "    Failed to open Inbox with no error";
const std::string kInboxMismatch = "    Error accessing Inbox: &HD Type mismatch";
const std::string kNoRecipients = "    AddressBook returned no recipients";

// Name is taken as text through a conversion; a value that cannot be text fails the read.
// A text is read by its length, so a NUL inside it does not end it.
INSTANTIATE_TEST_SUITE_P(
    Name, CdoResultTest,
    ::testing::Values(ResultCase{"cdo.name = value 42", ThroughDialog("42", kOne)},
                      ResultCase{"cdo.name = value empty", ThroughDialog("", kOne)},
                      ResultCase{"cdo.name = value \"Doe, Jane\"",
                                 ThroughDialog("Doe, Jane", kOne)},
                      ResultCase{"cdo.name = value \"jd\\u0000oe\"", ThroughDialog("jd?oe", kOne)},
                      ResultCase{"cdo.name = value null",
                                 {kInstantiating, kLoggingOn, kInboxMismatch, kClosing}}));

// The object in a VT_UNKNOWN VARIANT; no object in any of its forms; an object whose query
// for the folder succeeds without a pointer, and a value, neither of them the folder; an
// error filled in late.
INSTANTIATE_TEST_SUITE_P(
    Inbox, CdoResultTest,
    ::testing::Values(ResultCase{"cdo.inbox = unknown", ThroughDialog("jdoe", kOne)},
                      ResultCase{"cdo.inbox = nothing", StoppedAtInbox(kNoInbox)},
                      ResultCase{"cdo.inbox = value empty", StoppedAtInbox(kNoInbox)},
                      ResultCase{"cdo.inbox = value null", StoppedAtInbox(kNoInbox)},
                      ResultCase{"cdo.inbox = nullinterface", StoppedAtInbox(kInboxMismatch)},
                      ResultCase{"cdo.inbox = value i4 5", StoppedAtInbox(kInboxMismatch)},
                      ResultCase{"cdo.inbox = value \"Inbox\"", StoppedAtInbox(kInboxMismatch)},
                      ResultCase{"cdo.inbox = error deferred 0x80040115 \"MAPI_E_NETWORK_ERROR\"",
                                 StoppedAtInbox("    Error accessing Inbox: &H80040115 "
                                                "MAPI_E_NETWORK_ERROR")},
                      // An exception that carries only its 16-bit code.
                      ResultCase{
                          "cdo.inbox = error wcode 1001 \"Inbox refused\"",
                          StoppedAtInbox("    Error accessing Inbox: &H3E9 Inbox refused")}));

// Every way the dialog can fail to give a collection ends in the same line, unreported.
INSTANTIATE_TEST_SUITE_P(
    DialogWithoutCollection, CdoResultTest,
    ::testing::Values(
        ResultCase{"cdo.addressbook = nothing", ThroughDialog("jdoe", kNoRecipients)},
        ResultCase{"cdo.addressbook = nointerface", ThroughDialog("jdoe", kNoRecipients)},
        ResultCase{"cdo.addressbook = value empty", ThroughDialog("jdoe", kNoRecipients)},
        ResultCase{"cdo.addressbook = value null", ThroughDialog("jdoe", kNoRecipients)},
        ResultCase{"cdo.addressbook = value 3", ThroughDialog("jdoe", kNoRecipients)},
        ResultCase{"cdo.addressbook = error deferred 0x80040113 \"cancelled\"",
                   ThroughDialog("jdoe", kNoRecipients)}));

// The count in decimal, 16- or 32-bit; an empty collection is not "no recipients"; a
// count that is no whole number leaves no line.
INSTANTIATE_TEST_SUITE_P(
    DialogCount, CdoResultTest,
    ::testing::Values(
        ResultCase{"cdo.recipients.count = value 0",
                   ThroughDialog("jdoe", "    AddressBook returned 0 recipients")},
        ResultCase{"cdo.recipients.count = value 1", ThroughDialog("jdoe", kOne)},
        ResultCase{"cdo.recipients.count = value i2 3",
                   ThroughDialog("jdoe", "    AddressBook returned 3 recipients")},
        ResultCase{"cdo.recipients.count = value i4 3",
                   ThroughDialog("jdoe", "    AddressBook returned 3 recipients")},
        ResultCase{"cdo.recipients.count = value 1234567",
                   ThroughDialog("jdoe", "    AddressBook returned 1234567 recipients")},
        ResultCase{"cdo.recipients.count = value \"many\"", ThroughDialog("jdoe", "")}));

}  // namespace
}  // namespace quorvel::testing
