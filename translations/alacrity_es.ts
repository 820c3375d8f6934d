<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Chart</name>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>False answer</source>
        <translation>Respuesta errónea</translation>
    </message>
    <message>
        <source>Running median</source>
        <translation>Mediana móvil</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Response time by stimulus</source>
        <translation>Tiempo de reacción por estímulo</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Estímulo</translation>
    </message>
    <message>
        <source>Correct response times per shape</source>
        <translation>Tiempos de reacción correctos por forma</translation>
    </message>
    <message>
        <source>Outliers</source>
        <translation>Valores atípicos</translation>
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
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir el documento activo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostrar páginas completas</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresora...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambiar la impresora y las opciones de impresión</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Salir de la aplicación; pregunta si se guardan los documentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Subject Info</source>
        <translation>&amp;Datos del sujeto</translation>
    </message>
    <message>
        <source>&amp;Perform</source>
        <translation>&amp;Realizar</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>&amp;Response by Response</source>
        <translation>&amp;Respuesta por respuesta</translation>
    </message>
    <message>
        <source>&amp;Split Summary</source>
        <translation>Resumen por &amp;bloques</translation>
    </message>
    <message>
        <source>Res&amp;ult</source>
        <translation>Res&amp;ultado</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Custom Configuration</source>
        <translation>Configuración &amp;personalizada</translation>
    </message>
    <message>
        <source>C&amp;reate protocol</source>
        <translation>&amp;Crear protocolo</translation>
    </message>
    <message>
        <source>Create new protocol</source>
        <translation>Crear un protocolo nuevo</translation>
    </message>
    <message>
        <source>CO&amp;MM Port</source>
        <translation>Puerto CO&amp;M</translation>
    </message>
    <message>
        <source>S&amp;timulus Screen…</source>
        <translation>Pantalla de es&amp;tímulos…</translation>
    </message>
    <message>
        <source>Choose the monitor that shows tests and device checks</source>
        <translation>Elegir el monitor que muestra las pruebas y las comprobaciones del dispositivo</translation>
    </message>
    <message>
        <source>Stimulus Screen</source>
        <translation>Pantalla de estímulos</translation>
    </message>
    <message>
        <source>&amp;Open Configuration</source>
        <translation>&amp;Abrir configuración</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Guardar configuración</translation>
    </message>
    <message>
        <source>Open &amp;protocol</source>
        <translation>Abrir pr&amp;otocolo</translation>
    </message>
    <message>
        <source>Open protocol file</source>
        <translation>Abrir un archivo de protocolo</translation>
    </message>
    <message>
        <source>Sa&amp;ve protocol</source>
        <translation>Guardar protoco&amp;lo</translation>
    </message>
    <message>
        <source>Save protocol file</source>
        <translation>Guardar el archivo de protocolo</translation>
    </message>
    <message>
        <source>&amp;About alacrity...</source>
        <translation>&amp;Acerca de alacrity...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Export csv</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Subject</source>
        <translation>&amp;Sujeto</translation>
    </message>
    <message>
        <source>&amp;Exercise</source>
        <translation>&amp;Ejercicio</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>ALL Objects</source>
        <translation>TODOS los objetos</translation>
    </message>
    <message>
        <source>CIRCLE</source>
        <translation>CÍRCULO</translation>
    </message>
    <message>
        <source>CROSS</source>
        <translation>CRUZ</translation>
    </message>
    <message>
        <source>SQUARE</source>
        <translation>CUADRADO</translation>
    </message>
    <message>
        <source>TRIANGEL</source>
        <translation>TRIÁNGULO</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Copy A&amp;ll</source>
        <translation>Copiar &amp;todo</translation>
    </message>
    <message>
        <source>E&amp;xport csv</source>
        <translation>E&amp;xportar CSV</translation>
    </message>
    <message>
        <source>St&amp;atistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Check &amp;Display</source>
        <translation>Comprobar &amp;pantalla</translation>
    </message>
    <message>
        <source>Show frames on the stimulus screen and say whether its timing can be trusted</source>
        <translation>Mostrar imágenes en la pantalla de estímulos y decir si su temporización es fiable</translation>
    </message>
    <message>
        <source>Check Display</source>
        <translation>Comprobar pantalla</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Measures reaction times to visual stimuli.</source>
        <translation>Mide tiempos de reacción a estímulos visuales.</translation>
    </message>
    <message>
        <source>Use keys 1-4 as the response box (times are not instrument-grade).</source>
        <translation>Usar las teclas 1 a 4 como caja de respuesta (los tiempos no tienen calidad metrológica).</translation>
    </message>
    <message>
        <source>Take screenshots of the main window, the test screens and the device check into DIR, then quit.</source>
        <translation>Guardar capturas de la ventana principal, de las pantallas de prueba y de la comprobación del dispositivo en DIR y salir.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Check the station: name the display server and the stimulus screen, run a device check and a test of 3 stimuli on the response box, print how it went and quit (status 1 on failure).</source>
        <translation>Comprobar el puesto: nombrar el servidor gráfico y la pantalla de estímulos, hacer una comprobación del dispositivo y una prueba de 3 estímulos con la caja de respuesta, mostrar el resultado y salir (estado 1 si algo falla).</translation>
    </message>
    <message>
        <source>Show the program in language CODE (%1) instead of the system&apos;s.</source>
        <translation>Mostrar el programa en el idioma CODE (%1) en lugar del idioma del sistema.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;; available: %2.</source>
        <translation>Idioma desconocido «%1»; disponibles: %2.</translation>
    </message>
    <message>
        <source>Check the stimulus screen&apos;s timing: show frames on it for 2 seconds, print how far its presented times can be trusted and what to change, and quit (status 0 only when they can be trusted).</source>
        <translation>Comprobar la temporización de la pantalla de estímulos: mostrar imágenes en ella durante 2 segundos, indicar hasta qué punto sus tiempos de presentación son fiables y qué cambiar, y salir (estado 0 solo si son fiables).</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Random Time</source>
        <translation>Tiempo aleatorio</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>Tiempo fijo</translation>
    </message>
    <message>
        <source>S&amp;quare</source>
        <translation>C&amp;uadrado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Círculo</translation>
    </message>
    <message>
        <source>&amp;Triangel</source>
        <translation>&amp;Triángulo</translation>
    </message>
    <message>
        <source>Cr&amp;oss</source>
        <translation>C&amp;ruz</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Triangel</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Bac&amp;kground color</source>
        <translation>Color de &amp;fondo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Aceptada</translation>
    </message>
    <message>
        <source>Not Accepted</source>
        <translation>No aceptada</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Voice Signal</source>
        <translation>Señal &amp;sonora</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Time &amp;before (ms):</source>
        <translation>Tiempo &amp;antes (ms):</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Alacrity CFG Files (*.alycfg)</source>
        <translation>Archivos de configuración de Alacrity (*.alycfg)</translation>
    </message>
    <message>
        <source>Alacrity Protocol Files (*.alyprt)</source>
        <translation>Archivos de protocolo de Alacrity (*.alyprt)</translation>
    </message>
    <message>
        <source>ALACRITY protocol Files (*.alyprt)</source>
        <translation>Archivos de protocolo de ALACRITY (*.alyprt)</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>, scaled %1 %</source>
        <translation>, escalado %1 %</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>No válido</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>inferior izquierda</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>inferior derecha</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>superior izquierda</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>superior derecha</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1 (the chosen %2 is not connected)</source>
        <translation>%1 (la elegida %2 no está conectada)</translation>
    </message>
    <message>
        <source>The check was stopped before its end: nothing was judged.</source>
        <translation>La comprobación se detuvo antes de terminar: no se ha juzgado nada.</translation>
    </message>
    <message>
        <source>This display can be trusted for timing: each stimulus&apos;s presented time is exact.</source>
        <translation>Esta pantalla es fiable para la temporización: el tiempo de presentación de cada estímulo es exacto.</translation>
    </message>
    <message>
        <source>This display is usable for timing: each stimulus&apos;s presented time may be off by up to %1 ms, one refresh.</source>
        <translation>Esta pantalla es utilizable para la temporización: el tiempo de presentación de cada estímulo puede desviarse hasta %1 ms, un refresco.</translation>
    </message>
    <message>
        <source>This display tells nothing of its frames: when a stimulus reached the screen cannot be known.</source>
        <translation>Esta pantalla no informa nada de sus imágenes: no se puede saber cuándo llegó un estímulo a la pantalla.</translation>
    </message>
    <message>
        <source>This display cannot be trusted for timing.</source>
        <translation>Esta pantalla no es fiable para la temporización.</translation>
    </message>
    <message>
        <source>tells nothing of its frames</source>
        <translation>no informa de sus imágenes</translation>
    </message>
    <message>
        <source>asked through %1</source>
        <translation>consultado mediante %1</translation>
    </message>
    <message>
        <source>behind a compositor</source>
        <translation>detrás de un compositor</translation>
    </message>
    <message>
        <source>a virtual display</source>
        <translation>una pantalla virtual</translation>
    </message>
    <message>
        <source>%1 shown, none asked about</source>
        <translation>%1 mostradas, ninguna consultada</translation>
    </message>
    <message>
        <source>%1 shown, %2 reported, %3 a refresh late, %4 never reported</source>
        <translation>%1 mostradas, %2 informadas, %3 con un refresco de retraso, %4 nunca informadas</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1 ms (%2 Hz) as claimed, not measured</source>
        <translation>%1 ms (%2 Hz) según lo indicado, no medido</translation>
    </message>
    <message>
        <source>%1 ms (%2 Hz), steady within %3 ms</source>
        <translation>%1 ms (%2 Hz), estable con %3 ms de margen</translation>
    </message>
    <message>
        <source>not reported</source>
        <translation>no informado</translation>
    </message>
    <message>
        <source>median %1 ms, p99 %2 ms, max %3 ms</source>
        <translation>mediana %1 ms, p99 %2 ms, máx. %3 ms</translation>
    </message>
    <message>
        <source>page flip</source>
        <translation>cambio de página (page flip)</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>copia</translation>
    </message>
    <message>
        <source>composed by a compositor</source>
        <translation>compuesto por un compositor</translation>
    </message>
    <message>
        <source>exact: a page flip with the hardware&apos;s own time</source>
        <translation>exacto: un cambio de página con la hora propia del hardware</translation>
    </message>
    <message>
        <source>within one refresh</source>
        <translation>con un refresco de margen</translation>
    </message>
    <message>
        <source>lower bound only: shown at that time at the earliest</source>
        <translation>solo cota inferior: mostrado como muy pronto en ese momento</translation>
    </message>
    <message>
        <source>simulated clock: no physical meaning</source>
        <translation>reloj simulado: sin significado físico</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>no medido</translation>
    </message>
    <message>
        <source>%1 ms, measured with a light sensor</source>
        <translation>%1 ms, medido con un sensor de luz</translation>
    </message>
    <message>
        <source>Use a display server that reports its frames (the X Present extension, Wayland&apos;s presentation-time protocol), or measure each stimulus with a light sensor.</source>
        <translation>Usar un servidor de pantalla que informe de sus imágenes (la extensión X Present, el protocolo presentation-time de Wayland), o medir cada estímulo con un sensor de luz.</translation>
    </message>
    <message>
        <source>Run the tests in an X11 or Wayland session on the stimulus screen: only there can the display say when each frame was shown; elsewhere only a light sensor can.</source>
        <translation>Realizar los tests en una sesión X11 o Wayland en la pantalla de estímulos: solo allí puede la pantalla decir cuándo se mostró cada imagen; en otro caso solo puede un sensor de luz.</translation>
    </message>
    <message>
        <source>Check the station&apos;s real screen: a virtual display has no physical frame clock, so its times say nothing of what a subject sees.</source>
        <translation>Comprobar la pantalla real del puesto: una pantalla virtual no tiene reloj de imágenes físico, así que sus tiempos no dicen nada de lo que ve un sujeto.</translation>
    </message>
    <message>
        <source>Turn off the compositor, or run the tests in a full-screen session without one: a compositor shows each frame a refresh or more after the program hands it over.</source>
        <translation>Desactivar el compositor, o realizar los tests en una sesión a pantalla completa sin compositor: un compositor muestra cada imagen un refresco o más después de que el programa la entrega.</translation>
    </message>
    <message>
        <source>Let the display flip the frames instead of copying them (a full-screen window, no compositor, the driver&apos;s page flipping): a copy&apos;s time is known only to within one refresh.</source>
        <translation>Dejar que la pantalla cambie de página en lugar de copiar las imágenes (una ventana a pantalla completa, sin compositor, el cambio de página del controlador): el tiempo de una copia solo se conoce con un refresco de margen.</translation>
    </message>
    <message>
        <source>Fix the refresh rate: turn off variable refresh (adaptive sync) and the screen&apos;s power saving; the refresh varied by %1 ms.</source>
        <translation>Fijar la frecuencia de refresco: desactivar el refresco variable (adaptive sync) y el ahorro de energía de la pantalla; el refresco varió %1 ms.</translation>
    </message>
    <message>
        <source>Set the screen&apos;s mode again: it refreshes at %1 Hz, not at the %2 Hz it claims.</source>
        <translation>Volver a ajustar el modo de la pantalla: refresca a %1 Hz, no a los %2 Hz que indica.</translation>
    </message>
    <message>
        <source>Close other programs and turn off the compositor: %1 of %2 frames reached the screen a refresh late or never.</source>
        <translation>Cerrar otros programas y desactivar el compositor: %1 de %2 imágenes llegaron a la pantalla con un refresco de retraso o nunca.</translation>
    </message>
    <message>
        <source>Measure the panel&apos;s own lag with a light sensor and enter it in Setup &gt; Stimulus Screen: no software can see it.</source>
        <translation>Medir el retardo propio del panel con un sensor de luz e introducirlo en Configuración &gt; Pantalla de estímulos: ningún software puede verlo.</translation>
    </message>
    <message>
        <source>Stimulus screen:</source>
        <translation>Pantalla de estímulos:</translation>
    </message>
    <message>
        <source>Display system:</source>
        <translation>Sistema de pantalla:</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Imágenes:</translation>
    </message>
    <message>
        <source>Refresh:</source>
        <translation>Refresco:</translation>
    </message>
    <message>
        <source>Hand-over to presented:</source>
        <translation>Entrega a presentación:</translation>
    </message>
    <message>
        <source>Presented by:</source>
        <translation>Presentado por:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Panel lag:</source>
        <translation>Retardo del panel:</translation>
    </message>
    <message>
        <source>What to change:</source>
        <translation>Qué cambiar:</translation>
    </message>
</context>
<context>
    <name>DisplayServer</name>
    <message>
        <source>a %1 compositor</source>
        <translation>un compositor %1</translation>
    </message>
    <message>
        <source>the %1 compositor %2</source>
        <translation>el compositor %1 %2</translation>
    </message>
    <message>
        <source> (%1 ms at %2 Hz)</source>
        <translation> (%1 ms a %2 Hz)</translation>
    </message>
    <message>
        <source>Shown through %1: each picture reaches the screen about one frame%2 later than in an X11 session.</source>
        <translation>Mostrado a través de %1: cada imagen llega a la pantalla aproximadamente un fotograma%2 más tarde que en una sesión X11.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Error opening file</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Error al guardar el archivo</translation>
    </message>
    <message>
        <source>Incompatible data</source>
        <translation>Datos incompatibles</translation>
    </message>
    <message>
        <source>Incompatible protocol</source>
        <translation>Protocolo incompatible</translation>
    </message>
    <message>
        <source>Damaged data file</source>
        <translation>Archivo de datos dañado</translation>
    </message>
    <message>
        <source>Damaged protocol file</source>
        <translation>Archivo de protocolo dañado</translation>
    </message>
    <message>
        <source>Error in communication</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Data not saved. Save?</source>
        <translation>Datos sin guardar. ¿Guardar?</translation>
    </message>
    <message>
        <source>The response box stopped sending. Press Stop: the answers so far are kept.</source>
        <translation>La caja de respuesta ha dejado de enviar. Pulse Detener: las respuestas dadas hasta ahora se conservan.</translation>
    </message>
    <message>
        <source>The protocol must hold between 1 and 1199 stimuli.</source>
        <translation>El protocolo debe contener entre 1 y 1199 estímulos.</translation>
    </message>
    <message>
        <source>The number of stimuli must be between 1 and 1199.</source>
        <translation>El número de estímulos debe estar entre 1 y 1199.</translation>
    </message>
    <message>
        <source>Select at least one object to be generated.</source>
        <translation>Seleccione al menos un objeto que generar.</translation>
    </message>
    <message>
        <source>The lower time limit must not be above the upper time limit.</source>
        <translation>El límite inferior de tiempo no debe superar al superior.</translation>
    </message>
    <message>
        <source>No protocol loaded</source>
        <translation>Ningún protocolo cargado</translation>
    </message>
    <message>
        <source>No item was selected!</source>
        <translation>¡No se ha seleccionado ningún elemento!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>No journal can be written for this test, so its answers live only in memory until it is saved: </source>
        <translation>No se puede escribir ningún diario para esta prueba, así que sus respuestas solo están en memoria hasta que se guarde: </translation>
    </message>
    <message>
        <source>The journal of this test could not be written to the end. Save the results before closing the program.</source>
        <translation>El diario de esta prueba no se pudo escribir hasta el final. Guarde los resultados antes de cerrar el programa.</translation>
    </message>
    <message>
        <source>a subject without a name</source>
        <translation>sujeto sin nombre</translation>
    </message>
    <message>
        <source>An unsaved test of %1 from %2 with %3 answered stimuli was found. Restore it?</source>
        <translation>Se ha encontrado una prueba sin guardar: %1, %2, %3 estímulos respondidos. ¿Restaurarla?</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of alacrity and is left as it is.</source>
        <translation>El diario %1 fue escrito por una versión más reciente de alacrity y se deja como está.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and could not be renamed.</source>
        <translation>El diario %1 está dañado y no se pudo renombrar.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged; it was renamed to %2.</source>
        <translation>El diario %1 está dañado; se ha renombrado a %2.</translation>
    </message>
    <message>
        <source>Stimulus %1 of the protocol has no valid object.</source>
        <translation>El estímulo %1 del protocolo no tiene un objeto válido.</translation>
    </message>
    <message>
        <source>The latency timer of the converter %1 is %2 ms: it holds received bytes back that long, so each new phase of a test reaches the screen up to %2 ms late. The program may not change it. Install the package&apos;s udev rule and replug the converter (the rule sets 1 ms), or set it until the next replug with:</source>
        <translation>El temporizador de latencia del convertidor %1 está en %2 ms: retiene los bytes recibidos ese tiempo, así que cada nueva fase de una prueba llega a la pantalla hasta %2 ms tarde. El programa no puede cambiarlo. Instale la regla udev del paquete y vuelva a conectar el convertidor (la regla lo pone en 1 ms), o ajústelo hasta la próxima conexión con:</translation>
    </message>
    <message>
        <source>Delete the unsaved test of %1 from %2 with %3 answered stimuli for good? Its journal %4 is then removed; No keeps it for the next start.</source>
        <translation>¿Eliminar definitivamente la prueba sin guardar (%1, %2, %3 estímulos respondidos)? Su diario %4 se borra entonces; No lo conserva para el próximo inicio.</translation>
    </message>
    <message>
        <source>%1: is write-protected; nothing saved</source>
        <translation>%1: está protegido contra escritura; no se guardó nada</translation>
    </message>
    <message>
        <source>%1: Is not a regular file (a pipe, device or socket)</source>
        <translation>%1: No es un archivo normal (una tubería, un dispositivo o un socket)</translation>
    </message>
    <message>
        <source>%1: was written for another save of %2</source>
        <translation>%1: se escribió para otro guardado de %2</translation>
    </message>
    <message>
        <source>%1: is of another test than %2</source>
        <translation>%1: es de otra prueba que %2</translation>
    </message>
    <message>
        <source>%1: is damaged at line %2</source>
        <translation>%1: está dañado en la línea %2</translation>
    </message>
    <message>
        <source>%1: is no timing record this program wrote</source>
        <translation>%1: no es un registro de tiempos escrito por este programa</translation>
    </message>
    <message>
        <source>%1: names a data file, but %2 is none that opens</source>
        <translation>%1: nombra un archivo de datos, pero %2 no es uno que se pueda abrir</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The subject register is not open.</source>
        <translation>El registro de sujetos no está abierto.</translation>
    </message>
    <message>
        <source>The subject register&apos;s dialogs need a window system.</source>
        <translation>Los diálogos del registro de sujetos necesitan un sistema de ventanas.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculino</translation>
    </message>
    <message>
        <source>female</source>
        <translation>femenino</translation>
    </message>
</context>
<context>
    <name>Register</name>
    <message>
        <source>unknown database error</source>
        <translation>error de base de datos desconocido</translation>
    </message>
    <message>
        <source>The database driver for %1 is not installed.</source>
        <translation>El controlador de base de datos para %1 no está instalado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 no se puede abrir: %2</translation>
    </message>
    <message>
        <source>The subject register %1</source>
        <translation>El registro de sujetos %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>The subject register on %1</source>
        <translation>El registro de sujetos en %1</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>the register is not open</source>
        <translation>el registro no está abierto</translation>
    </message>
    <message>
        <source>The subject register is busy: %1</source>
        <translation>El registro de sujetos está ocupado: %1</translation>
    </message>
    <message>
        <source>No subject register directory was given.</source>
        <translation>No se ha indicado ningún directorio del registro de sujetos.</translation>
    </message>
    <message>
        <source>The subject register&apos;s directory %1 could not be created.</source>
        <translation>No se pudo crear el directorio %1 del registro de sujetos.</translation>
    </message>
    <message>
        <source>The subject register is not open.</source>
        <translation>El registro de sujetos no está abierto.</translation>
    </message>
    <message>
        <source>The directory %1 could not be created.</source>
        <translation>No se pudo crear el directorio %1.</translation>
    </message>
    <message>
        <source>the register has no version</source>
        <translation>el registro no tiene versión</translation>
    </message>
    <message>
        <source>the register was written by a newer program (version %1; this program knows up to version %2); it was left as it is</source>
        <translation>el registro fue escrito por un programa más reciente (versión %1; este programa conoce hasta la versión %2); se dejó como estaba</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is no port number</source>
        <translation>el puerto «%1» no es un número de puerto</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; may not contain &apos;;&apos;</source>
        <translation>el valor de «%1» no puede contener «;»</translation>
    </message>
    <message>
        <source>it is not a valid address</source>
        <translation>no es una dirección válida</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; lacks its closing quote</source>
        <translation>al valor de «%1» le falta la comilla de cierre</translation>
    </message>
    <message>
        <source>the default server</source>
        <translation>el servidor predeterminado</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>only postgresql:// addresses are understood</source>
        <translation>solo se entienden direcciones postgresql://</translation>
    </message>
    <message>
        <source>The subject register&apos;s database connection cannot be used: %1.</source>
        <translation>La conexión a la base de datos del registro de sujetos no se puede usar: %1.</translation>
    </message>
    <message>
        <source>The subject is no longer in the register.</source>
        <translation>El sujeto ya no está en el registro.</translation>
    </message>
    <message>
        <source>The subject register&apos;s directory %1 does not exist.</source>
        <translation>El directorio %1 del registro de sujetos no existe.</translation>
    </message>
    <message>
        <source>The subject register cannot be used: %1</source>
        <translation>El registro de sujetos no se puede usar: %1</translation>
    </message>
    <message>
        <source>The subject could not be added: %1</source>
        <translation>No se pudo añadir el sujeto: %1</translation>
    </message>
    <message>
        <source>The subject could not be changed: %1</source>
        <translation>No se pudo modificar el sujeto: %1</translation>
    </message>
    <message>
        <source>The current subject could not be set: %1</source>
        <translation>No se pudo establecer el sujeto actual: %1</translation>
    </message>
    <message>
        <source>The subject of the data file could not be registered: %1</source>
        <translation>No se pudo registrar el sujeto del archivo de datos: %1</translation>
    </message>
    <message>
        <source>The subject&apos;s directory could not be named: %1</source>
        <translation>No se pudo nombrar el directorio del sujeto: %1</translation>
    </message>
    <message>
        <source>The subject&apos;s directory %1 could not be created.</source>
        <translation>No se pudo crear el directorio %1 del sujeto.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>DIGITAL REPORT</source>
        <translation>INFORME DETALLADO</translation>
    </message>
    <message>
        <source>SPLIT REPORT</source>
        <translation>INFORME POR BLOQUES</translation>
    </message>
    <message>
        <source>Result of Your Alacrity test</source>
        <translation>Resultado de su prueba de reacción</translation>
    </message>
    <message>
        <source>No
(#)</source>
        <translation>N.º
(#)</translation>
    </message>
    <message>
        <source>No (#)</source>
        <translation>N.º (#)</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Generation Time
(ms)</source>
        <translation>Tiempo de espera
(ms)</translation>
    </message>
    <message>
        <source>Generation Time (ms)</source>
        <translation>Tiempo de espera (ms)</translation>
    </message>
    <message>
        <source>Alacrity Time
(ms)</source>
        <translation>T. de reacción
(ms)</translation>
    </message>
    <message>
        <source>Alacrity Time (ms)</source>
        <translation>T. de reacción (ms)</translation>
    </message>
    <message>
        <source>Total Time
(ms)</source>
        <translation>Tiempo total
(ms)</translation>
    </message>
    <message>
        <source>Total Time (ms)</source>
        <translation>Tiempo total (ms)</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>false</source>
        <translation>errónea</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Triangel</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>at</source>
        <translation>a las</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Total: </translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Fondo: </translation>
    </message>
    <message>
        <source>Page: </source>
        <translation>Página: </translation>
    </message>
    <message>
        <source>square: </source>
        <translation>cuadrado: </translation>
    </message>
    <message>
        <source>circle: </source>
        <translation>círculo: </translation>
    </message>
    <message>
        <source>triangle: </source>
        <translation>triángulo: </translation>
    </message>
    <message>
        <source>cross: </source>
        <translation>cruz: </translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>No válido</translation>
    </message>
    <message>
        <source>Total responses:</source>
        <translation>Total respuestas:</translation>
    </message>
    <message>
        <source>Correct responses:</source>
        <translation>Resp. correctas:</translation>
    </message>
    <message>
        <source>False responses:</source>
        <translation>Resp. erróneas:</translation>
    </message>
    <message>
        <source>Mean alacrity time(ms):</source>
        <translation>Reacción media (ms):</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>DE:</translation>
    </message>
    <message>
        <source>Alacrity time average:</source>
        <translation>Tiempo de reacción medio:</translation>
    </message>
    <message>
        <source>Display delay: no stimulus painted</source>
        <translation>Retardo de pantalla: ningún estímulo dibujado</translation>
    </message>
    <message>
        <source>Box rate: not measured (too few bytes)</source>
        <translation>Tasa de la caja: no medida (muy pocos bytes)</translation>
    </message>
    <message>
        <source>Display: unknown, refresh rate unknown</source>
        <translation>Pantalla: desconocida, frecuencia de refresco desconocida</translation>
    </message>
    <message>
        <source>Stimuli reached the screen a refresh or more after their count began; times include that.</source>
        <translation>Los estímulos llegaron a la pantalla un refresco o más después de empezar su cuenta; los tiempos lo incluyen.</translation>
    </message>
    <message>
        <source>The box&apos;s clock is off: every response time is off by the same share.</source>
        <translation>El reloj de la caja se desvía: cada tiempo de reacción se desvía en la misma proporción.</translation>
    </message>
    <message>
        <source>Bytes arrived in bursts: the converter&apos;s latency timer may be 16 ms, or the host was busy.</source>
        <translation>Los bytes llegaron en ráfagas: el temporizador de latencia del convertidor puede estar en 16 ms, o el equipo estaba ocupado.</translation>
    </message>
    <message>
        <source>Display delay: median %1 ms, p99 %2 ms, max %3 ms (%4 stimuli)</source>
        <translation>Retardo de pantalla: mediana %1 ms, p99 %2 ms, máx. %3 ms (%4 estímulos)</translation>
    </message>
    <message>
        <source>Longest gap between bytes: %1 ms</source>
        <translation>Mayor intervalo entre bytes: %1 ms</translation>
    </message>
    <message>
        <source>Display: unknown, %1 Hz refresh</source>
        <translation>Pantalla: desconocida, refresco de %1 Hz</translation>
    </message>
    <message>
        <source>Display: %1, %2 Hz refresh</source>
        <translation>Pantalla: %1, refresco de %2 Hz</translation>
    </message>
    <message>
        <source>Display: %1, refresh rate unknown</source>
        <translation>Pantalla: %1, frecuencia de refresco desconocida</translation>
    </message>
    <message>
        <source>The button bits change faster than fingers can: the box sends garbage (a wrong rate, a loose line or another device), not presses.</source>
        <translation>Los bits de los botones cambian más rápido de lo que pueden los dedos: la caja envía basura (una tasa errónea, una línea suelta u otro dispositivo), no pulsaciones.</translation>
    </message>
    <message>
        <source>Answers bunched at the shortest time that counts were not given by a person: the box sends presses by itself.</source>
        <translation>Las respuestas agrupadas en el tiempo más corto que cuenta no las dio una persona: la caja envía pulsaciones por sí sola.</translation>
    </message>
    <message>
        <source>Buttons held throughout: none</source>
        <translation>Botones pulsados todo el tiempo: ninguno</translation>
    </message>
    <message>
        <source>The box stopped sending: it was switched off or unplugged, or its line broke.</source>
        <translation>La caja dejó de enviar: se apagó o se desconectó, o su línea se cortó.</translation>
    </message>
    <message>
        <source>A button held for the whole check is stuck or wired wrongly: a test waits for all buttons up before every stimulus.</source>
        <translation>Un botón pulsado durante toda la comprobación está atascado o mal cableado: una prueba espera a que se suelten todos los botones antes de cada estímulo.</translation>
    </message>
    <message>
        <source>Box rate: %1 ± %2 bytes/s, %3 ± %4 ppm against the host clock</source>
        <translation>Tasa de la caja: %1 ± %2 bytes/s, %3 ± %4 ppm respecto al reloj del equipo</translation>
    </message>
    <message>
        <source>Button changes: %1, at most %2 in one second; bounces (within 10 ms): %3</source>
        <translation>Cambios de botones: %1, como máximo %2 en un segundo; rebotes (en menos de 10 ms): %3</translation>
    </message>
    <message>
        <source>Answers within 5 ms of the 69 ms floor: %1 of %2</source>
        <translation>Respuestas a menos de 5 ms del mínimo de 69 ms: %1 de %2</translation>
    </message>
    <message>
        <source>No bytes for the last %1 ms of the check</source>
        <translation>Ningún byte en los últimos %1 ms de la comprobación</translation>
    </message>
    <message>
        <source>Buttons held throughout: %1</source>
        <translation>Botones pulsados todo el tiempo: %1</translation>
    </message>
    <message>
        <source>Onset to presented: not reported by the display system</source>
        <translation>Inicio a presentación: el sistema de pantalla no lo informa</translation>
    </message>
    <message>
        <source>Presentation times: none (the display system reports no presented frames)</source>
        <translation>Tiempos de presentación: ninguno (el sistema de pantalla no informa de imágenes presentadas)</translation>
    </message>
    <message>
        <source>Presentation times: exact (page flips timed by the display hardware)</source>
        <translation>Tiempos de presentación: exactos (cambios de página fechados por el hardware de pantalla)</translation>
    </message>
    <message>
        <source>Presentation times: frame-bounded (known to within one refresh)</source>
        <translation>Tiempos de presentación: acotados a una imagen (conocidos con un refresco de margen)</translation>
    </message>
    <message>
        <source>Presentation times: lower bound only (a compositor is in the way)</source>
        <translation>Tiempos de presentación: solo cota inferior (hay un compositor en medio)</translation>
    </message>
    <message>
        <source>Presentation times: simulated clock (a virtual display: no physical meaning)</source>
        <translation>Tiempos de presentación: reloj simulado (pantalla virtual, sin significado físico)</translation>
    </message>
    <message>
        <source>Panel lag: not measured (a light sensor on the screen measures it)</source>
        <translation>Retardo del panel: no medido (un sensor de luz en la pantalla lo mide)</translation>
    </message>
    <message>
        <source>Some stimuli reached the screen over a refresh after their hand-over, or were never reported shown; their response times include that.</source>
        <translation>Algunos estímulos llegaron a la pantalla más de un refresco después de entregarse, o nunca se informaron mostrados; sus tiempos de respuesta lo incluyen.</translation>
    </message>
    <message>
        <source>The screen&apos;s refresh adds up to one refresh interval that the program cannot see; response times include it.</source>
        <translation>El refresco de la pantalla añade hasta un intervalo de refresco que el programa no ve; los tiempos de respuesta lo incluyen.</translation>
    </message>
    <message>
        <source>Each presented time is known only to within one refresh; response times include the delay to the screen.</source>
        <translation>Cada tiempo de presentación solo se conoce con un refresco de margen; los tiempos de respuesta incluyen el retraso hasta la pantalla.</translation>
    </message>
    <message>
        <source>A compositor may show each frame a refresh or more after the time given; response times include that delay.</source>
        <translation>Un compositor puede mostrar cada imagen un refresco o más después del tiempo indicado; los tiempos de respuesta incluyen ese retraso.</translation>
    </message>
    <message>
        <source>The display is virtual: its times say nothing of a real screen, whose refresh would add up to one refresh interval that response times include.</source>
        <translation>La pantalla es virtual: sus tiempos no dicen nada de una pantalla real, cuyo refresco añadiría hasta un intervalo de refresco que los tiempos de respuesta incluyen.</translation>
    </message>
    <message>
        <source>The light sensor did not see every stimulus: it may sit off the marker, or the marker was not drawn; those stimuli have no light onset.</source>
        <translation>El sensor de luz no vio todos los estímulos: puede estar fuera de la marca, o la marca no se dibujó; esos estímulos no tienen inicio de luz.</translation>
    </message>
    <message>
        <source>Onset to presented: median %1 ms, p99 %2 ms, max %3 ms (%4 stimuli); missed a frame: %5</source>
        <translation>Inicio a presentación: mediana %1 ms, p99 %2 ms, máx. %3 ms (%4 estímulos); imagen perdida: %5</translation>
    </message>
    <message>
        <source>Panel lag: %1 ms, measured with a light sensor; included in onset to presented</source>
        <translation>Retardo del panel: %1 ms, medido con un sensor de luz; incluido en inicio a presentación</translation>
    </message>
    <message>
        <source>Onset to light: median %1 ms, p99 %2 ms, max %3 ms (%4 of %5 stimuli seen)</source>
        <translation>Inicio a luz: mediana %1 ms, p99 %2 ms, máx. %3 ms (%4 de %5 estímulos vistos)</translation>
    </message>
    <message>
        <source>Onset to light: none of %1 stimuli seen</source>
        <translation>Inicio a luz: ninguno de %1 estímulos visto</translation>
    </message>
    <message>
        <source>Light after presented: median %1 ms, from %2 to %3 ms (%4 stimuli)</source>
        <translation>Luz tras presentación: mediana %1 ms, de %2 a %3 ms (%4 estímulos)</translation>
    </message>
    <message>
        <source>The screen&apos;s refresh adds 0–%1 ms that the program cannot see; response times include it.</source>
        <translation>El refresco de la pantalla añade 0–%1 ms que el programa no ve; los tiempos de respuesta los incluyen.</translation>
    </message>
    <message>
        <source>Each presented time is known only to within one refresh (0–%1 ms); response times include the delay to the screen.</source>
        <translation>Cada tiempo de presentación solo se conoce con un refresco de margen (0–%1 ms); los tiempos de respuesta incluyen el retraso hasta la pantalla.</translation>
    </message>
    <message>
        <source>A compositor may show each frame a refresh (%1 ms) or more after the time given; response times include that delay.</source>
        <translation>Un compositor puede mostrar cada imagen un refresco (%1 ms) o más después del tiempo indicado; los tiempos de respuesta incluyen ese retraso.</translation>
    </message>
    <message>
        <source>The display is virtual: its times say nothing of a real screen, whose refresh would add 0–%1 ms that response times include.</source>
        <translation>La pantalla es virtual: sus tiempos no dicen nada de una pantalla real, cuyo refresco añadiría 0–%1 ms que los tiempos de respuesta incluyen.</translation>
    </message>
</context>
<context>
    <name>StatisticsTable</name>
    <message>
        <source>Answered</source>
        <translation>Respondidos</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Erróneas</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Tasa de error</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Cronometradas</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>DE</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
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
        <translation>Media recort.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>IES</source>
        <translation>IES</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>cruz</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triángulo</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
</context>
<context>
    <name>Subject</name>
    <message>
        <source>Press any button to start</source>
        <translation>Pulse cualquier botón para empezar</translation>
    </message>
</context>
<context>
    <name>alacrity::CAboutDlg</name>
    <message>
        <source>alacrity Version %1</source>
        <translation>alacrity versión %1</translation>
    </message>
    <message>
        <source>About alacrity</source>
        <translation>Acerca de alacrity</translation>
    </message>
    <message>
        <source>Reaction-time measurement</source>
        <translation>Medición del tiempo de reacción</translation>
    </message>
    <message>
        <source>Visual stimuli, four-button response box</source>
        <translation>Estímulos visuales, caja de respuesta de cuatro botones</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>&amp;License...</source>
        <translation>&amp;Licencia...</translation>
    </message>
</context>
<context>
    <name>alacrity::CAlacrityView</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Internal error: interval</source>
        <translation>Error interno: intervalo</translation>
    </message>
    <message>
        <source>You can delete only in &apos;ALL Objects&apos; mode !</source>
        <translation>¡Solo se puede eliminar en el modo «TODOS los objetos»!</translation>
    </message>
    <message>
        <source>No lines were selected!</source>
        <translation>¡No se ha seleccionado ninguna línea!</translation>
    </message>
    <message>
        <source>Are You Sure You want to delete
 selected lines?</source>
        <translation>¿Seguro que desea eliminar
 las líneas seleccionadas?</translation>
    </message>
    <message>
        <source>No items were selected!</source>
        <translation>¡No se ha seleccionado ningún elemento!</translation>
    </message>
    <message>
        <source>No bytes from the response box on %1.</source>
        <translation>Ningún byte de la caja de respuesta en %1.</translation>
    </message>
    <message>
        <source>measuring the rate</source>
        <translation>midiendo la tasa</translation>
    </message>
    <message>
        <source>Box on %1: %2, longest gap %3 ms</source>
        <translation>Caja en %1: %2, mayor intervalo %3 ms</translation>
    </message>
    <message>
        <source>, latency timer %1 ms</source>
        <translation>, temporizador de latencia %1 ms</translation>
    </message>
    <message>
        <source>The statistics could not be written to
%1</source>
        <translation>No se pudieron escribir las estadísticas en
%1</translation>
    </message>
    <message>
        <source>%1 bytes/s</source>
        <translation>%1 bytes/s</translation>
    </message>
    <message>
        <source>The sensor sees light.</source>
        <translation>El sensor ve luz.</translation>
    </message>
    <message>
        <source>The sensor sees dark.</source>
        <translation>El sensor ve oscuridad.</translation>
    </message>
    <message>
        <source>Light sensor: tape it over the flashing marker in the %1 corner of this screen.</source>
        <translation>Sensor de luz: fijarlo sobre la marca intermitente en la esquina %1 de esta pantalla.</translation>
    </message>
    <message>
        <source>It follows the marker: ready.</source>
        <translation>Sigue la marca: listo.</translation>
    </message>
    <message>
        <source>It does not follow the marker yet: centre it on the marker, shade it from the room&apos;s light or turn its module&apos;s screw.</source>
        <translation>Todavía no sigue la marca: centrarlo sobre la marca, protegerlo de la luz de la sala o girar el tornillo de su módulo.</translation>
    </message>
</context>
<context>
    <name>alacrity::CCommDlg</name>
    <message>
        <source>Communication port setup</source>
        <translation>Configuración del puerto COM</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Puerto de comunicación</translation>
    </message>
    <message>
        <source>standard: /dev/ttyS%1</source>
        <translation>estándar: /dev/ttyS%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (no presente)</translation>
    </message>
    <message>
        <source>The box has a light sensor on its fifth bit</source>
        <translation>La caja tiene un sensor de luz en su quinto bit</translation>
    </message>
    <message>
        <source>A box built with a light sensor over the marker in a corner of the stimulus screen</source>
        <translation>Una caja construida con un sensor de luz sobre la marca en una esquina de la pantalla de estímulos</translation>
    </message>
</context>
<context>
    <name>alacrity::CCustomDlg</name>
    <message>
        <source>Custom setup</source>
        <translation>Configuración personalizada</translation>
    </message>
    <message>
        <source>&amp;No of Test stimuli:</source>
        <translation>&amp;Número de estímulos de la prueba:</translation>
    </message>
    <message>
        <source>&amp;Generation of Test stimuli after:</source>
        <translation>&amp;Generación de los estímulos tras:</translation>
    </message>
    <message>
        <source>Random Time &amp;Limits (100 - 5000 ms)</source>
        <translation>&amp;Límites del tiempo aleatorio (100 - 5000 ms)</translation>
    </message>
    <message>
        <source>Lo&amp;wer:</source>
        <translation>&amp;Inferior:</translation>
    </message>
    <message>
        <source>&amp;Upper:</source>
        <translation>Su&amp;perior:</translation>
    </message>
    <message>
        <source>&amp;Fixed Time (100 - 5000 ms)</source>
        <translation>Tiempo fi&amp;jo (100 - 5000 ms)</translation>
    </message>
    <message>
        <source>Color Assigment</source>
        <translation>Asignación de colores</translation>
    </message>
    <message>
        <source>Ob&amp;ject to be generated</source>
        <translation>&amp;Objetos que generar</translation>
    </message>
    <message>
        <source>Fal&amp;se Response</source>
        <translation>Respuesta &amp;errónea</translation>
    </message>
</context>
<context>
    <name>alacrity::CDisplayCheckDlg</name>
    <message>
        <source>Display Check</source>
        <translation>Comprobación de pantalla</translation>
    </message>
</context>
<context>
    <name>alacrity::CMainFrame</name>
    <message>
        <source>Test in progress.</source>
        <translation>Prueba en curso.</translation>
    </message>
    <message>
        <source>Data not saved. Save?</source>
        <translation>Datos sin guardar. ¿Guardar?</translation>
    </message>
    <message>
        <source>after 1 response</source>
        <translation>tras 1 respuesta</translation>
    </message>
    <message>
        <source>after each %1 responses</source>
        <translation>cada %1 respuestas</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Dialog bar</source>
        <translation>Barra de órdenes</translation>
    </message>
    <message>
        <source>Keyboard box, keys 1-4: response times measured from the keyboard are not instrument-grade</source>
        <translation>Teclado como caja, teclas 1-4: tiempos medidos con el teclado, sin calidad metrológica</translation>
    </message>
    <message>
        <source>You are saving the file outside the subject&apos;s designated directory.</source>
        <translation>Está guardando el archivo fuera del directorio asignado al sujeto.</translation>
    </message>
    <message>
        <source>The subject register is not open. The results are saved without it, starting in the data directory.</source>
        <translation>El registro de sujetos no está abierto. Los resultados se guardan sin él, empezando en el directorio de datos.</translation>
    </message>
    <message>
        <source>Shown on the stimulus screen, %1.</source>
        <translation>Mostrado en la pantalla de estímulos, %1.</translation>
    </message>
    <message>
        <source>The stimulus screen %1 is not connected: shown on the main window&apos;s screen.</source>
        <translation>La pantalla de estímulos %1 no está conectada: se muestra en la pantalla de la ventana principal.</translation>
    </message>
    <message>
        <source>The timing record could not be written beside the data file: %1</source>
        <translation>El registro de tiempos no se pudo escribir junto al archivo de datos: %1</translation>
    </message>
    <message>
        <source>The timing record beside this data file is not used; saving the file replaces or removes it:
%1</source>
        <translation>El registro de tiempos junto a este archivo de datos no se usa; al guardar el archivo se reemplaza o se elimina:
%1</translation>
    </message>
</context>
<context>
    <name>alacrity::CPerformDlg</name>
    <message>
        <source>Perform</source>
        <translation>Realizar</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personalizada</translation>
    </message>
    <message>
        <source>Number of stimuli to &amp;follow:</source>
        <translation>&amp;Número de estímulos a seguir:</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>P&amp;rotocolo</translation>
    </message>
    <message>
        <source>&amp;Load protocol</source>
        <translation>&amp;Cargar protocolo</translation>
    </message>
    <message>
        <source>Protocol &amp;name:</source>
        <translation>Nombre del pro&amp;tocolo:</translation>
    </message>
    <message>
        <source>No protocol loaded</source>
        <translation>Ningún protocolo cargado</translation>
    </message>
    <message>
        <source>no protocol loaded</source>
        <translation>ningún protocolo cargado</translation>
    </message>
</context>
<context>
    <name>alacrity::CProtocolDlg</name>
    <message>
        <source>The protocol is full: it holds at most %1 items.</source>
        <translation>El protocolo está lleno: admite como máximo %1 elementos.</translation>
    </message>
    <message>
        <source>No object was selected! Choose the object of the item.</source>
        <translation>¡No se ha seleccionado ningún objeto! Elija el objeto del elemento.</translation>
    </message>
    <message>
        <source>Protocol setup</source>
        <translation>Configuración del protocolo</translation>
    </message>
    <message>
        <source>&amp;Protocol name:</source>
        <translation>Nom&amp;bre del protocolo:</translation>
    </message>
    <message>
        <source>&amp;Generation time (ms):</source>
        <translation>Tiempo de &amp;generación (ms):</translation>
    </message>
    <message>
        <source>Ob&amp;ject</source>
        <translation>Ob&amp;jeto</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Añad&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>I&amp;nsertar</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ca&amp;mbiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Color Assigment</source>
        <translation>Asignación de colores</translation>
    </message>
    <message>
        <source>Fasle &amp;Response</source>
        <translation>Respuesta &amp;errónea</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Guar&amp;dar</translation>
    </message>
    <message>
        <source>No item was selected!</source>
        <translation>¡No se ha seleccionado ningún elemento!</translation>
    </message>
</context>
<context>
    <name>alacrity::CProtocolItemList</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Tiempo (ms)</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
</context>
<context>
    <name>alacrity::CStimulusScreenDlg</name>
    <message>
        <source>Stimulus Screen</source>
        <translation>Pantalla de estímulos</translation>
    </message>
    <message>
        <source>&amp;Tests and device checks are shown in full screen on:</source>
        <translation>Las &amp;pruebas y las comprobaciones del dispositivo se muestran a pantalla completa en:</translation>
    </message>
    <message>
        <source>The main window&apos;s screen</source>
        <translation>La pantalla de la ventana principal</translation>
    </message>
    <message>
        <source>%1 - not connected</source>
        <translation>%1 - no conectada</translation>
    </message>
    <message>
        <source>Start &amp;prompt the subject reads (%1):</source>
        <translation>&amp;Indicación de inicio que lee el sujeto (%1):</translation>
    </message>
    <message>
        <source>Panel &amp;lag measured with a light sensor (ms):</source>
        <translation>Retardo del pane&amp;l medido con un sensor de luz (ms):</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>no medido</translation>
    </message>
    <message>
        <source>Enter the panel&apos;s lag in milliseconds, from 0 to %1, or leave it empty while it is not measured.</source>
        <translation>Introducir el retardo del panel en milisegundos, de 0 a %1, o dejarlo vacío mientras no esté medido.</translation>
    </message>
    <message>
        <source>Light sensor&apos;s marker, &amp;corner:</source>
        <translation>Marca del sensor de luz, &amp;esquina:</translation>
    </message>
    <message>
        <source>Light sensor&apos;s marker, si&amp;ze (pixels):</source>
        <translation>Marca del sensor de luz, &amp;tamaño (píxeles):</translation>
    </message>
</context>
<context>
    <name>alacrity::CSubjectDlg</name>
    <message>
        <source>Subject dialog</source>
        <translation>Datos del sujeto</translation>
    </message>
    <message>
        <source>&amp;female</source>
        <translation>&amp;femenino</translation>
    </message>
    <message>
        <source>&amp;male</source>
        <translation>&amp;masculino</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Altura</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Peso</translation>
    </message>
    <message>
        <source>Comment &amp;1</source>
        <translation>Comentario &amp;1</translation>
    </message>
    <message>
        <source>Comment &amp;2</source>
        <translation>Comentario &amp;2</translation>
    </message>
    <message>
        <source>Comment &amp;3</source>
        <translation>Comentario &amp;3</translation>
    </message>
</context>
<context>
    <name>alacrity::StatisticsTable</name>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
</context>
<context>
    <name>prsrg::LoadDialog</name>
    <message>
        <source>Open test data</source>
        <translation>Abrir datos de prueba</translation>
    </message>
    <message>
        <source>Where is the test data file?</source>
        <translation>¿Dónde está el archivo de datos de la prueba?</translation>
    </message>
    <message>
        <source>In the subject&apos;s directory</source>
        <translation>En el directorio del sujeto</translation>
    </message>
    <message>
        <source>No subject is chosen.</source>
        <translation>No se ha elegido ningún sujeto.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>In the data directory</source>
        <translation>En el directorio de datos</translation>
    </message>
    <message>
        <source>Files of any subject</source>
        <translation>Archivos de cualquier sujeto</translation>
    </message>
</context>
<context>
    <name>prsrg::SubjectDialog</name>
    <message>
        <source>Subjects</source>
        <translation>Sujetos</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Buscar por nombre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>The subject is no longer in the register.</source>
        <translation>El sujeto ya no está en el registro.</translation>
    </message>
</context>
<context>
    <name>prsrg::SubjectEditDialog</name>
    <message>
        <source>New subject</source>
        <translation>Nuevo sujeto</translation>
    </message>
    <message>
        <source>Edit subject</source>
        <translation>Editar sujeto</translation>
    </message>
    <message>
        <source>female</source>
        <translation>femenino</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculino</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>&amp;Weight:</source>
        <translation>&amp;Peso:</translation>
    </message>
    <message>
        <source>Comment &amp;1:</source>
        <translation>Comentario &amp;1:</translation>
    </message>
    <message>
        <source>Comment &amp;2:</source>
        <translation>Comentario &amp;2:</translation>
    </message>
    <message>
        <source>Comment &amp;3:</source>
        <translation>Comentario &amp;3:</translation>
    </message>
</context>
</TS>
