#include "sim/win32/class_factory.h"

#include "sim/win32/server_world.h"

namespace quorvel::sim {

std::atomic<long> g_serverLocks = 0;

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  ServerWorld& server = TheServerWorld();
  if (!server.scenarioLoaded) return E_FAIL;
  return type_.create(server.world, iid, out);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    ++g_serverLocks;
  } else {
    --g_serverLocks;
  }
  return S_OK;
}

}  // namespace quorvel::sim
