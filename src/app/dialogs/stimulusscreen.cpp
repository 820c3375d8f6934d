// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/stimulusscreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QVariant>

#include <cmath>

namespace alacrity {
namespace {

constexpr const char* StimulusScreenKey = "display/stimulusScreen";
constexpr const char* PanelLagKey = "display/panelLagMs";

QSettings ProgramSettings() {
  return QSettings(QStringLiteral("alacrity"), QStringLiteral("alacrity"));
}

}  // namespace

QString StoredStimulusScreen() { return ProgramSettings().value(QLatin1String(StimulusScreenKey)).toString(); }

void StoreStimulusScreen(const QString& name) {
  QSettings settings = ProgramSettings();
  if (name.isEmpty()) {
    settings.remove(QLatin1String(StimulusScreenKey));
  } else {
    settings.setValue(QLatin1String(StimulusScreenKey), name);
  }
}

std::optional<double> StoredPanelLagMs() {
  const QVariant stored = ProgramSettings().value(QLatin1String(PanelLagKey));
  bool ok = false;
  const double lagMs = stored.toDouble(&ok);
  // A value edited into the file by hand that is no lag at all counts as
  // not measured, rather than shifting every presented time.
  if (!stored.isValid() || !ok || !(lagMs >= 0.0 && lagMs <= MaxPanelLagMs)) return std::nullopt;
  return lagMs;
}

void StorePanelLagMs(std::optional<double> lagMs) {
  QSettings settings = ProgramSettings();
  if (lagMs) {
    settings.setValue(QLatin1String(PanelLagKey), *lagMs);
  } else {
    settings.remove(QLatin1String(PanelLagKey));
  }
}

QString DescribeScreen(const QScreen& screen) {
  const QSize size = screen.geometry().size();
  QString text =
      QStringLiteral("%1 - %2 x %3, %4 Hz")
          .arg(screen.name().isEmpty() ? QCoreApplication::translate("Dialog", "(unnamed)")
                                       : screen.name())
          .arg(size.width())
          .arg(size.height())
          .arg(std::lround(screen.refreshRate()));
  const qreal ratio = screen.devicePixelRatio();
  if (ratio != 1)
    text += QCoreApplication::translate("Dialog", ", scaled %1 %").arg(std::lround(ratio * 100));
  return text;
}

QScreen* FindScreen(const QString& name) {
  if (name.isEmpty()) return nullptr;
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->name() == name) return screen;
  }
  return nullptr;
}

StimulusScreenChoice ChooseStimulusScreen(const QString& storedName, QScreen* mainWindowScreen) {
  if (storedName.isEmpty()) return {mainWindowScreen, false};
  if (QScreen* screen = FindScreen(storedName)) return {screen, false};
  return {mainWindowScreen, true};
}

}  // namespace alacrity
