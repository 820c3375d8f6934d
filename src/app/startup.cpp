#include "startup.h"

#include <QFile>
#include <QString>

#include <filesystem>

#include "data/configuration_file.h"
#include "messagebox.h"

namespace alacrity {
namespace {

std::filesystem::path FileSystemPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

void LoadStartConfiguration(const ProgramPaths& paths, DocumentData& data, QWidget* messageParent) {
  const ConfigurationLoad load = LoadConfiguration(FileSystemPath(paths.defaultConfigurationPath), data);
  if (load.kind != ConfigurationLoad::Kind::Refused) return;
  ShowMessageBox(messageParent, QString::fromStdString(load.message));
  ApplyDefaultConfiguration(data);
}

bool SaveExitConfiguration(const ProgramPaths& paths, const DocumentData& data) {
  return SaveConfiguration(FileSystemPath(paths.defaultConfigurationPath), data);
}

}  // namespace alacrity
