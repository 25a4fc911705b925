// The nine arguments of an address book dialog, in position order: no recipients given in
// advance (the missing-argument value), the caption "Recipients", not limited to one
// address (False), chosen names resolved (True), one recipient list (16-bit 1) labelled
// "To", empty Cc and Bcc labels, and the owner window as a 32-bit integer.
//
//   const AddressBookArguments arguments(static_cast<std::int32_t>(window.Handle()));
//   InvokeMethod(session, member, arguments.Positional());
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/com_types.h"
#include "runtime/variant.h"

namespace quorvel {

class AddressBookArguments {
 public:
  static constexpr std::size_t kCount = 9;

  explicit AddressBookArguments(std::int32_t parentWindow);
  // Holds pointers into itself, so it stays where it was made.
  AddressBookArguments(const AddressBookArguments&) = delete;
  AddressBookArguments& operator=(const AddressBookArguments&) = delete;

  // The arguments first to last; they stay owned here.
  std::span<VARIANT* const> Positional() const { return pointers_; }

 private:
  std::array<Variant, kCount> values_;
  std::array<VARIANT*, kCount> pointers_;
};

}  // namespace quorvel
