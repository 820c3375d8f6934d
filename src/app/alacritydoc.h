// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The document of the window: it holds no data of its own (the results live
// in DocumentData and are stored only through the explicit file commands),
// it only names the window.

#include <QString>

namespace alacrity {

class CAlacrityDoc {
 public:
  // The new-document step at start-up; also what Ctrl+N does, harmlessly.
  bool OnNewDocument() {
    m_title = QStringLiteral("Morvaine");
    return true;
  }
  const QString& Title() const { return m_title; }

 private:
  QString m_title;
};

}  // namespace alacrity
