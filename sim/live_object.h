// Reference counting shared by every fake object: the world counts it alive from
// construction until its last Release, and the journal records both.
#pragma once

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
  // Starts with one reference, owned by whoever made it.
  LiveObject(World& world, std::string name) : world_(world), name_(std::move(name)) {
    world_.ObjectCreated(name_);
  }
  virtual ~LiveObject() { world_.ObjectDestroyed(name_); }

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
  ULONG references_ = 1;
};

}  // namespace quorvel::sim
