// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/presentation_report.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "results/presentation.h"
#include "results/timing_report.h"

namespace alacrity {
namespace {

constexpr double NanosecondsPerMs = 1e6;

constexpr std::string_view MeaningMissedFrame =
    "Some stimuli reached the screen over a refresh after their hand-over, or were never "
    "reported shown; their response times include that.";
constexpr std::string_view MeaningLightMissed =
    "The light sensor did not see every stimulus: it may sit off the marker, or the marker was "
    "not drawn; those stimuli have no light onset.";

// Per class: what the report calls it, and what it means for the response
// times with the run's refresh interval ("%1" ms) and without one known.
struct QualityTexts {
  std::string_view line;
  std::string_view meaning;
  std::string_view meaningWithoutRefresh;
};

// By PresentQuality.
constexpr std::array<QualityTexts, 5> Qualities = {{
    {"Presentation times: none (the display system reports no presented frames)",
     "The screen's refresh adds 0–%1 ms that the program cannot see; response times include it.",
     "The screen's refresh adds up to one refresh interval that the program cannot see; response "
     "times include it."},
    {"Presentation times: exact (page flips timed by the display hardware)", "", ""},
    {"Presentation times: frame-bounded (known to within one refresh)",
     "Each presented time is known only to within one refresh (0–%1 ms); response times include "
     "the delay to the screen.",
     "Each presented time is known only to within one refresh; response times include the delay "
     "to the screen."},
    {"Presentation times: lower bound only (a compositor is in the way)",
     "A compositor may show each frame a refresh (%1 ms) or more after the time given; response "
     "times include that delay.",
     "A compositor may show each frame a refresh or more after the time given; response times "
     "include that delay."},
    {"Presentation times: simulated clock (a virtual display: no physical meaning)",
     "The display is virtual: its times say nothing of a real screen, whose refresh would add "
     "0–%1 ms that response times include.",
     "The display is virtual: its times say nothing of a real screen, whose refresh would add up "
     "to one refresh interval that response times include."},
}};

std::string Ms(double value) { return FormatFixed(value, 2); }

std::string Filled(std::string_view text, const std::string& value) {
  std::string out(text);
  if (const std::size_t at = out.find("%1"); at != std::string::npos) out.replace(at, 2, value);
  return out;
}

// Sorted, with the median, p99 and max of `values` into the three.
void Spread(std::vector<double>& values, double& median, double& p99, double& max) {
  std::sort(values.begin(), values.end());
  median = Percentile(values, 0.5);
  p99 = Percentile(values, 0.99);
  max = values.back();
}

bool MissedFrame(const StimulusTiming& stimulus, int64_t runRefreshNs) {
  const int64_t refreshNs =
      stimulus.presented.refreshNs > 0 ? stimulus.presented.refreshNs : runRefreshNs;
  const int64_t handedOverNs =
      stimulus.paintedHostNs != 0 ? stimulus.paintedHostNs : stimulus.onsetHostNs;
  return refreshNs > 0 && stimulus.presented.hostNs - handedOverNs > refreshNs;
}

TimingLine QualityLine(const PresentationFigures& figures) {
  const QualityTexts& texts = Qualities[static_cast<std::size_t>(figures.quality)];
  TimingLine line{std::string(texts.line), false, ""};
  if (figures.quality != PresentQuality::Exact) {
    line.marked = true;
    line.meaning = figures.refreshMs > 0 ? Filled(texts.meaning, FormatFixed(figures.refreshMs, 1))
                                         : std::string(texts.meaningWithoutRefresh);
  }
  return line;
}

}  // namespace

PresentationFigures ComputePresentationFigures(const RunTiming& timing) {
  PresentationFigures figures;
  figures.stimuli = static_cast<int>(timing.stimuli.size());
  figures.station = timing.station;

  std::vector<double> refreshes;
  for (const StimulusTiming& stimulus : timing.stimuli) {
    if (stimulus.presented.hostNs != 0 && stimulus.presented.refreshNs > 0) {
      refreshes.push_back(static_cast<double>(stimulus.presented.refreshNs));
    }
  }
  if (!refreshes.empty()) {
    std::sort(refreshes.begin(), refreshes.end());
    figures.refreshMs = Percentile(refreshes, 0.5) / NanosecondsPerMs;
  } else if (timing.display.refreshHz > 0) {
    figures.refreshMs = 1000.0 / timing.display.refreshHz;
  }
  const auto runRefreshNs = static_cast<int64_t>(figures.refreshMs * NanosecondsPerMs);

  std::vector<double> presentedMs;
  std::vector<double> lightMs;
  std::vector<double> lightAfterMs;
  bool anyPresented = false;
  for (const StimulusTiming& stimulus : timing.stimuli) {
    const std::optional<double> presented = OnsetToPresentedMs(stimulus, timing.station);
    const std::optional<double> light = OnsetToLightMs(stimulus);
    if (presented) {
      figures.quality =
          anyPresented ? WorseQuality(figures.quality, stimulus.presented.quality)
                       : stimulus.presented.quality;
      anyPresented = true;
      presentedMs.push_back(*presented);
      if (MissedFrame(stimulus, runRefreshNs)) ++figures.missedFrame;
    }
    if (light) lightMs.push_back(*light);
    if (presented && light) lightAfterMs.push_back(*light - *presented);
  }
  figures.presented = static_cast<int>(presentedMs.size());
  if (anyPresented) {
    figures.missedFrame += figures.stimuli - figures.presented;
    Spread(presentedMs, figures.medianMs, figures.p99Ms, figures.maxMs);
  }
  figures.lightSeen = static_cast<int>(lightMs.size());
  if (!lightMs.empty()) Spread(lightMs, figures.lightMedianMs, figures.lightP99Ms, figures.lightMaxMs);
  figures.compared = static_cast<int>(lightAfterMs.size());
  if (!lightAfterMs.empty()) {
    double p99 = 0.0;
    Spread(lightAfterMs, figures.lightAfterMedianMs, p99, figures.lightAfterMaxMs);
    figures.lightAfterMinMs = lightAfterMs.front();
  }
  return figures;
}

std::vector<TimingLine> PresentationLines(const PresentationFigures& figures) {
  std::vector<TimingLine> lines;
  if (figures.presented == 0) {
    lines.push_back({"Onset to presented: not reported by the display system", false, ""});
  } else {
    TimingLine presented{"Onset to presented: " +
                             SpreadText(figures.medianMs, figures.p99Ms, figures.maxMs) + " (" +
                             std::to_string(figures.presented) + " stimuli); missed a frame: " +
                             std::to_string(figures.missedFrame),
                         false, ""};
    if (figures.missedFrame > 0) {
      presented.marked = true;
      presented.meaning = MeaningMissedFrame;
    }
    lines.push_back(presented);
  }
  lines.push_back(QualityLine(figures));
  if (const std::optional<int32_t> lagUs = figures.station.panelLagUs) {
    lines.push_back({"Panel lag: " + Ms(*lagUs / 1000.0) +
                         " ms, measured with a light sensor; included in onset to presented",
                     false, ""});
  } else {
    lines.push_back(
        {"Panel lag: not measured (a light sensor on the screen measures it)", false, ""});
  }
  if (!figures.station.lightSensor) return lines;

  TimingLine light;
  if (figures.lightSeen == 0) {
    light.text = "Onset to light: none of " + std::to_string(figures.stimuli) + " stimuli seen";
  } else {
    light.text = "Onset to light: " +
                 SpreadText(figures.lightMedianMs, figures.lightP99Ms, figures.lightMaxMs) + " (" +
                 std::to_string(figures.lightSeen) + " of " + std::to_string(figures.stimuli) +
                 " stimuli seen)";
  }
  if (figures.lightSeen < figures.stimuli) {
    light.marked = true;
    light.meaning = MeaningLightMissed;
  }
  lines.push_back(light);
  if (figures.compared > 0) {
    lines.push_back({"Light after presented: median " + Ms(figures.lightAfterMedianMs) +
                         " ms, from " + Ms(figures.lightAfterMinMs) + " to " +
                         Ms(figures.lightAfterMaxMs) + " ms (" + std::to_string(figures.compared) +
                         " stimuli)",
                     false, ""});
  }
  return lines;
}

}  // namespace alacrity
