// Reference counting shared by every fake object: the world counts it alive from
// construction until its last Release, and the journal records both.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/com_types.h"
#include "sim/world.h"

namespace quorvel::sim {

template <class Interface>
class LiveObject : public Interface {
 public:
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  // Starts with one reference, owned by whoever made it. `chosen`: a recipient collection
  // the address book dialog returned, which counts the recipients the operator chose.
  LiveObject(World& world, std::string name, std::optional<std::int32_t> chosen = std::nullopt)
      : world_(world), name_(std::move(name)), chosen_(chosen) {
    world_.ObjectCreated(name_);
  }
  virtual ~LiveObject() { world_.ObjectDestroyed(name_); }

  // The outcome of this object's next call of key: as the scenario says, or, for a
  // collection the dialog returned, its count (its one member) as chosen.
  Outcome NextOutcome(const std::string& key) {
    if (!chosen_) return world_.Next(key);
    Outcome count;
    count.kind = Outcome::Kind::Value;
    count.value = {VT_I4, *chosen_, {}};
    return count;
  }

  // QueryInterface for IUnknown, IDispatch and, when given, the object's own interface.
  HRESULT Answer(REFIID iid, void** out, const IID* own) {
    if (!out) return E_POINTER;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IDispatch) ||
        (own && IsEqualGUID(iid, *own))) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }

  World& world_;
  const std::string name_;

 private:
  const std::optional<std::int32_t> chosen_;
  ULONG references_ = 1;
};

}  // namespace quorvel::sim
