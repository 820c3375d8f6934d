// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// run: a whole test without a window. The run is set up exactly as Perform
// sets it up, every byte goes to the engine in order as the link's reader
// would hand it over (from a file, a simulated subject, or a box on a
// serial device), and the run ends exactly as Stop ends it.

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "commands.h"
#include "data/configuration_file.h"
#include "data/file_io.h"
#include "data/protocol_file.h"
#include "data/test_data_file.h"
#include "data/tick_clock.h"
#include "data_files.h"
#include "engine/box_silence.h"
#include "engine/engine.h"
#include "engine/host_clock.h"
#include "engine/random.h"
#include "engine/run_finish.h"
#include "engine/schedule.h"
#include "engine/simulated_subject.h"
#include "engine/timing_record.h"
#include "link/serial_link.h"
#include "toolsupport/cli_support.h"
#include "toolsupport/exit_codes.h"

namespace alacrity::cli {
namespace {

struct RunOptions {
  std::string config;
  std::string protocol;
  std::optional<int32_t> count;
  std::string stream;
  std::string subject;
  std::string device;
  bool lightSensor = false;
  std::optional<uint32_t> seed;
  std::optional<int64_t> time;
  std::string output;
};

// "MEAN_MS[,SD_MS[,ERROR_RATE]]"
std::optional<SubjectModel> ParseSubjectModel(const std::string& text) {
  SubjectModel model;
  std::istringstream in(text);
  std::string field;
  double* targets[] = {&model.meanMs, &model.sdMs, &model.errorRate};
  int index = 0;
  while (std::getline(in, field, ',')) {
    if (index == 3) return std::nullopt;
    try {
      std::size_t used = 0;
      *targets[index] = std::stod(field, &used);
      if (used != field.size()) return std::nullopt;
    } catch (const std::exception&) {
      return std::nullopt;
    }
    ++index;
  }
  if (index == 0 || !(model.meanMs > 0) || !(model.sdMs >= 0) || !(model.errorRate >= 0) ||
      !(model.errorRate <= 1)) {
    return std::nullopt;
  }
  return model;
}

// Loads the configuration and protocol as Open Configuration and Open
// protocol do. Without a configuration file the program's built-in defaults
// hold, as at a first start.
bool LoadSetUp(const RunOptions& options, DocumentData& data) {
  ApplyDefaultConfiguration(data);
  if (!options.config.empty()) {
    const ConfigurationLoad load = LoadConfiguration(options.config, data);
    // Here a file that cannot be opened is refused: it was asked for.
    if (load.kind != ConfigurationLoad::Kind::Loaded) {
      ReportRefusal(options.config, load.message);
      return false;
    }
  }
  if (!options.protocol.empty()) {
    const FileOutcome outcome = LoadProtocol(options.protocol, data);
    if (!outcome.ok) {
      ReportRefusal(options.protocol, outcome.message);
      return false;
    }
  }
  return true;
}

// No run lasts longer than every stimulus waiting a minute and being answered
// a minute later; a stream or subject that never finishes is cut there.
int64_t TickLimit(const DocumentData& data, int32_t stimulusCount) {
  int64_t ms = 60'000;
  for (int32_t i = 1; i <= stimulusCount; ++i) {
    ms += std::max<int64_t>(data.results.generationMs[static_cast<std::size_t>(i)], 0) + 60'000;
  }
  return static_cast<int64_t>(static_cast<double>(ms) * TicksPerMillisecond);
}

int FeedStream(const std::string& path, RunState& state) {
  const FileRead stream = ReadFileBytes(path);
  if (!stream || stream->truncated) {
    ReportRefusal(path, stream ? std::string("File too large")
                               : WithFailure(MessageErrorOpeningFile, stream.failure));
    return ExitRefused;
  }
  for (const uint8_t byte : stream->bytes) {
    if (state.done.load() != 0) break;  // the controller stops once it sees done
    OnDeviceByte(byte);
  }
  return ExitOk;
}

void FeedSubject(const SubjectModel& model, uint64_t seed, RunState& state, const DocumentData& data) {
  SimulatedSubject subject(model, seed);
  const int64_t limit = TickLimit(data, state.stimulusCount.load());
  for (int64_t tick = 0; tick < limit && state.done.load() == 0; ++tick) {
    OnDeviceByte(subject.NextByte(state, data));
  }
}

// The box on a serial device, read as the window reads it during a test,
// until the run is done. Nobody sees a stimulus here: for boxes a script or
// a machine presses. A box that falls silent or away ends the run with the
// answers so far, as Stop would, and the run fails.
int FeedDevice(const std::string& path, RunState& state) {
  SerialLink link;
  const int64_t openedNs = MonotonicNowNs();
  if (link.SerialOpenDevice(path) != 1) {
    std::cerr << "Cannot open the response box's port: " << link.OpenFailure() << "\n";
    return ExitRefused;
  }
  const TimingRecord& record = *UsedTimingRecord();
  bool stopped = false;
  while (state.done.load() == 0 && !stopped) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stopped = link.ReaderEnded() || BoxIsSilent(record.Arrival(), openedNs, MonotonicNowNs());
  }
  link.SerialClose();
  if (!stopped) return ExitOk;
  std::cerr << "The response box on " << path << " stopped sending; the answers so far are kept.\n";
  return ExitRefused;
}

int RunTest(const RunOptions& options) {
  const bool protocolMode = !options.protocol.empty();
  std::optional<SubjectModel> model;
  if (!options.subject.empty()) {
    model = ParseSubjectModel(options.subject);
    if (!model) {
      std::cerr << "--subject takes MEAN_MS[,SD_MS[,ERROR_RATE]] with MEAN_MS > 0, SD_MS >= 0 and "
                   "ERROR_RATE in 0..1\n";
      return ExitUsage;
    }
  }

  const auto data = NewDocument();
  if (!LoadSetUp(options, *data)) return ExitRefused;

  const uint32_t seed = options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
  SeedRandom(seed);

  PerformChoice choice;
  choice.mode = protocolMode ? PerformMode::Protocol : PerformMode::Custom;
  // The Perform dialog offers the configured count unless told otherwise.
  choice.stimuliToFollow = options.count.value_or(data->customConfiguration.stimulusCount);

  const int32_t testTime =
      options.time ? static_cast<int32_t>(static_cast<uint32_t>(*options.time)) : CurrentTestTime();
  auto state = std::make_unique<RunState>();
  if (const auto refusal = SetUpRun(*data, *state, choice, testTime)) {
    std::cerr << *refusal << '\n';
    return ExitRefused;
  }

  // What Start does before and while the link starts.
  state->portIndex = data->portIndex;
  state->serialOnly = 0;
  state->checkMode = 0;
  state->lightSensor = options.lightSensor ? 1 : 0;
  state->phase = WaitStart;
  // A box on a device gives host times worth keeping beside the data file.
  auto record = std::make_unique<TimingRecord>();
  const bool fromDevice = !options.device.empty();
  if (fromDevice) UseTimingRecord(record.get());
  AttachEngine(*state, *data);

  int code = ExitOk;
  if (model) {
    FeedSubject(*model, seed, *state, *data);
  } else if (fromDevice) {
    code = FeedDevice(options.device, *state);
    UseTimingRecord(nullptr);
    // Nothing opened, nothing to keep.
    if (code != ExitOk && record->Arrival().bytes == 0) return code;
  } else if (code = FeedStream(options.stream, *state); code != ExitOk) {
    return code;
  }

  FinishRun(*state, *data);
  // Without a box, no host times: a timing record of an earlier file of that
  // name goes.
  std::optional<RunTiming> timing;
  if (fromDevice) {
    timing = record->Snapshot(state->stimulusCount.load());
    timing->station.lightSensor = options.lightSensor;
  }
  if (!SaveTestDataOrReport(options.output, *data, timing ? &*timing : nullptr)) {
    return ExitRefused;
  }
  std::cout << data->results.responseCount << " of " << state->stimulusCount.load()
            << " stimuli answered, saved to " << options.output << '\n';
  return code;
}

}  // namespace

Command AddRunCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "run",
      "Run a test headless from a byte stream, a simulated subject or a box on a serial device "
      "and save its data file");
  auto options = std::make_shared<RunOptions>();
  command->add_option("--config", options->config,
                      "Configuration file (.alycfg); default: the built-in configuration");
  auto* protocol = command->add_option("--protocol", options->protocol, "Run this protocol (.alyprt)");
  command->add_option("--count", options->count, "Number of stimuli to follow (custom runs)")
      ->check(CLI::Range(1, 1199))
      ->excludes(protocol);
  auto* stream = command->add_option("--stream", options->stream,
                                     "File of status bytes as the box sends them, one per tick");
  auto* subject = command->add_option("--subject", options->subject,
                                      "Simulated subject MEAN_MS[,SD_MS[,ERROR_RATE]]");
  auto* device = command->add_option(
      "--device", options->device,
      "A response box on this serial device (e.g. /dev/ttyUSB0), pressed by a script or a "
      "machine: nobody sees a stimulus");
  command
      ->add_flag("--light-sensor", options->lightSensor,
                 "The box has a light sensor on its fifth bit: the timing record notes, per "
                 "stimulus, the first byte after its onset in which it saw light")
      ->needs(device);
  stream->excludes(subject, device);
  subject->excludes(stream, device);
  device->excludes(stream, subject);
  command->add_option("--seed", options->seed, "Random generator seed (default: the current time)");
  command->add_option("--time", options->time,
                      "Test time in seconds since 1970 (default: now)");
  command->add_option("-o,--output", options->output, "Test data file to write (.aly)")->required();
  const auto files = [options] {
    return CommandFiles{{options->config, options->protocol, options->stream}, {options->output}};
  };
  const auto run = [options] {
    if (options->stream.empty() && options->subject.empty() && options->device.empty()) {
      std::cerr << "run needs --stream, --subject or --device\n";
      return ExitUsage;
    }
    return RunTest(*options);
  };
  return {files, run};
}

}  // namespace alacrity::cli
