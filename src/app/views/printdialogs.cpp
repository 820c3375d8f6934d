// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/printdialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace alacrity {
namespace {

PrintDialogHook& Hook() {
  static PrintDialogHook hook;
  return hook;
}

}  // namespace

void SetPrintDialogHook(PrintDialogHook hook) { Hook() = std::move(hook); }

bool RunPrintDialog(QWidget* parent, QPrinter& printer, int pageCount) {
  if (Hook()) return Hook()(PrintDialogKind::Print, printer, {});
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, std::max(pageCount, 1));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog.exec() == QDialog::Accepted;
}

void RunPrintPreview(QWidget* parent, QPrinter& printer, const PaintPages& paint) {
  if (Hook()) {
    Hook()(PrintDialogKind::Preview, printer, paint);
    return;
  }
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName(QStringLiteral("printPreview"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* target) {
                     if (target != nullptr) paint(*target);
                   });
  preview.exec();
}

bool RunPageSetupDialog(QWidget* parent, QPrinter& printer) {
  if (Hook()) return Hook()(PrintDialogKind::PageSetup, printer, {});
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace alacrity
