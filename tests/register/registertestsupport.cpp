// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registertestsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

#include "data/document_data.h"
#include "data/test_data_file.h"

namespace prsrg::testing {

Subject MakeSubject(const QString& name, int sex, int height, int weight, const QString& comment1) {
  Subject s;
  s.name = name;
  s.sex = sex;
  s.height = height;
  s.weight = weight;
  s.comment1 = comment1;
  return s;
}

void WriteDataFile(const QString& path, const alacrity::SubjectInfo& subject, int32_t testTime) {
  alacrity::DocumentData data;
  data.subject = subject;
  data.results.responseCount = 1;
  data.results.testTime = testTime;
  const std::vector<uint8_t> bytes = alacrity::EncodeTestData(data);
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

qint64 CreateOk(SubjectRegister& reg, const Subject& subject) {
  Result<qint64> id = reg.Create(subject);
  EXPECT_TRUE(id.Ok()) << id.message.toStdString();
  return id.value.value_or(0);
}

}  // namespace prsrg::testing
