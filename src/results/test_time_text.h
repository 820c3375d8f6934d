// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace alacrity {

// "%d.%m.%Y" + "  at  " + "%H:%M:%S" of the test time in local time; the date
// and time parts are empty when the time cannot be converted. The stored 32
// bits are read as unsigned, so tests after January 2038 keep their dates.
std::string FormatTestDate(int32_t testTime);

// The test time as ISO 8601 UTC, "2007-03-05T13:03:09Z".
std::string FormatTestTimeIso(int32_t testTime);

// The test time as ISO 8601 in local time with its offset,
// "2007-03-05T14:03:09+01:00"; empty when it cannot be converted.
std::string FormatTestTimeLocalIso(int32_t testTime);

// The test time in local time as a compact stamp for file names,
// "20070305T140309"; empty when it cannot be converted.
std::string FormatTestTimeStamp(int32_t testTime);

}  // namespace alacrity
