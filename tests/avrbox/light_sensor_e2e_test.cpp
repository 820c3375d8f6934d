// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The light sensor's whole road through the window, on the box's firmware
// emulated by alacrity-avrbox: the stimulus window tells the emulator, on
// its light pipe, what the marker shows, as a sensor taped over it would see
// it. Every stimulus of a test carries its light onset, exactly where the
// bytes the firmware sent put it, and a marker turned white two frames late
// is measured late by as much.

#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "adapters/devicerunlink.h"
#include "../app/apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "data/tick_clock.h"
#include "dialogs/lightsensor.h"
#include "light_reference.h"
#include "link/link.h"
#include "running_box.h"
#include "views/alacrityview.h"

namespace alacrity::test {
namespace {

constexpr int Stimuli = 4;
constexpr int LateFrames = 2;

// What the window told the pipe: the stimulus, light or dark, and how many
// of the box's bytes the program had received when it did.
struct MarkerWrite {
  int32_t stimulus = 0;
  bool lit = false;
  int32_t bytesReceived = 0;
};

}  // namespace

class LightSensorEndToEndTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aLateMarkerIsMeasuredLateByAsMuch() {
    QTemporaryDir dir;
    const std::string pipe = QDir(dir.path()).filePath(QStringLiteral("light")).toStdString();
    const std::string sent = QDir(dir.path()).filePath(QStringLiteral("sent.bin")).toStdString();
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    // A press of every button 500 ms after the one before was let go: each
    // stimulus, 300 ms after the release, is answered 200 ms after it shows.
    testing::RunningBox box({"--script", "500:1+2+3+4:100", "--loop", "--light-from", pipe, "--record", sent});
    QVERIFY(!box.Device().empty());
    const int screen = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(screen >= 0);
    qputenv("ALACRITY_COM1", QByteArray::fromStdString(box.Device()));
    StoreLightSensor(0, true);

    DocumentData& data = TheDocumentData();
    ApplyDefaultConfiguration(data);
    data.customConfiguration.timingMode = Code(TimingMode::Fixed);
    data.customConfiguration.fixedTimeMs = 300;
    data.portIndex = 0;
    RunState& state = TheRunState();
    DeviceRunLink link;
    AppContext context{data, state, link, PathsInDirectory(dir.path()), {}, false};
    CMainFrame frame(context);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    MessageRecorder boxes;

    CAlacrityView& view = frame.View();
    std::vector<MarkerWrite> writes;
    view.SetLightMarkerObserver([&](int32_t stimulus, bool lit) {
      writes.push_back({stimulus, lit, state.totalTicks.load()});
      QVERIFY(::write(screen, lit ? "1" : "0", 1) == 1);
    });
    view.SetLightMarkerDelayFrames(LateFrames);
    view.SetPerformDialog([](int32_t) { return PerformChoice{PerformMode::Custom, Stimuli}; });
    frame.RunCommand(IdPerform);
    StoreLightSensor(0, false);
    QVERIFY2(boxes.messages.isEmpty(), qPrintable(boxes.messages.join(QLatin1Char('\n'))));
    QTRY_VERIFY_WITH_TIMEOUT(data.idle != 0, 30000);
    ::close(screen);
    box.Stop();
    QCOMPARE(data.results.responseCount, Stimuli);

    const RunTiming* timing = view.TimingOfResults();
    QVERIFY(timing != nullptr);
    QVERIFY(timing->station.lightSensor);
    QCOMPARE(timing->stimuli.size(), std::size_t{Stimuli});
    std::ifstream file(sent, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // The late marker's bytes: the frames it waited (whole milliseconds), after
    // the paint, which itself came only after the onset byte had arrived;
    // less two for an emulator running a little behind the wall clock.
    const double hz = view.screen()->refreshRate() > 1.0 ? view.screen()->refreshRate() : 60.0;
    const int32_t lateBytes =
        TruncateToInt32(static_cast<double>(std::lround(LateFrames * 1000.0 / hz)) * TicksPerMillisecond) - 2;
    std::map<int32_t, int32_t> litAt;  // stimulus: bytes received when its marker turned white
    for (const MarkerWrite& write : writes) {
      if (write.lit && !litAt.contains(write.stimulus)) litAt[write.stimulus] = write.bytesReceived;
    }
    int32_t closest = INT32_MAX;
    for (const StimulusTiming& row : timing->stimuli) {
      const QString name = QStringLiteral("stimulus %1").arg(row.stimulus);
      QVERIFY2(row.lightByte != 0, qPrintable(name + QStringLiteral(": no light onset")));
      // Byte for byte what the firmware sent.
      QCOMPARE(row.lightByte, testing::FirstLightAfter(bytes, row.onsetByte));
      QVERIFY2(litAt.contains(row.stimulus), qPrintable(name + QStringLiteral(": never lit")));
      const int32_t written = litAt[row.stimulus];
      // Never before the window lit the marker, and as late as it was.
      QVERIFY2(row.lightByte > written,
               qPrintable(name + QStringLiteral(": light at byte %1, lit at %2").arg(row.lightByte).arg(written)));
      QVERIFY2(row.lightByte - row.onsetByte >= lateBytes,
               qPrintable(name + QStringLiteral(": light %1 bytes after the onset").arg(row.lightByte - row.onsetByte)));
      closest = std::min(closest, row.lightByte - written);
      qInfo("%s: onset %d, painted %.3f ms after it arrived, marker lit with %d bytes received, "
            "light at %d (%.3f ms after the onset)",
            qPrintable(name), row.onsetByte, static_cast<double>(row.paintedHostNs - row.onsetHostNs) / 1e6,
            written, row.lightByte, (row.lightByte - row.onsetByte) * MillisecondsPerTick);
    }
    // Against when the window lit it: the byte after, one tick of the box
    // later at most, and the emulator's millisecond between looks at the
    // pipe. A busy machine may delay a stimulus or two, not every one.
    QVERIFY2(closest <= 4, qPrintable(QStringLiteral("closest: %1 bytes after the marker was lit").arg(closest)));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::LightSensorEndToEndTest)
#include "light_sensor_e2e_test.moc"
