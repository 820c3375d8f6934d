// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultstestsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cstddef>

#include "views/alacritylist.h"

namespace alacrity::test {
namespace {

// Runs a poppler tool to its end; nothing when it could not run or failed.
QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

void FillResults(DocumentData& data, int count, std::initializer_list<int> wrong) {
  TestResults& results = data.results;
  results = TestResults{};
  results.responseCount = count;
  results.testTime = 1173103389;  // 5 March 2007, 14:03:09 UTC
  for (int j = 1; j <= count; ++j) {
    const auto i = static_cast<std::size_t>(j);
    const int32_t object = (j - 1) % 4;
    const bool isWrong = std::find(wrong.begin(), wrong.end(), j) != wrong.end();
    results.objectIndex[i] = object;
    results.buttonIndex[i] = isWrong ? (object + 1) % 4 : object;
    results.generationMs[i] = 1000 + 10 * j;
    results.responseMs[i] = 300 + j;
  }
  data.resultsPresent = 1;
}

QStringList CellsOf(const AlacrityList& list, int row) {
  QStringList cells;
  const QTreeWidgetItem* item = list.topLevelItem(row);
  if (item == nullptr) return cells;
  for (int column = 0; column < list.columnCount(); ++column) cells.append(item->text(column));
  return cells;
}

int RowCountOf(const AlacrityList& list) { return list.topLevelItemCount(); }

QRect InkBounds(const QImage& image, const QRect& area, QRgb background) {
  QRect bounds;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFu) != (background & 0xFFFFFFu)) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

bool HavePopplerTools() {
  return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString PdfText(const QString& path, int firstPage, int lastPage) {
  QStringList arguments{QStringLiteral("-layout")};
  if (firstPage > 0) arguments << QStringLiteral("-f") << QString::number(firstPage);
  if (lastPage > 0) arguments << QStringLiteral("-l") << QString::number(lastPage);
  arguments << path << QStringLiteral("-");
  return RunTool(QStringLiteral("pdftotext"), arguments);
}

QList<PdfWord> PdfWords(const QString& path) {
  static const QRegularExpression word(
      QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                     "yMax=\"([\\d.]+)\">([^<]*)</word>"));
  QList<PdfWord> words;
  const QString html =
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
    const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
    words.append({m.captured(5), QRectF(topLeft, bottomRight)});
  }
  return words;
}

int PdfPageCount(const QString& path) {
  const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
  for (const QString& line : info.split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
  }
  return -1;
}

}  // namespace alacrity::test
