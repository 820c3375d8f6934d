// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a run's timing says of each stimulus's frame on the screen and of the
// box's light sensor: the words the timing record writes for how a frame was
// presented and how far its time can be trusted, and the delays and response
// times derived from them. The data file's response time is never one of
// them: it stays counted from the onset byte.

#include <optional>
#include <string_view>

#include "data/run_timing.h"

namespace alacrity {

// "flip", "copy", "composited", "unknown".
std::string_view PresentModeKey(PresentMode mode);
std::optional<PresentMode> PresentModeOfKey(std::string_view key);
// "exact", "frame-bounded", "lower-bound", "simulated-clock", "none".
std::string_view PresentQualityKey(PresentQuality quality);
std::optional<PresentQuality> PresentQualityOfKey(std::string_view key);

// The less trustworthy of two classes: exact, frame-bounded, lower bound,
// simulated clock, none, from best to worst.
PresentQuality WorseQuality(PresentQuality a, PresentQuality b);

// A presented time close enough to when the subject could see the frame to
// count a response from it: a page flip's, or one known within a refresh.
bool CountsFromPresented(PresentQuality quality);

// From the reader's receiving the onset byte to the presented frame, plus
// the panel's lag where the station measured it; none without a presented
// time.
std::optional<double> OnsetToPresentedMs(const StimulusTiming& stimulus,
                                         const StationTiming& station);

// From the onset byte to the byte in which the light sensor first saw the
// stimulus, counted in box bytes (ticks × 0.6944, not truncated); none when
// it did not see it.
std::optional<double> OnsetToLightMs(const StimulusTiming& stimulus);

// The response time counted from the presented frame: the bytes from onset
// to response as milliseconds less the onset-to-presented delay, truncated
// toward zero like the data file's. None unless the stimulus was answered
// and its presented time counts (CountsFromPresented).
std::optional<int32_t> ResponseFromPresentedMs(const StimulusTiming& stimulus,
                                               const StationTiming& station);

// The response time counted from the light onset: (response byte − light
// byte) × 0.6944, truncated like the data file's; negative for an answer
// before the light. None unless answered and seen.
std::optional<int32_t> ResponseFromLightMs(const StimulusTiming& stimulus);

}  // namespace alacrity
