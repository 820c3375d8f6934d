// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dataexchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <limits>

#include "data/text_encoding.h"
#include "dialogs/dialoglayout.h"
#include "dialogs/messagebox.h"

namespace alacrity {

namespace {

constexpr int64_t Saturation = int64_t{1} << 40;

QString DisplayText(const std::string& value) {
  return QString::fromStdString(ToDisplayUtf8(value));
}

}  // namespace

QString NotAnIntegerMessage() {
  return DialogText(QT_TRANSLATE_NOOP("Dialog", "Please enter an integer."));
}

QString OutOfRangeMessage(int32_t lower, int32_t upper) {
  return DialogText(QT_TRANSLATE_NOOP("Dialog", "Please enter an integer between %1 and %2."))
      .arg(lower)
      .arg(upper);
}

std::optional<int64_t> ParseInteger(const QString& text) {
  const QString trimmed = text.trimmed();
  qsizetype at = 0;
  bool negative = false;
  if (at < trimmed.size() && (trimmed[at] == u'+' || trimmed[at] == u'-')) {
    negative = trimmed[at] == u'-';
    ++at;
  }
  if (at == trimmed.size()) return std::nullopt;
  int64_t magnitude = 0;
  for (; at < trimmed.size(); ++at) {
    const QChar c = trimmed[at];
    if (c < u'0' || c > u'9') return std::nullopt;
    if (magnitude < Saturation) magnitude = magnitude * 10 + (c.unicode() - u'0');
  }
  return negative ? -magnitude : magnitude;
}

void MakeDigitsOnly(QLineEdit* edit) {
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

DataExchange::DataExchange(QWidget* dialog, Direction direction)
    : m_dialog(dialog), m_direction(direction) {}

bool DataExchange::Reading() const { return m_direction == Direction::FromControls; }

void DataExchange::Fail(QLineEdit* edit, const QString& message) {
  m_failed = true;
  ShowMessageBox(m_dialog, message);
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

void DataExchange::Int(QLineEdit* edit, int32_t& value) {
  if (m_failed) return;
  if (!Reading()) {
    edit->setText(QString::number(value));
    return;
  }
  const auto parsed = ParseInteger(edit->text());
  if (!parsed || *parsed < std::numeric_limits<int32_t>::min() ||
      *parsed > std::numeric_limits<int32_t>::max()) {
    Fail(edit, NotAnIntegerMessage());
    return;
  }
  value = static_cast<int32_t>(*parsed);
}

void DataExchange::Int(QLineEdit* edit, int32_t& value, int32_t lower, int32_t upper) {
  if (m_failed) return;
  if (!Reading()) {
    edit->setText(QString::number(value));
    return;
  }
  const auto parsed = ParseInteger(edit->text());
  if (!parsed) {
    Fail(edit, NotAnIntegerMessage());
    return;
  }
  if (*parsed < lower || *parsed > upper) {
    Fail(edit, OutOfRangeMessage(lower, upper));
    return;
  }
  value = static_cast<int32_t>(*parsed);
}

void DataExchange::Text(QLineEdit* edit, std::string& value) {
  if (m_failed) return;
  if (!Reading()) {
    edit->setText(DisplayText(value));
    return;
  }
  if (edit->text() != DisplayText(value)) value = edit->text().toStdString();
}

void DataExchange::Radio(QButtonGroup* group, int32_t& value) {
  if (m_failed) return;
  if (Reading()) {
    value = group->checkedId();
    return;
  }
  if (QAbstractButton* button = group->button(value)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group never lets its checked button go.
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

void DataExchange::Check(QAbstractButton* box, int32_t& value) {
  if (m_failed) return;
  if (Reading()) {
    value = box->isChecked() ? 1 : 0;
  } else {
    box->setChecked(value != 0);
  }
}

}  // namespace alacrity
