#include "fuzz/trace_forms.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/ansi_text.h"
#include "runtime/error_record.h"

namespace quorvel::fuzz {

namespace {

enum class Tail { None, Text, Error, Number, Recipients, Version };

// A line's start, the form of its tail, and the calls (scenario keys) whose answers the
// tail shows: a value, or an error's description.
struct Form {
  std::wstring_view start;
  Tail tail;
  std::array<std::string_view, 2> shows = {};
};

constexpr std::array kForms = {
    Form{L"Identity: ", Tail::Text},
    Form{L"Timer interval = ", Tail::Number},
    Form{L"Instantiating CDO", Tail::None},
    Form{L"Error instantiating CDO: ", Tail::Error, {"cdo.create"}},
    Form{L"Failed to instantiate CDO with no error", Tail::None},
    Form{L"Logging on to MAPI session using ", Tail::Text},
    Form{L"    Logon error: ", Tail::Error, {"cdo.logon"}},
    Form{L"    Session name: ", Tail::Text, {"cdo.name"}},
    Form{L"    Error accessing Inbox: ", Tail::Error, {"cdo.name", "cdo.inbox"}},
    Form{L"    Failed to open Inbox with no error", Tail::None},
    Form{L"    Successful logon", Tail::None},
    Form{L"Calling ShowAddressBook", Tail::None},
    Form{L"    AddressBook returned no recipients", Tail::None},
    Form{L"    AddressBook returned ", Tail::Recipients, {"cdo.recipients.count", "dialog"}},
    Form{L"Closing MAPI session", Tail::None},
    Form{L"RDO v.", Tail::Version},
    Form{L"Attempting LogonExchangeMailbox using ", Tail::Text},
    Form{L"    LogonExchangeMailbox returned err: ", Tail::Error, {"rdo.logon"}},
    Form{L"    LogonExchangeMailbox failed with no error", Tail::None},
    Form{L"    LogonExchangeMailbox returned LoggedOn = True, checking Inbox", Tail::None},
    Form{L"    Error fetching Inbox: ", Tail::Error, {"rdo.inbox"}},
    Form{L"    Fetching Inbox failed with no error", Tail::None},
    Form{L"    Retrieved Inbox. Message count = ", Tail::Number, {"rdo.items.count"}},
    Form{L"Attempting to retrieve AddressBook", Tail::None},
    Form{L"    Error retrieving AddressBook: ", Tail::Error, {"rdo.addressbook"}},
    Form{L"    AddressBook retrieval failed with no error", Tail::None},
    Form{L"    Retrieved AddressBook, fetching GAL", Tail::None},
    Form{L"        Error retrieving GAL: ", Tail::Error, {"rdo.gal"}},
    Form{L"        GAL retrieval failed with no error", Tail::None},
    Form{L"        Retrieved GAL, getting count of address entries", Tail::None},
    Form{L"        Error retrieving GAL entry count: ",
         Tail::Error,
         {"rdo.entries", "rdo.entries.count"}},
    Form{L"        AddressEntries retrieval failed with no error", Tail::None},
    Form{L"        GAL.AddressEntries.Count = ", Tail::Number, {"rdo.entries.count"}},
    Form{L"    ShowAddressBook returned no recipients", Tail::None},
    Form{L"    ShowAddressBook returned ", Tail::Recipients, {"rdo.recipients.count", "dialog"}},
    Form{L"    Timeout expired", Tail::None},
};

constexpr std::wstring_view kDelimiter = L"====================";
constexpr std::wstring_view kRecipients = L" recipients";

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Decimal digits without a leading zero (but "0"), at most `limit` in value.
bool IsDecimal(std::wstring_view text, std::uint64_t limit) {
  if (text.empty() || text.size() > 10 || (text.size() > 1 && text[0] == L'0')) return false;
  std::uint64_t value = 0;
  for (const wchar_t c : text) {
    if (!IsDigit(c)) return false;
    value = value * 10 + static_cast<std::uint64_t>(c - L'0');
  }
  return value <= limit;
}

bool IsNumber(std::wstring_view text) {
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
  if (!text.empty() && text[0] == L'-') return text != L"-0" && IsDecimal(text.substr(1), kMax + 1);
  return IsDecimal(text, kMax);
}

bool IsVersion(std::wstring_view text) {
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = part < 3 ? text.find(L'.') : text.size();
    if (dot == std::wstring_view::npos || !IsDecimal(text.substr(0, dot), 0xFFFF)) return false;
    text.remove_prefix(part < 3 ? dot + 1 : dot);
  }
  return text.empty();
}

// A character the trace writes as "?": every C0 control character but the tab, and DEL.
bool IsControl(wchar_t c) { return (c < L' ' && c != L'\t') || c == L'\x7F'; }

// Any text without control characters, which keeps the line one line and shows what it says.
bool IsText(std::wstring_view text) { return std::none_of(text.begin(), text.end(), IsControl); }

// A text from a library as the trace shows it.
std::wstring Mended(std::wstring text) {
  std::replace_if(text.begin(), text.end(), IsControl, L'?');
  return text;
}

bool IsErrorText(std::wstring_view text, Strictness strictness) {
  if (text.empty()) return strictness == Strictness::OutOfMemory;
  if (text.substr(0, 2) != L"&H") return false;
  text.remove_prefix(2);
  const std::size_t blank = text.find(L' ');
  if (blank == std::wstring_view::npos || blank == 0 || blank > 8) return false;
  const std::wstring_view digits = text.substr(0, blank);
  if (digits.size() > 1 && digits[0] == L'0') return false;
  for (const wchar_t c : digits) {
    if (!IsDigit(c) && !(c >= L'A' && c <= L'F')) return false;
  }
  return IsText(text.substr(blank + 1));
}

bool Fits(Tail tail, std::wstring_view rest, Strictness strictness) {
  switch (tail) {
    case Tail::None:
      return rest.empty();
    case Tail::Text:
      return IsText(rest);
    case Tail::Error:
      return IsErrorText(rest, strictness);
    case Tail::Number:
      return IsNumber(rest);
    case Tail::Recipients:
      return rest.size() > kRecipients.size() && rest.ends_with(kRecipients) &&
             IsNumber(rest.substr(0, rest.size() - kRecipients.size()));
    case Tail::Version:
      return IsVersion(rest);
  }
  return false;
}

std::string Quoted(std::wstring_view line) {
  return '"' + platform::ToAnsi(std::wstring(line)) + '"';
}

// The first form that `line` fits; null for none.
const Form* FormOf(std::wstring_view line, Strictness strictness) {
  for (const Form& form : kForms) {
    if (line.starts_with(form.start) &&
        Fits(form.tail, line.substr(form.start.size()), strictness)) {
      return &form;
    }
  }
  return nullptr;
}

bool Shows(const Form& form, std::string_view key) {
  return std::find(form.shows.begin(), form.shows.end(), key) != form.shows.end();
}

// A value as a tail of this kind shows it: a text as it is, mended; a whole number in
// decimal, as a text or a count; the empty value as nothing, or 0. None for a value that
// only a conversion shows (a date, a number written as text, ...): the check makes none.
std::optional<std::wstring> AsShown(const sim::ScenarioValue& value, Tail tail) {
  switch (value.type) {
    case VT_EMPTY:
      return tail == Tail::Text ? L"" : L"0";
    case VT_I2:
    case VT_I4:
    case VT_UI1:
      return std::to_wstring(value.number);
    case VT_BSTR:
      if (tail == Tail::Text) return Mended(value.text);
      break;
    default:
      break;
  }
  return std::nullopt;
}

// Every value that the calls a form shows answered; none when one of them answered with
// what only a conversion or an object's default member makes a value of (an object, no
// object, a failure with a success code), so that the line may show anything.
std::optional<std::vector<std::wstring>> AnsweredValues(const Form& form,
                                                        const std::vector<Answer>& answers) {
  std::vector<std::wstring> values;
  for (const Answer& answer : answers) {
    if (!Shows(form, answer.key)) continue;
    const sim::Outcome& outcome = answer.outcome;
    if (outcome.kind == sim::Outcome::Kind::Error && FAILED(outcome.error)) continue;
    std::optional<std::wstring> shown;
    if (outcome.kind == sim::Outcome::Kind::Value) shown = AsShown(outcome.value, form.tail);
    if (!shown) return std::nullopt;
    values.push_back(std::move(*shown));
  }
  return values;
}

void CheckShownValue(const Form& form, std::wstring_view line, std::wstring_view shown,
                     const std::vector<Answer>& answers, std::vector<std::string>& findings) {
  const auto values = AnsweredValues(form, answers);
  if (!values || std::find(values->begin(), values->end(), shown) != values->end()) return;
  std::string answered;
  for (const std::wstring& value : *values) answered += ' ' + Quoted(value);
  findings.push_back(Quoted(line) + " shows a value its library never answered; answered:" +
                     (answered.empty() ? " none" : answered));
}

// Whether an error answer fails with this number: its HRESULT, or the 16-bit code that a
// dispatch exception carries instead.
bool FailsWith(const sim::Outcome& outcome, std::uint32_t number) {
  const auto bits = static_cast<std::uint32_t>(outcome.error);
  return number == bits || (outcome.wCode && number == (bits & 0xFFFF));
}

// An error text whose number a call the line shows failed with must carry that failure's
// description, mended, unless it is the run time's own error of that number. A bare
// HRESULT's text is the system's and a dialog's failure the operator's: with either among
// the answers the line is not checked.
void CheckShownError(const Form& form, std::wstring_view line, std::wstring_view errorText,
                     const std::vector<Answer>& answers, std::vector<std::string>& findings) {
  errorText.remove_prefix(2);  // "&H"
  const std::size_t blank = errorText.find(L' ');
  std::uint32_t number = 0;
  for (const wchar_t c : errorText.substr(0, blank)) {
    number = number * 16 + static_cast<std::uint32_t>(IsDigit(c) ? c - L'0' : c - L'A' + 10);
  }
  const std::wstring_view description = errorText.substr(blank + 1);
  bool failed = false;
  for (const Answer& answer : answers) {
    if (!Shows(form, answer.key)) continue;
    const sim::Outcome& outcome = answer.outcome;
    if (outcome.kind == sim::Outcome::Kind::Dialog ||
        (outcome.kind == sim::Outcome::Kind::Error && outcome.plain)) {
      return;
    }
    if (outcome.kind != sim::Outcome::Kind::Error || !FailsWith(outcome, number)) continue;
    if (Mended(outcome.description) == description) return;
    failed = true;
  }
  const std::wstring_view own =
      RuntimeText(static_cast<RuntimeError>(static_cast<std::int32_t>(number)));
  if (failed && (own.empty() || own != description)) {
    findings.push_back(Quoted(line) + " does not show the description its library answered");
  }
}

// Every line that shows what a call answered shows it exactly as answered: the value, or
// the description of the failure with the number shown.
void CheckShownAnswers(const std::vector<std::wstring>& box, const std::vector<Answer>& answers,
                       std::vector<std::string>& findings) {
  for (const std::wstring& line : box) {
    const Form* form = FormOf(line, Strictness::Exact);
    if (!form || form->shows[0].empty()) continue;
    std::wstring_view tail = std::wstring_view(line).substr(form->start.size());
    if (form->tail == Tail::Error) {
      CheckShownError(*form, line, tail, answers, findings);
      continue;
    }
    if (form->tail == Tail::Recipients) tail.remove_suffix(kRecipients.size());
    CheckShownValue(*form, line, tail, answers, findings);
  }
}

std::vector<std::string> LogLines(const std::string& log, std::vector<std::string>& findings) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < log.size();) {
    const std::size_t end = log.find("\r\n", start);
    if (end == std::string::npos) {
      findings.push_back("log ends without CR LF: \"" + log.substr(start) + '"');
      break;
    }
    lines.push_back(log.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The log's lines between its delimiters, time stamp and colon taken off.
std::vector<std::wstring> LoggedTrace(const std::vector<std::string>& lines, bool endedByWatchdog,
                                      Strictness strictness, std::vector<std::string>& findings) {
  const std::string stamp = platform::ToAnsi(std::wstring(kStamp)) + ":";
  const std::string delimiter = platform::ToAnsi(std::wstring(kDelimiter));
  std::vector<std::wstring> trace;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool edge = i == 0 || i + 1 == lines.size();
    if (lines[i] == delimiter) {
      if (!edge && strictness == Strictness::Exact) findings.push_back("delimiter inside the run");
    } else if (lines[i].rfind(stamp, 0) == 0) {
      trace.push_back(platform::FromAnsi(lines[i].substr(stamp.size())));
    } else {
      findings.push_back("log line without its time stamp: \"" + lines[i] + '"');
    }
  }
  if (strictness == Strictness::Exact &&
      (lines.size() < 2 || lines.front() != delimiter || lines.back() != delimiter)) {
    findings.push_back("the run's log is not closed by its delimiters");
  }
  if (endedByWatchdog && (trace.empty() || trace.back() != L"    Timeout expired")) {
    findings.push_back("the program ended without the watchdog's last line");
  }
  return trace;
}

void CheckRefusedRun(const RunResult& result, Strictness strictness,
                     std::vector<std::string>& findings) {
  if (!result.log.empty() || !result.box.empty()) {
    findings.push_back("a refused press wrote to the trace");
  }
  if (strictness == Strictness::Exact && result.messages.size() != 1) {
    findings.push_back("a refused press showed " + std::to_string(result.messages.size()) +
                       " messages");
  }
}

void CheckTrace(const RunResult& result, Strictness strictness,
                std::vector<std::string>& findings) {
  for (const std::wstring& line : result.box) {
    if (!IsTraceLine(line, strictness)) findings.push_back("not a trace line: " + Quoted(line));
  }
  const std::vector<std::string> lines = LogLines(result.log, findings);
  const std::vector<std::wstring> logged =
      LoggedTrace(lines, result.endedByWatchdog, strictness, findings);
  for (const std::wstring& line : logged) {
    if (!IsTraceLine(line, strictness)) findings.push_back("not a log line: " + Quoted(line));
  }
  if (strictness != Strictness::Exact) return;
  for (std::size_t i = 0; i < std::max(logged.size(), result.box.size()); ++i) {
    const std::wstring inBox = i < result.box.size() ? result.box[i] : L"(none)";
    const std::wstring inLog = i < logged.size() ? logged[i] : L"(none)";
    if (platform::ToAnsi(inBox) != platform::ToAnsi(inLog)) {
      findings.push_back("line " + std::to_string(i + 1) + " of the box " + Quoted(inBox) + " is " +
                         Quoted(inLog) + " in the log");
    }
  }
  if (result.box.size() < 2 || !result.box[0].starts_with(L"Identity: ") ||
      !result.box[1].starts_with(L"Timer interval = ")) {
    findings.push_back("the run does not open with its identity and time-out lines");
  }
}

}  // namespace

bool IsTraceLine(std::wstring_view line, Strictness strictness) {
  return FormOf(line, strictness) != nullptr;
}

std::vector<std::string> Violations(const RunResult& result, Strictness strictness) {
  std::vector<std::string> findings;
  if (!result.escaped.empty()) findings.push_back("left the handler: " + result.escaped);
  if (result.stoppedAtEdge) findings.push_back("a statement's failure reached the handler's edge");
  if (result.liveObjects != 0) {
    findings.push_back(std::to_string(result.liveObjects) + " simulated objects left alive");
  }
  if (result.liveBstrs != 0) {
    findings.push_back(std::to_string(result.liveBstrs) + " strings never freed");
  }
  if (result.openKeys != 0) {
    findings.push_back(std::to_string(result.openKeys) + " registry keys left open");
  }
  // Memory may run out before a press has written anything at all.
  const bool refused = !result.messages.empty() || (strictness == Strictness::OutOfMemory &&
                                                    result.log.empty() && result.box.empty());
  if (refused) {
    CheckRefusedRun(result, strictness, findings);
  } else {
    CheckTrace(result, strictness, findings);
    if (strictness == Strictness::Exact && result.answers) {
      CheckShownAnswers(result.box, *result.answers, findings);
    }
  }
  return findings;
}

}  // namespace quorvel::fuzz
