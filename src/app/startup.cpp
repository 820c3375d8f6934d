// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <QString>

#include "data/configuration_file.h"
#include "localpath.h"
#include "messagebox.h"

namespace alacrity {

void LoadStartConfiguration(const ProgramPaths& paths, DocumentData& data, QWidget* messageParent) {
  const ConfigurationLoad load = LoadConfiguration(LocalPath(paths.defaultConfigurationPath), data);
  if (load.kind != ConfigurationLoad::Kind::Refused) return;
  ShowMessageBox(messageParent, QString::fromStdString(load.message));
  ApplyDefaultConfiguration(data);
}

bool SaveExitConfiguration(const ProgramPaths& paths, const DocumentData& data) {
  return SaveConfiguration(LocalPath(paths.defaultConfigurationPath), data).ok;
}

}  // namespace alacrity
