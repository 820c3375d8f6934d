// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Custom setup": the custom test configuration and the voice signal. Values
// are copied in when the dialog opens and stored only by OK, all at once.
// Only single fields are range-checked here; a lower limit above the upper
// one or no object at all is stored as entered and refused at Perform.

#include <QDialog>

#include <array>
#include <cstdint>

#include "data/records.h"
#include "dialogs/dataexchange.h"
#include "dialogs/lookboxes.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace alacrity {

struct DocumentData;

class CCustomDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCustomDlg(DocumentData& document, QWidget* parent = nullptr);

  void accept() override;

 private:
  static TestConfiguration UnsetConfiguration();
  void BuildControls();
  bool Exchange(DataExchange::Direction direction);

  DocumentData& m_data;

  // Working copies: radio values -1 and numbers 0 until the dialog opens.
  TestConfiguration m_configuration = UnsetConfiguration();
  std::array<int32_t, 4> m_generateObject{};  // by ObjectKind
  VoiceSettings m_voice{.voiceSignal = -1, .voiceLeadMs = 0};

  QLineEdit* m_stimulusCount = nullptr;  // 1025
  QLineEdit* m_randomLower = nullptr;    // 1026
  QLineEdit* m_randomUpper = nullptr;    // 1027
  QLineEdit* m_fixedTime = nullptr;      // 1028
  QButtonGroup* m_timingMode = nullptr;
  std::array<QCheckBox*, 4> m_objectBoxes{};  // by ObjectKind
  ColorBoxes m_colorBoxes;
  SettingBoxes m_settingBoxes;
};

}  // namespace alacrity
