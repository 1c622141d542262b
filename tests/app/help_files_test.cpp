#include "help_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "file_bytes.h"
#include "gbk.h"
#include "scratch_directory.h"

namespace {

class HelpFilesTest : public testing::Test {
 protected:
  const std::filesystem::path& Directory() const { return directory_.Path(); }
  HelpFiles Files(std::filesystem::path directory) {
    return HelpFiles(directory, [this] { return tick; },
                     [this](const std::filesystem::path& path) { started.push_back(path); });
  }

  std::uint64_t tick = 0xABC0;
  std::vector<std::filesystem::path> started;

 private:
  ScratchDirectory directory_;
};

TEST_F(HelpFilesTest, WritesGbkBytesToHexNamedFileAndStartsViewer) {
  HelpFiles files = Files(Directory());
  const auto path = files.ShowHelpText("帮助\r\n第二行\r\n");
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, Directory() / "ABC1.tmp");
  EXPECT_EQ(FileBytes(*path), Utf8ToGbk("帮助\r\n第二行\r\n"));
  EXPECT_EQ(started, std::vector{*path});
}

TEST_F(HelpFilesTest, EveryRequestGetsANewFileAndTakenNamesAreSkipped) {
  std::ofstream(Directory() / "ABC2.tmp") << "someone else's";
  std::ofstream(Directory() / "ABC3.tmp") << "someone else's";
  HelpFiles files = Files(Directory());
  EXPECT_EQ(files.ShowHelpText("a"), Directory() / "ABC1.tmp");
  EXPECT_EQ(files.ShowHelpText("b"), Directory() / "ABC4.tmp");
  EXPECT_EQ(FileBytes(Directory() / "ABC2.tmp"), "someone else's");
  EXPECT_EQ(started.size(), 2u);
}

TEST_F(HelpFilesTest, UnusableDirectoryShowsNothing) {
  std::ofstream(Directory() / "a file") << "kept";
  for (const std::filesystem::path& directory : {Directory() / "missing", Directory() / "a file"}) {
    HelpFiles files = Files(directory);
    EXPECT_FALSE(files.ShowHelpText("a"));
  }
  EXPECT_TRUE(started.empty());
  EXPECT_EQ(FileBytes(Directory() / "a file"), "kept");
}

}  // namespace
