// The fake CDO objects as any Automation client sees them: identity and interfaces,
// members by dispatch identifier only, errors through EXCEPINFO, and their lifetimes.
#include <gtest/gtest.h>

#include "platform/host/host_form.h"
#include "probes/cdo/cdo_members.h"
#include "runtime/com_failure.h"
#include "runtime/com_ptr.h"
#include "runtime/variant.h"
#include "sim/cdo/cdo_session.h"

namespace quorvel::sim {
namespace {

class FakeCdoTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(world_->Live(), 0); }

  ComPtr<IDispatch> NewSession(std::string_view scenario = "") {
    world_ = std::make_unique<World>(Scenario::FromText(scenario));
    ComPtr<IDispatch> session;
    EXPECT_EQ(CreateCdoSession(*world_, cdo::kSessionIid, session.put_void()), S_OK);
    return session;
  }

  HRESULT Get(IDispatch* object, DISPID id, WORD flags, Variant& result, EXCEPINFO& excep) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &none, result.put(), &excep,
                          nullptr);
  }

  std::unique_ptr<World> world_ = std::make_unique<World>();
};

TEST_F(FakeCdoTest, AnswersItsOwnInterfaceAndNoOther) {
  const auto session = NewSession();
  ComPtr<IUnknown> unknown;
  ComPtr<IUnknown> other;
  EXPECT_EQ(session->QueryInterface(IID_IUnknown, unknown.put_void()), S_OK);
  EXPECT_EQ(session->QueryInterface(IID_IDispatch, other.put_void()), S_OK);
  EXPECT_EQ(session->QueryInterface(cdo::kFolderIid, other.put_void()), E_NOINTERFACE);
  EXPECT_EQ(other.get(), nullptr);
  EXPECT_EQ(world_->Live(), 1);
}

TEST_F(FakeCdoTest, WithoutItsInterfaceAnswersOnlyUnknownAndDispatch) {
  world_ = std::make_unique<World>(Scenario::FromText("cdo.create = nointerface"));
  ComPtr<IUnknown> object;
  EXPECT_EQ(CreateCdoSession(*world_, cdo::kSessionIid, object.put_void()), E_NOINTERFACE);
  EXPECT_EQ(CreateCdoSession(*world_, IID_IUnknown, object.put_void()), S_OK);
  ComPtr<IUnknown> session;
  EXPECT_EQ(object->QueryInterface(cdo::kSessionIid, session.put_void()), E_NOINTERFACE);
}

TEST_F(FakeCdoTest, CreationOutcomes) {
  world_ = std::make_unique<World>(
      Scenario::FromText("cdo.create[1] = error 0x80040154\ncdo.create[2] = nothing"));
  ComPtr<IUnknown> object;
  EXPECT_EQ(CreateCdoSession(*world_, IID_IUnknown, object.put_void()), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CreateCdoSession(*world_, IID_IUnknown, object.put_void()), S_OK);
  EXPECT_EQ(object.get(), nullptr);
}

TEST_F(FakeCdoTest, UnknownIdentifierOrWrongKindIsNotAMember) {
  const auto session = NewSession();
  Variant result;
  EXCEPINFO excep{};
  EXPECT_EQ(Get(session.get(), 999, DISPATCH_METHOD, result, excep), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Get(session.get(), cdo::kName, DISPATCH_METHOD, result, excep), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Get(session.get(), cdo::kLogon, DISPATCH_PROPERTYGET, result, excep),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(world_->Journal().back(), "get cdo.session.#119: not a member");
}

TEST_F(FakeCdoTest, NameLookupIsRefusedAndJournalled) {
  const auto session = NewSession();
  OLECHAR name[] = L"Logon";
  LPOLESTR names[] = {name};
  DISPID id = 0;
  EXPECT_EQ(session->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);
  EXPECT_EQ(world_->Journal().back(), "GetIDsOfNames on cdo.session");
}

TEST_F(FakeCdoTest, ErrorFilledInAtOnce) {
  const auto session = NewSession("cdo.name = error 0x8004010F \"MAPI_E_NOT_FOUND\"");
  Variant result;
  EXCEPINFO excep{};
  ASSERT_EQ(Get(session.get(), cdo::kName, DISPATCH_PROPERTYGET, result, excep), DISP_E_EXCEPTION);
  EXPECT_EQ(excep.pfnDeferredFillIn, nullptr);
  EXPECT_EQ(excep.scode, static_cast<SCODE>(0x8004010F));
  const ErrorRecord record = RecordFromException(excep);
  EXPECT_EQ(record.Description, L"MAPI_E_NOT_FOUND");
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
}

TEST_F(FakeCdoTest, ErrorLeftToTheDeferredFillIn) {
  const auto session = NewSession("cdo.name = error deferred 0x8004010F \"MAPI_E_NOT_FOUND\"");
  Variant result;
  EXCEPINFO excep{};
  ASSERT_EQ(Get(session.get(), cdo::kName, DISPATCH_PROPERTYGET, result, excep), DISP_E_EXCEPTION);
  ASSERT_NE(excep.pfnDeferredFillIn, nullptr);
  EXPECT_EQ(excep.scode, 0);
  EXPECT_EQ(excep.bstrDescription, nullptr);
  const ErrorRecord record = RecordFromException(excep);
  EXPECT_EQ(record.Number, static_cast<std::int32_t>(0x8004010F));
  EXPECT_EQ(record.Description, L"MAPI_E_NOT_FOUND");
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
}

TEST_F(FakeCdoTest, ObjectResultNobodyTakesIsNotLeft) {
  const auto session = NewSession();
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXPECT_EQ(session->Invoke(cdo::kInbox, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                            nullptr, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(world_->Live(), 1);
}

TEST_F(FakeCdoTest, BlockingCallPumpsMessagesForItsTime) {
  host::HostForm form;
  const auto session = NewSession("cdo.name = block 5000 then value jdoe");
  Variant result;
  EXCEPINFO excep{};
  ASSERT_EQ(Get(session.get(), cdo::kName, DISPATCH_PROPERTYGET, result, excep), S_OK);
  EXPECT_EQ(form.Now(), 5000);
  EXPECT_EQ(result.ToText(), L"jdoe");
}

TEST_F(FakeCdoTest, JournalRecordsLifetimesInOrder) {
  {
    const auto session = NewSession();
    Variant inbox;
    EXCEPINFO excep{};
    ASSERT_EQ(Get(session.get(), cdo::kInbox, DISPATCH_PROPERTYGET, inbox, excep), S_OK);
  }
  EXPECT_EQ(world_->Journal(), (std::vector<std::string>{
                                   "create MAPI.Session", "new cdo.session (live 1)",
                                   "get cdo.session.Inbox()", "new cdo.folder (live 2)",
                                   "release cdo.folder (live 1)", "release cdo.session (live 0)"}));
}

}  // namespace
}  // namespace quorvel::sim
