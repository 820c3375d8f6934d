// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The light sensor's settings. Whether the box on each COM port has one on
// its fifth bit belongs to that box (QSettings group "lightSensor", keys
// "COM1".."COM5", true; no key: none, so no other box's upper bits are ever
// read as light). Where the stimulus window draws the marker the sensor sits
// on belongs to the station's screen ("display/lightMarkerCorner",
// "display/lightMarkerSize"). A run takes them, with the panel's lag, as it
// starts.

#include <QString>

#include <cstdint>

#include "data/run_timing.h"

namespace alacrity {

bool StoredLightSensor(int portIndex);
void StoreLightSensor(int portIndex, bool present);

// Far from the figures, which fill the middle of the screen; the top right
// is where the Start/Stop bar lies over a run on the main window's screen.
enum class MarkerCorner : int32_t { BottomLeft = 0, BottomRight = 1, TopLeft = 2, TopRight = 3 };
inline constexpr int MarkerCornerCount = 4;

// The marker's side in the screen's logical pixels (a centimetre and a half
// on a common monitor: wider than a sensor module's photodiode and the
// tape around it).
inline constexpr int MinMarkerSizePx = 20;
inline constexpr int MaxMarkerSizePx = 300;
inline constexpr int DefaultMarkerSizePx = 60;

struct LightMarker {
  MarkerCorner corner = MarkerCorner::BottomLeft;
  int sizePx = DefaultMarkerSizePx;
  bool operator==(const LightMarker&) const = default;
};

// Anything edited into the file that is no corner or size gives the default.
LightMarker StoredLightMarker();
void StoreLightMarker(const LightMarker& marker);

// "bottom left" and so on, in the interface language.
QString MarkerCornerText(MarkerCorner corner);

// What a run on COM(portIndex + 1) adds to its timing: the box's light
// sensor and the station's panel lag.
StationTiming StoredStation(int portIndex);

}  // namespace alacrity
