#include "fuzz/fuzz_input.h"

#include <array>

#include "standins/simulated_mapi.h"

namespace quorvel::fuzz {

namespace {

enum FieldBit : std::uint8_t {
  kServer = 1,
  kAlias = 2,
  kInterval = 4,
  kAccount = 8,
  kRegistry = 16,
  kVersion = 32,
  kPressAgain = 64,
};

enum AnswerKind : std::uint8_t {
  kHealthy,
  kOk,
  kNothing,
  kNoInterface,
  kValue,
  kError,
  kDialog,
  kUnknown,
};
constexpr std::uint8_t kKindMask = 7;
constexpr std::uint8_t kBlocks = 8;
constexpr std::uint8_t kNullPointer = 16;  // with kNoInterface
// A call blocks for up to 255 of these. The clock is simulated, but every watchdog tick
// writes a line: blocks of hours against a one-minute time-out would make thousands of
// lines an input, and measure only the trace box's growth.
constexpr std::uint32_t kBlockUnitMs = 10000;

enum ErrorBit : std::uint8_t {
  kDeferred = 1,
  kWCode = 2,
  kDescribed = 4,
  kWrites = 8,
  kPlain = 16,
};

// Every type a member's value comes back as, expected or not.
constexpr std::array<VARTYPE, 10> kValueTypes = {VT_I4,   VT_I2,  VT_BOOL, VT_BSTR, VT_EMPTY,
                                                 VT_NULL, VT_UI1, VT_R8,   VT_DATE, VT_ERROR};

// A version block is never bigger than a version resource can be; a size beyond that
// would only measure how fast the sanitizer refuses an allocation.
constexpr std::uint32_t kMaxBlockSize = 1 << 17;

std::optional<std::string> Maybe(bool there, Reader& reader) {
  std::string text = reader.Bytes({});
  if (!there) return std::nullopt;
  return text;
}

// The number as a value of this type holds it: a 16-bit or an 8-bit value keeps only its
// own bits, whichever library hands it back.
std::int32_t HeldAs(VARTYPE type, std::uint32_t bits) {
  if (type == VT_I2) return static_cast<std::int16_t>(bits);
  if (type == VT_UI1) return static_cast<std::uint8_t>(bits);
  return static_cast<std::int32_t>(bits);
}

sim::ScenarioValue DecodeValue(Reader& reader) {
  sim::ScenarioValue value;
  value.type = kValueTypes[reader.Byte() % kValueTypes.size()];
  value.number = HeldAs(value.type, reader.U32());
  value.text = reader.Text({});
  return value;
}

void EncodeValue(const sim::ScenarioValue& value, Writer& writer) {
  std::uint8_t index = 0;
  while (index < kValueTypes.size() && kValueTypes[index] != value.type) ++index;
  writer.Byte(index);
  writer.U32(static_cast<std::uint32_t>(value.number));
  writer.Text(value.text);
}

void DecodeError(Reader& reader, sim::Outcome& outcome) {
  outcome.error = static_cast<HRESULT>(reader.U32());
  const std::uint8_t bits = reader.Byte();
  outcome.deferred = (bits & kDeferred) != 0;
  outcome.wCode = (bits & kWCode) != 0;
  if (bits & kDescribed) outcome.description = reader.Text({});
  outcome.writes = (bits & kWrites) != 0;
  outcome.plain = (bits & kPlain) != 0;
  if (outcome.writes) outcome.value = DecodeValue(reader);
}

void EncodeError(const sim::Outcome& outcome, Writer& writer) {
  writer.U32(static_cast<std::uint32_t>(outcome.error));
  writer.Byte(static_cast<std::uint8_t>(
      (outcome.deferred ? kDeferred : 0) | (outcome.wCode ? kWCode : 0) | kDescribed |
      (outcome.writes ? kWrites : 0) | (outcome.plain ? kPlain : 0)));
  writer.Text(outcome.description);
  if (outcome.writes) EncodeValue(outcome.value, writer);
}

// A dialog's Cancel: u8 0 nothing, 1 an empty collection, 2 an error.
void DecodeCancel(Reader& reader, sim::Outcome& outcome) {
  switch (reader.Byte() % 3) {
    case 0:
      outcome.cancel = sim::Outcome::Kind::Nothing;
      break;
    case 1:
      outcome.cancel = sim::Outcome::Kind::Ok;
      outcome.chosen = 0;
      break;
    default:
      outcome.cancel = sim::Outcome::Kind::Error;
      DecodeError(reader, outcome);
      break;
  }
}

void EncodeCancel(const sim::Outcome& outcome, Writer& writer) {
  switch (outcome.cancel) {
    case sim::Outcome::Kind::Ok:
      writer.Byte(1);
      break;
    case sim::Outcome::Kind::Error:
      writer.Byte(2);
      EncodeError(outcome, writer);
      break;
    default:
      writer.Byte(0);
      break;
  }
}

}  // namespace

std::uint8_t Reader::Byte(std::uint8_t fallback) { return Has(1) ? bytes_[at_++] : fallback; }

std::uint16_t Reader::U16(std::uint16_t fallback) {
  if (!Has(2)) return fallback;
  const auto value = static_cast<std::uint16_t>(bytes_[at_] | (bytes_[at_ + 1] << 8));
  at_ += 2;
  return value;
}

std::uint32_t Reader::U32(std::uint32_t fallback) {
  if (!Has(4)) return fallback;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[at_ + static_cast<std::size_t>(i)];
  at_ += 4;
  return value;
}

std::wstring Reader::Text(const std::wstring& fallback) {
  if (!Has(3)) return fallback;
  const std::uint16_t length = U16();
  const bool wide = (Byte() & 1) != 0;
  std::wstring text;
  for (std::uint16_t i = 0; i < length && Has(wide ? 2 : 1); ++i) {
    text += static_cast<wchar_t>(wide ? U16() : Byte());
  }
  return text;
}

std::string Reader::Bytes(const std::string& fallback) {
  if (!Has(2)) return fallback;
  const std::uint16_t length = U16();
  std::string bytes;
  for (std::uint16_t i = 0; i < length && Has(1); ++i) bytes += static_cast<char>(Byte());
  return bytes;
}

void Writer::U16(std::uint16_t value) {
  Byte(static_cast<std::uint8_t>(value));
  Byte(static_cast<std::uint8_t>(value >> 8));
}

void Writer::U32(std::uint32_t value) {
  U16(static_cast<std::uint16_t>(value));
  U16(static_cast<std::uint16_t>(value >> 16));
}

void Writer::Text(const std::wstring& text) {
  U16(static_cast<std::uint16_t>(text.size()));
  Byte(1);
  for (const wchar_t c : text) U16(static_cast<std::uint16_t>(c));
}

void Writer::Bytes(const std::string& bytes) {
  U16(static_cast<std::uint16_t>(bytes.size()));
  for (const char c : bytes) Byte(static_cast<std::uint8_t>(c));
}

Inputs HealthyInputs() {
  Inputs inputs;
  inputs.registered = standins::Sz(standins::kRdoLibrary);
  inputs.version = standins::VersionResource{0x00010002, 0x00030004};
  return inputs;
}

Inputs DecodeInputs(Reader& reader) {
  Inputs inputs = HealthyInputs();
  const std::uint8_t fields = reader.Byte();
  if (fields & kServer) inputs.server = reader.Text(inputs.server);
  if (fields & kAlias) inputs.alias = reader.Text(inputs.alias);
  if (fields & kInterval) inputs.interval = reader.Text(inputs.interval);
  if (fields & kAccount) {
    const std::uint8_t found = reader.Byte();
    inputs.account.userName = Maybe(found & 1, reader);
    inputs.account.domain = Maybe(found & 2, reader);
    if (found & 4) inputs.account.processDomain = reader.Bytes({});
    inputs.account.tokenOpens = (found & 8) == 0;
  }
  if (fields & kRegistry) {
    const bool there = reader.Byte() != 0;
    const auto type = static_cast<DWORD>(reader.U32());
    std::string bytes = reader.Bytes({});
    inputs.registered =
        there ? std::optional(standins::StoredValue{type, std::move(bytes)}) : std::nullopt;
  }
  if (fields & kVersion) {
    standins::VersionResource& r = inputs.version.emplace();
    r.blockSize = reader.U32() % (kMaxBlockSize + 1);
    r.fileMS = reader.U32();
    r.fileLS = reader.U32();
    r.recordOffset = static_cast<std::int32_t>(reader.U32());
    r.recordLength = reader.U32();
    const std::uint8_t bits = reader.Byte();
    r.rootReadable = (bits & 1) == 0;
    r.fillFails = (bits & 2) != 0;
    r.filler = reader.Bytes({});
  }
  if (fields & kPressAgain) inputs.pressAgainMs = reader.U32();
  return inputs;
}

void EncodeInputs(const Inputs& inputs, Writer& writer) {
  writer.Byte(kServer | kAlias | kInterval | kAccount | kRegistry |
              (inputs.version ? kVersion : 0) | (inputs.pressAgainMs ? kPressAgain : 0));
  writer.Text(inputs.server);
  writer.Text(inputs.alias);
  writer.Text(inputs.interval);
  writer.Byte(static_cast<std::uint8_t>(
      (inputs.account.userName ? 1 : 0) | (inputs.account.domain ? 2 : 0) |
      (inputs.account.processDomain ? 4 : 0) | (inputs.account.tokenOpens ? 0 : 8)));
  writer.Bytes(inputs.account.userName.value_or(""));
  writer.Bytes(inputs.account.domain.value_or(""));
  if (inputs.account.processDomain) writer.Bytes(*inputs.account.processDomain);
  writer.Byte(inputs.registered ? 1 : 0);
  writer.U32(inputs.registered ? inputs.registered->type : 0);
  writer.Bytes(inputs.registered ? inputs.registered->bytes : "");
  if (const auto& r = inputs.version) {
    writer.U32(r->blockSize);
    writer.U32(r->fileMS);
    writer.U32(r->fileLS);
    writer.U32(static_cast<std::uint32_t>(r->recordOffset));
    writer.U32(r->recordLength);
    writer.Byte(static_cast<std::uint8_t>((r->rootReadable ? 0 : 1) | (r->fillFails ? 2 : 0)));
    writer.Bytes(r->filler);
  }
  if (inputs.pressAgainMs) writer.U32(*inputs.pressAgainMs);
}

sim::Outcome DecodeAnswer(Reader& reader, const sim::Outcome& healthy) {
  if (reader.AtEnd()) return healthy;
  const std::uint8_t head = reader.Byte();
  sim::Outcome outcome;
  switch (head & kKindMask) {
    case kOk:
      outcome.kind = sim::Outcome::Kind::Ok;
      break;
    case kNothing:
      outcome.kind = sim::Outcome::Kind::Nothing;
      break;
    case kNoInterface:
      outcome.kind = (head & kNullPointer) ? sim::Outcome::Kind::NullInterface
                                           : sim::Outcome::Kind::NoInterface;
      break;
    case kUnknown:
      outcome.kind = sim::Outcome::Kind::Unknown;
      break;
    case kValue:
      outcome.kind = sim::Outcome::Kind::Value;
      outcome.value = DecodeValue(reader);
      break;
    case kError:
      outcome.kind = sim::Outcome::Kind::Error;
      DecodeError(reader, outcome);
      break;
    case kDialog:
      outcome.kind = sim::Outcome::Kind::Dialog;
      DecodeCancel(reader, outcome);
      break;
    default:
      outcome = healthy;
      break;
  }
  outcome.blockMs = (head & kBlocks) ? reader.Byte() * kBlockUnitMs : 0;
  return outcome;
}

void EncodeAnswer(const sim::Outcome& outcome, Writer& writer) {
  const std::uint8_t blocks = outcome.blockMs > 0 ? kBlocks : 0;
  switch (outcome.kind) {
    case sim::Outcome::Kind::Ok:
      writer.Byte(kOk | blocks);
      break;
    case sim::Outcome::Kind::Nothing:
      writer.Byte(kNothing | blocks);
      break;
    case sim::Outcome::Kind::NoInterface:
      writer.Byte(kNoInterface | blocks);
      break;
    case sim::Outcome::Kind::NullInterface:
      writer.Byte(kNoInterface | kNullPointer | blocks);
      break;
    case sim::Outcome::Kind::Unknown:
      writer.Byte(kUnknown | blocks);
      break;
    case sim::Outcome::Kind::Value:
      writer.Byte(kValue | blocks);
      EncodeValue(outcome.value, writer);
      break;
    case sim::Outcome::Kind::Error:
      writer.Byte(kError | blocks);
      EncodeError(outcome, writer);
      break;
    case sim::Outcome::Kind::Dialog:
      writer.Byte(kDialog | blocks);
      EncodeCancel(outcome, writer);
      break;
  }
  if (blocks) writer.Byte(static_cast<std::uint8_t>(outcome.blockMs / kBlockUnitMs));
}

sim::DialogChoice DecodeDialogChoice(Reader& reader) {
  sim::DialogChoice choice;
  if (reader.AtEnd()) return {sim::DialogChoice::Button::Ok, 1, S_OK};
  switch (reader.Byte() % 3) {
    case 0:
      choice.button = sim::DialogChoice::Button::Ok;
      break;
    case 1:
      choice.button = sim::DialogChoice::Button::Cancel;
      break;
    default:
      choice.button = sim::DialogChoice::Button::NotShown;
      break;
  }
  choice.chosen = static_cast<std::int32_t>(reader.U32(1));
  choice.error = static_cast<HRESULT>(reader.U32());
  return choice;
}

void EncodeDialogChoice(const sim::DialogChoice& choice, Writer& writer) {
  writer.Byte(choice.button == sim::DialogChoice::Button::Ok       ? 0
              : choice.button == sim::DialogChoice::Button::Cancel ? 1
                                                                   : 2);
  writer.U32(static_cast<std::uint32_t>(choice.chosen));
  writer.U32(static_cast<std::uint32_t>(choice.error));
}

}  // namespace quorvel::fuzz
