#include "data/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_files.h"

namespace alacrity {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;
namespace fs = std::filesystem;

const std::vector<uint8_t> Old = {'o', 'l', 'd'};
const std::vector<uint8_t> New = {'n', 'e', 'w', '!'};

std::size_t EntriesIn(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

TEST(ReadFileBytes, CapsWhatItReadsAndSaysWhenMoreFollowed) {
  TempDir dir;
  WriteAll(dir / "f", {1, 2, 3, 4, 5});
  auto whole = ReadFileBytes(dir / "f");
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->bytes, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
  EXPECT_FALSE(whole->truncated);

  auto exact = ReadFileBytes(dir / "f", 5);
  ASSERT_TRUE(exact);
  EXPECT_FALSE(exact->truncated);
  auto capped = ReadFileBytes(dir / "f", 3);
  ASSERT_TRUE(capped);
  EXPECT_EQ(capped->bytes, (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_TRUE(capped->truncated);
}

TEST(ReadFileBytes, GivesNothingForWhatIsNoReadableFile) {
  TempDir dir;
  EXPECT_FALSE(ReadFileBytes(dir / "missing"));
  EXPECT_FALSE(ReadFileBytes(dir.Path()));
}

TEST(WriteFileAtomically, CreatesAndReplacesLeavingNoTemporary) {
  TempDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir / "f", Old));
  ASSERT_TRUE(WriteFileAtomically(dir / "f", New));
  EXPECT_EQ(ReadAll(dir / "f"), New);
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(WriteFileAtomically, NewFilesFollowTheUmaskAndReplacedOnesKeepTheirMode) {
  TempDir dir;
  const mode_t previous = ::umask(027);
  const bool created = WriteFileAtomically(dir / "new", New);
  ::umask(previous);
  ASSERT_TRUE(created);
  EXPECT_EQ(fs::status(dir / "new").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  WriteAll(dir / "private", Old);
  fs::permissions(dir / "private", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteFileAtomically(dir / "private", New));
  EXPECT_EQ(fs::status(dir / "private").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST(WriteFileAtomically, WritesThroughASymlinkToItsTarget) {
  TempDir dir;
  fs::create_directory(dir / "real");
  WriteAll(dir / "real" / "f", Old);
  fs::create_symlink("real/f", dir / "link");
  ASSERT_TRUE(WriteFileAtomically(dir / "link", New));
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
  EXPECT_EQ(ReadAll(dir / "real" / "f"), New);
}

TEST(WriteFileAtomically, FailsWithoutHarmWhenTheTargetIsNoRegularFile) {
  TempDir dir;
  fs::create_directory(dir / "d");
  WriteAll(dir / "d" / "inside", Old);
  EXPECT_FALSE(WriteFileAtomically(dir / "d", New));
  EXPECT_EQ(ReadAll(dir / "d" / "inside"), Old);
  // A pipe (or a device) would be replaced by the rename, not written to.
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(WriteFileAtomically(dir / "fifo", New));
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}

TEST(WriteFileAtomically, FailsWithoutHarmInAReadOnlyDirectory) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  TempDir dir;
  WriteAll(dir / "f", Old);
  fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WriteFileAtomically(dir / "f", New));
  fs::permissions(dir.Path(), fs::perms::owner_all);
  EXPECT_EQ(ReadAll(dir / "f"), Old);
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

}  // namespace
}  // namespace alacrity
