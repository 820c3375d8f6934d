// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// "About alacrity": its title, the version the program was built as, the
// legal notice and the picture.

#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/dialogs/aboutdlg.h"
#include "dialogtestsupport.h"
#include "program/legal_notice.h"

namespace alacrity::test {

class AboutDlgTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ShowsNameVersionAndPicture();
  void OkCloses();
  void ShowsTheLegalNoticeAndTheLicenceText();
  void PictureShowsTheShapesInTheirColours();
};

void AboutDlgTest::ShowsNameVersionAndPicture() {
  CAboutDlg dialog;
  QCOMPARE(dialog.windowTitle(), QStringLiteral("About alacrity"));
  auto* version = Find<QLabel>(dialog, "version");
  QVERIFY(version != nullptr);
  QCOMPARE(version->text(), QStringLiteral("alacrity Version " ALACRITY_VERSION));
  auto* picture = Find<QLabel>(dialog, "picture");
  QVERIFY(picture != nullptr);
  QVERIFY(!picture->pixmap().isNull());
}

void AboutDlgTest::OkCloses() {
  CAboutDlg dialog;
  dialog.show();
  Click(dialog, "1");
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
}

// The notice the programs print with --version: copyright, licence, no
// warranty; the licence itself a click away.
void AboutDlgTest::ShowsTheLegalNoticeAndTheLicenceText() {
  CAboutDlg dialog;
  auto* licence = Find<QLabel>(dialog, "licence");
  QVERIFY(licence != nullptr);
  QCOMPARE(licence->text(), QString::fromUtf8(LegalNotice()));
  QVERIFY(licence->text().contains(QStringLiteral("NO WARRANTY")));
  dialog.show();
  Click(dialog, "showLicence");
  auto* text = dialog.findChild<QPlainTextEdit*>();
  QVERIFY(text != nullptr);
  QVERIFY(text->isVisible());
  QVERIFY(text->toPlainText().contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
  QVERIFY(dialog.isVisible());
}

void AboutDlgTest::PictureShowsTheShapesInTheirColours() {
  const QImage image = DrawAboutPicture(64).toImage();
  QCOMPARE(image.size(), QSize(64, 64));
  QCOMPARE(image.pixelColor(16, 16), QColor(0, 255, 0));   // circle, green
  QCOMPARE(image.pixelColor(48, 16), QColor(255, 255, 0)); // cross, yellow
  QCOMPARE(image.pixelColor(16, 48), QColor(255, 0, 0));   // square, red
  QCOMPARE(image.pixelColor(48, 52), QColor(0, 0, 255));   // triangle, blue
  QCOMPARE(image.pixelColor(32, 32), QColor(Qt::white));
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::AboutDlgTest)
#include "aboutdlg_test.moc"
