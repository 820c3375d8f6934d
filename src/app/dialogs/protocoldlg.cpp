// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/protocoldlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "data/document_data.h"
#include "dialogs/dialoglayout.h"
#include "dialogs/filechooser.h"
#include "dialogs/filecommands.h"
#include "dialogs/messagebox.h"
#include "dialogs/protocollist.h"

namespace alacrity {

namespace {

ProtocolItem& Slot(DocumentData& data, int32_t index) {
  return data.protocol.items[static_cast<std::size_t>(index)];
}

// The look boxes' control ids, the shapes in the order their colours stand.
constexpr LookBoxIds LookIds{
    .colors = {{{ObjectKind::Cross, {"1031", "1032", "1033", "1034"}},
                {ObjectKind::Circle, {"1013", "1014", "1015", "1016"}},
                {ObjectKind::Square, {"1008", "1010", "1011", "1012"}},
                {ObjectKind::Triangle, {"1026", "1027", "1029", "1030"}}}},
    .background = {"1017", "1018", "1019", "1020"},
    .falseResponse = {"1007", "1009"},
    .voice = {"1062", "1006"},
};

QPushButton* MakeButton(QWidget* owner, const char* id, const char* text) {
  auto* button =
      new QPushButton(QCoreApplication::translate("alacrity::CProtocolDlg", text), owner);
  button->setObjectName(QString::fromLatin1(id));
  return button;
}

}  // namespace

QString ProtocolFullMessage() {
  return CProtocolDlg::tr("The protocol is full: it holds at most %1 items.").arg(MaxProtocolItems);
}

QString NoObjectChosenMessage() {
  return CProtocolDlg::tr("No object was selected! Choose the object of the item.");
}

CProtocolDlg::CProtocolDlg(DocumentData& document, const QString& programDir, QWidget* parent)
    : QDialog(parent), m_data(document), m_programDir(programDir) {
  setWindowTitle(tr("Protocol setup"));
  BuildControls();

  const Protocol& protocol = m_data.protocol;
  m_name = protocol.name;
  // A count the table cannot hold would index past it; show what fits.
  m_count = std::clamp(protocol.header.itemCount, 0, MaxProtocolItems);
  m_settings = protocol.header;
  m_voice = m_data.customVoice;
  for (int32_t row = 0; row < m_count; ++row) {
    m_list->AppendRow();
    m_list->ShowItem(row, Slot(m_data, row));
  }
  Exchange(DataExchange::Direction::ToControls);
}

void CProtocolDlg::BuildControls() {
  m_list = new CProtocolItemList(this);
  m_list->setObjectName(QStringLiteral("1035"));

  // Right of the list: the protocol's name and the item being edited.
  m_nameEdit = new QLineEdit(this);
  m_nameEdit->setObjectName(QStringLiteral("1025"));
  m_generationEdit = MakeNumberEdit(this, "1028", 5);
  auto* itemForm = new QFormLayout;
  itemForm->addRow(tr("&Protocol name:"), m_nameEdit);
  itemForm->addRow(tr("&Generation time (ms):"), m_generationEdit);

  const RadioBox object = MakeRadioBox(this, tr("Ob&ject"),
                                       {{"1021", QT_TRANSLATE_NOOP("Dialog", "Circle")},
                                        {"1022", QT_TRANSLATE_NOOP("Dialog", "Cross")},
                                        {"1023", QT_TRANSLATE_NOOP("Dialog", "Square")},
                                        {"1024", QT_TRANSLATE_NOOP("Dialog", "Triangle")}});
  m_objectGroup = object.group;

  auto* itemButtons = new QHBoxLayout;
  QPushButton* add = MakeButton(this, "1036", QT_TR_NOOP("&Add"));
  QPushButton* insert = MakeButton(this, "1037", QT_TR_NOOP("&Insert"));
  QPushButton* change = MakeButton(this, "1038", QT_TR_NOOP("C&hange"));
  QPushButton* remove = MakeButton(this, "1039", QT_TR_NOOP("&Delete"));
  for (QPushButton* button : {add, insert, change, remove}) itemButtons->addWidget(button);
  connect(add, &QPushButton::clicked, this, &CProtocolDlg::OnAdd);
  connect(insert, &QPushButton::clicked, this, &CProtocolDlg::OnInsert);
  connect(change, &QPushButton::clicked, this, &CProtocolDlg::OnChange);
  connect(remove, &QPushButton::clicked, this, &CProtocolDlg::OnDelete);

  auto* itemColumn = new QVBoxLayout;
  itemColumn->addLayout(itemForm);
  itemColumn->addWidget(object.box);
  itemColumn->addLayout(itemButtons);
  itemColumn->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(m_list, 1);
  top->addLayout(itemColumn);

  // Below: the settings that hold for the whole protocol.
  m_colorBoxes = MakeColorBoxes(this, tr("Color Assigment"), LookIds);
  m_settingBoxes = MakeSettingBoxes(this, tr("Fasle &Response"), LookIds);

  auto* settings = new QHBoxLayout;
  for (QGroupBox* box : {m_settingBoxes.background.box, m_settingBoxes.falseResponse.box,
                         m_settingBoxes.voice.box}) {
    settings->addWidget(box);
  }

  // Save keeps the dialog open, so it stands apart from OK and Cancel.
  QPushButton* save = MakeButton(this, "1040", QT_TR_NOOP("&Save"));
  connect(save, &QPushButton::clicked, this, &CProtocolDlg::OnSave);
  auto* closing = new QHBoxLayout;
  closing->addWidget(save);
  closing->addStretch();
  closing->addWidget(MakeOkCancel(this));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(m_colorBoxes.frame);
  layout->addLayout(settings);
  layout->addLayout(closing);
}

bool CProtocolDlg::Exchange(DataExchange::Direction direction) {
  DataExchange dx(this, direction);
  dx.Text(m_nameEdit, m_name);
  dx.Int(m_generationEdit, m_generationMs, 100, 60000);
  dx.Radio(m_objectGroup, m_object);
  ExchangeLook(dx, m_colorBoxes, m_settingBoxes, m_settings, m_voice);
  return dx.Ok();
}

void CProtocolDlg::Commit() {
  Protocol& protocol = m_data.protocol;
  protocol.name = m_name;
  protocol.header.itemCount = m_count;
  protocol.header.background = m_settings.background;
  protocol.header.falseResponse = m_settings.falseResponse;
  protocol.header.squareColor = m_settings.squareColor;
  protocol.header.circleColor = m_settings.circleColor;
  protocol.header.triangleColor = m_settings.triangleColor;
  protocol.header.crossColor = m_settings.crossColor;
  m_data.customVoice = m_voice;
}

bool CProtocolDlg::HasRoomForItem() {
  // Every item is one stimulus of a run and a run holds at most this many.
  if (m_count < MaxProtocolItems) return true;
  ShowMessageBox(this, ProtocolFullMessage());
  return false;
}

bool CProtocolDlg::HasObject() {
  if (m_object >= 0) return true;
  ShowMessageBox(this, NoObjectChosenMessage());
  return false;
}

int CProtocolDlg::SelectedRowOrComplain() {
  const int row = m_list->SelectedRow();
  if (row < 0) ShowMessageBox(this, tr(NoItemSelectedMessage));
  return row;
}

void CProtocolDlg::OnAdd() {
  if (!Exchange(DataExchange::Direction::FromControls) || !HasRoomForItem() || !HasObject()) return;
  Slot(m_data, m_count) = {m_generationMs, m_object};
  m_list->AppendRow();
  m_list->ShowItem(m_count, Slot(m_data, m_count));
  ++m_count;
}

void CProtocolDlg::OnInsert() {
  if (!Exchange(DataExchange::Direction::FromControls)) return;
  const int selected = SelectedRowOrComplain();
  if (selected < 0 || !HasRoomForItem() || !HasObject()) return;
  m_list->AppendRow();
  ++m_count;
  for (int32_t row = m_count - 1; row > selected; --row) {
    Slot(m_data, row) = Slot(m_data, row - 1);
    m_list->ShowItem(row, Slot(m_data, row));
  }
  Slot(m_data, selected) = {m_generationMs, m_object};
  m_list->ShowItem(selected, Slot(m_data, selected));
}

void CProtocolDlg::OnChange() {
  if (!Exchange(DataExchange::Direction::FromControls)) return;
  const int selected = SelectedRowOrComplain();
  if (selected < 0 || !HasObject()) return;
  Slot(m_data, selected) = {m_generationMs, m_object};
  m_list->ShowItem(selected, Slot(m_data, selected));
}

void CProtocolDlg::OnDelete() {
  const int selected = SelectedRowOrComplain();
  if (selected < 0) return;
  --m_count;
  for (int32_t row = selected; row < m_count; ++row) {
    Slot(m_data, row) = Slot(m_data, row + 1);
    m_list->ShowItem(row, Slot(m_data, row));
  }
  m_list->RemoveLastRow();
}

void CProtocolDlg::OnSave() {
  if (!Exchange(DataExchange::Direction::FromControls)) return;
  Commit();
  const QString path = ChooseSetupFile(
      this, {SetupFileRequest::Kind::Save, m_programDir, QString::fromLatin1(ProtocolDialogFileFilter),
             QString::fromLatin1(ProtocolFileSuffix)});
  if (path.isEmpty()) return;
  SaveProtocolFile(this, path, m_data);
  // What was saved is the protocol in memory: Perform may run it even when
  // the write failed (the operator has been told).
  m_data.protocolLoaded = 1;
}

void CProtocolDlg::accept() {
  if (!Exchange(DataExchange::Direction::FromControls)) return;
  Commit();
  QDialog::accept();
}

}  // namespace alacrity
