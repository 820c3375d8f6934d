// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-avrbox: the response box's own firmware on a simulated ATmega328P,
// a box without hardware that runs the very binary flashed onto a board.
// Opens a pseudo-terminal, prints its device on standard output and bridges
// the chip's serial line to it, the chip running in step with the wall clock
// (1440 bytes a second); a press script drives its buttons and light sensor.
// Like most Arduino-class boards, the box restarts when its port is opened
// and stays silent while the bootloader waits. A named pipe can tell it what
// the light sensor sees, for a program under test that draws the patch the
// sensor sits on. Runs until SIGINT or SIGTERM (or, with --exit-at-end, until
// the script has been played and read). Exit codes: 0 success, 1 an
// unreadable firmware, record file or light pipe, no terminal, or a firmware
// that stopped, 2 a usage error.

#include <CLI/CLI.hpp>
#include <poll.h>
#include <sys/signalfd.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/file_io.h"
#include "emulated_chip.h"
#include "light_pipe.h"
#include "link/box_simulator.h"
#include "link/pseudo_terminal.h"
#include "opened_watch.h"
#include "press_timeline.h"
#include "program/legal_notice.h"
#include "program/standard_streams.h"

namespace {

using namespace alacrity;

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// How long to wait, once the script has been played, for the reading program
// to take the last bytes before the terminal closes and they would be lost.
constexpr int DrainTimeoutMs = 2000;
// The chip runs in slices of a millisecond between looks at signals and at
// the port being opened.
constexpr uint64_t SliceCycles = EmulatedChip::ClockHz / 1000;
// Optiboot, the bootloader of the Uno and of current Nanos, waits a second
// for a programmer after a reset before it starts the firmware.
constexpr int DefaultBootMs = 1000;

// The firmware installed with the program, found from where the program is.
std::string InstalledFirmware() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return ALACRITY_FIRMWARE_BESIDE;
  return (program.parent_path() / ALACRITY_FIRMWARE_BESIDE).lexically_normal().string();
}

struct Options {
  std::string firmware = InstalledFirmware();
  std::string script;
  std::string scriptFile;
  bool scriptGiven = false;
  bool loop = false;
  bool exitAtEnd = false;
  int bootMs = DefaultBootMs;
  bool noReset = false;
  std::string record;
  std::string lightFrom;
};

int64_t NowNs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The script's steps; none for a box nobody presses. Nothing (message
// printed) when the script is unreadable or malformed.
std::optional<std::vector<PressStep>> ReadScript(const Options& options, int& exitCode) {
  if (!options.scriptGiven) return std::vector<PressStep>{};
  std::string text = options.script;
  if (!options.scriptFile.empty()) {
    FileRead file = ReadFileBytes(options.scriptFile);
    if (!file || file->truncated) {
      std::cerr << (file ? options.scriptFile + ": file too large" : file.failure) << "\n";
      exitCode = ExitFailed;
      return std::nullopt;
    }
    text.assign(file->bytes.begin(), file->bytes.end());
  }
  std::string error;
  auto steps = ParsePressScript(text, error);
  if (!steps) {
    std::cerr << "script: " << error << "\n";
    exitCode = ExitUsage;
  }
  return steps;
}

// The bytes the firmware sent since it last started, for comparing with what
// a program read.
class Recording {
 public:
  ~Recording() { Close(); }
  bool Open(const std::string& path) {
    m_path = path;
    return Restart();
  }
  // The firmware started again: what it sent before was never read.
  bool Restart() {
    if (m_path.empty()) return true;
    Close();
    m_file = std::fopen(m_path.c_str(), "wb");
    return m_file != nullptr;
  }
  void Add(uint8_t byte) {
    if (m_file != nullptr) std::fputc(byte, m_file);
  }
  bool Close() {
    if (m_file == nullptr) return true;
    const bool ok = std::fclose(m_file) == 0;
    m_file = nullptr;
    return ok;
  }

 private:
  std::string m_path;
  std::FILE* m_file = nullptr;
};

class Box {
 public:
  Box(EmulatedChip& chip, PseudoTerminal& terminal, Recording& recording,
      std::vector<PressStep> steps, bool loop)
      : m_chip(chip), m_terminal(terminal), m_recording(recording), m_steps(std::move(steps)),
        m_loop(loop) {
    m_chip.SetByteSink([this](uint8_t byte, uint64_t) {
      m_dropped += 1 - static_cast<int64_t>(m_terminal.Write({&byte, 1}));
      m_recording.Add(byte);
    });
  }

  // The firmware starts from the top and the script from its first step.
  bool Start() {
    m_chip.PaceWithWallClock(true);
    m_chip.Reset();
    m_chip.SetInputs(0);
    m_timeline.emplace(m_steps, m_loop, m_chip.Cycle());
    m_chip.SetInputSource([this] { return m_timeline->Next(); });
    m_running = true;
    return m_recording.Restart();
  }
  void Halt() { m_running = false; }
  bool Running() const { return m_running; }

  // A millisecond of the chip, in step with the wall clock. False when the
  // chip has stopped for good.
  bool RunSlice() { return m_chip.RunUntil(m_chip.Cycle() + SliceCycles); }

  // The script has been played to its end and the release sent.
  bool ScriptPlayed() const {
    if (!m_running || !m_timeline) return false;
    const std::optional<uint64_t> end = m_timeline->EndCycle();
    // Two ticks after the last release, its byte has gone out.
    return end && m_chip.Cycle() >= *end + 2 * static_cast<uint64_t>(m_chip.TickCycles());
  }
  int64_t Dropped() const { return m_dropped; }

 private:
  EmulatedChip& m_chip;
  PseudoTerminal& m_terminal;
  Recording& m_recording;
  std::vector<PressStep> m_steps;
  bool m_loop;
  std::optional<PressTimeline> m_timeline;
  bool m_running = false;
  int64_t m_dropped = 0;
};

// Whether SIGINT or SIGTERM came; never blocks.
bool StopAsked(int signals) {
  signalfd_siginfo info{};
  return ::read(signals, &info, sizeof info) == static_cast<ssize_t>(sizeof info);
}

int Serve(Box& box, EmulatedChip& chip, const Options& options, int signals, OpenedWatch* opens,
          LightPipe& light) {
  int64_t bootEndNs = -1;  // while the bootloader waits: when it gives up
  while (true) {
    std::array<pollfd, 3> fds{{{signals, POLLIN, 0},
                               {opens ? opens->Descriptor() : -1, POLLIN, 0},
                               {light.Descriptor(), POLLIN, 0}}};
    int timeoutMs = 0;
    if (!box.Running()) {
      // Rounded up, so the wait never ends just short of the boot's end.
      const int64_t leftNs = std::max<int64_t>(0, bootEndNs - NowNs());
      timeoutMs = bootEndNs < 0 ? -1 : static_cast<int>((leftNs + 999'999) / 1'000'000);
    }
    if (::poll(fds.data(), fds.size(), timeoutMs) < 0 && errno != EINTR) return ExitFailed;
    if (StopAsked(signals)) return ExitOk;
    if (const std::optional<bool> lit = light.Read()) {
      chip.SetOutsideInputs(*lit ? LightSensorBit : 0);
    }
    if (opens && opens->Opened()) {
      // DTR rose: the board resets, and its bootloader holds the firmware
      // back for a while.
      box.Halt();
      bootEndNs = NowNs() + int64_t{options.bootMs} * 1'000'000;
    }
    if (!box.Running() && bootEndNs >= 0 && NowNs() >= bootEndNs) {
      bootEndNs = -1;
      if (!box.Start()) {
        std::cerr << options.record << ": " << std::strerror(errno) << "\n";
        return ExitFailed;
      }
    }
    if (!box.Running()) continue;
    if (!box.RunSlice()) {
      std::cerr << "the firmware stopped: the chip crashed or sleeps with interrupts off\n";
      return ExitFailed;
    }
    if (options.exitAtEnd && box.ScriptPlayed()) return ExitOk;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Else a closed standard output would be the pseudo-terminal's number, and
  // the device path would go into the stream as status bytes.
  ReserveStandardStreams();
  CLI::App app{
      "alacrity-avrbox: the response box's firmware on a simulated ATmega328P. Prints the device "
      "of a pseudo-terminal and sends what the chip's serial line sends, 1440 status bytes a "
      "second; set ALACRITY_COM1 to that device."};
  app.set_version_flag("--version", VersionText("alacrity-avrbox"));
  Options options;
  app.add_option("--firmware", options.firmware, "The firmware to run (.hex or .elf)")
      ->capture_default_str();
  auto* script = app.add_option(
      "--script", options.script,
      "Presses as WAIT:BUTTONS:HOLD steps in ms, e.g. \"500:1:100, 1200:3+L:150\"; buttons 1..4, "
      "L the light sensor seeing light, several as 1+2; the first wait counts from the firmware's "
      "start");
  auto* scriptFile = app.add_option("--script-file", options.scriptFile,
                                    "The same steps from a file; '#' starts a comment")
                         ->check(CLI::ExistingFile);
  script->excludes(scriptFile);
  app.add_flag("--loop", options.loop, "Repeat the script until stopped");
  app.add_flag("--exit-at-end", options.exitAtEnd,
               "End once the script has been played and read, instead of idling on");
  auto* bootMs = app.add_option("--boot-ms", options.bootMs,
                                "Silence after the port is opened, while the board's bootloader "
                                "waits, before the firmware starts")
                     ->check(CLI::Range(0, 10000))
                     ->capture_default_str();
  app.add_flag("--no-reset", options.noReset,
               "A board whose port opening does not reset it: the firmware starts at once and "
               "runs on")
      ->excludes(bootMs);
  app.add_option("--record", options.record,
                 "Write the bytes the firmware sent since it last started to this file");
  app.add_option("--light-from", options.lightFrom,
                 "A named pipe telling what the light sensor sees: each '1' written lights it, "
                 "each '0' darkens it, as it is read (besides L in the script)");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return ExitCodeAfterOutput(app.exit(error) == 0 ? ExitOk : ExitUsage);
  }
  options.scriptGiven = script->count() > 0 || scriptFile->count() > 0;
  if ((options.loop || options.exitAtEnd) && !options.scriptGiven) {
    std::cerr << "--loop and --exit-at-end need --script or --script-file\n";
    return ExitUsage;
  }
  if (options.loop && options.exitAtEnd) {
    std::cerr << "--exit-at-end cannot end a script played with --loop\n";
    return ExitUsage;
  }

  int exitCode = ExitOk;
  std::optional<std::vector<PressStep>> steps = ReadScript(options, exitCode);
  if (!steps) return exitCode;
  std::string error;
  std::unique_ptr<EmulatedChip> chip = EmulatedChip::Load(options.firmware, error);
  if (!chip) {
    std::cerr << error << "\n";
    return ExitFailed;
  }

  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  const int signals = ::signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);

  PseudoTerminal terminal;
  if (signals < 0 || !terminal.Open()) {
    std::cerr << "cannot open a pseudo-terminal: " << std::strerror(errno) << "\n";
    return ExitFailed;
  }
  Recording recording;
  if (!options.record.empty() && !recording.Open(options.record)) {
    std::cerr << options.record << ": " << std::strerror(errno) << "\n";
    return ExitFailed;
  }
  LightPipe light;
  if (!options.lightFrom.empty() && !light.Open(options.lightFrom)) {
    std::cerr << options.lightFrom << ": "
              << (errno == EINVAL ? std::string("not a named pipe") : std::strerror(errno)) << "\n";
    return ExitFailed;
  }
  OpenedWatch opens;
  if (!options.noReset && !opens.Watch(terminal.DevicePath())) {
    std::cerr << "cannot watch " << terminal.DevicePath() << ": " << std::strerror(errno) << "\n";
    return ExitFailed;
  }
  Box box(*chip, terminal, recording, std::move(*steps), options.loop);
  // Without the reset, the board was switched on before anyone looked.
  if (options.noReset) (void)box.Start();
  // One line, flushed: scripts wait for it.
  if (!WriteStandardOutput(terminal.DevicePath() + "\n")) return ExitFailed;

  exitCode = Serve(box, *chip, options, signals, options.noReset ? nullptr : &opens, light);
  if (exitCode == ExitOk && options.exitAtEnd) (void)terminal.WaitUntilRead(DrainTimeoutMs);
  if (!recording.Close()) {
    std::cerr << options.record << ": " << std::strerror(errno) << "\n";
    exitCode = ExitFailed;
  }
  terminal.Close();
  if (box.Dropped() > 0) {
    std::cerr << box.Dropped() << " bytes were dropped: nobody read the device\n";
  }
  return exitCode;
}
