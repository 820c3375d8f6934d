// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Directory names of subjects, search keys, and the path rules that decide
// whether a data file lies in a subject's directory.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "register/directoryname.h"
#include "register/registerpaths.h"
#include "register/searchkey.h"

namespace prsrg {
namespace {

QString Name(const char* utf8, qint64 id = 42) {
  return SubjectDirectoryName(QString::fromUtf8(utf8), id);
}

TEST(RegisterDirectoryName, KeepsReadableNamesAndAppendsTheId) {
  EXPECT_EQ(Name("Doe Jane"), QStringLiteral("Doe_Jane_0042"));
  EXPECT_EQ(Name("Doe, Jane"), QStringLiteral("Doe_Jane_0042"));
  EXPECT_EQ(Name("Doe-Smith_Jane"), QStringLiteral("Doe-Smith_Jane_0042"));
  EXPECT_EQ(Name("Doe Jane", 123456), QStringLiteral("Doe_Jane_123456"));
}

TEST(RegisterDirectoryName, AwkwardCharactersNeverLeaveTheRoot) {
  EXPECT_EQ(Name("../../etc/passwd"), QStringLiteral("etc_passwd_0042"));
  EXPECT_EQ(Name(".."), QStringLiteral("Subject_0042"));
  EXPECT_EQ(Name("."), QStringLiteral("Subject_0042"));
  EXPECT_EQ(Name("a/b\\c:d*e?f\"g<h>i|j"), QStringLiteral("a_b_c_d_e_f_g_h_i_j_0042"));
  EXPECT_EQ(Name("J. R. R. Doe"), QStringLiteral("J_R_R_Doe_0042"));
  EXPECT_EQ(Name("--rf Doe"), QStringLiteral("rf_Doe_0042")) << "no leading dash";
  EXPECT_EQ(Name("tab\there\nnewline"), QStringLiteral("tab_here_newline_0042"));
  EXPECT_EQ(SubjectDirectoryName(QString::fromUtf8("nul\0byte", 8), 42),
            QStringLiteral("nul_byte_0042"));
}

TEST(RegisterDirectoryName, NonAsciiNamesAreSpelledInAscii) {
  EXPECT_EQ(Name("Ján Nováková-Ďurčová"), QStringLiteral("Jan_Novakova-Durcova_0042"));
  EXPECT_EQ(Name("Müller Jürgen Weiß"), QStringLiteral("Muller_Jurgen_Weiss_0042"));
  EXPECT_EQ(Name("Łukasz Ørsted Æbelø"), QStringLiteral("Lukasz_Orsted_AEbelo_0042"));
  EXPECT_EQ(Name("ﬁnn"), QStringLiteral("finn_0042")) << "compatibility ligature";
  EXPECT_EQ(Name("王小明"), QStringLiteral("Subject_0042"));
  EXPECT_EQ(Name("Doe 王 Jane 😀"), QStringLiteral("Doe_Jane_0042"));
}

TEST(RegisterDirectoryName, EmptyAndVeryLongNames) {
  EXPECT_EQ(Name(""), QStringLiteral("Subject_0042"));
  EXPECT_EQ(Name("   "), QStringLiteral("Subject_0042"));
  const QString longName = SubjectDirectoryName(QString(300, QLatin1Char('x')), 7);
  EXPECT_EQ(longName, QString(MaxNamePartLength, QLatin1Char('x')) + QStringLiteral("_0007"));
  // Cut where a separator falls: no separator is left dangling before the id.
  const QString cut = SubjectDirectoryName(
      QString(MaxNamePartLength - 1, QLatin1Char('y')) + QStringLiteral(" zzz"), 7);
  EXPECT_EQ(cut, QString(MaxNamePartLength - 1, QLatin1Char('y')) + QStringLiteral("_0007"));
}

TEST(RegisterDirectoryName, EveryNameCanBeMadeOnDisk) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  qint64 id = 1;
  for (const char* name : {"../x", "..", ".", "", "a/b", "王", "Doe Jane", "ﬁ/ß"}) {
    const QString dir = Name(name, id++);
    ASSERT_TRUE(QDir(root.path()).mkdir(dir)) << dir.toStdString();
    EXPECT_TRUE(QDir(root.filePath(dir)).exists());
  }
  EXPECT_EQ(QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 8);
}

TEST(RegisterSearchKey, FoldsCaseAccentsAndSpaces) {
  EXPECT_EQ(SearchKey(QString::fromUtf8("  Nováková   JANA ")), QStringLiteral("novakova jana"));
  EXPECT_EQ(SearchKey(QString::fromUtf8("STRAẞE")), QStringLiteral("strasse"));
  EXPECT_EQ(SearchWords(QString::fromUtf8(" Ján  DOE ")),
            (QStringList{QStringLiteral("jan"), QStringLiteral("doe")}));
  EXPECT_TRUE(SearchWords(QStringLiteral("   ")).isEmpty());
}

class RegisterPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_root = m_dir.filePath(QStringLiteral("root"));
    for (const char* sub : {"root/Doe1/2026", "root/Doe10", "other"}) {
      ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QString::fromLatin1(sub))));
    }
  }
  QString At(const char* relative) const { return m_dir.filePath(QString::fromLatin1(relative)); }

  QTemporaryDir m_dir;
  QString m_root;
};

TEST_F(RegisterPaths, FirstComponentIsFoundComponentByComponent) {
  EXPECT_EQ(FirstComponentBelow(m_root, At("root/Doe1/2026/t.aly")), QStringLiteral("Doe1"));
  EXPECT_EQ(FirstComponentBelow(m_root, At("root/Doe10/t.aly")), QStringLiteral("Doe10"));
  EXPECT_EQ(FirstComponentBelow(m_root + QLatin1Char('/'), At("root/Doe10/t.aly")),
            QStringLiteral("Doe10"));
  EXPECT_EQ(FirstComponentBelow(m_root, At("root/Doe1/../Doe10/t.aly")), QStringLiteral("Doe10"));
  EXPECT_EQ(FirstComponentBelow(m_root, At("root/./Doe1//2026/t.aly")), QStringLiteral("Doe1"));
  EXPECT_EQ(FirstComponentBelow(m_root, At("root/t.aly")), QStringLiteral("t.aly"));
}

TEST_F(RegisterPaths, FilesOutsideTheRootHaveNoComponent) {
  EXPECT_EQ(FirstComponentBelow(m_root, At("other/t.aly")), QString());
  EXPECT_EQ(FirstComponentBelow(m_root, At("root/../other/t.aly")), QString());
  EXPECT_EQ(FirstComponentBelow(m_root, m_root), QString());
  EXPECT_EQ(FirstComponentBelow(m_root, At("rootsibling/Doe1/t.aly")), QString())
      << "a name that merely starts with the root's";
  EXPECT_EQ(FirstComponentBelow(m_root, QString()), QString());
  EXPECT_EQ(FirstComponentBelow(QString(), At("root/Doe1/t.aly")), QString());
}

TEST_F(RegisterPaths, LinksAreFollowedOnBothSides) {
  ASSERT_TRUE(QFile::link(m_root, At("root-link")));
  ASSERT_TRUE(QFile::link(At("root/Doe1"), At("other/doe-link")));
  EXPECT_EQ(FirstComponentBelow(At("root-link"), At("root/Doe1/t.aly")), QStringLiteral("Doe1"));
  EXPECT_EQ(FirstComponentBelow(m_root, At("root-link/Doe10/t.aly")), QStringLiteral("Doe10"));
  EXPECT_EQ(FirstComponentBelow(m_root, At("other/doe-link/2026/t.aly")), QStringLiteral("Doe1"));
}

TEST_F(RegisterPaths, RelativePathsAreTakenFromTheWorkingDirectory) {
  const QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
  EXPECT_EQ(FirstComponentBelow(QStringLiteral("root"), QStringLiteral("root/Doe10/t.aly")),
            QStringLiteral("Doe10"));
  EXPECT_EQ(CanonicalPath(QStringLiteral("root/x/../Doe1")),
            QDir(m_root).canonicalPath() + QStringLiteral("/Doe1"));
  QDir::setCurrent(saved);
}

TEST(RegisterTestYear, LocalYearOfTheTestTime) {
  // The tests run with TZ=UTC.
  EXPECT_EQ(TestYear(0), 0);
  EXPECT_EQ(TestYear(1), 1970);
  EXPECT_EQ(TestYear(946'684'799), 1999);
  EXPECT_EQ(TestYear(946'684'800), 2000);
  EXPECT_EQ(TestYear(-1), 2106) << "the low 32 bits of a time early in 2106";
  EXPECT_EQ(TestYear(static_cast<int32_t>(2'208'988'800U)), 2040);
}

}  // namespace
}  // namespace prsrg
