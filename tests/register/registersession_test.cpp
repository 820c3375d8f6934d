// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The register as the program uses it: the designated directories, and the
// subject of a data file found by its directory, by a recorded path or by
// the record it carries (PrsrgPodlaDatA), and made a subject (PrsrgKonvertSDA).

#include "register/registersession.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "backend.h"
#include "registertestsupport.h"
#include "register/database.h"
#include "register/registerpaths.h"

namespace prsrg::testing {
namespace {

constexpr int32_t October2025 = 1'760'000'000;  // 2025-10-09 08:53 UTC

class RegisterSessionTest : public OnBothBackends {
 protected:
  void SetUp() override {
    OnBothBackends::SetUp();
    if (IsSkipped()) return;
    const Status opened =
        m_session.Open(m_backend->Root(), m_backend->ConnectionString(), QStringLiteral("bench-1"));
    ASSERT_TRUE(opened.ok) << opened.message.toStdString();
  }

  SubjectRegister& Reg() { return *m_session.Register(); }

  QString SubjectDirectoryOf(qint64 id) {
    Result<QString> directory = Reg().Directory(id);
    EXPECT_TRUE(directory.Ok()) << directory.message.toStdString();
    return directory.value.value_or(QString());
  }

  QString Elsewhere(const QString& name) const { return QDir(m_elsewhere.path()).filePath(name); }

  RegisterSession m_session;
  QTemporaryDir m_elsewhere;
};

// Seconds since 1970 UTC of a local date and time.
int32_t LocalTime(int year, int month, int day) {
  return static_cast<int32_t>(QDateTime(QDate(year, month, day), QTime(12, 0)).toSecsSinceEpoch());
}

TEST_P(RegisterSessionTest, WithoutCurrentSubjectTheDirectoriesAreEmpty) {
  EXPECT_EQ(m_session.SubjectDirectory().value, std::optional<QString>(QString()));
  EXPECT_EQ(m_session.DataDirectory(LocalTime(2026, 3, 1)).value,
            std::optional<QString>(QString()));
}

TEST_P(RegisterSessionTest, DataDirectoryIsAFolderForTheTestsYear) {
  const qint64 id = CreateOk(Reg(), MakeSubject(QStringLiteral("Doe Jane")));
  ASSERT_TRUE(Reg().Choose(id).ok);
  const QString subjectDirectory = SubjectDirectoryOf(id);
  EXPECT_EQ(m_session.SubjectDirectory().value, subjectDirectory);

  for (int year : {1999, 2026, 2037}) {
    Result<QString> dir = m_session.DataDirectory(LocalTime(year, 12, 31));
    ASSERT_TRUE(dir.Ok()) << dir.message.toStdString();
    EXPECT_EQ(*dir.value, subjectDirectory + QLatin1Char('/') + QString::number(year));
    EXPECT_TRUE(QFileInfo(*dir.value).isDir());
  }
  // After 2038 the low 32 bits of the time are negative as an int32.
  const auto in2040 = static_cast<int32_t>(
      static_cast<uint32_t>(QDateTime(QDate(2040, 6, 1), QTime(12, 0)).toSecsSinceEpoch()));
  ASSERT_LT(in2040, 0);
  EXPECT_TRUE(m_session.DataDirectory(in2040).value->endsWith(QStringLiteral("/2040")));
  EXPECT_EQ(m_session.DataDirectory(0).value, subjectDirectory) << "no test time: no year";
}

TEST_P(RegisterSessionTest, FileInASubjectsDirectoryMakesThatSubjectCurrent) {
  const qint64 jane = CreateOk(Reg(), MakeSubject(QStringLiteral("Doe Jane")));
  const qint64 john = CreateOk(Reg(), MakeSubject(QStringLiteral("Doe John"), 1));
  const QString janes = SubjectDirectoryOf(jane);
  ASSERT_TRUE(Reg().Choose(john).ok);

  // Deep inside, through ".." and through a link to the register root.
  const QString file = janes + QStringLiteral("/2026/../2025/t.aly");
  WriteDataFile(janes + QStringLiteral("/2025/t.aly"), MakeSubject(QStringLiteral("someone else")),
                October2025);
  QDir().mkpath(janes + QStringLiteral("/2026"));
  ASSERT_TRUE(m_session.FollowDataFile(file).ok);
  EXPECT_EQ(CurrentId(m_session), jane) << "the directory decides, not the record in the file";

  ASSERT_TRUE(Reg().Choose(john).ok);
  const QString link = Elsewhere(QStringLiteral("root-link"));
  ASSERT_TRUE(QFile::link(m_backend->Root(), link));
  ASSERT_TRUE(m_session
                  .FollowDataFile(link + QLatin1Char('/') + QFileInfo(janes).fileName() +
                                  QStringLiteral("/2025/t.aly"))
                  .ok);
  EXPECT_EQ(CurrentId(m_session), jane);
}

TEST_P(RegisterSessionTest, ADirectoryWhoseNameStartsLikeASubjectsIsNotThatSubjects) {
  const qint64 jane = CreateOk(Reg(), MakeSubject(QStringLiteral("Doe")));
  const QString janes = SubjectDirectoryOf(jane);  // .../Doe_0001
  ASSERT_TRUE(Reg().Choose(jane).ok);
  // .../Doe_00010 is no subject's directory, although Doe_0001 is its prefix.
  const QString file = janes + QStringLiteral("0/x.aly");
  WriteDataFile(file, MakeSubject(QStringLiteral("Nobody")), October2025);
  ASSERT_TRUE(m_session.FollowDataFile(file).ok);
  EXPECT_EQ(CurrentId(m_session), std::nullopt);
}

TEST_P(RegisterSessionTest, FileElsewhereIsFoundByItsRecordAndThenByItsPath) {
  const Subject janeRecord =
      MakeSubject(QStringLiteral("Doe Jane"), 0, 165, 60, QStringLiteral("x"));
  const qint64 jane = CreateOk(Reg(), janeRecord);
  CreateOk(Reg(), MakeSubject(QStringLiteral("Doe John"), 1));
  const QString file = Elsewhere(QStringLiteral("usb/jane.aly"));
  WriteDataFile(file, janeRecord, October2025);

  ASSERT_TRUE(m_session.FollowDataFile(file).ok);
  EXPECT_EQ(CurrentId(m_session), jane);
  EXPECT_EQ(Reg().SubjectOfDataFile(CanonicalPath(file)).value, Found(jane));

  // Edited in the register later, the file still belongs to her.
  Subject renamed = janeRecord;
  renamed.id = jane;
  renamed.name = QStringLiteral("Smith Jane");
  ASSERT_TRUE(Reg().Update(renamed).ok);
  ASSERT_TRUE(Reg().Choose(std::nullopt).ok);
  ASSERT_TRUE(m_session.FollowDataFile(file).ok);
  EXPECT_EQ(CurrentId(m_session), jane);
}

TEST_P(RegisterSessionTest, UnknownFileLeavesNoCurrentSubjectAndAdoptRecordsIt) {
  const qint64 john = CreateOk(Reg(), MakeSubject(QStringLiteral("Doe John"), 1));
  ASSERT_TRUE(Reg().Choose(john).ok);
  const Subject stranger = MakeSubject(QString::fromUtf8("Štefánik Milan"), 1, 180, 80);
  const QString file = Elsewhere(QStringLiteral("stranger.aly"));
  WriteDataFile(file, stranger, October2025);

  ASSERT_TRUE(m_session.FollowDataFile(file).ok);
  EXPECT_EQ(CurrentId(m_session), std::nullopt) << "the program then hands the file's record over";

  ASSERT_TRUE(m_session.Adopt(stranger).ok);
  const std::optional<qint64> adopted = CurrentId(m_session);
  ASSERT_TRUE(adopted.has_value());
  EXPECT_NE(*adopted, john);
  EXPECT_TRUE(SameRecord(**Reg().Find(*adopted).value, stranger));

  // Round trip: the same file now finds the adopted subject straight away.
  ASSERT_TRUE(Reg().Choose(john).ok);
  ASSERT_TRUE(m_session.FollowDataFile(file).ok);
  EXPECT_EQ(CurrentId(m_session), adopted);
  // And adopting the same record again makes no second subject.
  ASSERT_TRUE(m_session.Adopt(stranger).ok);
  EXPECT_EQ(CurrentId(m_session), adopted);
  EXPECT_EQ(Reg().Search(QStringLiteral("stefanik")).value->size(), 1);
}

TEST_P(RegisterSessionTest, AdoptOnlyRecordsTheFileFollowedJustBefore) {
  const QString file = Elsewhere(QStringLiteral("a.aly"));
  WriteDataFile(file, MakeSubject(QStringLiteral("A")), October2025);
  ASSERT_TRUE(m_session.FollowDataFile(file).ok);
  m_session.ForgetUnplacedFile();  // what any other operation in between does
  ASSERT_TRUE(m_session.Adopt(MakeSubject(QStringLiteral("B"))).ok);
  EXPECT_EQ(Reg().SubjectOfDataFile(CanonicalPath(file)).value, Found(std::nullopt));
}

TEST_P(RegisterSessionTest, FileThatIsNoDataFileOrMissingFindsNobody) {
  const qint64 john = CreateOk(Reg(), MakeSubject(QStringLiteral("John")));
  ASSERT_TRUE(Reg().Choose(john).ok);
  const QString junk = Elsewhere(QStringLiteral("junk.aly"));
  QFile file(junk);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a data file");
  file.close();
  EXPECT_TRUE(m_session.FollowDataFile(junk).ok);
  EXPECT_EQ(CurrentId(m_session), std::nullopt);
  EXPECT_TRUE(m_session.FollowDataFile(Elsewhere(QStringLiteral("missing/x.aly"))).ok);
  EXPECT_EQ(CurrentId(m_session), std::nullopt);
}

TEST_P(RegisterSessionTest, FileWhoseOwnerCannotBeLookedUpLeavesNoCurrentSubject) {
  const qint64 john = CreateOk(Reg(), MakeSubject(QStringLiteral("John")));
  ASSERT_TRUE(Reg().Choose(john).ok);
  const QString file = Elsewhere(QStringLiteral("jane.aly"));
  WriteDataFile(file, MakeSubject(QStringLiteral("Jane")), October2025);
  // Another program breaks the register under this one.
  Database other;
  const QString connection = m_backend->ConnectionString();
  const Status opened = connection.isEmpty()
                            ? other.OpenSqlite(QDir(m_backend->Root()).filePath(SqliteFileName))
                            : other.OpenPostgres(*ParseServerSettings(connection).value);
  ASSERT_TRUE(opened.ok) << opened.message.toStdString();
  ASSERT_TRUE(other.Run(QStringLiteral("DROP TABLE data_files")).Ok());

  EXPECT_FALSE(m_session.FollowDataFile(file).ok);
  EXPECT_EQ(CurrentId(m_session), std::nullopt) << "John must not stand for the file's subject";
}

TEST_P(RegisterSessionTest, OpeningAnotherRootThatFailsKeepsTheOpenRegister) {
  const qint64 john = CreateOk(Reg(), MakeSubject(QStringLiteral("John")));
  ASSERT_TRUE(Reg().Choose(john).ok);
  const QString blocked = Elsewhere(QStringLiteral("file"));
  QFile file(blocked);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const Status refused =
      m_session.Open(blocked + QStringLiteral("/root"), QString(), QStringLiteral("bench-1"));
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.message.contains(QStringLiteral("could not be created")))
      << refused.message.toStdString();
  EXPECT_TRUE(m_session.IsOpen());
  EXPECT_EQ(CurrentId(m_session), john);
}

PRSRG_ON_BOTH_BACKENDS(RegisterSessionTest);

TEST(RegisterSessionClosed, EveryOperationFailsWithAMessage) {
  RegisterSession session;
  EXPECT_FALSE(session.IsOpen());
  EXPECT_EQ(session.Register(), nullptr);
  EXPECT_FALSE(session.Current().Ok());
  EXPECT_FALSE(session.SubjectDirectory().Ok());
  EXPECT_FALSE(session.DataDirectory(5).Ok());
  const Status followed = session.FollowDataFile(QStringLiteral("/tmp/x.aly"));
  EXPECT_FALSE(followed.ok);
  EXPECT_EQ(followed.message, QStringLiteral("The subject register is not open."));
  EXPECT_FALSE(session.Adopt(MakeSubject(QStringLiteral("x"))).ok);
}

TEST(RegisterSessionClosed, BadConnectionStringOpensNothing) {
  QTemporaryDir dir;
  RegisterSession session;
  const Status refused = session.Open(dir.filePath(QStringLiteral("root")),
                                      QStringLiteral("mysql://db/reg"), QStringLiteral("s"));
  EXPECT_FALSE(refused.ok);
  EXPECT_FALSE(session.IsOpen());
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("root/register.sqlite"))));
}

}  // namespace
}  // namespace prsrg::testing
