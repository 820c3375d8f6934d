// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up steps that need no application object, so they can be tested on
// their own.

#include "application/programpaths.h"
#include "data/document_data.h"

class QWidget;

namespace alacrity {

// Loads the default configuration. A missing file gives the built-in
// configuration silently; a refused one shows the reason ("Incompatible
// data") and leaves the built-in configuration in force rather than the
// all-zero start record, which would otherwise be written back at exit.
void LoadStartConfiguration(const ProgramPaths& paths, DocumentData& data, QWidget* messageParent);

// The configuration at exit, back into the default configuration file.
// False when it could not be written; nobody is told.
bool SaveExitConfiguration(const ProgramPaths& paths, const DocumentData& data);

}  // namespace alacrity
