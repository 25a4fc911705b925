// The fake RDO objects as any client of the library's typed interfaces sees them: every
// member at its position in the function table, the placeholders between, errors left as
// error info, interfaces offered and refused, blocking, and late-bound calls refused.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/host/host_form.h"
#include "probes/rdo/rdo_contract.h"
#include "runtime/bstr.h"
#include "runtime/com_ptr.h"
#include "sim/rdo/rdo_session.h"

namespace quorvel::sim {
namespace {

using namespace rdo;  // NOLINT(google-build-using-namespace): the contract's names read best bare

// Calls entry `slot` of the object's function table as a function of these arguments.
template <class... Args>
HRESULT CallSlot(IUnknown* object, int slot, Args... args) {
  using Entry = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
  const auto table = *reinterpret_cast<void* const* const*>(object);
  return reinterpret_cast<Entry>(table[slot])(object, args...);
}

class FakeRdoTest : public ::testing::Test {
 protected:
  void TearDown() override {
    objects_.clear();
    EXPECT_EQ(world_->Live(), 0);
  }

  ComPtr<IRDOSession> NewSession(std::string_view scenario = "") {
    world_ = std::make_unique<World>(Scenario::FromText(scenario));
    ComPtr<IRDOSession> session;
    EXPECT_EQ(CreateRdoSession(*world_, IID_IRDOSession, session.put_void()), S_OK);
    return session;
  }

  // What the call through `slot` added to the journal, first line only.
  template <class... Args>
  std::string JournalOfSlot(IUnknown* object, int slot, Args... args) {
    const std::size_t before = world_->Journal().size();
    CallSlot(object, slot, args...);
    return world_->Journal().size() > before ? world_->Journal()[before] : "(nothing)";
  }

  std::unique_ptr<World> world_ = std::make_unique<World>();
  std::vector<ComPtr<IUnknown>> objects_;  // what slot calls hand out, released before the check
};

struct Layout {
  const char* name;
  IUnknown* object;
  int lastSlot;
  std::set<int> members;
};

TEST_F(FakeRdoTest, EveryMemberSitsAtItsPositionWithPlaceholdersBetween) {
  const auto session = NewSession();
  ComPtr<IRDOFolder> folder;
  ComPtr<IRDOItems> items;
  ComPtr<IRDOAddressBook> book;
  ComPtr<IRDOAddressList> gal;
  ComPtr<IRDOAddressEntries> entries;
  ComPtr<IRDORecipients> recipients;
  ASSERT_EQ(session->GetDefaultFolder(kInboxFolder, folder.put()), S_OK);
  ASSERT_EQ(folder->get_Items(items.put()), S_OK);
  ASSERT_EQ(session->get_AddressBook(book.put()), S_OK);
  ASSERT_EQ(book->get_GAL(gal.put()), S_OK);
  ASSERT_EQ(gal->get_AddressEntries(entries.put()), S_OK);
  VARIANT empty;
  VariantInit(&empty);
  ASSERT_EQ(book->ShowAddressBook(empty, empty, empty, empty, empty, empty, empty, empty, empty,
                                  recipients.put()),
            S_OK);

  auto out = [&] { return objects_.emplace_back().put_void(); };
  LONG count = 0;
  VARIANT_BOOL flag = 0;
  const Bstr mailbox(L"jdoe");
  const Bstr server(L"EXSRV01");

  EXPECT_EQ(JournalOfSlot(session.get(), 8, &flag), "get rdo.session.LoggedOn()");
  EXPECT_EQ(JournalOfSlot(session.get(), 12, mailbox.get(), server.get()),
            "call rdo.session.LogonExchangeMailbox(\"jdoe\", \"EXSRV01\")");
  EXPECT_EQ(JournalOfSlot(session.get(), 14, LONG{6}, out()),
            "call rdo.session.GetDefaultFolder(6)");
  EXPECT_EQ(JournalOfSlot(session.get(), 15, out()), "get rdo.session.AddressBook()");
  EXPECT_EQ(JournalOfSlot(session.get(), 25), "call rdo.session.Logoff()");
  EXPECT_EQ(JournalOfSlot(folder.get(), 25, out()), "get rdo.folder.Items()");
  EXPECT_EQ(JournalOfSlot(items.get(), 7, &count), "get rdo.items.Count()");
  EXPECT_EQ(JournalOfSlot(book.get(), 21, out()), "get rdo.addressbook.GAL()");
  EXPECT_EQ(JournalOfSlot(book.get(), 24, empty, empty, empty, empty, empty, empty, empty, empty,
                          empty, out()),
            "call rdo.addressbook.ShowAddressBook(VT_EMPTY, VT_EMPTY, VT_EMPTY, VT_EMPTY, "
            "VT_EMPTY, VT_EMPTY, VT_EMPTY, VT_EMPTY, VT_EMPTY)");
  EXPECT_EQ(JournalOfSlot(gal.get(), 17, out()), "get rdo.addresslist.AddressEntries()");
  EXPECT_EQ(JournalOfSlot(entries.get(), 7, &count), "get rdo.addressentries.Count()");
  EXPECT_EQ(JournalOfSlot(recipients.get(), 9, &count), "get rdo.recipients.Count()");

  const Layout layouts[] = {
      {"rdo.session", session.get(), 25, {8, 12, 14, 15, 25}},
      {"rdo.folder", folder.get(), 25, {25}},
      {"rdo.addressbook", book.get(), 24, {21, 24}},
      {"rdo.addresslist", gal.get(), 17, {17}},
      {"rdo.recipients", recipients.get(), 9, {9}},
  };
  for (const Layout& layout : layouts) {
    for (int slot = 7; slot <= layout.lastSlot; ++slot) {
      if (layout.members.contains(slot)) continue;
      const std::string name = std::string(layout.name) + ".#" + std::to_string(slot);
      EXPECT_EQ(CallSlot(layout.object, slot), E_NOTIMPL) << name;
      EXPECT_EQ(world_->Journal().back(), "call " + name + ": not a member");
    }
  }
}

TEST_F(FakeRdoTest, FailedCallLeavesItsDescriptionAsErrorInfo) {
  const auto session = NewSession("rdo.logon = error 0x80040111 \"MAPI_E_LOGON_FAILED\"");
  const Bstr mailbox(L"jdoe");
  const Bstr server(L"EXSRV01");
  EXPECT_EQ(session->LogonExchangeMailbox(mailbox.get(), server.get()),
            static_cast<HRESULT>(0x80040111));

  ComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(session->QueryInterface(IID_ISupportErrorInfo, support.put_void()), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IRDOSession), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IRDOFolder), S_FALSE);
  ComPtr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
  Bstr description;
  ASSERT_EQ(info->GetDescription(description.put()), S_OK);
  EXPECT_EQ(description.Text(), L"MAPI_E_LOGON_FAILED");
  GUID raisedBy{};
  ASSERT_EQ(info->GetGUID(&raisedBy), S_OK);
  EXPECT_TRUE(IsEqualGUID(raisedBy, IID_IRDOSession));
}

TEST_F(FakeRdoTest, WithoutItsInterfaceStillOffersDispatchAndErrorInfo) {
  const auto session = NewSession("rdo.gal = nointerface");
  ComPtr<IRDOAddressBook> book;
  ComPtr<IRDOAddressList> gal;
  ASSERT_EQ(session->get_AddressBook(book.put()), S_OK);
  ASSERT_EQ(book->get_GAL(gal.put()), S_OK);
  ASSERT_TRUE(gal);
  ComPtr<IUnknown> other;
  EXPECT_EQ(gal->QueryInterface(IID_IRDOAddressList, other.put_void()), E_NOINTERFACE);
  EXPECT_EQ(gal->QueryInterface(IID_IDispatch, other.put_void()), S_OK);
  EXPECT_EQ(gal->QueryInterface(IID_ISupportErrorInfo, other.put_void()), S_OK);
}

TEST_F(FakeRdoTest, CreationOutcomes) {
  world_ = std::make_unique<World>(Scenario::FromText(
      "rdo.create[1] = error 0x80040154\nrdo.create[2] = nothing\nrdo.create[3] = nointerface"));
  ComPtr<IUnknown> object;
  EXPECT_EQ(CreateRdoSession(*world_, IID_IUnknown, object.put_void()), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CreateRdoSession(*world_, IID_IUnknown, object.put_void()), S_OK);
  EXPECT_EQ(object.get(), nullptr);
  EXPECT_EQ(CreateRdoSession(*world_, IID_IUnknown, object.put_void()), S_OK);
  ComPtr<IUnknown> session;
  EXPECT_EQ(object->QueryInterface(IID_IRDOSession, session.put_void()), E_NOINTERFACE);
}

TEST_F(FakeRdoTest, OutcomeThatDoesNotFitTheMemberFailsVisibly) {
  const auto session = NewSession("rdo.loggedon = value 1");
  VARIANT_BOOL loggedOn = VARIANT_TRUE;
  EXPECT_EQ(session->get_LoggedOn(&loggedOn), E_UNEXPECTED);
  EXPECT_EQ(loggedOn, VARIANT_FALSE);
  EXPECT_EQ(world_->Journal().back(), "outcome does not fit rdo.loggedon");
  ComPtr<IErrorInfo> info;
  EXPECT_EQ(GetErrorInfo(0, info.put()), S_OK);
}

TEST_F(FakeRdoTest, LateBoundCallsAreRefusedAndJournalled) {
  const auto session = NewSession();
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXPECT_EQ(session->Invoke(8, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, nullptr,
                            nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(world_->Journal().back(), "invoke rdo.session.#8");
}

TEST_F(FakeRdoTest, BlockingCallPumpsMessagesForItsTime) {
  host::HostForm form;
  const auto session = NewSession("rdo.logon = block 5000 then ok");
  const Bstr mailbox(L"jdoe");
  const Bstr server(L"EXSRV01");
  EXPECT_EQ(session->LogonExchangeMailbox(mailbox.get(), server.get()), S_OK);
  EXPECT_EQ(form.Now(), 5000);
}

}  // namespace
}  // namespace quorvel::sim
