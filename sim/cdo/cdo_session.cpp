#include "sim/cdo/cdo_session.h"

#include <new>

#include "probes/cdo/cdo_members.h"
#include "sim/blocking.h"
#include "sim/cdo/fake_dispatch.h"

namespace quorvel::sim {

namespace {

constexpr WORD kGet = DISPATCH_PROPERTYGET;
constexpr WORD kCall = DISPATCH_METHOD;

const DispatchMember kRecipientsMembers[] = {
    {cdo::kCount, "Count", kGet, "cdo.recipients.count", nullptr},
};
const DispatchClass kRecipients{"cdo.recipients", &cdo::kRecipientsIid, kRecipientsMembers};

const DispatchClass kFolder{"cdo.folder", &cdo::kFolderIid, {}};

const DispatchMember kSessionMembers[] = {
    {cdo::kInbox, "Inbox", kGet, "cdo.inbox", &kFolder},
    {cdo::kName, "Name", kGet, "cdo.name", nullptr},
    {cdo::kAddressBook, "AddressBook", kCall, "cdo.addressbook", &kRecipients},
    {cdo::kLogoff, "Logoff", kCall, "cdo.logoff", nullptr},
    {cdo::kLogon, "Logon", kCall, "cdo.logon", nullptr},
};
const DispatchClass kSession{"cdo.session", &cdo::kSessionIid, kSessionMembers};

}  // namespace

HRESULT CreateCdoSession(World& world, REFIID iid, void** out) {
  try {
    world.Record("create MAPI.Session");
    const Outcome outcome = world.Next("cdo.create");
    WaitAsScheduled(outcome);
    return CreateFakeDispatch(world, outcome, kSession, iid, out);
  } catch (const std::bad_alloc&) {
    if (out) *out = nullptr;
    return E_OUTOFMEMORY;
  }
}

}  // namespace quorvel::sim
