// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A subject as the register keeps it: the record the program exchanges
// (SubjectInfo) plus the register's own id, creation time and directory.

#include <QDateTime>
#include <QString>
#include <cstdint>

#include "data/records.h"

namespace prsrg {

struct Subject {
  qint64 id = 0;  // 0: not in the register yet
  QString name;
  int sex = 0;  // 0 female, 1 male
  int height = 0;
  int weight = 0;
  QString comment1;
  QString comment2;
  QString comment3;
  QDateTime createdAt;  // UTC
  QString directory;    // below the register root; empty until first needed
};

// Texts of older data files may be 8-bit code page bytes; the register keeps
// them as the text the operator sees.
Subject FromSubjectInfo(const alacrity::SubjectInfo& info);
alacrity::SubjectInfo ToSubjectInfo(const Subject& subject);

// The fields a data file carries: two subjects with equal records are taken
// to be one person.
bool SameRecord(const Subject& a, const Subject& b);

}  // namespace prsrg
