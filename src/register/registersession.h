// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The register as the program uses it: one open register, this station's
// current subject, and the directories the program saves in and opens
// from. The library's operations are thin wrappers around this class.

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "outcome.h"
#include "subject.h"
#include "subjectregister.h"

namespace prsrg {

// ALACRITY_STATION, else the host name: the current subject is kept per
// station, so that programs on different machines sharing one register each
// have their own.
QString StationFromEnvironment();
// ALACRITY_REGISTER_DB: a PostgreSQL connection; empty for SQLite.
QString ConnectionFromEnvironment();

class RegisterSession {
 public:
  // Makes the root when missing and opens the register in it, or on the
  // server that `connection` names. When this fails, a register opened
  // before stays open.
  Status Open(const QString& root, const QString& connection, const QString& station);
  void Close();
  bool IsOpen() const { return m_register && m_register->IsOpen(); }
  SubjectRegister* Register() { return IsOpen() ? m_register.get() : nullptr; }

  Result<std::optional<Subject>> Current();
  // Empty when there is no current subject.
  Result<QString> SubjectDirectory();
  // The subject's directory with a folder for the test's year; the subject's
  // directory itself for a test time of 0.
  Result<QString> DataDirectory(int32_t testTime);

  // Makes current the subject whose directory holds the file, else the
  // subject recorded for it, else the subject with the record the file
  // carries. With none of these there is no current subject afterwards,
  // and the next Adopt records the file for the subject it finds or makes.
  // When the register cannot tell, there is no current subject either.
  Status FollowDataFile(const QString& path);
  Status Adopt(const Subject& record);

  // Anything but FollowDataFile and a look at the current subject forgets
  // the file that FollowDataFile could not place.
  void ForgetUnplacedFile() { m_unplacedFile.clear(); }

 private:
  Status RequireOpen() const;
  Result<std::optional<qint64>> SubjectByHeader(const QString& path);
  Status FollowIn(const QString& file);  // canonical

  std::unique_ptr<SubjectRegister> m_register;
  QString m_unplacedFile;  // canonical
};

}  // namespace prsrg
