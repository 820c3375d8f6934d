// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application/programpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace alacrity {
namespace {

QString Join(const QString& directory, const QString& name) {
  return directory.endsWith(QLatin1Char('/')) ? directory + name : directory + QLatin1Char('/') + name;
}

}  // namespace

ProgramPaths PathsInDirectory(const QString& programDirectory) {
  ProgramPaths paths;
  paths.programDirectory = QDir::cleanPath(QDir(programDirectory).absolutePath());
  paths.defaultConfigurationPath = Join(paths.programDirectory, QStringLiteral("default.alycfg"));
  paths.dataDirectory = Join(paths.programDirectory, QStringLiteral("DATA"));
  paths.journalDirectory = Join(paths.programDirectory, QStringLiteral("journal"));
  if (QDir(paths.programDirectory).isRoot()) {
    paths.registerRoot = paths.dataDirectory;
  } else {
    paths.registerRoot = Join(QFileInfo(paths.programDirectory).path(), QStringLiteral("DATA"));
  }
  return paths;
}

bool CanCreateFilesIn(const QString& directory) {
  if (directory.isEmpty() || !QFileInfo(directory).isDir()) return false;
  QTemporaryFile probe(Join(directory, QStringLiteral(".alacrity-probe-XXXXXX")));
  return probe.open();
}

QString ChooseProgramDirectory(const ProgramDirectorySources& sources) {
  if (!sources.homeVariable.isEmpty()) return sources.homeVariable;
  const bool installed =
      !sources.installedBinDirectory.isEmpty() &&
      QDir::cleanPath(sources.executableDirectory) == QDir::cleanPath(sources.installedBinDirectory);
  if (!installed && CanCreateFilesIn(sources.executableDirectory)) return sources.executableDirectory;
  const QString appData = sources.appDataDirectory ? sources.appDataDirectory() : QString();
  if (!appData.isEmpty()) QDir().mkpath(appData);
  return appData;
}

ProgramPaths ProgramPathsFor(const ProgramDirectorySources& sources, const QString& programDirectory) {
  ProgramPaths paths = PathsInDirectory(programDirectory);
  const QString appData = sources.appDataDirectory ? sources.appDataDirectory() : QString();
  if (sources.homeVariable.isEmpty() && !appData.isEmpty() &&
      QDir::cleanPath(appData) == paths.programDirectory) {
    paths.registerRoot = paths.dataDirectory;
  }
  return paths;
}

ProgramDirectorySources ProcessDirectorySources() {
  ProgramDirectorySources sources;
  sources.homeVariable = qEnvironmentVariable("ALACRITY_HOME");
  sources.executableDirectory = QCoreApplication::applicationDirPath();
  sources.installedBinDirectory = QStringLiteral(ALACRITY_INSTALL_BINDIR);
  sources.appDataDirectory = [] {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  };
  return sources;
}

void CreateDataDirectory(const ProgramPaths& paths) {
  if (!QFileInfo(paths.dataDirectory).isDir()) QDir().mkdir(paths.dataDirectory);
}

}  // namespace alacrity
