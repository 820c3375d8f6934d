// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file dialogs of the test data commands, with a hook so tests can choose
// a file without a dialog.

#include <QString>

#include <functional>

class QWidget;

namespace alacrity {

// The save dialog: starts at `initial` (a file path or a directory), adds
// ".aly" to a name without suffix and asks before overwriting. Empty when
// cancelled.
QString ChooseDataFileToSave(QWidget* parent, const QString& initial);
// The open dialog: starts in `directory`, accepts only an existing file.
// Empty when cancelled.
QString ChooseDataFileToOpen(QWidget* parent, const QString& directory);

enum class FileDialogKind { Save, Open };
// Replaces the dialogs while set: gets the kind and the starting place and
// returns the chosen path (empty for Cancel).
using FileDialogHook = std::function<QString(FileDialogKind kind, const QString& start)>;
void SetFileDialogHook(FileDialogHook hook);

inline constexpr const char* DataFileFilter = "Alacrity Files (*.aly)";
inline constexpr const char* DataFileSuffix = "aly";

}  // namespace alacrity
