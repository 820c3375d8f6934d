#include "commandtable.h"

#include <array>

#include "commandids.h"

namespace alacrity {
namespace {

// The framework's own commands carry the framework's standard prompts; the
// program's own commands have a prompt only where one was ever written.
constexpr std::array<CommandSpec, 29> CommandTable = {{
    {IdFileNew, "actionNew", "&New", "Ctrl+N", "Create a new document", "New", "", true},
    {IdFileOpen, "actionOpen", "&Open...\tCtrl+O", "Ctrl+O", "Open an existing document", "Open",
     "std:open", true},
    // Ctrl+S runs the program's Save: a framework save of the (empty)
    // document would only write an empty file.
    {IdFileSave, "actionSave", "&Save", "Ctrl+S", "", "", "std:save", true},
    {IdFilePrint, "actionPrint", "&Print...\tCtrl+P", "Ctrl+P", "Print the active document", "Print",
     ":/icons/print.svg", true},
    {IdFilePrintPreview, "actionPrintPreview", "Print Pre&view", "", "Display full pages",
     "Print Preview", "", true},
    {IdFilePrintSetup, "actionPrintSetup", "P&rint Setup...", "",
     "Change the printer and printing options", "Print Setup", "", true},
    {IdAppExit, "actionExit", "E&xit", "", "Quit the application; prompts to save documents", "Exit",
     "", true},
    {IdSubjectInfo, "actionSubjectInfo", "&Subject Info", "", "", "", ":/icons/subject.svg", true},
    {IdPerform, "actionPerform", "&Perform", "", "", "", ":/icons/perform.svg", true},
    {IdCheck, "actionCheck", "&Check", "", "", "", ":/icons/check.svg", true},
    {IdResponseByResponse, "actionResponseByResponse", "&Response by Response", "", "", "",
     ":/icons/response.svg", true},
    {IdSplitSummary, "actionSplitSummary", "&Split Summary", "", "", "", ":/icons/split.svg", true},
    {IdResult, "actionResult", "Res&ult", "", "Result", "", ":/icons/result.svg", true},
    {IdCustomConfiguration, "actionCustomConfiguration", "&Custom Configuration", "", "", "",
     ":/icons/custom.svg", true},
    {IdCreateProtocol, "actionCreateProtocol", "C&reate protocol", "", "Create new protocol",
     "Create new protocol", ":/icons/createprotocol.svg", true},
    {IdCommPort, "actionCommPort", "CO&MM Port", "", "", "", ":/icons/commport.svg", true},
    // Captions are UTF-8: this one's ellipsis is a single character.
    {IdStimulusScreen, "actionStimulusScreen", "S&timulus Screen…", "",
     "Choose the monitor that shows tests and device checks", "Stimulus Screen", "", true},
    {IdOpenConfiguration, "actionOpenConfiguration", "&Open Configuration", "", "", "",
     ":/icons/openconfig.svg", true},
    {IdSaveConfiguration, "actionSaveConfiguration", "&Save Configuration", "", "", "",
     ":/icons/saveconfig.svg", true},
    {IdOpenProtocol, "actionOpenProtocol", "Open &protocol", "", "Open protocol file", "",
     ":/icons/openprotocol.svg", true},
    {IdSaveProtocol, "actionSaveProtocol", "Sa&ve protocol", "", "Save protocol file", "",
     ":/icons/saveprotocol.svg", true},
    {IdAppAbout, "actionAbout", "&About alacrity...", "",
     "Display program information, version number and copyright", "About", "std:about", true},
    {IdShowNeutralView, "actionShowNeutralView", "", "", "", "", "", true},
    {IdStart, "actionStart", "Start", "", "", "", "", true},
    {IdStop, "actionStop", "Stop", "", "", "", "", true},
    {IdCopy, "actionCopy", "Copy", "", "", "", "", true},
    {IdCopyAll, "actionCopyAll", "Copy All", "", "", "", "", true},
    {IdExportCsv, "actionExportCsv", "Export csv", "", "", "", "", true},
    {IdDelete, "actionDelete", "Delete", "", "", "", "", true},
}};

constexpr std::array FileItems = {IdFileOpen, IdFileSave, 0, IdFilePrint, IdFilePrintPreview,
                                  IdFilePrintSetup, 0, IdAppExit};
constexpr std::array SubjectItems = {IdSubjectInfo};
constexpr std::array ExerciseItems = {IdPerform, IdCheck};
constexpr std::array ViewItems = {IdResponseByResponse, IdSplitSummary, IdResult};
constexpr std::array SetupItems = {IdCustomConfiguration, IdCreateProtocol, IdCommPort,
                                   IdStimulusScreen, 0,
                                   IdOpenConfiguration, IdSaveConfiguration, IdOpenProtocol,
                                   IdSaveProtocol};
constexpr std::array AboutItems = {IdAppAbout};

constexpr std::array<MenuEntry, 6> MenuTable = {{
    {"&File", FileItems},
    {"&Subject", SubjectItems},
    {"&Exercise", ExerciseItems},
    {"&View", ViewItems},
    {"Se&tup", SetupItems},
    {"&About", AboutItems},
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
