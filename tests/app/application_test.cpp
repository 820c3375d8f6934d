// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The application object as the program starts it: directories, the
// keyboard box option, the signal sound, the configuration at exit.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

#include "application/alacrityapp.h"
#include "apptestsupport.h"
#include "frame/mainframe.h"
#include "link/link.h"

namespace alacrity::test {
namespace {

uint32_t Le32(const QByteArray& bytes, int at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

uint16_t Le16(const QByteArray& bytes, int at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

 public:
  ApplicationTest(CAlacrityApp& app, QString home) : m_app(app), m_home(std::move(home)) {}

 private Q_SLOTS:
  void startsInTheHomeDirectory() {
    QCOMPARE(m_app.Paths().programDirectory, QDir(m_home).absolutePath());
    QCOMPARE(m_app.Paths().defaultConfigurationPath, m_home + QStringLiteral("/default.alycfg"));
    QVERIFY(QFileInfo(m_home + QStringLiteral("/DATA")).isDir());
  }

  void mainFrameIsShownWithTheKeyboardBox() {
    CMainFrame* frame = m_app.MainFrame();
    QVERIFY(frame != nullptr);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Morvaine - alacrity"));
    QVERIFY(TheDeviceLink().UsesKeyboardBox());
    const auto* note = frame->statusBar()->findChild<QLabel*>(QStringLiteral("keyboardBoxNote"));
    QVERIFY(note != nullptr);
    QVERIFY(note->text().contains(QLatin1String("not instrument-grade")));
    // The missing default configuration gave the built-in one.
    QCOMPARE(TheDocumentData().customConfiguration.stimulusCount, 10);
  }

  void playSignalIsSilentWhenAskedToBe() {
    QCOMPARE(m_app.PlaySignal(1), 0);
    QCOMPARE(m_app.PlaySignal(-3), 0);
    // With or without an audio device, playing returns at once.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 5; ++i) (void)m_app.PlaySignal(0);
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
  }

  void signalSoundIsAPaddedOneKilohertzTone() {
    QFile file(QStringLiteral(":/sound/signal.wav"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(Le16(wav, 20), uint16_t{1});   // PCM
    QCOMPARE(Le16(wav, 22), uint16_t{1});   // mono
    QCOMPARE(Le16(wav, 34), uint16_t{16});  // bits
    const uint32_t rate = Le32(wav, 24);
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    const uint32_t samples = Le32(wav, 40) / 2;
    QCOMPARE(static_cast<qsizetype>(44 + samples * 2), wav.size());
    QCOMPARE(samples * 1000 / rate, uint32_t{400});  // 100 ms of tone, 300 ms of silence

    // 1 kHz: about 200 sign changes in the first 100 ms, none after.
    int changes = 0;
    int changesAfter = 0;
    int16_t previous = 0;
    for (uint32_t i = 0; i < samples; ++i) {
      const auto sample = static_cast<int16_t>(Le16(wav, static_cast<int>(44 + 2 * i)));
      const bool changed = (sample > 0) != (previous > 0) && sample != 0 && previous != 0;
      (i < rate / 10 ? changes : changesAfter) += changed ? 1 : 0;
      if (sample != 0) previous = sample;
      if (i >= rate / 10) QVERIFY(sample == 0);
    }
    QVERIFY2(std::abs(changes - 200) <= 2, qPrintable(QString::number(changes)));
    QCOMPARE(changesAfter, 0);
  }

  void exitWritesTheConfiguration() {
    TheDocumentData().customConfiguration.stimulusCount = 23;
    QCOMPARE(m_app.ExitInstance(5), 5);
    QCOMPARE(QFileInfo(m_home + QStringLiteral("/default.alycfg")).size(), qint64{81});
  }

 private:
  CAlacrityApp& m_app;
  QString m_home;
};

}  // namespace alacrity::test

// The application object is the QApplication itself, so this test builds its
// own instead of QTEST_MAIN's.
int main(int argc, char** argv) {
  QTemporaryDir home;
  qputenv("ALACRITY_HOME", home.path().toLocal8Bit());
  char program[] = "alacrity";
  char keyboardBox[] = "--keyboard-box";
  char* appArgv[] = {program, keyboardBox, nullptr};
  int appArgc = 2;
  alacrity::CAlacrityApp app(appArgc, appArgv);
  if (!app.InitInstance()) return 1;
  alacrity::test::ApplicationTest test(app, home.path());
  return QTest::qExec(&test, argc, argv);
}
#include "application_test.moc"
