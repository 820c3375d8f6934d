// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The library's operations as the program calls them, through libprsrg
// itself, on both back ends. Dialogs are answered and messages read through
// the test hooks of prsrgtesting.h.

#include <gtest/gtest.h>

#include <QCommandLinkButton>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "backend.h"
#include "registertestsupport.h"
#include "subjectdialoganswers.h"
#include "register/prsrg.h"
#include "register/prsrgtesting.h"

namespace prsrg::testing {
namespace {

constexpr int32_t March2026 = 1'772'366'400;  // 2026-03-01 12:00 UTC

class RegisterOperations : public OnBothBackends {
 protected:
  void SetUp() override {
    OnBothBackends::SetUp();
    if (IsSkipped()) return;
    qputenv("ALACRITY_STATION", "bench-7");
    if (m_backend->ConnectionString().isEmpty()) {
      qunsetenv("ALACRITY_REGISTER_DB");
    } else {
      qputenv("ALACRITY_REGISTER_DB", m_backend->ConnectionString().toUtf8());
    }
    SetMessageSink([this](const QString& text) { m_messages << text; });
  }

  void TearDown() override {
    SetDialogHook({});
    SetMessageSink({});
    CloseRegister();
    qunsetenv("ALACRITY_REGISTER_DB");
  }

  std::string Root() const { return m_backend->Root().toStdString(); }

  void Init() {
    ASSERT_TRUE(PrsrgInicA(Root(), "ALACRITY")) << m_messages.join(QLatin1Char('\n')).toStdString();
  }

  // Makes a new subject current through the subject dialog.
  void NewCurrentSubject(const QString& name) {
    SetDialogHook([name](QDialog& dialog) { CreateAndChoose(dialog, name); });
    ASSERT_TRUE(PSubjectDialog());
    SetDialogHook({});
  }

  alacrity::SubjectInfo Current() {
    alacrity::SubjectInfo s = ToSubjectInfo(MakeSubject(QStringLiteral("(unchanged)"), 9, 9, 9));
    PrsrgNaplnSDA(&s);
    return s;
  }

  std::string Dir() {
    std::string dir = "(unchanged)";
    PrsrgDirA(&dir);
    return dir;
  }

  QStringList m_messages;
};

TEST_P(RegisterOperations, BeforeInitEveryOperationFailsCleanly) {
  EXPECT_FALSE(PrsrgPlatny());
  EXPECT_TRUE(m_messages.isEmpty()) << "asking is no failure";

  EXPECT_FALSE(PSubjectDialog());
  const alacrity::SubjectInfo jane = ToSubjectInfo(MakeSubject(QStringLiteral("Jane"), 0, 160, 50));
  alacrity::SubjectInfo record = jane;
  PrsrgNaplnSDA(&record);
  EXPECT_EQ(record, jane);
  PrsrgKonvertSDA(&record);
  EXPECT_EQ(Dir(), "");
  std::string data = "x";
  PrsrgDataNameA(March2026, &data);
  EXPECT_EQ(data, "");
  PrsrgPodlaDatA("/nowhere/x.aly");
  EXPECT_EQ(m_messages.size(), 6);
  for (const QString& message : m_messages) {
    EXPECT_EQ(message, QStringLiteral("The subject register is not open."));
  }
  EXPECT_FALSE(QFileInfo::exists(m_backend->Root() + QStringLiteral("/register.sqlite")));

  // The load dialog still offers the data directory.
  bool subjectOffered = true;
  SetDialogHook([&](QDialog& dialog) {
    subjectOffered = Child<QCommandLinkButton>(dialog, "subjectDirectoryButton")->isEnabled();
    QTest::mouseClick(Child<QCommandLinkButton>(dialog, "dataDirectoryButton"), Qt::LeftButton);
  });
  EXPECT_EQ(PLoadDialog(), PrsrgLoadFromDataDirectory);
  EXPECT_FALSE(subjectOffered);

  // Null pointers are no records.
  PrsrgNaplnSDA(nullptr);
  PrsrgKonvertSDA(nullptr);
  PrsrgDirA(nullptr);
  PrsrgDataNameA(0, nullptr);
}

TEST_P(RegisterOperations, InitMakesTheRootAndTheRegister) {
  const std::string nested = Root() + "/deeper/DATA";
  ASSERT_TRUE(PrsrgInicA(nested, "ALACRITY"));
  EXPECT_TRUE(QFileInfo(QString::fromStdString(nested)).isDir());
  if (m_backend->ConnectionString().isEmpty()) {
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(nested + "/register.sqlite")));
  }
  EXPECT_FALSE(PrsrgPlatny());
  EXPECT_TRUE(m_messages.isEmpty());
}

TEST_P(RegisterOperations, SaveChoosesASubjectAndNamesItsYearDirectory) {
  Init();
  ASSERT_FALSE(PrsrgPlatny());
  NewCurrentSubject(QStringLiteral("Doe Jane"));
  EXPECT_TRUE(PrsrgPlatny());

  const alacrity::SubjectInfo current = Current();
  EXPECT_EQ(current.name, "Doe Jane");
  EXPECT_EQ(current.sex, 0);

  const std::string subjectDir = Dir();
  EXPECT_EQ(QFileInfo(QString::fromStdString(subjectDir)).fileName(),
            QStringLiteral("Doe_Jane_0001"));
  std::string designated;
  PrsrgDataNameA(March2026, &designated);
  EXPECT_EQ(designated, subjectDir + "/2026");
  EXPECT_TRUE(QFileInfo(QString::fromStdString(designated)).isDir());
  EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(QLatin1Char('\n')).toStdString();
}

TEST_P(RegisterOperations, SubjectDialogCancelledKeepsTheCurrentSubject) {
  Init();
  NewCurrentSubject(QStringLiteral("Doe Jane"));
  SetDialogHook([](QDialog& dialog) {
    Child<QTreeWidget>(dialog, "subjectList")->clearSelection();
    dialog.reject();
  });
  EXPECT_FALSE(PSubjectDialog());
  EXPECT_EQ(Current().name, "Doe Jane");
}

TEST_P(RegisterOperations, LoadDialogOffersTheCurrentSubjectsDirectory) {
  Init();
  NewCurrentSubject(QStringLiteral("Doe Jane"));
  const std::string dir = Dir();
  QString description;
  SetDialogHook([&](QDialog& dialog) {
    auto* subject = Child<QCommandLinkButton>(dialog, "subjectDirectoryButton");
    description = subject->description();
    QTest::mouseClick(subject, Qt::LeftButton);
  });
  EXPECT_EQ(PLoadDialog(), PrsrgLoadFromSubjectDirectory);
  EXPECT_TRUE(description.contains(QStringLiteral("Doe Jane")));
  EXPECT_TRUE(description.contains(QString::fromStdString(dir)));

  SetDialogHook([](QDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(PLoadDialog(), PrsrgLoadCancelled);
}

TEST_P(RegisterOperations, OpenFindsTheSubjectOfAFileInItsDirectory) {
  Init();
  NewCurrentSubject(QStringLiteral("Doe Jane"));
  std::string janes;
  PrsrgDataNameA(March2026, &janes);
  WriteDataFile(QString::fromStdString(janes + "/t1.aly"),
                MakeSubject(QStringLiteral("whatever the file says"), 1, 1, 1), March2026);
  NewCurrentSubject(QStringLiteral("Doe John"));

  PrsrgPodlaDatA(janes + "/t1.aly");
  ASSERT_TRUE(PrsrgPlatny());
  EXPECT_EQ(Current().name, "Doe Jane");
}

TEST_P(RegisterOperations, OpenOfAnUnknownFileAdoptsItsSubjectAndKnowsTheFileNextTime) {
  Init();
  NewCurrentSubject(QStringLiteral("Doe John"));
  const alacrity::SubjectInfo stranger = ToSubjectInfo(
      MakeSubject(QStringLiteral("Novák Ján"), 1, 182, 79, QStringLiteral("visitor")));
  const std::string file = (m_backend->Root() + QStringLiteral("/../usb/x.aly")).toStdString();
  WriteDataFile(QString::fromStdString(file), stranger, March2026);

  // What Open does: the file's subject is unknown, so the program hands the
  // record read from the file to the register.
  PrsrgPodlaDatA(file);
  ASSERT_FALSE(PrsrgPlatny());
  alacrity::SubjectInfo fromFile = stranger;
  PrsrgKonvertSDA(&fromFile);
  EXPECT_EQ(fromFile, stranger) << "the record is left as it was";
  ASSERT_TRUE(PrsrgPlatny());
  EXPECT_EQ(Current(), stranger);

  NewCurrentSubject(QStringLiteral("Someone Else"));
  PrsrgPodlaDatA(file);
  ASSERT_TRUE(PrsrgPlatny());
  EXPECT_EQ(Current(), stranger);
  EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(QLatin1Char('\n')).toStdString();
}

TEST_P(RegisterOperations, CurrentSubjectIsRememberedAcrossStarts) {
  Init();
  NewCurrentSubject(QStringLiteral("Doe Jane"));
  const std::string dir = Dir();
  CloseRegister();
  EXPECT_FALSE(PrsrgPlatny());
  Init();
  EXPECT_TRUE(PrsrgPlatny());
  EXPECT_EQ(Current().name, "Doe Jane");
  EXPECT_EQ(Dir(), dir);

  // Another station sharing the register has its own.
  CloseRegister();
  qputenv("ALACRITY_STATION", "bench-8");
  Init();
  EXPECT_FALSE(PrsrgPlatny());
}

PRSRG_ON_BOTH_BACKENDS(RegisterOperations);

TEST(RegisterOperationsSqlite, BrokenRegisterIsReportedAndLeftAlone) {
  QTemporaryDir root;
  qunsetenv("ALACRITY_REGISTER_DB");
  const QString file = root.filePath(QStringLiteral("register.sqlite"));
  {
    QFile junk(file);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'j'));
  }
  QStringList messages;
  SetMessageSink([&](const QString& text) { messages << text; });
  EXPECT_FALSE(PrsrgInicA(root.path().toStdString(), "ALACRITY"));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(file)) << messages[0].toStdString();
  EXPECT_FALSE(PrsrgPlatny());
  {
    QFile junk(file);
    ASSERT_TRUE(junk.open(QIODevice::ReadOnly));
    EXPECT_EQ(junk.readAll(), QByteArray(4096, 'j'));
  }

  // Once the cause is gone, the next subject operation opens the register
  // without a restart of the program.
  ASSERT_TRUE(QFile::remove(file));
  alacrity::SubjectInfo subject;
  PrsrgNaplnSDA(&subject);
  EXPECT_TRUE(PrsrgIsOpen());
  EXPECT_EQ(messages.size(), 1) << messages.join(QLatin1Char('\n')).toStdString();
  CloseRegister();
  SetMessageSink({});
}

TEST(RegisterOperationsSqlite, ConnectionThatCannotBeUsedIsReported) {
  QTemporaryDir root;
  qputenv("ALACRITY_REGISTER_DB", "host=/nonexistent-socket-dir dbname=x connect_timeout=2");
  QStringList messages;
  SetMessageSink([&](const QString& text) { messages << text; });
  EXPECT_FALSE(PrsrgInicA(root.filePath(QStringLiteral("DATA")).toStdString(), "ALACRITY"));
  qunsetenv("ALACRITY_REGISTER_DB");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("cannot be opened")))
      << messages[0].toStdString();
  EXPECT_FALSE(PrsrgPlatny());
  CloseRegister();
  SetMessageSink({});
}

}  // namespace
}  // namespace prsrg::testing
