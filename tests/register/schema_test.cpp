// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Registers of older programs are brought up to date; registers of newer
// programs, broken files and foreign databases are refused and left alone.

#include "register/schema.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include "backend.h"
#include "registertestsupport.h"
#include "register/database.h"
#include "register/subjectregister.h"

namespace prsrg::testing {
namespace {

class RegisterSchema : public OnBothBackends {
 protected:
  // A bare connection to this test's database, as an older program had it.
  void Connect(Database& db) {
    const RegisterLocation where = m_backend->Location();
    const Status opened =
        where.server ? db.OpenPostgres(*where.server)
                     : db.OpenSqlite(QDir(where.root).filePath(QLatin1String(SqliteFileName)));
    ASSERT_TRUE(opened.ok) << opened.message.toStdString();
  }

  int Version() {
    Database db;
    Connect(db);
    Result<int> version = SchemaVersion(db);
    EXPECT_TRUE(version.Ok()) << version.message.toStdString();
    return version.value.value_or(-1);
  }
};

TEST_P(RegisterSchema, NewRegisterHasTheCurrentVersion) {
  SubjectRegister reg;
  Open(reg);
  reg.Close();
  EXPECT_EQ(Version(), CurrentSchemaVersion);
  // Opening again migrates nothing and keeps the version.
  Open(reg);
  reg.Close();
  EXPECT_EQ(Version(), CurrentSchemaVersion);
}

TEST_P(RegisterSchema, Version1RegisterIsUpgradedWithItsData) {
  {
    Database old;
    Connect(old);
    ASSERT_TRUE(Migrate(old, 1).ok);
    for (const char* name : {"Novák Ján", "Doe Jane"}) {
      ASSERT_TRUE(old.Run(QStringLiteral("INSERT INTO subjects (name, sex, height, weight, "
                                         "comment1, comment2, comment3, created_at, directory) "
                                         "VALUES (?, 1, 180, 80, 'c1', '', '', "
                                         "'2019-05-01T10:00:00Z', NULL)"),
                          {QString::fromUtf8(name)})
                      .Ok());
    }
    Result<QSqlQuery> id =
        old.Run(QStringLiteral("SELECT id FROM subjects WHERE name = 'Doe Jane'"));
    ASSERT_TRUE(id.Ok() && id.value->next());
    ASSERT_TRUE(old.Run(QStringLiteral("INSERT INTO current_subject VALUES ('station-a', ?, "
                                       "'2019-05-01T10:00:00Z')"),
                        {id.value->value(0)})
                    .Ok());
  }
  ASSERT_EQ(Version(), 1);

  SubjectRegister reg;
  Open(reg);
  Result<std::optional<Subject>> current = reg.Current();
  ASSERT_TRUE(current.Ok() && *current.value);
  EXPECT_EQ((*current.value)->name, QStringLiteral("Doe Jane"));
  EXPECT_EQ((*current.value)->createdAt, QDateTime(QDate(2019, 5, 1), QTime(10, 0), Qt::UTC));
  // Names of the old register are searchable (their keys were filled in)...
  Result<QList<Subject>> found = reg.Search(QStringLiteral("novak"));
  ASSERT_TRUE(found.Ok());
  ASSERT_EQ(found.value->size(), 1);
  // ...and what version 2 brought works.
  ASSERT_TRUE(reg.Choose(found.value->first().id, QStringLiteral("/x/y.aly")).ok);
  EXPECT_EQ(reg.SubjectOfDataFile(QStringLiteral("/x/y.aly")).value,
            Found(found.value->first().id));
  reg.Close();
  EXPECT_EQ(Version(), CurrentSchemaVersion);
}

TEST_P(RegisterSchema, RegisterOfANewerProgramIsRefusedAndLeftAsItIs) {
  {
    SubjectRegister reg;
    Open(reg);
    ASSERT_TRUE(reg.Create(MakeSubject(QStringLiteral("Jane"))).Ok());
  }
  {
    Database db;
    Connect(db);
    ASSERT_TRUE(db.Run(QStringLiteral("UPDATE schema_version SET version = 99")).Ok());
  }
  SubjectRegister reg;
  const Status refused = reg.Open(m_backend->Location());
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.message.contains(QStringLiteral("newer program")))
      << refused.message.toStdString();
  EXPECT_FALSE(reg.IsOpen());
  EXPECT_FALSE(reg.Create(MakeSubject(QStringLiteral("x"))).Ok());
  EXPECT_EQ(Version(), 99);
}

TEST_P(RegisterSchema, RegisterTablesWithoutAVersionAreRefused) {
  {
    Database db;
    Connect(db);
    ASSERT_TRUE(db.Run(QStringLiteral("CREATE TABLE subjects (id INTEGER, name TEXT)")).Ok());
  }
  SubjectRegister reg;
  const Status refused = reg.Open(m_backend->Location());
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.message.contains(QStringLiteral("unknown version")))
      << refused.message.toStdString();
  Database db;
  Connect(db);
  EXPECT_FALSE(db.Run(QStringLiteral("SELECT version FROM schema_version")).Ok())
      << "nothing was added";
}

PRSRG_ON_BOTH_BACKENDS(RegisterSchema);

class RegisterSqliteFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
  QString File() const { return m_dir.filePath(QLatin1String(SqliteFileName)); }
  RegisterLocation Location() const { return {m_dir.path(), std::nullopt, QStringLiteral("s")}; }

  QTemporaryDir m_dir;
};

TEST_F(RegisterSqliteFile, BrokenFileIsRefusedAndLeftUnchanged) {
  QByteArray junk(8192, '\x5a');
  junk.replace(0, 9, "not sql\n\0");
  {
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(junk);
  }
  SubjectRegister reg;
  const Status refused = reg.Open(Location());
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.message.contains(File())) << refused.message.toStdString();
  EXPECT_FALSE(reg.IsOpen());
  QFile file(File());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), junk);
  EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QLatin1String(SqliteFileName)});
}

TEST_F(RegisterSqliteFile, RegisterUsesWriteAheadLoggingAndForeignKeys) {
  SubjectRegister reg;
  ASSERT_TRUE(reg.Open(Location()).ok);
  Database db;
  ASSERT_TRUE(db.OpenSqlite(File()).ok);
  Result<QSqlQuery> mode = db.Run(QStringLiteral("PRAGMA journal_mode"));
  ASSERT_TRUE(mode.Ok() && mode.value->next());
  EXPECT_EQ(mode.value->value(0).toString(), QStringLiteral("wal"));
  mode.value->finish();
  // A data file recorded for a subject that does not exist is refused.
  EXPECT_FALSE(
      db.Run(QStringLiteral("INSERT INTO data_files VALUES ('/a.aly', 4242, 'now')")).Ok());
}

TEST_F(RegisterSqliteFile, MissingRootIsReportedAndNotMade) {
  SubjectRegister reg;
  RegisterLocation where = Location();
  where.root = m_dir.filePath(QStringLiteral("missing"));
  const Status refused = reg.Open(where);
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.message.contains(QStringLiteral("does not exist")));
  EXPECT_FALSE(QDir(where.root).exists());
}

}  // namespace
}  // namespace prsrg::testing
