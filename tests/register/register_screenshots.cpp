// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes pictures of the register's dialogs, filled with a few subjects, to
// the directory given: register_screenshots OUTDIR (run it under xvfb-run
// to see them as a real screen draws them).

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "register/loaddialog.h"
#include "register/subjectdialog.h"
#include "register/subjecteditdialog.h"
#include "register/subjectregister.h"

namespace {

bool Save(QWidget& widget, const QString& file) {
  widget.show();
  widget.adjustSize();
  QApplication::processEvents();
  const bool saved = widget.grab().save(file);
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write",
               qPrintable(file));
  widget.hide();
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: register_screenshots OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) return 1;

  QTemporaryDir root;
  prsrg::SubjectRegister subjects;
  if (!root.isValid() || !subjects.Open({root.path(), std::nullopt, QStringLiteral("shots")}).ok) {
    return 1;
  }
  struct Row {
    const char* name;
    int sex;
    int height;
    int weight;
    const char* comment;
  };
  const Row rows[] = {
      {"Nováková Jana", 0, 168, 61, "left-handed"},
      {"Novák Ján", 1, 182, 79, ""},
      {"Doe John", 1, 175, 88, "night shift"},
      {"Müller-Lüdenscheidt Annemarie Wilhelmine", 0, 159, 52, "glasses"},
      {"Smith Anna", 0, 171, 64, ""},
  };
  qint64 current = 0;
  for (const Row& row : rows) {
    prsrg::Subject s;
    s.name = QString::fromUtf8(row.name);
    s.sex = row.sex;
    s.height = row.height;
    s.weight = row.weight;
    s.comment1 = QString::fromUtf8(row.comment);
    current = subjects.Create(s).value.value_or(0);
  }
  (void)subjects.Choose(current);

  bool ok = true;
  {
    prsrg::SubjectDialog dialog(subjects);
    ok &= Save(dialog, out.filePath(QStringLiteral("subject-dialog.png")));
    dialog.findChild<QLineEdit*>(QStringLiteral("searchEdit"))->setText(QStringLiteral("nov"));
    ok &= Save(dialog, out.filePath(QStringLiteral("subject-dialog-search.png")));
  }
  {
    prsrg::SubjectEditDialog editor(**subjects.Find(current - 1).value);
    ok &= Save(editor, out.filePath(QStringLiteral("subject-edit-dialog.png")));
  }
  {
    const QString directory = *subjects.Directory(current).value;
    prsrg::LoadDialog dialog(QStringLiteral("Smith Anna"), directory);
    ok &= Save(dialog, out.filePath(QStringLiteral("load-dialog.png")));
    prsrg::LoadDialog noSubject{QString(), QString()};
    ok &= Save(noSubject, out.filePath(QStringLiteral("load-dialog-no-subject.png")));
  }
  return ok ? 0 : 1;
}
