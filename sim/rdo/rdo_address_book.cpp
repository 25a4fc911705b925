#include "sim/rdo/rdo_address_book.h"

#include <cstdint>
#include <optional>
#include <string>

#include "sim/address_book_dialog.h"
#include "sim/journal_text.h"
#include "sim/rdo/rdo_object.h"

namespace quorvel::sim {

namespace {

using rdo::IRDOAddressBook;
using rdo::IRDOAddressEntries;
using rdo::IRDOAddressList;
using rdo::IRDORecipients;

constexpr RdoMember kGal{"get", "GAL", "rdo.gal"};
constexpr RdoMember kShowAddressBook{"call", "ShowAddressBook", "rdo.showaddressbook"};
constexpr RdoMember kAddressEntries{"get", "AddressEntries", "rdo.entries"};
constexpr RdoMember kEntriesCount{"get", "Count", "rdo.entries.count"};
constexpr RdoMember kRecipientsCount{"get", "Count", "rdo.recipients.count"};

class AddressEntries final : public RdoObject<IRDOAddressEntries> {
 public:
  AddressEntries(World& world, bool withInterface)
      : RdoObject(world, "rdo.addressentries", rdo::IID_IRDOAddressEntries, withInterface) {}

  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    return AnswerCount(kEntriesCount, count);
  }
};

IRDOAddressEntries* MakeAddressEntries(World& world, bool withInterface) {
  return new AddressEntries(world, withInterface);
}

class AddressList final : public RdoObject<IRDOAddressList> {
 public:
  AddressList(World& world, bool withInterface)
      : RdoObject(world, "rdo.addresslist", rdo::IID_IRDOAddressList, withInterface) {}

  QUORVEL_SIM_RDO_RESERVED(7)
  QUORVEL_SIM_RDO_RESERVED(8)
  QUORVEL_SIM_RDO_RESERVED(9)
  QUORVEL_SIM_RDO_RESERVED(10)
  QUORVEL_SIM_RDO_RESERVED(11)
  QUORVEL_SIM_RDO_RESERVED(12)
  QUORVEL_SIM_RDO_RESERVED(13)
  QUORVEL_SIM_RDO_RESERVED(14)
  QUORVEL_SIM_RDO_RESERVED(15)
  QUORVEL_SIM_RDO_RESERVED(16)
  HRESULT STDMETHODCALLTYPE get_AddressEntries(IRDOAddressEntries** entries) override {
    return AnswerObject(kAddressEntries, entries, &MakeAddressEntries);
  }
};

IRDOAddressList* MakeAddressList(World& world, bool withInterface) {
  return new AddressList(world, withInterface);
}

class Recipients final : public RdoObject<IRDORecipients> {
 public:
  Recipients(World& world, bool withInterface, std::optional<std::int32_t> chosen)
      : RdoObject(world, "rdo.recipients", rdo::IID_IRDORecipients, withInterface, chosen) {}

  QUORVEL_SIM_RDO_RESERVED(7)
  QUORVEL_SIM_RDO_RESERVED(8)
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    return AnswerCount(kRecipientsCount, count);
  }
};

class AddressBook final : public RdoObject<IRDOAddressBook> {
 public:
  AddressBook(World& world, bool withInterface)
      : RdoObject(world, "rdo.addressbook", rdo::IID_IRDOAddressBook, withInterface) {}

  QUORVEL_SIM_RDO_RESERVED(7)
  QUORVEL_SIM_RDO_RESERVED(8)
  QUORVEL_SIM_RDO_RESERVED(9)
  QUORVEL_SIM_RDO_RESERVED(10)
  QUORVEL_SIM_RDO_RESERVED(11)
  QUORVEL_SIM_RDO_RESERVED(12)
  QUORVEL_SIM_RDO_RESERVED(13)
  QUORVEL_SIM_RDO_RESERVED(14)
  QUORVEL_SIM_RDO_RESERVED(15)
  QUORVEL_SIM_RDO_RESERVED(16)
  QUORVEL_SIM_RDO_RESERVED(17)
  QUORVEL_SIM_RDO_RESERVED(18)
  QUORVEL_SIM_RDO_RESERVED(19)
  QUORVEL_SIM_RDO_RESERVED(20)
  HRESULT STDMETHODCALLTYPE get_GAL(IRDOAddressList** gal) override {
    return AnswerObject(kGal, gal, &MakeAddressList);
  }
  QUORVEL_SIM_RDO_RESERVED(22)
  QUORVEL_SIM_RDO_RESERVED(23)
  HRESULT STDMETHODCALLTYPE ShowAddressBook(VARIANT recipients, VARIANT title, VARIANT oneAddress,
                                            VARIANT forceResolution, VARIANT recipLists,
                                            VARIANT toLabel, VARIANT ccLabel, VARIANT bccLabel,
                                            VARIANT parentWindow,
                                            IRDORecipients** result) override {
    const VARIANT* const arguments[] = {&recipients,      &title,      &oneAddress,
                                        &forceResolution, &recipLists, &toLabel,
                                        &ccLabel,         &bccLabel,   &parentWindow};
    const auto makeFor = [&](const Outcome& outcome) -> IRDORecipients* {
      return new Recipients(world_, outcome.kind == Outcome::Kind::Ok, outcome.chosen);
    };
    return AnswerDialog(kShowAddressBook, {title, parentWindow}, result, makeFor, [&] {
      std::string text;
      for (const VARIANT* argument : arguments) {
        if (!text.empty()) text += ", ";
        text += DescribeVariant(*argument);
      }
      return text;
    });
  }
};

}  // namespace

IRDOAddressBook* MakeRdoAddressBook(World& world, bool withInterface) {
  return new AddressBook(world, withInterface);
}

}  // namespace quorvel::sim
