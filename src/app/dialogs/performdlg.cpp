// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/performdlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/document_data.h"
#include "data/text_encoding.h"
#include "dialogs/dialoglayout.h"
#include "dialogs/filechooser.h"
#include "dialogs/filecommands.h"
#include "dialogs/messagebox.h"

namespace alacrity {

namespace {

QRadioButton* MakeModeButton(QWidget* owner, const char* id, const char* text) {
  auto* button = new QRadioButton(CPerformDlg::tr(text), owner);
  button->setObjectName(QString::fromLatin1(id));
  return button;
}

QString ProtocolName(const DocumentData& data) {
  return QString::fromStdString(ToDisplayUtf8(data.protocol.name));
}

}  // namespace

CPerformDlg::CPerformDlg(DocumentData& document, const QString& programDir, PerformChoice& choice,
                         QWidget* parent)
    : QDialog(parent), m_data(document), m_programDir(programDir), m_choice(choice) {
  setWindowTitle(tr("Perform"));
  BuildControls();

  m_mode = static_cast<int32_t>(m_choice.mode);
  m_number = m_choice.stimuliToFollow;
  if (m_data.protocolLoaded != 0) m_protocolName = ProtocolName(m_data);
  Exchange(DataExchange::Direction::ToControls);
}

void CPerformDlg::BuildControls() {
  // One radio group over two framed areas, each holding what its mode uses.
  m_modeGroup = new QButtonGroup(this);

  auto* custom = new QGroupBox(this);
  QRadioButton* customButton =
      MakeModeButton(custom, "1005", QT_TRANSLATE_NOOP("alacrity::CPerformDlg", "&Custom"));
  m_numberEdit = MakeNumberEdit(custom, "1025", 5);
  auto* customLayout = new QFormLayout(custom);
  customLayout->addRow(customButton);
  customLayout->addRow(tr("Number of stimuli to &follow:"), m_numberEdit);

  auto* protocol = new QGroupBox(this);
  QRadioButton* protocolButton =
      MakeModeButton(protocol, "1006", QT_TRANSLATE_NOOP("alacrity::CPerformDlg", "&Protocol"));
  m_nameEdit = new QLineEdit(protocol);
  m_nameEdit->setObjectName(QStringLiteral("1026"));
  m_nameEdit->setReadOnly(true);
  m_nameEdit->setMinimumWidth(m_nameEdit->fontMetrics().horizontalAdvance(QString(28, u'x')));
  auto* load = new QPushButton(tr("&Load protocol"), protocol);
  load->setObjectName(QStringLiteral("1041"));
  connect(load, &QPushButton::clicked, this, &CPerformDlg::OnLoadProtocol);
  auto* protocolLayout = new QFormLayout(protocol);
  protocolLayout->addRow(protocolButton);
  protocolLayout->addRow(tr("Protocol &name:"), m_nameEdit);
  auto* loadRow = new QHBoxLayout;
  loadRow->addStretch();
  loadRow->addWidget(load);
  protocolLayout->addRow(loadRow);

  m_modeGroup->addButton(customButton, static_cast<int>(PerformMode::Custom));
  m_modeGroup->addButton(protocolButton, static_cast<int>(PerformMode::Protocol));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(custom);
  layout->addWidget(protocol);
  layout->addWidget(MakeOkCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CPerformDlg::Exchange(DataExchange::Direction direction) {
  DataExchange dx(this, direction);
  dx.Radio(m_modeGroup, m_mode);
  // Only a custom run uses the number, and the schedule holds 1..1199
  // stimuli; a protocol run takes its length from the protocol.
  if (direction == DataExchange::Direction::ToControls ||
      m_mode == static_cast<int32_t>(PerformMode::Custom)) {
    dx.Int(m_numberEdit, m_number, 1, MaxStimulusCount);
  }
  if (direction == DataExchange::Direction::ToControls) m_nameEdit->setText(m_protocolName);
  return dx.Ok();
}

void CPerformDlg::accept() {
  if (!Exchange(DataExchange::Direction::FromControls)) return;
  if (m_mode == static_cast<int32_t>(PerformMode::Protocol) && m_data.protocolLoaded == 0) {
    ShowMessageBox(this, tr(NoProtocolLoadedMessage));
    return;
  }
  // Nothing checked stays as it was remembered.
  if (m_mode >= 0) m_choice.mode = static_cast<PerformMode>(m_mode);
  m_choice.stimuliToFollow = m_number;
  QDialog::accept();
}

void CPerformDlg::OnLoadProtocol() {
  const QString path = ChooseSetupFile(
      this, {SetupFileRequest::Kind::Open, m_programDir, QString::fromLatin1(ProtocolDialogFileFilter),
             QString::fromLatin1(ProtocolFileSuffix)});
  if (path.isEmpty()) return;
  LoadProtocolFile(this, path, m_data);
  // A refused file leaves an earlier protocol in memory, and that one is
  // what a protocol run would use.
  if (m_data.protocolLoaded == 0) return;
  m_protocolName = ProtocolName(m_data);
  m_choice.mode = PerformMode::Protocol;
  m_mode = static_cast<int32_t>(PerformMode::Protocol);
  Exchange(DataExchange::Direction::ToControls);
}

}  // namespace alacrity
