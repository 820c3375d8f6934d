// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filecommands.h"

#include <filesystem>
#include <string>

#include "app/messagebox.h"
#include "data/configuration_file.h"
#include "data/file_io.h"
#include "data/protocol_file.h"
#include "filechooser.h"

namespace alacrity {

namespace {

std::filesystem::path ToPath(const QString& path) { return std::filesystem::path(path.toStdString()); }

QString Choose(QWidget* parent, SetupFileRequest::Kind kind, const QString& programDir,
               const char* filter, const char* suffix) {
  return ChooseSetupFile(parent, {kind, programDir, QString::fromLatin1(filter),
                                  QString::fromLatin1(suffix)});
}

void ShowIfAny(QWidget* parent, const std::string& message) {
  if (!message.empty()) ShowMessageBox(parent, QString::fromStdString(message));
}

}  // namespace

bool LoadProtocolFile(QWidget* parent, const QString& path, DocumentData& data) {
  const FileOutcome outcome = LoadProtocol(ToPath(path), data);
  ShowIfAny(parent, outcome.message);
  return outcome.ok;
}

bool SaveProtocolFile(QWidget* parent, const QString& path, const DocumentData& data) {
  const FileOutcome outcome = SaveProtocol(ToPath(path), data);
  ShowIfAny(parent, outcome.message);
  return outcome.ok;
}

void OpenConfigurationCommand(QWidget* parent, const QString& programDir, DocumentData& data) {
  const QString path = Choose(parent, SetupFileRequest::Kind::Open, programDir,
                              ConfigurationFileFilter, ConfigurationFileSuffix);
  if (path.isEmpty()) return;
  const ConfigurationLoad load = LoadConfiguration(ToPath(path), data);
  if (load.kind == ConfigurationLoad::Kind::Refused) ShowIfAny(parent, load.message);
}

void SaveConfigurationCommand(QWidget* parent, const QString& programDir, const DocumentData& data) {
  const QString path = Choose(parent, SetupFileRequest::Kind::Save, programDir,
                              ConfigurationFileFilter, ConfigurationFileSuffix);
  if (path.isEmpty()) return;
  if (const WriteResult written = SaveConfiguration(ToPath(path), data); !written) {
    ShowIfAny(parent, WithFailure(MessageFileSaveError, written.failure));
  }
}

void OpenProtocolCommand(QWidget* parent, const QString& programDir, DocumentData& data) {
  const QString path = Choose(parent, SetupFileRequest::Kind::Open, programDir, ProtocolFileFilter,
                              ProtocolFileSuffix);
  if (!path.isEmpty()) LoadProtocolFile(parent, path, data);
}

void SaveProtocolCommand(QWidget* parent, const QString& programDir, const DocumentData& data) {
  const QString path = Choose(parent, SetupFileRequest::Kind::Save, programDir, ProtocolFileFilter,
                              ProtocolFileSuffix);
  if (!path.isEmpty()) SaveProtocolFile(parent, path, data);
}

}  // namespace alacrity
