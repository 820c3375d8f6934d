// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/box_rate.h"

#include <algorithm>
#include <cmath>

namespace alacrity {

void AddRateAnchor(RateSums& sums, RateAnchor anchor) {
  if (sums.anchors == 0) sums.origin = anchor;
  // Welford's update, in both variables at once.
  const double bytes = static_cast<double>(anchor.bytes - sums.origin.bytes);
  const double seconds = static_cast<double>(anchor.hostNs - sums.origin.hostNs) / 1e9;
  ++sums.anchors;
  const double count = static_cast<double>(sums.anchors);
  const double bytesOff = bytes - sums.meanBytes;
  const double secondsOff = seconds - sums.meanSeconds;
  sums.meanBytes += bytesOff / count;
  sums.meanSeconds += secondsOff / count;
  sums.bytesSquares += bytesOff * (bytes - sums.meanBytes);
  sums.crossProducts += bytesOff * (seconds - sums.meanSeconds);
  sums.secondsSquares += secondsOff * (seconds - sums.meanSeconds);
}

std::optional<BoxRate> FitBoxRate(const RateSums& sums) {
  if (sums.anchors < MinRateAnchors || sums.bytesSquares <= 0.0) return std::nullopt;
  // Host time against byte number: the bytes are counted exactly, only
  // their arrival is uncertain.
  const double secondsPerByte = sums.crossProducts / sums.bytesSquares;
  if (!(secondsPerByte > 0.0)) return std::nullopt;
  const double residualSquares =
      std::max(sums.secondsSquares - secondsPerByte * sums.crossProducts, 0.0);
  const double slopeError =
      std::sqrt(residualSquares / static_cast<double>(sums.anchors - 2) / sums.bytesSquares);
  return BoxRate{.bytesPerSecond = 1.0 / secondsPerByte,
                 .uncertainty = slopeError / (secondsPerByte * secondsPerByte),
                 .anchors = sums.anchors};
}

}  // namespace alacrity
