// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Paths below the register root. Whether a file lies in a directory is
// decided on canonical paths, component by component: "/r/Doe1" does not
// hold "/r/Doe10/x.aly", and "/r/Doe1/../Doe10/x.aly" is in Doe10.

#include <QString>
#include <cstdint>

namespace prsrg {

// Absolute, with symbolic links, "." and ".." resolved as far as the path
// exists; the rest is taken as written. Empty for an empty path.
QString CanonicalPath(const QString& path);

// The first component of `file` below `root` (both made canonical), or an
// empty string when the file does not lie below the root.
QString FirstComponentBelow(const QString& root, const QString& file);

// The year of a test made at `testTime` (seconds since 1970 UTC, low 32 bits
// as the data files keep them), in local time; 0 for a test time of 0, which
// no test has.
int TestYear(int32_t testTime);

}  // namespace prsrg
