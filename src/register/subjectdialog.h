// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The register's subject dialog: search by name as you type, a list of the
// subjects found, New and Edit, and Choose, which makes the selected subject
// this station's current one.

#include <QDialog>
#include <optional>

#include "subjectregister.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace prsrg {

class SubjectDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SubjectDialog(SubjectRegister& subjects, QWidget* parent = nullptr);

  // The subject confirmed with Choose (already current), if any.
  std::optional<qint64> Chosen() const { return m_chosen; }

  // Chooses the selected subject; stays open, with a message, when the
  // register refuses.
  void accept() override;

 private:
  void Refresh(std::optional<qint64> select);
  void NewSubject();
  void EditSubject();
  void UpdateButtons();
  std::optional<qint64> SelectedId() const;

  SubjectRegister& m_subjects;
  std::optional<qint64> m_chosen;
  QLineEdit* m_search = nullptr;
  QTreeWidget* m_list = nullptr;
  QPushButton* m_new = nullptr;
  QPushButton* m_edit = nullptr;
  QPushButton* m_choose = nullptr;
};

}  // namespace prsrg
