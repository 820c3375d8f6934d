// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/commandtable.h"

#include <QtGlobal>

#include <array>

#include "commandids.h"

namespace alacrity {
namespace {

// The framework's own commands carry the framework's standard prompts; the
// program's own commands have a prompt only where one was ever written.
constexpr std::array<CommandSpec, 32> CommandTable = {{
    {IdFileNew, "actionNew", QT_TRANSLATE_NOOP("Command", "&New"), "Ctrl+N",
     QT_TRANSLATE_NOOP("Command", "Create a new document"), QT_TRANSLATE_NOOP("Command", "New"), "",
     true},
    {IdFileOpen, "actionOpen", QT_TRANSLATE_NOOP("Command", "&Open...\tCtrl+O"), "Ctrl+O",
     QT_TRANSLATE_NOOP("Command", "Open an existing document"),
     QT_TRANSLATE_NOOP("Command", "Open"), "std:open", true},
    // Ctrl+S runs the program's Save: a framework save of the (empty)
    // document would only write an empty file.
    {IdFileSave, "actionSave", QT_TRANSLATE_NOOP("Command", "&Save"), "Ctrl+S", "", "", "std:save",
     true},
    {IdFilePrint, "actionPrint", QT_TRANSLATE_NOOP("Command", "&Print...\tCtrl+P"), "Ctrl+P",
     QT_TRANSLATE_NOOP("Command", "Print the active document"),
     QT_TRANSLATE_NOOP("Command", "Print"), ":/icons/print.svg", true},
    {IdFilePrintPreview, "actionPrintPreview", QT_TRANSLATE_NOOP("Command", "Print Pre&view"), "",
     QT_TRANSLATE_NOOP("Command", "Display full pages"),
     QT_TRANSLATE_NOOP("Command", "Print Preview"), "", true},
    {IdFilePrintSetup, "actionPrintSetup", QT_TRANSLATE_NOOP("Command", "P&rint Setup..."), "",
     QT_TRANSLATE_NOOP("Command", "Change the printer and printing options"),
     QT_TRANSLATE_NOOP("Command", "Print Setup"), "", true},
    {IdAppExit, "actionExit", QT_TRANSLATE_NOOP("Command", "E&xit"), "",
     QT_TRANSLATE_NOOP("Command", "Quit the application; prompts to save documents"),
     QT_TRANSLATE_NOOP("Command", "Exit"), "", true},
    {IdSubjectInfo, "actionSubjectInfo", QT_TRANSLATE_NOOP("Command", "&Subject Info"), "", "", "",
     ":/icons/subject.svg", true},
    {IdPerform, "actionPerform", QT_TRANSLATE_NOOP("Command", "&Perform"), "", "", "",
     ":/icons/perform.svg", true},
    {IdCheck, "actionCheck", QT_TRANSLATE_NOOP("Command", "&Check"), "", "", "",
     ":/icons/check.svg", true},
    {IdCheckDisplay, "actionCheckDisplay", QT_TRANSLATE_NOOP("Command", "Check &Display"), "",
     QT_TRANSLATE_NOOP("Command",
                       "Show frames on the stimulus screen and say whether its timing can be "
                       "trusted"),
     QT_TRANSLATE_NOOP("Command", "Check Display"), "", true},
    {IdResponseByResponse, "actionResponseByResponse",
     QT_TRANSLATE_NOOP("Command", "&Response by Response"), "", "", "", ":/icons/response.svg",
     true},
    {IdSplitSummary, "actionSplitSummary", QT_TRANSLATE_NOOP("Command", "&Split Summary"), "", "",
     "", ":/icons/split.svg", true},
    {IdResult, "actionResult", QT_TRANSLATE_NOOP("Command", "Res&ult"), "",
     QT_TRANSLATE_NOOP("Command", "Result"), "", ":/icons/result.svg", true},
    {IdStatistics, "actionStatistics", QT_TRANSLATE_NOOP("Command", "St&atistics"), "", "", "", "",
     true},
    {IdChart, "actionChart", QT_TRANSLATE_NOOP("Command", "C&hart"), "", "", "", "", true},
    {IdCustomConfiguration, "actionCustomConfiguration",
     QT_TRANSLATE_NOOP("Command", "&Custom Configuration"), "", "", "", ":/icons/custom.svg", true},
    {IdCreateProtocol, "actionCreateProtocol", QT_TRANSLATE_NOOP("Command", "C&reate protocol"), "",
     QT_TRANSLATE_NOOP("Command", "Create new protocol"),
     QT_TRANSLATE_NOOP("Command", "Create new protocol"), ":/icons/createprotocol.svg", true},
    {IdCommPort, "actionCommPort", QT_TRANSLATE_NOOP("Command", "CO&MM Port"), "", "", "",
     ":/icons/commport.svg", true},
    // Captions are UTF-8: this one's ellipsis is a single character.
    {IdStimulusScreen, "actionStimulusScreen", QT_TRANSLATE_NOOP("Command", "S&timulus Screen…"),
     "", QT_TRANSLATE_NOOP("Command", "Choose the monitor that shows tests and device checks"),
     QT_TRANSLATE_NOOP("Command", "Stimulus Screen"), "", true},
    {IdOpenConfiguration, "actionOpenConfiguration",
     QT_TRANSLATE_NOOP("Command", "&Open Configuration"), "", "", "", ":/icons/openconfig.svg",
     true},
    {IdSaveConfiguration, "actionSaveConfiguration",
     QT_TRANSLATE_NOOP("Command", "&Save Configuration"), "", "", "", ":/icons/saveconfig.svg",
     true},
    {IdOpenProtocol, "actionOpenProtocol", QT_TRANSLATE_NOOP("Command", "Open &protocol"), "",
     QT_TRANSLATE_NOOP("Command", "Open protocol file"), "", ":/icons/openprotocol.svg", true},
    {IdSaveProtocol, "actionSaveProtocol", QT_TRANSLATE_NOOP("Command", "Sa&ve protocol"), "",
     QT_TRANSLATE_NOOP("Command", "Save protocol file"), "", ":/icons/saveprotocol.svg", true},
    {IdAppAbout, "actionAbout", QT_TRANSLATE_NOOP("Command", "&About alacrity..."), "",
     QT_TRANSLATE_NOOP("Command", "Display program information, version number and copyright"),
     QT_TRANSLATE_NOOP("Command", "About"), "std:about", true},
    {IdShowNeutralView, "actionShowNeutralView", "", "", "", "", "", true},
    {IdStart, "actionStart", QT_TRANSLATE_NOOP("Command", "Start"), "F5", "", "", "", true},
    {IdStop, "actionStop", QT_TRANSLATE_NOOP("Command", "Stop"), "Esc", "", "", "", true},
    {IdCopy, "actionCopy", QT_TRANSLATE_NOOP("Command", "Copy"), "", "", "", "", true},
    {IdCopyAll, "actionCopyAll", QT_TRANSLATE_NOOP("Command", "Copy All"), "", "", "", "", true},
    {IdExportCsv, "actionExportCsv", QT_TRANSLATE_NOOP("Command", "Export csv"), "", "", "", "",
     true},
    {IdDelete, "actionDelete", QT_TRANSLATE_NOOP("Command", "Delete"), "", "", "", "", true},
}};

constexpr std::array FileItems = {IdFileOpen, IdFileSave, 0, IdFilePrint, IdFilePrintPreview,
                                  IdFilePrintSetup, 0, IdAppExit};
constexpr std::array SubjectItems = {IdSubjectInfo};
constexpr std::array ExerciseItems = {IdPerform, IdCheck, IdCheckDisplay};
constexpr std::array ViewItems = {IdResponseByResponse, IdSplitSummary, IdResult, 0, IdStatistics,
                                  IdChart};
constexpr std::array SetupItems = {IdCustomConfiguration, IdCreateProtocol, IdCommPort,
                                   IdStimulusScreen, 0,
                                   IdOpenConfiguration, IdSaveConfiguration, IdOpenProtocol,
                                   IdSaveProtocol};
constexpr std::array AboutItems = {IdAppAbout};

constexpr std::array<MenuEntry, 6> MenuTable = {{
    {QT_TRANSLATE_NOOP("Command", "&File"), FileItems},
    {QT_TRANSLATE_NOOP("Command", "&Subject"), SubjectItems},
    {QT_TRANSLATE_NOOP("Command", "&Exercise"), ExerciseItems},
    {QT_TRANSLATE_NOOP("Command", "&View"), ViewItems},
    {QT_TRANSLATE_NOOP("Command", "Se&tup"), SetupItems},
    {QT_TRANSLATE_NOOP("Command", "&About"), AboutItems},
}};

constexpr std::array ToolbarTable = {
    IdFileOpen, IdFileSave, IdFilePrint, 0, IdSubjectInfo, 0, IdPerform, IdCheck, 0,
    IdResponseByResponse, IdSplitSummary, IdResult, 0, IdCustomConfiguration, IdCreateProtocol,
    IdCommPort, 0, IdOpenConfiguration, IdSaveConfiguration, IdOpenProtocol, IdSaveProtocol,
    IdAppAbout};

}  // namespace

std::span<const CommandSpec> Commands() { return CommandTable; }

const CommandSpec* FindCommand(int id) {
  for (const CommandSpec& command : CommandTable) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

std::span<const MenuEntry> Menus() { return MenuTable; }

std::span<const int> ToolbarItems() { return ToolbarTable; }

}  // namespace alacrity
