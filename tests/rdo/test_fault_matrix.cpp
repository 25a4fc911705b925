// Every call the two probes make on the simulated world, failed in each way it can fail,
// one at a time, in a whole probe run (a press of Test). Calls that return an object get an
// error, nothing, or an object without the interface they are queried for; calls that
// return none get an error, and LoggedOn also False; LoggedOn's error comes after it wrote
// True, as a careless library may, and still counts as False. Each run reaches its closing
// delimiter, leaves no simulated object alive, and writes the healthy run's lines with the
// failing call's lines replaced as the table below says. The expected lines come from the
// healthy trace and the table alone.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "probe_support/probe_fixture.h"

namespace quorvel::testing {
namespace {

// The lines of a healthy run after "Identity: " and "Timer interval = ", by name.
enum Line {
  kInstantiating,
  kLoggingOn,
  kSessionName,
  kSuccessfulLogon,
  kCdoDialog,
  kCdoRecipients,
  kClosing,
  kVersion,
  kAttempting,
  kLoggedOn,
  kInbox,
  kAddressBookStart,
  kAddressBook,
  kGal,
  kGalCount,
  kRdoDialog,
  kRdoRecipients,
  kEnd
};

const std::vector<std::string> kHealthy = {
    "Instantiating CDO",
    "Logging on to MAPI session using EXSRV01\\jdoe",
    "    Session name: jdoe",
    "    Successful logon",
    "Calling ShowAddressBook",
    "    AddressBook returned 1 recipients",
    "Closing MAPI session",
    "RDO v.1.2.3.4",
    "Attempting LogonExchangeMailbox using jdoe, EXSRV01",
    "    LogonExchangeMailbox returned LoggedOn = True, checking Inbox",
    "    Retrieved Inbox. Message count = 12",
    "Attempting to retrieve AddressBook",
    "    Retrieved AddressBook, fetching GAL",
    "        Retrieved GAL, getting count of address entries",
    "        GAL.AddressEntries.Count = 250",
    "Calling ShowAddressBook",
    "    ShowAddressBook returned 1 recipients",
};

enum class Returns { Object, NoObject, Boolean };
enum class Fault { Error, Nothing, NoInterface };  // Nothing: no object, or LoggedOn False

// One call, and which of the healthy lines [from, to) its failure replaces with what.
// "{error}" stands for the error text: the scenario's error, or the probe's own error
// (`raised`) where the probe reports a failure its own way; no interface gives Type
// mismatch in the error's place.
struct Site {
  const char* key;  // the scenario key, with [n] for one call of several
  Returns returns;
  Line from;
  Line to;
  std::vector<std::string> onError;
  std::vector<std::string> onNothing;
  const char* raised = nullptr;
};

const char kCantCreate[] = "&H1AD ActiveX component can't create object";
const char kTypeMismatch[] = "&HD Type mismatch";

const Site kSites[] = {
    {"cdo.create",
     Returns::Object,
     kLoggingOn,
     kVersion,
     {"Error instantiating CDO: {error}"},
     {"Failed to instantiate CDO with no error"},
     kCantCreate},
    {"cdo.logon", Returns::NoObject, kSessionName, kClosing, {"    Logon error: {error}"}, {}},
    {"cdo.name",
     Returns::NoObject,
     kSessionName,
     kClosing,
     {"    Error accessing Inbox: {error}"},
     {}},
    {"cdo.inbox",
     Returns::Object,
     kSuccessfulLogon,
     kClosing,
     {"    Error accessing Inbox: {error}"},
     {"    Failed to open Inbox with no error"}},
    {"cdo.addressbook",
     Returns::Object,
     kCdoRecipients,
     kClosing,
     {"    AddressBook returned no recipients"},
     {"    AddressBook returned no recipients"}},
    {"cdo.recipients.count", Returns::NoObject, kCdoRecipients, kClosing, {}, {}},
    {"cdo.logoff", Returns::NoObject, kVersion, kVersion, {}, {}},
    {"rdo.create", Returns::Object, kVersion, kEnd, {}, {}},
    {"rdo.logon",
     Returns::NoObject,
     kLoggedOn,
     kEnd,
     {"    LogonExchangeMailbox returned err: {error}"},
     {}},
    {"rdo.loggedon",
     Returns::Boolean,
     kLoggedOn,
     kEnd,
     {"    LogonExchangeMailbox failed with no error"},
     {"    LogonExchangeMailbox failed with no error"}},
    {"rdo.inbox",
     Returns::Object,
     kInbox,
     kEnd,
     {"    Error fetching Inbox: {error}"},
     {"    Fetching Inbox failed with no error"}},
    {"rdo.items", Returns::Object, kInbox, kAddressBookStart, {}, {}},
    {"rdo.items.count", Returns::NoObject, kInbox, kAddressBookStart, {}, {}},
    {"rdo.addressbook[1]",
     Returns::Object,
     kAddressBook,
     kRdoDialog,
     {"    Error retrieving AddressBook: {error}"},
     {"    AddressBook retrieval failed with no error"}},
    {"rdo.gal",
     Returns::Object,
     kGal,
     kRdoDialog,
     {"        Error retrieving GAL: {error}"},
     {"        GAL retrieval failed with no error"}},
    {"rdo.entries",
     Returns::Object,
     kGalCount,
     kRdoDialog,
     {"        Error retrieving GAL entry count: {error}"},
     {"        AddressEntries retrieval failed with no error"}},
    {"rdo.entries.count",
     Returns::NoObject,
     kGalCount,
     kRdoDialog,
     {"        Error retrieving GAL entry count: {error}"},
     {}},
    {"rdo.addressbook[2]",
     Returns::Object,
     kRdoRecipients,
     kEnd,
     {"    ShowAddressBook returned no recipients"},
     {"    ShowAddressBook returned no recipients"}},
    {"rdo.showaddressbook",
     Returns::Object,
     kRdoRecipients,
     kEnd,
     {"    ShowAddressBook returned no recipients"},
     {"    ShowAddressBook returned no recipients"}},
    {"rdo.recipients.count", Returns::NoObject, kRdoRecipients, kEnd, {}, {}},
    {"rdo.logoff", Returns::NoObject, kEnd, kEnd, {}, {}},
};

struct FaultCase {
  const Site* site;
  Fault fault;
};

const char* FaultName(Fault fault) {
  switch (fault) {
    case Fault::Error:
      return "error";
    case Fault::Nothing:
      return "nothing";
    case Fault::NoInterface:
      return "nointerface";
  }
  return "";
}

std::string CaseName(const FaultCase& c) {
  std::string name = std::string(c.site->key) + "_" + FaultName(c.fault);
  std::replace_if(
      name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }, '_');
  return name;
}

void PrintTo(const FaultCase& c, std::ostream* os) { *os << CaseName(c); }

std::vector<FaultCase> AllFaults() {
  std::vector<FaultCase> cases;
  for (const Site& site : kSites) {
    cases.push_back({&site, Fault::Error});
    if (site.returns != Returns::NoObject) cases.push_back({&site, Fault::Nothing});
    if (site.returns == Returns::Object) cases.push_back({&site, Fault::NoInterface});
  }
  return cases;
}

std::string ErrorDescription(const Site& site) { return std::string("failure of ") + site.key; }

std::string ScenarioLine(const FaultCase& c) {
  const std::string key = c.site->key;
  switch (c.fault) {
    case Fault::Error:
      return key + " = error 0x80040119 \"" + ErrorDescription(*c.site) + "\"" +
             (c.site->returns == Returns::Boolean ? " writing bool true" : "");
    case Fault::Nothing:
      return key + (c.site->returns == Returns::Boolean ? " = value bool false" : " = nothing");
    case Fault::NoInterface:
      return key + " = nointerface";
  }
  return {};
}

std::string ErrorText(const FaultCase& c) {
  if (c.fault == Fault::NoInterface) return kTypeMismatch;
  if (c.site->raised) return c.site->raised;
  return "&H80040119 " + ErrorDescription(*c.site);
}

std::vector<std::string> ExpectedLines(const FaultCase& c) {
  const Site& site = *c.site;
  std::vector<std::string> lines(kHealthy.begin(), kHealthy.begin() + site.from);
  for (std::string line : c.fault == Fault::Nothing ? site.onNothing : site.onError) {
    if (const auto at = line.find("{error}"); at != std::string::npos) {
      line.replace(at, 7, ErrorText(c));
    }
    lines.push_back(line);
  }
  lines.insert(lines.end(), kHealthy.begin() + site.to, kHealthy.end());
  return lines;
}

long CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}

class FaultMatrixTest : public ProbeTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultMatrixTest, RunReachesItsEndWithTheTableLines) {
  UseScenario(ScenarioLine(GetParam()));
  RegisterRdoVersion(L"1.2.3.4");
  Fill(L"EXSRV01", L"jdoe");

  window_.Click();

  const auto log = LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "====================");
  EXPECT_EQ(CountOf(log, "===================="), 2);
  auto trace = TraceLines();
  ASSERT_GE(trace.size(), 2u);
  EXPECT_EQ(trace[0].rfind("Identity: ", 0), 0u);
  EXPECT_EQ(trace[1], "Timer interval = 300000");
  trace.erase(trace.begin(), trace.begin() + 2);
  const auto expected = ExpectedLines(GetParam());
  EXPECT_EQ(trace, expected) << LineDiff(expected, trace);
  // The RDO session is logged off exactly when LoggedOn read True.
  EXPECT_EQ(CountOf(Calls(), "call rdo.session.Logoff()"), CountOf(expected, kHealthy[kLoggedOn]));
  EXPECT_FALSE(window_.Timer1().Enabled());
}

INSTANTIATE_TEST_SUITE_P(EveryCall, FaultMatrixTest, ::testing::ValuesIn(AllFaults()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                           return CaseName(info.param);
                         });

}  // namespace
}  // namespace quorvel::testing
