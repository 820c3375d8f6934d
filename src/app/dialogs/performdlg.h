// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Perform": runs the custom configuration or the protocol in memory, and
// how many stimuli a custom run has. The choice outlives the dialog: the
// caller keeps one PerformChoice for the life of the program, sets its
// stimuliToFollow to the custom stimulus count before each opening, and the
// dialog starts from it and writes it back on OK. Loading a protocol here
// switches the remembered mode to Protocol at once, even if the dialog is
// then cancelled.

#include <QDialog>
#include <QString>

#include <cstdint>

#include "dialogs/dataexchange.h"
#include "engine/schedule.h"

class QButtonGroup;
class QLineEdit;

namespace alacrity {

struct DocumentData;

inline constexpr const char* NoProtocolLoadedMessage =
    QT_TRANSLATE_NOOP("alacrity::CPerformDlg", "No protocol loaded");
inline constexpr const char* NoProtocolLoadedName =
    QT_TRANSLATE_NOOP("alacrity::CPerformDlg", "no protocol loaded");

class CPerformDlg : public QDialog {
  Q_OBJECT

 public:
  // `programDir` is where the Load protocol dialog starts.
  CPerformDlg(DocumentData& document, const QString& programDir, PerformChoice& choice,
              QWidget* parent = nullptr);

  // What the dialog confirmed (after OK), the same as the caller's record.
  PerformChoice Choice() const { return m_choice; }

  void accept() override;

 private:
  void BuildControls();
  bool Exchange(DataExchange::Direction direction);
  void OnLoadProtocol();

  DocumentData& m_data;
  QString m_programDir;
  PerformChoice& m_choice;

  int32_t m_mode = 1;    // PerformMode
  int32_t m_number = 0;  // stimuli to follow
  QString m_protocolName = tr(NoProtocolLoadedName);

  QButtonGroup* m_modeGroup = nullptr;  // 1005, 1006
  QLineEdit* m_numberEdit = nullptr;    // 1025
  QLineEdit* m_nameEdit = nullptr;      // 1026, read-only
};

}  // namespace alacrity
