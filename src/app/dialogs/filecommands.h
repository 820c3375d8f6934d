// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Setup menu's file commands: Open/Save Configuration and Open/Save
// protocol. Each asks for a file (one file type, its default suffix, starting
// in the program directory with no file name) and hands the path to the
// core's file operation; the operation's message, if any, is shown. Cancel
// changes nothing. The commands set no flag of their own and redraw nothing.

#include <QString>

class QWidget;

namespace alacrity {

struct DocumentData;

inline constexpr const char* ConfigurationFileFilter =
    QT_TRANSLATE_NOOP("Dialog", "Alacrity CFG Files (*.alycfg)");
inline constexpr const char* ConfigurationFileSuffix = "alycfg";
inline constexpr const char* ProtocolFileFilter =
    QT_TRANSLATE_NOOP("Dialog", "Alacrity Protocol Files (*.alyprt)");
// The protocol dialog's Save and the Perform dialog's Load protocol have
// always named the type this way.
inline constexpr const char* ProtocolDialogFileFilter =
    QT_TRANSLATE_NOOP("Dialog", "ALACRITY protocol Files (*.alyprt)");
inline constexpr const char* ProtocolFileSuffix = "alyprt";

// Command 32781. A name that does not exist gives the built-in defaults
// without a message; a file with another header shows "Incompatible data".
void OpenConfigurationCommand(QWidget* parent, const QString& programDir, DocumentData& data);
// Command 32782. A file that cannot be written shows "File Save Error", and
// below it the file and why: the operator asked for this file and must know
// it was not written.
void SaveConfigurationCommand(QWidget* parent, const QString& programDir, const DocumentData& data);
// Command 32783: protocol, customVoice and protocolLoaded, or the load's
// message ("Error opening file", "Incompatible protocol", ...).
void OpenProtocolCommand(QWidget* parent, const QString& programDir, DocumentData& data);
// Command 32784: writes protocol and customVoice; sets no flag.
void SaveProtocolCommand(QWidget* parent, const QString& programDir, const DocumentData& data);

// The file steps the protocol and Perform dialogs share with the commands:
// load or save at the path and show what the core reports. True on success.
bool LoadProtocolFile(QWidget* parent, const QString& path, DocumentData& data);
bool SaveProtocolFile(QWidget* parent, const QString& path, const DocumentData& data);

}  // namespace alacrity
