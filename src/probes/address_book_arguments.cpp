#include "probes/address_book_arguments.h"

namespace quorvel {

AddressBookArguments::AddressBookArguments(std::int32_t parentWindow)
    : values_{Variant::Missing(),       Variant::Text(L"Recipients"),
              Variant::Bool(false),     Variant::Bool(true),
              Variant::I2(1),           Variant::Text(L"To"),
              Variant::Text(L""),       Variant::Text(L""),
              Variant::I4(parentWindow)} {
  for (std::size_t i = 0; i < kCount; ++i) pointers_[i] = values_[i].get();
}

}  // namespace quorvel
