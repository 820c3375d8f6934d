// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <thread>
#include <tuple>

#include "data/configuration_file.h"
#include "data/protocol_file.h"
#include "data/test_data_file.h"
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

// The refusal names the file and the reason on its second line.
TEST(ReadFileBytes, GivesNothingForWhatIsNoReadableFile) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_symlink("loop", dir / "loop");
  const std::pair<fs::path, std::string> cases[] = {
      {dir / "missing", "No such file or directory"},
      {dir.Path(), "Is a directory"},
      {dir / "fifo", "Is not a regular file (a pipe, device or socket)"},
      {dir / "loop", "Too many levels of symbolic links"},
      {dir / std::string(256, 'n'), "File name too long"},
  };
  for (const auto& [path, reason] : cases) {
    const FileRead read = ReadFileBytes(path);
    EXPECT_FALSE(read) << reason;
    EXPECT_EQ(read.failure, path.string() + ": " + reason);
  }
  DocumentData data;
  EXPECT_EQ(LoadTestData(dir / "missing", data).message,
            "Error opening file\n" + (dir / "missing").string() + ": No such file or directory");
}

// Runs `read` on a FIFO nobody writes to. A reader that waits in open() for a
// writer is freed after a generous limit by opening the FIFO for writing, so
// the fault fails the test instead of stalling the suite.
bool WaitedForAWriter(const fs::path& fifo, const std::function<void()>& read) {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  bool waited = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    while (!finished.wait_for(lock, std::chrono::seconds(10), [&] { return done; })) {
      waited = true;
      const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
  });
  read();
  {
    const std::lock_guard lock(mutex);
    done = true;
  }
  finished.notify_all();
  watchdog.join();
  return waited;
}

TEST(ReadFileBytes, EveryReaderRefusesAFifoWithoutWaitingForAWriter) {
  TempDir dir;
  const fs::path fifo = dir / "f.aly";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto data = std::make_unique<DocumentData>();
  const std::vector<std::pair<const char*, std::function<bool()>>> readers = {
      {"ReadFileBytes", [&] { return ReadFileBytes(fifo).has_value(); }},
      {"LoadTestData", [&] { return LoadTestData(fifo, *data).ok; }},
      {"LoadProtocol", [&] { return LoadProtocol(fifo, *data).ok; }},
      {"LoadConfiguration",
       [&] {
         return LoadConfiguration(fifo, *data).kind != ConfigurationLoad::Kind::DefaultsApplied;
       }},
  };
  for (const auto& [name, read] : readers) {
    bool accepted = true;
    EXPECT_FALSE(WaitedForAWriter(fifo, [&] { accepted = read(); })) << name;
    EXPECT_FALSE(accepted) << name;
  }
}

TEST(WriteFileAtomically, SavesUnderEveryValidNameLength) {
  TempDir dir;
  for (const std::size_t length : {1u, 242u, 243u, 255u}) {
    const fs::path target = dir / std::string(length, 'n');
    EXPECT_TRUE(WriteFileAtomically(target, New)) << length;
    EXPECT_EQ(ReadAll(target), New) << length;
    fs::remove(target);
    EXPECT_EQ(EntriesIn(dir.Path()), 0u) << length;
  }
}

TEST(WriteFileAtomically, RemovesOnlyStaleTemporariesOfOurOwn) {
  TempDir dir;
  struct Entry {
    const char* name;
    bool directory;
    int ageSeconds;
    bool removed;
  };
  const Entry entries[] = {
      {".alacrity-Ab3xYz", false, 120, true},   // left by an interrupted save
      {".alacrity-fresh1", false, 5, false},    // a save may still be writing it
      {".alacrity-dir123", true, 120, false},   // no file of ours
      {".alacrity-toolong7", false, 120, false},
      {".alacrity-ab.cd1", false, 120, false},
      {"alacrity-Ab3xYz", false, 120, false},
      {"data.aly", false, 120, false},
  };
  const auto now = std::chrono::system_clock::now();
  for (const Entry& e : entries) {
    if (e.directory) {
      fs::create_directory(dir / e.name);
    } else {
      WriteAll(dir / e.name, Old);
    }
    const auto then = std::chrono::system_clock::to_time_t(now - std::chrono::seconds(e.ageSeconds));
    const timeval times[2] = {{then, 0}, {then, 0}};
    ASSERT_EQ(::utimes((dir / e.name).c_str(), times), 0) << e.name;
  }
  ASSERT_TRUE(WriteFileAtomically(dir / "f", New));
  for (const Entry& e : entries) EXPECT_NE(fs::exists(dir / e.name), e.removed) << e.name;
  EXPECT_EQ(EntriesIn(dir.Path()), std::size(entries));  // the stale one gone, "f" added
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
  const bool created = WriteFileAtomically(dir / "new", New).ok;
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

// Every refusal changes nothing and says which file and why. A
// write-protected file is archived data: renaming over it would replace it.
TEST(WriteFileAtomically, RefusesWithTheReasonAndChangesNothing) {
  TempDir dir;
  fs::create_directory(dir / "d");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_symlink("loop", dir / "loop");
  WriteAll(dir / "kept.aly", Old);
  fs::permissions(dir / "kept.aly", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const std::pair<fs::path, std::string> cases[] = {
      {dir / "d", (dir / "d").string() + ": Is a directory"},
      {dir / "fifo", (dir / "fifo").string() + ": Is not a regular file (a pipe, device or socket)"},
      {dir / "loop", (dir / "loop").string() + ": Too many levels of symbolic links"},
      {dir / std::string(256, 'n'), (dir / std::string(256, 'n')).string() + ": File name too long"},
      {dir / "missing" / "f", (dir / "missing").string() + ": No such file or directory"},
      {dir / "kept.aly", (dir / "kept.aly").string() + ": is write-protected; nothing saved"},
  };
  for (const auto& [path, failure] : cases) {
    const WriteResult written = WriteFileAtomically(path, New);
    EXPECT_FALSE(written) << failure;
    EXPECT_EQ(written.failure, failure);
  }
  EXPECT_EQ(ReadAll(dir / "kept.aly"), Old);
  EXPECT_EQ(EntriesIn(dir.Path()), 4u);
}

// A file and the companion that describes it change together: the old
// companion never stays beside a new file, and what would keep the companion
// from being written keeps the file from being written too.
TEST(WriteFileWithCompanion, ReplacesOrRemovesTheCompanionWithTheFile) {
  TempDir dir;
  const std::vector<uint8_t> Record = {'r', 'e', 'c'};
  struct Case {
    bool oldCompanion;
    bool newCompanion;
  };
  for (const Case c : {Case{true, true}, Case{true, false}, Case{false, true}, Case{false, false}}) {
    WriteAll(dir / "t.aly", Old);
    if (c.oldCompanion) WriteAll(dir / "t.rec", Old);
    const PairWrite written =
        WriteFileWithCompanion(dir / "t.aly", New, dir / "t.rec",
                               c.newCompanion ? std::optional(std::span<const uint8_t>(Record))
                                              : std::nullopt);
    EXPECT_TRUE(written.file && written.companion) << written.file.failure << written.companion.failure;
    EXPECT_EQ(ReadAll(dir / "t.aly"), New);
    EXPECT_EQ(fs::exists(dir / "t.rec"), c.newCompanion) << c.oldCompanion;
    EXPECT_EQ(ReadAll(dir / "t.rec"), c.newCompanion ? Record : std::vector<uint8_t>{});
    fs::remove(dir / "t.rec");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
  }

  // A companion name past the file system's limit, or a protected companion.
  const std::string longName(250, 'n');
  WriteAll(dir / "p.rec", Old);
  fs::permissions(dir / "p.rec", fs::perms::owner_read);
  const std::tuple<fs::path, fs::path, bool, std::string> refused[] = {
      {dir / (longName + ".aly"), dir / (longName + ".timing.csv"), true,
       (dir / (longName + ".timing.csv")).string() + ": File name too long"},
      {dir / "p.aly", dir / "p.rec", true, (dir / "p.rec").string() + ": is write-protected; nothing saved"},
      {dir / "p.aly", dir / "p.rec", false, (dir / "p.rec").string() + ": is write-protected; nothing saved"},
  };
  for (const auto& [path, companion, withCompanion, failure] : refused) {
    const PairWrite written = WriteFileWithCompanion(
        path, New, companion, withCompanion ? std::optional(std::span<const uint8_t>(Record)) : std::nullopt);
    EXPECT_FALSE(written.file);
    EXPECT_EQ(written.file.failure, failure);
    EXPECT_FALSE(fs::exists(path)) << failure;
  }
  EXPECT_EQ(ReadAll(dir / "p.rec"), Old);
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
