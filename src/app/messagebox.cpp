// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

#include "report/texttemplate.h"

namespace alacrity {
namespace {

// Core messages with values inside a line: the values are taken over into
// the translation.
constexpr const char* CoreTemplates[] = {
    QT_TRANSLATE_NOOP("Message", "Stimulus %1 of the protocol has no valid object."),
    QT_TRANSLATE_NOOP("Message",
                      "The latency timer of the converter %1 is %2 ms: it holds received bytes "
                      "back that long, so each new phase of a test reaches the screen up to %2 ms "
                      "late. The program may not change it. Install the package's udev rule and "
                      "replug the converter (the rule sets 1 ms), or set it until the next replug "
                      "with:"),
    // Below a refusal: the file and why, in the core's words (the system's
    // own reasons are shown as the system gives them).
    QT_TRANSLATE_NOOP("Message", "%1: is write-protected; nothing saved"),
    QT_TRANSLATE_NOOP("Message", "%1: Is not a regular file (a pipe, device or socket)"),
    QT_TRANSLATE_NOOP("Message", "%1: was written for another save of %2"),
    QT_TRANSLATE_NOOP("Message", "%1: is of another test than %2"),
    QT_TRANSLATE_NOOP("Message", "%1: is damaged at line %2"),
    QT_TRANSLATE_NOOP("Message", "%1: is no timing record this program wrote"),
    QT_TRANSLATE_NOOP("Message", "%1: names a data file, but %2 is none that opens"),
};

std::optional<QString> FromTemplate(const QString& line) {
  static const std::vector<TextTemplate> compiled = [] {
    std::vector<TextTemplate> all;
    for (const char* english : CoreTemplates) all.push_back(CompileTemplate(english));
    return all;
  }();
  for (std::size_t i = 0; i < compiled.size(); ++i) {
    if (auto filled = FillTemplate(compiled[i], line,
                                   QCoreApplication::translate("Message", CoreTemplates[i]))) {
      return filled;
    }
  }
  return std::nullopt;
}

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

// The core's messages are English; each line is shown in the interface
// language where the catalogue has it. A line that is not there (a device
// path, a text already translated) stays as it is.
QString Localized(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    const QByteArray source = line.toUtf8();
    const QString whole = QCoreApplication::translate("Message", source.constData());
    if (whole != line) {
      line = whole;
      continue;
    }
    if (std::optional<QString> filled = FromTemplate(line)) {
      line = *filled;
      continue;
    }
    // A fixed text ending in ": " and followed by a reason (a system error,
    // a path) is looked up without what follows it.
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    if (colon < 0) continue;
    const QString lead = line.left(colon + 2);
    const QByteArray leadSource = lead.toUtf8();
    const QString translated = QCoreApplication::translate("Message", leadSource.constData());
    if (translated != lead) line = translated + line.mid(colon + 2);
  }
  return lines.join(QLatin1Char('\n'));
}

void Label(QMessageBox& box, QMessageBox::StandardButton which, const char* text) {
  if (QAbstractButton* button = box.button(which))
    button->setText(QCoreApplication::translate("Message", text));
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

void ShowMessageBox(QWidget* parent, const QString& english) {
  const QString text = Localized(english);
  if (Hook()) {
    Hook()(MessageKind::Message, text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(MessageCaption), text, QMessageBox::Ok,
                  parent);
  Label(box, QMessageBox::Ok, QT_TRANSLATE_NOOP("Message", "OK"));
  box.exec();
}

bool AskQuestion(QWidget* parent, const QString& english, PresetAnswer preset) {
  const QString text = Localized(english);
  if (Hook()) return Hook()(MessageKind::Question, text);
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(MessageCaption), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(preset == PresetAnswer::No ? QMessageBox::No : QMessageBox::Yes);
  Label(box, QMessageBox::Yes, QT_TRANSLATE_NOOP("Message", "&Yes"));
  Label(box, QMessageBox::No, QT_TRANSLATE_NOOP("Message", "&No"));
  return box.exec() == QMessageBox::Yes;
}

}  // namespace alacrity
