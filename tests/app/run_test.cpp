// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole runs through the window: Perform, Start, the phases as painted, the
// end of the test, Stop, a failed link, closing during a run and the device
// check. The fake link hands every byte to the engine on the test thread, so
// the view's 1 ms timer sees each phase exactly as a reader thread would
// leave it.

#include <QAbstractButton>
#include <QAction>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <cstddef>
#include <functional>

#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "data/test_data_file.h"
#include "dialogs/lightsensor.h"
#include "dialogs/stimulusscreen.h"
#include "engine/engine.h"
#include "engine/figure_geometry.h"
#include "engine/simulated_subject.h"
#include "results/header_block.h"
#include "views/alacrityview.h"
#include "views/figurepainter.h"

namespace alacrity::test {
namespace {

QColor ColorOfShape(const TestConfiguration& configuration, int32_t object) {
  return ToQColor(StimulusColorRgb(ShapeColor(configuration, object)));
}

QColor ColorOfBackground(int32_t background) { return ToQColor(BackgroundColorRgb(background)); }

void ClickBarButton(CMainFrame& frame, int id) {
  QVERIFY(frame.CurrentDialogBar() != nullptr);
  auto* button = qobject_cast<QAbstractButton*>(frame.CurrentDialogBar()->Control(id));
  QVERIFY(button != nullptr);
  QVERIFY(button->isVisible());
  QVERIFY(button->isEnabled());
  button->click();
}

}  // namespace

class RunTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<MessageRecorder> boxes;

  CAlacrityView& View() { return f->frame->View(); }
  int32_t ShownPhase() { return View().Controller().ShownPhase(); }

  // A custom test of `count` stimuli with a fixed 200 ms wait; Perform
  // confirms it and starts the link.
  void Perform(int32_t count) {
    f->data->customConfiguration.timingMode = Code(TimingMode::Fixed);
    f->data->customConfiguration.fixedTimeMs = 200;
    View().SetPerformDialog([count](int32_t) { return PerformChoice{PerformMode::Custom, count}; });
    f->frame->RunCommand(IdPerform);
  }

  // Feeds the subject's bytes until `until` holds, letting the view catch up
  // with every new phase on the way and calling `onPhase` once it shows it.
  void Drive(SimulatedSubject& subject, const std::function<bool()>& until,
             const std::function<void(int32_t)>& onPhase = {}) {
    for (int tick = 0; tick < 200'000 && !until(); ++tick) {
      const int32_t before = f->state->phase.load();
      OnDeviceByte(subject.NextByte(*f->state, *f->data));
      const int32_t after = f->state->phase.load();
      if (after != before) {
        QTRY_COMPARE_WITH_TIMEOUT(ShownPhase(), after, 2000);
        if (onPhase) onPhase(after);
      }
    }
    QVERIFY(until());
  }

 private Q_SLOTS:
  void init() {
    f = std::make_unique<FrameFixture>();
    boxes = std::make_unique<MessageRecorder>();
  }

  void cleanup() {
    boxes.reset();
    f.reset();
  }

  void performStartsTheTestInFullScreen() {
    f->data->resultsPresent = 0;
    Perform(5);
    QVERIFY(boxes->messages.isEmpty());
    QCOMPARE(View().Mode(), TestRun);
    QCOMPARE(ShownPhase(), WaitStart);
    QCOMPARE(f->data->idle, 0);
    QCOMPARE(f->data->resultsPresent, 1);
    QCOMPARE(f->data->dataSaved, 0);
    QCOMPARE(f->state->stimulusCount.load(), 5);
    QCOMPARE(f->link->starts, 1);
    QCOMPARE(f->link->syncLevels, QList<int>{1});
    QCOMPARE(View().Timer().interval(), WaitingTimerMs);  // until a stimulus may be coming
    QCOMPARE(View().Timer().timerType(), Qt::PreciseTimer);
    QVERIFY(f->frame->IsFullScreenMode());
    QVERIFY(f->WaitForFullScreenView());

    // The Start/Stop bar, with Start hidden once the link runs.
    DialogBar* bar = f->frame->CurrentDialogBar();
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->TemplateId(), StartStopBarTemplate);
    QVERIFY(bar->Control(StartButtonId)->isHidden());
    QVERIFY(!bar->Control(StopButtonId)->isHidden());
    QCOMPARE(bar->parentWidget(), &View());  // over the view, which covers the screen

    // A running test locks out whatever would touch its results.
    for (const int id : {IdPerform, IdCheck, IdCheckDisplay, IdFileOpen, IdFileSave}) {
      QVERIFY2(!f->frame->Action(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    QVERIFY(f->frame->Action(IdStop)->isEnabled());

    // The prompt, over the header block: nothing is filled.
    const QImage image = f->Grab();
    QCOMPARE(image.size(), QSize(800, 600));
    QCOMPARE(image.pixelColor(400, 550), QColor(Qt::white));
    QCOMPARE(image.pixelColor(10, 40), QColor(Qt::black));   // header box, left edge
    QCOMPARE(image.pixelColor(709, 40), QColor(Qt::black));  // right edge
    QCOMPARE(image.pixelColor(710, 40), QColor(Qt::white));
    int dark = 0;
    for (int x = 200; x < 600; ++x) dark += qGray(image.pixel(x, 300)) < 128 ? 1 : 0;
    QVERIFY2(dark > 10, "no prompt text across the middle of the screen");
  }

  // The whole road: every phase painted as it comes, the figures in their
  // colours and places, the end of the test by itself, the results.
  void wholeTestRunsToTheResultPage() {
    f->data->customVoice = {Code(VoiceSignal::Yes), 0};  // the signal sounds with each stimulus
    f->data->customConfiguration.background = Code(BackgroundColor::Black);
    Perform(5);
    QVERIFY(f->WaitForFullScreenView());
    const FigureGeometry geometry = ComputeFigureGeometry(800, 600);
    const QColor background = ColorOfBackground(Code(BackgroundColor::Black));

    SimulatedSubject subject({250.0, 0.0, 0.0}, 7);
    int stimuliSeen = 0;
    QStringList failures;
    Drive(subject, [this] { return f->state->done.load() != 0; },
          [&](int32_t phase) {
            const QImage image = f->Grab();
            const QColor centre = image.pixelColor(geometry.cx, geometry.cy);
            // The last answer ends the test in the same timer tick that
            // would paint its release.
            if (f->state->done.load() != 0) return;
            if (phase == WaitRelease || phase == Foreperiod) {
              // The background covers the whole view, header included.
              if (centre != background || image.pixelColor(10, 40) != background) {
                failures.append(QStringLiteral("phase %1 after %2 stimuli: centre %3, header %4")
                                    .arg(phase)
                                    .arg(stimuliSeen)
                                    .arg(Describe(centre), Describe(image.pixelColor(10, 40))));
              }
              return;
            }
            if (phase != WaitResponse) return;
            ++stimuliSeen;
            const int32_t object =
                f->data->results.objectIndex[static_cast<std::size_t>(f->state->current.load())];
            const QColor figure = ColorOfShape(f->data->runConfiguration, object);
            if (centre != figure) {
              failures.append(QStringLiteral("stimulus %1: centre %2, figure %3")
                                  .arg(stimuliSeen)
                                  .arg(Describe(centre), Describe(figure)));
            }
            // Every figure reaches the box's top or its top bar, and the
            // pixels beside the box are background.
            if (image.pixelColor(geometry.box.left - 1, geometry.cy) != background ||
                image.pixelColor(geometry.box.right, geometry.cy) != background ||
                image.pixelColor(geometry.cx, geometry.box.top) != figure ||
                image.pixelColor(geometry.cx, geometry.box.top - 1) != background) {
              failures.append(QStringLiteral("stimulus %1: box edges wrong").arg(stimuliSeen));
            }
            // The sync line goes up as the stimulus is drawn.
            if (f->link->syncLevels.isEmpty() || f->link->syncLevels.last() != 0) {
              failures.append(QStringLiteral("stimulus %1: sync line not asserted").arg(stimuliSeen));
            }
          });
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    QCOMPARE(stimuliSeen, 5);

    // The timer ends the test by itself.
    QTRY_COMPARE_WITH_TIMEOUT(f->data->idle, 1, 2000);
    QCOMPARE(View().Mode(), Result);
    QCOMPARE(f->link->stops, 1);
    QCOMPARE(f->link->syncLevels.last(), 1);
    QVERIFY(!f->frame->IsFullScreenMode());
    QVERIFY(f->frame->CurrentDialogBar() == nullptr);
    QCOMPARE(f->data->dataSaved, 0);
    QCOMPARE(f->data->results.responseCount, 5);
    for (std::size_t i = 1; i <= 5; ++i) {
      QCOMPARE(f->data->results.buttonIndex[i], f->data->results.objectIndex[i]);  // normalised
      QVERIFY2(std::abs(f->data->results.responseMs[i] - 250) <= 2,
               qPrintable(QString::number(f->data->results.responseMs[i])));
    }
    QCOMPARE(f->signalsPlayed, 5);
    QVERIFY(f->frame->Action(IdPerform)->isEnabled());
    QVERIFY(f->frame->Action(IdFileSave)->isEnabled());

    // The result page keeps the header block on the erased window.
    const QImage result = f->Grab();
    QCOMPARE(result.pixelColor(10, 40), QColor(Qt::black));
    QCOMPARE(result.pixelColor(400, 300), QColor(Qt::white));
  }

  void stopAfterOneAnswerGivesTheNeutralView() {
    Perform(5);
    SimulatedSubject subject({250.0, 0.0, 0.0}, 3);
    Drive(subject, [this] { return f->state->current.load() == 2; });
    ClickBarButton(*f->frame, StopButtonId);
    QTRY_COMPARE_WITH_TIMEOUT(f->data->idle, 1, 2000);
    QCOMPARE(View().Mode(), Neutral);
    QCOMPARE(f->data->results.responseCount, 1);
    QCOMPARE(f->data->dataSaved, 0);
    QVERIFY(f->frame->CurrentDialogBar() == nullptr);
    QVERIFY(!f->frame->IsFullScreenMode());
    QVERIFY(!f->link->active);
  }

  void failedLinkStartRefusesUntilStop() {
    f->link->startResult = 0;
    Perform(5);
    QCOMPARE(boxes->messages, QStringList{QStringLiteral("Error in communication")});
    QCOMPARE(View().Mode(), TestRun);
    QCOMPARE(ShownPhase(), NotStarted);
    QCOMPARE(f->data->idle, 1);
    QVERIFY(!View().Timer().isActive());
    DialogBar* bar = f->frame->CurrentDialogBar();
    QVERIFY(bar != nullptr);
    QVERIFY(!bar->Control(StartButtonId)->isHidden());
    QVERIFY(!bar->Control(StopButtonId)->isHidden());

    // Only the header: no prompt, no background.
    QVERIFY(f->WaitForFullScreenView());
    const QImage image = f->Grab();
    QCOMPARE(image.pixelColor(10, 40), QColor(Qt::black));
    QCOMPARE(image.pixelColor(400, 300), QColor(Qt::white));

    // The link stays marked: Start repeats the message.
    ClickBarButton(*f->frame, StartButtonId);
    QTRY_COMPARE(boxes->messages.size(), 2);
    QCOMPARE(boxes->messages.last(), QStringLiteral("Error in communication"));
    QCOMPARE(f->link->starts, 2);

    ClickBarButton(*f->frame, StopButtonId);
    QTRY_VERIFY(!f->link->active);
    QCOMPARE(View().Mode(), Neutral);
    QCOMPARE(f->data->results.responseCount, 0);
    QVERIFY(!f->frame->IsFullScreenMode());
  }

  void failedLinkStartNamesTheDeviceAndABoxThatStopsIsShownInTheBar() {
    f->link->startResult = 0;
    f->link->failure = "/dev/ttyS0: Permission denied";
    Perform(5);
    QCOMPARE(boxes->messages,
             QStringList{QStringLiteral("Error in communication\n/dev/ttyS0: Permission denied")});
    ClickBarButton(*f->frame, StopButtonId);
    QTRY_VERIFY(!f->link->active);

    f->link->startResult = 1;
    Perform(5);
    QVERIFY(f->WaitForFullScreenView());
    f->link->stoppedSending = true;  // the box was unplugged
    QTRY_VERIFY_WITH_TIMEOUT(f->frame->CurrentDialogBar() != nullptr &&
                                 f->frame->CurrentDialogBar()->Notice() ==
                                     QString::fromLatin1(NoticeBoxStoppedSending.data(),
                                                         NoticeBoxStoppedSending.size()),
                             2000);
    auto* notice = f->frame->CurrentDialogBar()->findChild<QWidget*>(QStringLiteral("barNotice"));
    QVERIFY(notice != nullptr && notice->isVisible());
    QVERIFY(notice->width() >= notice->sizeHint().width());  // the whole line, not cut off
    QCOMPARE(f->data->idle, 0);  // nothing ends by itself; Stop keeps the answers
  }

  void closingDuringARunIsRefused() {
    Perform(3);
    QVERIFY(!f->frame->close());
    QCOMPARE(boxes->messages, QStringList{QStringLiteral("Test in progress.")});
    QVERIFY(f->frame->isVisible());
    QVERIFY(boxes->questions.isEmpty());

    f->frame->RunCommand(IdStop);
    QCOMPARE(f->data->idle, 1);
    boxes->answer = false;  // "Data not saved. Save?" No: closes without saving
    QVERIFY(f->frame->close());
    QCOMPARE(boxes->questions, QStringList{QStringLiteral("Data not saved. Save?")});
  }

  void deviceCheckShowsHeldButtonsInTheSquaresColour() {
    TestConfiguration& configuration = f->data->customConfiguration;
    configuration.background = Code(BackgroundColor::Green);
    configuration.squareColor = Code(StimulusColor::Blue);
    configuration.circleColor = Code(StimulusColor::Red);
    configuration.crossColor = Code(StimulusColor::Yellow);
    const int32_t countBefore = f->data->results.responseCount = 4;

    f->frame->RunCommand(IdCheck);
    QCOMPARE(View().Mode(), DeviceCheck);
    QCOMPARE(f->state->checkMode.load(), 1);
    QCOMPARE(View().Timer().interval(), 50);
    QCOMPARE(f->frame->CurrentDialogBar()->TemplateId(), StopBarTemplate);
    QVERIFY(f->WaitForFullScreenView());
    const QColor green(0, 255, 0);
    const QColor blue(0, 0, 255);
    const QColor yellow(255, 255, 0);

    Feed(0b0101, 3);  // buttons 1 and 3
    QTRY_COMPARE_WITH_TIMEOUT(View().Controller().ShownButtons(), 0b0101, 2000);
    QImage image = f->Grab();
    QCOMPARE(image.pixelColor(400, 300), blue);  // circle and square, both blue
    QCOMPARE(image.pixelColor(175, 75), blue);   // the square's corner
    QCOMPARE(image.pixelColor(174, 300), green);
    QCOMPARE(image.pixelColor(20, 40), green);  // the header is covered

    Feed(0b0010, 3);  // button 2 alone: the cross, in the cross's colour
    QTRY_COMPARE_WITH_TIMEOUT(View().Controller().ShownButtons(), 0b0010, 2000);
    image = f->Grab();
    QCOMPARE(image.pixelColor(400, 300), yellow);
    QCOMPARE(image.pixelColor(175, 75), green);

    Feed(0, 3);
    QTRY_COMPARE_WITH_TIMEOUT(View().Controller().ShownButtons(), 0, 2000);
    QCOMPARE(f->Grab().pixelColor(400, 300), green);

    ClickBarButton(*f->frame, StopButtonId);
    QTRY_COMPARE(f->data->idle, 1);
    QCOMPARE(View().Mode(), Neutral);
    QCOMPARE(f->data->results.responseCount, countBefore);
    QVERIFY(!f->frame->IsFullScreenMode());
  }

  // A protocol Perform paints in the protocol's colours; a data file opened
  // afterwards brings its own, and the header block and reports show those.
  void coloursFollowTheResultsShownAfterAProtocolRun() {
    ProtocolHeader& header = f->data->protocol.header;
    const int32_t yellow = Code(StimulusColor::Yellow);
    header = {.itemCount = 2, .background = Code(BackgroundColor::Black), .squareColor = yellow,
              .circleColor = yellow, .triangleColor = yellow, .crossColor = yellow};
    f->data->protocol.items[0] = {200, Code(ObjectKind::Circle)};
    f->data->protocol.items[1] = {200, Code(ObjectKind::Square)};
    f->data->protocolLoaded = 1;
    View().SetPerformDialog([](int32_t) { return PerformChoice{PerformMode::Protocol, 2}; });
    f->frame->RunCommand(IdPerform);
    QVERIFY(f->WaitForFullScreenView());
    Feed(1);
    Feed(0, 3);  // the protocol's background during the foreperiod
    QTRY_COMPARE_WITH_TIMEOUT(ShownPhase(), Foreperiod, 2000);
    QCOMPARE(f->Grab().pixelColor(400, 300), ColorOfBackground(Code(BackgroundColor::Black)));
    f->frame->RunCommand(IdStop);

    auto file = std::make_unique<DocumentData>();
    file->runConfiguration.background = Code(BackgroundColor::Blue);
    file->runConfiguration.squareColor = Code(StimulusColor::Red);
    file->runConfiguration.circleColor = Code(StimulusColor::Green);
    file->results.responseCount = 2;
    ApplyTestDataImage(TestDataImageOf(*file), *f->data);  // as Open does
    const HeaderBlockTexts shown = View().CurrentReport().header;
    const HeaderBlockTexts own = BuildHeaderBlockTexts(f->data->subject, f->data->results,
                                                       HeaderColorsOf(file->runConfiguration));
    QCOMPARE(shown.background, own.background);
    QCOMPARE(shown.shapes1, own.shapes1);
    QCOMPARE(shown.shapes2, own.shapes2);
  }

  // With the stop bar over a corner of the test screen, a stimulus and its
  // removal repaint only the figure's area, drawn on the background already
  // there; what reaches the screen must still be exactly a whole paint.
  void stimuliRepaintOnlyTheFigureAndTheScreenMatchesAWholePaint() {
    struct PaintRegions : QObject {
      QList<QRegion> regions;
      bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) regions << static_cast<QPaintEvent*>(event)->region();
        return false;
      }
    } paints;
    Perform(4);
    QVERIFY(f->WaitForFullScreenView());
    View().installEventFilter(&paints);
    const QRect view(View().mapTo(View().window(), QPoint(0, 0)), View().size());
    auto onScreen = [&] {
      // The offscreen platform's grab reads the window's backing store.
      return View().screen()->grabWindow(View().window()->winId()).toImage().copy(view).convertToFormat(
          QImage::Format_RGB32);
    };
    SimulatedSubject subject({250.0, 0.0, 0.0}, 3);
    int figures = 0;
    Drive(subject, [this] { return f->state->done.load() != 0; }, [&](int32_t phase) {
      if ((phase != WaitResponse && phase != WaitRelease) || f->data->idle == 1) return;
      const QRegion last = paints.regions.isEmpty() ? QRegion() : paints.regions.last();
      if (phase == WaitResponse && ++figures > 1) {
        QVERIFY2(!last.contains(QPoint(5, View().height() - 5)),
                 "a stimulus repainted the whole test screen");
      }
      const QImage shown = onScreen();
      const QImage whole = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
      QCOMPARE(shown.size(), whole.size());
      // The stop bar covers its corner of the screen; the rest must agree.
      const QWidget* stopBar = f->frame->CurrentDialogBar();
      QVERIFY(stopBar != nullptr && stopBar->parentWidget() == &View());
      const QRect bar = stopBar->geometry();
      for (int y = 0; y < shown.height(); y += 3) {
        for (int x = 0; x < shown.width(); x += 3) {
          if (bar.contains(x, y)) continue;
          QVERIFY2(shown.pixel(x, y) == whole.pixel(x, y),
                   qPrintable(QStringLiteral("phase %1, pixel %2,%3").arg(phase).arg(x).arg(y)));
        }
      }
    });
    QCOMPARE(figures, 4);
  }

  // With the box's light sensor on, the screen itself (the backing store)
  // shows the patch in its corner, white in each stimulus's own paint and
  // black with the background; without it the corner is background. The
  // run's timing names the station as it was when the test started.
  void theLightSensorsPatchAndTheStationGoWithTheRun_data() {
    QTest::addColumn<bool>("sensor");
    QTest::newRow("a box with a light sensor") << true;
    QTest::newRow("a box without") << false;
  }
  void theLightSensorsPatchAndTheStationGoWithTheRun() {
    QFETCH(bool, sensor);
    f->data->portIndex = 2;
    StoreLightSensor(2, sensor);
    StorePanelLagMs(4.5);
    StoreLightMarker({MarkerCorner::BottomRight, 40});
    f->data->customConfiguration.background = Code(BackgroundColor::Blue);
    Perform(3);
    QVERIFY(f->WaitForFullScreenView());
    StoreLightSensor(2, !sensor);
    StorePanelLagMs(std::nullopt);
    StoreLightMarker({});

    const QColor blue = ColorOfBackground(Code(BackgroundColor::Blue));
    const QRect view(View().mapTo(View().window(), QPoint(0, 0)), View().size());
    const QPoint patch(view.width() - 20, view.height() - 20);
    QStringList failures;
    SimulatedSubject subject({250.0, 0.0, 0.0}, 3);
    Drive(subject, [this] { return f->state->done.load() != 0; }, [&](int32_t phase) {
      if (f->data->idle == 1 || f->state->done.load() != 0) return;
      const QImage shown = View().screen()->grabWindow(View().window()->winId()).toImage().copy(view);
      const QColor expected = !sensor ? blue : phase == WaitResponse ? QColor(Qt::white) : QColor(Qt::black);
      if (shown.pixelColor(patch) != expected || shown.pixelColor(patch.x() - 30, patch.y()) != blue) {
        failures << QStringLiteral("phase %1: %2").arg(phase).arg(Describe(shown.pixelColor(patch)));
      }
    });
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    QTRY_COMPARE(f->data->idle, 1);
    const RunTiming* timing = View().TimingOfResults();
    QVERIFY(timing != nullptr);
    QCOMPARE(timing->station, (StationTiming{.lightSensor = sensor, .panelLagUs = 4500}));
    StoreLightSensor(2, false);
  }

  // The device check with a light sensor: its patch flashes in the chosen
  // corner, the guide names that corner and shows at once what the sensor
  // sees, and says it follows the patch only once it has for two whole
  // flashes.
  void theCheckWalksTheOperatorThroughPlacingTheLightSensor() {
    f->data->portIndex = 0;
    StoreLightSensor(0, true);
    StoreLightMarker({MarkerCorner::TopLeft, 50});
    QList<bool> flashes;
    bool follow = false;
    View().SetLightMarkerObserver([&](int32_t, bool lit) {
      flashes << lit;
      if (follow) Feed(lit ? 0x10 : 0x00, 3);
    });
    f->frame->RunCommand(IdCheck);
    StoreLightSensor(0, false);
    StoreLightMarker({});
    QVERIFY(f->WaitForFullScreenView());
    QCOMPARE(View().LightMarkerArea(), QRect(0, 0, 50, 50));
    QStringList guide = View().LightSensorGuide();
    QCOMPARE(guide.size(), 2);
    QVERIFY(guide[0].contains(QStringLiteral("top left")));
    QVERIFY(guide[1].startsWith(QStringLiteral("The sensor sees dark. It does not follow")));

    Feed(0x10, 3);  // room light on it
    QTRY_VERIFY_WITH_TIMEOUT(View().LightSensorGuide()[1].startsWith(QStringLiteral("The sensor sees light. It does not")), 2000);
    QTest::qWait(1200);  // two halves of a flash, one of them in step by chance
    QVERIFY(View().LightSensorGuide()[1].contains(QStringLiteral("does not follow")));
    follow = true;
    QTRY_VERIFY_WITH_TIMEOUT(View().LightSensorGuide()[1].endsWith(QStringLiteral("It follows the marker: ready.")), 5000);
    QVERIFY(flashes.contains(true) && flashes.contains(false));
    f->frame->RunCommand(IdStop);
    QVERIFY(View().LightSensorGuide().isEmpty());
    QVERIFY2(!flashes.last(), "the patch left the screen with the check");
  }

  void silentVoiceNeverPlays() {
    f->data->customVoice = {Code(VoiceSignal::No), 0};
    Perform(2);
    SimulatedSubject subject({200.0, 0.0, 0.0}, 5);
    Drive(subject, [this] { return f->state->done.load() != 0; });
    QTRY_COMPARE(f->data->idle, 1);
    QCOMPARE(f->signalsPlayed, 0);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::RunTest)
#include "run_test.moc"
