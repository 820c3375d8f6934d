// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// One short test through the real device link and serial transport: the
// box simulator's pseudo-terminal is COM1, a scripted subject presses its
// buttons, and the program runs the test to the end by itself.

#include <QDir>
#include <QTest>

#include <string>

#include "adapters/devicerunlink.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "link/box_simulator.h"
#include "link/link.h"
#include "views/alacrityview.h"

namespace alacrity::test {

class SerialEndToEndTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void shortTestRunsToTheEnd() {
    BoxSimulator box;
    if (!box.Open()) QSKIP("no pseudo-terminal on this machine");
    qputenv("ALACRITY_COM1", QByteArray::fromStdString(box.DevicePath()));

    DocumentData& data = TheDocumentData();
    ApplyDefaultConfiguration(data);
    data.customConfiguration.timingMode = Code(TimingMode::Fixed);
    data.customConfiguration.fixedTimeMs = 300;
    data.portIndex = 0;
    DeviceRunLink link;
    AppContext context{data, TheRunState(), link, PathsInDirectory(QDir::tempPath()), {}, false};
    CMainFrame frame(context);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    MessageRecorder boxes;

    frame.View().SetPerformDialog([](int32_t) { return PerformChoice{PerformMode::Custom, 3}; });
    frame.RunCommand(IdPerform);
    QVERIFY2(boxes.messages.isEmpty(), qPrintable(boxes.messages.join(QLatin1Char('\n'))));
    QCOMPARE(data.idle, 0);

    // Start the test, then answer each stimulus 200 ms after it appears
    // (300 ms of wait after the buttons are up, then 200 ms).
    std::string error;
    auto steps = ParsePressScript("100:1:50, 500:2:50, 500:3:50, 500:4:50", error);
    QVERIFY2(steps.has_value(), error.c_str());
    QVERIFY(box.Start(std::make_unique<ScriptedSubject>(*steps, false)));

    QTRY_VERIFY_WITH_TIMEOUT(data.idle != 0, 10000);
    box.Close();
    QVERIFY(boxes.messages.isEmpty());
    QCOMPARE(frame.View().Mode(), Result);
    QCOMPARE(data.results.responseCount, 3);
    QCOMPARE(data.dataSaved, 0);
    for (std::size_t i = 1; i <= 3; ++i) {
      // 288 box bytes after the stimulus: 199 ms (the script's milliseconds
      // become whole bytes).
      QVERIFY2(std::abs(data.results.responseMs[i] - 199) <= 2,
               qPrintable(QString::number(data.results.responseMs[i])));
      QCOMPARE(data.results.buttonIndex[i], static_cast<int32_t>(i));  // buttons 2, 3, 4
    }
    QCOMPARE(TheDeviceLink().Active(), ActiveLink::None);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::SerialEndToEndTest)
#include "serial_e2e_test.moc"
