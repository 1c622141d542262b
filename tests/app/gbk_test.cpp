#include "gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, ConvertsBothWays) {
  const std::string gbk = Utf8ToGbk("配置 ini");
  EXPECT_EQ(gbk, "\xC5\xE4\xD6\xC3 ini");
  EXPECT_EQ(GbkToUtf8(gbk), "配置 ini");
}

TEST(Gbk, ReplacesWhatCannotBeConverted) {
  EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a\uFFFD" "b");
  EXPECT_EQ(GbkToUtf8("a\xC5"), "a\uFFFD");  // a lead byte at the end
  EXPECT_EQ(Utf8ToGbk("a\xFF" "b"), "a?b");
}
