<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Chart</name>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>False answer</source>
        <translation>Falsche Antwort</translation>
    </message>
    <message>
        <source>Running median</source>
        <translation>Gleitender Median</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Response time by stimulus</source>
        <translation>Reaktionszeit je Reiz</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Reiz</translation>
    </message>
    <message>
        <source>Correct response times per shape</source>
        <translation>Richtige Reaktionszeiten je Form</translation>
    </message>
    <message>
        <source>Outliers</source>
        <translation>Ausreißer</translation>
    </message>
    <message>
        <source>%1 (n = %2)</source>
        <translation>%1 (n = %2)</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Subject Info</source>
        <translation>&amp;Probandendaten</translation>
    </message>
    <message>
        <source>&amp;Perform</source>
        <translation>&amp;Durchführen</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Response by Response</source>
        <translation>&amp;Antwort für Antwort</translation>
    </message>
    <message>
        <source>&amp;Split Summary</source>
        <translation>&amp;Blockübersicht</translation>
    </message>
    <message>
        <source>Res&amp;ult</source>
        <translation>&amp;Ergebnis</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Custom Configuration</source>
        <translation>&amp;Eigene Konfiguration</translation>
    </message>
    <message>
        <source>C&amp;reate protocol</source>
        <translation>&amp;Protokoll erstellen</translation>
    </message>
    <message>
        <source>Create new protocol</source>
        <translation>Neues Protokoll erstellen</translation>
    </message>
    <message>
        <source>CO&amp;MM Port</source>
        <translation>CO&amp;M-Anschluss</translation>
    </message>
    <message>
        <source>S&amp;timulus Screen…</source>
        <translation>&amp;Reizbildschirm…</translation>
    </message>
    <message>
        <source>Choose the monitor that shows tests and device checks</source>
        <translation>Den Monitor wählen, der Tests und Geräteprüfungen zeigt</translation>
    </message>
    <message>
        <source>Stimulus Screen</source>
        <translation>Reizbildschirm</translation>
    </message>
    <message>
        <source>&amp;Open Configuration</source>
        <translation>Konfiguration ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>Konfiguration &amp;speichern</translation>
    </message>
    <message>
        <source>Open &amp;protocol</source>
        <translation>Protokoll öffne&amp;n</translation>
    </message>
    <message>
        <source>Open protocol file</source>
        <translation>Protokolldatei öffnen</translation>
    </message>
    <message>
        <source>Sa&amp;ve protocol</source>
        <translation>Protokoll spei&amp;chern</translation>
    </message>
    <message>
        <source>Save protocol file</source>
        <translation>Protokolldatei speichern</translation>
    </message>
    <message>
        <source>&amp;About alacrity...</source>
        <translation>Über &amp;alacrity...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformation, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Export csv</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Proband</translation>
    </message>
    <message>
        <source>&amp;Exercise</source>
        <translation>Ü&amp;bung</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>ALL Objects</source>
        <translation>ALLE Objekte</translation>
    </message>
    <message>
        <source>CIRCLE</source>
        <translation>KREIS</translation>
    </message>
    <message>
        <source>CROSS</source>
        <translation>KREUZ</translation>
    </message>
    <message>
        <source>SQUARE</source>
        <translation>QUADRAT</translation>
    </message>
    <message>
        <source>TRIANGEL</source>
        <translation>DREIECK</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Copy A&amp;ll</source>
        <translation>Alles k&amp;opieren</translation>
    </message>
    <message>
        <source>E&amp;xport csv</source>
        <translation>CSV e&amp;xportieren</translation>
    </message>
    <message>
        <source>St&amp;atistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>Check &amp;Display</source>
        <translation>&amp;Anzeige prüfen</translation>
    </message>
    <message>
        <source>Show frames on the stimulus screen and say whether its timing can be trusted</source>
        <translation>Bilder auf dem Reizbildschirm zeigen und sagen, ob seinem Timing zu trauen ist</translation>
    </message>
    <message>
        <source>Check Display</source>
        <translation>Anzeige prüfen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Measures reaction times to visual stimuli.</source>
        <translation>Misst Reaktionszeiten auf visuelle Reize.</translation>
    </message>
    <message>
        <source>Use keys 1-4 as the response box (times are not instrument-grade).</source>
        <translation>Die Tasten 1-4 als Antwortbox verwenden (die Zeiten sind nicht messgenau).</translation>
    </message>
    <message>
        <source>Take screenshots of the main window, the test screens and the device check into DIR, then quit.</source>
        <translation>Bildschirmfotos des Hauptfensters, der Testbildschirme und der Geräteprüfung in DIR ablegen, dann beenden.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>VERZ</translation>
    </message>
    <message>
        <source>Check the station: name the display server and the stimulus screen, run a device check and a test of 3 stimuli on the response box, print how it went and quit (status 1 on failure).</source>
        <translation>Den Messplatz prüfen: Anzeigeserver und Reizbildschirm nennen, eine Geräteprüfung und einen Test mit 3 Reizen an der Antwortbox durchführen, das Ergebnis ausgeben und beenden (Status 1 bei einem Fehler).</translation>
    </message>
    <message>
        <source>Show the program in language CODE (%1) instead of the system&apos;s.</source>
        <translation>Das Programm in der Sprache CODE (%1) statt in der des Systems zeigen.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;; available: %2.</source>
        <translation>Unbekannte Sprache „%1“; verfügbar: %2.</translation>
    </message>
    <message>
        <source>Check the stimulus screen&apos;s timing: show frames on it for 2 seconds, print how far its presented times can be trusted and what to change, and quit (status 0 only when they can be trusted).</source>
        <translation>Das Timing des Reizbildschirms prüfen: 2 Sekunden lang Bilder darauf zeigen, ausgeben, wie weit seinen Darstellungszeiten zu trauen ist und was zu ändern ist, und beenden (Status 0 nur, wenn ihnen zu trauen ist).</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Random Time</source>
        <translation>Zufallszeit</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Feste Zeit</translation>
    </message>
    <message>
        <source>S&amp;quare</source>
        <translation>&amp;Quadrat</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Kreis</translation>
    </message>
    <message>
        <source>&amp;Triangel</source>
        <translation>&amp;Dreieck</translation>
    </message>
    <message>
        <source>Cr&amp;oss</source>
        <translation>Kreu&amp;z</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Triangel</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Bac&amp;kground color</source>
        <translation>&amp;Hintergrundfarbe</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>Not Accepted</source>
        <translation>Nicht angenommen</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Voice Signal</source>
        <translation>&amp;Tonsignal</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Time &amp;before (ms):</source>
        <translation>&amp;Vorlauf (ms):</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>Alacrity CFG Files (*.alycfg)</source>
        <translation>Alacrity-Konfigurationsdateien (*.alycfg)</translation>
    </message>
    <message>
        <source>Alacrity Protocol Files (*.alyprt)</source>
        <translation>Alacrity-Protokolldateien (*.alyprt)</translation>
    </message>
    <message>
        <source>ALACRITY protocol Files (*.alyprt)</source>
        <translation>ALACRITY-Protokolldateien (*.alyprt)</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>, scaled %1 %</source>
        <translation>, skaliert %1 %</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1 (the chosen %2 is not connected)</source>
        <translation>%1 (der gewählte %2 ist nicht angeschlossen)</translation>
    </message>
    <message>
        <source>The check was stopped before its end: nothing was judged.</source>
        <translation>Die Prüfung wurde vor ihrem Ende abgebrochen: nichts wurde beurteilt.</translation>
    </message>
    <message>
        <source>This display can be trusted for timing: each stimulus&apos;s presented time is exact.</source>
        <translation>Dieser Anzeige ist beim Timing zu trauen: die Darstellungszeit jedes Reizes ist exakt.</translation>
    </message>
    <message>
        <source>This display is usable for timing: each stimulus&apos;s presented time may be off by up to %1 ms, one refresh.</source>
        <translation>Diese Anzeige ist für das Timing brauchbar: die Darstellungszeit jedes Reizes kann um bis zu %1 ms abweichen, eine Bildwiederholung.</translation>
    </message>
    <message>
        <source>This display tells nothing of its frames: when a stimulus reached the screen cannot be known.</source>
        <translation>Diese Anzeige meldet nichts über ihre Bilder: wann ein Reiz den Bildschirm erreichte, ist nicht zu erfahren.</translation>
    </message>
    <message>
        <source>This display cannot be trusted for timing.</source>
        <translation>Dieser Anzeige ist beim Timing nicht zu trauen.</translation>
    </message>
    <message>
        <source>tells nothing of its frames</source>
        <translation>meldet nichts über ihre Bilder</translation>
    </message>
    <message>
        <source>asked through %1</source>
        <translation>befragt über %1</translation>
    </message>
    <message>
        <source>behind a compositor</source>
        <translation>hinter einem Compositor</translation>
    </message>
    <message>
        <source>a virtual display</source>
        <translation>eine virtuelle Anzeige</translation>
    </message>
    <message>
        <source>%1 shown, none asked about</source>
        <translation>%1 gezeigt, keines erfragt</translation>
    </message>
    <message>
        <source>%1 shown, %2 reported, %3 a refresh late, %4 never reported</source>
        <translation>%1 gezeigt, %2 gemeldet, %3 eine Bildwiederholung zu spät, %4 nie gemeldet</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 ms (%2 Hz) as claimed, not measured</source>
        <translation>%1 ms (%2 Hz) laut Angabe, nicht gemessen</translation>
    </message>
    <message>
        <source>%1 ms (%2 Hz), steady within %3 ms</source>
        <translation>%1 ms (%2 Hz), gleichmäßig auf %3 ms</translation>
    </message>
    <message>
        <source>not reported</source>
        <translation>nicht gemeldet</translation>
    </message>
    <message>
        <source>median %1 ms, p99 %2 ms, max %3 ms</source>
        <translation>Median %1 ms, p99 %2 ms, max. %3 ms</translation>
    </message>
    <message>
        <source>page flip</source>
        <translation>Seitenwechsel (Page Flip)</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>composed by a compositor</source>
        <translation>von einem Compositor zusammengesetzt</translation>
    </message>
    <message>
        <source>exact: a page flip with the hardware&apos;s own time</source>
        <translation>exakt: ein Seitenwechsel mit der eigenen Zeit der Hardware</translation>
    </message>
    <message>
        <source>within one refresh</source>
        <translation>auf eine Bildwiederholung genau</translation>
    </message>
    <message>
        <source>lower bound only: shown at that time at the earliest</source>
        <translation>nur Untergrenze: frühestens zu dieser Zeit gezeigt</translation>
    </message>
    <message>
        <source>simulated clock: no physical meaning</source>
        <translation>simulierte Uhr: ohne physikalische Bedeutung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>%1 ms, measured with a light sensor</source>
        <translation>%1 ms, mit einem Lichtsensor gemessen</translation>
    </message>
    <message>
        <source>Use a display server that reports its frames (the X Present extension, Wayland&apos;s presentation-time protocol), or measure each stimulus with a light sensor.</source>
        <translation>Einen Display-Server verwenden, der seine Bilder meldet (die X-Present-Erweiterung, das presentation-time-Protokoll von Wayland), oder jeden Reiz mit einem Lichtsensor messen.</translation>
    </message>
    <message>
        <source>Run the tests in an X11 or Wayland session on the stimulus screen: only there can the display say when each frame was shown; elsewhere only a light sensor can.</source>
        <translation>Die Tests in einer X11- oder Wayland-Sitzung auf dem Reizbildschirm durchführen: nur dort kann die Anzeige sagen, wann jedes Bild gezeigt wurde; sonst kann es nur ein Lichtsensor.</translation>
    </message>
    <message>
        <source>Check the station&apos;s real screen: a virtual display has no physical frame clock, so its times say nothing of what a subject sees.</source>
        <translation>Den echten Bildschirm der Station prüfen: eine virtuelle Anzeige hat keine physikalische Bilduhr, ihre Zeiten sagen also nichts darüber, was ein Proband sieht.</translation>
    </message>
    <message>
        <source>Turn off the compositor, or run the tests in a full-screen session without one: a compositor shows each frame a refresh or more after the program hands it over.</source>
        <translation>Den Compositor abschalten oder die Tests in einer Vollbildsitzung ohne Compositor durchführen: ein Compositor zeigt jedes Bild eine Bildwiederholung oder mehr nach der Übergabe durch das Programm.</translation>
    </message>
    <message>
        <source>Let the display flip the frames instead of copying them (a full-screen window, no compositor, the driver&apos;s page flipping): a copy&apos;s time is known only to within one refresh.</source>
        <translation>Die Anzeige die Bilder per Seitenwechsel statt als Kopie zeigen lassen (ein Vollbildfenster, kein Compositor, Page Flipping des Treibers): die Zeit einer Kopie ist nur auf eine Bildwiederholung genau bekannt.</translation>
    </message>
    <message>
        <source>Fix the refresh rate: turn off variable refresh (adaptive sync) and the screen&apos;s power saving; the refresh varied by %1 ms.</source>
        <translation>Die Bildwiederholrate festlegen: variable Bildwiederholung (Adaptive Sync) und den Energiesparmodus des Bildschirms abschalten; die Bildwiederholung schwankte um %1 ms.</translation>
    </message>
    <message>
        <source>Set the screen&apos;s mode again: it refreshes at %1 Hz, not at the %2 Hz it claims.</source>
        <translation>Den Modus des Bildschirms neu einstellen: er wiederholt mit %1 Hz, nicht mit den angegebenen %2 Hz.</translation>
    </message>
    <message>
        <source>Close other programs and turn off the compositor: %1 of %2 frames reached the screen a refresh late or never.</source>
        <translation>Andere Programme schließen und den Compositor abschalten: %1 von %2 Bildern erreichten den Bildschirm eine Bildwiederholung zu spät oder nie.</translation>
    </message>
    <message>
        <source>Measure the panel&apos;s own lag with a light sensor and enter it in Setup &gt; Stimulus Screen: no software can see it.</source>
        <translation>Die eigene Verzögerung des Panels mit einem Lichtsensor messen und unter Einstellungen &gt; Reizbildschirm eintragen: keine Software kann sie sehen.</translation>
    </message>
    <message>
        <source>Stimulus screen:</source>
        <translation>Reizbildschirm:</translation>
    </message>
    <message>
        <source>Display system:</source>
        <translation>Anzeigesystem:</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Refresh:</source>
        <translation>Bildwiederholung:</translation>
    </message>
    <message>
        <source>Hand-over to presented:</source>
        <translation>Übergabe bis Darstellung:</translation>
    </message>
    <message>
        <source>Presented by:</source>
        <translation>Dargestellt durch:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Panel lag:</source>
        <translation>Panelverzögerung:</translation>
    </message>
    <message>
        <source>What to change:</source>
        <translation>Was zu ändern ist:</translation>
    </message>
</context>
<context>
    <name>DisplayServer</name>
    <message>
        <source>a %1 compositor</source>
        <translation>einen %1-Compositor</translation>
    </message>
    <message>
        <source>the %1 compositor %2</source>
        <translation>den %1-Compositor %2</translation>
    </message>
    <message>
        <source> (%1 ms at %2 Hz)</source>
        <translation> (%1 ms bei %2 Hz)</translation>
    </message>
    <message>
        <source>Shown through %1: each picture reaches the screen about one frame%2 later than in an X11 session.</source>
        <translation>Angezeigt über %1: Jedes Bild erreicht den Bildschirm etwa ein Einzelbild%2 später als in einer X11-Sitzung.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Error opening file</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message>
        <source>Incompatible data</source>
        <translation>Inkompatible Daten</translation>
    </message>
    <message>
        <source>Incompatible protocol</source>
        <translation>Inkompatibles Protokoll</translation>
    </message>
    <message>
        <source>Damaged data file</source>
        <translation>Beschädigte Datendatei</translation>
    </message>
    <message>
        <source>Damaged protocol file</source>
        <translation>Beschädigte Protokolldatei</translation>
    </message>
    <message>
        <source>Error in communication</source>
        <translation>Fehler in der Kommunikation</translation>
    </message>
    <message>
        <source>Data not saved. Save?</source>
        <translation>Daten nicht gespeichert. Speichern?</translation>
    </message>
    <message>
        <source>The response box stopped sending. Press Stop: the answers so far are kept.</source>
        <translation>Die Antwortbox sendet nicht mehr. Stopp drücken: Die bisherigen Antworten bleiben erhalten.</translation>
    </message>
    <message>
        <source>The protocol must hold between 1 and 1199 stimuli.</source>
        <translation>Das Protokoll muss zwischen 1 und 1199 Reize enthalten.</translation>
    </message>
    <message>
        <source>The number of stimuli must be between 1 and 1199.</source>
        <translation>Die Anzahl der Reize muss zwischen 1 und 1199 liegen.</translation>
    </message>
    <message>
        <source>Select at least one object to be generated.</source>
        <translation>Mindestens ein zu erzeugendes Objekt auswählen.</translation>
    </message>
    <message>
        <source>The lower time limit must not be above the upper time limit.</source>
        <translation>Die untere Zeitgrenze darf nicht über der oberen liegen.</translation>
    </message>
    <message>
        <source>No protocol loaded</source>
        <translation>Kein Protokoll geladen</translation>
    </message>
    <message>
        <source>No item was selected!</source>
        <translation>Kein Eintrag ausgewählt!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>No journal can be written for this test, so its answers live only in memory until it is saved: </source>
        <translation>Für diesen Test kann kein Journal geschrieben werden; seine Antworten liegen bis zum Speichern nur im Arbeitsspeicher: </translation>
    </message>
    <message>
        <source>The journal of this test could not be written to the end. Save the results before closing the program.</source>
        <translation>Das Journal dieses Tests konnte nicht bis zum Ende geschrieben werden. Vor dem Schließen des Programms die Ergebnisse speichern.</translation>
    </message>
    <message>
        <source>a subject without a name</source>
        <translation>Proband ohne Namen</translation>
    </message>
    <message>
        <source>An unsaved test of %1 from %2 with %3 answered stimuli was found. Restore it?</source>
        <translation>Ein nicht gespeicherter Test wurde gefunden: %1, %2, %3 beantwortete Reize. Wiederherstellen?</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of alacrity and is left as it is.</source>
        <translation>Das Journal %1 wurde von einer neueren Version von alacrity geschrieben und bleibt unverändert.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and could not be renamed.</source>
        <translation>Das Journal %1 ist beschädigt und konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged; it was renamed to %2.</source>
        <translation>Das Journal %1 ist beschädigt; es wurde in %2 umbenannt.</translation>
    </message>
    <message>
        <source>Stimulus %1 of the protocol has no valid object.</source>
        <translation>Reiz %1 des Protokolls hat kein gültiges Objekt.</translation>
    </message>
    <message>
        <source>The latency timer of the converter %1 is %2 ms: it holds received bytes back that long, so each new phase of a test reaches the screen up to %2 ms late. The program may not change it. Install the package&apos;s udev rule and replug the converter (the rule sets 1 ms), or set it until the next replug with:</source>
        <translation>Der Latenz-Timer des Wandlers %1 steht auf %2 ms: Er hält empfangene Bytes so lange zurück, sodass jede neue Phase eines Tests bis zu %2 ms verspätet auf dem Bildschirm erscheint. Das Programm darf ihn nicht ändern. Die udev-Regel des Pakets installieren und den Wandler neu anstecken (die Regel setzt 1 ms), oder ihn bis zum nächsten Anstecken so setzen:</translation>
    </message>
    <message>
        <source>Delete the unsaved test of %1 from %2 with %3 answered stimuli for good? Its journal %4 is then removed; No keeps it for the next start.</source>
        <translation>Den nicht gespeicherten Test (%1, %2, %3 beantwortete Reize) endgültig löschen? Sein Journal %4 wird dann entfernt; Nein behält es für den nächsten Start.</translation>
    </message>
    <message>
        <source>%1: is write-protected; nothing saved</source>
        <translation>%1: ist schreibgeschützt; nichts gespeichert</translation>
    </message>
    <message>
        <source>%1: Is not a regular file (a pipe, device or socket)</source>
        <translation>%1: Ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Socket)</translation>
    </message>
    <message>
        <source>%1: was written for another save of %2</source>
        <translation>%1: wurde für eine andere Speicherung von %2 geschrieben</translation>
    </message>
    <message>
        <source>%1: is of another test than %2</source>
        <translation>%1: gehört zu einem anderen Test als %2</translation>
    </message>
    <message>
        <source>%1: is damaged at line %2</source>
        <translation>%1: ist in Zeile %2 beschädigt</translation>
    </message>
    <message>
        <source>%1: is no timing record this program wrote</source>
        <translation>%1: ist keine Zeitaufzeichnung dieses Programms</translation>
    </message>
    <message>
        <source>%1: names a data file, but %2 is none that opens</source>
        <translation>%1: nennt eine Datendatei, aber %2 lässt sich nicht als solche öffnen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The subject register is not open.</source>
        <translation>Das Probandenregister ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The subject register&apos;s dialogs need a window system.</source>
        <translation>Die Dialoge des Probandenregisters brauchen ein Fenstersystem.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>male</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>female</source>
        <translation>weiblich</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>unknown database error</source>
        <translation>unbekannter Datenbankfehler</translation>
    </message>
    <message>
        <source>The database driver for %1 is not installed.</source>
        <translation>Der Datenbanktreiber für %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The subject register %1</source>
        <translation>Das Probandenregister %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The subject register on %1</source>
        <translation>Das Probandenregister auf %1</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the register is not open</source>
        <translation>das Register ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The subject register is busy: %1</source>
        <translation>Das Probandenregister ist belegt: %1</translation>
    </message>
    <message>
        <source>No subject register directory was given.</source>
        <translation>Es wurde kein Verzeichnis für das Probandenregister angegeben.</translation>
    </message>
    <message>
        <source>The subject register&apos;s directory %1 could not be created.</source>
        <translation>Das Verzeichnis %1 des Probandenregisters konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The subject register is not open.</source>
        <translation>Das Probandenregister ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The directory %1 could not be created.</source>
        <translation>Das Verzeichnis %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>the register has no version</source>
        <translation>das Register hat keine Version</translation>
    </message>
    <message>
        <source>the register was written by a newer program (version %1; this program knows up to version %2); it was left as it is</source>
        <translation>das Register wurde von einem neueren Programm geschrieben (Version %1; dieses Programm kennt bis Version %2); es blieb unverändert</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is no port number</source>
        <translation>der Port „%1“ ist keine Portnummer</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; may not contain &apos;;&apos;</source>
        <translation>der Wert von „%1“ darf kein ‚;‘ enthalten</translation>
    </message>
    <message>
        <source>it is not a valid address</source>
        <translation>sie ist keine gültige Adresse</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; lacks its closing quote</source>
        <translation>dem Wert von „%1“ fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>the default server</source>
        <translation>der Standardserver</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>only postgresql:// addresses are understood</source>
        <translation>nur postgresql://-Adressen werden verstanden</translation>
    </message>
    <message>
        <source>The subject register&apos;s database connection cannot be used: %1.</source>
        <translation>Die Datenbankverbindung des Probandenregisters kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>The subject is no longer in the register.</source>
        <translation>Der Proband ist nicht mehr im Register.</translation>
    </message>
    <message>
        <source>The subject register&apos;s directory %1 does not exist.</source>
        <translation>Das Verzeichnis %1 des Probandenregisters existiert nicht.</translation>
    </message>
    <message>
        <source>The subject register cannot be used: %1</source>
        <translation>Das Probandenregister kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The subject could not be added: %1</source>
        <translation>Der Proband konnte nicht hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>The subject could not be changed: %1</source>
        <translation>Der Proband konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>The current subject could not be set: %1</source>
        <translation>Der aktuelle Proband konnte nicht gesetzt werden: %1</translation>
    </message>
    <message>
        <source>The subject of the data file could not be registered: %1</source>
        <translation>Der Proband der Datendatei konnte nicht registriert werden: %1</translation>
    </message>
    <message>
        <source>The subject&apos;s directory could not be named: %1</source>
        <translation>Das Verzeichnis des Probanden konnte nicht benannt werden: %1</translation>
    </message>
    <message>
        <source>The subject&apos;s directory %1 could not be created.</source>
        <translation>Das Verzeichnis %1 des Probanden konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>DIGITAL REPORT</source>
        <translation>DIGITALER BERICHT</translation>
    </message>
    <message>
        <source>SPLIT REPORT</source>
        <translation>BLOCKBERICHT</translation>
    </message>
    <message>
        <source>Result of Your Alacrity test</source>
        <translation>Ergebnis Ihres Reaktionstests</translation>
    </message>
    <message>
        <source>No
(#)</source>
        <translation>Nr.
(#)</translation>
    </message>
    <message>
        <source>No (#)</source>
        <translation>Nr. (#)</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Generation Time
(ms)</source>
        <translation>Wartezeit
(ms)</translation>
    </message>
    <message>
        <source>Generation Time (ms)</source>
        <translation>Wartezeit (ms)</translation>
    </message>
    <message>
        <source>Alacrity Time
(ms)</source>
        <translation>Reaktionszeit
(ms)</translation>
    </message>
    <message>
        <source>Alacrity Time (ms)</source>
        <translation>Reaktionszeit (ms)</translation>
    </message>
    <message>
        <source>Total Time
(ms)</source>
        <translation>Gesamtzeit
(ms)</translation>
    </message>
    <message>
        <source>Total Time (ms)</source>
        <translation>Gesamtzeit (ms)</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>false</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Triangel</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>at</source>
        <translation>um</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Gesamt: </translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Hintergrund: </translation>
    </message>
    <message>
        <source>Page: </source>
        <translation>Seite: </translation>
    </message>
    <message>
        <source>square: </source>
        <translation>Quadrat: </translation>
    </message>
    <message>
        <source>circle: </source>
        <translation>Kreis: </translation>
    </message>
    <message>
        <source>triangle: </source>
        <translation>Dreieck: </translation>
    </message>
    <message>
        <source>cross: </source>
        <translation>Kreuz: </translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>Total responses:</source>
        <translation>Alle Antworten:</translation>
    </message>
    <message>
        <source>Correct responses:</source>
        <translation>Richtige Antworten:</translation>
    </message>
    <message>
        <source>False responses:</source>
        <translation>Falsche Antworten:</translation>
    </message>
    <message>
        <source>Mean alacrity time(ms):</source>
        <translation>Mittlere Reaktionszeit (ms):</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>SD:</translation>
    </message>
    <message>
        <source>Alacrity time average:</source>
        <translation>Mittlere Reaktionszeit:</translation>
    </message>
    <message>
        <source>Display delay: no stimulus painted</source>
        <translation>Anzeigeverzögerung: kein Reiz gezeichnet</translation>
    </message>
    <message>
        <source>Box rate: not measured (too few bytes)</source>
        <translation>Senderate der Box: nicht gemessen (zu wenige Bytes)</translation>
    </message>
    <message>
        <source>Display: unknown, refresh rate unknown</source>
        <translation>Anzeige: unbekannt, Bildwiederholrate unbekannt</translation>
    </message>
    <message>
        <source>Stimuli reached the screen a refresh or more after their count began; times include that.</source>
        <translation>Reize erreichten den Bildschirm eine Bildwiederholung oder mehr nach Beginn ihrer Zählung; die Zeiten schließen das ein.</translation>
    </message>
    <message>
        <source>The box&apos;s clock is off: every response time is off by the same share.</source>
        <translation>Die Uhr der Box weicht ab: Jede Reaktionszeit weicht um denselben Anteil ab.</translation>
    </message>
    <message>
        <source>Bytes arrived in bursts: the converter&apos;s latency timer may be 16 ms, or the host was busy.</source>
        <translation>Bytes kamen stoßweise an: Der Latenz-Timer des Wandlers steht vielleicht auf 16 ms, oder der Rechner war ausgelastet.</translation>
    </message>
    <message>
        <source>Display delay: median %1 ms, p99 %2 ms, max %3 ms (%4 stimuli)</source>
        <translation>Anzeigeverzögerung: Median %1 ms, p99 %2 ms, max. %3 ms (%4 Reize)</translation>
    </message>
    <message>
        <source>Longest gap between bytes: %1 ms</source>
        <translation>Längste Lücke zwischen Bytes: %1 ms</translation>
    </message>
    <message>
        <source>Display: unknown, %1 Hz refresh</source>
        <translation>Anzeige: unbekannt, %1 Hz Bildwiederholrate</translation>
    </message>
    <message>
        <source>Display: %1, %2 Hz refresh</source>
        <translation>Anzeige: %1, %2 Hz Bildwiederholrate</translation>
    </message>
    <message>
        <source>Display: %1, refresh rate unknown</source>
        <translation>Anzeige: %1, Bildwiederholrate unbekannt</translation>
    </message>
    <message>
        <source>The button bits change faster than fingers can: the box sends garbage (a wrong rate, a loose line or another device), not presses.</source>
        <translation>Die Tastenbits wechseln schneller, als Finger es können: Die Box sendet Datenmüll (falsche Rate, lose Leitung oder ein anderes Gerät), keine Tastendrücke.</translation>
    </message>
    <message>
        <source>Answers bunched at the shortest time that counts were not given by a person: the box sends presses by itself.</source>
        <translation>Antworten, die sich an der kürzesten zählbaren Zeit häufen, gab keine Person: Die Box sendet von selbst Tastendrücke.</translation>
    </message>
    <message>
        <source>Buttons held throughout: none</source>
        <translation>Durchgehend gedrückte Tasten: keine</translation>
    </message>
    <message>
        <source>The box stopped sending: it was switched off or unplugged, or its line broke.</source>
        <translation>Die Box hat aufgehört zu senden: Sie wurde ausgeschaltet oder abgezogen, oder ihre Leitung ist unterbrochen.</translation>
    </message>
    <message>
        <source>A button held for the whole check is stuck or wired wrongly: a test waits for all buttons up before every stimulus.</source>
        <translation>Eine während der ganzen Prüfung gedrückte Taste klemmt oder ist falsch verdrahtet: Ein Test wartet vor jedem Reiz, bis alle Tasten losgelassen sind.</translation>
    </message>
    <message>
        <source>Box rate: %1 ± %2 bytes/s, %3 ± %4 ppm against the host clock</source>
        <translation>Senderate der Box: %1 ± %2 Bytes/s, %3 ± %4 ppm gegenüber der Rechneruhr</translation>
    </message>
    <message>
        <source>Button changes: %1, at most %2 in one second; bounces (within 10 ms): %3</source>
        <translation>Tastenwechsel: %1, höchstens %2 in einer Sekunde; Prellen (innerhalb von 10 ms): %3</translation>
    </message>
    <message>
        <source>Answers within 5 ms of the 69 ms floor: %1 of %2</source>
        <translation>Antworten bis 5 ms über der Untergrenze von 69 ms: %1 von %2</translation>
    </message>
    <message>
        <source>No bytes for the last %1 ms of the check</source>
        <translation>Keine Bytes in den letzten %1 ms der Prüfung</translation>
    </message>
    <message>
        <source>Buttons held throughout: %1</source>
        <translation>Durchgehend gedrückte Tasten: %1</translation>
    </message>
    <message>
        <source>Onset to presented: not reported by the display system</source>
        <translation>Beginn bis Darstellung: vom Anzeigesystem nicht gemeldet</translation>
    </message>
    <message>
        <source>Presentation times: none (the display system reports no presented frames)</source>
        <translation>Darstellungszeiten: keine (das Anzeigesystem meldet keine dargestellten Bilder)</translation>
    </message>
    <message>
        <source>Presentation times: exact (page flips timed by the display hardware)</source>
        <translation>Darstellungszeiten: genau (Bildwechsel, von der Grafikhardware gestempelt)</translation>
    </message>
    <message>
        <source>Presentation times: frame-bounded (known to within one refresh)</source>
        <translation>Darstellungszeiten: auf ein Bild genau (bis auf eine Bildwiederholung bekannt)</translation>
    </message>
    <message>
        <source>Presentation times: lower bound only (a compositor is in the way)</source>
        <translation>Darstellungszeiten: nur Untergrenze (ein Compositor steht dazwischen)</translation>
    </message>
    <message>
        <source>Presentation times: simulated clock (a virtual display: no physical meaning)</source>
        <translation>Darstellungszeiten: simulierte Uhr (virtuelle Anzeige, ohne physikalische Bedeutung)</translation>
    </message>
    <message>
        <source>Panel lag: not measured (a light sensor on the screen measures it)</source>
        <translation>Panelverzögerung: nicht gemessen (ein Lichtsensor am Bildschirm misst sie)</translation>
    </message>
    <message>
        <source>Some stimuli reached the screen over a refresh after their hand-over, or were never reported shown; their response times include that.</source>
        <translation>Einige Reize erschienen über eine Bildwiederholung nach der Übergabe oder wurden nie als dargestellt gemeldet; ihre Reaktionszeiten enthalten das.</translation>
    </message>
    <message>
        <source>The screen&apos;s refresh adds up to one refresh interval that the program cannot see; response times include it.</source>
        <translation>Die Bildwiederholung des Bildschirms fügt bis zu ein Wiederholintervall hinzu, das das Programm nicht sieht; die Reaktionszeiten enthalten es.</translation>
    </message>
    <message>
        <source>Each presented time is known only to within one refresh; response times include the delay to the screen.</source>
        <translation>Jede Darstellungszeit ist nur auf eine Bildwiederholung genau bekannt; die Reaktionszeiten enthalten die Verzögerung bis zum Bildschirm.</translation>
    </message>
    <message>
        <source>A compositor may show each frame a refresh or more after the time given; response times include that delay.</source>
        <translation>Ein Compositor kann jedes Bild eine Bildwiederholung oder mehr nach der angegebenen Zeit zeigen; die Reaktionszeiten enthalten diese Verzögerung.</translation>
    </message>
    <message>
        <source>The display is virtual: its times say nothing of a real screen, whose refresh would add up to one refresh interval that response times include.</source>
        <translation>Die Anzeige ist virtuell: ihre Zeiten sagen nichts über einen echten Bildschirm, dessen Bildwiederholung bis zu ein Wiederholintervall hinzufügen würde, das die Reaktionszeiten enthalten.</translation>
    </message>
    <message>
        <source>The light sensor did not see every stimulus: it may sit off the marker, or the marker was not drawn; those stimuli have no light onset.</source>
        <translation>Der Lichtsensor hat nicht jeden Reiz gesehen: er sitzt vielleicht neben der Markierung, oder die Markierung wurde nicht gezeichnet; diese Reize haben keinen Lichtbeginn.</translation>
    </message>
    <message>
        <source>Onset to presented: median %1 ms, p99 %2 ms, max %3 ms (%4 stimuli); missed a frame: %5</source>
        <translation>Beginn bis Darstellung: Median %1 ms, p99 %2 ms, max. %3 ms (%4 Reize); ein Bild verpasst: %5</translation>
    </message>
    <message>
        <source>Panel lag: %1 ms, measured with a light sensor; included in onset to presented</source>
        <translation>Panelverzögerung: %1 ms, mit einem Lichtsensor gemessen; in Beginn bis Darstellung enthalten</translation>
    </message>
    <message>
        <source>Onset to light: median %1 ms, p99 %2 ms, max %3 ms (%4 of %5 stimuli seen)</source>
        <translation>Beginn bis Licht: Median %1 ms, p99 %2 ms, max. %3 ms (%4 von %5 Reizen gesehen)</translation>
    </message>
    <message>
        <source>Onset to light: none of %1 stimuli seen</source>
        <translation>Beginn bis Licht: keiner von %1 Reizen gesehen</translation>
    </message>
    <message>
        <source>Light after presented: median %1 ms, from %2 to %3 ms (%4 stimuli)</source>
        <translation>Licht nach Darstellung: Median %1 ms, von %2 bis %3 ms (%4 Reize)</translation>
    </message>
    <message>
        <source>The screen&apos;s refresh adds 0–%1 ms that the program cannot see; response times include it.</source>
        <translation>Die Bildwiederholung des Bildschirms fügt 0–%1 ms hinzu, die das Programm nicht sieht; die Reaktionszeiten enthalten sie.</translation>
    </message>
    <message>
        <source>Each presented time is known only to within one refresh (0–%1 ms); response times include the delay to the screen.</source>
        <translation>Jede Darstellungszeit ist nur auf eine Bildwiederholung genau bekannt (0–%1 ms); die Reaktionszeiten enthalten die Verzögerung bis zum Bildschirm.</translation>
    </message>
    <message>
        <source>A compositor may show each frame a refresh (%1 ms) or more after the time given; response times include that delay.</source>
        <translation>Ein Compositor kann jedes Bild eine Bildwiederholung (%1 ms) oder mehr nach der angegebenen Zeit zeigen; die Reaktionszeiten enthalten diese Verzögerung.</translation>
    </message>
    <message>
        <source>The display is virtual: its times say nothing of a real screen, whose refresh would add 0–%1 ms that response times include.</source>
        <translation>Die Anzeige ist virtuell: ihre Zeiten sagen nichts über einen echten Bildschirm, dessen Bildwiederholung 0–%1 ms hinzufügen würde, die die Reaktionszeiten enthalten.</translation>
    </message>
</context>
<context>
    <name>StatisticsTable</name>
    <message>
        <source>Answered</source>
        <translation>Beantwortet</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Fehlerquote</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>Q1</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>Q3</translation>
    </message>
    <message>
        <source>Trim. mean</source>
        <translation>Gest. Mittel</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>IES</source>
        <translation>IES</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
    </message>
</context>
<context>
    <name>Subject</name>
    <message>
        <source>Press any button to start</source>
        <translation>Zum Starten eine beliebige Taste drücken</translation>
    </message>
</context>
<context>
    <name>alacrity::CAboutDlg</name>
    <message>
        <source>alacrity Version %1</source>
        <translation>alacrity Version %1</translation>
    </message>
    <message>
        <source>About alacrity</source>
        <translation>Über alacrity</translation>
    </message>
    <message>
        <source>Reaction-time measurement</source>
        <translation>Messung der Reaktionszeit</translation>
    </message>
    <message>
        <source>Visual stimuli, four-button response box</source>
        <translation>Visuelle Reize, Antwortbox mit vier Tasten</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>&amp;License...</source>
        <translation>&amp;Lizenz...</translation>
    </message>
</context>
<context>
    <name>alacrity::CAlacrityView</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Internal error: interval</source>
        <translation>Interner Fehler: Intervall</translation>
    </message>
    <message>
        <source>You can delete only in &apos;ALL Objects&apos; mode !</source>
        <translation>Löschen ist nur in der Ansicht „ALLE Objekte“ möglich!</translation>
    </message>
    <message>
        <source>No lines were selected!</source>
        <translation>Keine Zeilen ausgewählt!</translation>
    </message>
    <message>
        <source>Are You Sure You want to delete
 selected lines?</source>
        <translation>Sollen die ausgewählten Zeilen
 wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>No items were selected!</source>
        <translation>Keine Einträge ausgewählt!</translation>
    </message>
    <message>
        <source>No bytes from the response box on %1.</source>
        <translation>Keine Bytes von der Antwortbox an %1.</translation>
    </message>
    <message>
        <source>measuring the rate</source>
        <translation>Rate wird gemessen</translation>
    </message>
    <message>
        <source>Box on %1: %2, longest gap %3 ms</source>
        <translation>Box an %1: %2, längste Lücke %3 ms</translation>
    </message>
    <message>
        <source>, latency timer %1 ms</source>
        <translation>, Latenz-Timer %1 ms</translation>
    </message>
    <message>
        <source>The statistics could not be written to
%1</source>
        <translation>Die Statistik konnte nicht gespeichert werden in
%1</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 Bytes/s</translation>
    </message>
    <message>
        <source>The sensor sees light.</source>
        <translation>Der Sensor sieht Licht.</translation>
    </message>
    <message>
        <source>The sensor sees dark.</source>
        <translation>Der Sensor sieht Dunkel.</translation>
    </message>
    <message>
        <source>Light sensor: tape it over the flashing marker in the %1 corner of this screen.</source>
        <translation>Lichtsensor: über der blinkenden Markierung in der Ecke %1 dieses Bildschirms festkleben.</translation>
    </message>
    <message>
        <source>It follows the marker: ready.</source>
        <translation>Er folgt der Markierung: bereit.</translation>
    </message>
    <message>
        <source>It does not follow the marker yet: centre it on the marker, shade it from the room&apos;s light or turn its module&apos;s screw.</source>
        <translation>Er folgt der Markierung noch nicht: ihn mittig auf die Markierung setzen, vor dem Raumlicht abschirmen oder die Stellschraube seines Moduls drehen.</translation>
    </message>
</context>
<context>
    <name>alacrity::CCommDlg</name>
    <message>
        <source>Communication port setup</source>
        <translation>COM-Anschluss einrichten</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Kommunikationsanschluss</translation>
    </message>
    <message>
        <source>standard: /dev/ttyS%1</source>
        <translation>Standard: /dev/ttyS%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
    <message>
        <source>The box has a light sensor on its fifth bit</source>
        <translation>Die Box hat einen Lichtsensor auf ihrem fünften Bit</translation>
    </message>
    <message>
        <source>A box built with a light sensor over the marker in a corner of the stimulus screen</source>
        <translation>Eine Box mit einem Lichtsensor über der Markierung in einer Ecke des Reizbildschirms</translation>
    </message>
</context>
<context>
    <name>alacrity::CCustomDlg</name>
    <message>
        <source>Custom setup</source>
        <translation>Eigene Einstellungen</translation>
    </message>
    <message>
        <source>&amp;No of Test stimuli:</source>
        <translation>&amp;Anzahl der Testreize:</translation>
    </message>
    <message>
        <source>&amp;Generation of Test stimuli after:</source>
        <translation>&amp;Erzeugung der Testreize nach:</translation>
    </message>
    <message>
        <source>Random Time &amp;Limits (100 - 5000 ms)</source>
        <translation>&amp;Grenzen der Zufallszeit (100 - 5000 ms)</translation>
    </message>
    <message>
        <source>Lo&amp;wer:</source>
        <translation>&amp;Untere:</translation>
    </message>
    <message>
        <source>&amp;Upper:</source>
        <translation>&amp;Obere:</translation>
    </message>
    <message>
        <source>&amp;Fixed Time (100 - 5000 ms)</source>
        <translation>&amp;Feste Zeit (100 - 5000 ms)</translation>
    </message>
    <message>
        <source>Color Assigment</source>
        <translation>Farbzuordnung</translation>
    </message>
    <message>
        <source>Ob&amp;ject to be generated</source>
        <translation>Zu erzeugende O&amp;bjekte</translation>
    </message>
    <message>
        <source>Fal&amp;se Response</source>
        <translation>Fa&amp;lsche Antwort</translation>
    </message>
</context>
<context>
    <name>alacrity::CDisplayCheckDlg</name>
    <message>
        <source>Display Check</source>
        <translation>Anzeige prüfen</translation>
    </message>
</context>
<context>
    <name>alacrity::CMainFrame</name>
    <message>
        <source>Test in progress.</source>
        <translation>Test läuft.</translation>
    </message>
    <message>
        <source>Data not saved. Save?</source>
        <translation>Daten nicht gespeichert. Speichern?</translation>
    </message>
    <message>
        <source>after 1 response</source>
        <translation>nach 1 Antwort</translation>
    </message>
    <message>
        <source>after each %1 responses</source>
        <translation>nach je %1 Antworten</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Dialog bar</source>
        <translation>Befehlsleiste</translation>
    </message>
    <message>
        <source>Keyboard box, keys 1-4: response times measured from the keyboard are not instrument-grade</source>
        <translation>Tastaturbox, Tasten 1-4: mit der Tastatur gemessene Reaktionszeiten sind nicht messgenau</translation>
    </message>
    <message>
        <source>You are saving the file outside the subject&apos;s designated directory.</source>
        <translation>Sie speichern die Datei außerhalb des für den Probanden vorgesehenen Verzeichnisses.</translation>
    </message>
    <message>
        <source>The subject register is not open. The results are saved without it, starting in the data directory.</source>
        <translation>Das Probandenregister ist nicht geöffnet. Die Ergebnisse werden ohne es gespeichert, beginnend im Datenverzeichnis.</translation>
    </message>
    <message>
        <source>Shown on the stimulus screen, %1.</source>
        <translation>Angezeigt auf dem Reizbildschirm, %1.</translation>
    </message>
    <message>
        <source>The stimulus screen %1 is not connected: shown on the main window&apos;s screen.</source>
        <translation>Der Reizbildschirm %1 ist nicht angeschlossen: Anzeige auf dem Bildschirm des Hauptfensters.</translation>
    </message>
    <message>
        <source>The timing record could not be written beside the data file: %1</source>
        <translation>Die Zeitaufzeichnung konnte nicht neben die Datendatei geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The timing record beside this data file is not used; saving the file replaces or removes it:
%1</source>
        <translation>Die Zeitaufzeichnung neben dieser Datendatei wird nicht verwendet; beim Speichern der Datei wird sie ersetzt oder entfernt:
%1</translation>
    </message>
</context>
<context>
    <name>alacrity::CPerformDlg</name>
    <message>
        <source>Perform</source>
        <translation>Durchführen</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Eigene Konfiguration</translation>
    </message>
    <message>
        <source>Number of stimuli to &amp;follow:</source>
        <translation>Anzahl der &amp;folgenden Reize:</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Load protocol</source>
        <translation>Protokoll &amp;laden</translation>
    </message>
    <message>
        <source>Protocol &amp;name:</source>
        <translation>Protokoll&amp;name:</translation>
    </message>
    <message>
        <source>No protocol loaded</source>
        <translation>Kein Protokoll geladen</translation>
    </message>
    <message>
        <source>no protocol loaded</source>
        <translation>kein Protokoll geladen</translation>
    </message>
</context>
<context>
    <name>alacrity::CProtocolDlg</name>
    <message>
        <source>The protocol is full: it holds at most %1 items.</source>
        <translation>Das Protokoll ist voll: Es fasst höchstens %1 Einträge.</translation>
    </message>
    <message>
        <source>No object was selected! Choose the object of the item.</source>
        <translation>Kein Objekt ausgewählt! Das Objekt des Eintrags wählen.</translation>
    </message>
    <message>
        <source>Protocol setup</source>
        <translation>Protokoll einrichten</translation>
    </message>
    <message>
        <source>&amp;Protocol name:</source>
        <translation>&amp;Protokollname:</translation>
    </message>
    <message>
        <source>&amp;Generation time (ms):</source>
        <translation>&amp;Erzeugungszeit (ms):</translation>
    </message>
    <message>
        <source>Ob&amp;ject</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Anfügen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Color Assigment</source>
        <translation>Farbzuordnung</translation>
    </message>
    <message>
        <source>Fasle &amp;Response</source>
        <translation>Falsche Ant&amp;wort</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>No item was selected!</source>
        <translation>Kein Eintrag ausgewählt!</translation>
    </message>
</context>
<context>
    <name>alacrity::CProtocolItemList</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Zeit (ms)</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
</context>
<context>
    <name>alacrity::CStimulusScreenDlg</name>
    <message>
        <source>Stimulus Screen</source>
        <translation>Reizbildschirm</translation>
    </message>
    <message>
        <source>&amp;Tests and device checks are shown in full screen on:</source>
        <translation>&amp;Tests und Geräteprüfungen erscheinen im Vollbild auf:</translation>
    </message>
    <message>
        <source>The main window&apos;s screen</source>
        <translation>Dem Bildschirm des Hauptfensters</translation>
    </message>
    <message>
        <source>%1 - not connected</source>
        <translation>%1 - nicht angeschlossen</translation>
    </message>
    <message>
        <source>Start &amp;prompt the subject reads (%1):</source>
        <translation>&amp;Startaufforderung für den Probanden (%1):</translation>
    </message>
    <message>
        <source>Panel &amp;lag measured with a light sensor (ms):</source>
        <translation>Panel&amp;verzögerung, mit einem Lichtsensor gemessen (ms):</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>Enter the panel&apos;s lag in milliseconds, from 0 to %1, or leave it empty while it is not measured.</source>
        <translation>Die Panelverzögerung in Millisekunden eingeben, von 0 bis %1, oder leer lassen, solange sie nicht gemessen ist.</translation>
    </message>
    <message>
        <source>Light sensor&apos;s marker, &amp;corner:</source>
        <translation>Markierung des Lichtsensors, &amp;Ecke:</translation>
    </message>
    <message>
        <source>Light sensor&apos;s marker, si&amp;ze (pixels):</source>
        <translation>Markierung des Lichtsensors, &amp;Größe (Pixel):</translation>
    </message>
</context>
<context>
    <name>alacrity::CSubjectDlg</name>
    <message>
        <source>Subject dialog</source>
        <translation>Probandendaten</translation>
    </message>
    <message>
        <source>&amp;female</source>
        <translation>w&amp;eiblich</translation>
    </message>
    <message>
        <source>&amp;male</source>
        <translation>&amp;männlich</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>Ge&amp;wicht</translation>
    </message>
    <message>
        <source>Comment &amp;1</source>
        <translation>Bemerkung &amp;1</translation>
    </message>
    <message>
        <source>Comment &amp;2</source>
        <translation>Bemerkung &amp;2</translation>
    </message>
    <message>
        <source>Comment &amp;3</source>
        <translation>Bemerkung &amp;3</translation>
    </message>
</context>
<context>
    <name>alacrity::StatisticsTable</name>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
</context>
<context>
    <name>prsrg::LoadDialog</name>
    <message>
        <source>Open test data</source>
        <translation>Testdaten öffnen</translation>
    </message>
    <message>
        <source>Where is the test data file?</source>
        <translation>Wo liegt die Testdatendatei?</translation>
    </message>
    <message>
        <source>In the subject&apos;s directory</source>
        <translation>Im Verzeichnis des Probanden</translation>
    </message>
    <message>
        <source>No subject is chosen.</source>
        <translation>Kein Proband gewählt.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>In the data directory</source>
        <translation>Im Datenverzeichnis</translation>
    </message>
    <message>
        <source>Files of any subject</source>
        <translation>Dateien beliebiger Probanden</translation>
    </message>
</context>
<context>
    <name>prsrg::SubjectDialog</name>
    <message>
        <source>Subjects</source>
        <translation>Probanden</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Nach Namen suchen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>The subject is no longer in the register.</source>
        <translation>Der Proband ist nicht mehr im Register.</translation>
    </message>
</context>
<context>
    <name>prsrg::SubjectEditDialog</name>
    <message>
        <source>New subject</source>
        <translation>Neuer Proband</translation>
    </message>
    <message>
        <source>Edit subject</source>
        <translation>Proband bearbeiten</translation>
    </message>
    <message>
        <source>female</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>male</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <translation>Ge&amp;wicht:</translation>
    </message>
    <message>
        <source>Comment &amp;1:</source>
        <translation>Bemerkung &amp;1:</translation>
    </message>
    <message>
        <source>Comment &amp;2:</source>
        <translation>Bemerkung &amp;2:</translation>
    </message>
    <message>
        <source>Comment &amp;3:</source>
        <translation>Bemerkung &amp;3:</translation>
    </message>
</context>
</TS>
