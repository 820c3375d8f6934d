// Lock key state where the build has no way to ask the window system.

#include "lockkeys.h"

namespace alacrity {

LockKeyState ReadLockKeys() { return {}; }

}  // namespace alacrity
