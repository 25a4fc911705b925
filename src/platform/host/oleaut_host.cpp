// Host stand-in for the OLE Automation functions the core uses. It counts the BSTRs it has
// allocated and not yet freed, so that tests can require that a run leaves none.
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>
#include <new>
#include <string>

#include "platform/com_types.h"
#include "platform/host/host_control.h"

namespace {

std::atomic<long> g_liveBstrs{0};

// A BSTR is preceded by its length in characters, as the real one is by its byte count.
struct BstrHeader {
  std::size_t length;
};

// Allocated as the program's own memory is, so that a test failing allocations fails these
// too; a failed one is a null BSTR, as on Windows.
BSTR AllocBstr(const OLECHAR* text, std::size_t length) {
  auto* block = static_cast<unsigned char*>(
      ::operator new(sizeof(BstrHeader) + (length + 1) * sizeof(OLECHAR), std::nothrow));
  if (!block) return nullptr;
  reinterpret_cast<BstrHeader*>(block)->length = length;
  auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(BstrHeader));
  if (text) {
    std::wmemcpy(chars, text, length);
  } else {
    std::wmemset(chars, L'\0', length);
  }
  chars[length] = L'\0';
  ++g_liveBstrs;
  return chars;
}

BstrHeader* HeaderOf(BSTR b) {
  return reinterpret_cast<BstrHeader*>(reinterpret_cast<unsigned char*>(b) - sizeof(BstrHeader));
}

const VARIANT* Deref(const VARIANT* v) {
  while (v->vt == (VT_BYREF | VT_VARIANT)) v = v->pvarVal;
  return v;
}

HRESULT RoundToLong(double value, LONG* out) {
  const double rounded = std::nearbyint(value);  // default rounding: half to even
  if (!(rounded >= std::numeric_limits<LONG>::min() &&
        rounded <= std::numeric_limits<LONG>::max())) {
    return DISP_E_OVERFLOW;
  }
  *out = static_cast<LONG>(rounded);
  return S_OK;
}

HRESULT ParseLong(const std::wstring& text, LONG* out) {
  wchar_t* end = nullptr;
  const double value = std::wcstod(text.c_str(), &end);
  while (end && *end == L' ') ++end;
  if (text.empty() || !end || *end != L'\0') return DISP_E_TYPEMISMATCH;
  return RoundToLong(value, out);
}

// The value of a scalar source as a 32-bit integer, or a failure.
HRESULT ToLong(const VARIANT* src, LONG* out) {
  switch (src->vt) {
    case VT_EMPTY:
      *out = 0;
      return S_OK;
    case VT_I2:
      *out = src->iVal;
      return S_OK;
    case VT_I4:
      *out = src->lVal;
      return S_OK;
    case VT_UI1:
      *out = src->bVal;
      return S_OK;
    case VT_BOOL:
      *out = src->boolVal ? -1 : 0;
      return S_OK;
    case VT_R8:
      return RoundToLong(src->dblVal, out);
    case VT_BSTR:
      return ParseLong(src->bstrVal ? std::wstring(src->bstrVal, SysStringLen(src->bstrVal)) : L"",
                       out);
    case VT_BYREF | VT_I2:
      *out = *src->piVal;
      return S_OK;
    case VT_BYREF | VT_I4:
      *out = *src->plVal;
      return S_OK;
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

HRESULT ToText(const VARIANT* src, std::wstring* out) {
  switch (src->vt) {
    case VT_EMPTY:
      out->clear();
      return S_OK;
    case VT_BSTR:
      *out = src->bstrVal ? std::wstring(src->bstrVal, SysStringLen(src->bstrVal)) : L"";
      return S_OK;
    case VT_BYREF | VT_BSTR:
      *out = *src->pbstrVal ? std::wstring(*src->pbstrVal, SysStringLen(*src->pbstrVal)) : L"";
      return S_OK;
    case VT_R8: {
      wchar_t buffer[64];
      std::swprintf(buffer, 64, L"%.15g", src->dblVal);
      *out = buffer;
      return S_OK;
    }
    default: {
      LONG value = 0;
      const HRESULT hr = ToLong(src, &value);
      if (FAILED(hr)) return hr;
      *out = std::to_wstring(value);
      return S_OK;
    }
  }
}

thread_local IErrorInfo* t_errorInfo = nullptr;

}  // namespace

BSTR SysAllocString(const OLECHAR* text) {
  return text ? AllocBstr(text, std::wcslen(text)) : nullptr;
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) { return AllocBstr(text, length); }

UINT SysStringLen(BSTR text) { return text ? static_cast<UINT>(HeaderOf(text)->length) : 0; }

void SysFreeString(BSTR text) {
  if (!text) return;
  --g_liveBstrs;
  ::operator delete(HeaderOf(text));
}

long quorvel::host::LiveBstrs() { return g_liveBstrs; }

void VariantInit(VARIANT* v) {
  std::memset(v, 0, sizeof(VARIANT));
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  switch (v->vt) {
    case VT_BSTR:
      SysFreeString(v->bstrVal);
      break;
    case VT_DISPATCH:
      if (v->pdispVal) v->pdispVal->Release();
      break;
    case VT_UNKNOWN:
      if (v->punkVal) v->punkVal->Release();
      break;
    default:
      break;
  }
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
  if (dest == src) return S_OK;
  VariantClear(dest);
  *dest = *src;
  switch (src->vt) {
    case VT_BSTR:
      if (src->bstrVal) {
        dest->bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (!dest->bstrVal) {
          VariantInit(dest);
          return E_OUTOFMEMORY;
        }
      }
      break;
    case VT_DISPATCH:
      if (src->pdispVal) src->pdispVal->AddRef();
      break;
    case VT_UNKNOWN:
      if (src->punkVal) src->punkVal->AddRef();
      break;
    default:
      break;
  }
  return S_OK;
}

namespace {

HRESULT ChangeType(VARIANT* dest, const VARIANT* src, VARTYPE vt) {
  src = Deref(src);
  if (src->vt == VT_NULL) return DISP_E_TYPEMISMATCH;
  VARIANT result;
  VariantInit(&result);
  switch (vt) {
    case VT_BSTR: {
      std::wstring text;
      const HRESULT hr = ToText(src, &text);
      if (FAILED(hr)) return hr;
      result.vt = VT_BSTR;
      result.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
      if (!result.bstrVal) return E_OUTOFMEMORY;
      break;
    }
    case VT_I4: {
      const HRESULT hr = ToLong(src, &result.lVal);
      if (FAILED(hr)) return hr;
      result.vt = VT_I4;
      break;
    }
    default:
      if (src->vt != vt) return DISP_E_TYPEMISMATCH;
      return VariantCopy(dest, src);
  }
  VariantClear(dest);
  *dest = result;
  return S_OK;
}

}  // namespace

// As the system's does, it answers running out of memory with a status, never a throw.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT /*flags*/, VARTYPE vt) {
  try {
    return ChangeType(dest, src, vt);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT SetErrorInfo(ULONG /*reserved*/, IErrorInfo* info) {
  if (info) info->AddRef();
  if (t_errorInfo) t_errorInfo->Release();
  t_errorInfo = info;
  return S_OK;
}

HRESULT GetErrorInfo(ULONG /*reserved*/, IErrorInfo** info) {
  *info = t_errorInfo;
  t_errorInfo = nullptr;
  return *info ? S_OK : S_FALSE;
}
