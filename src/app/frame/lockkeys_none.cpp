// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Lock key state where the build has no way to ask the window system.

#include "frame/lockkeys.h"

namespace alacrity {

LockKeyState ReadLockKeys() { return {}; }

}  // namespace alacrity
