// How the Windows binding (platform/dll_binding.h) finds a system DLL.
//
// LoaderFlags: LoadLibraryExW with LOAD_LIBRARY_SEARCH_SYSTEM32, which searches the system
// directory only, for the DLL and for what it depends on. Windows 8 and later have it;
// Windows 7, Server 2008 R2, Vista and Server 2008 only with update KB2533623 (or a later
// roll-up that carries it). Microsoft documents kernel32's AddDllDirectory as the sign that
// the loader takes the flag; without it every load fails with ERROR_INVALID_PARAMETER.
//
// FullPath: the DLL by its full path in the system directory (GetSystemDirectoryW, which a
// 32-bit program under WoW64 is redirected from to SysWOW64), with
// LOAD_WITH_ALTERED_SEARCH_PATH, so that what it depends on is looked for in its own folder
// first and never in the program's.
#pragma once

namespace quorvel::platform {

enum class SystemDllSearch { LoaderFlags, FullPath };

// The way this process's loader supports.
SystemDllSearch SupportedSystemDllSearch();

// Binds every DLL not loaded yet the way given; for the loader check of the Wine tests,
// which tries the older way on a loader that has both.
void UseSystemDllSearch(SystemDllSearch search);

}  // namespace quorvel::platform
