// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Subject dialog": the subject record, used when the subject register is
// not. Values are copied in when the dialog opens and stored only by OK.

#include <QDialog>

#include "data/records.h"
#include "dialogs/dataexchange.h"

class QButtonGroup;
class QLineEdit;

namespace alacrity {

struct DocumentData;

class CSubjectDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSubjectDlg(DocumentData& document, QWidget* parent = nullptr);

  void accept() override;

 private:
  // Texts empty, numbers 0 and no sex checked until the dialog opens.
  static SubjectInfo UnsetSubject();
  void BuildControls();
  bool Exchange(DataExchange::Direction direction);

  DocumentData& m_data;
  SubjectInfo m_subject = UnsetSubject();

  QLineEdit* m_name = nullptr;      // 1047
  QButtonGroup* m_sex = nullptr;    // 1045, 1048
  QLineEdit* m_height = nullptr;    // 1050
  QLineEdit* m_weight = nullptr;    // 1049
  QLineEdit* m_comment1 = nullptr;  // 1051
  QLineEdit* m_comment2 = nullptr;  // 1052
  QLineEdit* m_comment3 = nullptr;  // 1053
};

}  // namespace alacrity
