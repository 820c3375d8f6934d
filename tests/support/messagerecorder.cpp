// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagerecorder.h"

#include "dialogs/messagebox.h"

namespace alacrity::test {

MessageBoxRecorder::MessageBoxRecorder(bool defaultAnswer) : answer(defaultAnswer) {
  SetMessageBoxHook([this](MessageKind kind, const QString& text) {
    (kind == MessageKind::Question ? questions : messages).append(text);
    if (kind == MessageKind::Question && !answers.isEmpty()) return answers.takeFirst();
    return answer;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook({}); }

}  // namespace alacrity::test
