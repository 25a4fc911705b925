#include "sim/scenario.h"

#include <charconv>
#include <limits>
#include <vector>

#include "sim/healthy_scenario.h"
#include "sim/scenario_tokens.h"

namespace quorvel::sim {

namespace {

struct Entry {
  int line = 0;
  std::string key;
  int call = 0;  // 0: every call
  Outcome outcome;
};

template <class Number>
bool ParseNumber(std::string_view text, Number& out, int base = 10) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, out, base);
  return error == std::errc() && stop == end && !text.empty();
}

HRESULT ParseHresult(TokenReader& reader) {
  const std::string word = reader.Word("an HRESULT");
  std::uint32_t bits = 0;
  std::int32_t signedValue = 0;
  if (word.rfind("0x", 0) == 0 && ParseNumber(std::string_view(word).substr(2), bits, 16)) {
    return static_cast<HRESULT>(bits);
  }
  if (ParseNumber(word, signedValue)) return signedValue;
  reader.Fail("not an HRESULT: " + word);
}

ScenarioValue ParseTypedNumber(TokenReader& reader, VARTYPE type) {
  const std::string word = reader.Word("a number");
  std::int32_t number = 0;
  const bool fits = ParseNumber(word, number) &&
                    (type == VT_I4 || (number >= std::numeric_limits<std::int16_t>::min() &&
                                       number <= std::numeric_limits<std::int16_t>::max()));
  if (!fits)
    reader.Fail("not a " + std::string(type == VT_I2 ? "16" : "32") + "-bit integer: " + word);
  return {type, number, {}};
}

ScenarioValue ParseBool(TokenReader& reader) {
  const std::string word = reader.Word("true or false");
  if (word == "true") return {VT_BOOL, VARIANT_TRUE, {}};
  if (word == "false") return {VT_BOOL, VARIANT_FALSE, {}};
  reader.Fail("not true or false: " + word);
}

ScenarioValue ParseValue(TokenReader& reader) {
  if (reader.Take("empty")) return {VT_EMPTY, 0, {}};
  if (reader.Take("null")) return {VT_NULL, 0, {}};
  if (reader.Take("i2")) return ParseTypedNumber(reader, VT_I2);
  if (reader.Take("i4")) return ParseTypedNumber(reader, VT_I4);
  if (reader.Take("bool")) return ParseBool(reader);
  if (reader.Take("text")) return {VT_BSTR, 0, reader.Text("a text")};
  const Token& token = reader.Next("a value");
  std::int32_t number = 0;
  if (!token.quoted && ParseNumber(std::string(token.text.begin(), token.text.end()), number)) {
    return {VT_I4, number, {}};
  }
  return {VT_BSTR, 0, token.text};
}

// `error [plain] [deferred] [wcode] HRESULT [description]` after its first word.
void ParseError(TokenReader& reader, Outcome& outcome) {
  outcome.plain = reader.Take("plain");
  outcome.deferred = reader.Take("deferred");
  outcome.wCode = reader.Take("wcode");
  outcome.error = ParseHresult(reader);
  if (outcome.wCode && (outcome.error < 1 || outcome.error > 0xFFFF)) {
    reader.Fail("a wcode is 1 to 65535");
  }
  if (!reader.AtEnd()) outcome.description = reader.Text("a description");
}

// `cancel nothing|empty|error ...` after `dialog`; nothing without it.
void ParseCancel(TokenReader& reader, Outcome& outcome) {
  if (!reader.Take("cancel")) return;
  const std::string word = reader.Word("what Cancel answers");
  if (word == "nothing") {
    outcome.cancel = Outcome::Kind::Nothing;
  } else if (word == "empty") {
    outcome.cancel = Outcome::Kind::Ok;
    outcome.chosen = 0;
  } else if (word == "error") {
    outcome.cancel = Outcome::Kind::Error;
    ParseError(reader, outcome);
  } else {
    reader.Fail("Cancel answers nothing, empty or error, not " + word);
  }
}

Outcome ParseOutcome(TokenReader& reader) {
  Outcome outcome;
  if (reader.Take("block")) {
    if (!ParseNumber(reader.Word("a time in milliseconds"), outcome.blockMs)) {
      reader.Fail("not a time in milliseconds");
    }
    reader.Expect("then");
  }
  const std::string word = reader.Word("an outcome");
  if (word == "ok") {
    outcome.kind = Outcome::Kind::Ok;
  } else if (word == "nothing") {
    outcome.kind = Outcome::Kind::Nothing;
  } else if (word == "nointerface") {
    outcome.kind = Outcome::Kind::NoInterface;
  } else if (word == "unknown") {
    outcome.kind = Outcome::Kind::Unknown;
  } else if (word == "nullinterface") {
    outcome.kind = Outcome::Kind::NullInterface;
  } else if (word == "value") {
    outcome.kind = Outcome::Kind::Value;
    outcome.value = ParseValue(reader);
  } else if (word == "error") {
    outcome.kind = Outcome::Kind::Error;
    ParseError(reader, outcome);
    outcome.writes = reader.Take("writing");
    if (outcome.writes) outcome.value = ParseValue(reader);
  } else if (word == "dialog") {
    outcome.kind = Outcome::Kind::Dialog;
    ParseCancel(reader, outcome);
  } else {
    reader.Fail("unknown outcome: " + word);
  }
  reader.ExpectEnd();
  return outcome;
}

// "cdo.logoff" or "cdo.logoff[2]".
void ParseKey(std::string_view text, int lineNumber, Entry& entry) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  const std::size_t open = text.find('[');
  if (open != std::string_view::npos) {
    if (text.back() != ']' ||
        !ParseNumber(text.substr(open + 1, text.size() - open - 2), entry.call) || entry.call < 1) {
      FailLine(lineNumber, "a call number is written [1], [2], ...");
    }
    text = text.substr(0, open);
  }
  for (const char c : text) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
    if (!allowed) FailLine(lineNumber, "not a member name: " + std::string(text));
  }
  if (text.empty()) FailLine(lineNumber, "a member name is missing before '='");
  entry.key = text;
}

// The members whose fakes can show the address book dialog.
bool ShowsDialog(std::string_view key) {
  return key == "cdo.addressbook" || key == "rdo.showaddressbook";
}

std::vector<Entry> ParseText(std::string_view text) {
  std::vector<Entry> entries;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) FailLine(lineNumber, "expected 'member = outcome'");
    Entry entry;
    entry.line = lineNumber;
    ParseKey(line.substr(0, equals), lineNumber, entry);
    TokenReader reader(Tokenize(line.substr(equals + 1), lineNumber), lineNumber);
    entry.outcome = ParseOutcome(reader);
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

bool ScenarioValue::Put(VARIANT* out) const {
  VariantClear(out);
  switch (type) {
    case VT_I2:
      out->iVal = static_cast<SHORT>(number);
      break;
    case VT_I4:
      out->lVal = number;
      break;
    case VT_UI1:
      out->bVal = static_cast<BYTE>(number);
      break;
    case VT_R8:
      out->dblVal = number;
      break;
    case VT_DATE:
      out->date = number;
      break;
    case VT_ERROR:
      out->scode = number;
      break;
    case VT_BOOL:
      out->boolVal = static_cast<VARIANT_BOOL>(number);
      break;
    case VT_BSTR:
      out->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
      if (!out->bstrVal) return false;
      break;
    default:
      break;
  }
  out->vt = type;
  return true;
}

Scenario Scenario::Healthy() {
  Scenario scenario;
  for (Entry& entry : ParseText(kHealthyScenario)) {
    scenario.everyCall_[entry.key] = std::move(entry.outcome);
  }
  return scenario;
}

Scenario Scenario::FromText(std::string_view text) {
  Scenario scenario = Healthy();
  scenario.Apply(text);
  return scenario;
}

void Scenario::Apply(std::string_view text) {
  const std::vector<Entry> entries = ParseText(text);
  for (const Entry& entry : entries) {
    if (!everyCall_.contains(entry.key)) FailLine(entry.line, "unknown member: " + entry.key);
    if (entry.outcome.kind == Outcome::Kind::Dialog && !ShowsDialog(entry.key)) {
      FailLine(entry.line, "only cdo.addressbook and rdo.showaddressbook show a dialog");
    }
  }
  for (const Entry& entry : entries) {
    if (entry.call == 0) {
      everyCall_[entry.key] = entry.outcome;
    } else {
      oneCall_[{entry.key, entry.call}] = entry.outcome;
    }
  }
}

const Outcome* Scenario::For(const std::string& key, int call) const {
  const auto one = oneCall_.find({key, call});
  if (one != oneCall_.end()) return &one->second;
  const auto every = everyCall_.find(key);
  return every == everyCall_.end() ? nullptr : &every->second;
}

}  // namespace quorvel::sim
