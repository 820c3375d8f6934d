// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows every setup dialog with sample values and writes each as a PNG into
// the directory given on the command line (in the language of a .qm file
// given after it), so that their layout can be
// looked at on a real (or virtual) screen.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTableWidget>
#include <QTextStream>
#include <QTranslator>

#include <functional>
#include <memory>

#include "data/document_data.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/commdlg.h"
#include "dialogs/customdlg.h"
#include "dialogs/performdlg.h"
#include "dialogs/protocoldlg.h"
#include "dialogs/subjectdlg.h"

namespace {

using alacrity::DocumentData;

DocumentData Sample() {
  DocumentData data;
  alacrity::ApplyDefaultConfiguration(data);
  data.protocol.name = "Warm-up series";
  data.protocol.header = {.itemCount = 6,
                          .background = 0,
                          .falseResponse = 1,
                          .squareColor = 0,
                          .circleColor = 1,
                          .triangleColor = 2,
                          .crossColor = 3};
  const int32_t times[] = {500, 1200, 800, 60000, 100, 2500};
  for (int32_t slot = 0; slot < 6; ++slot) {
    data.protocol.items[static_cast<std::size_t>(slot)] = {times[slot], slot % 4};
  }
  data.protocolLoaded = 1;
  data.portIndex = 1;
  data.subject = {.name = "Ann Example",
                  .sex = 0,
                  .height = 172,
                  .weight = 64,
                  .comment1 = "Right-handed",
                  .comment2 = "Second session",
                  .comment3 = ""};
  return data;
}

bool Shoot(QDialog& dialog, const QDir& out, const QString& name) {
  dialog.show();
  QApplication::processEvents();
  const bool saved = dialog.grab().save(out.filePath(name + QStringLiteral(".png")));
  dialog.hide();
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QTextStream err(stderr);
  // A compiled translation (alacrity_<code>.qm from the build) shows the
  // dialogs in that language.
  QTranslator translator;
  if (argc == 3 && translator.load(QString::fromLocal8Bit(argv[2]))) {
    QApplication::installTranslator(&translator);
    --argc;
  }
  if (argc != 2) {
    err << "usage: dialog_screenshots OUTPUT_DIR [TRANSLATION.qm]\n";
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    err << "cannot create " << out.path() << "\n";
    return 1;
  }
  DocumentData data = Sample();
  const QString programDir = QCoreApplication::applicationDirPath();
  alacrity::PerformChoice choice{.mode = alacrity::PerformMode::Custom, .stimuliToFollow = 10};

  const std::vector<std::pair<QString, std::function<std::unique_ptr<QDialog>()>>> dialogs = {
      {QStringLiteral("custom"), [&] { return std::make_unique<alacrity::CCustomDlg>(data); }},
      {QStringLiteral("protocol"),
       [&] {
         auto dialog = std::make_unique<alacrity::CProtocolDlg>(data, programDir);
         dialog->findChild<QTableWidget*>(QStringLiteral("1035"))->selectRow(1);
         return dialog;
       }},
      {QStringLiteral("perform"),
       [&] { return std::make_unique<alacrity::CPerformDlg>(data, programDir, choice); }},
      {QStringLiteral("perform-no-protocol"),
       [&] {
         static DocumentData empty;
         return std::make_unique<alacrity::CPerformDlg>(empty, programDir, choice);
       }},
      {QStringLiteral("comm"), [&] { return std::make_unique<alacrity::CCommDlg>(data); }},
      {QStringLiteral("subject"), [&] { return std::make_unique<alacrity::CSubjectDlg>(data); }},
      {QStringLiteral("about"), [] { return std::make_unique<alacrity::CAboutDlg>(); }},
  };
  int failures = 0;
  for (const auto& [name, make] : dialogs) {
    const std::unique_ptr<QDialog> dialog = make();
    if (!Shoot(*dialog, out, name)) {
      err << "cannot write " << name << ".png\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
