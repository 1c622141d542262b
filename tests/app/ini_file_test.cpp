#include "ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "file_bytes.h"
#include "gbk.h"
#include "scratch_directory.h"

namespace {

class IniFileTest : public testing::Test {
 protected:
  std::filesystem::path Path() const { return directory_.Path() / "test.ini"; }
  void WriteBytes(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
  std::string Bytes() const { return FileBytes(Path()); }

 private:
  ScratchDirectory directory_;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsEmpty) {
  const IniFile ini(Path());
  EXPECT_EQ(ini.Read("配置", "计算精度"), "");
  WriteBytes("[other]\r\nkey=1\r\n");
  EXPECT_EQ(ini.Read("配置", "key"), "");
  EXPECT_EQ(ini.Read("other", "missing"), "");
}

TEST_F(IniFileTest, WritingCreatesFileAndSectionInGbk) {
  const IniFile ini(Path());
  ASSERT_TRUE(ini.Write("配置", "计算精度", "3"));
  ASSERT_TRUE(ini.Write("配置", "小数保留位数", "5"));
  EXPECT_EQ(Bytes(), Utf8ToGbk("[配置]\r\n计算精度=3\r\n小数保留位数=5\r\n"));
  EXPECT_EQ(ini.Read("配置", "计算精度"), "3");
  EXPECT_EQ(ini.Read("配置", "小数保留位数"), "5");
}

TEST_F(IniFileTest, WritingReplacesOnlyTheKeyAndKeepsEverythingElse) {
  WriteBytes("; comment\n[A]\nx = 1\ny=2\n\n[B]\nx=3");
  const IniFile ini(Path());
  ASSERT_TRUE(ini.Write("a", "X", "10"));
  ASSERT_TRUE(ini.Write("A", "z", "4"));
  ASSERT_TRUE(ini.Write("B", "w", "5"));
  ASSERT_TRUE(ini.Write("C", "v", "6"));
  EXPECT_EQ(Bytes(), "; comment\n[A]\nX=10\ny=2\nz=4\r\n\n[B]\nx=3\r\nw=5\r\n[C]\r\nv=6\r\n");
}

TEST_F(IniFileTest, NamesIgnoreAsciiCaseAndBlanksButNotGbkSecondBytes) {
  // 乤 is 0x81 0x61 in GBK, its second byte the letter "a"; 丄 is 0x81 0x41.
  WriteBytes(Utf8ToGbk("[ Section ]\r\n  Key  =  value with blanks  \r\n乤=1\r\nquoted=\"a b\"\r\n"));
  const IniFile ini(Path());
  EXPECT_EQ(ini.Read("SECTION", "key"), "value with blanks");
  EXPECT_EQ(ini.Read("section", "乤"), "1");
  EXPECT_EQ(ini.Read("section", "丄"), "");
  EXPECT_EQ(ini.Read("section", "quoted"), "a b");
}

TEST_F(IniFileTest, KeyAddedAfterALastLineEndingInCarriageReturnAlone) {
  WriteBytes("[s]\r\nk=1\r");
  const IniFile ini(Path());
  ASSERT_TRUE(ini.Write("s", "new", "2"));
  EXPECT_EQ(ini.Read("s", "new"), "2");
  EXPECT_EQ(ini.Read("s", "k"), "1");
}

TEST_F(IniFileTest, FirstOfRepeatedKeysIsReadAndWritten) {
  WriteBytes("[s]\nk=1\nk=2\n");
  const IniFile ini(Path());
  EXPECT_EQ(ini.Read("s", "k"), "1");
  ASSERT_TRUE(ini.Write("s", "k", "3"));
  EXPECT_EQ(Bytes(), "[s]\nk=3\nk=2\n");
}

TEST_F(IniFileTest, DirectoryIsNeitherReadNorWritten) {
  std::filesystem::create_directory(Path());
  const IniFile ini(Path());
  EXPECT_EQ(ini.Read("s", "k"), "");
  EXPECT_FALSE(ini.Write("s", "k", "1"));
  EXPECT_FALSE(FileExistsAndIsNotDirectory(Path()));
}
}  // namespace
