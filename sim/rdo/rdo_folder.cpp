#include "sim/rdo/rdo_folder.h"

#include "sim/rdo/rdo_object.h"

namespace quorvel::sim {

namespace {

using rdo::IRDOFolder;
using rdo::IRDOItems;

constexpr RdoMember kItems{"get", "Items", "rdo.items"};
constexpr RdoMember kItemsCount{"get", "Count", "rdo.items.count"};

class Items final : public RdoObject<IRDOItems> {
 public:
  Items(World& world, bool withInterface)
      : RdoObject(world, "rdo.items", rdo::IID_IRDOItems, withInterface) {}

  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    return AnswerCount(kItemsCount, count);
  }
};

IRDOItems* MakeItems(World& world, bool withInterface) { return new Items(world, withInterface); }

class Folder final : public RdoObject<IRDOFolder> {
 public:
  Folder(World& world, bool withInterface)
      : RdoObject(world, "rdo.folder", rdo::IID_IRDOFolder, withInterface) {}

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
  QUORVEL_SIM_RDO_RESERVED(21)
  QUORVEL_SIM_RDO_RESERVED(22)
  QUORVEL_SIM_RDO_RESERVED(23)
  QUORVEL_SIM_RDO_RESERVED(24)
  HRESULT STDMETHODCALLTYPE get_Items(IRDOItems** items) override {
    return AnswerObject(kItems, items, &MakeItems);
  }
};

}  // namespace

IRDOFolder* MakeRdoFolder(World& world, bool withInterface) {
  return new Folder(world, withInterface);
}

}  // namespace quorvel::sim
