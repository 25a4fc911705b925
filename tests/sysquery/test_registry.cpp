#include <gtest/gtest.h>

#include "platform/host/host_control.h"
#include "standins/registry_standin.h"
#include "sysquery/advapi32_functions.h"
#include "sysquery/bas_registry.h"

namespace quorvel {
namespace {

using standins::StoredValue;

constexpr char kKey[] = "CLSID\\{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}\\InprocServer32";
const std::wstring kKeyW = L"CLSID\\{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}\\InprocServer32";

struct QueryCase {
  const char* name;
  std::optional<StoredValue> stored;  // nullopt: no such value
  std::int32_t status;
  RegValue queried;                    // what QueryRegValue leaves in a fresh value
  RegValue got;                        // what GetRegValue returns
  std::optional<DWORD> dataQuerySize;  // the buffer size of the data query, when one is made
};

void PrintTo(const QueryCase& c, std::ostream* os) { *os << c.name; }

class QueryRegValueTest : public ::testing::TestWithParam<QueryCase> {
 protected:
  void SetUp() override { host::ResetPlatform(); }
  void TearDown() override { host::ResetPlatform(); }
};

TEST_P(QueryRegValueTest, ReadsByTypeAndGetDropsOneTrailingNul) {
  const QueryCase& c = GetParam();
  standins::RegistryKeys keys{{kKey, {}}};
  if (c.stored) keys[kKey][""] = *c.stored;
  standins::InstallRegistry(keys);

  HKEY key = nullptr;
  ASSERT_EQ(advapi32::RegOpenKeyA(HKEY_CLASSES_ROOT, kKey, &key), ERROR_SUCCESS);
  RegValue value;
  EXPECT_EQ(basRegistry::QueryRegValue(key, L"", value), c.status);
  EXPECT_EQ(value, c.queried);
  if (c.dataQuerySize) {
    EXPECT_EQ(standins::DataQuerySizes(), std::vector<DWORD>{*c.dataQuerySize});
  } else {
    EXPECT_TRUE(standins::DataQuerySizes().empty());
  }
  advapi32::RegCloseKey(key);

  EXPECT_EQ(basRegistry::GetRegValue(HKEY_CLASSES_ROOT, kKeyW, L""), c.got);
  EXPECT_EQ(standins::OpenKeyCount(), 0);
}

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

INSTANTIATE_TEST_SUITE_P(
    Types, QueryRegValueTest,
    ::testing::Values(
        QueryCase{"sz", standins::Sz("C:\\rdo.dll"), 0, std::wstring(L"C:\\rdo.dll\0", 11),
                  std::wstring(L"C:\\rdo.dll"), 11},
        QueryCase{"szTwoNuls", StoredValue{REG_SZ, std::string("abc\0\0", 5)}, 0,
                  std::wstring(L"abc\0\0", 5), std::wstring(L"abc\0", 4), 5},
        QueryCase{"szWithoutNul", StoredValue{REG_SZ, "abc"}, 0, std::wstring(L"abc"),
                  std::wstring(L"abc"), 3},
        QueryCase{"szEmpty", StoredValue{REG_SZ, ""}, 0, std::wstring(), std::wstring(), 0u},
        QueryCase{"expandSzUnexpanded",
                  StoredValue{REG_EXPAND_SZ, std::string("%SystemRoot%\\x.dll\0", 19)}, 0,
                  std::wstring(L"%SystemRoot%\\x.dll\0", 19), std::wstring(L"%SystemRoot%\\x.dll"),
                  19},
        QueryCase{"dwordAllOnes", standins::Dword(4294967295u), 0, std::int32_t{-1},
                  std::int32_t{-1}, 4},
        QueryCase{"dword", standins::Dword(42), 0, std::int32_t{42}, std::int32_t{42}, 4},
        QueryCase{"dwordOversize", StoredValue{REG_DWORD, std::string(8, '\1')}, ERROR_MORE_DATA,
                  std::monostate{}, std::monostate{}, 4},
        QueryCase{"binaryEmpty", StoredValue{REG_BINARY, ""}, 0, std::wstring(), std::wstring(),
                  0u},
        QueryCase{"binaryOneByte", StoredValue{REG_BINARY, Bytes({0x0A})}, 0, std::wstring(L"0A"),
                  std::wstring(L"0A"), 1},
        QueryCase{"binaryThree", StoredValue{REG_BINARY, Bytes({0x01, 0xAB, 0x0F})}, 0,
                  std::wstring(L"01 AB 0F"), std::wstring(L"01 AB 0F"), 3},
        QueryCase{"binaryOversize", StoredValue{REG_BINARY, std::string(256, '\x11')},
                  ERROR_MORE_DATA, std::wstring(), std::wstring(), 255},
        QueryCase{"multiSz", StoredValue{REG_MULTI_SZ, std::string("a\0b\0\0", 5)}, -1,
                  std::monostate{}, std::monostate{}, std::nullopt},
        QueryCase{"none", StoredValue{REG_NONE, "x"}, -1, std::monostate{}, std::monostate{},
                  std::nullopt},
        QueryCase{"missing", std::nullopt, ERROR_FILE_NOT_FOUND, std::monostate{}, std::monostate{},
                  std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegistryTest, BinaryOfExactly255BytesIsReadWhole) {
  host::ResetPlatform();
  standins::InstallRegistry({{kKey, {{"", StoredValue{REG_BINARY, std::string(255, '\xFF')}}}}});
  const std::wstring text = RegValueText(basRegistry::GetRegValue(HKEY_CLASSES_ROOT, kKeyW, L""));
  EXPECT_EQ(text.size(), 255u * 3 - 1);
  EXPECT_EQ(text.substr(0, 5), L"FF FF");
}

TEST(RegistryTest, ValueNotWrittenKeepsWhatTheCallerPutIn) {
  host::ResetPlatform();
  standins::InstallRegistry({{kKey, {{"", StoredValue{REG_MULTI_SZ, "x"}}}}});
  HKEY key = nullptr;
  advapi32::RegOpenKeyA(HKEY_CLASSES_ROOT, kKey, &key);
  RegValue value = std::int32_t{7};
  EXPECT_EQ(basRegistry::QueryRegValue(key, L"missing", value), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(basRegistry::QueryRegValue(key, L"", value), -1);
  EXPECT_EQ(value, RegValue{std::int32_t{7}});
  advapi32::RegCloseKey(key);
}

TEST(RegistryTest, MissingKeyOrUnboundFunctionsGiveEmptyWithoutRaising) {
  host::ResetPlatform();
  standins::InstallRegistry({{kKey, {{"", standins::Sz("x")}}}});
  EXPECT_EQ(basRegistry::GetRegValue(HKEY_CLASSES_ROOT, L"CLSID\\{missing}", L""), RegValue{});
  EXPECT_EQ(standins::OpenKeyCount(), 0);
  host::ClearExports();
  EXPECT_EQ(basRegistry::GetRegValue(HKEY_CLASSES_ROOT, kKeyW, L""), RegValue{});
}

TEST(RegistryTest, MultiByteTextIsCutByBytesBeforeConversion) {
  host::ResetPlatform();
  host::SetAnsiCodePage(65001);
  standins::InstallRegistry({{kKey,
                              {{"", standins::Sz("C:\\Programme\\B\xC3\xBC"
                                                 "ro\\rdo.dll")}}}});
  EXPECT_EQ(basRegistry::GetRegValue(HKEY_CLASSES_ROOT, kKeyW, L""),
            RegValue{std::wstring(L"C:\\Programme\\B\u00FCro\\rdo.dll")});
  host::ResetPlatform();
}

TEST(RegValueTextTest, RendersEachKind) {
  EXPECT_EQ(RegValueText(RegValue{}), L"");
  EXPECT_EQ(RegValueText(RegValue{std::wstring(L"a")}), L"a");
  EXPECT_EQ(RegValueText(RegValue{std::int32_t{-1}}), L"-1");
}

}  // namespace
}  // namespace quorvel
