#include "sim/address_book_dialog.h"

#include <cstdio>
#include <string>

#include "sim/journal_text.h"

namespace quorvel::sim {

namespace {

const VARIANT& Dereferenced(const VARIANT& value) {
  return value.vt == (VT_VARIANT | VT_BYREF) && value.pvarVal ? *value.pvarVal : value;
}

std::wstring TitleOf(const VARIANT& argument) {
  const VARIANT& value = Dereferenced(argument);
  BSTR text = nullptr;
  if (value.vt == VT_BSTR) text = value.bstrVal;
  if (value.vt == (VT_BSTR | VT_BYREF) && value.pbstrVal) text = *value.pbstrVal;
  return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

std::int32_t HandleOf(const VARIANT& argument) {
  const VARIANT& value = Dereferenced(argument);
  if (value.vt == VT_I4) return value.lVal;
  if (value.vt == (VT_I4 | VT_BYREF) && value.plVal) return *value.plVal;
  return 0;
}

Outcome Cancelled(const Outcome& dialog) {
  Outcome answer = dialog;
  answer.blockMs = 0;
  answer.kind = dialog.cancel;
  return answer;
}

Outcome NotShown(HRESULT error) {
  Outcome answer;
  answer.kind = Outcome::Kind::Error;
  answer.error = error;
  answer.description = L"The address book dialog could not be shown";
  return answer;
}

}  // namespace

std::string Hex32(std::uint32_t bits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(bits));
  return text;
}

DialogRequest DialogRequestFrom(const DialogArguments& arguments) {
  return {TitleOf(arguments.title), HandleOf(arguments.parentWindow)};
}

Outcome AnswerThroughDialog(World& world, const Outcome& dialog, const DialogRequest& request) {
  world.Record("show dialog " + QuoteText(request.title) + " for owner " +
               Hex32(static_cast<std::uint32_t>(request.owner)));
  const DialogChoice choice = world.ShowDialog(request);
  switch (choice.button) {
    case DialogChoice::Button::Ok: {
      world.Record("dialog answered OK, " + std::to_string(choice.chosen) + " chosen");
      Outcome answer;
      answer.chosen = choice.chosen;
      return answer;
    }
    case DialogChoice::Button::Cancel:
      world.Record("dialog answered Cancel");
      return Cancelled(dialog);
    case DialogChoice::Button::NotShown:
      world.Record("dialog not shown: " + Hex32(static_cast<std::uint32_t>(choice.error)));
      return NotShown(choice.error);
  }
  return NotShown(E_UNEXPECTED);
}

}  // namespace quorvel::sim
