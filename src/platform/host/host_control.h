// Test controls for the host stand-in platform: which platform functions exist, which COM
// classes are registered, where the program lives, the clock and the ANSI code page.
// Never part of the shipped program.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/com_types.h"

namespace quorvel::host {

// Platform functions, bound by DLL and entry point name. The COM and OLE Automation
// stand-ins (ole32.dll, oleaut32.dll) are there from the start and after ClearExports.
void InstallExport(const std::string& dll, const std::string& entry, void* function);
void RemoveExport(const std::string& dll, const std::string& entry);
// Every export of the DLL, as if the system had no such DLL.
void RemoveDll(const std::string& dll);
void ClearExports();

// BSTRs the OLE Automation stand-in has allocated and not yet freed.
long LiveBstrs();

// COM classes by ProgID. The factory answers like CoCreateInstance.
using ClassFactory = std::function<HRESULT(REFIID iid, void** object)>;
void RegisterClass(const std::wstring& progId, ClassFactory factory);
void ClearClasses();

// Where the log file goes ("\\" in paths is taken as the host's separator).
void SetProgramDirectory(const std::wstring& directory);

// A fixed time stamp for tests; nullopt uses the real clock.
void SetFixedTime(std::optional<std::wstring> stamp);

// 1252 (the default) or 65001.
void SetAnsiCodePage(unsigned codePage);

// Puts every control above back to its default.
void ResetPlatform();

}  // namespace quorvel::host
