// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/displaycheckdlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace alacrity {
namespace {

QLabel* SelectableLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

CDisplayCheckDlg::CDisplayCheckDlg(const DisplayCheckTexts& texts, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Display Check"));

  auto* icon = new QLabel(this);
  const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(texts.icon, nullptr, this).pixmap(iconSize, iconSize));
  icon->setAlignment(Qt::AlignTop);
  QLabel* headline = SelectableLabel(texts.headline, this);
  headline->setObjectName(QStringLiteral("verdict"));
  headline->setWordWrap(true);
  QFont bold = headline->font();
  bold.setBold(true);
  headline->setFont(bold);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(headline, 1);

  // The figures are short: each on one line, so the form is as wide as
  // its longest.
  auto* figures = new QFormLayout;
  for (const auto& [label, value] : texts.figures) {
    figures->addRow(label, SelectableLabel(value, this));
  }

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(figures);
  if (!texts.advice.isEmpty()) {
    // One label with a list wraps each piece of advice as a paragraph.
    QString items;
    for (const QString& advice : texts.advice) {
      items += QStringLiteral("<li>%1</li>").arg(advice.toHtmlEscaped());
    }
    QLabel* advice = SelectableLabel(
        QStringLiteral("<p>%1</p><ul>%2</ul>")
            .arg(QCoreApplication::translate("DisplayCheck", "What to change:").toHtmlEscaped(),
                 items),
        this);
    advice->setObjectName(QStringLiteral("advice"));
    advice->setTextFormat(Qt::RichText);
    advice->setWordWrap(true);
    layout->addSpacing(8);
    layout->addWidget(advice);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  // Wrapped texts take the figures' width.
  const int width = std::max(figures->sizeHint().width(), 480);
  headline->setFixedWidth(width - iconSize - layout->spacing());
  if (auto* advice = findChild<QLabel*>(QStringLiteral("advice"))) advice->setFixedWidth(width);
}

}  // namespace alacrity
