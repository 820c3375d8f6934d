// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// "About alacrity": its title, the version the program was built as, and the
// picture.

#include <QLabel>
#include <QtTest>

#include "app/dialogs/aboutdlg.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

class AboutDlgTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ShowsNameVersionAndPicture();
  void OkCloses();
  void PictureShowsTheShapesInTheirColours();
};

void AboutDlgTest::ShowsNameVersionAndPicture() {
  CAboutDlg dialog;
  QCOMPARE(dialog.windowTitle(), QStringLiteral("About alacrity"));
  auto* version = Find<QLabel>(dialog, "version");
  QVERIFY(version != nullptr);
  QCOMPARE(version->text(), QStringLiteral("alacrity Version " ALACRITY_VERSION));
  auto* licence = Find<QLabel>(dialog, "licence");
  QVERIFY(licence != nullptr);
  QCOMPARE(licence->text(), QStringLiteral("License GPL-3.0-or-later"));
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
