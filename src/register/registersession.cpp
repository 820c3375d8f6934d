// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registersession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <span>

#include "data/test_data_file.h"
#include "registerpaths.h"
#include "serversettings.h"

namespace prsrg {

namespace {

// Far more than any data file holds: 1200 entries of 16 bytes and a few texts.
constexpr qint64 MaxDataFileBytes = 16 * 1024 * 1024;

}  // namespace

QString StationFromEnvironment() {
  QString station = qEnvironmentVariable("ALACRITY_STATION").trimmed();
  if (station.isEmpty()) station = QSysInfo::machineHostName();
  if (station.isEmpty()) station = QStringLiteral("local");
  return station;
}

QString ConnectionFromEnvironment() {
  return qEnvironmentVariable("ALACRITY_REGISTER_DB").trimmed();
}

Status RegisterSession::Open(const QString& root, const QString& connection,
                             const QString& station) {
  if (root.isEmpty())
    return Status::Failure(
        QCoreApplication::translate("Register", "No subject register directory was given."));
  RegisterLocation location{root, std::nullopt, station};
  if (!connection.isEmpty()) {
    Result<ServerSettings> settings = ParseServerSettings(connection);
    if (!settings.Ok()) return settings.ToStatus();
    location.server = *settings.value;
  }
  if (!QDir().mkpath(root)) {
    return Status::Failure(
        QCoreApplication::translate("Register",
                                    "The subject register's directory %1 could not be created.")
            .arg(root));
  }
  auto opened = std::make_unique<SubjectRegister>();
  if (Status status = opened->Open(location); !status.ok) return status;
  m_register = std::move(opened);
  m_unplacedFile.clear();
  return Status::Success();
}

void RegisterSession::Close() {
  m_register.reset();
  m_unplacedFile.clear();
}

Status RegisterSession::RequireOpen() const {
  return IsOpen() ? Status::Success()
                  : Status::Failure(QCoreApplication::translate(
                        "Register", "The subject register is not open."));
}

Result<std::optional<Subject>> RegisterSession::Current() {
  if (Status open = RequireOpen(); !open.ok) return Result<std::optional<Subject>>::Failure(open);
  return m_register->Current();
}

Result<QString> RegisterSession::SubjectDirectory() {
  Result<std::optional<Subject>> current = Current();
  if (!current.Ok()) return Result<QString>::Failure(current.message);
  if (!*current.value) return Result<QString>::Of(QString());
  return m_register->Directory((*current.value)->id);
}

Result<QString> RegisterSession::DataDirectory(int32_t testTime) {
  Result<QString> subjectDirectory = SubjectDirectory();
  if (!subjectDirectory.Ok() || subjectDirectory.value->isEmpty()) return subjectDirectory;
  const int year = TestYear(testTime);
  if (year == 0) return subjectDirectory;
  const QString path = QDir(*subjectDirectory.value).filePath(QString::number(year));
  if (!QDir().mkpath(path)) {
    return Result<QString>::Failure(
        QCoreApplication::translate("Register", "The directory %1 could not be created.")
            .arg(path));
  }
  return Result<QString>::Of(path);
}

Result<std::optional<qint64>> RegisterSession::SubjectByHeader(const QString& path) {
  QFile file(path);
  // A file that cannot be read or is no data file has no record to match.
  if (!file.open(QIODevice::ReadOnly) || file.size() > MaxDataFileBytes) {
    return Result<std::optional<qint64>>::Of(std::nullopt);
  }
  const QByteArray bytes = file.readAll();
  const auto image = alacrity::ParseTestData(std::span<const uint8_t>(
      reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
  if (!image.image) return Result<std::optional<qint64>>::Of(std::nullopt);
  return m_register->Matching(FromSubjectInfo(image.image->subject));
}

Status RegisterSession::FollowDataFile(const QString& path) {
  if (Status open = RequireOpen(); !open.ok) return open;
  m_unplacedFile.clear();
  const Status followed = FollowIn(CanonicalPath(path));
  if (!followed.ok) {
    // The file's owner is unknown, so the subject current before must not
    // stay: the program would show the file under that subject's name and
    // save it so. Without a current subject the file keeps its own record.
    (void)m_register->Choose(std::nullopt);
  }
  return followed;
}

Status RegisterSession::FollowIn(const QString& file) {
  std::optional<qint64> owner;
  QString record;  // the path to record for the owner, when found by the file's record

  const QString below = FirstComponentBelow(m_register->Root(), file);
  if (!below.isEmpty()) {
    Result<std::optional<qint64>> byDirectory = m_register->SubjectOfDirectory(below);
    if (!byDirectory.Ok()) return byDirectory.ToStatus();
    owner = *byDirectory.value;
  }
  if (!owner) {
    Result<std::optional<qint64>> recorded = m_register->SubjectOfDataFile(file);
    if (!recorded.Ok()) return recorded.ToStatus();
    owner = *recorded.value;
  }
  if (!owner) {
    Result<std::optional<qint64>> matching = SubjectByHeader(file);
    if (!matching.Ok()) return matching.ToStatus();
    owner = *matching.value;
    record = file;
  }
  if (Status chosen = m_register->Choose(owner, record); !chosen.ok) return chosen;
  if (!owner) m_unplacedFile = file;
  return Status::Success();
}

Status RegisterSession::Adopt(const Subject& record) {
  if (Status open = RequireOpen(); !open.ok) return open;
  const QString file = m_unplacedFile;
  m_unplacedFile.clear();
  return m_register->Adopt(record, file).ToStatus();
}

}  // namespace prsrg
