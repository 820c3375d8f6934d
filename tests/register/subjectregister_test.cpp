// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The register's data on SQLite and PostgreSQL: create, edit, search,
// choose, the current subject per station and across a reopen, directories,
// data files, matching records.

#include "register/subjectregister.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <vector>

#include "backend.h"
#include "registertestsupport.h"

namespace prsrg::testing {
namespace {

using RegisterStore = OnBothBackends;

Subject FindOk(SubjectRegister& reg, qint64 id) {
  Result<std::optional<Subject>> found = reg.Find(id);
  EXPECT_TRUE(found.Ok()) << found.message.toStdString();
  EXPECT_TRUE(found.Ok() && found.value->has_value());
  return found.Ok() && *found.value ? **found.value : Subject{};
}

QStringList Names(const Result<QList<Subject>>& found) {
  QStringList names;
  if (found.Ok()) {
    for (const Subject& s : *found.value) names << s.name;
  }
  return names;
}

TEST_P(RegisterStore, CreatedSubjectReadsBackWithEveryField) {
  SubjectRegister reg;
  Open(reg);
  Subject s =
      MakeSubject(QStringLiteral("Nováková, Jana"), 0, 168, 61, QStringLiteral("left-handed"));
  s.comment2 = QStringLiteral("glasses");
  s.comment3 = QStringLiteral("night shift");
  const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
  const qint64 id = CreateOk(reg, s);
  ASSERT_GT(id, 0);

  const Subject back = FindOk(reg, id);
  EXPECT_EQ(back.id, id);
  EXPECT_TRUE(SameRecord(back, s));
  EXPECT_EQ(back.comment3, QStringLiteral("night shift"));
  EXPECT_GE(back.createdAt, before);
  EXPECT_TRUE(back.directory.isEmpty()) << "the directory is made when first needed";

  EXPECT_NE(CreateOk(reg, s), id) << "an equal record entered by hand is another person";
}

TEST_P(RegisterStore, EditChangesTheRecordAndKeepsIdAndDirectory) {
  SubjectRegister reg;
  Open(reg);
  const qint64 id = CreateOk(reg, MakeSubject(QStringLiteral("Doe Jane")));
  Result<QString> directory = reg.Directory(id);
  ASSERT_TRUE(directory.Ok());

  Subject edited = FindOk(reg, id);
  edited.name = QStringLiteral("Smith Jane");
  edited.sex = 1;
  edited.height = 250;
  edited.weight = 500;
  edited.comment2 = QStringLiteral("married");
  ASSERT_TRUE(reg.Update(edited).ok);

  const Subject back = FindOk(reg, id);
  EXPECT_TRUE(SameRecord(back, edited));
  EXPECT_EQ(reg.Directory(id).value, directory.value) << "files already saved stay reachable";
  EXPECT_EQ(Names(reg.Search(QStringLiteral("smith"))), QStringList{QStringLiteral("Smith Jane")});
  EXPECT_TRUE(Names(reg.Search(QStringLiteral("doe"))).isEmpty());

  Subject missing = edited;
  missing.id = id + 1000;
  const Status refused = reg.Update(missing);
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.message.contains(QStringLiteral("no longer")))
      << refused.message.toStdString();
}

TEST_P(RegisterStore, SearchIgnoresCaseAndAccentsAndWantsEveryWord) {
  SubjectRegister reg;
  Open(reg);
  for (const char* name :
       {"Novák Ján", "Nováková Jana", "Doe John", "Müller Jürgen", "100% Fit_Club"}) {
    CreateOk(reg, MakeSubject(QString::fromUtf8(name)));
  }
  EXPECT_EQ(Names(reg.Search(QStringLiteral("NOVAK"))),
            (QStringList{QString::fromUtf8("Novák Ján"), QString::fromUtf8("Nováková Jana")}));
  EXPECT_EQ(Names(reg.Search(QStringLiteral("jan nov"))),
            (QStringList{QString::fromUtf8("Novák Ján"), QString::fromUtf8("Nováková Jana")}));
  EXPECT_EQ(Names(reg.Search(QStringLiteral("jana"))),
            QStringList{QString::fromUtf8("Nováková Jana")});
  EXPECT_EQ(Names(reg.Search(QString::fromUtf8("muller jürg"))),
            QStringList{QString::fromUtf8("Müller Jürgen")});
  // Wildcards typed by the operator are plain characters.
  EXPECT_EQ(Names(reg.Search(QStringLiteral("%"))), QStringList{QStringLiteral("100% Fit_Club")});
  EXPECT_EQ(Names(reg.Search(QStringLiteral("t_c"))), QStringList{QStringLiteral("100% Fit_Club")});
  EXPECT_TRUE(Names(reg.Search(QStringLiteral("o_n"))).isEmpty());
  EXPECT_EQ(Names(reg.Search(QStringLiteral("  "))).size(), 5) << "no words: everyone";
  EXPECT_EQ(Names(reg.Search(QString(), 2)).size(), 2);
}

TEST_P(RegisterStore, CurrentSubjectIsPerStationAndSurvivesAReopen) {
  qint64 jane = 0;
  qint64 john = 0;
  {
    SubjectRegister a;
    Open(a, QStringLiteral("station-a"));
    SubjectRegister b;
    Open(b, QStringLiteral("station-b"));
    jane = CreateOk(a, MakeSubject(QStringLiteral("Jane")));
    john = CreateOk(a, MakeSubject(QStringLiteral("John"), 1));
    EXPECT_EQ(CurrentId(a), std::nullopt) << "a new register has no current subject";

    ASSERT_TRUE(a.Choose(jane).ok);
    ASSERT_TRUE(b.Choose(john).ok);
    EXPECT_EQ(CurrentId(a), jane);
    EXPECT_EQ(CurrentId(b), john);
  }
  SubjectRegister reopened;
  Open(reopened, QStringLiteral("station-a"));
  EXPECT_EQ(CurrentId(reopened), jane);

  ASSERT_TRUE(reopened.Choose(std::nullopt).ok);
  EXPECT_EQ(CurrentId(reopened), std::nullopt);
}

TEST_P(RegisterStore, ChoosingASubjectNotInTheRegisterChangesNothing) {
  SubjectRegister reg;
  Open(reg);
  const qint64 jane = CreateOk(reg, MakeSubject(QStringLiteral("Jane")));
  ASSERT_TRUE(reg.Choose(jane).ok);
  const Status refused = reg.Choose(jane + 77, QStringLiteral("/somewhere/x.aly"));
  EXPECT_FALSE(refused.ok);
  EXPECT_FALSE(refused.message.isEmpty());
  EXPECT_EQ(CurrentId(reg), jane);
  EXPECT_EQ(reg.SubjectOfDataFile(QStringLiteral("/somewhere/x.aly")).value, Found(std::nullopt));
}

TEST_P(RegisterStore, DirectoryIsNamedOnceAndMadeWhenNeeded) {
  SubjectRegister reg;
  Open(reg);
  const qint64 id = CreateOk(reg, MakeSubject(QStringLiteral("Doe, Jane")));
  Result<QString> first = reg.Directory(id);
  ASSERT_TRUE(first.Ok()) << first.message.toStdString();
  EXPECT_EQ(QFileInfo(*first.value).fileName(),
            QStringLiteral("Doe_Jane_%1").arg(id, 4, 10, QLatin1Char('0')));
  EXPECT_EQ(QFileInfo(*first.value).dir().canonicalPath(),
            QFileInfo(m_backend->Root()).canonicalFilePath());
  EXPECT_TRUE(QFileInfo(*first.value).isDir());

  // Removed by hand: made again, under the same name.
  ASSERT_TRUE(QDir(*first.value).removeRecursively());
  EXPECT_EQ(reg.Directory(id).value, first.value);
  EXPECT_TRUE(QFileInfo(*first.value).isDir());

  EXPECT_EQ(reg.SubjectOfDirectory(QFileInfo(*first.value).fileName()).value, Found(id));
  EXPECT_FALSE(reg.Directory(id + 5).Ok());
}

TEST_P(RegisterStore, DirectoryThatCannotBeMadeIsReported) {
  SubjectRegister reg;
  Open(reg);
  const qint64 id = CreateOk(reg, MakeSubject(QStringLiteral("Jane")));
  // A plain file where the directory belongs.
  QFile blocker(
      QDir(m_backend->Root()).filePath(QStringLiteral("Jane_%1").arg(id, 4, 10, QLatin1Char('0'))));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  Result<QString> directory = reg.Directory(id);
  EXPECT_FALSE(directory.Ok());
  EXPECT_TRUE(directory.message.contains(QStringLiteral("could not be created")));
}

TEST_P(RegisterStore, AdoptFindsTheSameRecordOrMakesANewSubjectAndRecordsTheFile) {
  SubjectRegister reg;
  Open(reg);
  const Subject jane = MakeSubject(QStringLiteral("Jane"), 0, 160, 55, QStringLiteral("a"));
  const qint64 existing = CreateOk(reg, jane);

  Result<qint64> same = reg.Adopt(jane, QStringLiteral("/files/one.aly"));
  ASSERT_TRUE(same.Ok()) << same.message.toStdString();
  EXPECT_EQ(*same.value, existing);
  EXPECT_EQ(CurrentId(reg), existing);
  EXPECT_EQ(reg.SubjectOfDataFile(QStringLiteral("/files/one.aly")).value, Found(existing));

  // Any field that differs makes another person.
  std::vector<Subject> others(5, jane);
  others[0].sex = 1;
  others[1].height = 161;
  others[2].weight = 56;
  others[3].comment1 = QStringLiteral("b");
  others[4].name = QStringLiteral("jane");
  for (const Subject& other : others) {
    Result<qint64> adopted = reg.Adopt(other);
    ASSERT_TRUE(adopted.Ok());
    EXPECT_NE(*adopted.value, existing);
    EXPECT_EQ(CurrentId(reg), *adopted.value);
    EXPECT_TRUE(SameRecord(FindOk(reg, *adopted.value), other));
    EXPECT_EQ(reg.Adopt(other).value, adopted.value) << "the second time it is known";
  }
}

// A damaged data file can bring a NUL character, which PostgreSQL cannot
// store; both back ends keep U+FFFD in its place and find the record again.
TEST_P(RegisterStore, NulInATextIsStoredAsAReplacementCharacterOnBothBackends) {
  SubjectRegister reg;
  Open(reg);
  const QChar nul(0);
  const QString replaced(QChar(0xFFFD));
  Subject record = MakeSubject(QStringLiteral("Ja") + nul + QStringLiteral("ne"), 0, 160, 55,
                               QStringLiteral("a") + nul);
  record.comment3 = nul;

  Result<qint64> adopted = reg.Adopt(record, QStringLiteral("/files/nul.aly"));
  ASSERT_TRUE(adopted.Ok()) << adopted.message.toStdString();
  const Subject back = FindOk(reg, *adopted.value);
  EXPECT_EQ(back.name, QStringLiteral("Ja") + replaced + QStringLiteral("ne"));
  EXPECT_EQ(back.comment1, QStringLiteral("a") + replaced);
  EXPECT_EQ(back.comment3, replaced);
  EXPECT_EQ(reg.Matching(record).value, Found(*adopted.value));
  EXPECT_EQ(reg.Adopt(record).value, adopted.value) << "the second time it is known";
  EXPECT_EQ(Names(reg.Search(QString(nul))), QStringList{back.name});

  record.id = *adopted.value;
  record.comment2 = nul;
  ASSERT_TRUE(reg.Update(record).ok);
  EXPECT_EQ(FindOk(reg, record.id).comment2, replaced);
  Result<qint64> created = reg.Create(record);
  ASSERT_TRUE(created.Ok()) << created.message.toStdString();
  EXPECT_TRUE(SameRecord(FindOk(reg, *created.value), FindOk(reg, record.id)));
}

PRSRG_ON_BOTH_BACKENDS(RegisterStore);

}  // namespace
}  // namespace prsrg::testing
