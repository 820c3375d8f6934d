#include "commdlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/document_data.h"
#include "dialoglayout.h"
#include "link/serial_link.h"

namespace alacrity {

CCommDlg::CCommDlg(DocumentData& document, QWidget* parent) : QDialog(parent), m_data(document) {
  setWindowTitle(QStringLiteral("Communication port setup"));

  auto* box = new QGroupBox(QStringLiteral("Communication port"), this);
  // Wide enough for the title bar to show the whole title.
  box->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 64);
  auto* boxLayout = new QVBoxLayout(box);
  m_ports = new QButtonGroup(box);
  for (int index = 0; index < SerialPortCount; ++index) {
    auto* button = new QRadioButton(QString::fromStdString(SerialPortName(index)), box);
    button->setObjectName(QString::number(1000 + index));
    button->setToolTip(QString::fromStdString(SerialDevicePath(index)));
    m_ports->addButton(button, index);
    boxLayout->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(MakeOkCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);

  m_portIndex = m_data.portIndex;
  Exchange(DataExchange::Direction::ToControls);
}

bool CCommDlg::Exchange(DataExchange::Direction direction) {
  DataExchange dx(this, direction);
  dx.Radio(m_ports, m_portIndex);
  return dx.Ok();
}

void CCommDlg::accept() {
  Exchange(DataExchange::Direction::FromControls);
  // A port index from a file may name no port, so no button is checked;
  // OK then keeps it rather than storing "none".
  if (m_portIndex >= 0) m_data.portIndex = m_portIndex;
  QDialog::accept();
}

}  // namespace alacrity
