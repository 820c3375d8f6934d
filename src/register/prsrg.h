// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The subject register: the subjects tested, the current subject of this
// station, and a directory for each subject's data files. The program calls
// these operations and nothing else of the library.
//
// Call PrsrgInicA once at start, before any other operation; until it has
// opened the register the others do nothing (false, 0 or an empty string)
// after telling the operator. Failures are shown to the operator in a
// message box; no operation throws.

#include <cstdint>
#include <string>

#include "data/records.h"

#define PRSRG_API [[gnu::visibility("default")]]

// Answers of PLoadDialog.
inline constexpr int PrsrgLoadCancelled = 0;
inline constexpr int PrsrgLoadFromDataDirectory = 1;
inline constexpr int PrsrgLoadFromSubjectDirectory = 11;

// Opens the register in `root` (made when missing): the SQLite database
// root/register.sqlite, or the PostgreSQL server named by the environment
// variable ALACRITY_REGISTER_DB. `applicationName` names the caller in
// messages written to standard error by a process without windows. True
// when the register is open; a later call opens another root (the open
// register is kept when that fails).
PRSRG_API bool PrsrgInicA(std::string root, std::string applicationName);

// True when the register is open. When it is not (PrsrgInicA failed), the
// program saves and opens files without it; the subject operations try the
// root given to PrsrgInicA again, and from then on it is open.
PRSRG_API bool PrsrgIsOpen();

// True when this station has a current subject.
PRSRG_API bool PrsrgPlatny();

// The subject dialog: search, create, edit, choose. True when the operator
// chose a subject, which is then the current subject.
PRSRG_API bool PSubjectDialog();

// Overwrites *subject with the current subject's record; leaves it as it is
// when there is none.
PRSRG_API void PrsrgNaplnSDA(alacrity::SubjectInfo* subject);

// Makes the record read from a data file a subject of the register (the
// first with the same record, else a new one) and the current subject.
// *subject is not changed.
PRSRG_API void PrsrgKonvertSDA(alacrity::SubjectInfo* subject);

// Where to look for a data file to open: PrsrgLoadFromSubjectDirectory,
// PrsrgLoadFromDataDirectory or PrsrgLoadCancelled.
PRSRG_API int PLoadDialog();

// The current subject's directory, made when missing; empty without a
// current subject.
PRSRG_API void PrsrgDirA(std::string* directory);

// The directory for the data of a test of the current subject made at
// `testTime`: the subject's directory with a folder for the year (local
// time), made when missing; the subject's directory itself for a time of 0.
PRSRG_API void PrsrgDataNameA(int32_t testTime, std::string* directory);

// Makes current the subject the data file at `path` belongs to: the one
// whose directory holds it, else the one it was recorded for, else the one
// with the record it carries. When none is found there is no current
// subject, and the next PrsrgKonvertSDA records the file for its subject.
PRSRG_API void PrsrgPodlaDatA(std::string path);
