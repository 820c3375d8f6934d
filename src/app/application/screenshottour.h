// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A debugging aid: walks the program through its screens and saves each one
// as a PNG, so the painting can be looked at on a machine without a person
// at a response box. Runs a real short test on the keyboard box, shows its
// result views and the print preview, runs a device check, shows the
// stimulus screen's settings and the display check's verdict, then draws
// the figure of every shape on every background.

#include <QString>

#include <cstdint>
#include <functional>

namespace alacrity {

class CMainFrame;
struct AppContext;

// `pressKeys` holds the keyboard box's buttons (a nibble); `finished` runs at
// the end. Writes DIR/NN-name.png and prints each file name.
void RunScreenshotTour(CMainFrame& frame, AppContext& context, const QString& directory,
                       const std::function<void(uint8_t)>& pressKeys,
                       const std::function<void()>& finished);

}  // namespace alacrity
