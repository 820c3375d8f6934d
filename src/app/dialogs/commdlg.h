#pragma once

// "Communication port setup": which of COM1..COM5 the serial link opens when
// no USB box is found. Each button's tooltip names the device behind it.

#include <QDialog>

#include <cstdint>

#include "dataexchange.h"

class QButtonGroup;

namespace alacrity {

struct DocumentData;

class CCommDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCommDlg(DocumentData& document, QWidget* parent = nullptr);

  void accept() override;

 private:
  bool Exchange(DataExchange::Direction direction);

  DocumentData& m_data;
  int32_t m_portIndex = -1;
  QButtonGroup* m_ports = nullptr;  // 1000..1004
};

}  // namespace alacrity
