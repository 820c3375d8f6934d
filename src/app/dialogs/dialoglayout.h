// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Building blocks the setup dialogs share. Every control that carries a value
// or a command gets its control id as object name, so tests and the exchange
// lists name the same control.

#include <QString>

#include <initializer_list>

class QButtonGroup;
class QDialog;
class QDialogButtonBox;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace alacrity {

// A caption of the shared building blocks in the interface language; the
// captions are marked for translation under "Dialog" where they are written.
QString DialogText(const char* text);

struct RadioChoice {
  const char* id;    // control id, the button's object name
  const char* text;  // caption, English, translated under "Dialog"
};

// A framed, titled group of radio buttons, stacked in the given order; the
// group ids are the positions, so the group's value is the checked position.
struct RadioBox {
  QGroupBox* box = nullptr;
  QButtonGroup* group = nullptr;
};
RadioBox MakeRadioBox(QWidget* owner, const QString& title, std::initializer_list<RadioChoice> choices);

// A number edit wide enough for `digits` digits.
QLineEdit* MakeNumberEdit(QWidget* owner, const char* id, int digits);

// "Voice Signal": YES and NO with the given ids, and under them "Time before
// (ms):" with its edit (id 1059), which `leadEdit` receives.
RadioBox MakeVoiceBox(QWidget* owner, const char* yesId, const char* noId, QLineEdit*& leadEdit);

// "OK" (id 1, the default button) and "Cancel" (id 2) wired to the dialog's
// accept and reject.
QDialogButtonBox* MakeOkCancel(QDialog* dialog);

// The width a window needs for the window manager to show its whole title:
// the title in the window's font made bold (as title bars mostly write it)
// and room for the bar's icon and buttons, and as much again on the other
// side where the title is centred. A dialog narrower than its title widens
// to it; a title too long for a plain dialog is better shortened.
int TitleBarWidth(const QWidget& window);

}  // namespace alacrity
