#include <gtest/gtest.h>

#include <vector>

#include "console_fixture.h"
#include "platform/host/host_control.h"
#include "standins/registry_standin.h"
#include "standins/version_standin.h"
#include "sysquery/bas_version.h"

namespace quorvel {
namespace {

struct WordCase {
  std::uint32_t number;
  std::int32_t hi;
  std::int32_t lo;
};

class WordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordTest, SplitsIntoUnsignedHalves) {
  const auto n = static_cast<std::int32_t>(GetParam().number);
  EXPECT_EQ(basVersion::HiWord(n), GetParam().hi);
  EXPECT_EQ(basVersion::LoWord(n), GetParam().lo);
}

INSTANTIATE_TEST_SUITE_P(Halves, WordTest,
                         ::testing::Values(WordCase{0x00040005, 4, 5}, WordCase{0, 0, 0},
                                           WordCase{0xFFFFFFFF, 65535, 65535},
                                           WordCase{0x80000000, 32768, 0},
                                           WordCase{0x7FFF8000, 32767, 32768},
                                           WordCase{0x013F0001, 319, 1}));

struct FileVersionCase {
  const char* name;
  std::wstring path;
  standins::VersionResource resource;
  std::wstring expected;
  std::vector<std::size_t> copied;  // the byte counts copied out of the block
};

void PrintTo(const FileVersionCase& c, std::ostream* os) { *os << c.name; }

class FileVersionTest : public ::testing::TestWithParam<FileVersionCase> {
 protected:
  void SetUp() override { host::ResetPlatform(); }
  void TearDown() override { host::ResetPlatform(); }
};

TEST_P(FileVersionTest, ReadsTheFixedFileVersion) {
  const FileVersionCase& c = GetParam();
  standins::InstallVersions({{"C:\\lib\\rdo.dll", c.resource}});
  EXPECT_EQ(basVersion::GetFileVersion(c.path), c.expected);
  EXPECT_EQ(standins::CopiedLengths(), c.copied);
}

constexpr std::uint32_t kV1234MS = 0x00010002;
constexpr std::uint32_t kV1234LS = 0x00030004;

INSTANTIATE_TEST_SUITE_P(
    Files, FileVersionTest,
    ::testing::Values(
        FileVersionCase{
            "plain", L"C:\\lib\\rdo.dll", {0x00050000, 0x013F0001, 9, 9}, L"5.0.319.1", {52}},
        FileVersionCase{
            "highHalves", L"C:\\lib\\rdo.dll", {0xFFFF8000, 0x00000007}, L"65535.32768.0.7", {52}},
        FileVersionCase{"productVersionIgnored",
                        L"C:\\lib\\rdo.dll",
                        {kV1234MS, kV1234LS, 0x00090009, 0x00090009},
                        L"1.2.3.4",
                        {52}},
        FileVersionCase{"emptyPath", L"", {0x00010000, 0}, L"", {}},
        FileVersionCase{"noResource", L"C:\\lib\\other.dll", {0x00010000, 0}, L"", {}},
        FileVersionCase{
            "rootUnreadable", L"C:\\lib\\rdo.dll", {0x00010000, 0, 0, 0, false}, L"", {}},
        FileVersionCase{
            "fillFails", L"C:\\lib\\rdo.dll", {0x00010000, 0, 0, 0, true, true}, L"", {}},
        // The record's bounds: at the block's first byte, flush with its end, or filling it
        // exactly it is read; a byte past the end, or starting before the block, nothing
        // is copied.
        FileVersionCase{"recordAtBlockStart",
                        L"C:\\lib\\rdo.dll",
                        {.fileMS = kV1234MS, .fileLS = kV1234LS, .recordOffset = 0},
                        L"1.2.3.4",
                        {52}},
        FileVersionCase{
            "recordFillsBlock",
            L"C:\\lib\\rdo.dll",
            {.fileMS = kV1234MS, .fileLS = kV1234LS, .blockSize = 52, .recordOffset = 0},
            L"1.2.3.4",
            {52}},
        FileVersionCase{"recordFlushWithBlockEnd",
                        L"C:\\lib\\rdo.dll",
                        {.fileMS = kV1234MS, .fileLS = kV1234LS, .recordOffset = 160 - 52},
                        L"1.2.3.4",
                        {52}},
        FileVersionCase{"recordPastBlockEnd",
                        L"C:\\lib\\rdo.dll",
                        {.fileMS = kV1234MS, .fileLS = kV1234LS, .recordOffset = 160 - 51},
                        L"",
                        {}},
        FileVersionCase{"recordBeforeBlock",
                        L"C:\\lib\\rdo.dll",
                        {.fileMS = kV1234MS, .fileLS = kV1234LS, .recordOffset = -4},
                        L"",
                        {}},
        FileVersionCase{"blockShorterThanRecord",
                        L"C:\\lib\\rdo.dll",
                        {.fileMS = kV1234MS, .blockSize = 40, .recordOffset = 0},
                        L"",
                        {}},
        // A short record is copied only as far as reported: the fields past it stay 0.
        FileVersionCase{"shortRecord",
                        L"C:\\lib\\rdo.dll",
                        {.fileMS = kV1234MS, .fileLS = kV1234LS, .recordLength = 12},
                        L"1.2.0.0",
                        {12}},
        FileVersionCase{"reportedLengthBeyondRecord",
                        L"C:\\lib\\rdo.dll",
                        {.fileMS = kV1234MS, .fileLS = kV1234LS, .recordLength = 4096},
                        L"1.2.3.4",
                        {52}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileVersionUnbound, VersionDllMissingGivesEmpty) {
  host::ResetPlatform();
  EXPECT_EQ(basVersion::GetFileVersion(L"C:\\lib\\rdo.dll"), L"");
}

using GetVersionRdoTest = testing::ConsoleTest;

constexpr char kServerKey[] = "CLSID\\{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}\\InprocServer32";

TEST_F(GetVersionRdoTest, RegisteredFileWithVersion) {
  standins::InstallRegistry({{kServerKey, {{"", standins::Sz("C:\\lib\\rdo.dll")}}}});
  standins::InstallVersions({{"C:\\lib\\rdo.dll", {0x00050000, 0x013F0001}}});
  EXPECT_EQ(form_.GetVersionRDO(), L"5.0.319.1");
}

TEST_F(GetVersionRdoTest, PathIsUsedExactlyAsStored) {
  standins::InstallVersions({{"C:\\Windows\\rdo.dll", {0x00050000, 0x013F0001}}});
  for (const auto& stored :
       {standins::StoredValue{REG_EXPAND_SZ, std::string("%SystemRoot%\\rdo.dll\0", 21)},
        standins::Sz("\"C:\\Windows\\rdo.dll\"")}) {
    standins::InstallRegistry({{kServerKey, {{"", stored}}}});
    EXPECT_EQ(form_.GetVersionRDO(), L"") << stored.bytes;
  }
}

TEST_F(GetVersionRdoTest, KeyAbsentOrNoDefaultValue) {
  standins::InstallVersions({{"C:\\lib\\rdo.dll", {0x00050000, 0x013F0001}}});
  standins::InstallRegistry({});
  EXPECT_EQ(form_.GetVersionRDO(), L"");
  standins::InstallRegistry({{kServerKey, {{"ThreadingModel", standins::Sz("Apartment")}}}});
  EXPECT_EQ(form_.GetVersionRDO(), L"");
}

}  // namespace
}  // namespace quorvel
