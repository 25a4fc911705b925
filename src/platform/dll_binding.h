// Binding a platform function by DLL name and entry point, at its first call.
#pragma once

namespace quorvel::platform {

// Returns the entry point's address. A DLL that cannot be found raises 53, one that
// cannot be loaded 48, a missing entry point 453, each naming what is missing
// (runtime/dll_failure.h). On Windows only the system directory is searched, so a DLL
// planted beside the program is never loaded in its place. The names must live as long as
// the program does (literals, as DllFunction's are).
void* BindDllFunction(const char* dll, const char* entry);

}  // namespace quorvel::platform
