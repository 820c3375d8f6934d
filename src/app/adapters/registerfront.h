// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The subject register as the frame calls it. When the program is built
// without the register, these stand for "no register": the program's own
// subject dialog edits the record and files start in the data directory.

#include <QString>

#include "data/records.h"

namespace alacrity {

bool UsesSubjectRegister();

// Opens the register under `root` for this application, once at start.
void RegisterInit(const QString& root);
// True when the program has a register and it could be opened; the frame
// then works with it, otherwise as a program without one.
bool RegisterIsOpen();
// True when the register has a valid current subject.
bool RegisterHasSubject();
// The register's subject dialog; true when a subject was confirmed.
bool RegisterChooseSubject();
// Overwrites `subject` with the current subject's record.
void RegisterFillSubject(SubjectInfo& subject);
// Makes the record read from a data file a subject of the register.
void RegisterAdoptSubject(SubjectInfo& subject);

// The register's load dialog.
enum class LoadPlace { Cancelled, SubjectDirectory, DataDirectory };
LoadPlace RegisterAskLoadPlace();

QString RegisterSubjectDirectory();
QString RegisterDataDirectoryFor(int32_t testTime);
// Makes the subject to whom the data file belongs current.
void RegisterFollowDataFile(const QString& path);

// Whether `path` lies inside `directory`, compared without regard to case as
// the register's directories always were, but a whole path component at a
// time: "/data/Doe1" does not hold "/data/Doe10/test.aly".
bool PathIsInside(const QString& path, const QString& directory);

}  // namespace alacrity
