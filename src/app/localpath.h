// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Paths from Qt's dialogs handed to the core, which works on
// std::filesystem: in the file system's own encoding, so a name that is not
// valid in the locale still opens the file it names.

#include <QFile>
#include <QString>

#include <filesystem>

namespace alacrity {

inline std::filesystem::path LocalPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace alacrity
