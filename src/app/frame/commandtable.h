// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's commands as data: caption, accelerator, status-bar prompt,
// tool tip and icon of each id, the menus and the toolbar built from them.
// The frame turns every entry into one QAction, so a menu item, its toolbar
// button and its accelerator always share their enabled state.

#include <span>

namespace alacrity {

struct CommandSpec {
  int id = 0;
  const char* objectName = "";  // of the QAction, for tests and the screenshot tour
  const char* text = "";        // the caption, with its & and \t accelerator text
  const char* shortcut = "";    // empty: none
  const char* statusTip = "";   // the status-bar prompt; empty: none
  const char* toolTip = "";     // empty: Qt shows the caption
  const char* icon = "";        // ":/icons/..." or "std:<name>" for a Qt standard icon
  // False for commands whose dialogs and views are not part of the program
  // yet: they keep their place, caption and id but cannot be chosen.
  bool available = true;
};

struct MenuEntry {
  const char* title = "";
  std::span<const int> items;  // command ids; 0 is a separator
};

std::span<const CommandSpec> Commands();
const CommandSpec* FindCommand(int id);
std::span<const MenuEntry> Menus();
// Toolbar buttons in order; 0 is a separator.
std::span<const int> ToolbarItems();

}  // namespace alacrity
