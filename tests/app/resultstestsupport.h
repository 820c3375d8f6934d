// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the tests of the result views share: results made to order, the
// cells of the result list, and PDFs read back with poppler's tools.

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <initializer_list>

#include "data/document_data.h"

namespace alacrity {
class AlacrityList;
}

namespace alacrity::test {

// `count` answered stimuli: stimulus j shows object (j - 1) % 4, waits
// 1000 + 10 j ms and is answered after 300 + j ms with its own button, or
// with the next button for the stimuli in `wrong`. Sets resultsPresent and
// a fixed test time.
void FillResults(DocumentData& data, int count, std::initializer_list<int> wrong = {});

// The six cell texts of one row of the list, as shown.
QStringList CellsOf(const AlacrityList& list, int row);
int RowCountOf(const AlacrityList& list);

// The bounding box of the pixels in `area` that differ from `background`;
// empty when there are none.
QRect InkBounds(const QImage& image, const QRect& area, QRgb background);

// poppler-utils: the text of pages first..last (0: all) laid out as on the
// page, and the page count; an empty text and -1 when the tool failed.
bool HavePopplerTools();
QString PdfText(const QString& path, int firstPage = 0, int lastPage = 0);
int PdfPageCount(const QString& path);

// The words of a PDF with their boxes in points from the top left corner of
// their page (pdftotext -bbox); empty when the tool failed.
struct PdfWord {
  QString text;
  QRectF box;
};
QList<PdfWord> PdfWords(const QString& path);

}  // namespace alacrity::test
