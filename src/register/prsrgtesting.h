// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Hooks for tests of the library and of programs that use it: answer the
// register's dialogs and read its messages without a person at the screen.

#include <QString>
#include <functional>

#include "prsrg.h"

class QDialog;

namespace prsrg::testing {

// While set, every dialog of the register is shown and handed to the hook
// instead of running modally: the hook fills it in and ends it with
// accept(), reject() or done(). Dialogs by object name: "subjectDialog",
// "subjectEditDialog", "loadDialog". An empty function restores exec().
PRSRG_API void SetDialogHook(std::function<void(QDialog& dialog)> hook);

// While set, the register's messages go here instead of message boxes.
PRSRG_API void SetMessageSink(std::function<void(const QString& text)> sink);

// Closes the register, as if PrsrgInicA had never been called.
PRSRG_API void CloseRegister();

}  // namespace prsrg::testing
