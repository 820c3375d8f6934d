// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "subjectdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "operatormessage.h"
#include "subjecteditdialog.h"

namespace prsrg {

namespace {

enum Column { NameColumn, SexColumn, HeightColumn, WeightColumn, CreatedColumn, ColumnCount };

QTreeWidgetItem* ItemFor(const Subject& s) {
  auto* item = new QTreeWidgetItem;
  item->setText(NameColumn, s.name);
  item->setText(SexColumn, s.sex == 1 ? QObject::tr("male") : QObject::tr("female"));
  item->setText(HeightColumn, QString::number(s.height));
  item->setText(WeightColumn, QString::number(s.weight));
  item->setText(CreatedColumn, s.createdAt.toLocalTime().date().toString(Qt::ISODate));
  item->setTextAlignment(HeightColumn, Qt::AlignRight | Qt::AlignVCenter);
  item->setTextAlignment(WeightColumn, Qt::AlignRight | Qt::AlignVCenter);
  item->setData(NameColumn, Qt::UserRole, s.id);
  return item;
}

}  // namespace

SubjectDialog::SubjectDialog(SubjectRegister& subjects, QWidget* parent)
    : QDialog(parent), m_subjects(subjects) {
  setObjectName(QStringLiteral("subjectDialog"));
  setWindowTitle(tr("Subjects"));

  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("searchEdit"));
  m_search->setPlaceholderText(tr("Search by name"));
  m_search->setClearButtonEnabled(true);

  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("subjectList"));
  m_list->setColumnCount(ColumnCount);
  m_list->setHeaderLabels({tr("Name"), tr("Sex"), tr("Height"), tr("Weight"), tr("Created")});
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setAllColumnsShowFocus(true);
  m_list->header()->setStretchLastSection(false);
  m_list->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
  for (int column = SexColumn; column < ColumnCount; ++column) {
    m_list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  m_list->setMinimumSize(fontMetrics().averageCharWidth() * 84, fontMetrics().height() * 16);

  m_new = new QPushButton(tr("&New..."), this);
  m_new->setObjectName(QStringLiteral("newButton"));
  m_edit = new QPushButton(tr("&Edit..."), this);
  m_edit->setObjectName(QStringLiteral("editButton"));

  auto* buttons = new QDialogButtonBox(this);
  m_choose = buttons->addButton(tr("&Choose"), QDialogButtonBox::AcceptRole);
  m_choose->setObjectName(QStringLiteral("chooseButton"));
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("cancelButton"));

  auto* editRow = new QHBoxLayout;
  editRow->addWidget(m_new);
  editRow->addWidget(m_edit);
  editRow->addStretch();
  editRow->addWidget(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_search);
  layout->addWidget(m_list);
  layout->addLayout(editRow);

  connect(m_search, &QLineEdit::textChanged, this, [this] { Refresh(SelectedId()); });
  connect(m_list, &QTreeWidget::itemSelectionChanged, this, &SubjectDialog::UpdateButtons);
  connect(m_list, &QTreeWidget::itemActivated, this, [this] { accept(); });
  connect(m_new, &QPushButton::clicked, this, &SubjectDialog::NewSubject);
  connect(m_edit, &QPushButton::clicked, this, &SubjectDialog::EditSubject);
  connect(buttons, &QDialogButtonBox::accepted, this, &SubjectDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  std::optional<qint64> current;
  if (Result<std::optional<Subject>> now = m_subjects.Current(); now.Ok() && *now.value) {
    current = (*now.value)->id;
  }
  Refresh(current);
  m_search->setFocus();
}

std::optional<qint64> SubjectDialog::SelectedId() const {
  const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.first()->data(NameColumn, Qt::UserRole).toLongLong();
}

void SubjectDialog::Refresh(std::optional<qint64> select) {
  Result<QList<Subject>> found = m_subjects.Search(m_search->text());
  m_list->clear();
  if (!found.Ok()) {
    ShowMessage(found.message);
    UpdateButtons();
    return;
  }
  QList<QTreeWidgetItem*> items;
  for (const Subject& s : *found.value) items.append(ItemFor(s));
  m_list->addTopLevelItems(items);
  for (QTreeWidgetItem* item : items) {
    if (select && item->data(NameColumn, Qt::UserRole).toLongLong() == *select) {
      m_list->setCurrentItem(item);
      m_list->scrollToItem(item);
      break;
    }
  }
  // While searching, the first match is the one the operator is after.
  if (m_list->selectedItems().isEmpty() && !items.isEmpty() && !m_search->text().isEmpty()) {
    m_list->setCurrentItem(items.first());
  }
  UpdateButtons();
}

void SubjectDialog::UpdateButtons() {
  const bool selected = SelectedId().has_value();
  m_edit->setEnabled(selected);
  m_choose->setEnabled(selected);
}

void SubjectDialog::NewSubject() {
  Subject fresh;
  fresh.name = m_search->text().trimmed();
  SubjectEditDialog editor(fresh, this);
  if (RunModal(editor) != QDialog::Accepted) return;
  Result<qint64> created = m_subjects.Create(editor.Edited());
  if (!created.Ok()) {
    ShowMessage(created.message);
    return;
  }
  // The new subject may not match the search that was typed: show it anyway.
  m_search->blockSignals(true);
  m_search->clear();
  m_search->blockSignals(false);
  Refresh(*created.value);
}

void SubjectDialog::EditSubject() {
  const std::optional<qint64> id = SelectedId();
  if (!id) return;
  Result<std::optional<Subject>> subject = m_subjects.Find(*id);
  if (!subject.Ok() || !*subject.value) {
    ShowMessage(subject.Ok() ? tr("The subject is no longer in the register.") : subject.message);
    Refresh(std::nullopt);
    return;
  }
  SubjectEditDialog editor(**subject.value, this);
  if (RunModal(editor) != QDialog::Accepted) return;
  if (Status changed = m_subjects.Update(editor.Edited()); !changed.ok) {
    ShowMessage(changed.message);
  }
  Refresh(*id);
}

void SubjectDialog::accept() {
  const std::optional<qint64> id = SelectedId();
  if (!id) return;
  if (Status chosen = m_subjects.Choose(*id); !chosen.ok) {
    ShowMessage(chosen.message);
    Refresh(std::nullopt);
    return;
  }
  m_chosen = id;
  QDialog::accept();
}

}  // namespace prsrg
