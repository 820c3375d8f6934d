// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The stimulus screen on three offscreen screens (the operator's at a pixel
// ratio of 1, subjects' at 1.5 and 2): where a test and a check are shown,
// what the main window keeps, the fall-back for a screen that is gone, and
// the figures painted on device pixels at every ratio.

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

#include <cstddef>
#include <optional>

#include "adapters/keyboardboxkeys.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "dialogs/lightsensor.h"
#include "dialogs/stimulusscreen.h"
#include "dialogs/stimulusscreendlg.h"
#include "display/displayserver.h"
#include "engine/engine.h"
#include "engine/figure_geometry.h"
#include "views/alacrityview.h"
#include "views/figurepainter.h"

namespace alacrity::test {
namespace {

QScreen* Screen(const char* name) { return FindScreen(QString::fromLatin1(name)); }

}  // namespace

class StimulusScreenTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<MessageRecorder> boxes;

  CAlacrityView& View() { return f->frame->View(); }

  void Perform() {
    f->data->customConfiguration.timingMode = Code(TimingMode::Fixed);
    f->data->customConfiguration.fixedTimeMs = 200;
    View().SetPerformDialog([](int32_t) { return PerformChoice{PerformMode::Custom, 3}; });
    f->frame->RunCommand(IdPerform);
  }

  // Start, release and the fixed wait: the first stimulus is up, a square.
  void ShowFirstStimulus() {
    f->data->results.objectIndex[1] = Code(ObjectKind::Square);
    Feed(0x1);
    Feed(0x0, 400);
    QTRY_COMPARE_WITH_TIMEOUT(View().Controller().ShownPhase(), WaitResponse, 2000);
  }

 private Q_SLOTS:
  void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 3); }

  void init() {
    StoreStimulusScreen({});
    f = std::make_unique<FrameFixture>();
    boxes = std::make_unique<MessageRecorder>();
    QCOMPARE(f->frame->screen(), Screen("operator"));
  }

  void cleanup() {
    boxes.reset();
    f.reset();
    StoreStimulusScreen({});
  }

  void dialogListsTheScreensAndStoresTheChoice() {
    StoreStimulusScreen(QStringLiteral("subject-200"));
    CStimulusScreenDlg dialog(f->frame.get());
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("screenList"));
    QVERIFY(list != nullptr);
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    QCOMPARE(rows, (QStringList{"The main window's screen", "operator - 800 x 600, 60 Hz",
                                "subject-150 - 800 x 600, 60 Hz, scaled 150 %",
                                "subject-200 - 640 x 480, 60 Hz, scaled 200 %"}));
    QCOMPARE(list->currentRow(), 3);  // the stored one
    list->setCurrentRow(2);
    dialog.accept();
    QCOMPARE(StoredStimulusScreen(), QStringLiteral("subject-150"));

    // A stored screen that is unplugged stays listed and chosen.
    StoreStimulusScreen(QStringLiteral("HDMI-9"));
    CStimulusScreenDlg again(f->frame.get());
    auto* list2 = again.findChild<QListWidget*>(QStringLiteral("screenList"));
    QCOMPARE(list2->currentItem()->text(), QStringLiteral("HDMI-9 - not connected"));
    list2->setCurrentRow(0);
    again.accept();
    QCOMPARE(StoredStimulusScreen(), QString());
  }

  // The panel's lag as a light sensor measured it, with either decimal
  // sign; empty is not measured, and anything else is refused with the
  // dialog kept open and nothing stored.
  void panelLagRoundTripsThroughTheDialog_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("stored");  // -1: not measured
    QTest::addColumn<QString>("shownAgain");
    QTest::newRow("measured") << "12.5" << true << 12.5 << "12.5";
    QTest::newRow("decimal comma") << " 8,25 " << true << 8.25 << "8.25";
    QTest::newRow("none at all") << "0" << true << 0.0 << "0";
    QTest::newRow("emptied") << "" << true << -1.0 << "";
    QTest::newRow("negative") << "-3" << false << 20.0 << "20";
    QTest::newRow("no number") << "fast" << false << 20.0 << "20";
    QTest::newRow("beyond any panel") << "900" << false << 20.0 << "20";
  }
  void panelLagRoundTripsThroughTheDialog() {
    QFETCH(QString, entered);
    QFETCH(bool, accepted);
    QFETCH(double, stored);
    QFETCH(QString, shownAgain);
    StorePanelLagMs(20.0);
    {
      CStimulusScreenDlg dialog(f->frame.get());
      auto* lag = dialog.findChild<QLineEdit*>(QStringLiteral("panelLag"));
      QCOMPARE(lag->text(), QStringLiteral("20"));
      lag->setText(entered);
      dialog.show();
      dialog.accept();
      QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
      QCOMPARE(dialog.isVisible(), !accepted);
      QCOMPARE(boxes->messages.size(), accepted ? 0 : 1);
    }
    const std::optional<double> lagMs = StoredPanelLagMs();
    QCOMPARE(lagMs.value_or(-1.0), stored);
    CStimulusScreenDlg again(f->frame.get());
    QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("panelLag"))->text(), shownAgain);
    StorePanelLagMs(std::nullopt);
  }

  // Where the light sensor's patch goes: the corner and size go through the
  // dialog and back, and what was edited into the settings by hand that is
  // no corner or size gives the default rather than a patch nobody finds.
  void lightMarkerRoundTripsThroughTheDialog() {
    StoreLightMarker({});
    {
      CStimulusScreenDlg dialog(f->frame.get());
      auto* corner = dialog.findChild<QComboBox*>(QStringLiteral("markerCorner"));
      auto* size = dialog.findChild<QSpinBox*>(QStringLiteral("markerSize"));
      QCOMPARE(corner->currentText(), QStringLiteral("bottom left"));
      QCOMPARE(size->value(), DefaultMarkerSizePx);
      corner->setCurrentIndex(corner->findText(QStringLiteral("top right")));
      size->setValue(120);
      dialog.accept();
    }
    QCOMPARE(StoredLightMarker(), (LightMarker{MarkerCorner::TopRight, 120}));
    {
      CStimulusScreenDlg again(f->frame.get());
      QCOMPARE(again.findChild<QComboBox*>(QStringLiteral("markerCorner"))->currentText(),
               QStringLiteral("top right"));
      QCOMPARE(again.findChild<QSpinBox*>(QStringLiteral("markerSize"))->value(), 120);
    }
    QSettings settings(QStringLiteral("alacrity"), QStringLiteral("alacrity"));
    settings.setValue(QStringLiteral("display/lightMarkerCorner"), QStringLiteral("middle"));
    settings.setValue(QStringLiteral("display/lightMarkerSize"), 5000);
    settings.sync();
    QCOMPARE(StoredLightMarker(), LightMarker{});
    StoreLightMarker({});
  }

  // The test on the subject's screen; the main window keeps its place, its
  // menus and the Start/Stop bar; Stop brings the view home.
  void testRunsOnTheChosenScreenWhileTheMainWindowStays() {
    StoreStimulusScreen(QStringLiteral("subject-150"));
    const QRect frameBefore = f->frame->geometry();
    Perform();
    QVERIFY(boxes->messages.isEmpty());
    QWidget* stimulus = f->frame->StimulusWindow();
    QVERIFY(stimulus->isVisible());
    QCOMPARE(View().window(), stimulus);
    QCOMPARE(stimulus->screen(), Screen("subject-150"));
    QTRY_COMPARE_WITH_TIMEOUT(View().geometry().size(), QSize(800, 600), 2000);
    QCOMPARE(stimulus->geometry(), Screen("subject-150")->geometry());
    QCOMPARE(f->frame->ViewScreen(), Screen("subject-150"));

    QCOMPARE(f->frame->geometry(), frameBefore);
    QVERIFY(f->frame->menuBar()->isVisible());
    QVERIFY(qobject_cast<QLabel*>(f->frame->centralWidget()) != nullptr);
    DialogBar* bar = f->frame->CurrentDialogBar();
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->window(), f->frame.get());  // docked for the operator
    QVERIFY(bar->Notice().isEmpty());

    f->frame->RunCommand(IdStop);
    QVERIFY(!stimulus->isVisible());
    QCOMPARE(f->frame->centralWidget(), &View());
    QCOMPARE(View().window(), f->frame.get());
    QVERIFY(!f->frame->IsFullScreenMode());
  }

  void checkRunsOnTheChosenScreenToo() {
    StoreStimulusScreen(QStringLiteral("subject-200"));
    f->frame->RunCommand(IdCheck);
    QCOMPARE(View().Mode(), DeviceCheck);
    QCOMPARE(View().window(), f->frame->StimulusWindow());
    QCOMPARE(f->frame->StimulusWindow()->screen(), Screen("subject-200"));
    f->frame->RunCommand(IdStop);
    QCOMPARE(f->frame->centralWidget(), &View());
  }

  // Unplugged during the run: the run comes to the main window's screen,
  // where Stop is in reach, and the bar says why.
  void screenUnpluggedDuringTheRunBringsItHome() {
    StoreStimulusScreen(QStringLiteral("subject-150"));
    Perform();
    QCOMPARE(View().window(), f->frame->StimulusWindow());
    f->frame->OnScreenRemoved(Screen("subject-150"));
    QVERIFY(!f->frame->StimulusWindow()->isVisible());
    QCOMPARE(f->frame->centralWidget(), &View());
    QVERIFY(f->WaitForFullScreenView());
    QCOMPARE(f->frame->CurrentDialogBar()->parentWidget(), &View());
    QVERIFY(f->frame->CurrentDialogBar()->Notice().contains(QStringLiteral("not connected")));
    QCOMPARE(f->data->idle, 0);  // the run goes on
    f->frame->RunCommand(IdStop);
    QVERIFY(!f->frame->IsFullScreenMode());
  }

  // Chosen but unplugged: the main window's screen, as before there was a
  // choice, and the operator is told once, not at every run.
  void goneScreenFallsBackAndIsNamedOnce() {
    StoreStimulusScreen(QStringLiteral("HDMI-9"));
    Perform();
    QVERIFY(!f->frame->StimulusWindow()->isVisible());
    QVERIFY(f->frame->IsFullScreenMode());
    QVERIFY(f->WaitForFullScreenView());
    QCOMPARE(f->frame->CurrentDialogBar()->Notice(),
             QStringLiteral("The stimulus screen HDMI-9 is not connected: shown on the main "
                            "window's screen."));
    f->frame->RunCommand(IdStop);
    Perform();
    QVERIFY(f->frame->CurrentDialogBar()->Notice().isEmpty());
    f->frame->RunCommand(IdStop);
  }

  // The figure box in device pixels equals the geometry of the screen's
  // device-pixel size, with no pixel of a blended colour at any edge.
  void figureBoxOnDevicePixels_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QSize>("devicePixels");
    QTest::newRow("ratio 1") << "operator" << QSize(800, 600);
    QTest::newRow("ratio 1.5") << "subject-150" << QSize(1200, 900);
    QTest::newRow("ratio 2") << "subject-200" << QSize(1280, 960);
  }
  void figureBoxOnDevicePixels() {
    QFETCH(QString, screen);
    QFETCH(QSize, devicePixels);
    StoreStimulusScreen(screen);
    Perform();
    QTRY_COMPARE_WITH_TIMEOUT(View().screen(), FindScreen(screen), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(View().size(), FindScreen(screen)->geometry().size(), 2000);
    ShowFirstStimulus();

    const QImage image = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), devicePixels);
    const Rect box = ComputeFigureGeometry(devicePixels.width(), devicePixels.height()).box;
    const QColor figure = ToQColor(StimulusColorRgb(f->data->runConfiguration.squareColor));
    const QColor background = ToQColor(BackgroundColorRgb(f->data->runConfiguration.background));
    // On the main window's own screen the Stop bar floats over a corner.
    QRect bar;
    if (const DialogBar* overlay = f->frame->CurrentDialogBar(); overlay->parentWidget() == &View()) {
      const qreal ratio = View().devicePixelRatio();
      bar = QRect(overlay->geometry().topLeft() * ratio, overlay->geometry().size() * ratio);
    }
    QRect covered;
    int strays = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (bar.contains(x, y)) continue;
        const QColor pixel = image.pixelColor(x, y);
        if (pixel == figure) {
          covered |= QRect(x, y, 1, 1);
        } else if (pixel != background) {
          ++strays;
        }
      }
    }
    QCOMPARE(strays, 0);
    QCOMPARE(covered, CoveredRect(box));
    if (qEnvironmentVariableIsSet("ALACRITY_SCREENSHOT_DIR")) {
      image.save(QStringLiteral("%1/stimulus-%2.png")
                     .arg(qEnvironmentVariable("ALACRITY_SCREENSHOT_DIR"), screen));
    }
    f->frame->RunCommand(IdStop);
  }

  // Keys held on the stimulus window are the keyboard box's buttons too.
  void keyboardBoxListensOnTheStimulusWindow() {
    QList<int> held;
    KeyboardBoxKeys keys(f->frame.get(), [&held](uint8_t nibble) { held.append(nibble); });
    keys.AddWindow(f->frame->StimulusWindow());
    qApp->installEventFilter(&keys);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier);
    QCoreApplication::sendEvent(f->frame->StimulusWindow(), &press);
    QCOMPARE(held, QList<int>{0b0100});
  }

  void compositorIsNamedWithItsFrame_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("compositor");
    QTest::addColumn<bool>("composited");
    QTest::addColumn<QString>("note");
    QTest::newRow("X11") << "X11" << "" << false << "";
    QTest::newRow("weston") << "Wayland" << "weston" << true
                            << "Shown through the Wayland compositor weston: each picture reaches "
                               "the screen about one frame (17 ms at 60 Hz) later than in an X11 "
                               "session.";
    QTest::newRow("unknown") << "Wayland" << "" << true
                             << "Shown through a Wayland compositor: each picture reaches the "
                                "screen about one frame (17 ms at 60 Hz) later than in an X11 "
                                "session.";
  }
  void compositorIsNamedWithItsFrame() {
    QFETCH(QString, name);
    QFETCH(QString, compositor);
    QFETCH(bool, composited);
    QFETCH(QString, note);
    QCOMPARE(CompositorDelayNote({name, compositor, composited}, Screen("operator")), note);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::StimulusScreenTest)
#include "stimulusscreen_test.moc"
