// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's message boxes: caption "alacrity", a plain message with OK
// and the warning icon, a question with Yes and No and the question icon.
// Every box the program shows goes through here, so tests can answer them
// with a hook instead of clicking.

#include <QString>

#include <functional>

class QWidget;

namespace alacrity {

enum class MessageKind { Message, Question };

// Shows `text` with an OK button. Texts from the core libraries are English:
// each line found in the catalogue of messages is shown translated.
void ShowMessageBox(QWidget* parent, const QString& text);
// What Enter answers. A question whose Yes destroys something presets No,
// so a key pressed out of habit destroys nothing.
enum class PresetAnswer { Yes, No };
// Asks `text`; true for Yes.
bool AskQuestion(QWidget* parent, const QString& text, PresetAnswer preset = PresetAnswer::Yes);

// Replaces the boxes while set: gets the kind and the text and returns the
// answer (ignored for plain messages). Pass an empty function to restore.
using MessageBoxHook = std::function<bool(MessageKind kind, const QString& text)>;
void SetMessageBoxHook(MessageBoxHook hook);

inline constexpr const char* MessageCaption = "alacrity";

}  // namespace alacrity
