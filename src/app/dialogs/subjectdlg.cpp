// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/subjectdlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/document_data.h"
#include "dialogs/dialoglayout.h"

namespace alacrity {

namespace {

QLineEdit* MakeTextEdit(QWidget* owner, const char* id) {
  auto* edit = new QLineEdit(owner);
  edit->setObjectName(QString::fromLatin1(id));
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(36, u'x')));
  return edit;
}

QLineEdit* MakeMeasureEdit(QWidget* owner, const char* id) {
  QLineEdit* edit = MakeNumberEdit(owner, id, 3);
  edit->setAlignment(Qt::AlignCenter);
  MakeDigitsOnly(edit);
  return edit;
}

}  // namespace

CSubjectDlg::CSubjectDlg(DocumentData& document, QWidget* parent) : QDialog(parent), m_data(document) {
  setWindowTitle(tr("Subject dialog"));
  BuildControls();
  m_subject = m_data.subject;
  Exchange(DataExchange::Direction::ToControls);
}

SubjectInfo CSubjectDlg::UnsetSubject() {
  SubjectInfo unset;
  unset.sex = -1;
  return unset;
}

void CSubjectDlg::BuildControls() {
  m_name = MakeTextEdit(this, "1047");

  auto* female = new QRadioButton(tr("&female"), this);
  female->setObjectName(QStringLiteral("1045"));
  auto* male = new QRadioButton(tr("&male"), this);
  male->setObjectName(QStringLiteral("1048"));
  m_sex = new QButtonGroup(this);
  m_sex->addButton(female, 0);
  m_sex->addButton(male, 1);
  auto* sexRow = new QHBoxLayout;
  sexRow->addWidget(female);
  sexRow->addWidget(male);
  sexRow->addStretch();

  m_height = MakeMeasureEdit(this, "1050");
  m_weight = MakeMeasureEdit(this, "1049");
  m_comment1 = MakeTextEdit(this, "1051");
  m_comment2 = MakeTextEdit(this, "1052");
  m_comment3 = MakeTextEdit(this, "1053");

  auto* form = new QFormLayout;
  form->addRow(tr("&Name"), m_name);
  form->addRow(tr("Sex"), sexRow);
  form->addRow(tr("&Height"), m_height);
  form->addRow(tr("&Weight"), m_weight);
  form->addRow(tr("Comment &1"), m_comment1);
  form->addRow(tr("Comment &2"), m_comment2);
  form->addRow(tr("Comment &3"), m_comment3);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeOkCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CSubjectDlg::Exchange(DataExchange::Direction direction) {
  DataExchange dx(this, direction);
  dx.Text(m_comment2, m_subject.comment2);
  dx.Text(m_comment3, m_subject.comment3);
  dx.Radio(m_sex, m_subject.sex);
  dx.Int(m_height, m_subject.height, 0, 250);
  dx.Text(m_name, m_subject.name);
  dx.Int(m_weight, m_subject.weight, 0, 500);
  dx.Text(m_comment1, m_subject.comment1);
  return dx.Ok();
}

void CSubjectDlg::accept() {
  if (!Exchange(DataExchange::Direction::FromControls)) return;
  m_data.subject = m_subject;
  QDialog::accept();
}

}  // namespace alacrity
