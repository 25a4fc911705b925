// One fuzz input, decoded: what the operator typed, the account, the registry entry and the
// version resource of the RDO library, and then, call by call, what the simulated libraries
// answer. Every field has a default that an input too short to hold it takes, so the empty
// input is a healthy run and a short one changes only its first choices.
//
// Layout (little-endian; a text is u16 length, u8 kind (0: bytes as Latin-1, 1: UTF-16
// units), then its units; bytes are u16 length and the bytes):
//   u8 which fields follow (bit 0 server, 1 alias, 2 time-out, 3 account, 4 registry,
//   5 version, 6 second press), then each field that is there, in that order:
//     server, alias, time-out: a text each
//     account: u8 (bit 0 user name found, bit 1 domain found, bit 2 the process runs as the
//              user of another domain, bit 3 its token cannot be opened), user name, domain
//              (texts), with bit 2 that domain
//     registry: u8 (0: no class key), u32 value type, value bytes
//     version: u32 block size, u32 file version MS and LS, i32 record offset, u32 record
//       length, u8 (bit 0 root unreadable, bit 1 fill fails), filler bytes
//     second press: u32 milliseconds after the first, while a call pumps messages
//   then one answer per call made, in the order the calls come: see DecodeAnswer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sim/dialog_choice.h"
#include "sim/scenario.h"
#include "standins/account_standin.h"
#include "standins/registry_standin.h"
#include "standins/version_standin.h"

namespace quorvel::fuzz {

// Reads the input front to back; what is missing reads as the fallback given.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool AtEnd() const { return at_ >= bytes_.size(); }
  std::uint8_t Byte(std::uint8_t fallback = 0);
  std::uint16_t U16(std::uint16_t fallback = 0);
  std::uint32_t U32(std::uint32_t fallback = 0);
  std::wstring Text(const std::wstring& fallback);
  std::string Bytes(const std::string& fallback);

 private:
  bool Has(std::size_t count) const { return bytes_.size() - at_ >= count; }

  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// Writes what Reader reads; the seed maker encodes runs with it.
class Writer {
 public:
  void Byte(std::uint8_t value) { bytes_.push_back(value); }
  void U16(std::uint16_t value);
  void U32(std::uint32_t value);
  void Text(const std::wstring& text);
  void Bytes(const std::string& bytes);
  const std::vector<std::uint8_t>& Data() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

struct Inputs {
  std::wstring server = L"EXSRV01";
  std::wstring alias = L"jdoe";
  std::wstring interval = L"5";
  standins::Account account{"jdoe", "CORP", std::nullopt};
  // The class key's default value; none: the RDO library is not registered.
  std::optional<standins::StoredValue> registered;
  std::optional<standins::VersionResource> version;
  // Test pressed again this long after the first press, should a call pump messages then.
  std::optional<std::uint32_t> pressAgainMs;
};

// The RDO library registered (standins::kRdoLibrary), with version 1.2.3.4.
Inputs HealthyInputs();

Inputs DecodeInputs(Reader& reader);
void EncodeInputs(const Inputs& inputs, Writer& writer);

// One call's answer: u8 (low 3 bits: 0 as the healthy scenario says, 1 ok, 2 nothing,
// 3 nointerface (bit 4 set: nullinterface), 4 value, 5 error, 6 dialog, 7 unknown; bit 3:
// the call first blocks, pumping messages, for u8 times 10 seconds), then what that kind
// needs (see fuzz_input.cpp). A value of 16 or 8 bits keeps only those of its number.
sim::Outcome DecodeAnswer(Reader& reader, const sim::Outcome& healthy);
void EncodeAnswer(const sim::Outcome& outcome, Writer& writer);

// What the operator does in an address book dialog: u8 (0 OK, 1 Cancel, 2 the window could
// not be shown), i32 entries picked, u32 why it could not be shown.
sim::DialogChoice DecodeDialogChoice(Reader& reader);
void EncodeDialogChoice(const sim::DialogChoice& choice, Writer& writer);

}  // namespace quorvel::fuzz
