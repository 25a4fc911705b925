#include "sim/win32/address_book_window.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/com_types.h"
#include "sim/address_book_dialog.h"
#include "sim/journal_text.h"
#include "sim/win32/address_book_window_ids.h"
#include "sim/win32/environment.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;  // this DLL's own module, which holds the template

namespace quorvel::sim {

namespace {

// A few entries of the simulated Global Address List; its count in the scenario is a
// separate figure.
constexpr std::array<const wchar_t*, 6> kEntries{
    L"Alder, Maya", L"Brandt, Jonas", L"Castillo, Rosa",
    L"Doe, Jane",   L"Okafor, Emeka", L"Lindqvist, Sara",
};

constexpr UINT_PTR kAutoCloseTimer = 1;

struct DialogState {
  World& world;
  const DialogRequest& request;
  std::optional<UINT> autoCloseMs;
  DialogChoice choice;
};

std::string Hex32Of(HWND window) {
  return Hex32(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)));
}

std::string ClassText(HWND window) {
  std::array<wchar_t, 256> name{};
  const int length = window ? GetClassNameW(window, name.data(), static_cast<int>(name.size())) : 0;
  return QuoteText({name.data(), static_cast<std::size_t>(length)});
}

std::string CaptionText(HWND window) {
  std::array<wchar_t, 256> text{};
  const int length =
      window ? GetWindowTextW(window, text.data(), static_cast<int>(text.size())) : 0;
  return QuoteText({text.data(), static_cast<std::size_t>(length)});
}

// The setting, when it is a whole number of milliseconds (at most nine digits, about 11
// days); a malformed one is journalled and left out.
std::optional<UINT> AutoCloseMs(World& world) {
  const std::optional<std::wstring> text = Environment(L"QUORVEL_SIM_DIALOG_AUTOCLOSE");
  if (!text) return std::nullopt;
  const bool digits =
      !text->empty() && text->size() <= 9 &&
      std::all_of(text->begin(), text->end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
  if (digits) {
    UINT milliseconds = 0;
    for (const wchar_t c : *text) milliseconds = milliseconds * 10 + static_cast<UINT>(c - L'0');
    return milliseconds;
  }
  world.Record("QUORVEL_SIM_DIALOG_AUTOCLOSE is not a number of milliseconds: " + QuoteText(*text));
  return std::nullopt;
}

// Over the middle of the owner, so the operator sees what it belongs to.
void CentreOver(HWND dialog, HWND owner) {
  RECT outer{};
  RECT own{};
  if (!owner || !GetWindowRect(owner, &outer) || !GetWindowRect(dialog, &own)) return;
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(dialog, nullptr, outer.left + (outer.right - outer.left - width) / 2,
               outer.top + (outer.bottom - outer.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Open(HWND dialog, DialogState& state) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  SetWindowTextW(dialog, state.request.title.c_str());
  const HWND list = GetDlgItem(dialog, IDC_ENTRIES);
  for (const wchar_t* entry : kEntries) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
  const HWND owner = GetWindow(dialog, GW_OWNER);
  state.world.Record("dialog window owner " + Hex32Of(owner) + " class " + ClassText(owner) +
                     " caption " + CaptionText(owner));
  CentreOver(dialog, owner);
  if (state.autoCloseMs) SetTimer(dialog, kAutoCloseTimer, *state.autoCloseMs, nullptr);
}

std::vector<int> PickedEntries(HWND dialog) {
  const HWND list = GetDlgItem(dialog, IDC_ENTRIES);
  const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> picked(static_cast<std::size_t>(count));
  const LRESULT filled = SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                      reinterpret_cast<LPARAM>(picked.data()));
  picked.resize(filled > 0 ? static_cast<std::size_t>(filled) : 0);
  return picked;
}

// Journals what the operator leaves behind, and whether the owner was kept from input
// while the dialog was open, as a modal dialog's owner must be.
void Close(HWND dialog, DialogState& state, DialogChoice::Button button) {
  const std::vector<int> picked = PickedEntries(dialog);
  std::string names;
  for (const int index : picked) {
    if (!names.empty()) names += ", ";
    names += QuoteText(kEntries.at(static_cast<std::size_t>(index)));
  }
  const HWND owner = GetWindow(dialog, GW_OWNER);
  state.world.Record(std::string("dialog closing: owner ") +
                     (owner && !IsWindowEnabled(owner) ? "disabled" : "enabled") + ", picked " +
                     (names.empty() ? "nothing" : names));
  state.choice = {button, static_cast<std::int32_t>(picked.size()), S_OK};
  EndDialog(dialog, button == DialogChoice::Button::Ok ? IDOK : IDCANCEL);
}

// The operator who is not there: the first entry, then OK, as a click would do it.
void CloseByItself(HWND dialog) {
  KillTimer(dialog, kAutoCloseTimer);
  SendDlgItemMessageW(dialog, IDC_ENTRIES, LB_SETSEL, TRUE, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      Open(dialog, *reinterpret_cast<DialogState*>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam != kAutoCloseTimer) return FALSE;
      CloseByItself(dialog);
      return TRUE;
    case WM_COMMAND:
      if (!state || HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (LOWORD(wParam) == IDOK) Close(dialog, *state, DialogChoice::Button::Ok);
      if (LOWORD(wParam) == IDCANCEL) Close(dialog, *state, DialogChoice::Button::Cancel);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

DialogChoice ShowAddressBookWindow(World& world, const DialogRequest& request) {
  DialogState state{world, request, AutoCloseMs(world), {}};
  // Window handles keep their meaning in 32 bits; widen as the system does, with the sign.
  const HWND owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(request.owner));
  SetLastError(ERROR_SUCCESS);
  const INT_PTR result =
      DialogBoxParamW(reinterpret_cast<HINSTANCE>(&__ImageBase), MAKEINTRESOURCEW(IDD_ADDRESS_BOOK),
                      owner, &DialogProc, reinterpret_cast<LPARAM>(&state));
  if (result == IDOK || result == IDCANCEL) return state.choice;
  const DWORD error = GetLastError();
  return {DialogChoice::Button::NotShown, 0, error ? HRESULT_FROM_WIN32(error) : E_FAIL};
}

}  // namespace quorvel::sim
