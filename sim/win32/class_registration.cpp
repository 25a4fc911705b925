#include "sim/win32/class_registration.h"

namespace quorvel::sim {

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

std::wstring ClassKeyOf(const ClassIdentity& type) { return L"CLSID\\" + GuidText(type.clsid); }

std::vector<RegistryEntry> RegistrationOf(const ClassIdentity& type,
                                          const std::wstring& serverPath) {
  const std::wstring progId = type.progId;
  const std::wstring classKey = ClassKeyOf(type);
  return {
      {progId, L"", type.description},
      {progId + L"\\CLSID", L"", GuidText(type.clsid)},
      {classKey, L"", type.description},
      {classKey + L"\\ProgID", L"", progId},
      {classKey + L"\\InprocServer32", L"", serverPath},
      {classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
  };
}

}  // namespace quorvel::sim
