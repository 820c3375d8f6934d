// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Creating or editing one subject: name, sex, height, weight and three
// comments. OK stays disabled while the name is empty.

#include <QDialog>

#include "subject.h"

class QDialogButtonBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace prsrg {

class SubjectEditDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SubjectEditDialog(const Subject& subject, QWidget* parent = nullptr);

  // The subject given, with the fields as the operator left them.
  Subject Edited() const;

 private:
  void UpdateOkButton();

  Subject m_subject;
  QLineEdit* m_name = nullptr;
  QRadioButton* m_female = nullptr;
  QRadioButton* m_male = nullptr;
  QSpinBox* m_height = nullptr;
  QSpinBox* m_weight = nullptr;
  QLineEdit* m_comment1 = nullptr;
  QLineEdit* m_comment2 = nullptr;
  QLineEdit* m_comment3 = nullptr;
  QDialogButtonBox* m_buttons = nullptr;
};

}  // namespace prsrg
