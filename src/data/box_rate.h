// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The box's byte rate against the host clock, with its uncertainty: one
// estimator for the timing record, the timing report, the device check and
// check-box, so that all of them say the same of the same box.

#include <cstdint>
#include <optional>

#include "data/run_timing.h"

namespace alacrity {

// Adds one anchor to the running fit.
void AddRateAnchor(RateSums& sums, RateAnchor anchor);

struct BoxRate {
  double bytesPerSecond = 0.0;
  double uncertainty = 0.0;  // one standard error, bytes/s
  int64_t anchors = 0;
};

// Two anchors leave no residual to judge the fit by.
inline constexpr int64_t MinRateAnchors = 3;

// The rate the least-squares line through the anchors gives; nothing under
// MinRateAnchors anchors or when the line does not run forwards.
std::optional<BoxRate> FitBoxRate(const RateSums& sums);

}  // namespace alacrity
