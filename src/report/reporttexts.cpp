// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/reporttexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <vector>

#include "report/displaynumbers.h"
#include "report/texttemplate.h"

namespace alacrity {
namespace {

constexpr const char* Context = "Report";
constexpr const char* NameLabel = QT_TRANSLATE_NOOP("Report", "Name: ");

// Whole texts, looked up as they stand or without their padding.
[[maybe_unused]] constexpr const char* WholeTexts[] = {
    QT_TRANSLATE_NOOP("Report", "DIGITAL REPORT"),
    QT_TRANSLATE_NOOP("Report", "SPLIT REPORT"),
    QT_TRANSLATE_NOOP("Report", "Result of Your Alacrity test"),
    QT_TRANSLATE_NOOP("Report", "No\n(#)"),
    QT_TRANSLATE_NOOP("Report", "No (#)"),
    QT_TRANSLATE_NOOP("Report", "Object"),
    QT_TRANSLATE_NOOP("Report", "Generation Time\n(ms)"),
    QT_TRANSLATE_NOOP("Report", "Generation Time (ms)"),
    QT_TRANSLATE_NOOP("Report", "Alacrity Time\n(ms)"),
    QT_TRANSLATE_NOOP("Report", "Alacrity Time (ms)"),
    QT_TRANSLATE_NOOP("Report", "Total Time\n(ms)"),
    QT_TRANSLATE_NOOP("Report", "Total Time (ms)"),
    QT_TRANSLATE_NOOP("Report", "Quality"),
    QT_TRANSLATE_NOOP("Report", "correct"),
    QT_TRANSLATE_NOOP("Report", "false"),
    QT_TRANSLATE_NOOP("Report", "Circle"),
    QT_TRANSLATE_NOOP("Report", "Cross"),
    QT_TRANSLATE_NOOP("Report", "Square"),
    QT_TRANSLATE_NOOP("Report", "Triangel"),
    // The timing block's lines without figures, and what a marked line means.
    QT_TRANSLATE_NOOP("Report", "Display delay: no stimulus painted"),
    QT_TRANSLATE_NOOP("Report", "Box rate: not measured (too few bytes)"),
    QT_TRANSLATE_NOOP("Report", "Display: unknown, refresh rate unknown"),
    QT_TRANSLATE_NOOP("Report", "Stimuli reached the screen a refresh or more after their count "
                                "began; times include that."),
    QT_TRANSLATE_NOOP("Report",
                      "The box's clock is off: every response time is off by the same share."),
    QT_TRANSLATE_NOOP("Report", "Bytes arrived in bursts: the converter's latency timer may be 16 "
                                "ms, or the host was busy."),
    QT_TRANSLATE_NOOP("Report", "The button bits change faster than fingers can: the box sends "
                                "garbage (a wrong rate, a loose line or another device), not "
                                "presses."),
    QT_TRANSLATE_NOOP("Report", "Answers bunched at the shortest time that counts were not given "
                                "by a person: the box sends presses by itself."),
    // The presented frames and the light sensor.
    QT_TRANSLATE_NOOP("Report", "Onset to presented: not reported by the display system"),
    QT_TRANSLATE_NOOP("Report",
                      "Presentation times: none (the display system reports no presented frames)"),
    QT_TRANSLATE_NOOP("Report",
                      "Presentation times: exact (page flips timed by the display hardware)"),
    QT_TRANSLATE_NOOP("Report", "Presentation times: frame-bounded (known to within one refresh)"),
    QT_TRANSLATE_NOOP("Report", "Presentation times: lower bound only (a compositor is in the way)"),
    QT_TRANSLATE_NOOP("Report",
                      "Presentation times: simulated clock (a virtual display: no physical meaning)"),
    QT_TRANSLATE_NOOP("Report", "Panel lag: not measured (a light sensor on the screen measures it)"),
    QT_TRANSLATE_NOOP("Report", "Some stimuli reached the screen over a refresh after their "
                                "hand-over, or were never reported shown; their response times "
                                "include that."),
    QT_TRANSLATE_NOOP("Report", "The screen's refresh adds up to one refresh interval that the "
                                "program cannot see; response times include it."),
    QT_TRANSLATE_NOOP("Report", "Each presented time is known only to within one refresh; response "
                                "times include the delay to the screen."),
    QT_TRANSLATE_NOOP("Report", "A compositor may show each frame a refresh or more after the time "
                                "given; response times include that delay."),
    QT_TRANSLATE_NOOP("Report", "The display is virtual: its times say nothing of a real screen, "
                                "whose refresh would add up to one refresh interval that response "
                                "times include."),
    QT_TRANSLATE_NOOP("Report", "The light sensor did not see every stimulus: it may sit off the "
                                "marker, or the marker was not drawn; those stimuli have no light "
                                "onset."),
    // A check of the box: its lines beyond the report's.
    QT_TRANSLATE_NOOP("Report", "Buttons held throughout: none"),
    QT_TRANSLATE_NOOP("Report", "The box stopped sending: it was switched off or unplugged, or its "
                                "line broke."),
    QT_TRANSLATE_NOOP("Report", "A button held for the whole check is stuck or wired wrongly: a "
                                "test waits for all buttons up before every stimulus."),
};

// Texts with figures in them: the figures are taken over into the
// translation with the operator's decimal sign. The more particular form
// comes first.
constexpr const char* Templates[] = {
    QT_TRANSLATE_NOOP("Report", "Display delay: median %1 ms, p99 %2 ms, max %3 ms (%4 stimuli)"),
    QT_TRANSLATE_NOOP("Report", "Box rate: %1 ± %2 bytes/s, %3 ± %4 ppm against the host clock"),
    QT_TRANSLATE_NOOP("Report", "Longest gap between bytes: %1 ms"),
    QT_TRANSLATE_NOOP("Report",
                      "Button changes: %1, at most %2 in one second; bounces (within 10 ms): %3"),
    QT_TRANSLATE_NOOP("Report", "Answers within 5 ms of the 69 ms floor: %1 of %2"),
    QT_TRANSLATE_NOOP("Report", "Onset to presented: median %1 ms, p99 %2 ms, max %3 ms (%4 "
                                "stimuli); missed a frame: %5"),
    QT_TRANSLATE_NOOP("Report",
                      "Panel lag: %1 ms, measured with a light sensor; included in onset to presented"),
    QT_TRANSLATE_NOOP("Report", "Onset to light: median %1 ms, p99 %2 ms, max %3 ms (%4 of %5 "
                                "stimuli seen)"),
    QT_TRANSLATE_NOOP("Report", "Onset to light: none of %1 stimuli seen"),
    QT_TRANSLATE_NOOP("Report", "Light after presented: median %1 ms, from %2 to %3 ms (%4 stimuli)"),
    QT_TRANSLATE_NOOP("Report", "The screen's refresh adds 0–%1 ms that the program cannot see; "
                                "response times include it."),
    QT_TRANSLATE_NOOP("Report", "Each presented time is known only to within one refresh (0–%1 "
                                "ms); response times include the delay to the screen."),
    QT_TRANSLATE_NOOP("Report", "A compositor may show each frame a refresh (%1 ms) or more after "
                                "the time given; response times include that delay."),
    QT_TRANSLATE_NOOP("Report", "The display is virtual: its times say nothing of a real screen, "
                                "whose refresh would add 0–%1 ms that response times include."),
    QT_TRANSLATE_NOOP("Report", "No bytes for the last %1 ms of the check"),
    QT_TRANSLATE_NOOP("Report", "Buttons held throughout: %1"),
    QT_TRANSLATE_NOOP("Report", "Display: unknown, %1 Hz refresh"),
    QT_TRANSLATE_NOOP("Report", "Display: %1, %2 Hz refresh"),
    QT_TRANSLATE_NOOP("Report", "Display: %1, refresh rate unknown"),
};

// Labels inside texts that also hold values (dates, counts, colours).
constexpr const char* Labels[] = {
    QT_TRANSLATE_NOOP("Report", "Date: "),
    QT_TRANSLATE_NOOP("Report", "at"),
    QT_TRANSLATE_NOOP("Report", "Total: "),
    QT_TRANSLATE_NOOP("Report", "Background: "),
    QT_TRANSLATE_NOOP("Report", "Page: "),
    QT_TRANSLATE_NOOP("Report", "square: "),
    QT_TRANSLATE_NOOP("Report", "circle: "),
    QT_TRANSLATE_NOOP("Report", "triangle: "),
    QT_TRANSLATE_NOOP("Report", "cross: "),
    QT_TRANSLATE_NOOP("Report", "Red"),
    QT_TRANSLATE_NOOP("Report", "Green"),
    QT_TRANSLATE_NOOP("Report", "Blue"),
    QT_TRANSLATE_NOOP("Report", "Yellow"),
    QT_TRANSLATE_NOOP("Report", "White"),
    QT_TRANSLATE_NOOP("Report", "Black"),
    QT_TRANSLATE_NOOP("Report", "Invalid"),
    QT_TRANSLATE_NOOP("Report", "Total responses:"),
    QT_TRANSLATE_NOOP("Report", "Correct responses:"),
    QT_TRANSLATE_NOOP("Report", "False responses:"),
    QT_TRANSLATE_NOOP("Report", "Mean alacrity time(ms):"),
    QT_TRANSLATE_NOOP("Report", "SD:"),
    QT_TRANSLATE_NOOP("Report", "Alacrity time average:"),
};

QString Translate(const QString& text) {
  const QByteArray source = text.toUtf8();
  return QCoreApplication::translate(Context, source.constData());
}

std::optional<QString> TranslateTemplate(const QString& text) {
  static const std::vector<TextTemplate> compiled = [] {
    std::vector<TextTemplate> all;
    for (const char* english : Templates) all.push_back(CompileTemplate(english));
    return all;
  }();
  for (std::size_t i = 0; i < compiled.size(); ++i) {
    if (auto filled = FillTemplate(compiled[i], text,
                                   QCoreApplication::translate(Context, Templates[i]),
                                   DisplayFigure)) {
      return filled;
    }
  }
  return std::nullopt;
}

// Every label in one pass, longest first, each only where it stands as a
// word of its own: a translation is never looked up again.
QString ReplaceLabels(const QString& text) {
  std::vector<QString> labels;
  for (const char* label : Labels) labels.push_back(QString::fromLatin1(label));
  std::sort(labels.begin(), labels.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
  QStringList alternatives;
  for (const QString& label : labels) alternatives.append(QRegularExpression::escape(label));
  static const QRegularExpression pattern(
      QStringLiteral("(?<![A-Za-z])(%1)(?![A-Za-z])").arg(alternatives.join(QLatin1Char('|'))));
  QString out;
  qsizetype at = 0;
  for (auto match = pattern.globalMatch(text); match.hasNext();) {
    const QRegularExpressionMatch found = match.next();
    out += text.mid(at, found.capturedStart() - at);
    out += Translate(found.captured(1));
    at = found.capturedEnd();
  }
  return out + text.mid(at);
}

}  // namespace

QString LocalizedReportText(const QString& text) {
  const QString name = QString::fromLatin1(NameLabel);
  if (text.startsWith(name)) return Translate(name) + text.mid(name.size());
  if (const QString whole = Translate(text); whole != text) return whole;
  const QString core = text.trimmed();
  if (!core.isEmpty() && core != text) {
    if (const QString translated = Translate(core); translated != core) {
      const qsizetype lead = text.indexOf(core);
      return text.left(lead) + translated + text.mid(lead + core.size());
    }
  }
  if (std::optional<QString> filled = TranslateTemplate(text)) return *filled;
  return ReplaceLabels(text);
}

}  // namespace alacrity
