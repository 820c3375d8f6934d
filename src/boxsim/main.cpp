// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-boxsim: a response box without hardware. Opens a pseudo-terminal,
// prints its device on standard output and streams 1440 status bytes a
// second into it until SIGINT or SIGTERM (or, with --exit-at-end, until the
// source has ended and been read). Point a serial port at the device with
// ALACRITY_COM1=<device>. Exit codes: 0 success, 1 no terminal, an
// unreadable file or a device path that could not be printed, 2 a usage
// error.

#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/file_io.h"
#include "link/box_simulator.h"
#include "program/legal_notice.h"
#include "program/standard_streams.h"

namespace {

using namespace alacrity;

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// How long to wait, once the source has ended, for the reading program to
// take the last bytes before the terminal closes and they would be lost.
constexpr int DrainTimeoutMs = 2000;

struct Options {
  std::string stream;
  std::string script;
  std::string scriptFile;
  bool scriptGiven = false;  // --script or --script-file, even an empty one
  bool loop = false;
  bool exitAtEnd = false;
  int bytesPerWrite = BoxSimulatorOptions{}.bytesPerWrite;
  int bytesPerSecond = BoxSimulatorOptions{}.bytesPerSecond;
  std::string stall;
};

// "AT_MS:FOR_MS": after AT_MS of the stream, hold it back for FOR_MS.
bool ParseStall(const std::string& text, BoxSimulatorOptions& options) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  try {
    std::size_t used = 0;
    const long at = std::stol(text.substr(0, colon), &used);
    if (used != colon) return false;
    const std::string rest = text.substr(colon + 1);
    const long duration = std::stol(rest, &used);
    if (used != rest.size() || at < 0 || at > MaxStepMs || duration < 1 || duration > MaxStepMs) {
      return false;
    }
    options.stallAfterBytes = at * options.bytesPerSecond / 1000;
    options.stallMs = static_cast<int>(duration);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  FileRead file = ReadFileBytes(path);
  if (!file || file->truncated) {
    std::cerr << (file ? path + ": file too large" : file.failure) << "\n";
    return std::nullopt;
  }
  return std::move(file->bytes);
}

// The source the options name; nothing (message printed) when it cannot be
// made. No source at all is a box nobody presses: idle bytes only.
std::optional<std::unique_ptr<BoxByteSource>> MakeSource(const Options& options, int& exitCode) {
  if (!options.stream.empty()) {
    auto bytes = ReadWholeFile(options.stream);
    if (!bytes) {
      exitCode = ExitFailed;
      return std::nullopt;
    }
    return std::make_unique<RecordedStream>(std::move(*bytes), options.loop);
  }
  std::string text = options.script;
  if (!options.scriptFile.empty()) {
    auto bytes = ReadWholeFile(options.scriptFile);
    if (!bytes) {
      exitCode = ExitFailed;
      return std::nullopt;
    }
    text.assign(bytes->begin(), bytes->end());
  }
  if (!options.scriptGiven) return std::make_unique<RecordedStream>(std::vector<uint8_t>{}, false);
  std::string error;
  auto steps = ParsePressScript(text, error);
  if (!steps) {
    std::cerr << "script: " << error << "\n";
    exitCode = ExitUsage;
    return std::nullopt;
  }
  return std::make_unique<ScriptedSubject>(std::move(*steps), options.loop);
}

// Waits for SIGINT or SIGTERM, or for the stream to end by itself. The
// signals are blocked in every thread and taken here synchronously, so no
// handler runs in the middle of the streaming thread's work.
void WaitForEnd(const sigset_t& signals, const BoxSimulator& simulator) {
  const timespec tick{0, 100'000'000};
  while (true) {
    const int taken = ::sigtimedwait(&signals, nullptr, &tick);
    if (taken == SIGINT || taken == SIGTERM) return;
    if (simulator.Finished()) {
      (void)simulator.WaitUntilRead(DrainTimeoutMs);
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Else a closed standard output would be the pseudo-terminal's number, and
  // the device path would go into the stream as status bytes.
  ReserveStandardStreams();
  CLI::App app{
      "alacrity-boxsim: a response box without hardware. Prints the device of a pseudo-terminal "
      "and streams 1440 status bytes a second into it; set ALACRITY_COM1 to that device."};
  app.set_version_flag("--version", VersionText("alacrity-boxsim"));
  Options options;
  auto* stream = app.add_option("--stream", options.stream,
                                "Recorded status bytes to send, one byte per tick")
                     ->check(CLI::ExistingFile);
  auto* script = app.add_option(
      "--script", options.script,
      "Presses as WAIT:BUTTONS:HOLD steps in ms, e.g. \"500:1:100, 1200:3:150\" (button 1 held "
      "100 ms after 500 ms idle, then button 3 ...); buttons 1..4, L the light sensor seeing "
      "light, several as 1+2");
  auto* scriptFile = app.add_option("--script-file", options.scriptFile,
                                    "The same steps from a file; '#' starts a comment")
                         ->check(CLI::ExistingFile);
  stream->excludes(script, scriptFile);
  script->excludes(scriptFile);
  app.add_flag("--loop", options.loop, "Repeat the stream or script until stopped");
  app.add_flag("--exit-at-end", options.exitAtEnd,
               "End once the stream or script has been sent and read, instead of idling on");
  app.add_option("--burst", options.bytesPerWrite, "Bytes per write (one write about every "
                                                   "burst/1440 s)")
      ->check(CLI::Range(1, 144));
  app.add_option("--rate", options.bytesPerSecond,
                 "Bytes a second, to play a box whose clock is off (a sound box: 1440)")
      ->check(CLI::Range(100, 100000));
  app.add_option("--stall", options.stall,
                 "AT_MS:FOR_MS: after AT_MS of streaming, hold the bytes back for FOR_MS and then "
                 "send them at once, as a converter delivering in bursts does");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return ExitCodeAfterOutput(app.exit(error) == 0 ? ExitOk : ExitUsage);
  }
  options.scriptGiven = script->count() > 0 || scriptFile->count() > 0;
  if ((options.loop || options.exitAtEnd) && options.stream.empty() && !options.scriptGiven) {
    std::cerr << "--loop and --exit-at-end need --stream, --script or --script-file\n";
    return ExitUsage;
  }

  int exitCode = ExitOk;
  std::optional<std::unique_ptr<BoxByteSource>> source = MakeSource(options, exitCode);
  if (!source) return exitCode;

  // Blocked before the streaming thread exists, so it inherits the mask.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  BoxSimulator simulator;
  if (!simulator.Open()) {
    std::cerr << "cannot open a pseudo-terminal: " << std::strerror(errno) << "\n";
    return ExitFailed;
  }
  BoxSimulatorOptions streaming{.idleAfterEnd = !options.exitAtEnd,
                                .bytesPerWrite = options.bytesPerWrite,
                                .bytesPerSecond = options.bytesPerSecond};
  if (!options.stall.empty() && !ParseStall(options.stall, streaming)) {
    std::cerr << "--stall: expected AT_MS:FOR_MS, AT_MS 0.." << MaxStepMs << ", FOR_MS 1.."
              << MaxStepMs << "\n";
    return ExitUsage;
  }
  if (!simulator.Start(std::move(*source), streaming)) {
    std::cerr << "cannot start streaming\n";
    return ExitFailed;
  }
  // One line, flushed: scripts wait for it. Nobody can use a box whose
  // device they were never told.
  if (!WriteStandardOutput(simulator.DevicePath() + "\n")) {
    simulator.Close();
    return ExitFailed;
  }

  WaitForEnd(signals, simulator);
  simulator.Close();
  if (simulator.BytesDropped() > 0) {
    std::cerr << simulator.BytesDropped() << " bytes were dropped: nobody read the device\n";
  }
  return ExitOk;
}
