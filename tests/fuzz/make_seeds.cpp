// Writes the fuzzer's seed corpus: the healthy run, every golden case, every demo scenario,
// and a few inputs at the edges of what the operator, the registry and the version resource
// can hand the program. Each seed is recorded from a run and replayed at once; a seed whose
// replay differs from its recording is not written.
//
//   quorvel_fuzz_seeds SOURCE_DIR CORPUS_DIR
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "fuzz/fuzz_run.h"
#include "fuzz/trace_forms.h"
#include "probe_support/golden_case.h"
#include "standins/simulated_mapi.h"

namespace quorvel::fuzz {
namespace {

struct Seed {
  std::string name;
  Inputs inputs;
  sim::Scenario scenario = sim::Scenario::Healthy();
  // Answers no scenario text can give, by key, for every call of it.
  std::map<std::string, sim::Outcome> answers = {};
};

sim::Outcome Value(VARTYPE type, std::int32_t number, std::wstring text = {}) {
  sim::Outcome outcome;
  outcome.kind = sim::Outcome::Kind::Value;
  outcome.value = {type, number, std::move(text)};
  return outcome;
}

standins::VersionResource VersionOf(const std::wstring& version) {
  unsigned parts[4] = {};
  std::swscanf(version.c_str(), L"%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]);
  return {(parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]};
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void AddGoldenCases(const std::filesystem::path& folder, const std::string& group,
                    std::vector<Seed>& seeds) {
  for (const testing::GoldenCase& c : testing::LoadGoldenCases(folder)) {
    Seed seed{group + "-" + c.name, HealthyInputs()};
    seed.inputs.server = c.server;
    seed.inputs.alias = c.alias;
    seed.inputs.registered.reset();
    seed.inputs.version.reset();
    if (!c.version.empty()) {
      seed.inputs.registered = standins::Sz(standins::kRdoLibrary);
      seed.inputs.version = VersionOf(c.version);
    }
    seed.scenario = sim::Scenario::FromText(c.scenario);
    seeds.push_back(std::move(seed));
  }
}

// The demo's scenarios, with the time-out their demo types.
void AddScenarios(const std::filesystem::path& folder, std::vector<Seed>& seeds) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string text = FileText(entry.path());
    Seed seed{"scenario-" + entry.path().stem().string(), HealthyInputs()};
    seed.scenario = sim::Scenario::FromText(text);
    const std::size_t timeout = text.find("# demo-timeout: ");
    if (timeout != std::string::npos) {
      seed.inputs.interval = std::to_wstring(std::stoi(text.substr(timeout + 16)));
    }
    seeds.push_back(std::move(seed));
  }
}

void AddEdges(std::vector<Seed>& seeds) {
  const auto with = [&seeds](std::string name, auto change) {
    Seed seed{std::move(name), HealthyInputs()};
    change(seed);
    seeds.push_back(std::move(seed));
  };
  with("edge-server-empty", [](Seed& s) { s.inputs.server.clear(); });
  with("edge-alias-empty", [](Seed& s) { s.inputs.alias.clear(); });
  const std::pair<const char*, const wchar_t*> minutes[] = {
      {"over", L"35792"},
      {"lowest", L"-35791"},
      {"text", L"abc"},
      {"half", L" 2.5 "},
      {"huge", L"1e308"},
      {"empty", L""},
      {"round", L"\t+2.51"},
      {"up", L"2.6"},
      {"point", L"-5."},
      {"under", L"-35792"},
      {"wrap", L"4294967301"},
      {"wrap-under", L"-4294967301"},
      {"digits", L"99999999999999999999"},
  };
  for (const auto& [name, text] : minutes) {
    const std::wstring typed = text;
    with(std::string("edge-minutes-") + name, [&typed](Seed& s) { s.inputs.interval = typed; });
  }
  with("edge-inputs-unusual", [](Seed& s) {
    s.inputs.server = std::wstring(5000, L'S');
    s.inputs.alias = L"\x0434\x0436\x043E\x043D \x20AC";
  });
  const std::pair<const char*, standins::StoredValue> values[] = {
      {"expand", {REG_EXPAND_SZ, std::string("%SystemRoot%\\rdo.dll\0", 21)}},
      {"dword", standins::Dword(0xFFFFFFFF)},
      {"binary", {REG_BINARY, std::string("\x01\xAB\x0F", 3)}},
      {"multi", {7, std::string("a\0b\0\0", 5)}},
      {"twonuls", {REG_SZ, std::string("C:\\Program Files\\Sarnith\\rdo.dll\0\0", 34)}},
      // Larger than the buffer of its type: the query that reads the data gets "more data".
      {"dword-oversize", {REG_DWORD, std::string(8, '\1')}},
      {"binary-oversize", {REG_BINARY, std::string(300, '\xAB')}},
  };
  for (const auto& [name, value] : values) {
    const standins::StoredValue stored = value;
    with(std::string("edge-registry-") + name,
         [&stored](Seed& s) { s.inputs.registered = stored; });
  }
  with("edge-version-flush", [](Seed& s) { s.inputs.version->recordOffset = 160 - 52; });
  with("edge-version-start", [](Seed& s) { s.inputs.version->recordOffset = 0; });
  with("edge-version-fills", [](Seed& s) {
    s.inputs.version->blockSize = 52;
    s.inputs.version->recordOffset = 0;
  });
  with("edge-version-past", [](Seed& s) { s.inputs.version->recordOffset = 160 - 51; });
  with("edge-version-before", [](Seed& s) { s.inputs.version->recordOffset = -8; });
  with("edge-version-small-block", [](Seed& s) {
    s.inputs.version->blockSize = 40;
    s.inputs.version->recordOffset = 0;
  });
  with("edge-version-short", [](Seed& s) { s.inputs.version->recordLength = 12; });
  with("edge-version-no-record", [](Seed& s) { s.inputs.version->recordLength = 0; });
  with("edge-version-unreadable", [](Seed& s) { s.inputs.version->rootReadable = false; });
  with("edge-version-fill-fails", [](Seed& s) { s.inputs.version->fillFails = true; });
  with("edge-account-unknown", [](Seed& s) { s.inputs.account.domain.reset(); });
  with("edge-account-namesake", [](Seed& s) {
    s.inputs.account = {"Administrator", "PC01", "CORP"};
  });
  with("edge-account-token-unreadable", [](Seed& s) {
    s.inputs.account = {"jdoe", std::nullopt, "CORP", false};
  });
  with("edge-account-none", [](Seed& s) { s.inputs.account.userName.reset(); });
  // Control characters in library text: line breaks and a NUL, then an escape sequence,
  // backspaces, a tab (which stays), text mode's end-of-file mark and DEL; in a name, and
  // in a description.
  with("edge-names-hostile", [](Seed& s) {
    using std::literals::string_literals::operator""s;
    s.answers["cdo.name"] =
        Value(VT_BSTR, 0, L"jd\r\n    Successful logon\0x\x1B[2K\b\b\tok\x1A\x7F"s);
    s.scenario.Apply(
        "rdo.entries.count = error 0x80040115 \"net\\u001B[31mwork\\u0000down\\u0008\\u007F\"");
  });
  with("edge-values-unexpected", [](Seed& s) {
    s.answers["cdo.name"] = Value(VT_DATE, 45000);
    s.answers["cdo.recipients.count"] = Value(VT_BSTR, 0, L" 12 ");
    s.answers["rdo.loggedon"] = Value(VT_BOOL, 1);
  });
  // Answers no golden case gives: an exception's 16-bit code; no RDO session; objects as
  // VARIANTs of every other kind, and one that claims the interface asked for but gives no
  // pointer; failures as bare HRESULTs, for CDO and for RDO; a count beyond 32 bits.
  const std::pair<const char*, const char*> answers[] = {
      {"wcode", "cdo.logon = error wcode 1001 \"Logon refused\""},
      {"rdo-uncreatable", "rdo.create = error 0x80040154 \"Class not registered\""},
      {"object-empty", "cdo.inbox = value empty"},
      {"object-null", "cdo.addressbook = value null"},
      {"object-other", "cdo.addressbook = value 3"},
      {"object-unknown", "cdo.inbox = unknown\ncdo.addressbook = unknown"},
      {"object-null-pointer", "cdo.inbox = nullinterface"},
      {"errors-plain", "cdo.logon = error plain 0x80040111\nrdo.inbox = error plain 0x80004005"},
      {"count-overflow", "cdo.recipients.count = value \"1e10\""},
  };
  for (const auto& [name, text] : answers) {
    const std::string scenario = text;
    with(std::string("edge-") + name, [&scenario](Seed& s) { s.scenario.Apply(scenario); });
  }
  // Test pressed again while the logon pumps messages, for 20 s.
  with("edge-second-press", [](Seed& s) {
    s.inputs.pressAgainMs = 1000;
    s.scenario.Apply("cdo.logon = block 20000 then ok");
  });
  with("edge-rdo-hang-ticks", [](Seed& s) {
    s.inputs.interval = L"1";
    s.scenario.Apply("rdo.logon = block 150000 then ok");
  });
}

bool Write(const Seed& seed, const std::filesystem::path& corpus) {
  const auto answers = [&seed](const std::string& key, int call) {
    const auto fixed = seed.answers.find(key);
    if (fixed != seed.answers.end()) return fixed->second;
    const sim::Outcome* outcome = seed.scenario.For(key, call);
    return outcome ? *outcome : HealthyAnswer(key);
  };
  RunResult recorded;
  const std::vector<std::uint8_t> bytes = RecordInput(seed.inputs, answers, recorded);
  RunResult replayed;
  {
    Reader reader(bytes);
    const Inputs inputs = DecodeInputs(reader);
    sim::World world([&reader](const std::string& key, int) {
      return DecodeAnswer(reader, HealthyAnswer(key));
    });
    world.SetDialogOperator(
        [&reader](const sim::DialogRequest&) { return DecodeDialogChoice(reader); });
    replayed = PressTest(inputs, world, LogFolder());
  }
  if (replayed.box != recorded.box || replayed.log != recorded.log) {
    std::fprintf(stderr, "%s: the replay differs from the recording\n", seed.name.c_str());
    return false;
  }
  for (const std::string& finding : Violations(recorded, Strictness::Exact)) {
    std::fprintf(stderr, "%s: %s\n", seed.name.c_str(), finding.c_str());
  }
  std::ofstream(corpus / seed.name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return true;
}

}  // namespace
}  // namespace quorvel::fuzz

int main(int argc, char** argv) {
  using namespace quorvel::fuzz;  // NOLINT(google-build-using-namespace)
  if (argc != 3) {
    std::fprintf(stderr, "usage: quorvel_fuzz_seeds SOURCE_DIR CORPUS_DIR\n");
    return 2;
  }
  const std::filesystem::path source = argv[1];
  const std::filesystem::path corpus = argv[2];
  std::filesystem::create_directories(corpus);
  std::vector<Seed> seeds;
  seeds.push_back({"healthy", HealthyInputs()});
  AddGoldenCases(source / "tests/cdo/cases", "cdo", seeds);
  AddGoldenCases(source / "tests/rdo/cases", "rdo", seeds);
  AddScenarios(source / "sim/scenarios", seeds);
  AddEdges(seeds);
  int failed = 0;
  for (const Seed& seed : seeds) failed += Write(seed, corpus) ? 0 : 1;
  std::printf("%zu seeds written, %d not\n", seeds.size() - static_cast<std::size_t>(failed),
              failed);
  return failed == 0 ? 0 : 1;
}
