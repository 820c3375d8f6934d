// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the register's data-layer tests build and look up again and again: a
// subject, a test data file carrying a subject record, a subject created or
// the current one read where failing to is the test's failure.

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <optional>

#include "data/records.h"
#include "register/subject.h"
#include "register/subjectregister.h"

namespace prsrg::testing {

Subject MakeSubject(const QString& name, int sex = 0, int height = 170, int weight = 70,
                    const QString& comment1 = {});

// A test data file as the program saves it (one answered stimulus) with this
// subject record, its folders made.
void WriteDataFile(const QString& path, const alacrity::SubjectInfo& subject, int32_t testTime);
inline void WriteDataFile(const QString& path, const Subject& subject, int32_t testTime) {
  WriteDataFile(path, ToSubjectInfo(subject), testTime);
}

// The new subject's id; 0 (and a failed expectation) when it was refused.
qint64 CreateOk(SubjectRegister& reg, const Subject& subject);

// The current subject's id of a SubjectRegister or RegisterSession; none
// (and a failed expectation) when it could not be read.
template <typename Register>
std::optional<qint64> CurrentId(Register& reg) {
  Result<std::optional<Subject>> current = reg.Current();
  EXPECT_TRUE(current.Ok()) << current.message.toStdString();
  if (!current.Ok() || !*current.value) return std::nullopt;
  return (*current.value)->id;
}

// A lookup that worked, as its value reads: the id found, or none found.
inline std::optional<std::optional<qint64>> Found(std::optional<qint64> id) { return id; }

}  // namespace prsrg::testing
