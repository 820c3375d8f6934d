// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The interface languages: every translation source complete and faithful to
// its English text, the choice of language, the menus in German, the core's
// messages, the report texts and the charts looked up, the subject's start prompt per
// language, and --help and a wrong --language on the command line.

#include <QAction>
#include <QChart>
#include <QScatterSeries>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include "application/language.h"
#include "apptestsupport.h"
#include "chart/charts.h"
#include "commandids.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/commdlg.h"
#include "dialogs/customdlg.h"
#include "dialogs/dialoglayout.h"
#include "dialogs/messagebox.h"
#include "dialogs/performdlg.h"
#include "dialogs/protocoldlg.h"
#include "dialogs/stimulusscreendlg.h"
#include "dialogs/subjectdlg.h"
#include "dialogs/subjecttexts.h"
#include "link/serial_devices.h"
#include "report/displaynumbers.h"
#include "report/reporttexts.h"

namespace alacrity::test {
namespace {

struct Entry {
  QString context;
  QString source;
  QString translation;
  QString type;  // "unfinished", "obsolete", "vanished" or empty when done
};

QList<Entry> ReadTs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      entry = Entry{context, {}, {}, {}};
    } else if (xml.name() == QLatin1String("source")) {
      entry.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      entry.type = xml.attributes().value(QLatin1String("type")).toString();
      entry.translation = xml.readElementText();
      entries.append(entry);
    }
  }
  return xml.hasError() ? QList<Entry>{} : entries;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (auto match = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
       match.hasNext();) {
    found.append(match.next().captured());
  }
  found.sort();
  return found;
}

// The key of a caption's mnemonic, empty without one.
QString Mnemonic(const QString& caption) { return QKeySequence::mnemonic(caption).toString(); }

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
    SetMessageBoxHook({});
  }

  void everyTranslationIsCompleteAndFaithful_data() {
    QTest::addColumn<QString>("code");
    for (const char* code : {"de", "fr", "es"}) QTest::newRow(code) << QString::fromLatin1(code);
  }
  void everyTranslationIsCompleteAndFaithful() {
    QFETCH(QString, code);
    const QList<Entry> entries =
        ReadTs(QStringLiteral(ALACRITY_SOURCE_DIR "/translations/alacrity_%1.ts").arg(code));
    QVERIFY(entries.size() > 200);
    for (const Entry& e : entries) {
      const QByteArray where = (e.context + QLatin1String(": ") + e.source).toUtf8();
      QVERIFY2(e.type.isEmpty(), where.constData());
      QVERIFY2(!e.translation.trimmed().isEmpty(), where.constData());
      // What the code fills in or splits on must survive the translation.
      QVERIFY2(Placeholders(e.translation) == Placeholders(e.source), where.constData());
      QVERIFY2(e.translation.count(QLatin1Char('\n')) == e.source.count(QLatin1Char('\n')),
               where.constData());
      QVERIFY2(
          e.translation.section(QLatin1Char('\t'), 1) == e.source.section(QLatin1Char('\t'), 1),
          where.constData());
      QVERIFY2(Mnemonic(e.translation).isEmpty() == Mnemonic(e.source).isEmpty(),
               where.constData());
    }
    // Built into the program under the same code.
    QVERIFY(AvailableLanguages().contains(code));
  }

  // A term of the English texts reads the same way in every entry of a
  // translation, in the words a lab there writes.
  void termsTranslatedAsLabsWriteThem_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("term");
    QTest::newRow("de") << "de" << "not instrument-grade" << "nicht messgenau";
    QTest::newRow("fr") << "fr" << "not instrument-grade" << "sans qualité métrologique";
    QTest::newRow("es") << "es" << "not instrument-grade" << "calidad metrológica";
  }
  void termsTranslatedAsLabsWriteThem() {
    QFETCH(QString, code);
    QFETCH(QString, english);
    QFETCH(QString, term);
    int found = 0;
    for (const Entry& e :
         ReadTs(QStringLiteral(ALACRITY_SOURCE_DIR "/translations/alacrity_%1.ts").arg(code))) {
      if (!e.source.contains(english)) continue;
      ++found;
      QVERIFY2(e.translation.contains(term), qPrintable(e.translation));
    }
    QVERIFY(found > 0);
  }

  void languageChoice_data() {
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("expected");
    QTest::newRow("option wins") << "fr" << QStringList{"de-DE"} << "fr";
    QTest::newRow("option with region") << "de_AT" << QStringList{} << "de";
    QTest::newRow("option unknown") << "xx" << QStringList{"de"} << "";
    QTest::newRow("system region") << "" << QStringList{"es-MX", "en-US"} << "es";
    QTest::newRow("first available") << "" << QStringList{"it-IT", "fr-CH"} << "fr";
    QTest::newRow("none available") << "" << QStringList{"it-IT"} << "en";
  }
  void languageChoice() {
    QFETCH(QString, requested);
    QFETCH(QStringList, system);
    QFETCH(QString, expected);
    QCOMPARE(ResolveLanguage(requested, system), expected);
  }

  void languageArgument() {
    const QString p = QStringLiteral("alacrity");
    QCOMPARE(LanguageArgument({p, QStringLiteral("--language"), QStringLiteral("de")}),
             QStringLiteral("de"));
    QCOMPARE(
        LanguageArgument({p, QStringLiteral("--keyboard-box"), QStringLiteral("--language=es")}),
        QStringLiteral("es"));
    QCOMPARE(LanguageArgument({p, QStringLiteral("--"), QStringLiteral("--language=es")}),
             QString());
    QCOMPARE(LanguageArgument({p}), QString());
  }

  void menusInGermanWithOwnMnemonics_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("de") << "de" << QStringList{"&Datei",   "&Proband",       "Ü&bung",
                                               "&Ansicht", "&Einstellungen", "&Info"};
    QTest::newRow("fr") << "fr" << QStringList{"&Fichier",   "&Sujet",         "&Exercice",
                                               "&Affichage", "&Configuration", "À &propos"};
    QTest::newRow("es") << "es" << QStringList{"&Archivo", "&Sujeto",        "&Ejercicio",
                                               "&Ver",     "&Configuración", "Acerca &de"};
  }
  void menusInGermanWithOwnMnemonics() {
    QFETCH(QString, code);
    QFETCH(QStringList, titles);
    InstallLanguage(*QCoreApplication::instance(), code);
    FrameFixture f;
    const QList<QAction*> menus = f.frame->menuBar()->actions();
    QStringList shown;
    for (const QAction* menu : menus) shown.append(menu->text());
    QCOMPARE(shown, titles);
    // Every menu and item can be reached by its own key in that language.
    const auto checkUnique = [](const QList<QAction*>& actions) {
      QStringList seen;
      for (const QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QString key = Mnemonic(action->text());
        QVERIFY2(!key.isEmpty() && !seen.contains(key), qPrintable(action->text()));
        seen.append(key);
      }
    };
    checkUnique(menus);
    for (const QAction* menu : menus) checkUnique(menu->menu()->actions());
    if (code == QLatin1String("de")) {
      QCOMPARE(f.frame->Action(IdPerform)->text(), QStringLiteral("&Durchführen"));
      QCOMPARE(f.frame->Action(IdFileOpen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    }
  }

  void coreMessagesShownTranslatedLineByLine() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    QStringList shown;
    SetMessageBoxHook([&](MessageKind, const QString& text) {
      shown.append(text);
      return false;
    });
    ShowMessageBox(nullptr,
                   QStringLiteral("Error in communication\n/dev/ttyUSB0: Permission denied"));
    ShowMessageBox(nullptr, QStringLiteral("Incompatible data"));
    // A fixed text with its reason on the same line: the reason stays.
    ShowMessageBox(nullptr, QStringLiteral("No journal can be written for this test, so its "
                                           "answers live only in memory until it is saved: "
                                           "/j/x: Read-only file system"));
    // Values inside a line are taken over into the translation.
    ShowMessageBox(nullptr, QStringLiteral("Stimulus 12 of the protocol has no valid object."));
    // A refusal's second line: the file, and the reason in the core's words.
    ShowMessageBox(nullptr, QStringLiteral("File Save Error\n/d/t.aly: is write-protected; nothing saved"));
    const LatencyTimerCheck slow{LatencyTimer::Slow, 16, "ttyUSB0", "/sys/t/latency_timer"};
    ShowMessageBox(nullptr, QString::fromStdString(LatencyTimerAdvice(slow)));
    const QString advice = shown.takeLast();
    QCOMPARE(shown, (QStringList{"Fehler in der Kommunikation\n/dev/ttyUSB0: Permission denied",
                                 "Inkompatible Daten",
                                 "Für diesen Test kann kein Journal geschrieben werden; seine "
                                 "Antworten liegen bis zum Speichern nur im Arbeitsspeicher: "
                                 "/j/x: Read-only file system",
                                 "Reiz 12 des Protokolls hat kein gültiges Objekt.",
                                 "Fehler beim Speichern der Datei\n"
                                 "/d/t.aly: ist schreibgeschützt; nichts gespeichert"}));
    // A value that stands twice, and a command on its own line left as it is.
    QVERIFY2(advice.startsWith(
                 QStringLiteral("Der Latenz-Timer des Wandlers ttyUSB0 steht auf 16 ms")),
             qPrintable(advice));
    QVERIFY(advice.contains(QStringLiteral("bis zu 16 ms verspätet")));
    QVERIFY(advice.endsWith(QStringLiteral(":\necho 1 | sudo tee /sys/t/latency_timer")));
  }

  void designatedDirectoryWarningInEveryLanguage() {
    const char* english = "You are saving the file outside the subject's designated directory.";
    QStringList shown;
    for (const char* code : {"en", "de", "fr", "es"}) {
      InstallLanguage(*QCoreApplication::instance(), QString::fromLatin1(code));
      shown.append(QCoreApplication::translate("alacrity::CMainFrame", english));
    }
    QCOMPARE(shown.first(), QString::fromLatin1(english));
    QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 4);
  }

  void reportTextsLookedUpAroundTheirValues_data() {
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("title") << "DIGITAL REPORT"
                           << "DIGITALER BERICHT";
    QTest::newRow("padded cell") << "   correct"
                                 << "   richtig";
    QTest::newRow("page") << "Page: 2/3"
                          << "Seite: 2/3";
    QTest::newRow("shapes") << "square:  Red                circle:  Green"
                            << "Quadrat:  Rot                Kreis:  Grün";
    // The subject's name is data: never looked up.
    QTest::newRow("name") << "Name: Red Total"
                          << "Name: Red Total";
    QTest::newRow("number") << "  1234"
                            << "  1234";
    // The timing block: figures with the German decimal comma, the display
    // server taken over as it stands.
    QTest::newRow("timing figures")
        << "Display delay: median 1.50 ms, p99 2.25 ms, max 9.00 ms (12 stimuli)"
        << "Anzeigeverzögerung: Median 1,50 ms, p99 2,25 ms, max. 9,00 ms (12 Reize)";
    QTest::newRow("timing signed figures")
        << "Box rate: 1439.994 ± 0.003 bytes/s, -4.2 ± 2.1 ppm against the host clock"
        << "Senderate der Box: 1439,994 ± 0,003 Bytes/s, -4,2 ± 2,1 ppm gegenüber der Rechneruhr";
    QTest::newRow("timing display") << "Display: Wayland (weston), 60 Hz refresh"
                                    << "Anzeige: Wayland (weston), 60 Hz Bildwiederholrate";
    QTest::newRow("timing display version") << "Display: X11 1.21.1, 60 Hz refresh"
                                            << "Anzeige: X11 1.21.1, 60 Hz Bildwiederholrate";
    QTest::newRow("timing unknown display") << "Display: unknown, 75 Hz refresh"
                                            << "Anzeige: unbekannt, 75 Hz Bildwiederholrate";
  }
  void reportTextsLookedUpAroundTheirValues() {
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(LocalizedReportText(english), english);  // no translator: unchanged
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    QCOMPARE(LocalizedReportText(english), german);
  }

  // The decimal sign of the window's own figures: the system's where it
  // speaks the interface language or the interface is English, else the
  // language's usual one.
  void figuresTakeTheOperatorsDecimalSign_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German on C") << "de" << "C" << "1440,5";
    QTest::newRow("French on US English") << "fr" << "en_US" << "1440,5";
    QTest::newRow("Spanish on Spain") << "es" << "es_ES" << "1440,5";
    QTest::newRow("German on Switzerland") << "de" << "de_CH" << "1440.5";
    QTest::newRow("Spanish on Mexico") << "es" << "es_MX" << "1440.5";
    QTest::newRow("English on C") << "en" << "C" << "1440.5";
    QTest::newRow("English on Germany") << "en" << "de_DE" << "1440,5";
  }
  void figuresTakeTheOperatorsDecimalSign() {
    QFETCH(QString, code);
    QFETCH(QString, system);
    QFETCH(QString, shown);
    SetDisplayNumberLocale(NumberLocaleFor(code, QLocale(system)));
    QCOMPARE(DisplayDecimal(1440.5, 1), shown);
    QCOMPARE(DisplayFigure(QStringLiteral("1440.5")), shown);
    // Whole numbers, signs, percentages and anything else.
    const QChar sign = shown.at(4);
    for (const char* figure : {"-0.25", "16.7 %"}) {
      const QString core = QString::fromLatin1(figure);
      QCOMPARE(DisplayFigure(core), QString(core).replace(QLatin1Char('.'), sign));
    }
    for (const char* kept : {"1440", "+120", "X11 1.21.1", "1.5.2", "v1.5", ""}) {
      QCOMPARE(DisplayFigure(QString::fromLatin1(kept)), QString::fromLatin1(kept));
    }
  }

  void chartsInTheInterfaceLanguageWithEnglishObjectNames() {
    ChartFigures figures;
    figures.stimulusCount = 1;
    figures.points = {{1, 0, 300.0, false}};
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    const std::unique_ptr<QChart> chart = MakeTimeCourseChart(figures);
    QCOMPARE(chart->title(), QStringLiteral("Reaktionszeit je Reiz"));
    const auto* circles = chart->findChild<QScatterSeries*>(QStringLiteral("Circle"));
    QVERIFY(circles != nullptr);
    QCOMPARE(circles->name(), QStringLiteral("Kreis"));
    const auto* rings = chart->findChild<QScatterSeries*>(QString::fromLatin1(FalseAnswerSeriesName));
    QVERIFY(rings != nullptr);
    QCOMPARE(rings->name(), QStringLiteral("Falsche Antwort"));
  }

  // The window manager cuts a title that does not fit beside its buttons.
  void dialogTitlesFitTheirTitleBars_data() {
    QTest::addColumn<QString>("code");
    for (const char* code : {"en", "de", "fr", "es"}) {
      QTest::newRow(code) << QString::fromLatin1(code);
    }
  }
  void dialogTitlesFitTheirTitleBars() {
    QFETCH(QString, code);
    InstallLanguage(*QCoreApplication::instance(), code);
    DocumentData data;
    PerformChoice choice;
    const QString directory = QDir::tempPath();
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CCustomDlg>(data));
    dialogs.push_back(std::make_unique<CProtocolDlg>(data, directory));
    dialogs.push_back(std::make_unique<CPerformDlg>(data, directory, choice));
    dialogs.push_back(std::make_unique<CCommDlg>(data));
    dialogs.push_back(std::make_unique<CSubjectDlg>(data));
    dialogs.push_back(std::make_unique<CAboutDlg>());
    dialogs.push_back(std::make_unique<CStimulusScreenDlg>());
    for (const auto& dialog : dialogs) {
      dialog->adjustSize();
      QVERIFY2(TitleBarWidth(*dialog) <= dialog->width(), qPrintable(dialog->windowTitle()));
    }
  }

  void startPromptPerLanguage() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    QCOMPARE(SubjectStartPrompt(), QStringLiteral("Zum Starten eine beliebige Taste drücken"));
    StoreStartPrompt(QStringLiteral("de"), QStringLiteral("  Bitte   die Taste drücken "));
    QCOMPARE(SubjectStartPrompt(), QStringLiteral("Bitte die Taste drücken"));
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
    QCOMPARE(SubjectStartPrompt(), QStringLiteral("Press any button to start"));
    // A blank prompt would show the subject nothing: it goes back to the built-in one.
    StoreStartPrompt(QStringLiteral("de"), QStringLiteral("   "));
    QCOMPARE(StoredStartPrompt(QStringLiteral("de")), QString());
  }

  void helpAndWrongLanguageOnTheCommandLine() {
    QProcess help;
    help.start(QStringLiteral(ALACRITY_PROGRAM),
               {QStringLiteral("--language"), QStringLiteral("de"), QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(20000));
    QCOMPARE(help.exitCode(), 0);
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Misst Reaktionszeiten")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("--language <CODE>")));

    QProcess wrong;
    wrong.start(QStringLiteral(ALACRITY_PROGRAM),
                {QStringLiteral("--language=xx"), QStringLiteral("--help")});
    QVERIFY(wrong.waitForFinished(20000));
    QCOMPARE(wrong.exitCode(), 1);
    QVERIFY(QString::fromUtf8(wrong.readAllStandardError()).contains(QStringLiteral("\"xx\"")));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::LanguageTest)
#include "language_test.moc"
