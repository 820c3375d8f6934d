// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backend.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>

#include "register/database.h"

namespace prsrg::testing {

namespace {

QString NextSchemaName() {
  static QAtomicInteger<int> counter;
  return QStringLiteral("t_%1_%2")
      .arg(QCoreApplication::applicationPid())
      .arg(counter.fetchAndAddRelaxed(1) + 1);
}

}  // namespace

std::string BackendName(const ::testing::TestParamInfo<BackendKind>& info) {
  return info.param == BackendKind::Sqlite ? "Sqlite" : "Postgres";
}

void PrintTo(BackendKind kind, std::ostream* out) {
  *out << (kind == BackendKind::Sqlite ? "SQLite" : "PostgreSQL");
}

Backend::Backend(BackendKind kind) {
  if (!m_dir.isValid()) {
    m_failure = QStringLiteral("no scratch directory");
    return;
  }
  m_root = m_dir.filePath(QStringLiteral("register"));
  if (kind == BackendKind::Sqlite) return;

  const QString connection = qEnvironmentVariable("ALACRITY_TEST_PG");
  if (connection.isEmpty()) {
    m_unavailable = QStringLiteral("ALACRITY_TEST_PG names no PostgreSQL server");
    return;
  }
  Result<ServerSettings> settings = ParseServerSettings(connection);
  if (!settings.Ok()) {
    m_failure = settings.message;
    return;
  }
  Database admin;
  if (Status opened = admin.OpenPostgres(*settings.value); !opened.ok) {
    m_failure = opened.message;
    return;
  }
  m_schema = NextSchemaName();
  if (Status made = admin.Run(QStringLiteral("CREATE SCHEMA %1").arg(m_schema)).ToStatus();
      !made.ok) {
    m_failure = made.message;
    return;
  }
  m_server = *settings.value;
  m_server->options << QStringLiteral("options='-c search_path=%1'").arg(m_schema);
}

Backend::~Backend() {
  if (m_schema.isEmpty() || !m_server) return;
  Result<ServerSettings> settings = ParseServerSettings(qEnvironmentVariable("ALACRITY_TEST_PG"));
  Database admin;
  if (settings.Ok() && admin.OpenPostgres(*settings.value).ok) {
    (void)admin.Run(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(m_schema));
  }
}

RegisterLocation Backend::Location(const QString& station) const {
  return RegisterLocation{m_root, m_server, station};
}

QString Backend::ConnectionString() const {
  if (!m_server) return {};
  return qEnvironmentVariable("ALACRITY_TEST_PG") +
         QStringLiteral(" options='-c search_path=%1'").arg(m_schema);
}

void OnBothBackends::SetUp() {
  m_backend.emplace(GetParam());
  ASSERT_TRUE(m_backend->Failure().isEmpty()) << m_backend->Failure().toStdString();
  if (!m_backend->Unavailable().isEmpty()) {
    GTEST_SKIP() << m_backend->Unavailable().toStdString();
  }
  ASSERT_TRUE(QDir().mkpath(m_backend->Root()));
}

void OnBothBackends::Open(SubjectRegister& reg, const QString& station) {
  const Status opened = reg.Open(m_backend->Location(station));
  ASSERT_TRUE(opened.ok) << opened.message.toStdString();
}

}  // namespace prsrg::testing
