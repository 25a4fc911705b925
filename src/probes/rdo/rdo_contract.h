// What the RDO probe needs of the RDO library: its ProgID, and the typed interfaces it
// calls, each member at its fixed position in the function table. Positions count from 0,
// the seven IUnknown and IDispatch entries first; the `ReservedN` entries stand for the
// library's members the probe never calls, so that every listed member lands exactly.
//
// Every member returns an HRESULT and takes Automation types, so any component that
// honours these tables fits. Objects that come back are queried for their interface before
// use (runtime/com_object.h, QueryAs).
#pragma once

#include "platform/com_types.h"

namespace quorvel::rdo {

inline constexpr wchar_t kSessionProgId[] = L"Sarnith.RDOSession";
inline constexpr LONG kInboxFolder = 6;

#define QUORVEL_RDO_RESERVED(n) virtual HRESULT STDMETHODCALLTYPE Reserved##n() = 0

struct IRDOItems : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* count) = 0;  // 7

 protected:
  ~IRDOItems() = default;
};

struct IRDOFolder : IDispatch {
  QUORVEL_RDO_RESERVED(7);
  QUORVEL_RDO_RESERVED(8);
  QUORVEL_RDO_RESERVED(9);
  QUORVEL_RDO_RESERVED(10);
  QUORVEL_RDO_RESERVED(11);
  QUORVEL_RDO_RESERVED(12);
  QUORVEL_RDO_RESERVED(13);
  QUORVEL_RDO_RESERVED(14);
  QUORVEL_RDO_RESERVED(15);
  QUORVEL_RDO_RESERVED(16);
  QUORVEL_RDO_RESERVED(17);
  QUORVEL_RDO_RESERVED(18);
  QUORVEL_RDO_RESERVED(19);
  QUORVEL_RDO_RESERVED(20);
  QUORVEL_RDO_RESERVED(21);
  QUORVEL_RDO_RESERVED(22);
  QUORVEL_RDO_RESERVED(23);
  QUORVEL_RDO_RESERVED(24);
  virtual HRESULT STDMETHODCALLTYPE get_Items(IRDOItems** items) = 0;  // 25

 protected:
  ~IRDOFolder() = default;
};

struct IRDOAddressEntries : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* count) = 0;  // 7

 protected:
  ~IRDOAddressEntries() = default;
};

struct IRDOAddressList : IDispatch {
  QUORVEL_RDO_RESERVED(7);
  QUORVEL_RDO_RESERVED(8);
  QUORVEL_RDO_RESERVED(9);
  QUORVEL_RDO_RESERVED(10);
  QUORVEL_RDO_RESERVED(11);
  QUORVEL_RDO_RESERVED(12);
  QUORVEL_RDO_RESERVED(13);
  QUORVEL_RDO_RESERVED(14);
  QUORVEL_RDO_RESERVED(15);
  QUORVEL_RDO_RESERVED(16);
  virtual HRESULT STDMETHODCALLTYPE get_AddressEntries(IRDOAddressEntries** entries) = 0;  // 17

 protected:
  ~IRDOAddressList() = default;
};

struct IRDORecipients : IDispatch {
  QUORVEL_RDO_RESERVED(7);
  QUORVEL_RDO_RESERVED(8);
  virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* count) = 0;  // 9

 protected:
  ~IRDORecipients() = default;
};

struct IRDOAddressBook : IDispatch {
  QUORVEL_RDO_RESERVED(7);
  QUORVEL_RDO_RESERVED(8);
  QUORVEL_RDO_RESERVED(9);
  QUORVEL_RDO_RESERVED(10);
  QUORVEL_RDO_RESERVED(11);
  QUORVEL_RDO_RESERVED(12);
  QUORVEL_RDO_RESERVED(13);
  QUORVEL_RDO_RESERVED(14);
  QUORVEL_RDO_RESERVED(15);
  QUORVEL_RDO_RESERVED(16);
  QUORVEL_RDO_RESERVED(17);
  QUORVEL_RDO_RESERVED(18);
  QUORVEL_RDO_RESERVED(19);
  QUORVEL_RDO_RESERVED(20);
  virtual HRESULT STDMETHODCALLTYPE get_GAL(IRDOAddressList** gal) = 0;  // 21
  QUORVEL_RDO_RESERVED(22);
  QUORVEL_RDO_RESERVED(23);
  // 24: a modal dialog owned by parentWindow; nine optional arguments by value.
  virtual HRESULT STDMETHODCALLTYPE ShowAddressBook(VARIANT recipients, VARIANT title,
                                                    VARIANT oneAddress, VARIANT forceResolution,
                                                    VARIANT recipLists, VARIANT toLabel,
                                                    VARIANT ccLabel, VARIANT bccLabel,
                                                    VARIANT parentWindow,
                                                    IRDORecipients** result) = 0;

 protected:
  ~IRDOAddressBook() = default;
};

struct IRDOSession : IDispatch {
  QUORVEL_RDO_RESERVED(7);
  virtual HRESULT STDMETHODCALLTYPE get_LoggedOn(VARIANT_BOOL* loggedOn) = 0;  // 8
  QUORVEL_RDO_RESERVED(9);
  QUORVEL_RDO_RESERVED(10);
  QUORVEL_RDO_RESERVED(11);
  virtual HRESULT STDMETHODCALLTYPE LogonExchangeMailbox(BSTR mailbox, BSTR server) = 0;  // 12
  QUORVEL_RDO_RESERVED(13);
  virtual HRESULT STDMETHODCALLTYPE GetDefaultFolder(LONG kind, IRDOFolder** folder) = 0;  // 14
  virtual HRESULT STDMETHODCALLTYPE get_AddressBook(IRDOAddressBook** addressBook) = 0;    // 15
  QUORVEL_RDO_RESERVED(16);
  QUORVEL_RDO_RESERVED(17);
  QUORVEL_RDO_RESERVED(18);
  QUORVEL_RDO_RESERVED(19);
  QUORVEL_RDO_RESERVED(20);
  QUORVEL_RDO_RESERVED(21);
  QUORVEL_RDO_RESERVED(22);
  QUORVEL_RDO_RESERVED(23);
  QUORVEL_RDO_RESERVED(24);
  virtual HRESULT STDMETHODCALLTYPE Logoff() = 0;  // 25

 protected:
  ~IRDOSession() = default;
};

#undef QUORVEL_RDO_RESERVED

inline constexpr IID IID_IRDOSession = {
    0xE54C5168, 0xAA8C, 0x405F, {0x9C, 0x14, 0xA4, 0x03, 0x73, 0x02, 0xBD, 0x9D}};
inline constexpr IID IID_IRDOFolder = {
    0x15B8597F, 0x0A55, 0x4361, {0xAE, 0x8B, 0x1F, 0x69, 0x0B, 0xC6, 0x1E, 0xE4}};
inline constexpr IID IID_IRDOItems = {
    0xF8408EB8, 0x6B65, 0x4704, {0x81, 0x0C, 0x29, 0x79, 0x5E, 0x67, 0xC0, 0xDD}};
inline constexpr IID IID_IRDOAddressBook = {
    0x3F5393D1, 0xF833, 0x4224, {0x82, 0x2E, 0x68, 0xB3, 0x67, 0x4F, 0x30, 0xC1}};
inline constexpr IID IID_IRDOAddressList = {
    0xEB3836E5, 0x3937, 0x4E85, {0x9F, 0xF9, 0x93, 0xF7, 0xE6, 0x59, 0x05, 0x2C}};
inline constexpr IID IID_IRDOAddressEntries = {
    0x31AEB3B1, 0x8CB7, 0x490F, {0xA0, 0xDC, 0xAB, 0x76, 0xF0, 0xC5, 0x64, 0x83}};
inline constexpr IID IID_IRDORecipients = {
    0xF17B2E04, 0x2E64, 0x4A50, {0x86, 0xA3, 0xBE, 0xC9, 0x08, 0xD5, 0x80, 0x97}};

}  // namespace quorvel::rdo
