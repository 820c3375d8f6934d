// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "subject.h"

#include "data/text_encoding.h"

namespace prsrg {

namespace {

QString FromFileText(const std::string& text) {
  return QString::fromStdString(alacrity::ToDisplayUtf8(text));
}

}  // namespace

Subject FromSubjectInfo(const alacrity::SubjectInfo& info) {
  Subject s;
  s.name = FromFileText(info.name);
  s.sex = info.sex;
  s.height = info.height;
  s.weight = info.weight;
  s.comment1 = FromFileText(info.comment1);
  s.comment2 = FromFileText(info.comment2);
  s.comment3 = FromFileText(info.comment3);
  return s;
}

alacrity::SubjectInfo ToSubjectInfo(const Subject& subject) {
  alacrity::SubjectInfo info;
  info.name = subject.name.toStdString();
  info.sex = subject.sex;
  info.height = subject.height;
  info.weight = subject.weight;
  info.comment1 = subject.comment1.toStdString();
  info.comment2 = subject.comment2.toStdString();
  info.comment3 = subject.comment3.toStdString();
  return info;
}

bool SameRecord(const Subject& a, const Subject& b) {
  return a.name == b.name && a.sex == b.sex && a.height == b.height && a.weight == b.weight &&
         a.comment1 == b.comment1 && a.comment2 == b.comment2 && a.comment3 == b.comment3;
}

}  // namespace prsrg
