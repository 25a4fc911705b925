// How the simulated world's journal writes the arguments it was given.
#include <gtest/gtest.h>

#include "runtime/variant.h"
#include "sim/journal_text.h"

namespace quorvel::sim {
namespace {

TEST(JournalTextTest, VariantsShowTypeAndValue) {
  Variant text = Variant::Text(L"a\\b \"c\"\n\u00e9");
  const Variant byRef = Variant::Ref(text);
  Variant nullText;
  nullText.put()->vt = VT_BSTR;
  Variant odd;
  odd.put()->vt = 4;  // a type the journal has no name for
  EXPECT_EQ(DescribeVariant(*Variant().get()), "VT_EMPTY");
  EXPECT_EQ(DescribeVariant(*Variant::Missing().get()), "VT_ERROR 0x80020004");
  EXPECT_EQ(DescribeVariant(*Variant::Bool(true).get()), "VT_BOOL -1");
  EXPECT_EQ(DescribeVariant(*Variant::Bool(false).get()), "VT_BOOL 0");
  EXPECT_EQ(DescribeVariant(*Variant::I2(-1).get()), "VT_I2 -1");
  EXPECT_EQ(DescribeVariant(*Variant::I4(74565).get()), "VT_I4 74565");
  EXPECT_EQ(DescribeVariant(*text.get()), "VT_BSTR \"a\\\\b \\\"c\\\"\\n\\u00E9\"");
  EXPECT_EQ(DescribeVariant(*byRef.get()), "VT_BSTR|VT_BYREF \"a\\\\b \\\"c\\\"\\n\\u00E9\"");
  EXPECT_EQ(DescribeVariant(*nullText.get()), "VT_BSTR null");
  EXPECT_EQ(DescribeVariant(*odd.get()), "VT_0x0004 ?");
}

TEST(JournalTextTest, ArgumentsFirstToLastThenNamed) {
  // rgvarg holds the named argument first, then the positional ones last to first.
  Variant args[] = {Variant::Text(L"named"), Variant::I2(2), Variant::I2(1)};
  VARIANT raw[] = {*args[0].get(), *args[1].get(), *args[2].get()};
  DISPID named[] = {6};
  const DISPPARAMS params{raw, named, 3, 1};
  EXPECT_EQ(DescribeArguments(params), "VT_I2 1, VT_I2 2, 6:=VT_BSTR \"named\"");
}

}  // namespace
}  // namespace quorvel::sim
