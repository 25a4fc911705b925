// The class factory COM asks the server for, one per class it offers.
#pragma once

#include <atomic>

#include "platform/com_types.h"
#include "sim/win32/server_classes.h"

namespace quorvel::sim {

// Factories alive plus LockServer locks; the server may unload only at 0.
extern std::atomic<long> g_serverLocks;

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const ServerClass& type) : type_(type) { ++g_serverLocks; }
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  ~ClassFactory() { --g_serverLocks; }

  const ServerClass& type_;
  std::atomic<ULONG> references_ = 1;
};

}  // namespace quorvel::sim
