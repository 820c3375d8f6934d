// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which monitor shows the tests and device checks in full screen. The choice
// belongs to the station, not to a test set-up, so it lives in the program's
// settings rather than in a configuration file: a configuration carried to
// another station must not name a monitor that station lacks.

#include <QString>

#include <optional>

class QScreen;

namespace alacrity {

// The stored choice: a screen's name as QScreen reports it (the connector,
// "HDMI-1"), or empty for the main window's screen.
QString StoredStimulusScreen();
void StoreStimulusScreen(const QString& name);

// The panel's own lag in milliseconds, from the moment the display presents
// a frame to light on the panel, as a light sensor measured it on this
// station; none until someone has. No software sees it: the display's
// presented times stop where it begins.
inline constexpr double MaxPanelLagMs = 500.0;
std::optional<double> StoredPanelLagMs();
// None removes it: not measured.
void StorePanelLagMs(std::optional<double> lagMs);

// "HDMI-1 - 1920 x 1080, 60 Hz", with the scaling when it is not 1.
QString DescribeScreen(const QScreen& screen);

// The connected screen of that name; null when none is.
QScreen* FindScreen(const QString& name);

struct StimulusScreenChoice {
  QScreen* screen = nullptr;  // where the run is shown
  bool missing = false;       // a screen was chosen but is not connected
};

// The chosen screen when it is connected, else the main window's.
StimulusScreenChoice ChooseStimulusScreen(const QString& storedName, QScreen* mainWindowScreen);

}  // namespace alacrity
