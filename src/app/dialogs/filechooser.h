// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The open and save dialogs of the configuration and protocol files: one
// file type, a default suffix, starting in the program directory with no
// file name. Open accepts a name that does not exist (the file operation
// then says what happened). The suffix rule and the overwrite question live
// here rather than in the platform dialog so that they hold, and can be
// tested, whichever dialog picks the name.

#include <QString>

#include <functional>

class QWidget;

namespace alacrity {

struct SetupFileRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  QString directory;      // where the dialog starts
  QString filter;         // e.g. "Alacrity CFG Files (*.alycfg)"
  QString defaultSuffix;  // without the dot
};

// The full path of the chosen file, the default suffix added to a name that
// has none; empty when cancelled. A save over an existing file asks first,
// and No goes back to the dialog.
QString ChooseSetupFile(QWidget* parent, const SetupFileRequest& request);

// A name without any dot gets "." + suffix.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

// Replaces the platform dialog while set: gets the request and returns the
// path as typed or picked (empty for Cancel). Pass an empty function to
// restore the dialog.
using SetupFileDialogHook = std::function<QString(const SetupFileRequest& request)>;
void SetSetupFileDialogHook(SetupFileDialogHook hook);

}  // namespace alacrity
