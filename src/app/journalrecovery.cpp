// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journalrecovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include "alacrityview.h"
#include "appcontext.h"
#include "data/run_journal.h"
#include "data/text_encoding.h"
#include "engine/run_recovery.h"
#include "localpath.h"
#include "mainframe.h"
#include "messagebox.h"
#include "subjectregister.h"

namespace alacrity {
namespace {

// The message boxes' catalogue: the texts are translated here, with their
// values in, and the boxes leave a translated text as it is.
QString Text(const char* english) { return QCoreApplication::translate("Message", english); }

QString FileName(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.filename().string()));
}

QString SubjectName(const JournalImage& image) {
  const SubjectInfo& subject = image.setUp.subject;
  return subject.name.empty() ? Text(QT_TRANSLATE_NOOP("Message", "a subject without a name"))
                              : QString::fromStdString(ToDisplayUtf8(subject.name));
}

QString TestTimeText(const JournalImage& image) {
  // The journal keeps the low 32 bits of the calendar time, as data files do.
  const QDateTime time = QDateTime::fromSecsSinceEpoch(
      static_cast<qint64>(static_cast<uint32_t>(image.setUp.testTime)));
  return time.toString(QStringLiteral("dd.MM.yyyy, HH:mm:ss"));
}

QString RestoreQuestion(const JournalImage& image) {
  return Text(QT_TRANSLATE_NOOP("Message",
                                "An unsaved test of %1 from %2 with %3 answered stimuli was found. "
                                "Restore it?"))
      .arg(SubjectName(image), TestTimeText(image))
      .arg(image.answers.size());
}

// Says what goes for good: the test, its subject, its answers and the file.
QString DeleteQuestion(const FoundJournal& found) {
  const JournalImage& image = *found.parsed.image;
  return Text(QT_TRANSLATE_NOOP("Message",
                                "Delete the unsaved test of %1 from %2 with %3 answered stimuli "
                                "for good? Its journal %4 is then removed; No keeps it for the "
                                "next start."))
      .arg(SubjectName(image), TestTimeText(image))
      .arg(image.answers.size())
      .arg(QFile::decodeName(QByteArray::fromStdString(found.path.string())));
}

void ReportUnreadable(CMainFrame& frame, const FoundJournal& found) {
  const QString name = FileName(found.path);
  if (found.parsed.message == MessageNewerJournal) {
    ShowMessageBox(&frame, Text(QT_TRANSLATE_NOOP("Message",
                                                  "The journal %1 was written by a newer version "
                                                  "of alacrity and is left as it is."))
                               .arg(name));
    return;
  }
  // Never deleted: what is left of it may still matter to someone.
  const std::filesystem::path aside = SetAsideDamagedJournal(found.path);
  ShowMessageBox(&frame, aside.empty()
                             ? Text(QT_TRANSLATE_NOOP("Message",
                                                    "The journal %1 is damaged and could not be "
                                                    "renamed."))
                                   .arg(name)
                             : Text(QT_TRANSLATE_NOOP("Message",
                                                    "The journal %1 is damaged; it was renamed to "
                                                    "%2."))
                                   .arg(name, FileName(aside)));
}

}  // namespace

void RecoverJournals(CMainFrame& frame, AppContext& context) {
  JournalKeeper* keeper = context.journal;
  if (keeper == nullptr) return;
  DocumentData& data = context.data;
  RemoveStaleJournalTemporaries(keeper->Directory());
  for (const FoundJournal& found : FindJournals(keeper->Directory())) {
    if (!found.parsed.image) {
      ReportUnreadable(frame, found);
      continue;
    }
    const JournalImage& image = *found.parsed.image;
    // Nothing was answered, so nothing can be lost.
    if (image.answers.empty()) {
      (void)RemoveJournalFile(found.path);
      continue;
    }
    if (!AskQuestion(&frame, RestoreQuestion(image))) {
      if (AskQuestion(&frame, DeleteQuestion(found), PresetAnswer::No)) {
        (void)RemoveJournalFile(found.path);
      }
      continue;
    }
    // A test restored a moment ago is not replaced unasked; when its save
    // does not happen, this journal waits for the next start.
    if (data.dataSaved == 0 && AskQuestion(&frame, QStringLiteral("Data not saved. Save?")) &&
        !frame.SaveDataCommand()) {
      continue;
    }
    // Another program may have taken it meanwhile.
    if (!keeper->Hold(found.path)) continue;
    RestoreJournalledRun(image, data);
    frame.View().AdoptTiming(JournalledTiming(image));
    if (UsesSubjectRegister() && data.subject != SubjectInfo{}) {
      // The subject tested becomes the register's current one, as when a
      // data file of theirs is opened, so Save files the results for them.
      RegisterAdoptSubject(data.subject);
    }
    frame.View().ShowRestoredRun(static_cast<PerformMode>(image.setUp.performMode));
  }
}

}  // namespace alacrity
