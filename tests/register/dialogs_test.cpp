// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The register's dialogs, driven offscreen through their controls' object
// names; nested dialogs and messages are answered through the test hooks.

#include <QCommandLinkButton>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "register/database.h"
#include "register/loaddialog.h"
#include "register/operatormessage.h"
#include "register/prsrg.h"
#include "register/subjectdialog.h"
#include "register/subjecteditdialog.h"
#include "register/subjectregister.h"
#include "subjectdialoganswers.h"

namespace prsrg {

namespace {

using testing::Child;

QStringList ListedNames(QWidget& dialog) {
  auto* list = Child<QTreeWidget>(dialog, "subjectList");
  QStringList names;
  for (int i = 0; i < list->topLevelItemCount(); ++i) names << list->topLevelItem(i)->text(0);
  return names;
}

QString SelectedName(QWidget& dialog) {
  const QList<QTreeWidgetItem*> selected =
      Child<QTreeWidget>(dialog, "subjectList")->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text(0);
}

void FillEditor(QDialog& editor, const QString& name, bool male, int height, int weight,
                const QString& comment2) {
  auto* nameEdit = Child<QLineEdit>(editor, "nameEdit");
  nameEdit->clear();
  QTest::keyClicks(nameEdit, name);
  QTest::mouseClick(Child<QRadioButton>(editor, male ? "maleButton" : "femaleButton"),
                    Qt::LeftButton);
  Child<QSpinBox>(editor, "heightSpin")->setValue(height);
  Child<QSpinBox>(editor, "weightSpin")->setValue(weight);
  Child<QLineEdit>(editor, "comment2Edit")->setText(comment2);
  QTest::mouseClick(Child<QPushButton>(editor, "okButton"), Qt::LeftButton);
}

}  // namespace

class RegisterDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_register = std::make_unique<SubjectRegister>();
    const Status opened = m_register->Open({m_dir->path(), std::nullopt, QStringLiteral("s")});
    QVERIFY2(opened.ok, qPrintable(opened.message));
    for (const char* name : {"Novák Ján", "Nováková Jana", "Doe John"}) {
      Subject s;
      s.name = QString::fromUtf8(name);
      m_ids << m_register->Create(s).value.value_or(0);
    }
    m_messages.clear();
    SetMessageSink([this](const QString& text) { m_messages << text; });
  }

  void cleanup() {
    SetDialogHook({});
    SetMessageSink({});
    m_register.reset();
    m_ids.clear();
  }

  void searchFiltersAsYouType() {
    SubjectDialog dialog(*m_register);
    QCOMPARE(ListedNames(dialog).size(), 3);
    QVERIFY(!Child<QPushButton>(dialog, "chooseButton")->isEnabled());  // nothing selected yet

    auto* search = Child<QLineEdit>(dialog, "searchEdit");
    QTest::keyClicks(search, QStringLiteral("nov"));
    QCOMPARE(ListedNames(dialog),
             (QStringList{QString::fromUtf8("Novák Ján"), QString::fromUtf8("Nováková Jana")}));
    QCOMPARE(SelectedName(dialog), QString::fromUtf8("Novák Ján"));
    QTest::keyClicks(search, QStringLiteral("akova"));
    QCOMPARE(ListedNames(dialog), QStringList{QString::fromUtf8("Nováková Jana")});
    QTest::keyClicks(search, QStringLiteral("x"));
    QVERIFY(ListedNames(dialog).isEmpty());
    QVERIFY(!Child<QPushButton>(dialog, "chooseButton")->isEnabled());
    search->clear();
    QCOMPARE(ListedNames(dialog).size(), 3);
  }

  void chooseMakesTheSelectedSubjectCurrent() {
    SubjectDialog dialog(*m_register);
    QTest::keyClicks(Child<QLineEdit>(dialog, "searchEdit"), QStringLiteral("doe"));
    QTest::mouseClick(Child<QPushButton>(dialog, "chooseButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Chosen(), std::optional<qint64>(m_ids[2]));
    QCOMPARE((*m_register->Current().value)->name, QStringLiteral("Doe John"));

    // Opened again, the current subject is selected.
    SubjectDialog again(*m_register);
    QCOMPARE(SelectedName(again), QStringLiteral("Doe John"));
  }

  void cancelChangesNothing() {
    QVERIFY(m_register->Choose(m_ids[0]).ok);
    SubjectDialog dialog(*m_register);
    Child<QTreeWidget>(dialog, "subjectList")
        ->setCurrentItem(Child<QTreeWidget>(dialog, "subjectList")->topLevelItem(2));
    QTest::mouseClick(Child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.Chosen(), std::nullopt);
    QCOMPARE((*m_register->Current().value)->id, m_ids[0]);
  }

  void newSubjectIsCreatedListedAndSelected() {
    SubjectDialog dialog(*m_register);
    QTest::keyClicks(Child<QLineEdit>(dialog, "searchEdit"), QStringLiteral("Smith"));
    QString offeredName;
    SetDialogHook([&](QDialog& editor) {
      QCOMPARE(editor.objectName(), QStringLiteral("subjectEditDialog"));
      offeredName = Child<QLineEdit>(editor, "nameEdit")->text();
      FillEditor(editor, QStringLiteral("Smith Anna"), false, 171, 64, QStringLiteral("runner"));
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "newButton"), Qt::LeftButton);
    QCOMPARE(offeredName, QStringLiteral("Smith"));  // the search text starts the name
    QCOMPARE(ListedNames(dialog).size(), 4);
    QCOMPARE(SelectedName(dialog), QStringLiteral("Smith Anna"));

    const QList<Subject> found = *m_register->Search(QStringLiteral("smith anna")).value;
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].height, 171);
    QCOMPARE(found[0].weight, 64);
    QCOMPARE(found[0].comment2, QStringLiteral("runner"));
    QVERIFY(m_messages.isEmpty());
  }

  void editChangesTheSelectedSubject() {
    SubjectDialog dialog(*m_register);
    QTest::keyClicks(Child<QLineEdit>(dialog, "searchEdit"), QStringLiteral("doe"));
    SetDialogHook([&](QDialog& editor) {
      QCOMPARE(Child<QLineEdit>(editor, "nameEdit")->text(), QStringLiteral("Doe John"));
      FillEditor(editor, QStringLiteral("Doe Johnny"), true, 250, 500, QStringLiteral("edited"));
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "editButton"), Qt::LeftButton);
    QCOMPARE(ListedNames(dialog), QStringList{QStringLiteral("Doe Johnny")});
    const Subject edited = **m_register->Find(m_ids[2]).value;
    QCOMPARE(edited.name, QStringLiteral("Doe Johnny"));
    QCOMPARE(edited.sex, 1);
    QCOMPARE(edited.height, 250);
    QCOMPARE(edited.weight, 500);
    QCOMPARE(edited.comment2, QStringLiteral("edited"));
  }

  void editorCancelledChangesNothing() {
    SubjectDialog dialog(*m_register);
    QTest::keyClicks(Child<QLineEdit>(dialog, "searchEdit"), QStringLiteral("doe"));
    SetDialogHook([](QDialog& editor) {
      Child<QLineEdit>(editor, "nameEdit")->setText(QStringLiteral("Changed"));
      editor.reject();
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "editButton"), Qt::LeftButton);
    QCOMPARE((**m_register->Find(m_ids[2]).value).name, QStringLiteral("Doe John"));
    QTest::mouseClick(Child<QPushButton>(dialog, "newButton"), Qt::LeftButton);
    QCOMPARE(m_register->Search(QString()).value->size(), 3);
  }

  void subjectRemovedMeanwhileIsReportedAndTheDialogStaysOpen() {
    SubjectDialog dialog(*m_register);
    dialog.show();
    QTest::keyClicks(Child<QLineEdit>(dialog, "searchEdit"), QStringLiteral("doe"));
    {
      // Another program removes the subject while the operator looks at it.
      Database other;
      QVERIFY(other.OpenSqlite(QDir(m_dir->path()).filePath(QLatin1String(SqliteFileName))).ok);
      QVERIFY(other.Run(QStringLiteral("DELETE FROM subjects WHERE id = ?"), {m_ids[2]}).Ok());
    }
    QTest::mouseClick(Child<QPushButton>(dialog, "chooseButton"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Chosen(), std::nullopt);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(QStringLiteral("no longer")), qPrintable(m_messages[0]));
    QVERIFY(ListedNames(dialog).isEmpty());
    QCOMPARE(*m_register->Current().value, std::nullopt);
  }

  void editorNeedsAName() {
    SubjectEditDialog editor(Subject{});
    auto* ok = Child<QPushButton>(editor, "okButton");
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(Child<QLineEdit>(editor, "nameEdit"), QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(Child<QLineEdit>(editor, "nameEdit"), QStringLiteral("A "));
    QVERIFY(ok->isEnabled());
    QCOMPARE(editor.Edited().name, QStringLiteral("A"));  // typed spaces are trimmed
  }

  void editorLimitsAndKeepsValuesFromFiles() {
    Subject fromFile;
    fromFile.name = QStringLiteral(" Doe ");
    fromFile.height = 300;
    fromFile.weight = -4;
    fromFile.sex = 1;
    SubjectEditDialog editor(fromFile);
    QVERIFY(Child<QRadioButton>(editor, "maleButton")->isChecked());
    Child<QLineEdit>(editor, "comment1Edit")->setText(QStringLiteral("note"));
    const Subject kept = editor.Edited();
    QCOMPARE(kept.name, QStringLiteral(" Doe "));  // untouched, it stays exactly as it was
    QCOMPARE(kept.height, 300);
    QCOMPARE(kept.weight, -4);
    QCOMPARE(kept.comment1, QStringLiteral("note"));

    SubjectEditDialog fresh(Subject{});
    auto* height = Child<QSpinBox>(fresh, "heightSpin");
    auto* weight = Child<QSpinBox>(fresh, "weightSpin");
    QCOMPARE(height->minimum(), 0);
    QCOMPARE(height->maximum(), 250);
    QCOMPARE(weight->maximum(), 500);
    QVERIFY(Child<QRadioButton>(fresh, "femaleButton")->isChecked());
  }

  void loadDialogAnswers_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("subject directory")
        << QStringLiteral("subjectDirectoryButton") << PrsrgLoadFromSubjectDirectory;
    QTest::newRow("data directory")
        << QStringLiteral("dataDirectoryButton") << PrsrgLoadFromDataDirectory;
    QTest::newRow("cancel") << QStringLiteral("cancelButton") << PrsrgLoadCancelled;
  }

  void loadDialogAnswers() {
    QFETCH(QString, button);
    QFETCH(int, answer);
    LoadDialog dialog(QStringLiteral("Doe Jane"), QStringLiteral("/r/Doe_Jane_0001"));
    dialog.show();
    auto* clicked = dialog.findChild<QAbstractButton*>(button);
    QVERIFY(clicked != nullptr);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(dialog.result(), answer);
    QVERIFY(!dialog.isVisible());
  }

  void loadDialogWithoutSubjectOffersOnlyTheDataDirectory() {
    LoadDialog dialog{QString(), QString()};
    QVERIFY(!Child<QCommandLinkButton>(dialog, "subjectDirectoryButton")->isEnabled());
    QVERIFY(Child<QCommandLinkButton>(dialog, "dataDirectoryButton")->isEnabled());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), PrsrgLoadCancelled);
  }

  void runModalHandsTheDialogToTheHook() {
    LoadDialog dialog(QStringLiteral("Doe"), QString());
    SetDialogHook([](QDialog& d) { d.done(PrsrgLoadFromSubjectDirectory); });
    QCOMPARE(RunModal(dialog), PrsrgLoadFromSubjectDirectory);
    SetDialogHook([](QDialog&) {});  // left open: cancelled
    QCOMPARE(RunModal(dialog), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
  }

 private:
  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<SubjectRegister> m_register;
  QList<qint64> m_ids;
  QStringList m_messages;
};

}  // namespace prsrg

QTEST_MAIN(prsrg::RegisterDialogsTest)
#include "dialogs_test.moc"
