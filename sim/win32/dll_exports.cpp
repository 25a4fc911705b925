// The in-process COM server's entry points.
#include <new>
#include <string>

#include "platform/com_types.h"
#include "sim/win32/class_factory.h"
#include "sim/win32/registration.h"
#include "sim/win32/server_world.h"

namespace {

HMODULE g_module = nullptr;

// The DLL's own path, as its InprocServer32 value names it.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(g_module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    // What is still alive when the server goes, for tests that look for leaks.
    if (quorvel::sim::ServerWorld* server = quorvel::sim::ServerWorldIfBuilt()) {
      server->world.Record("unload (live " + std::to_string(server->world.Live()) + ")");
    }
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  const quorvel::sim::ServerClass* type = quorvel::sim::FindServerClass(clsid);
  if (!type) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new (std::nothrow) quorvel::sim::ClassFactory(*type);
  if (!factory) return E_OUTOFMEMORY;
  const HRESULT hr = factory->QueryInterface(iid, out);
  factory->Release();
  return hr;
}

STDAPI DllCanUnloadNow() {
  const quorvel::sim::ServerWorld* server = quorvel::sim::ServerWorldIfBuilt();
  const bool busy = quorvel::sim::g_serverLocks > 0 || (server && server->world.Live() > 0);
  return busy ? S_FALSE : S_OK;
}

STDAPI DllRegisterServer() {
  const std::wstring path = ModulePath();
  if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
  return quorvel::sim::RegisterServerClasses(path);
}

STDAPI DllUnregisterServer() { return quorvel::sim::UnregisterServerClasses(); }
