// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialoglayout.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace alacrity {

QString DialogText(const char* text) { return QCoreApplication::translate("Dialog", text); }

int TitleBarWidth(const QWidget& window) {
  constexpr int ButtonsRoom = 100;
  QFont bold = window.font();
  bold.setBold(true);
  return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + ButtonsRoom;
}

RadioBox MakeRadioBox(QWidget* owner, const QString& title, std::initializer_list<RadioChoice> choices) {
  RadioBox made;
  made.box = new QGroupBox(title, owner);
  made.group = new QButtonGroup(made.box);
  auto* layout = new QVBoxLayout(made.box);
  int position = 0;
  for (const RadioChoice& choice : choices) {
    auto* button = new QRadioButton(DialogText(choice.text), made.box);
    button->setObjectName(QString::fromLatin1(choice.id));
    made.group->addButton(button, position++);
    layout->addWidget(button);
  }
  layout->addStretch();
  return made;
}

QLineEdit* MakeNumberEdit(QWidget* owner, const char* id, int digits) {
  auto* edit = new QLineEdit(owner);
  edit->setObjectName(QString::fromLatin1(id));
  // Room for the digits plus the frame and the text margins.
  const int width = QFontMetrics(edit->font()).horizontalAdvance(QString(digits + 2, u'0')) + 12;
  edit->setFixedWidth(width);
  return edit;
}

QDialogButtonBox* MakeOkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(DialogText(QT_TRANSLATE_NOOP("Dialog", "OK")));
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  cancel->setText(DialogText(QT_TRANSLATE_NOOP("Dialog", "Cancel")));
  cancel->setObjectName(QStringLiteral("2"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

RadioBox MakeVoiceBox(QWidget* owner, const char* yesId, const char* noId, QLineEdit*& leadEdit) {
  const RadioBox voice = MakeRadioBox(
      owner, DialogText(QT_TRANSLATE_NOOP("Dialog", "&Voice Signal")),
      {{yesId, QT_TRANSLATE_NOOP("Dialog", "YES")}, {noId, QT_TRANSLATE_NOOP("Dialog", "NO")}});
  leadEdit = MakeNumberEdit(voice.box, "1059", 5);
  auto* leadRow = new QHBoxLayout;
  auto* leadLabel =
      new QLabel(DialogText(QT_TRANSLATE_NOOP("Dialog", "Time &before (ms):")), voice.box);
  leadLabel->setBuddy(leadEdit);
  leadRow->addWidget(leadLabel);
  leadRow->addWidget(leadEdit);
  leadRow->addStretch();
  // Under the two buttons, above the stretch MakeRadioBox leaves at the end.
  auto* voiceLayout = static_cast<QVBoxLayout*>(voice.box->layout());
  voiceLayout->insertLayout(voiceLayout->count() - 1, leadRow);
  return voice;
}

}  // namespace alacrity
