// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Protocol setup": builds the protocol in memory. Add, Insert, Change and
// Delete edit the item table of the protocol at once; the name, the count and
// the protocol-wide settings (colours, background, false-response rule) and
// the voice signal reach the document only through OK or Save. Cancel
// therefore keeps the old count over a table that already holds the edits.

#include <QDialog>
#include <QString>

#include <cstdint>
#include <string>

#include "data/records.h"
#include "dialogs/dataexchange.h"
#include "dialogs/lookboxes.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace alacrity {

struct DocumentData;
class CProtocolItemList;

// Refusals of an item the protocol cannot take.
QString ProtocolFullMessage();
QString NoObjectChosenMessage();
inline constexpr const char* NoItemSelectedMessage =
    QT_TRANSLATE_NOOP("alacrity::CProtocolDlg", "No item was selected!");

class CProtocolDlg : public QDialog {
  Q_OBJECT

 public:
  // `programDir` is where the Save dialog starts.
  CProtocolDlg(DocumentData& document, const QString& programDir, QWidget* parent = nullptr);

  void accept() override;

 private:
  void BuildControls();
  bool Exchange(DataExchange::Direction direction);
  void Commit();
  // The checks every new or changed item passes after the exchange.
  bool HasRoomForItem();
  bool HasObject();
  // The selected row, or -1 after saying that none is.
  int SelectedRowOrComplain();

  void OnAdd();
  void OnInsert();
  void OnChange();
  void OnDelete();
  void OnSave();

  DocumentData& m_data;
  QString m_programDir;

  // Working copies; the item being added, inserted or changed starts with a
  // time of 0 and no object, so a time must be typed before OK succeeds.
  std::string m_name;
  int32_t m_count = 0;
  int32_t m_generationMs = 0;
  int32_t m_object = -1;
  ProtocolHeader m_settings{.itemCount = 0,
                            .background = 0,
                            .falseResponse = -1,
                            .squareColor = -1,
                            .circleColor = -1,
                            .triangleColor = -1,
                            .crossColor = -1};
  VoiceSettings m_voice{.voiceSignal = -1, .voiceLeadMs = 0};

  CProtocolItemList* m_list = nullptr;  // 1035
  QLineEdit* m_nameEdit = nullptr;      // 1025
  QLineEdit* m_generationEdit = nullptr;  // 1028
  QButtonGroup* m_objectGroup = nullptr;
  ColorBoxes m_colorBoxes;
  SettingBoxes m_settingBoxes;
};

}  // namespace alacrity
