// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The register's tables, the same on SQLite and PostgreSQL, and the ordered
// steps that bring a register written by an older program up to date.

#include "database.h"
#include "outcome.h"

namespace prsrg {

inline constexpr int CurrentSchemaVersion = 2;

// 0 for a database without a register yet.
Result<int> SchemaVersion(Database& db);

// Creates the register or upgrades it to `target`, all in one transaction.
// Refuses a register of a newer program and a database that holds register
// tables without a version.
Status Migrate(Database& db, int target = CurrentSchemaVersion);

}  // namespace prsrg
