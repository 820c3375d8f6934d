// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Messages the register shows the operator, and the hooks through which
// tests answer the register's dialogs and read its messages instead of
// clicking through them.

#include <QString>
#include <functional>

class QDialog;

namespace prsrg {

// A box with the exclamation icon and OK, captioned with the application's
// name; the message sink instead while one is set.
void ShowMessage(const QString& text);

// Names the program in messages of a process without windows.
void SetProgramName(const QString& name);

using MessageSink = std::function<void(const QString& text)>;
void SetMessageSink(MessageSink sink);

// Runs the dialog modally and returns its result. While a dialog hook is
// set, the dialog is shown and handed to the hook instead, which fills it
// in and ends it (accept(), reject() or done()); a dialog the hook leaves
// open counts as cancelled.
int RunModal(QDialog& dialog);

using DialogHook = std::function<void(QDialog& dialog)>;
void SetDialogHook(DialogHook hook);

}  // namespace prsrg
