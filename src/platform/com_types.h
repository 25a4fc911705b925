// The Windows and COM types the core uses. On Windows they come from the SDK headers;
// on the Linux host a stand-in declares the same shapes, so the core compiles unchanged.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
// winnt.h makes RtlMoveMemory a macro; the program binds the real kernel32 export instead.
#undef RtlMoveMemory
#else
#include "platform/host/com_types_host.h"
#endif
