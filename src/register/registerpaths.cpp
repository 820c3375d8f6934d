// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registerpaths.h"

#include <QDateTime>
#include <filesystem>
#include <system_error>
#include <vector>

namespace prsrg {

namespace {

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

std::filesystem::path Canonical(const QString& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(ToPath(path), error);
  if (error) return {};
  std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
  if (error) return absolute.lexically_normal();
  return canonical;
}

// The names of a path; the empty name a trailing separator leaves is none.
std::vector<std::filesystem::path> Components(const std::filesystem::path& path) {
  std::vector<std::filesystem::path> names;
  for (const std::filesystem::path& name : path) {
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

}  // namespace

QString CanonicalPath(const QString& path) {
  if (path.isEmpty()) return {};
  return QString::fromStdU16String(Canonical(path).u16string());
}

QString FirstComponentBelow(const QString& root, const QString& file) {
  if (root.isEmpty() || file.isEmpty()) return {};
  const std::vector<std::filesystem::path> base = Components(Canonical(root));
  const std::vector<std::filesystem::path> target = Components(Canonical(file));
  if (base.empty() || target.size() <= base.size()) return {};
  for (std::size_t i = 0; i < base.size(); ++i) {
    if (base[i] != target[i]) return {};
  }
  return QString::fromStdU16String(target[base.size()].u16string());
}

int TestYear(int32_t testTime) {
  if (testTime == 0) return 0;
  // The files keep the low 32 bits: read unsigned, they last until 2106.
  const auto seconds = static_cast<qint64>(static_cast<uint32_t>(testTime));
  return QDateTime::fromSecsSinceEpoch(seconds).date().year();
}

}  // namespace prsrg
