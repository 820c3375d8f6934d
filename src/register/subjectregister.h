// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The register's data: subjects, each station's current subject, the data
// files recorded for a subject, and the subjects' directories below the
// register root. Every change is one transaction; every failure comes back
// as a message and leaves the register as it was.

#include <QList>
#include <QString>
#include <optional>

#include "database.h"
#include "outcome.h"
#include "serversettings.h"
#include "subject.h"

namespace prsrg {

struct RegisterLocation {
  QString root;                          // an existing directory; the subjects' directories go here
  std::optional<ServerSettings> server;  // PostgreSQL; none: <root>/register.sqlite
  QString station;                       // whose current subject this program reads and sets
};

inline constexpr const char* SqliteFileName = "register.sqlite";

class SubjectRegister {
 public:
  Status Open(const RegisterLocation& location);
  void Close();
  bool IsOpen() const { return m_db.IsOpen(); }
  const QString& Root() const { return m_root; }  // canonical
  const QString& Station() const { return m_station; }

  // The new subject's id; its directory is made when first needed.
  Result<qint64> Create(const Subject& subject);
  // The record fields of subject.id; the directory keeps its first name.
  Status Update(const Subject& subject);
  Result<std::optional<Subject>> Find(qint64 id);
  // Subjects whose name holds every word of text (case and accents aside),
  // by name; all of them for an empty text.
  Result<QList<Subject>> Search(const QString& text, int limit = 1000);

  // This station's current subject; none when it was never chosen.
  Result<std::optional<Subject>> Current();
  // Makes the subject current, or none with std::nullopt. A data file, when
  // given, is recorded for the subject in the same transaction.
  Status Choose(std::optional<qint64> id, const QString& dataFile = {});
  // Makes the subject of a data file's record current: the first subject
  // with the same record, else a new one.
  Result<qint64> Adopt(const Subject& record, const QString& dataFile = {});

  // The subject's directory, made on disk (and named) when first needed.
  Result<QString> Directory(qint64 id);
  // The subject whose directory has this name.
  Result<std::optional<qint64>> SubjectOfDirectory(const QString& name);
  // The subject a data file was recorded for (by canonical path).
  Result<std::optional<qint64>> SubjectOfDataFile(const QString& path);
  Result<std::optional<qint64>> Matching(const Subject& record);

 private:
  Status RequireOpen() const;
  Result<std::optional<Subject>> FindIn(qint64 id);
  Result<std::optional<qint64>> MatchingIn(const Subject& record);
  Status ChooseIn(std::optional<qint64> id, const QString& dataFile);
  Result<std::optional<qint64>> SingleId(const QString& sql, const QVariantList& values);

  Database m_db;
  QString m_root;
  QString m_station;
};

}  // namespace prsrg
