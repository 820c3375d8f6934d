// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "subjecteditdialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace prsrg {

namespace {

constexpr int MaxHeight = 250;
constexpr int MaxWeight = 500;

// A record read from a data file may hold any number; widening the range
// for it keeps an untouched field from being clipped when the operator only
// edits a comment.
QSpinBox* NumberField(const QString& objectName, int value, int maximum, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(objectName);
  spin->setRange(std::min(0, value), std::max(maximum, value));
  spin->setValue(value);
  return spin;
}

QLineEdit* TextField(const QString& objectName, const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(objectName);
  return edit;
}

}  // namespace

SubjectEditDialog::SubjectEditDialog(const Subject& subject, QWidget* parent)
    : QDialog(parent), m_subject(subject) {
  setObjectName(QStringLiteral("subjectEditDialog"));
  setWindowTitle(subject.id == 0 ? tr("New subject") : tr("Edit subject"));

  m_name = TextField(QStringLiteral("nameEdit"), subject.name, this);
  m_female = new QRadioButton(tr("female"), this);
  m_female->setObjectName(QStringLiteral("femaleButton"));
  m_male = new QRadioButton(tr("male"), this);
  m_male->setObjectName(QStringLiteral("maleButton"));
  auto* sexGroup = new QButtonGroup(this);
  sexGroup->addButton(m_female, 0);
  sexGroup->addButton(m_male, 1);
  (subject.sex == 1 ? m_male : m_female)->setChecked(true);
  auto* sexRow = new QHBoxLayout;
  sexRow->addWidget(m_female);
  sexRow->addWidget(m_male);
  sexRow->addStretch();

  m_height = NumberField(QStringLiteral("heightSpin"), subject.height, MaxHeight, this);
  m_weight = NumberField(QStringLiteral("weightSpin"), subject.weight, MaxWeight, this);
  m_comment1 = TextField(QStringLiteral("comment1Edit"), subject.comment1, this);
  m_comment2 = TextField(QStringLiteral("comment2Edit"), subject.comment2, this);
  m_comment3 = TextField(QStringLiteral("comment3Edit"), subject.comment3, this);

  auto* form = new QFormLayout;
  form->addRow(tr("&Name:"), m_name);
  form->addRow(tr("Sex:"), sexRow);
  form->addRow(tr("&Height:"), m_height);
  form->addRow(tr("&Weight:"), m_weight);
  form->addRow(tr("Comment &1:"), m_comment1);
  form->addRow(tr("Comment &2:"), m_comment2);
  form->addRow(tr("Comment &3:"), m_comment3);

  m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_name, &QLineEdit::textChanged, this, &SubjectEditDialog::UpdateOkButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_buttons);
  m_name->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
  UpdateOkButton();
}

Subject SubjectEditDialog::Edited() const {
  Subject s = m_subject;
  // A name as a data file brought it stays exactly so unless it was edited,
  // or the file would no longer match its subject.
  const QString name = m_name->text();
  s.name = name == m_subject.name ? name : name.trimmed();
  s.sex = m_male->isChecked() ? 1 : 0;
  s.height = m_height->value();
  s.weight = m_weight->value();
  s.comment1 = m_comment1->text();
  s.comment2 = m_comment2->text();
  s.comment3 = m_comment3->text();
  return s;
}

void SubjectEditDialog::UpdateOkButton() {
  m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_name->text().trimmed().isEmpty());
}

}  // namespace prsrg
