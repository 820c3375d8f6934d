// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adapters/registerfront.h"

#include <QFile>

#if ALACRITY_SUBJECT_REGISTER
#include "register/prsrg.h"
#endif

namespace alacrity {
namespace {

#if ALACRITY_SUBJECT_REGISTER
QString FromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }
std::string ToLocal(const QString& text) { return QFile::encodeName(text).toStdString(); }
#endif

}  // namespace

#if ALACRITY_SUBJECT_REGISTER

bool UsesSubjectRegister() { return true; }

void RegisterInit(const QString& root) { (void)PrsrgInicA(ToLocal(root), "ALACRITY"); }
bool RegisterIsOpen() { return PrsrgIsOpen(); }
bool RegisterHasSubject() { return PrsrgPlatny(); }
bool RegisterChooseSubject() { return PSubjectDialog(); }
void RegisterFillSubject(SubjectInfo& subject) { PrsrgNaplnSDA(&subject); }
void RegisterAdoptSubject(SubjectInfo& subject) { PrsrgKonvertSDA(&subject); }

LoadPlace RegisterAskLoadPlace() {
  const int answer = PLoadDialog();
  if (answer == PrsrgLoadCancelled) return LoadPlace::Cancelled;
  return answer == PrsrgLoadFromSubjectDirectory ? LoadPlace::SubjectDirectory
                                                 : LoadPlace::DataDirectory;
}

QString RegisterSubjectDirectory() {
  std::string directory;
  PrsrgDirA(&directory);
  return FromLocal(directory);
}

QString RegisterDataDirectoryFor(int32_t testTime) {
  std::string directory;
  PrsrgDataNameA(testTime, &directory);
  return FromLocal(directory);
}

void RegisterFollowDataFile(const QString& path) { PrsrgPodlaDatA(ToLocal(path)); }

#else

bool UsesSubjectRegister() { return false; }
void RegisterInit(const QString&) {}
bool RegisterIsOpen() { return false; }
bool RegisterHasSubject() { return false; }
bool RegisterChooseSubject() { return false; }
void RegisterFillSubject(SubjectInfo&) {}
void RegisterAdoptSubject(SubjectInfo&) {}
LoadPlace RegisterAskLoadPlace() { return LoadPlace::DataDirectory; }
QString RegisterSubjectDirectory() { return {}; }
QString RegisterDataDirectoryFor(int32_t) { return {}; }
void RegisterFollowDataFile(const QString&) {}

#endif

bool PathIsInside(const QString& path, const QString& directory) {
  if (directory.isEmpty()) return true;  // no directory to leave
  QString base = directory;
  while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) base.chop(1);
  if (!path.startsWith(base, Qt::CaseInsensitive)) return false;
  return path.size() == base.size() || base.endsWith(QLatin1Char('/')) ||
         path.at(base.size()) == QLatin1Char('/');
}

}  // namespace alacrity
