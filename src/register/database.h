// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One named connection to the register's database, SQLite or PostgreSQL,
// with write transactions that are retried while another program holds the
// database.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>

#include "outcome.h"
#include "serversettings.h"

namespace prsrg {

enum class Backend { Sqlite, Postgres };

// Keys of the transaction-scoped locks that serialise one kind of write
// among all programs on a server. Any numbers will do as long as no other
// program on the same server takes the same advisory lock for something else.
enum class WriteLock : qint64 {
  Migration = 0x70727372,  // "prsr"
  Adopt = 0x70727361,      // "prsa"
};

class Database {
 public:
  Database();
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens the file (created when missing) with write-ahead logging, a busy
  // timeout and foreign keys. Fails on a file that is not an SQLite database.
  Status OpenSqlite(const QString& file);
  Status OpenPostgres(const ServerSettings& settings);
  void Close();

  bool IsOpen() const { return m_open; }
  Backend Kind() const { return m_backend; }

  // Prepares, binds the values in order and executes one statement. A NUL
  // in a text value is bound as U+FFFD on both back ends.
  Result<QSqlQuery> Run(const QString& sql, const QVariantList& values = {});

  // Runs body as one transaction: committed when it succeeds, rolled back
  // otherwise. A transaction that failed because the database was busy or
  // because of a deadlock is run again a few times.
  Status Write(const std::function<Status()>& body);

  // Inside Write: waits until no other program holds the lock, which is
  // then held until the transaction ends. SQLite needs none: its write
  // transactions already run one at a time.
  Status Serialise(WriteLock lock);

 private:
  QSqlDatabase Connection() const;
  Status Begin();
  Status Finish(bool commit);
  Status OpenConnection(const QString& driver, const std::function<void(QSqlDatabase&)>& configure,
                        const QString& what);

  QString m_name;  // connection name, unique in the process
  Backend m_backend = Backend::Sqlite;
  bool m_open = false;
  bool m_busy = false;  // the last failure was a busy or deadlocked database
};

}  // namespace prsrg
