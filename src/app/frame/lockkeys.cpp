// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/lockkeys.h"

#include <QLabel>
#include <QStatusBar>

namespace alacrity {
namespace {

// The lock keys change only when the user presses them; a quarter second
// is quick to the eye and costs one small request to the window system.
constexpr int PollMs = 250;

QLabel* Pane(const char* name, QStatusBar& bar) {
  auto* label = new QLabel(&bar);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  // As wide as the widest text, so a pane keeps its size when it empties.
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
  bar.addPermanentWidget(label);
  return label;
}

void Show(QLabel& pane, std::optional<bool> on, const char* text) {
  if (on) pane.setText(*on ? QString::fromLatin1(text) : QString());
  pane.setVisible(on.has_value());
}

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar& bar, Reader reader)
    : QObject(&bar),
      m_reader(std::move(reader)),
      m_caps(Pane("indicatorCaps", bar)),
      m_num(Pane("indicatorNum", bar)),
      m_scroll(Pane("indicatorScroll", bar)) {
  m_poll.setInterval(PollMs);
  connect(&m_poll, &QTimer::timeout, this, [this] { (void)Refresh(); });
  SetFollowing(true);
}

bool LockKeyPanes::Refresh() {
  const LockKeyState state = m_reader ? m_reader() : LockKeyState{};
  Show(*m_caps, state.caps, "CAP");
  Show(*m_num, state.num, "NUM");
  Show(*m_scroll, state.scroll, "SCRL");
  const bool known = state.caps.has_value() || state.num.has_value() || state.scroll.has_value();
  // A platform that cannot tell now will not tell later.
  if (!known) m_poll.stop();
  return known;
}

void LockKeyPanes::SetFollowing(bool follow) {
  if (follow && Refresh()) {
    m_poll.start();
  } else {
    m_poll.stop();
  }
}

}  // namespace alacrity
