// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which device each COM port stands for, kept per user in the program's
// settings (QSettings "alacrity", group "ports", keys "COM1".."COM5", the
// device path as the value; no key for a port left at its standard device)
// and handed to the serial link, which opens the ports.

#include <QString>

namespace alacrity {

// Reads the user's assignments and applies them to the link; at start.
void LoadPortAssignments();
// Stores the device for COM(index + 1) ("" for the standard one) and
// applies it.
void StorePortAssignment(int index, const QString& device);

}  // namespace alacrity
