// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/lightsensor.h"

#include <QCoreApplication>
#include <QSettings>

#include <cmath>
#include <optional>

#include "dialogs/stimulusscreen.h"
#include "link/serial_link.h"

namespace alacrity {
namespace {

constexpr const char* MarkerCornerKey = "display/lightMarkerCorner";
constexpr const char* MarkerSizeKey = "display/lightMarkerSize";

// In the settings file as words, so that an administrator can read and
// write them.
constexpr const char* CornerKeys[MarkerCornerCount] = {"bottom-left", "bottom-right", "top-left",
                                                       "top-right"};

QSettings ProgramSettings() {
  return QSettings(QStringLiteral("alacrity"), QStringLiteral("alacrity"));
}

QString SensorKey(int portIndex) {
  return QStringLiteral("lightSensor/") + QString::fromStdString(SerialPortName(portIndex));
}

bool ValidPort(int portIndex) { return portIndex >= 0 && portIndex < SerialPortCount; }

}  // namespace

bool StoredLightSensor(int portIndex) {
  // Only what the dialog writes: a value edited in by hand that is anything
  // else must not make a box's upper bits count as light.
  return ValidPort(portIndex) &&
         ProgramSettings().value(SensorKey(portIndex)).toString() == QLatin1String("true");
}

void StoreLightSensor(int portIndex, bool present) {
  if (!ValidPort(portIndex)) return;
  QSettings settings = ProgramSettings();
  if (present) {
    settings.setValue(SensorKey(portIndex), true);
  } else {
    settings.remove(SensorKey(portIndex));
  }
}

LightMarker StoredLightMarker() {
  const QSettings settings = ProgramSettings();
  LightMarker marker;
  const QString corner = settings.value(QLatin1String(MarkerCornerKey)).toString();
  for (int i = 0; i < MarkerCornerCount; ++i) {
    if (corner == QLatin1String(CornerKeys[i])) marker.corner = static_cast<MarkerCorner>(i);
  }
  bool ok = false;
  const int size = settings.value(QLatin1String(MarkerSizeKey)).toInt(&ok);
  if (ok && size >= MinMarkerSizePx && size <= MaxMarkerSizePx) marker.sizePx = size;
  return marker;
}

void StoreLightMarker(const LightMarker& marker) {
  QSettings settings = ProgramSettings();
  const LightMarker standard;
  if (marker.corner == standard.corner) {
    settings.remove(QLatin1String(MarkerCornerKey));
  } else {
    settings.setValue(QLatin1String(MarkerCornerKey),
                      QLatin1String(CornerKeys[static_cast<int>(marker.corner)]));
  }
  if (marker.sizePx == standard.sizePx) {
    settings.remove(QLatin1String(MarkerSizeKey));
  } else {
    settings.setValue(QLatin1String(MarkerSizeKey), marker.sizePx);
  }
}

QString MarkerCornerText(MarkerCorner corner) {
  switch (corner) {
    case MarkerCorner::BottomLeft:
      return QCoreApplication::translate("Dialog", "bottom left");
    case MarkerCorner::BottomRight:
      return QCoreApplication::translate("Dialog", "bottom right");
    case MarkerCorner::TopLeft:
      return QCoreApplication::translate("Dialog", "top left");
    case MarkerCorner::TopRight:
      return QCoreApplication::translate("Dialog", "top right");
  }
  return {};
}

StationTiming StoredStation(int portIndex) {
  StationTiming station;
  station.lightSensor = StoredLightSensor(portIndex);
  if (const std::optional<double> lagMs = StoredPanelLagMs()) {
    station.panelLagUs = static_cast<int32_t>(std::lround(*lagMs * 1000.0));
  }
  return station;
}

}  // namespace alacrity
