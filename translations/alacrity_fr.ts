<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Chart</name>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>False answer</source>
        <translation>Réponse erronée</translation>
    </message>
    <message>
        <source>Running median</source>
        <translation>Médiane glissante</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Response time by stimulus</source>
        <translation>Temps de réaction par stimulus</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Stimulus</translation>
    </message>
    <message>
        <source>Correct response times per shape</source>
        <translation>Temps de réaction corrects par forme</translation>
    </message>
    <message>
        <source>Outliers</source>
        <translation>Valeurs aberrantes</translation>
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
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimer le document actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Afficher des pages entières</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configuration de l&apos;imp&amp;rimante...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Changer d&apos;imprimante et d&apos;options d&apos;impression</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Subject Info</source>
        <translation>&amp;Informations sur le sujet</translation>
    </message>
    <message>
        <source>&amp;Perform</source>
        <translation>&amp;Passer le test</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Response by Response</source>
        <translation>&amp;Réponse par réponse</translation>
    </message>
    <message>
        <source>&amp;Split Summary</source>
        <translation>&amp;Synthèse par blocs</translation>
    </message>
    <message>
        <source>Res&amp;ult</source>
        <translation>Rés&amp;ultat</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Custom Configuration</source>
        <translation>Configuration &amp;personnalisée</translation>
    </message>
    <message>
        <source>C&amp;reate protocol</source>
        <translation>&amp;Créer un protocole</translation>
    </message>
    <message>
        <source>Create new protocol</source>
        <translation>Créer un nouveau protocole</translation>
    </message>
    <message>
        <source>CO&amp;MM Port</source>
        <translation>Port CO&amp;M</translation>
    </message>
    <message>
        <source>S&amp;timulus Screen…</source>
        <translation>Écran des s&amp;timuli…</translation>
    </message>
    <message>
        <source>Choose the monitor that shows tests and device checks</source>
        <translation>Choisir l&apos;écran qui affiche les tests et les vérifications de l&apos;appareil</translation>
    </message>
    <message>
        <source>Stimulus Screen</source>
        <translation>Écran des stimuli</translation>
    </message>
    <message>
        <source>&amp;Open Configuration</source>
        <translation>&amp;Ouvrir la configuration</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Open &amp;protocol</source>
        <translation>Ouvrir &amp;le protocole</translation>
    </message>
    <message>
        <source>Open protocol file</source>
        <translation>Ouvrir un fichier de protocole</translation>
    </message>
    <message>
        <source>Sa&amp;ve protocol</source>
        <translation>Enre&amp;gistrer le protocole</translation>
    </message>
    <message>
        <source>Save protocol file</source>
        <translation>Enregistrer le fichier de protocole</translation>
    </message>
    <message>
        <source>&amp;About alacrity...</source>
        <translation>À &amp;propos d&apos;alacrity...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Export csv</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Sujet</translation>
    </message>
    <message>
        <source>&amp;Exercise</source>
        <translation>&amp;Exercice</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>ALL Objects</source>
        <translation>TOUS les objets</translation>
    </message>
    <message>
        <source>CIRCLE</source>
        <translation>CERCLE</translation>
    </message>
    <message>
        <source>CROSS</source>
        <translation>CROIX</translation>
    </message>
    <message>
        <source>SQUARE</source>
        <translation>CARRÉ</translation>
    </message>
    <message>
        <source>TRIANGEL</source>
        <translation>TRIANGLE</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Supprime&amp;r</translation>
    </message>
    <message>
        <source>Copy A&amp;ll</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>E&amp;xport csv</source>
        <translation>E&amp;xporter en CSV</translation>
    </message>
    <message>
        <source>St&amp;atistics</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Check &amp;Display</source>
        <translation>Vérifier l&apos;&amp;affichage</translation>
    </message>
    <message>
        <source>Show frames on the stimulus screen and say whether its timing can be trusted</source>
        <translation>Afficher des images sur l&apos;écran des stimuli et dire si sa chronométrie est fiable</translation>
    </message>
    <message>
        <source>Check Display</source>
        <translation>Vérifier l&apos;affichage</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Measures reaction times to visual stimuli.</source>
        <translation>Mesure les temps de réaction à des stimuli visuels.</translation>
    </message>
    <message>
        <source>Use keys 1-4 as the response box (times are not instrument-grade).</source>
        <translation>Utiliser les touches 1 à 4 comme boîtier de réponse (temps sans qualité métrologique).</translation>
    </message>
    <message>
        <source>Take screenshots of the main window, the test screens and the device check into DIR, then quit.</source>
        <translation>Enregistrer des captures de la fenêtre principale, des écrans de test et de la vérification de l&apos;appareil dans DIR, puis quitter.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Check the station: name the display server and the stimulus screen, run a device check and a test of 3 stimuli on the response box, print how it went and quit (status 1 on failure).</source>
        <translation>Vérifier le poste : nommer le serveur d&apos;affichage et l&apos;écran des stimuli, faire une vérification de l&apos;appareil et un test de 3 stimuli sur le boîtier de réponse, afficher le déroulement et quitter (code 1 en cas d&apos;échec).</translation>
    </message>
    <message>
        <source>Show the program in language CODE (%1) instead of the system&apos;s.</source>
        <translation>Afficher le programme dans la langue CODE (%1) au lieu de celle du système.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;; available: %2.</source>
        <translation>Langue inconnue « %1 » ; disponibles : %2.</translation>
    </message>
    <message>
        <source>Check the stimulus screen&apos;s timing: show frames on it for 2 seconds, print how far its presented times can be trusted and what to change, and quit (status 0 only when they can be trusted).</source>
        <translation>Vérifier la chronométrie de l&apos;écran des stimuli : y afficher des images pendant 2 secondes, indiquer dans quelle mesure ses temps de présentation sont fiables et ce qu&apos;il faut changer, puis quitter (statut 0 seulement s&apos;ils sont fiables).</translation>
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
        <translation>Temps aléatoire</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Temps fixe</translation>
    </message>
    <message>
        <source>S&amp;quare</source>
        <translation>Ca&amp;rré</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Cercle</translation>
    </message>
    <message>
        <source>&amp;Triangel</source>
        <translation>&amp;Triangle</translation>
    </message>
    <message>
        <source>Cr&amp;oss</source>
        <translation>Cr&amp;oix</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Triangel</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Bac&amp;kground color</source>
        <translation>Couleur du fon&amp;d</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Acceptée</translation>
    </message>
    <message>
        <source>Not Accepted</source>
        <translation>Non acceptée</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Voice Signal</source>
        <translation>&amp;Signal sonore</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Time &amp;before (ms):</source>
        <translation>Temps &amp;avant (ms) :</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Alacrity CFG Files (*.alycfg)</source>
        <translation>Fichiers de configuration Alacrity (*.alycfg)</translation>
    </message>
    <message>
        <source>Alacrity Protocol Files (*.alyprt)</source>
        <translation>Fichiers de protocole Alacrity (*.alyprt)</translation>
    </message>
    <message>
        <source>ALACRITY protocol Files (*.alyprt)</source>
        <translation>Fichiers de protocole ALACRITY (*.alyprt)</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>, scaled %1 %</source>
        <translation>, mis à l’échelle %1 %</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Invalide</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1 (the chosen %2 is not connected)</source>
        <translation>%1 (l&apos;écran choisi %2 n&apos;est pas branché)</translation>
    </message>
    <message>
        <source>The check was stopped before its end: nothing was judged.</source>
        <translation>La vérification a été arrêtée avant sa fin : rien n&apos;a été jugé.</translation>
    </message>
    <message>
        <source>This display can be trusted for timing: each stimulus&apos;s presented time is exact.</source>
        <translation>Cet affichage est fiable pour la chronométrie : le temps de présentation de chaque stimulus est exact.</translation>
    </message>
    <message>
        <source>This display is usable for timing: each stimulus&apos;s presented time may be off by up to %1 ms, one refresh.</source>
        <translation>Cet affichage est utilisable pour la chronométrie : le temps de présentation de chaque stimulus peut s&apos;écarter de %1 ms au plus, un rafraîchissement.</translation>
    </message>
    <message>
        <source>This display tells nothing of its frames: when a stimulus reached the screen cannot be known.</source>
        <translation>Cet affichage ne dit rien de ses images : on ne peut pas savoir quand un stimulus a atteint l&apos;écran.</translation>
    </message>
    <message>
        <source>This display cannot be trusted for timing.</source>
        <translation>Cet affichage n&apos;est pas fiable pour la chronométrie.</translation>
    </message>
    <message>
        <source>tells nothing of its frames</source>
        <translation>ne dit rien de ses images</translation>
    </message>
    <message>
        <source>asked through %1</source>
        <translation>interrogé par %1</translation>
    </message>
    <message>
        <source>behind a compositor</source>
        <translation>derrière un compositeur</translation>
    </message>
    <message>
        <source>a virtual display</source>
        <translation>un affichage virtuel</translation>
    </message>
    <message>
        <source>%1 shown, none asked about</source>
        <translation>%1 affichées, aucune interrogée</translation>
    </message>
    <message>
        <source>%1 shown, %2 reported, %3 a refresh late, %4 never reported</source>
        <translation>%1 affichées, %2 signalées, %3 en retard d&apos;un rafraîchissement, %4 jamais signalées</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>%1 ms (%2 Hz) as claimed, not measured</source>
        <translation>%1 ms (%2 Hz) selon les indications, non mesuré</translation>
    </message>
    <message>
        <source>%1 ms (%2 Hz), steady within %3 ms</source>
        <translation>%1 ms (%2 Hz), stable à %3 ms près</translation>
    </message>
    <message>
        <source>not reported</source>
        <translation>non signalé</translation>
    </message>
    <message>
        <source>median %1 ms, p99 %2 ms, max %3 ms</source>
        <translation>médiane %1 ms, p99 %2 ms, max %3 ms</translation>
    </message>
    <message>
        <source>page flip</source>
        <translation>échange de page (page flip)</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>copie</translation>
    </message>
    <message>
        <source>composed by a compositor</source>
        <translation>composé par un compositeur</translation>
    </message>
    <message>
        <source>exact: a page flip with the hardware&apos;s own time</source>
        <translation>exact : un échange de page avec l&apos;heure propre du matériel</translation>
    </message>
    <message>
        <source>within one refresh</source>
        <translation>à un rafraîchissement près</translation>
    </message>
    <message>
        <source>lower bound only: shown at that time at the earliest</source>
        <translation>borne inférieure seulement : affiché au plus tôt à ce moment</translation>
    </message>
    <message>
        <source>simulated clock: no physical meaning</source>
        <translation>horloge simulée : sans signification physique</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesuré</translation>
    </message>
    <message>
        <source>%1 ms, measured with a light sensor</source>
        <translation>%1 ms, mesuré avec un capteur de lumière</translation>
    </message>
    <message>
        <source>Use a display server that reports its frames (the X Present extension, Wayland&apos;s presentation-time protocol), or measure each stimulus with a light sensor.</source>
        <translation>Utiliser un serveur d&apos;affichage qui signale ses images (l&apos;extension X Present, le protocole presentation-time de Wayland), ou mesurer chaque stimulus avec un capteur de lumière.</translation>
    </message>
    <message>
        <source>Run the tests in an X11 or Wayland session on the stimulus screen: only there can the display say when each frame was shown; elsewhere only a light sensor can.</source>
        <translation>Passer les tests dans une session X11 ou Wayland sur l&apos;écran des stimuli : là seulement l&apos;affichage peut dire quand chaque image a été montrée ; ailleurs, seul un capteur de lumière le peut.</translation>
    </message>
    <message>
        <source>Check the station&apos;s real screen: a virtual display has no physical frame clock, so its times say nothing of what a subject sees.</source>
        <translation>Vérifier l&apos;écran réel du poste : un affichage virtuel n&apos;a pas d&apos;horloge d&apos;images physique, ses temps ne disent donc rien de ce que voit un sujet.</translation>
    </message>
    <message>
        <source>Turn off the compositor, or run the tests in a full-screen session without one: a compositor shows each frame a refresh or more after the program hands it over.</source>
        <translation>Désactiver le compositeur, ou passer les tests dans une session plein écran sans compositeur : un compositeur affiche chaque image un rafraîchissement ou plus après que le programme l&apos;a remise.</translation>
    </message>
    <message>
        <source>Let the display flip the frames instead of copying them (a full-screen window, no compositor, the driver&apos;s page flipping): a copy&apos;s time is known only to within one refresh.</source>
        <translation>Laisser l&apos;affichage échanger les pages au lieu de copier les images (une fenêtre plein écran, pas de compositeur, l&apos;échange de page du pilote) : le temps d&apos;une copie n&apos;est connu qu&apos;à un rafraîchissement près.</translation>
    </message>
    <message>
        <source>Fix the refresh rate: turn off variable refresh (adaptive sync) and the screen&apos;s power saving; the refresh varied by %1 ms.</source>
        <translation>Fixer la fréquence de rafraîchissement : désactiver le rafraîchissement variable (adaptive sync) et l&apos;économie d&apos;énergie de l&apos;écran ; le rafraîchissement a varié de %1 ms.</translation>
    </message>
    <message>
        <source>Set the screen&apos;s mode again: it refreshes at %1 Hz, not at the %2 Hz it claims.</source>
        <translation>Régler à nouveau le mode de l&apos;écran : il se rafraîchit à %1 Hz, pas aux %2 Hz qu&apos;il annonce.</translation>
    </message>
    <message>
        <source>Close other programs and turn off the compositor: %1 of %2 frames reached the screen a refresh late or never.</source>
        <translation>Fermer les autres programmes et désactiver le compositeur : %1 images sur %2 ont atteint l&apos;écran un rafraîchissement trop tard ou jamais.</translation>
    </message>
    <message>
        <source>Measure the panel&apos;s own lag with a light sensor and enter it in Setup &gt; Stimulus Screen: no software can see it.</source>
        <translation>Mesurer le retard propre de la dalle avec un capteur de lumière et le saisir dans Configuration &gt; Écran des stimuli : aucun logiciel ne peut le voir.</translation>
    </message>
    <message>
        <source>Stimulus screen:</source>
        <translation>Écran des stimuli :</translation>
    </message>
    <message>
        <source>Display system:</source>
        <translation>Système d&apos;affichage :</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Images :</translation>
    </message>
    <message>
        <source>Refresh:</source>
        <translation>Rafraîchissement :</translation>
    </message>
    <message>
        <source>Hand-over to presented:</source>
        <translation>Remise à présentation :</translation>
    </message>
    <message>
        <source>Presented by:</source>
        <translation>Présenté par :</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Panel lag:</source>
        <translation>Retard de la dalle :</translation>
    </message>
    <message>
        <source>What to change:</source>
        <translation>Ce qu&apos;il faut changer :</translation>
    </message>
</context>
<context>
    <name>DisplayServer</name>
    <message>
        <source>a %1 compositor</source>
        <translation>un compositeur %1</translation>
    </message>
    <message>
        <source>the %1 compositor %2</source>
        <translation>le compositeur %1 %2</translation>
    </message>
    <message>
        <source> (%1 ms at %2 Hz)</source>
        <translation> (%1 ms à %2 Hz)</translation>
    </message>
    <message>
        <source>Shown through %1: each picture reaches the screen about one frame%2 later than in an X11 session.</source>
        <translation>Affiché par %1 : chaque image atteint l&apos;écran environ une trame%2 plus tard que dans une session X11.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Error opening file</source>
        <translation>Erreur à l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Erreur à l&apos;enregistrement du fichier</translation>
    </message>
    <message>
        <source>Incompatible data</source>
        <translation>Données incompatibles</translation>
    </message>
    <message>
        <source>Incompatible protocol</source>
        <translation>Protocole incompatible</translation>
    </message>
    <message>
        <source>Damaged data file</source>
        <translation>Fichier de données endommagé</translation>
    </message>
    <message>
        <source>Damaged protocol file</source>
        <translation>Fichier de protocole endommagé</translation>
    </message>
    <message>
        <source>Error in communication</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Data not saved. Save?</source>
        <translation>Données non enregistrées. Enregistrer ?</translation>
    </message>
    <message>
        <source>The response box stopped sending. Press Stop: the answers so far are kept.</source>
        <translation>Le boîtier de réponse n&apos;envoie plus rien. Appuyez sur Arrêter : les réponses déjà données sont conservées.</translation>
    </message>
    <message>
        <source>The protocol must hold between 1 and 1199 stimuli.</source>
        <translation>Le protocole doit contenir entre 1 et 1199 stimuli.</translation>
    </message>
    <message>
        <source>The number of stimuli must be between 1 and 1199.</source>
        <translation>Le nombre de stimuli doit être compris entre 1 et 1199.</translation>
    </message>
    <message>
        <source>Select at least one object to be generated.</source>
        <translation>Sélectionnez au moins un objet à générer.</translation>
    </message>
    <message>
        <source>The lower time limit must not be above the upper time limit.</source>
        <translation>La limite de temps inférieure ne doit pas dépasser la limite supérieure.</translation>
    </message>
    <message>
        <source>No protocol loaded</source>
        <translation>Aucun protocole chargé</translation>
    </message>
    <message>
        <source>No item was selected!</source>
        <translation>Aucun élément n&apos;est sélectionné !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>No journal can be written for this test, so its answers live only in memory until it is saved: </source>
        <translation>Aucun journal ne peut être écrit pour ce test ; ses réponses restent donc en mémoire seulement jusqu&apos;à leur enregistrement : </translation>
    </message>
    <message>
        <source>The journal of this test could not be written to the end. Save the results before closing the program.</source>
        <translation>Le journal de ce test n&apos;a pas pu être écrit jusqu&apos;au bout. Enregistrez les résultats avant de fermer le programme.</translation>
    </message>
    <message>
        <source>a subject without a name</source>
        <translation>sujet sans nom</translation>
    </message>
    <message>
        <source>An unsaved test of %1 from %2 with %3 answered stimuli was found. Restore it?</source>
        <translation>Un test non enregistré a été trouvé : %1, %2, %3 stimuli avec réponse. Le restaurer ?</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of alacrity and is left as it is.</source>
        <translation>Le journal %1 a été écrit par une version plus récente d&apos;alacrity et reste tel quel.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and could not be renamed.</source>
        <translation>Le journal %1 est endommagé et n&apos;a pas pu être renommé.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged; it was renamed to %2.</source>
        <translation>Le journal %1 est endommagé ; il a été renommé en %2.</translation>
    </message>
    <message>
        <source>Stimulus %1 of the protocol has no valid object.</source>
        <translation>Le stimulus %1 du protocole n&apos;a pas d&apos;objet valide.</translation>
    </message>
    <message>
        <source>The latency timer of the converter %1 is %2 ms: it holds received bytes back that long, so each new phase of a test reaches the screen up to %2 ms late. The program may not change it. Install the package&apos;s udev rule and replug the converter (the rule sets 1 ms), or set it until the next replug with:</source>
        <translation>Le temporisateur de latence du convertisseur %1 est à %2 ms : il retient les octets reçus aussi longtemps, si bien que chaque nouvelle phase d&apos;un test atteint l&apos;écran jusqu&apos;à %2 ms en retard. Le programme n&apos;a pas le droit de le modifier. Installez la règle udev du paquet et rebranchez le convertisseur (la règle le met à 1 ms), ou réglez-le jusqu&apos;au prochain branchement avec :</translation>
    </message>
    <message>
        <source>Delete the unsaved test of %1 from %2 with %3 answered stimuli for good? Its journal %4 is then removed; No keeps it for the next start.</source>
        <translation>Supprimer définitivement le test non enregistré (%1, %2, %3 stimuli avec réponse) ? Son journal %4 est alors effacé ; Non le garde pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>%1: is write-protected; nothing saved</source>
        <translation>%1 : est protégé en écriture ; rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>%1: Is not a regular file (a pipe, device or socket)</source>
        <translation>%1 : N&apos;est pas un fichier ordinaire (un tube, un périphérique ou un socket)</translation>
    </message>
    <message>
        <source>%1: was written for another save of %2</source>
        <translation>%1 : a été écrit pour un autre enregistrement de %2</translation>
    </message>
    <message>
        <source>%1: is of another test than %2</source>
        <translation>%1 : appartient à un autre test que %2</translation>
    </message>
    <message>
        <source>%1: is damaged at line %2</source>
        <translation>%1 : est endommagé à la ligne %2</translation>
    </message>
    <message>
        <source>%1: is no timing record this program wrote</source>
        <translation>%1 : n&apos;est pas un enregistrement des temps écrit par ce programme</translation>
    </message>
    <message>
        <source>%1: names a data file, but %2 is none that opens</source>
        <translation>%1 : désigne un fichier de données, mais %2 n&apos;en est pas un qui s&apos;ouvre</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The subject register is not open.</source>
        <translation>Le registre des sujets n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The subject register&apos;s dialogs need a window system.</source>
        <translation>Les dialogues du registre des sujets nécessitent un système de fenêtres.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculin</translation>
    </message>
    <message>
        <source>female</source>
        <translation>féminin</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>unknown database error</source>
        <translation>erreur de base de données inconnue</translation>
    </message>
    <message>
        <source>The database driver for %1 is not installed.</source>
        <translation>Le pilote de base de données pour %1 n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The subject register %1</source>
        <translation>Le registre des sujets %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The subject register on %1</source>
        <translation>Le registre des sujets sur %1</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>the register is not open</source>
        <translation>le registre n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>The subject register is busy: %1</source>
        <translation>Le registre des sujets est occupé : %1</translation>
    </message>
    <message>
        <source>No subject register directory was given.</source>
        <translation>Aucun répertoire du registre des sujets n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The subject register&apos;s directory %1 could not be created.</source>
        <translation>Le répertoire %1 du registre des sujets n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The subject register is not open.</source>
        <translation>Le registre des sujets n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The directory %1 could not be created.</source>
        <translation>Le répertoire %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>the register has no version</source>
        <translation>le registre n&apos;a pas de version</translation>
    </message>
    <message>
        <source>the register was written by a newer program (version %1; this program knows up to version %2); it was left as it is</source>
        <translation>le registre a été écrit par un programme plus récent (version %1 ; ce programme connaît jusqu&apos;à la version %2) ; il est resté tel quel</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is no port number</source>
        <translation>le port « %1 » n&apos;est pas un numéro de port</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; may not contain &apos;;&apos;</source>
        <translation>la valeur de « %1 » ne doit pas contenir « ; »</translation>
    </message>
    <message>
        <source>it is not a valid address</source>
        <translation>ce n&apos;est pas une adresse valide</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; lacks its closing quote</source>
        <translation>il manque le guillemet fermant à la valeur de « %1 »</translation>
    </message>
    <message>
        <source>the default server</source>
        <translation>le serveur par défaut</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>only postgresql:// addresses are understood</source>
        <translation>seules les adresses postgresql:// sont comprises</translation>
    </message>
    <message>
        <source>The subject register&apos;s database connection cannot be used: %1.</source>
        <translation>La connexion à la base de données du registre des sujets ne peut pas être utilisée : %1.</translation>
    </message>
    <message>
        <source>The subject is no longer in the register.</source>
        <translation>Le sujet n&apos;est plus dans le registre.</translation>
    </message>
    <message>
        <source>The subject register&apos;s directory %1 does not exist.</source>
        <translation>Le répertoire %1 du registre des sujets n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The subject register cannot be used: %1</source>
        <translation>Le registre des sujets ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <source>The subject could not be added: %1</source>
        <translation>Le sujet n&apos;a pas pu être ajouté : %1</translation>
    </message>
    <message>
        <source>The subject could not be changed: %1</source>
        <translation>Le sujet n&apos;a pas pu être modifié : %1</translation>
    </message>
    <message>
        <source>The current subject could not be set: %1</source>
        <translation>Le sujet courant n&apos;a pas pu être défini : %1</translation>
    </message>
    <message>
        <source>The subject of the data file could not be registered: %1</source>
        <translation>Le sujet du fichier de données n&apos;a pas pu être enregistré dans le registre : %1</translation>
    </message>
    <message>
        <source>The subject&apos;s directory could not be named: %1</source>
        <translation>Le répertoire du sujet n&apos;a pas pu être nommé : %1</translation>
    </message>
    <message>
        <source>The subject&apos;s directory %1 could not be created.</source>
        <translation>Le répertoire %1 du sujet n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Name: </source>
        <translation>Nom : </translation>
    </message>
    <message>
        <source>DIGITAL REPORT</source>
        <translation>RAPPORT DÉTAILLÉ</translation>
    </message>
    <message>
        <source>SPLIT REPORT</source>
        <translation>RAPPORT PAR BLOCS</translation>
    </message>
    <message>
        <source>Result of Your Alacrity test</source>
        <translation>Résultat de votre test de réaction</translation>
    </message>
    <message>
        <source>No
(#)</source>
        <translation>N°
(#)</translation>
    </message>
    <message>
        <source>No (#)</source>
        <translation>N° (#)</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Generation Time
(ms)</source>
        <translation>Temps d&apos;attente
(ms)</translation>
    </message>
    <message>
        <source>Generation Time (ms)</source>
        <translation>Temps d&apos;attente (ms)</translation>
    </message>
    <message>
        <source>Alacrity Time
(ms)</source>
        <translation>T. de réaction
(ms)</translation>
    </message>
    <message>
        <source>Alacrity Time (ms)</source>
        <translation>T. de réaction (ms)</translation>
    </message>
    <message>
        <source>Total Time
(ms)</source>
        <translation>Temps total
(ms)</translation>
    </message>
    <message>
        <source>Total Time (ms)</source>
        <translation>Temps total (ms)</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>correcte</translation>
    </message>
    <message>
        <source>false</source>
        <translation>erronée</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Triangel</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Total : </translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Fond : </translation>
    </message>
    <message>
        <source>Page: </source>
        <translation>Page : </translation>
    </message>
    <message>
        <source>square: </source>
        <translation>carré : </translation>
    </message>
    <message>
        <source>circle: </source>
        <translation>cercle : </translation>
    </message>
    <message>
        <source>triangle: </source>
        <translation>triangle : </translation>
    </message>
    <message>
        <source>cross: </source>
        <translation>croix : </translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Invalide</translation>
    </message>
    <message>
        <source>Total responses:</source>
        <translation>Total réponses :</translation>
    </message>
    <message>
        <source>Correct responses:</source>
        <translation>Rép. correctes :</translation>
    </message>
    <message>
        <source>False responses:</source>
        <translation>Rép. erronées :</translation>
    </message>
    <message>
        <source>Mean alacrity time(ms):</source>
        <translation>Réaction moyenne (ms) :</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>ET :</translation>
    </message>
    <message>
        <source>Alacrity time average:</source>
        <translation>Temps de réaction moyen :</translation>
    </message>
    <message>
        <source>Display delay: no stimulus painted</source>
        <translation>Délai d&apos;affichage : aucun stimulus dessiné</translation>
    </message>
    <message>
        <source>Box rate: not measured (too few bytes)</source>
        <translation>Débit du boîtier : non mesuré (trop peu d&apos;octets)</translation>
    </message>
    <message>
        <source>Display: unknown, refresh rate unknown</source>
        <translation>Affichage : inconnu, fréquence de rafraîchissement inconnue</translation>
    </message>
    <message>
        <source>Stimuli reached the screen a refresh or more after their count began; times include that.</source>
        <translation>Des stimuli ont atteint l&apos;écran un rafraîchissement ou plus après le début de leur comptage ; les temps l&apos;incluent.</translation>
    </message>
    <message>
        <source>The box&apos;s clock is off: every response time is off by the same share.</source>
        <translation>L&apos;horloge du boîtier dérive : chaque temps de réaction est faussé de la même proportion.</translation>
    </message>
    <message>
        <source>Bytes arrived in bursts: the converter&apos;s latency timer may be 16 ms, or the host was busy.</source>
        <translation>Les octets sont arrivés par salves : le temporisateur de latence du convertisseur est peut-être à 16 ms, ou l&apos;ordinateur était occupé.</translation>
    </message>
    <message>
        <source>Display delay: median %1 ms, p99 %2 ms, max %3 ms (%4 stimuli)</source>
        <translation>Délai d&apos;affichage : médiane %1 ms, p99 %2 ms, max %3 ms (%4 stimuli)</translation>
    </message>
    <message>
        <source>Longest gap between bytes: %1 ms</source>
        <translation>Plus long écart entre octets : %1 ms</translation>
    </message>
    <message>
        <source>Display: unknown, %1 Hz refresh</source>
        <translation>Affichage : inconnu, rafraîchissement %1 Hz</translation>
    </message>
    <message>
        <source>Display: %1, %2 Hz refresh</source>
        <translation>Affichage : %1, rafraîchissement %2 Hz</translation>
    </message>
    <message>
        <source>Display: %1, refresh rate unknown</source>
        <translation>Affichage : %1, fréquence de rafraîchissement inconnue</translation>
    </message>
    <message>
        <source>The button bits change faster than fingers can: the box sends garbage (a wrong rate, a loose line or another device), not presses.</source>
        <translation>Les bits des boutons changent plus vite que des doigts ne le peuvent : le boîtier envoie des données parasites (mauvais débit, ligne mal branchée ou autre appareil), pas des appuis.</translation>
    </message>
    <message>
        <source>Answers bunched at the shortest time that counts were not given by a person: the box sends presses by itself.</source>
        <translation>Des réponses groupées au temps le plus court qui compte ne viennent pas d&apos;une personne : le boîtier envoie des appuis de lui-même.</translation>
    </message>
    <message>
        <source>Buttons held throughout: none</source>
        <translation>Boutons enfoncés en permanence : aucun</translation>
    </message>
    <message>
        <source>The box stopped sending: it was switched off or unplugged, or its line broke.</source>
        <translation>Le boîtier a cessé d&apos;émettre : il a été éteint ou débranché, ou sa ligne est coupée.</translation>
    </message>
    <message>
        <source>A button held for the whole check is stuck or wired wrongly: a test waits for all buttons up before every stimulus.</source>
        <translation>Un bouton enfoncé pendant toute la vérification est bloqué ou mal câblé : un test attend que tous les boutons soient relâchés avant chaque stimulus.</translation>
    </message>
    <message>
        <source>Box rate: %1 ± %2 bytes/s, %3 ± %4 ppm against the host clock</source>
        <translation>Débit du boîtier : %1 ± %2 octets/s, %3 ± %4 ppm par rapport à l&apos;horloge de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Button changes: %1, at most %2 in one second; bounces (within 10 ms): %3</source>
        <translation>Changements des boutons : %1, au plus %2 en une seconde ; rebonds (en moins de 10 ms) : %3</translation>
    </message>
    <message>
        <source>Answers within 5 ms of the 69 ms floor: %1 of %2</source>
        <translation>Réponses à moins de 5 ms du plancher de 69 ms : %1 sur %2</translation>
    </message>
    <message>
        <source>No bytes for the last %1 ms of the check</source>
        <translation>Aucun octet pendant les dernières %1 ms de la vérification</translation>
    </message>
    <message>
        <source>Buttons held throughout: %1</source>
        <translation>Boutons enfoncés en permanence : %1</translation>
    </message>
    <message>
        <source>Onset to presented: not reported by the display system</source>
        <translation>Début à présentation : non signalé par le système d&apos;affichage</translation>
    </message>
    <message>
        <source>Presentation times: none (the display system reports no presented frames)</source>
        <translation>Temps de présentation : aucun (le système d&apos;affichage ne signale aucune image présentée)</translation>
    </message>
    <message>
        <source>Presentation times: exact (page flips timed by the display hardware)</source>
        <translation>Temps de présentation : exacts (changements de page horodatés par le matériel d&apos;affichage)</translation>
    </message>
    <message>
        <source>Presentation times: frame-bounded (known to within one refresh)</source>
        <translation>Temps de présentation : à une image près (connus à un rafraîchissement près)</translation>
    </message>
    <message>
        <source>Presentation times: lower bound only (a compositor is in the way)</source>
        <translation>Temps de présentation : borne inférieure seulement (un compositeur s&apos;interpose)</translation>
    </message>
    <message>
        <source>Presentation times: simulated clock (a virtual display: no physical meaning)</source>
        <translation>Temps de présentation : horloge simulée (affichage virtuel, sans signification physique)</translation>
    </message>
    <message>
        <source>Panel lag: not measured (a light sensor on the screen measures it)</source>
        <translation>Retard de la dalle : non mesuré (un capteur de lumière sur l&apos;écran le mesure)</translation>
    </message>
    <message>
        <source>Some stimuli reached the screen over a refresh after their hand-over, or were never reported shown; their response times include that.</source>
        <translation>Des stimuli ont atteint l&apos;écran plus d&apos;un rafraîchissement après leur remise, ou n&apos;ont jamais été signalés affichés ; leurs temps de réponse l&apos;incluent.</translation>
    </message>
    <message>
        <source>The screen&apos;s refresh adds up to one refresh interval that the program cannot see; response times include it.</source>
        <translation>Le rafraîchissement de l&apos;écran ajoute jusqu&apos;à un intervalle de rafraîchissement que le programme ne voit pas ; les temps de réponse l&apos;incluent.</translation>
    </message>
    <message>
        <source>Each presented time is known only to within one refresh; response times include the delay to the screen.</source>
        <translation>Chaque temps de présentation n&apos;est connu qu&apos;à un rafraîchissement près ; les temps de réponse incluent le retard jusqu&apos;à l&apos;écran.</translation>
    </message>
    <message>
        <source>A compositor may show each frame a refresh or more after the time given; response times include that delay.</source>
        <translation>Un compositeur peut afficher chaque image un rafraîchissement ou plus après le temps indiqué ; les temps de réponse incluent ce retard.</translation>
    </message>
    <message>
        <source>The display is virtual: its times say nothing of a real screen, whose refresh would add up to one refresh interval that response times include.</source>
        <translation>L&apos;affichage est virtuel : ses temps ne disent rien d&apos;un écran réel, dont le rafraîchissement ajouterait jusqu&apos;à un intervalle de rafraîchissement que les temps de réponse incluent.</translation>
    </message>
    <message>
        <source>The light sensor did not see every stimulus: it may sit off the marker, or the marker was not drawn; those stimuli have no light onset.</source>
        <translation>Le capteur de lumière n&apos;a pas vu chaque stimulus : il est peut-être à côté du repère, ou le repère n&apos;a pas été dessiné ; ces stimuli n&apos;ont pas de début de lumière.</translation>
    </message>
    <message>
        <source>Onset to presented: median %1 ms, p99 %2 ms, max %3 ms (%4 stimuli); missed a frame: %5</source>
        <translation>Début à présentation : médiane %1 ms, p99 %2 ms, max %3 ms (%4 stimuli) ; image manquée : %5</translation>
    </message>
    <message>
        <source>Panel lag: %1 ms, measured with a light sensor; included in onset to presented</source>
        <translation>Retard de la dalle : %1 ms, mesuré avec un capteur de lumière ; inclus dans début à présentation</translation>
    </message>
    <message>
        <source>Onset to light: median %1 ms, p99 %2 ms, max %3 ms (%4 of %5 stimuli seen)</source>
        <translation>Début à lumière : médiane %1 ms, p99 %2 ms, max %3 ms (%4 stimuli vus sur %5)</translation>
    </message>
    <message>
        <source>Onset to light: none of %1 stimuli seen</source>
        <translation>Début à lumière : aucun des %1 stimuli vu</translation>
    </message>
    <message>
        <source>Light after presented: median %1 ms, from %2 to %3 ms (%4 stimuli)</source>
        <translation>Lumière après présentation : médiane %1 ms, de %2 à %3 ms (%4 stimuli)</translation>
    </message>
    <message>
        <source>The screen&apos;s refresh adds 0–%1 ms that the program cannot see; response times include it.</source>
        <translation>Le rafraîchissement de l&apos;écran ajoute 0–%1 ms que le programme ne voit pas ; les temps de réponse les incluent.</translation>
    </message>
    <message>
        <source>Each presented time is known only to within one refresh (0–%1 ms); response times include the delay to the screen.</source>
        <translation>Chaque temps de présentation n&apos;est connu qu&apos;à un rafraîchissement près (0–%1 ms) ; les temps de réponse incluent le retard jusqu&apos;à l&apos;écran.</translation>
    </message>
    <message>
        <source>A compositor may show each frame a refresh (%1 ms) or more after the time given; response times include that delay.</source>
        <translation>Un compositeur peut afficher chaque image un rafraîchissement (%1 ms) ou plus après le temps indiqué ; les temps de réponse incluent ce retard.</translation>
    </message>
    <message>
        <source>The display is virtual: its times say nothing of a real screen, whose refresh would add 0–%1 ms that response times include.</source>
        <translation>L&apos;affichage est virtuel : ses temps ne disent rien d&apos;un écran réel, dont le rafraîchissement ajouterait 0–%1 ms que les temps de réponse incluent.</translation>
    </message>
</context>
<context>
    <name>StatisticsTable</name>
    <message>
        <source>Answered</source>
        <translation>Répondus</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correctes</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Erronées</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Taux d&apos;erreur</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Chronométrées</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>ET</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
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
        <translation>Moy. tronquée</translation>
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
        <translation>tous</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>croix</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
</context>
<context>
    <name>Subject</name>
    <message>
        <source>Press any button to start</source>
        <translation>Appuyez sur n&apos;importe quel bouton pour commencer</translation>
    </message>
</context>
<context>
    <name>alacrity::CAboutDlg</name>
    <message>
        <source>alacrity Version %1</source>
        <translation>alacrity version %1</translation>
    </message>
    <message>
        <source>About alacrity</source>
        <translation>À propos d&apos;alacrity</translation>
    </message>
    <message>
        <source>Reaction-time measurement</source>
        <translation>Mesure du temps de réaction</translation>
    </message>
    <message>
        <source>Visual stimuli, four-button response box</source>
        <translation>Stimuli visuels, boîtier de réponse à quatre boutons</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>&amp;License...</source>
        <translation>&amp;Licence...</translation>
    </message>
</context>
<context>
    <name>alacrity::CAlacrityView</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Internal error: interval</source>
        <translation>Erreur interne : intervalle</translation>
    </message>
    <message>
        <source>You can delete only in &apos;ALL Objects&apos; mode !</source>
        <translation>La suppression n&apos;est possible qu&apos;en mode « TOUS les objets » !</translation>
    </message>
    <message>
        <source>No lines were selected!</source>
        <translation>Aucune ligne n&apos;est sélectionnée !</translation>
    </message>
    <message>
        <source>Are You Sure You want to delete
 selected lines?</source>
        <translation>Voulez-vous vraiment supprimer
 les lignes sélectionnées ?</translation>
    </message>
    <message>
        <source>No items were selected!</source>
        <translation>Aucun élément n&apos;est sélectionné !</translation>
    </message>
    <message>
        <source>No bytes from the response box on %1.</source>
        <translation>Aucun octet du boîtier de réponse sur %1.</translation>
    </message>
    <message>
        <source>measuring the rate</source>
        <translation>mesure du débit en cours</translation>
    </message>
    <message>
        <source>Box on %1: %2, longest gap %3 ms</source>
        <translation>Boîtier sur %1 : %2, plus long écart %3 ms</translation>
    </message>
    <message>
        <source>, latency timer %1 ms</source>
        <translation>, temporisateur de latence %1 ms</translation>
    </message>
    <message>
        <source>The statistics could not be written to
%1</source>
        <translation>Les statistiques n&apos;ont pas pu être écrites dans
%1</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 octets/s</translation>
    </message>
    <message>
        <source>The sensor sees light.</source>
        <translation>Le capteur voit de la lumière.</translation>
    </message>
    <message>
        <source>The sensor sees dark.</source>
        <translation>Le capteur voit de l&apos;obscurité.</translation>
    </message>
    <message>
        <source>Light sensor: tape it over the flashing marker in the %1 corner of this screen.</source>
        <translation>Capteur de lumière : le fixer sur le repère clignotant dans le coin %1 de cet écran.</translation>
    </message>
    <message>
        <source>It follows the marker: ready.</source>
        <translation>Il suit le repère : prêt.</translation>
    </message>
    <message>
        <source>It does not follow the marker yet: centre it on the marker, shade it from the room&apos;s light or turn its module&apos;s screw.</source>
        <translation>Il ne suit pas encore le repère : le centrer sur le repère, le protéger de la lumière de la pièce ou tourner la vis de son module.</translation>
    </message>
</context>
<context>
    <name>alacrity::CCommDlg</name>
    <message>
        <source>Communication port setup</source>
        <translation>Configuration du port COM</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Port de communication</translation>
    </message>
    <message>
        <source>standard: /dev/ttyS%1</source>
        <translation>standard : /dev/ttyS%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (absent)</translation>
    </message>
    <message>
        <source>The box has a light sensor on its fifth bit</source>
        <translation>Le boîtier a un capteur de lumière sur son cinquième bit</translation>
    </message>
    <message>
        <source>A box built with a light sensor over the marker in a corner of the stimulus screen</source>
        <translation>Un boîtier construit avec un capteur de lumière sur le repère dans un coin de l&apos;écran des stimuli</translation>
    </message>
</context>
<context>
    <name>alacrity::CCustomDlg</name>
    <message>
        <source>Custom setup</source>
        <translation>Configuration personnalisée</translation>
    </message>
    <message>
        <source>&amp;No of Test stimuli:</source>
        <translation>&amp;Nombre de stimuli du test :</translation>
    </message>
    <message>
        <source>&amp;Generation of Test stimuli after:</source>
        <translation>&amp;Génération des stimuli après :</translation>
    </message>
    <message>
        <source>Random Time &amp;Limits (100 - 5000 ms)</source>
        <translation>&amp;Limites du temps aléatoire (100 - 5000 ms)</translation>
    </message>
    <message>
        <source>Lo&amp;wer:</source>
        <translation>&amp;Minimum :</translation>
    </message>
    <message>
        <source>&amp;Upper:</source>
        <translation>Ma&amp;ximum :</translation>
    </message>
    <message>
        <source>&amp;Fixed Time (100 - 5000 ms)</source>
        <translation>Temps &amp;fixe (100 - 5000 ms)</translation>
    </message>
    <message>
        <source>Color Assigment</source>
        <translation>Attribution des couleurs</translation>
    </message>
    <message>
        <source>Ob&amp;ject to be generated</source>
        <translation>O&amp;bjets à générer</translation>
    </message>
    <message>
        <source>Fal&amp;se Response</source>
        <translation>Réponse &amp;erronée</translation>
    </message>
</context>
<context>
    <name>alacrity::CDisplayCheckDlg</name>
    <message>
        <source>Display Check</source>
        <translation>Vérification de l&apos;affichage</translation>
    </message>
</context>
<context>
    <name>alacrity::CMainFrame</name>
    <message>
        <source>Test in progress.</source>
        <translation>Test en cours.</translation>
    </message>
    <message>
        <source>Data not saved. Save?</source>
        <translation>Données non enregistrées. Enregistrer ?</translation>
    </message>
    <message>
        <source>after 1 response</source>
        <translation>après 1 réponse</translation>
    </message>
    <message>
        <source>after each %1 responses</source>
        <translation>toutes les %1 réponses</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Dialog bar</source>
        <translation>Barre de commandes</translation>
    </message>
    <message>
        <source>Keyboard box, keys 1-4: response times measured from the keyboard are not instrument-grade</source>
        <translation>Boîtier clavier, touches 1-4 : temps mesurés au clavier, sans qualité métrologique</translation>
    </message>
    <message>
        <source>You are saving the file outside the subject&apos;s designated directory.</source>
        <translation>Vous enregistrez le fichier hors du répertoire prévu pour le sujet.</translation>
    </message>
    <message>
        <source>The subject register is not open. The results are saved without it, starting in the data directory.</source>
        <translation>Le registre des sujets n&apos;est pas ouvert. Les résultats sont enregistrés sans lui, à partir du répertoire des données.</translation>
    </message>
    <message>
        <source>Shown on the stimulus screen, %1.</source>
        <translation>Affiché sur l&apos;écran des stimuli, %1.</translation>
    </message>
    <message>
        <source>The stimulus screen %1 is not connected: shown on the main window&apos;s screen.</source>
        <translation>L&apos;écran des stimuli %1 n&apos;est pas connecté : affichage sur l&apos;écran de la fenêtre principale.</translation>
    </message>
    <message>
        <source>The timing record could not be written beside the data file: %1</source>
        <translation>L&apos;enregistrement des temps n&apos;a pas pu être écrit à côté du fichier de données : %1</translation>
    </message>
    <message>
        <source>The timing record beside this data file is not used; saving the file replaces or removes it:
%1</source>
        <translation>L&apos;enregistrement des temps à côté de ce fichier de données n&apos;est pas utilisé ; l&apos;enregistrement du fichier le remplace ou le supprime :
%1</translation>
    </message>
</context>
<context>
    <name>alacrity::CPerformDlg</name>
    <message>
        <source>Perform</source>
        <translation>Passer le test</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personnalisé</translation>
    </message>
    <message>
        <source>Number of stimuli to &amp;follow:</source>
        <translation>&amp;Nombre de stimuli à suivre :</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>P&amp;rotocole</translation>
    </message>
    <message>
        <source>&amp;Load protocol</source>
        <translation>&amp;Charger un protocole</translation>
    </message>
    <message>
        <source>Protocol &amp;name:</source>
        <translation>Nom du pro&amp;tocole :</translation>
    </message>
    <message>
        <source>No protocol loaded</source>
        <translation>Aucun protocole chargé</translation>
    </message>
    <message>
        <source>no protocol loaded</source>
        <translation>aucun protocole chargé</translation>
    </message>
</context>
<context>
    <name>alacrity::CProtocolDlg</name>
    <message>
        <source>The protocol is full: it holds at most %1 items.</source>
        <translation>Le protocole est plein : il contient au plus %1 éléments.</translation>
    </message>
    <message>
        <source>No object was selected! Choose the object of the item.</source>
        <translation>Aucun objet n&apos;est sélectionné ! Choisissez l&apos;objet de l&apos;élément.</translation>
    </message>
    <message>
        <source>Protocol setup</source>
        <translation>Configuration du protocole</translation>
    </message>
    <message>
        <source>&amp;Protocol name:</source>
        <translation>&amp;Nom du protocole :</translation>
    </message>
    <message>
        <source>&amp;Generation time (ms):</source>
        <translation>Temps de &amp;génération (ms) :</translation>
    </message>
    <message>
        <source>Ob&amp;ject</source>
        <translation>Ob&amp;jet</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Ajo&amp;uter</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Supprim&amp;er</translation>
    </message>
    <message>
        <source>Color Assigment</source>
        <translation>Attribution des couleurs</translation>
    </message>
    <message>
        <source>Fasle &amp;Response</source>
        <translation>Ré&amp;ponse erronée</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sau&amp;vegarder</translation>
    </message>
    <message>
        <source>No item was selected!</source>
        <translation>Aucun élément n&apos;est sélectionné !</translation>
    </message>
</context>
<context>
    <name>alacrity::CProtocolItemList</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Temps (ms)</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
</context>
<context>
    <name>alacrity::CStimulusScreenDlg</name>
    <message>
        <source>Stimulus Screen</source>
        <translation>Écran des stimuli</translation>
    </message>
    <message>
        <source>&amp;Tests and device checks are shown in full screen on:</source>
        <translation>Les &amp;tests et les vérifications de l&apos;appareil s&apos;affichent en plein écran sur :</translation>
    </message>
    <message>
        <source>The main window&apos;s screen</source>
        <translation>L&apos;écran de la fenêtre principale</translation>
    </message>
    <message>
        <source>%1 - not connected</source>
        <translation>%1 - non connecté</translation>
    </message>
    <message>
        <source>Start &amp;prompt the subject reads (%1):</source>
        <translation>&amp;Invitation de départ lue par le sujet (%1) :</translation>
    </message>
    <message>
        <source>Panel &amp;lag measured with a light sensor (ms):</source>
        <translation>&amp;Retard de la dalle mesuré avec un capteur de lumière (ms) :</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesuré</translation>
    </message>
    <message>
        <source>Enter the panel&apos;s lag in milliseconds, from 0 to %1, or leave it empty while it is not measured.</source>
        <translation>Saisir le retard de la dalle en millisecondes, de 0 à %1, ou laisser vide tant qu&apos;il n&apos;est pas mesuré.</translation>
    </message>
    <message>
        <source>Light sensor&apos;s marker, &amp;corner:</source>
        <translation>Repère du capteur de lumière, &amp;coin :</translation>
    </message>
    <message>
        <source>Light sensor&apos;s marker, si&amp;ze (pixels):</source>
        <translation>Repère du capteur de lumière, tai&amp;lle (pixels) :</translation>
    </message>
</context>
<context>
    <name>alacrity::CSubjectDlg</name>
    <message>
        <source>Subject dialog</source>
        <translation>Données du sujet</translation>
    </message>
    <message>
        <source>&amp;female</source>
        <translation>&amp;féminin</translation>
    </message>
    <message>
        <source>&amp;male</source>
        <translation>&amp;masculin</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Poids</translation>
    </message>
    <message>
        <source>Comment &amp;1</source>
        <translation>Commentaire &amp;1</translation>
    </message>
    <message>
        <source>Comment &amp;2</source>
        <translation>Commentaire &amp;2</translation>
    </message>
    <message>
        <source>Comment &amp;3</source>
        <translation>Commentaire &amp;3</translation>
    </message>
</context>
<context>
    <name>alacrity::StatisticsTable</name>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
</context>
<context>
    <name>prsrg::LoadDialog</name>
    <message>
        <source>Open test data</source>
        <translation>Ouvrir des données de test</translation>
    </message>
    <message>
        <source>Where is the test data file?</source>
        <translation>Où se trouve le fichier de données du test ?</translation>
    </message>
    <message>
        <source>In the subject&apos;s directory</source>
        <translation>Dans le répertoire du sujet</translation>
    </message>
    <message>
        <source>No subject is chosen.</source>
        <translation>Aucun sujet n&apos;est choisi.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>In the data directory</source>
        <translation>Dans le répertoire des données</translation>
    </message>
    <message>
        <source>Files of any subject</source>
        <translation>Fichiers de n&apos;importe quel sujet</translation>
    </message>
</context>
<context>
    <name>prsrg::SubjectDialog</name>
    <message>
        <source>Subjects</source>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Rechercher par nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>The subject is no longer in the register.</source>
        <translation>Le sujet n&apos;est plus dans le registre.</translation>
    </message>
</context>
<context>
    <name>prsrg::SubjectEditDialog</name>
    <message>
        <source>New subject</source>
        <translation>Nouveau sujet</translation>
    </message>
    <message>
        <source>Edit subject</source>
        <translation>Modifier le sujet</translation>
    </message>
    <message>
        <source>female</source>
        <translation>féminin</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculin</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <translation>&amp;Poids :</translation>
    </message>
    <message>
        <source>Comment &amp;1:</source>
        <translation>Commentaire &amp;1 :</translation>
    </message>
    <message>
        <source>Comment &amp;2:</source>
        <translation>Commentaire &amp;2 :</translation>
    </message>
    <message>
        <source>Comment &amp;3:</source>
        <translation>Commentaire &amp;3 :</translation>
    </message>
</context>
</TS>
