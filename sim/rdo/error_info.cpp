#include "sim/rdo/error_info.h"

#include <iterator>
#include <new>

namespace quorvel::sim {

namespace {

constexpr wchar_t kSource[] = L"Quorvel simulated MAPI";

// The same small error object on both builds; the COM run time only keeps a reference.
class ErrorInfo final : public IErrorInfo {
 public:
  ErrorInfo(REFIID iid, BSTR description) : iid_(iid), description_(description) {}
  ErrorInfo(const ErrorInfo&) = delete;
  ErrorInfo& operator=(const ErrorInfo&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IErrorInfo)) {
      *out = static_cast<IErrorInfo*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetGUID(GUID* guid) override {
    if (!guid) return E_POINTER;
    *guid = iid_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSource(BSTR* source) override {
    return Copy(kSource, std::size(kSource) - 1, source);
  }
  HRESULT STDMETHODCALLTYPE GetDescription(BSTR* description) override {
    return Copy(description_, SysStringLen(description_), description);
  }
  HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* helpFile) override {
    if (!helpFile) return E_POINTER;
    *helpFile = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* helpContext) override {
    if (!helpContext) return E_POINTER;
    *helpContext = 0;
    return S_OK;
  }

 private:
  ~ErrorInfo() { SysFreeString(description_); }

  static HRESULT Copy(const wchar_t* text, std::size_t length, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text, static_cast<UINT>(length));
    return *out ? S_OK : E_OUTOFMEMORY;
  }

  const IID iid_;
  const BSTR description_;
  ULONG references_ = 1;
};

}  // namespace

HRESULT RaiseErrorInfo(HRESULT error, REFIID iid, const std::wstring& description) {
  const BSTR text = SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
  if (!text) return E_OUTOFMEMORY;
  auto* info = new (std::nothrow) ErrorInfo(iid, text);
  if (!info) {
    SysFreeString(text);
    return E_OUTOFMEMORY;
  }
  SetErrorInfo(0, info);
  info->Release();
  return error;
}

}  // namespace quorvel::sim
