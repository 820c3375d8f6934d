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

TEST(ReadFileBytes, GivesNothingForWhatIsNoReadableFile) {
  TempDir dir;
  EXPECT_FALSE(ReadFileBytes(dir / "missing"));
  EXPECT_FALSE(ReadFileBytes(dir.Path()));
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
