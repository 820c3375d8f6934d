// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command ids of the menu, the toolbar and the dialog bars. They stay the
// numbers the program has always used, so a command keeps one identity from
// the menu through the toolbar to a bar button.

namespace alacrity {

inline constexpr int IdFileNew = 57600;
inline constexpr int IdFileOpen = 57601;
inline constexpr int IdFileSave = 32796;
inline constexpr int IdFilePrint = 57607;
inline constexpr int IdFilePrintPreview = 57609;
inline constexpr int IdFilePrintSetup = 57606;
inline constexpr int IdAppExit = 57665;
inline constexpr int IdSubjectInfo = 32771;
inline constexpr int IdPerform = 32772;
inline constexpr int IdCheck = 32773;
inline constexpr int IdResponseByResponse = 32774;
inline constexpr int IdSplitSummary = 32776;
inline constexpr int IdResult = 32799;
inline constexpr int IdStatistics = 32820;
inline constexpr int IdChart = 32821;
inline constexpr int IdCustomConfiguration = 32793;
inline constexpr int IdCreateProtocol = 32800;
inline constexpr int IdCommPort = 32797;
inline constexpr int IdOpenConfiguration = 32781;
inline constexpr int IdSaveConfiguration = 32782;
inline constexpr int IdOpenProtocol = 32783;
inline constexpr int IdSaveProtocol = 32784;
inline constexpr int IdAppAbout = 57664;
// Setup > "Stimulus Screen": a number of its own, clear of every other.
inline constexpr int IdStimulusScreen = 32810;
// Exercise > "Check Display", beside it.
inline constexpr int IdCheckDisplay = 32811;

// Commands without a menu item.
inline constexpr int IdShowNeutralView = 32770;
inline constexpr int IdStart = 1042;
inline constexpr int IdStop = 1043;
inline constexpr int IdCopy = 32787;
inline constexpr int IdCopyAll = 32786;
inline constexpr int IdExportCsv = 32788;
inline constexpr int IdDelete = 1046;

// Drop-down lists of the dialog bars.
inline constexpr int IdSplitSizeList = 1044;
inline constexpr int IdObjectFilterList = 1057;

// Dialog bar templates.
inline constexpr int SplitSummaryBarTemplate = 139;
inline constexpr int ResponseBarTemplate = 140;
// Copy, Copy All and Export csv for the Statistics view. (The program never
// showed the old copy-only template 138; this bar is the Statistics view's
// own, numbered after the run bars.)
inline constexpr int StatisticsBarTemplate = 144;
// 142 (Start and Stop) and 143 (Stop) come with the run controller.

}  // namespace alacrity
