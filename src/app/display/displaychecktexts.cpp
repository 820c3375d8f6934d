// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/displaychecktexts.h"

#include <QCoreApplication>

#include <algorithm>

#include "report/displaynumbers.h"

namespace alacrity {
namespace {

class Words {
  Q_DECLARE_TR_FUNCTIONS(DisplayCheck)

 public:
  static QString Headline(const DisplayCheckRun& run, const DisplayCheckVerdict& verdict) {
    if (run.stopped) return tr("The check was stopped before its end: nothing was judged.");
    switch (verdict.trust) {
      case DisplayTrust::Trusted:
        return tr("This display can be trusted for timing: each stimulus's presented time is "
                  "exact.");
      case DisplayTrust::Usable:
        return tr("This display is usable for timing: each stimulus's presented time may be off "
                  "by up to %1 ms, one refresh.")
            .arg(DisplayDecimal(verdict.errorMs, 1));
      case DisplayTrust::Untrusted:
        break;
    }
    if (Advised(verdict, DisplayAdvice::ReportsNothing)) {
      return tr("This display tells nothing of its frames: when a stimulus reached the screen "
                "cannot be known.");
    }
    return tr("This display cannot be trusted for timing.");
  }

  static QString DisplaySystem(const DisplayCheckRun& run) {
    QStringList parts{run.server};
    parts << (run.support.method.isEmpty() ? tr("tells nothing of its frames")
                                           : tr("asked through %1").arg(run.support.method));
    if (run.facts.compositor) parts << tr("behind a compositor");
    if (run.facts.simulated) parts << tr("a virtual display");
    return parts.join(QStringLiteral(", "));
  }

  static QString Frames(const DisplayCheckRun& run, const DisplayCheckVerdict& verdict) {
    if (!run.facts.asksFrames) return tr("%1 shown, none asked about").arg(verdict.frames);
    return tr("%1 shown, %2 reported, %3 a refresh late, %4 never reported")
        .arg(verdict.frames)
        .arg(verdict.reported)
        .arg(verdict.late)
        .arg(verdict.lost);
  }

  static QString Refresh(const DisplayCheckVerdict& verdict) {
    if (!verdict.refreshMs) return tr("unknown");
    const QString ms = DisplayDecimal(*verdict.refreshMs, 2);
    const QString hz = DisplayDecimal(1000.0 / *verdict.refreshMs, 2);
    if (!verdict.refreshMeasured) return tr("%1 ms (%2 Hz) as claimed, not measured").arg(ms, hz);
    return tr("%1 ms (%2 Hz), steady within %3 ms")
        .arg(ms, hz, DisplayDecimal(verdict.refreshSpreadMs, 2));
  }

  static QString Presented(const DisplayCheckVerdict& verdict) {
    if (verdict.reported == 0) return tr("not reported");
    return tr("median %1 ms, p99 %2 ms, max %3 ms")
        .arg(DisplayDecimal(verdict.presentedMedianMs, 2),
             DisplayDecimal(verdict.presentedP99Ms, 2), DisplayDecimal(verdict.presentedMaxMs, 2));
  }

  static QString Mode(PresentMode mode) {
    switch (mode) {
      case PresentMode::Flip:
        return tr("page flip");
      case PresentMode::Copy:
        return tr("copy");
      case PresentMode::Composited:
        return tr("composed by a compositor");
      case PresentMode::Unknown:
        break;
    }
    return tr("unknown");
  }

  static QString Quality(PresentQuality quality) {
    switch (quality) {
      case PresentQuality::Exact:
        return tr("exact: a page flip with the hardware's own time");
      case PresentQuality::FrameBounded:
        return tr("within one refresh");
      case PresentQuality::LowerBound:
        return tr("lower bound only: shown at that time at the earliest");
      case PresentQuality::SimulatedClock:
        return tr("simulated clock: no physical meaning");
      case PresentQuality::None:
        break;
    }
    return tr("none");
  }

  static QString PanelLag(const DisplayFacts& facts) {
    if (!facts.panelLagMs) return tr("not measured");
    return tr("%1 ms, measured with a light sensor").arg(DisplayDecimal(*facts.panelLagMs, 1));
  }

  static QString Advice(DisplayAdvice advice, const DisplayCheckRun& run,
                        const DisplayCheckVerdict& verdict) {
    switch (advice) {
      case DisplayAdvice::ReportsNothing:
        if (run.server.startsWith(QLatin1String("X11")) ||
            run.server.startsWith(QLatin1String("Wayland"))) {
          return tr("Use a display server that reports its frames (the X Present extension, "
                    "Wayland's presentation-time protocol), or measure each stimulus with a light "
                    "sensor.");
        }
        return tr("Run the tests in an X11 or Wayland session on the stimulus screen: only there "
                  "can the display say when each frame was shown; elsewhere only a light sensor "
                  "can.");
      case DisplayAdvice::VirtualDisplay:
        return tr("Check the station's real screen: a virtual display has no physical frame "
                  "clock, so its times say nothing of what a subject sees.");
      case DisplayAdvice::Compositor:
        return tr("Turn off the compositor, or run the tests in a full-screen session without "
                  "one: a compositor shows each frame a refresh or more after the program hands "
                  "it over.");
      case DisplayAdvice::CopiedFrames:
        return tr("Let the display flip the frames instead of copying them (a full-screen window, "
                  "no compositor, the driver's page flipping): a copy's time is known only to "
                  "within one refresh.");
      case DisplayAdvice::UnsteadyRefresh:
        return tr("Fix the refresh rate: turn off variable refresh (adaptive sync) and the "
                  "screen's power saving; the refresh varied by %1 ms.")
            .arg(DisplayDecimal(verdict.refreshSpreadMs, 2));
      case DisplayAdvice::RefreshNotClaimed:
        return tr("Set the screen's mode again: it refreshes at %1 Hz, not at the %2 Hz it "
                  "claims.")
            .arg(DisplayDecimal(1000.0 / verdict.refreshMs.value_or(1000.0), 2),
                 DisplayDecimal(run.facts.screenHz, 2));
      case DisplayAdvice::LateFrames:
        return tr("Close other programs and turn off the compositor: %1 of %2 frames reached "
                  "the screen a refresh late or never.")
            .arg(verdict.late + verdict.lost)
            .arg(verdict.frames);
      case DisplayAdvice::PanelLag:
        return tr("Measure the panel's own lag with a light sensor and enter it in Setup > "
                  "Stimulus Screen: no software can see it.");
    }
    return {};
  }

  static QString Label(const char* text) { return tr(text); }

 private:
  static bool Advised(const DisplayCheckVerdict& verdict, DisplayAdvice advice) {
    return std::find(verdict.advice.begin(), verdict.advice.end(), advice) !=
           verdict.advice.end();
  }
};

}  // namespace

DisplayCheckTexts DescribeDisplayCheck(const DisplayCheckRun& run,
                                       const DisplayCheckVerdict& verdict) {
  DisplayCheckTexts texts;
  texts.headline = Words::Headline(run, verdict);
  if (run.stopped) return texts;
  texts.icon = verdict.trust == DisplayTrust::Trusted  ? QStyle::SP_MessageBoxInformation
               : verdict.trust == DisplayTrust::Usable ? QStyle::SP_MessageBoxWarning
                                                       : QStyle::SP_MessageBoxCritical;
  texts.figures = {
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Stimulus screen:")), run.screen},
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Display system:")),
       Words::DisplaySystem(run)},
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Frames:")), Words::Frames(run, verdict)},
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Refresh:")), Words::Refresh(verdict)},
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Hand-over to presented:")),
       Words::Presented(verdict)},
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Presented by:")), Words::Mode(verdict.mode)},
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Quality:")), Words::Quality(verdict.quality)},
      {Words::Label(QT_TRANSLATE_NOOP("DisplayCheck", "Panel lag:")), Words::PanelLag(run.facts)},
  };
  for (const DisplayAdvice advice : verdict.advice) {
    texts.advice << Words::Advice(advice, run, verdict);
  }
  return texts;
}

QString DisplayCheckPlainText(const DisplayCheckTexts& texts) {
  QString out = texts.headline + QLatin1Char('\n');
  for (const auto& [label, value] : texts.figures) {
    out += QStringLiteral("%1 %2\n").arg(label, value);
  }
  if (!texts.advice.isEmpty()) {
    out += QCoreApplication::translate("DisplayCheck", "What to change:") + QLatin1Char('\n');
    for (const QString& advice : texts.advice) out += QStringLiteral("- %1\n").arg(advice);
  }
  return out;
}

}  // namespace alacrity
