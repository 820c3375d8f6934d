// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the program keeps its files. The program directory holds the default
// configuration and the DATA directory of test data files; the subject
// register keeps its files in DATA beside the program directory.

#include <QString>

#include <functional>

namespace alacrity {

struct ProgramPaths {
  QString programDirectory;          // no trailing separator (except "/" itself)
  QString defaultConfigurationPath;  // <program directory>/default.alycfg
  QString dataDirectory;             // <program directory>/DATA
  QString registerRoot;              // <parent of the program directory>/DATA
  QString journalDirectory;          // <program directory>/journal: journals of running tests
};

// The paths that follow from one program directory. A program directory
// without a parent keeps the register in its own data directory.
ProgramPaths PathsInDirectory(const QString& programDirectory);

// The program directory: `homeVariable` (ALACRITY_HOME) when set; else the
// executable's directory when files can be created there, as a portable copy
// always worked; else the per-user application data directory (created). An
// installed program (the executable in the installation's bin directory) is
// never a portable copy, even for root, who could write there.
struct ProgramDirectorySources {
  QString homeVariable;
  QString executableDirectory;
  QString installedBinDirectory;
  std::function<QString()> appDataDirectory;
};
QString ChooseProgramDirectory(const ProgramDirectorySources& sources);

// The paths of the chosen program directory. In the per-user directory the
// subject register stays with the program's own files instead of a DATA
// folder shared by everything in the user's data directory.
ProgramPaths ProgramPathsFor(const ProgramDirectorySources& sources, const QString& programDirectory);

// The sources of this process: the environment, the running executable and
// QStandardPaths::AppDataLocation.
ProgramDirectorySources ProcessDirectorySources();

// True when a file can be created in `directory` (tried, not guessed from
// permission bits: ACLs, read-only mounts and root all defeat those).
bool CanCreateFilesIn(const QString& directory);

// Creates the data directory if it is missing; a failure is not an error,
// the file dialogs then just start elsewhere.
void CreateDataDirectory(const ProgramPaths& paths);

}  // namespace alacrity
