// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exchange between a dialog's working values and its controls. A dialog
// lists its controls once, in exchange order, and runs the list in either
// direction: filling the controls when it opens, reading and validating them
// on OK (and on the protocol dialog's item buttons). Reading stops at the
// first control that fails: the operator sees the message for that control,
// the focus goes back into its edit, and later controls are not read.

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QWidget;

namespace alacrity {

class DataExchange {
 public:
  enum class Direction { ToControls, FromControls };

  DataExchange(QWidget* dialog, Direction direction);

  // A decimal integer, unbounded.
  void Int(QLineEdit* edit, int32_t& value);
  // A decimal integer within lower..upper.
  void Int(QLineEdit* edit, int32_t& value, int32_t lower, int32_t upper);
  // Free text. A stored text that was not edited keeps its bytes, even when
  // they had to be shown converted (texts from older 8-bit files).
  void Text(QLineEdit* edit, std::string& value);
  // The position of the checked button (the group's ids are the positions),
  // -1 when none is checked; a value without a button checks none.
  void Radio(QButtonGroup* group, int32_t& value);
  // 1 checked, 0 not.
  void Check(QAbstractButton* box, int32_t& value);

  // False once a control failed; nothing may be stored then.
  bool Ok() const { return !m_failed; }

 private:
  bool Reading() const;
  void Fail(QLineEdit* edit, const QString& message);

  QWidget* m_dialog = nullptr;
  Direction m_direction = Direction::ToControls;
  bool m_failed = false;
};

// The messages of a refused number, bounds filled in.
QString NotAnIntegerMessage();
QString OutOfRangeMessage(int32_t lower, int32_t upper);

// Optional surrounding spaces, an optional sign and decimal digits; nothing
// when the text is no integer. A number beyond 32 bits saturates, so a range
// check still refuses it with the bounds.
std::optional<int64_t> ParseInteger(const QString& text);

// Lets the edit take digits only.
void MakeDigitsOnly(QLineEdit* edit);

}  // namespace alacrity
