// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/folder_io.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "test_files.h"

namespace alacrity {
namespace {

using testing::TempDir;
using testing::WriteAll;
namespace fs = std::filesystem;

const std::vector<FolderFile> Dataset = {{"a.json", "{}\n"}, {"sub/x/b.tsv", "x\n"}};

// Every file below the folder, relative to it.
std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).generic_string());
  }
  return files;
}

// Nothing of a write may stay behind beside the target, whatever the outcome.
void ExpectOnlyTargetIn(const fs::path& parent, const fs::path& target) {
  for (const auto& entry : fs::directory_iterator(parent)) {
    EXPECT_EQ(entry.path().filename(), target.filename()) << entry.path();
  }
}

TEST(WriteFolderAtomically, WritesANewOrEmptyFolderAndReplacesOnlyWhenAsked) {
  TempDir dir;
  const fs::path out = dir / "out";
  ASSERT_EQ(WriteFolderAtomically(out, Dataset, false), FolderWrite::Written);
  EXPECT_EQ(FilesIn(out), (std::set<std::string>{"a.json", "sub/x/b.tsv"}));

  // A folder with files stays as it is unless replacing was asked for.
  const std::vector<FolderFile> other = {{"c.csv", "c\n"}};
  EXPECT_EQ(WriteFolderAtomically(out, other, false), FolderWrite::NotEmpty);
  EXPECT_EQ(FilesIn(out), (std::set<std::string>{"a.json", "sub/x/b.tsv"}));
  EXPECT_EQ(WriteFolderAtomically(dir / "out/", other, true), FolderWrite::Written);
  EXPECT_EQ(FilesIn(out), (std::set<std::string>{"c.csv"}));
  ExpectOnlyTargetIn(dir.Path(), out);

  fs::create_directory(dir / "empty");
  EXPECT_EQ(WriteFolderAtomically(dir / "empty", other, false), FolderWrite::Written);
  EXPECT_EQ(FilesIn(dir / "empty"), (std::set<std::string>{"c.csv"}));
}

TEST(WriteFolderAtomically, RefusesAFileTargetAndPathsLeavingTheFolder) {
  TempDir dir;
  WriteAll(dir / "data.aly", {1, 2, 3});
  EXPECT_EQ(WriteFolderAtomically(dir / "data.aly", Dataset, true), FolderWrite::NotAFolder);
  EXPECT_EQ(testing::ReadAll(dir / "data.aly"), (std::vector<uint8_t>{1, 2, 3}));

  for (const char* path : {"../escape", "/tmp/absolute", "a/../../b", ""}) {
    EXPECT_EQ(WriteFolderAtomically(dir / "out", {{path, "x"}}, true), FolderWrite::Failed) << path;
  }
  EXPECT_FALSE(fs::exists(dir / "out"));
  ExpectOnlyTargetIn(dir.Path(), dir / "data.aly");
}

TEST(WriteFolderAtomically, AFailedWriteLeavesTheOldFolderAndNoStaging) {
  TempDir dir;
  const fs::path out = dir / "out";
  ASSERT_EQ(WriteFolderAtomically(out, Dataset, false), FolderWrite::Written);
  // A file and a folder of the same name cannot both be written.
  const std::vector<FolderFile> clash = {{"a", "1"}, {"a/b", "2"}};
  EXPECT_EQ(WriteFolderAtomically(out, clash, true), FolderWrite::Failed);
  EXPECT_EQ(FilesIn(out), (std::set<std::string>{"a.json", "sub/x/b.tsv"}));
  ExpectOnlyTargetIn(dir.Path(), out);
}

TEST(WriteFolderAtomically, AFolderOfTheLongestNameIsWrittenAndReplaced) {
  TempDir dir;
  const fs::path out = dir / std::string(255, 'd');
  EXPECT_EQ(WriteFolderAtomically(out, Dataset, false), FolderWrite::Written);
  EXPECT_EQ(WriteFolderAtomically(out, {{"c.csv", "c\n"}}, true), FolderWrite::Written);
  EXPECT_EQ(FilesIn(out), (std::set<std::string>{"c.csv"}));
  ExpectOnlyTargetIn(dir.Path(), out);
}

}  // namespace
}  // namespace alacrity
