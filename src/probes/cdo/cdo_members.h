// The CDO 1.21 members the probe calls, by their fixed dispatch identifiers, and the
// interfaces it asks of the objects it gets back. Member names are never looked up at
// run time.
#pragma once

#include "platform/com_types.h"

namespace quorvel::cdo {

inline constexpr wchar_t kSessionProgId[] = L"MAPI.Session";

// Session members.
inline constexpr DISPID kInbox = 15;         // property: the Inbox folder
inline constexpr DISPID kName = 23;          // property: the session's name
inline constexpr DISPID kAddressBook = 101;  // method: the address book dialog
inline constexpr DISPID kLogoff = 118;       // method
inline constexpr DISPID kLogon = 119;        // method
// Logon's seventh parameter, passed by name.
inline constexpr DISPID kLogonProfileInfo = 6;

// Recipients collection member.
inline constexpr DISPID kCount = 9;  // property: the number of recipients

inline constexpr IID kSessionIid = {
    0x3FA7DEA8, 0x6438, 0x101B, {0xAC, 0xC1, 0x00, 0xAA, 0x00, 0x42, 0x33, 0x26}};
inline constexpr IID kFolderIid = {
    0x3FA7DEA9, 0x6438, 0x101B, {0xAC, 0xC1, 0x00, 0xAA, 0x00, 0x42, 0x33, 0x26}};
inline constexpr IID kRecipientsIid = {
    0xD725D1C0, 0x7657, 0x101B, {0xAC, 0xC1, 0x00, 0xAA, 0x00, 0x42, 0x33, 0x26}};

}  // namespace quorvel::cdo
