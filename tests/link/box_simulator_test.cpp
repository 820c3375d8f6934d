// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The box simulator on its own: press scripts, byte sources, and the stream
// as a reader of its device sees it.

#include "link/box_simulator.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

#include "hang_guard.h"
#include "test_terminal.h"

namespace alacrity {
namespace {

using testing::ReturnsWithin;
using testing::WaitFor;

std::vector<uint8_t> Drain(BoxByteSource& source, std::size_t count) {
  std::vector<uint8_t> out(count);
  out.resize(source.Read(out));
  return out;
}

std::vector<PressStep> Script(std::string_view text) {
  std::string error;
  auto steps = ParsePressScript(text, error);
  EXPECT_TRUE(steps.has_value()) << error;
  return steps.value_or(std::vector<PressStep>{});
}

TEST(PressScript, StepsSeparatorsCommentsAndButtonCombinations) {
  const auto steps =
      Script("500:1:100, 1200:3:150\n# a comment: 9:9:9\n0:1+2:1\t40:4:20#tail\n5:L:30 0:3+L:1");
  ASSERT_EQ(steps.size(), 6u);
  EXPECT_EQ(steps[0].waitMs, 500);
  EXPECT_EQ(steps[0].buttons, 1);
  EXPECT_EQ(steps[0].holdMs, 100);
  EXPECT_EQ(steps[1].buttons, 4);
  EXPECT_EQ(steps[2].waitMs, 0);
  EXPECT_EQ(steps[2].buttons, 3);
  EXPECT_EQ(steps[3].buttons, 8);
  EXPECT_EQ(steps[3].holdMs, 20);
  // The light sensor of a box that has one is the fifth bit.
  EXPECT_EQ(steps[4].buttons, LightSensorBit);
  EXPECT_EQ(steps[5].buttons, 0x14);
}

TEST(PressScript, MalformedScriptsAreRefusedWithTheStep) {
  for (const char* text : {"", " # nothing\n", "10:5:10", "10:0:10", "10:1:0", "-1:1:10", "10:1",
                           "a:1:10", "10:1+:10", "10:1:10:4", "3600001:1:10", "10::10", "10:l:10",
                           "10:LL:10", "10:5+L:10"}) {
    std::string error;
    EXPECT_FALSE(ParsePressScript(text, error).has_value()) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
  std::string error;
  EXPECT_FALSE(ParsePressScript("10:1:10 20:x:10", error).has_value());
  EXPECT_NE(error.find("step 2"), std::string::npos) << error;
}

TEST(PressScript, MillisecondsBecomeWholeByteCounts) {
  EXPECT_EQ(MillisecondsToBoxBytes(0), 0);
  EXPECT_EQ(MillisecondsToBoxBytes(1), 1);
  EXPECT_EQ(MillisecondsToBoxBytes(100), 144);
  EXPECT_EQ(MillisecondsToBoxBytes(1000), 1440);
  EXPECT_EQ(MillisecondsToBoxBytes(MaxStepMs), 5'184'000);
}

TEST(ByteSources, AScriptedSubjectWaitsThenHoldsStepByStep) {
  ScriptedSubject once(Script("1:2:2 0:1:1"), false);
  EXPECT_EQ(Drain(once, 10), (std::vector<uint8_t>{0, 2, 2, 1}));
  EXPECT_TRUE(Drain(once, 10).empty());

  ScriptedSubject looped(Script("1:4:1"), true);  // button 4 is bit 3
  EXPECT_EQ(Drain(looped, 5), (std::vector<uint8_t>{0, 8, 0, 8, 0}));
}

TEST(ByteSources, ARecordingPlaysOnceOrOverAndOver) {
  RecordedStream once({1, 2, 3}, false);
  EXPECT_EQ(Drain(once, 2), (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(Drain(once, 2), (std::vector<uint8_t>{3}));
  EXPECT_TRUE(Drain(once, 2).empty());

  RecordedStream looped({1, 2, 3}, true);
  EXPECT_EQ(Drain(looped, 7), (std::vector<uint8_t>{1, 2, 3, 1, 2, 3, 1}));

  RecordedStream empty({}, true);  // nothing to repeat: ends instead of spinning
  EXPECT_TRUE(Drain(empty, 4).empty());
}

// Reads the simulator's device as the serial link would.
class DeviceReader {
 public:
  explicit DeviceReader(const std::string& path)
      : m_fd(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {}
  ~DeviceReader() {
    if (m_fd >= 0) ::close(m_fd);
  }
  bool Ok() const { return m_fd >= 0; }
  // Reads what arrives until `count` bytes are in, or seconds pass.
  std::vector<uint8_t> Read(std::size_t count) {
    std::vector<uint8_t> bytes;
    WaitFor([&] {
      std::array<uint8_t, 256> buffer{};
      pollfd wait{m_fd, POLLIN, 0};
      if (::poll(&wait, 1, 10) > 0) {
        const ssize_t got = ::read(m_fd, buffer.data(), buffer.size());
        if (got > 0) bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + got);
      }
      return bytes.size() >= count;
    });
    return bytes;
  }

 private:
  int m_fd;
};

TEST(BoxSimulator, OpensADeviceOnceAndStreamsOnlyWhenOpen) {
  BoxSimulator simulator;
  EXPECT_FALSE(simulator.Start(std::make_unique<RecordedStream>(std::vector<uint8_t>{1}, false)));
  ASSERT_TRUE(simulator.Open());
  EXPECT_TRUE(simulator.DevicePath().starts_with("/dev/pts/")) << simulator.DevicePath();
  EXPECT_FALSE(simulator.Open());
  EXPECT_FALSE(simulator.Start(nullptr));
  simulator.Close();
  EXPECT_EQ(simulator.DevicePath(), "");
}

TEST(BoxSimulator, TheDeviceReceivesTheSourceExactlyAndThenTheStreamEnds) {
  BoxSimulator simulator;
  ASSERT_TRUE(simulator.Open());
  DeviceReader reader(simulator.DevicePath());
  ASSERT_TRUE(reader.Ok());
  std::vector<uint8_t> recording(300);
  for (std::size_t i = 0; i < recording.size(); ++i) recording[i] = static_cast<uint8_t>(i);
  ASSERT_TRUE(simulator.Start(std::make_unique<RecordedStream>(recording, false),
                              {.idleAfterEnd = false, .bytesPerWrite = 7}));
  EXPECT_EQ(reader.Read(recording.size()), recording);
  EXPECT_TRUE(WaitFor([&] { return simulator.Finished(); }));
  EXPECT_TRUE(simulator.WaitUntilRead(5000));
  EXPECT_EQ(simulator.BytesSent(), 300);
  EXPECT_EQ(simulator.BytesDropped(), 0);
  // A finished stream may be followed by another.
  EXPECT_TRUE(simulator.Start(std::make_unique<RecordedStream>(std::vector<uint8_t>{9}, false)));
  simulator.Close();
}

TEST(BoxSimulator, IdlesAfterTheSourceAndNeverRunsAheadOfTheLine) {
  BoxSimulator simulator;
  ASSERT_TRUE(simulator.Open());
  DeviceReader reader(simulator.DevicePath());
  ASSERT_TRUE(reader.Ok());
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(simulator.Start(std::make_unique<RecordedStream>(std::vector<uint8_t>{5, 6}, false)));
  const std::vector<uint8_t> bytes = reader.Read(40);
  ASSERT_GE(bytes.size(), 40u);
  EXPECT_EQ(bytes[0], 5);
  EXPECT_EQ(bytes[1], 6);
  for (std::size_t i = 2; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0) << i;

  // Each byte is written only once its time on a 1440-byte/s line has come,
  // so however slow the machine, the count can never exceed the elapsed time.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const int64_t sent = simulator.BytesSent();
  const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  EXPECT_LE(static_cast<double>(sent), elapsed.count() * 1440.0 + 1.0);
  EXPECT_FALSE(simulator.Finished());
  ReturnsWithin(std::chrono::seconds(5), "BoxSimulator::Stop", [&] { simulator.Stop(); });
}

}  // namespace
}  // namespace alacrity
