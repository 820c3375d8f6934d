// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Records the program's message boxes while it lives instead of showing
// them; questions get `answer`. Shared by the window and the dialog tests.

#include <QList>
#include <QStringList>

namespace alacrity::test {

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(bool defaultAnswer);
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  QStringList messages;   // plain messages, in order
  QStringList questions;  // questions, in order
  QList<bool> answers;    // the answers to the next questions, in order; then `answer`
  bool answer;
};

}  // namespace alacrity::test
