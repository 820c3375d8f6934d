// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "subjectregister.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

#include "directoryname.h"
#include "registerpaths.h"
#include "schema.h"
#include "searchkey.h"

namespace prsrg {

namespace {

const QString Columns = QStringLiteral(
    "id, name, sex, height, weight, comment1, comment2, comment3, created_at, directory");

QString Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

Subject ReadSubject(const QSqlQuery& q) {
  Subject s;
  s.id = q.value(0).toLongLong();
  s.name = q.value(1).toString();
  s.sex = q.value(2).toInt();
  s.height = q.value(3).toInt();
  s.weight = q.value(4).toInt();
  s.comment1 = q.value(5).toString();
  s.comment2 = q.value(6).toString();
  s.comment3 = q.value(7).toString();
  s.createdAt = QDateTime::fromString(q.value(8).toString(), Qt::ISODate);
  s.directory = q.value(9).toString();
  return s;
}

// LIKE pattern for a word anywhere in the key; '!' escapes the wildcards.
QString Containing(const QString& word) {
  QString escaped = word;
  escaped.replace(QLatin1Char('!'), QLatin1String("!!"));
  escaped.replace(QLatin1Char('%'), QLatin1String("!%"));
  escaped.replace(QLatin1Char('_'), QLatin1String("!_"));
  return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// A null QString would be bound as SQL NULL; the texts of a record are
// never NULL, only empty.
QString Text(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

// name, name_key, sex, height, weight, comment1..3: as INSERT and UPDATE bind them.
QVariantList RecordValues(const Subject& s) {
  return {Text(s.name),     Text(SearchKey(s.name)), s.sex,           s.height, s.weight,
          Text(s.comment1), Text(s.comment2),        Text(s.comment3)};
}

QVariant NullId() { return QVariant(QMetaType::fromType<qint64>()); }

constexpr const char* NotOpen = QT_TRANSLATE_NOOP("Register", "The subject register is not open.");
constexpr const char* Gone =
    QT_TRANSLATE_NOOP("Register", "The subject is no longer in the register.");

}  // namespace

Status SubjectRegister::Open(const RegisterLocation& location) {
  Close();
  const QFileInfo root(location.root);
  if (location.root.isEmpty() || !root.isDir()) {
    return Status::Failure(QCoreApplication::translate(
                               "Register", "The subject register's directory %1 does not exist.")
                               .arg(location.root));
  }
  const QString canonicalRoot = root.canonicalFilePath();
  Status opened =
      location.server
          ? m_db.OpenPostgres(*location.server)
          : m_db.OpenSqlite(QDir(canonicalRoot).filePath(QLatin1String(SqliteFileName)));
  if (!opened.ok) return opened;
  if (Status migrated = Migrate(m_db); !migrated.ok) {
    m_db.Close();
    return Status::Failure(
        QCoreApplication::translate("Register", "The subject register cannot be used: %1")
            .arg(migrated.message));
  }
  m_root = canonicalRoot;
  m_station = location.station;
  return Status::Success();
}

void SubjectRegister::Close() {
  m_db.Close();
  m_root.clear();
}

Status SubjectRegister::RequireOpen() const {
  return m_db.IsOpen() ? Status::Success()
                       : Status::Failure(QCoreApplication::translate("Register", NotOpen));
}

Result<qint64> SubjectRegister::Create(const Subject& subject) {
  if (Status open = RequireOpen(); !open.ok) return Result<qint64>::Failure(open);
  qint64 id = 0;
  const Status done = m_db.Write([&]() -> Status {
    Result<QSqlQuery> q = m_db.Run(
        QStringLiteral("INSERT INTO subjects (name, name_key, sex, height, weight, comment1, "
                       "comment2, comment3, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                       "RETURNING id"),
        RecordValues(subject) << Now());
    if (!q.Ok()) return q.ToStatus();
    if (!q.value->next()) return Status::Failure(QStringLiteral("no id for the new subject"));
    id = q.value->value(0).toLongLong();
    q.value->finish();
    return Status::Success();
  });
  if (!done.ok) {
    return Result<qint64>::Failure(
        QCoreApplication::translate("Register", "The subject could not be added: %1")
            .arg(done.message));
  }
  return Result<qint64>::Of(id);
}

Status SubjectRegister::Update(const Subject& subject) {
  if (Status open = RequireOpen(); !open.ok) return open;
  const Status done = m_db.Write([&]() -> Status {
    Result<std::optional<Subject>> existing = FindIn(subject.id);
    if (!existing.Ok()) return existing.ToStatus();
    if (!*existing.value) return Status::Failure(QCoreApplication::translate("Register", Gone));
    return m_db
        .Run(QStringLiteral("UPDATE subjects SET name = ?, name_key = ?, sex = ?, height = ?, "
                            "weight = ?, comment1 = ?, comment2 = ?, comment3 = ? WHERE id = ?"),
             RecordValues(subject) << subject.id)
        .ToStatus();
  });
  if (!done.ok) {
    return Status::Failure(
        QCoreApplication::translate("Register", "The subject could not be changed: %1")
            .arg(done.message));
  }
  return done;
}

Result<std::optional<Subject>> SubjectRegister::FindIn(qint64 id) {
  Result<QSqlQuery> q =
      m_db.Run(QStringLiteral("SELECT %1 FROM subjects WHERE id = ?").arg(Columns), {id});
  if (!q.Ok()) return Result<std::optional<Subject>>::Failure(q.message);
  std::optional<Subject> found;
  if (q.value->next()) found = ReadSubject(*q.value);
  q.value->finish();
  return Result<std::optional<Subject>>::Of(found);
}

Result<std::optional<Subject>> SubjectRegister::Find(qint64 id) {
  if (Status open = RequireOpen(); !open.ok) return Result<std::optional<Subject>>::Failure(open);
  return FindIn(id);
}

Result<QList<Subject>> SubjectRegister::Search(const QString& text, int limit) {
  if (Status open = RequireOpen(); !open.ok) return Result<QList<Subject>>::Failure(open);
  QString sql = QStringLiteral("SELECT %1 FROM subjects").arg(Columns);
  QVariantList values;
  const QStringList words = SearchWords(text);
  for (const QString& word : words) {
    sql += values.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
    sql += QStringLiteral("name_key LIKE ? ESCAPE '!'");
    values << Containing(word);
  }
  sql += QStringLiteral(" ORDER BY name_key, id LIMIT ?");
  values << limit;
  Result<QSqlQuery> q = m_db.Run(sql, values);
  if (!q.Ok()) return Result<QList<Subject>>::Failure(q.message);
  QList<Subject> found;
  while (q.value->next()) found.append(ReadSubject(*q.value));
  return Result<QList<Subject>>::Of(found);
}

Result<std::optional<Subject>> SubjectRegister::Current() {
  if (Status open = RequireOpen(); !open.ok) return Result<std::optional<Subject>>::Failure(open);
  Result<std::optional<qint64>> id =
      SingleId(QStringLiteral("SELECT subject_id FROM current_subject WHERE station = ? AND "
                              "subject_id IS NOT NULL"),
               {m_station});
  if (!id.Ok()) return Result<std::optional<Subject>>::Failure(id.message);
  if (!*id.value) return Result<std::optional<Subject>>::Of(std::nullopt);
  return FindIn(**id.value);
}

Status SubjectRegister::ChooseIn(std::optional<qint64> id, const QString& dataFile) {
  if (id) {
    Result<std::optional<Subject>> existing = FindIn(*id);
    if (!existing.Ok()) return existing.ToStatus();
    if (!*existing.value) return Status::Failure(QCoreApplication::translate("Register", Gone));
  }
  const QString now = Now();
  Status done =
      m_db.Run(QStringLiteral("INSERT INTO current_subject (station, subject_id, changed_at) "
                              "VALUES (?, ?, ?) ON CONFLICT (station) DO UPDATE SET "
                              "subject_id = excluded.subject_id, changed_at = excluded.changed_at"),
               {m_station, id ? QVariant(*id) : NullId(), now})
          .ToStatus();
  if (!done.ok || !id || dataFile.isEmpty()) return done;
  return m_db
      .Run(QStringLiteral("INSERT INTO data_files (path, subject_id, recorded_at) VALUES (?, ?, ?) "
                          "ON CONFLICT (path) DO UPDATE SET subject_id = excluded.subject_id, "
                          "recorded_at = excluded.recorded_at"),
           {dataFile, *id, now})
      .ToStatus();
}

Status SubjectRegister::Choose(std::optional<qint64> id, const QString& dataFile) {
  if (Status open = RequireOpen(); !open.ok) return open;
  const Status done = m_db.Write([&] { return ChooseIn(id, dataFile); });
  if (!done.ok) {
    return Status::Failure(
        QCoreApplication::translate("Register", "The current subject could not be set: %1")
            .arg(done.message));
  }
  return done;
}

Result<std::optional<qint64>> SubjectRegister::MatchingIn(const Subject& record) {
  return SingleId(QStringLiteral("SELECT id FROM subjects WHERE name = ? AND sex = ? AND "
                                 "height = ? AND weight = ? AND comment1 = ? AND comment2 = ? "
                                 "AND comment3 = ? ORDER BY id LIMIT 1"),
                  {Text(record.name), record.sex, record.height, record.weight,
                   Text(record.comment1), Text(record.comment2), Text(record.comment3)});
}

Result<std::optional<qint64>> SubjectRegister::Matching(const Subject& record) {
  if (Status open = RequireOpen(); !open.ok) return Result<std::optional<qint64>>::Failure(open);
  return MatchingIn(record);
}

Result<qint64> SubjectRegister::Adopt(const Subject& record, const QString& dataFile) {
  if (Status open = RequireOpen(); !open.ok) return Result<qint64>::Failure(open);
  qint64 id = 0;
  const Status done = m_db.Write([&]() -> Status {
    // Without it two programs opening files of the same unknown subject at
    // once would both find no match and both add the subject.
    if (Status locked = m_db.Serialise(WriteLock::Adopt); !locked.ok) return locked;
    Result<std::optional<qint64>> match = MatchingIn(record);
    if (!match.Ok()) return match.ToStatus();
    if (*match.value) {
      id = **match.value;
    } else {
      Result<QSqlQuery> q = m_db.Run(
          QStringLiteral("INSERT INTO subjects (name, name_key, sex, height, weight, comment1, "
                         "comment2, comment3, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                         "RETURNING id"),
          RecordValues(record) << Now());
      if (!q.Ok()) return q.ToStatus();
      if (!q.value->next()) return Status::Failure(QStringLiteral("no id for the new subject"));
      id = q.value->value(0).toLongLong();
      q.value->finish();
    }
    return ChooseIn(id, dataFile);
  });
  if (!done.ok) {
    return Result<qint64>::Failure(
        QCoreApplication::translate("Register",
                                    "The subject of the data file could not be registered: %1")
            .arg(done.message));
  }
  return Result<qint64>::Of(id);
}

Result<QString> SubjectRegister::Directory(qint64 id) {
  if (Status open = RequireOpen(); !open.ok) return Result<QString>::Failure(open);
  Result<std::optional<Subject>> known = FindIn(id);
  if (!known.Ok()) return Result<QString>::Failure(known.message);
  if (!*known.value) return Result<QString>::Failure(QCoreApplication::translate("Register", Gone));
  QString name = (*known.value)->directory;
  // Named once, in a transaction, so that two programs asking at the same
  // time agree on one name; a later change of the subject's name leaves the
  // directory (and the files in it) where it is.
  const Status named = !name.isEmpty() ? Status::Success() : m_db.Write([&]() -> Status {
    Result<std::optional<Subject>> subject = FindIn(id);
    if (!subject.Ok()) return subject.ToStatus();
    if (!*subject.value) return Status::Failure(QCoreApplication::translate("Register", Gone));
    name = (*subject.value)->directory;
    if (!name.isEmpty()) return Status::Success();
    name = SubjectDirectoryName((*subject.value)->name, id);
    return m_db
        .Run(QStringLiteral("UPDATE subjects SET directory = ? WHERE id = ? AND directory IS NULL"),
             {name, id})
        .ToStatus();
  });
  if (!named.ok) {
    return Result<QString>::Failure(
        QCoreApplication::translate("Register", "The subject's directory could not be named: %1")
            .arg(named.message));
  }
  const QString path = QDir(m_root).filePath(name);
  if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) {
    return Result<QString>::Failure(
        QCoreApplication::translate("Register", "The subject's directory %1 could not be created.")
            .arg(path));
  }
  return Result<QString>::Of(path);
}

Result<std::optional<qint64>> SubjectRegister::SingleId(const QString& sql,
                                                        const QVariantList& values) {
  Result<QSqlQuery> q = m_db.Run(sql, values);
  if (!q.Ok()) return Result<std::optional<qint64>>::Failure(q.message);
  std::optional<qint64> id;
  if (q.value->next()) id = q.value->value(0).toLongLong();
  q.value->finish();
  return Result<std::optional<qint64>>::Of(id);
}

Result<std::optional<qint64>> SubjectRegister::SubjectOfDirectory(const QString& name) {
  if (Status open = RequireOpen(); !open.ok) return Result<std::optional<qint64>>::Failure(open);
  return SingleId(QStringLiteral("SELECT id FROM subjects WHERE directory = ?"), {name});
}

Result<std::optional<qint64>> SubjectRegister::SubjectOfDataFile(const QString& path) {
  if (Status open = RequireOpen(); !open.ok) return Result<std::optional<qint64>>::Failure(open);
  return SingleId(QStringLiteral("SELECT subject_id FROM data_files WHERE path = ?"), {path});
}

}  // namespace prsrg
