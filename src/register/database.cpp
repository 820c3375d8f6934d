// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "database.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSqlError>
#include <QThread>
#include <algorithm>
#include <mutex>

namespace prsrg {

namespace {

// SQLite waits this long for another program's write to finish before it
// reports the database as busy.
constexpr int BusyTimeoutMs = 5000;
constexpr int WriteAttempts = 4;

QString NextConnectionName() {
  static QAtomicInteger<int> counter;
  return QStringLiteral("prsrg-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

bool IsBusy(Backend backend, const QSqlError& error) {
  const QString code = error.nativeErrorCode();
  if (backend == Backend::Sqlite) {
    const int primary = code.toInt() & 0xff;
    return primary == 5 || primary == 6;  // SQLITE_BUSY, SQLITE_LOCKED
  }
  // Serialization failure, deadlock, lock not available.
  return code == QLatin1String("40001") || code == QLatin1String("40P01") ||
         code == QLatin1String("55P03");
}

// Qt's SQL module sets itself up on the first connection without a lock
// (its driver table and the clean-up it registers), and two threads doing
// that at once corrupt the heap: the program then hangs or crashes at exit.
// Connections are therefore added one at a time; opening them is not
// serialised.
QSqlDatabase AddConnection(const QString& driver, const QString& name) {
  static std::mutex adding;
  const std::lock_guard<std::mutex> one(adding);
  return QSqlDatabase::addDatabase(driver, name);
}

// PostgreSQL keeps no NUL in a text (and Qt's driver cuts the statement at
// one), while SQLite would keep it: on both a NUL becomes U+FFFD on its way
// in, so that a record brought by a damaged data file is stored, and found
// again, alike on either.
QVariant Storable(const QVariant& value) {
  if (value.typeId() != QMetaType::QString) return value;
  QString text = value.toString();
  if (!text.contains(QChar(0))) return value;
  text.replace(QChar(0), QChar(QChar::ReplacementCharacter));
  return text;
}

QString Describe(const QSqlError& error) {
  QString text = error.databaseText().trimmed();
  if (text.isEmpty()) text = error.driverText().trimmed();
  return text.isEmpty() ? QCoreApplication::translate("Register", "unknown database error") : text;
}

}  // namespace

Database::Database() : m_name(NextConnectionName()) {}

Database::~Database() { Close(); }

QSqlDatabase Database::Connection() const { return QSqlDatabase::database(m_name, false); }

Status Database::OpenConnection(const QString& driver,
                                const std::function<void(QSqlDatabase&)>& configure,
                                const QString& what) {
  bool valid = false;
  bool opened = false;
  QString reason;
  {
    // The only handle on the connection: it must be gone before the
    // connection is removed.
    QSqlDatabase db = AddConnection(driver, m_name);
    valid = db.isValid();
    if (valid) {
      configure(db);
      opened = db.open();
      if (!opened) reason = Describe(db.lastError());
    }
  }
  if (!valid) {
    QSqlDatabase::removeDatabase(m_name);
    return Status::Failure(
        QCoreApplication::translate("Register", "The database driver for %1 is not installed.")
            .arg(what));
  }
  if (!opened) {
    QSqlDatabase::removeDatabase(m_name);
    return Status::Failure(
        QCoreApplication::translate("Register", "%1 cannot be opened: %2").arg(what, reason));
  }
  m_open = true;
  return Status::Success();
}

Status Database::OpenSqlite(const QString& file) {
  Close();
  m_backend = Backend::Sqlite;
  const QString what = QCoreApplication::translate("Register", "The subject register %1").arg(file);
  const Status opened = OpenConnection(
      QStringLiteral("QSQLITE"),
      [&](QSqlDatabase& db) {
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
      },
      what);
  if (!opened.ok) return opened;
  // The first statement reads the file: this is where a file that is no
  // database shows. None of these writes to such a file. Switching to
  // write-ahead logging needs the file to itself, and SQLite answers "busy"
  // at once rather than wait (its busy handler is not asked), so a second
  // program starting while the first creates the register tries again.
  for (const char* pragma :
       {"PRAGMA foreign_keys = ON", "PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
    Status done;
    QDeadlineTimer patience(BusyTimeoutMs);
    for (int pause = 5;; pause = std::min(2 * pause, 100)) {
      done = Run(QString::fromLatin1(pragma)).ToStatus();
      if (done.ok || !m_busy || patience.hasExpired()) break;
      QThread::msleep(static_cast<unsigned long>(pause));
    }
    if (!done.ok) {
      Close();
      return Status::Failure(
          QCoreApplication::translate("Register", "%1 cannot be read: %2").arg(what, done.message));
    }
  }
  return Status::Success();
}

Status Database::OpenPostgres(const ServerSettings& settings) {
  Close();
  m_backend = Backend::Postgres;
  const QString what = QCoreApplication::translate("Register", "The subject register on %1")
                           .arg(settings.Describe());
  const Status opened = OpenConnection(
      QStringLiteral("QPSQL"),
      [&](QSqlDatabase& db) {
        db.setHostName(settings.host);
        if (settings.port > 0) db.setPort(settings.port);
        db.setDatabaseName(settings.databaseName);
        db.setUserName(settings.userName);
        db.setPassword(settings.password);
        db.setConnectOptions(settings.options.join(QLatin1Char(';')));
      },
      what);
  if (!opened.ok) return opened;
  // Quiet the server's notices (e.g. "relation already exists, skipping").
  if (Status done = Run(QStringLiteral("SET client_min_messages = WARNING")).ToStatus(); !done.ok) {
    Close();
    return Status::Failure(
        QCoreApplication::translate("Register", "%1 cannot be used: %2").arg(what, done.message));
  }
  return Status::Success();
}

void Database::Close() {
  if (!m_open) return;
  {
    QSqlDatabase db = Connection();
    db.close();
  }
  QSqlDatabase::removeDatabase(m_name);
  m_open = false;
}

Result<QSqlQuery> Database::Run(const QString& sql, const QVariantList& values) {
  m_busy = false;
  if (!m_open)
    return Result<QSqlQuery>::Failure(
        QCoreApplication::translate("Register", "the register is not open"));
  QSqlQuery query(Connection());
  query.setForwardOnly(true);
  bool ok = false;
  if (values.isEmpty()) {
    // PostgreSQL prepares no transaction control or SET statements.
    ok = query.exec(sql);
  } else {
    ok = query.prepare(sql);
    if (ok) {
      for (const QVariant& value : values) query.addBindValue(Storable(value));
      ok = query.exec();
    }
  }
  if (!ok) {
    m_busy = IsBusy(m_backend, query.lastError());
    return Result<QSqlQuery>::Failure(Describe(query.lastError()));
  }
  return Result<QSqlQuery>::Of(std::move(query));
}

Status Database::Begin() {
  // SQLite takes the write lock at once, so that two programs never both
  // read and then both try to write (which no waiting can resolve).
  const QString sql =
      m_backend == Backend::Sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
  return Run(sql).ToStatus();
}

Status Database::Finish(bool commit) {
  return Run(commit ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK")).ToStatus();
}

Status Database::Serialise(WriteLock lock) {
  if (m_backend != Backend::Postgres) return Status::Success();
  return Run(QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {static_cast<qint64>(lock)})
      .ToStatus();
}

Status Database::Write(const std::function<Status()>& body) {
  Status outcome;
  for (int attempt = 1; attempt <= WriteAttempts; ++attempt) {
    outcome = Begin();
    if (outcome.ok) {
      outcome = body();
      if (outcome.ok) {
        outcome = Finish(true);
        if (!outcome.ok) {
          const bool busy = m_busy;
          (void)Finish(false);
          m_busy = busy;
        }
      } else {
        const bool busy = m_busy;
        (void)Finish(false);
        m_busy = busy;
      }
    }
    if (outcome.ok || !m_busy) break;
    // The busy timeout has already waited; give the other program a little
    // more before the next attempt.
    QThread::msleep(static_cast<unsigned long>(50 * attempt));
  }
  if (!outcome.ok && m_busy) {
    outcome.message = QCoreApplication::translate("Register", "The subject register is busy: %1")
                          .arg(outcome.message);
  }
  return outcome;
}

}  // namespace prsrg
