#include "protocoldlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/messagebox.h"
#include "data/document_data.h"
#include "dialoglayout.h"
#include "filechooser.h"
#include "filecommands.h"
#include "protocollist.h"

namespace alacrity {

namespace {

ProtocolItem& Slot(DocumentData& data, int32_t index) {
  return data.protocol.items[static_cast<std::size_t>(index)];
}

QPushButton* MakeButton(QWidget* owner, const char* id, const char* text) {
  auto* button = new QPushButton(QString::fromLatin1(text), owner);
  button->setObjectName(QString::fromLatin1(id));
  return button;
}

}  // namespace

QString ProtocolFullMessage() {
  return QStringLiteral("The protocol is full: it holds at most %1 items.").arg(MaxProtocolItems);
}

QString NoObjectChosenMessage() {
  return QStringLiteral("No object was selected! Choose the object of the item.");
}

CProtocolDlg::CProtocolDlg(DocumentData& document, const QString& programDir, QWidget* parent)
    : QDialog(parent), m_data(document), m_programDir(programDir) {
  setWindowTitle(QStringLiteral("Protocol setup"));
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
  itemForm->addRow(QStringLiteral("Protocol name:"), m_nameEdit);
  itemForm->addRow(QStringLiteral("Generation time (ms):"), m_generationEdit);

  const RadioBox object =
      MakeRadioBox(this, QStringLiteral("Object"),
                   {{"1021", "Circle"}, {"1022", "Cross"}, {"1023", "Square"}, {"1024", "Triangle"}});
  m_objectGroup = object.group;

  auto* itemButtons = new QHBoxLayout;
  QPushButton* add = MakeButton(this, "1036", "Add");
  QPushButton* insert = MakeButton(this, "1037", "Insert");
  QPushButton* change = MakeButton(this, "1038", "Change");
  QPushButton* remove = MakeButton(this, "1039", "Delete");
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
  auto* colors = new QGroupBox(QStringLiteral("Color Assigment"), this);
  const RadioBox cross = MakeRadioBox(colors, QStringLiteral("Cross"),
                                      {{"1031", "Red"}, {"1032", "Green"}, {"1033", "Blue"}, {"1034", "Yellow"}});
  const RadioBox circle = MakeRadioBox(colors, QStringLiteral("Circle"),
                                       {{"1013", "Red"}, {"1014", "Green"}, {"1015", "Blue"}, {"1016", "Yellow"}});
  const RadioBox square = MakeRadioBox(colors, QStringLiteral("Square"),
                                       {{"1008", "Red"}, {"1010", "Green"}, {"1011", "Blue"}, {"1012", "Yellow"}});
  const RadioBox triangle = MakeRadioBox(colors, QStringLiteral("Triangel"),
                                         {{"1026", "Red"}, {"1027", "Green"}, {"1029", "Blue"}, {"1030", "Yellow"}});
  m_crossColor = cross.group;
  m_circleColor = circle.group;
  m_squareColor = square.group;
  m_triangleColor = triangle.group;
  auto* colorsLayout = new QHBoxLayout(colors);
  for (const RadioBox& shape : {cross, circle, square, triangle}) colorsLayout->addWidget(shape.box);

  const RadioBox background =
      MakeRadioBox(this, QStringLiteral("Background color"),
                   {{"1017", "White"}, {"1018", "Blue"}, {"1019", "Green"}, {"1020", "Black"}});
  m_background = background.group;
  const RadioBox falseResponse = MakeRadioBox(this, QStringLiteral("Fasle Response"),
                                              {{"1007", "Accepted"}, {"1009", "Not Accepted"}});
  m_falseResponse = falseResponse.group;
  const RadioBox voice = MakeVoiceBox(this, "1062", "1006", m_voiceLead);
  m_voiceSignal = voice.group;

  auto* settings = new QHBoxLayout;
  for (QGroupBox* box : {background.box, falseResponse.box, voice.box}) settings->addWidget(box);

  // Save keeps the dialog open, so it stands apart from OK and Cancel.
  QPushButton* save = MakeButton(this, "1040", "Save");
  connect(save, &QPushButton::clicked, this, &CProtocolDlg::OnSave);
  auto* closing = new QHBoxLayout;
  closing->addWidget(save);
  closing->addStretch();
  closing->addWidget(MakeOkCancel(this));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(colors);
  layout->addLayout(settings);
  layout->addLayout(closing);
}

bool CProtocolDlg::Exchange(DataExchange::Direction direction) {
  DataExchange dx(this, direction);
  dx.Text(m_nameEdit, m_name);
  dx.Int(m_generationEdit, m_generationMs, 100, 60000);
  dx.Radio(m_background, m_settings.background);
  dx.Radio(m_objectGroup, m_object);
  dx.Radio(m_crossColor, m_settings.crossColor);
  dx.Radio(m_circleColor, m_settings.circleColor);
  dx.Radio(m_squareColor, m_settings.squareColor);
  dx.Radio(m_triangleColor, m_settings.triangleColor);
  dx.Radio(m_falseResponse, m_settings.falseResponse);
  dx.Radio(m_voiceSignal, m_voice.voiceSignal);
  dx.Int(m_voiceLead, m_voice.voiceLeadMs, 0, 5000);
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
  if (row < 0) ShowMessageBox(this, QString::fromLatin1(NoItemSelectedMessage));
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
