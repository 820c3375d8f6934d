// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two back ends every data-layer test runs on: SQLite in a scratch
// register root, and PostgreSQL when ALACRITY_TEST_PG names a server (each
// test in a schema of its own, dropped afterwards). Without a server the
// PostgreSQL cases are skipped.

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <ostream>
#include <string>

#include "register/serversettings.h"
#include "register/subjectregister.h"

namespace prsrg::testing {

enum class BackendKind { Sqlite, Postgres };

std::string BackendName(const ::testing::TestParamInfo<BackendKind>& info);
// How GoogleTest (and so CTest's test list) shows the parameter.
void PrintTo(BackendKind kind, std::ostream* out);

// A scratch register root and, for PostgreSQL, a fresh schema.
class Backend {
 public:
  explicit Backend(BackendKind kind);
  ~Backend();
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  // Set when there is no server to test on: the test skips.
  const QString& Unavailable() const { return m_unavailable; }
  // Set when the server named could not be prepared: the test fails.
  const QString& Failure() const { return m_failure; }
  const QString& Root() const { return m_root; }
  RegisterLocation Location(const QString& station = QStringLiteral("station-a")) const;
  // The connection string PrsrgInicA would take from ALACRITY_REGISTER_DB;
  // empty for SQLite.
  QString ConnectionString() const;

 private:
  QTemporaryDir m_dir;
  QString m_root;
  std::optional<ServerSettings> m_server;
  QString m_schema;
  QString m_unavailable;
  QString m_failure;
};

// Fixture base for tests run on both back ends.
class OnBothBackends : public ::testing::TestWithParam<BackendKind> {
 protected:
  void SetUp() override;
  // Opens a register of this test's back end for the station.
  void Open(SubjectRegister& reg, const QString& station = QStringLiteral("station-a"));

  std::optional<Backend> m_backend;
};

#define PRSRG_ON_BOTH_BACKENDS(Suite)                                                  \
  INSTANTIATE_TEST_SUITE_P(Backends, Suite,                                            \
                           ::testing::Values(::prsrg::testing::BackendKind::Sqlite,    \
                                             ::prsrg::testing::BackendKind::Postgres), \
                           ::prsrg::testing::BackendName)

}  // namespace prsrg::testing
