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
};

// The paths that follow from one program directory. A program directory
// without a parent keeps the register in its own data directory.
ProgramPaths PathsInDirectory(const QString& programDirectory);

// The program directory: `homeVariable` (ALACRITY_HOME) when set; else the
// executable's directory when files can be created there, as a portable copy
// always worked; else the per-user application data directory (created).
struct ProgramDirectorySources {
  QString homeVariable;
  QString executableDirectory;
  std::function<QString()> appDataDirectory;
};
QString ChooseProgramDirectory(const ProgramDirectorySources& sources);

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
