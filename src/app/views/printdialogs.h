// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The print dialog, the print preview and the page setup dialog of File >
// Print, Print Preview and Print Setup, with a hook so tests can stand in for
// them: a test hands the printer to a PDF file and lets the pages be painted
// without any dialog on screen.

#include <functional>

class QPrinter;
class QWidget;

namespace alacrity {

// Paints the report on the printer it is given.
using PaintPages = std::function<void(QPrinter& printer)>;

// The print dialog for a report of `pageCount` pages; true to print.
bool RunPrintDialog(QWidget* parent, QPrinter& printer, int pageCount);
// The print preview, painting with `paint`, until it is closed (printing
// from the preview also paints with `paint`).
void RunPrintPreview(QWidget* parent, QPrinter& printer, const PaintPages& paint);
// Page size, orientation and margins; true for OK.
bool RunPageSetupDialog(QWidget* parent, QPrinter& printer);

enum class PrintDialogKind { Print, Preview, PageSetup };
// Replaces the three while set: gets the kind, the printer and (for the
// preview) the painting, and returns what the dialog would. Pass an empty
// function to restore the dialogs.
using PrintDialogHook =
    std::function<bool(PrintDialogKind kind, QPrinter& printer, const PaintPages& paint)>;
void SetPrintDialogHook(PrintDialogHook hook);

}  // namespace alacrity
