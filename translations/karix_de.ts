<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BlockDialogs</name>
    <message>
        <source>Please enter new name.</source>
        <translation>Bitte einen neuen Namen eingeben.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: </source>
        <translation>Aufruf: </translation>
    </message>
</context>
<context>
    <name>ConnectionValues</name>
    <message>
        <source>Invalid port (0 to 65535 expected): &quot;%1&quot;</source>
        <translation>Ungültiger Port (0 bis 65535 erwartet): „%1“</translation>
    </message>
    <message>
        <source>Invalid time-out (whole seconds from %1 to %2 expected): &quot;%3&quot;</source>
        <translation>Ungültiges Zeitlimit (ganze Sekunden von %1 bis %2 erwartet): „%3“</translation>
    </message>
    <message>
        <source>Time-out %1 is out of range (%2 to %3 seconds); %4 is used.</source>
        <translation>Das Zeitlimit %1 liegt außerhalb des Bereichs (%2 bis %3 Sekunden); %4 wird verwendet.</translation>
    </message>
    <message>
        <source>Invalid module address: &quot;%1&quot; (address parts are decimal and start with no 0)</source>
        <translation>Ungültige Moduladresse: „%1“ (Adressteile sind dezimal und beginnen nicht mit 0)</translation>
    </message>
    <message>
        <source>Invalid module address: &quot;%1&quot;</source>
        <translation>Ungültige Moduladresse: „%1“</translation>
    </message>
</context>
<context>
    <name>DesignLoader</name>
    <message>
        <source>File specified in %1 is not a valid XML file for KaRiX.</source>
        <translation type="vanished">Die in %1 angegebene Datei ist keine gültige XML-Datei für KaRiX.</translation>
    </message>
    <message>
        <source>The loaded file is not correct. Some setting is ignored.</source>
        <translation type="vanished">Die geladene Datei ist nicht korrekt. Einige Einstellungen werden ignoriert.</translation>
    </message>
</context>
<context>
    <name>DesignRuleCheck</name>
    <message>
        <source>No error detected.</source>
        <translation>Kein Fehler gefunden.</translation>
    </message>
    <message>
        <source>%1: Outport is not connected.</source>
        <translation>%1: Der Ausgang ist nicht verbunden.</translation>
    </message>
    <message>
        <source>%1 is unconfigured.</source>
        <translation>%1 ist nicht konfiguriert.</translation>
    </message>
    <message>
        <source>%1: %2 is connected, but not used.</source>
        <translation>%1: %2 ist verbunden, wird aber nicht verwendet.</translation>
    </message>
    <message>
        <source>%1: %2 is not connected.</source>
        <translation>%1: %2 ist nicht verbunden.</translation>
    </message>
    <message>
        <source>%1: InputPort is connected, but not used.</source>
        <translation>%1: Der Eingang ist verbunden, wird aber nicht verwendet.</translation>
    </message>
    <message>
        <source>%1: InputPort is not connected.</source>
        <translation>%1: Der Eingang ist nicht verbunden.</translation>
    </message>
    <message>
        <source>%1: Save path does not exist.</source>
        <translation>%1: Der Speicherpfad existiert nicht.</translation>
    </message>
    <message>
        <source>%1: the name is given to %2 blocks.</source>
        <translation>%1: Der Name ist an %2 Blöcke vergeben.</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>Download - TOLA Access</source>
        <translation>Herunterladen - TOLA-Zugriff</translation>
    </message>
    <message>
        <source>The output may become unstable during verify.</source>
        <translation>Der Ausgang kann während der Prüfung instabil werden.</translation>
    </message>
    <message>
        <source>The displayed data have not been yet downloaded.</source>
        <translation>Die angezeigten Daten wurden noch nicht heruntergeladen.</translation>
    </message>
    <message>
        <source>Save to ROM</source>
        <translation>Im ROM speichern</translation>
    </message>
    <message>
        <source>Are you sure you want to initialize ROM area?</source>
        <translation>Den ROM-Bereich wirklich initialisieren?</translation>
    </message>
    <message>
        <source>Initialize ROM area</source>
        <translation>ROM-Bereich initialisieren</translation>
    </message>
    <message>
        <source>There is no MsrCnt.</source>
        <translation>Es gibt keinen MsrCnt.</translation>
    </message>
    <message>
        <source>It may be different that the downloaded data are displayed.</source>
        <translation>Die angezeigten Daten können von den heruntergeladenen abweichen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Verify after Download</source>
        <translation>Nach dem Herunterladen &amp;prüfen</translation>
    </message>
    <message>
        <source>from the command line</source>
        <translation>aus der Befehlszeile</translation>
    </message>
    <message>
        <source>from the document</source>
        <translation>aus dem Dokument</translation>
    </message>
    <message>
        <source>To lift the protection, choose File &gt; Write Protect and clear &quot;Write Protect (Current setting)&quot;.</source>
        <translation>Um den Schutz aufzuheben, Datei &gt; Schreibschutz wählen und „Schreibschutz (aktuelle Einstellung)“ abwählen.</translation>
    </message>
    <message>
        <source>Verifying the download ...</source>
        <translation>Die heruntergeladenen Daten werden geprüft ...</translation>
    </message>
    <message>
        <source>The module may now hold a partial configuration.</source>
        <translation>Das Modul enthält jetzt möglicherweise eine unvollständige Konfiguration.</translation>
    </message>
    <message>
        <source>Download again?</source>
        <translation>Erneut herunterladen?</translation>
    </message>
    <message>
        <source>The outputs may glitch while the module&apos;s tables are read back, for about as long as the read-back takes (%1 s at this link&apos;s speed).</source>
        <translation>Die Ausgänge können Störimpulse zeigen, solange die Tabellen des Moduls zurückgelesen werden, also etwa so lange, wie das Zurücklesen dauert (%1 s bei der Geschwindigkeit dieser Verbindung).</translation>
    </message>
    <message>
        <source>This erases all %1 ROM pages and their comments and makes page 0 the boot page.</source>
        <translation>Dies löscht alle %1 ROM-Seiten samt ihren Kommentaren und macht Seite 0 zur Boot-Seite.</translation>
    </message>
</context>
<context>
    <name>DialogCanvasPrompts</name>
    <message>
        <source>KaRiX</source>
        <translation type="vanished">KaRiX</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>NewFile</source>
        <translation>NeueDatei</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>Das Dokument wurde geändert.
Änderungen speichern?</translation>
    </message>
    <message>
        <source>SAX Handler</source>
        <translation>SAX-Handler</translation>
    </message>
    <message>
        <source>The loaded file is not correct. Some setting is ignored.</source>
        <translation>Die geladene Datei ist nicht korrekt. Einige Einstellungen werden ignoriert.</translation>
    </message>
    <message>
        <source>File specified in %1 is not a valid XML file for KaRiX.</source>
        <translation>Die in %1 angegebene Datei ist keine gültige XML-Datei für KaRiX.</translation>
    </message>
    <message>
        <source>Open KaRiX File</source>
        <translation>KaRiX-Datei öffnen</translation>
    </message>
    <message>
        <source>%1: No such file or directory.</source>
        <translation>%1: Datei oder Verzeichnis nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation type="vanished">Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>KaRiX Files (*.krx);;XML Files (*.xml)</source>
        <translation>KaRiX-Dateien (*.krx);;XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>Save KaRiX File</source>
        <translation>KaRiX-Datei speichern</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Ersetzen?</translation>
    </message>
    <message>
        <source>file save</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Restore unsaved changes to %1?</source>
        <translation>Ungespeicherte Änderungen an %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be kept for recovery in %1: %2</source>
        <translation>Ungespeicherte Änderungen können nicht zur Wiederherstellung in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>Connection settings from the command line</source>
        <translation>Verbindungseinstellungen aus der Befehlszeile</translation>
    </message>
    <message>
        <source>The file has changed since these changes were made.</source>
        <translation>Die Datei wurde geändert, seit diese Änderungen gemacht wurden.</translation>
    </message>
    <message>
        <source>It holds no KaRiX design.</source>
        <translation>Sie enthält kein KaRiX-Design.</translation>
    </message>
    <message>
        <source>The unsaved changes cannot be restored:
%1
They are kept in %2.</source>
        <translation>Die ungespeicherten Änderungen können nicht wiederhergestellt werden:
%1
Sie bleiben in %2 erhalten.</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>%1 is a directory, not a design document.</source>
        <translation>%1 ist ein Verzeichnis, kein Design-Dokument.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device, FIFO or socket), not a design document.</source>
        <translation>%1 ist keine reguläre Datei (sondern ein Gerät, eine FIFO oder ein Socket) und damit kein Design-Dokument.</translation>
    </message>
</context>
<context>
    <name>DocumentLimits</name>
    <message>
        <source>The document</source>
        <translation>Das Dokument</translation>
    </message>
    <message>
        <source>The element name at line %1 is longer than %2 characters.</source>
        <translation>Der Elementname in Zeile %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The element at line %1 has more than %2 attributes.</source>
        <translation>Das Element in Zeile %1 hat mehr als %2 Attribute.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most a design document may be.</source>
        <translation>%1 ist größer als %2 MB, die Höchstgröße eines Design-Dokuments.</translation>
    </message>
</context>
<context>
    <name>DocumentWriter</name>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
</context>
<context>
    <name>DrcDialog</name>
    <message>
        <source>DRC</source>
        <translation>DRC</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>DriverResolver</name>
    <message>
        <source>%1: the input from &apos;%2&apos; names port %3, which it does not have; left out</source>
        <translation>%1: Der Eingang von „%2“ nennt den Anschluss %3, den dieser nicht hat; ausgelassen</translation>
    </message>
</context>
<context>
    <name>EditCntFncDialog</name>
    <message>
        <source>0: One-Shot Function(Non-Retriggerable)</source>
        <translation>0: Monoflop (nicht nachtriggerbar)</translation>
    </message>
    <message>
        <source>1: One-Shot Function(Retriggerable)</source>
        <translation>1: Monoflop (nachtriggerbar)</translation>
    </message>
    <message>
        <source>2: Delayed One-Shot(Non-Retriggerable)</source>
        <translation>2: Verzögertes Monoflop (nicht nachtriggerbar)</translation>
    </message>
    <message>
        <source>3: Delayed One-Shot(Retriggerable)</source>
        <translation>3: Verzögertes Monoflop (nachtriggerbar)</translation>
    </message>
    <message>
        <source>4: Chattering Elimination(Non-Retriggerable)</source>
        <translation>4: Entprellung (nicht nachtriggerbar)</translation>
    </message>
    <message>
        <source>5: Chattering Elimination(Retriggerable)</source>
        <translation>5: Entprellung (nachtriggerbar)</translation>
    </message>
    <message>
        <source>6: Delay Function(Non-Retriggerable)</source>
        <translation>6: Verzögerung (nicht nachtriggerbar)</translation>
    </message>
    <message>
        <source>7: Delay Function(Retriggerable)</source>
        <translation>7: Verzögerung (nachtriggerbar)</translation>
    </message>
    <message>
        <source>8: Oscillator Function with enable</source>
        <translation>8: Oszillator mit Freigabe</translation>
    </message>
    <message>
        <source>9: Oscillator Function</source>
        <translation>9: Oszillator</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>Main &amp;Counter</source>
        <translation>&amp;Hauptzähler</translation>
    </message>
    <message>
        <source>&amp;Sub Counter</source>
        <translation>&amp;Nebenzähler</translation>
    </message>
    <message>
        <source>&amp;Pulse Width</source>
        <translation>&amp;Pulsbreite</translation>
    </message>
    <message>
        <source>&amp;Frequency</source>
        <translation>&amp;Frequenz</translation>
    </message>
    <message>
        <source>True Width</source>
        <translation>True-Breite</translation>
    </message>
    <message>
        <source>Minimum Idle &amp;Time</source>
        <translation>Minimale &amp;Ruhezeit</translation>
    </message>
    <message>
        <source>&amp;Delay Time</source>
        <translation>&amp;Verzögerungszeit</translation>
    </message>
    <message>
        <source>Guard Time (turn &amp;True)</source>
        <translation>Sperrzeit (nach &amp;True)</translation>
    </message>
    <message>
        <source>Guard Time (turn &amp;False)</source>
        <translation>Sperrzeit (nach &amp;False)</translation>
    </message>
    <message>
        <source>Delay time (turn &amp;True)</source>
        <translation>Verzögerungszeit (nach &amp;True)</translation>
    </message>
    <message>
        <source>Delay time (turn &amp;False)</source>
        <translation>Verzögerungszeit (nach &amp;False)</translation>
    </message>
    <message>
        <source>&amp;True Width</source>
        <translation>&amp;True-Breite</translation>
    </message>
    <message>
        <source>&amp;False Width</source>
        <translation>&amp;False-Breite</translation>
    </message>
    <message>
        <source>Frequency must be larger than 0.</source>
        <translation>Die Frequenz muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>%1 must be larger than 0.</source>
        <translation>%1 muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Duty must be less than 100%.</source>
        <translation>Das Tastverhältnis muss unter 100 % liegen.</translation>
    </message>
    <message>
        <source>Invalid Setting</source>
        <translation>Ungültige Einstellung</translation>
    </message>
    <message>
        <source>%1 must be %2 ns - 21.48 sec</source>
        <translation>%1 muss zwischen %2 ns und 21,48 s liegen</translation>
    </message>
    <message>
        <source>%1 must be 0 - 21.48sec</source>
        <translation>%1 muss zwischen 0 und 21,48 s liegen</translation>
    </message>
    <message>
        <source> is rounded off and becomes </source>
        <translation> wird gerundet zu </translation>
    </message>
    <message>
        <source>Because it is necessary to set Counter by a unit for 5ns,
</source>
        <translation>Da Zähler in Schritten von 5 ns eingestellt werden,
</translation>
    </message>
    <message>
        <source>,
and </source>
        <translation>,
und </translation>
    </message>
    <message>
        <source>The first time of the mode, as its caption says: the pulse width of a one-shot, the delay of a delayed one-shot, the guard or delay time before the output turns true, or the true width of an oscillator. The module counts it in whole 5 ns steps, up to 21.474836475 s; the unit is chosen beside it.</source>
        <translation>Die erste Zeit des Modus, wie ihre Beschriftung sagt: die Pulsbreite eines Monoflops, die Verzögerung eines verzögerten Monoflops, die Sperr- oder Verzögerungszeit, bevor der Ausgang True wird, oder die True-Breite eines Oszillators. Das Modul zählt sie in ganzen 5-ns-Schritten, bis 21,474836475 s; die Einheit wird daneben gewählt.</translation>
    </message>
    <message>
        <source>The second time of the mode: the minimum idle time after a one-shot&apos;s pulse, the pulse width of a delayed one-shot, the guard or delay time before the output turns false, or the false width of an oscillator. Whole 5 ns steps; one-shots and oscillators need at least 5 ns.</source>
        <translation>Die zweite Zeit des Modus: die minimale Ruhezeit nach dem Puls eines Monoflops, die Pulsbreite eines verzögerten Monoflops, die Sperr- oder Verzögerungszeit, bevor der Ausgang False wird, oder die False-Breite eines Oszillators. Ganze 5-ns-Schritte; Monoflops und Oszillatoren brauchen mindestens 5 ns.</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>SAX Handler</source>
        <translation>SAX-Handler</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
</context>
<context>
    <name>EditDlyFncDialog</name>
    <message>
        <source>Please enter a delay time
between 0 and 40.48us (step: 5ns)</source>
        <translation>Bitte eine Verzögerungszeit
zwischen 0 und 40,48 µs eingeben (Schritt: 5 ns)</translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation>&amp;Verzögerung:</translation>
    </message>
    <message>
        <source>Invalid Setting</source>
        <translation>Ungültige Einstellung</translation>
    </message>
    <message>
        <source>Please set a delay time between 0 and 40.48us (step: 5ns)</source>
        <translation>Bitte eine Verzögerungszeit zwischen 0 und 40,48 µs einstellen (Schritt: 5 ns)</translation>
    </message>
    <message>
        <source>Because it is necessary to set Delay time by a unit for 5ns, %1 is rounded off and becomes %2</source>
        <translation>Da die Verzögerungszeit in Schritten von 5 ns eingestellt wird, wird %1 zu %2 gerundet</translation>
    </message>
</context>
<context>
    <name>EditInputDialog</name>
    <message>
        <source>Edit</source>
        <translation type="vanished">Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Anschluss:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
</context>
<context>
    <name>EditLogicDialog</name>
    <message>
        <source>Logic Edit</source>
        <translation>Logik bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Net Name</source>
        <translation>&amp;Netzname</translation>
    </message>
    <message>
        <source>&amp;Port Name</source>
        <translation>&amp;Portname</translation>
    </message>
    <message>
        <source>OUT = </source>
        <translation>OUT = </translation>
    </message>
    <message>
        <source>Truth table…</source>
        <translation>Wahrheitstabelle…</translation>
    </message>
    <message>
        <source>Valid expression.</source>
        <translation>Gültiger Ausdruck.</translation>
    </message>
    <message>
        <source>Not valid: %1</source>
        <translation>Ungültig: %1</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>NET connect</source>
        <translation>Netz verbinden</translation>
    </message>
    <message>
        <source>Logic Error</source>
        <translation>Logikfehler</translation>
    </message>
</context>
<context>
    <name>EditMsrCntDialog</name>
    <message>
        <source>Logic Edit</source>
        <translation>Logik bearbeiten</translation>
    </message>
    <message>
        <source>User Control</source>
        <translation>Benutzersteuerung</translation>
    </message>
    <message>
        <source>Measure During True</source>
        <translation>Messen während True</translation>
    </message>
    <message>
        <source>Measure During Edge to Edge (only False to True)</source>
        <translation>Messen von Flanke zu Flanke (nur False nach True)</translation>
    </message>
    <message>
        <source>Measure During Edge to Edge (Both Edge)</source>
        <translation>Messen von Flanke zu Flanke (beide Flanken)</translation>
    </message>
    <message>
        <source>Gate Time</source>
        <translation>Torzeit</translation>
    </message>
    <message>
        <source>True Time</source>
        <translation>True-Zeit</translation>
    </message>
    <message>
        <source>Number of times that True appears</source>
        <translation>Anzahl der True-Phasen</translation>
    </message>
    <message>
        <source>Number of times that State change</source>
        <translation>Anzahl der Zustandswechsel</translation>
    </message>
    <message>
        <source>&amp;sec</source>
        <translation>&amp;s</translation>
    </message>
    <message>
        <source>&amp;msec</source>
        <translation>&amp;ms</translation>
    </message>
    <message>
        <source>&amp;usec</source>
        <translation>&amp;µs</translation>
    </message>
    <message>
        <source>&amp;nsec</source>
        <translation>&amp;ns</translation>
    </message>
    <message>
        <source>&amp;File Save</source>
        <translation>In &amp;Datei speichern</translation>
    </message>
    <message>
        <source>&amp;PATH:</source>
        <translation>&amp;Pfad:</translation>
    </message>
    <message>
        <source>&amp;Counter:</source>
        <translation>&amp;Zähler:</translation>
    </message>
    <message>
        <source>&amp;GATE:</source>
        <translation>&amp;GATE:</translation>
    </message>
    <message>
        <source>&amp;SRC:</source>
        <translation>S&amp;RC:</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Verzeichnis öffnen</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>%1: The named directory does not exist, create it?</source>
        <translation>%1: Das Verzeichnis existiert nicht. Anlegen?</translation>
    </message>
    <message>
        <source>QDir::mkpath()</source>
        <translation>QDir::mkpath()</translation>
    </message>
    <message>
        <source>%1: cannot create</source>
        <translation>%1: kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>When the counter counts: under User Control from Start to Stop in the counter window; otherwise while the GATE input is true, from one rising edge of GATE to the next, or from any edge of GATE to the next.</source>
        <translation>Wann der Zähler zählt: bei Benutzersteuerung von Start bis Stopp im Zählerfenster; sonst solange der GATE-Eingang True ist, von einer steigenden Flanke von GATE bis zur nächsten oder von einer beliebigen Flanke von GATE bis zur nächsten.</translation>
    </message>
    <message>
        <source>What is counted while the gate is open: the gate time itself or the time the SRC input is true (both shown in the time unit below), or how often SRC turns true, or how often SRC changes state (plain counts).</source>
        <translation>Was gezählt wird, solange das Tor offen ist: die Torzeit selbst oder die Zeit, in der der SRC-Eingang True ist (beide in der Zeiteinheit unten angezeigt), oder wie oft SRC True wird oder wie oft SRC den Zustand wechselt (reine Anzahlen).</translation>
    </message>
</context>
<context>
    <name>EntryBuilder</name>
    <message>
        <source>There&apos;s not enough space.</source>
        <translation>Es ist nicht genug Platz.</translation>
    </message>
    <message>
        <source>There is no more Input resource.</source>
        <translation>Es ist kein Eingang mehr frei.</translation>
    </message>
    <message>
        <source>no free row</source>
        <translation>keine freie Zeile</translation>
    </message>
    <message>
        <source>%1 entry &apos;%2&apos; moved from row %3 to row %4</source>
        <translation>%1-Eintrag „%2“ von Zeile %3 nach Zeile %4 verschoben</translation>
    </message>
    <message>
        <source>no free resource</source>
        <translation>keine freie Ressource</translation>
    </message>
    <message>
        <source>no room on the sheet</source>
        <translation>kein Platz auf dem Blatt</translation>
    </message>
    <message>
        <source>%1 entry &apos;%2&apos; renamed to %3</source>
        <translation>%1-Eintrag „%2“ in %3 umbenannt</translation>
    </message>
    <message>
        <source>%1 entry &apos;%2&apos; left out: %3</source>
        <translation>%1-Eintrag „%2“ ausgelassen: %3</translation>
    </message>
</context>
<context>
    <name>GeneratorOption</name>
    <message>
        <source>&quot;%1&quot; does not have the form the option expects.</source>
        <translation>„%1“ hat nicht die Form, die die Option erwartet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: unknown input &quot;%2&quot;.</source>
        <translation>„%1“: unbekannter Eingang „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the width must be longer than 0 and shorter than the period.</source>
        <translation>„%1“: Die Breite muss größer als 0 und kleiner als die Periode sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not a rate (such as 500Hz, 10kHz, 1.5MHz).</source>
        <translation>„%1“: „%2“ ist keine Rate (etwa 500Hz, 10kHz, 1.5MHz).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the width must be longer than 0 and at most the mean spacing of the pulses.</source>
        <translation>„%1“: Die Breite muss größer als 0 und höchstens so groß wie der mittlere Abstand der Pulse sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the level must be 0 or 1.</source>
        <translation>„%1“: Der Pegel muss 0 oder 1 sein.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>KaRiX User Guide</source>
        <translation>KaRiX-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Back to the table of contents (Home)</source>
        <translation>Zurück zum Inhaltsverzeichnis (Pos1)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Find in page (Ctrl+F)</source>
        <translation>Auf der Seite suchen (Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>V&amp;origer</translation>
    </message>
    <message>
        <source>&lt;p&gt;The user guide was not found in %1.&lt;/p&gt;&lt;p&gt;It is installed with the program; a build finds it in the folder &quot;guide&quot; beside the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Benutzerhandbuch wurde in %1 nicht gefunden.&lt;/p&gt;&lt;p&gt;Es wird mit dem Programm installiert; ein Build findet es im Ordner „guide“ neben dem Programm.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>  Not found</source>
        <translation>  Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>HexImageReader</name>
    <message>
        <source>expected &quot;ADDRESS: BYTES&quot;, found &quot;%1&quot;</source>
        <translation>„ADDRESS: BYTES“ erwartet, „%1“ gefunden</translation>
    </message>
    <message>
        <source>address 0x%1 lies outside the image</source>
        <translation>Adresse 0x%1 liegt außerhalb des Abbilds</translation>
    </message>
    <message>
        <source>address 0x%1 is given twice</source>
        <translation>Adresse 0x%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 of the %2 image bytes are missing</source>
        <translation>%1 der %2 Bytes des Abbilds fehlen</translation>
    </message>
</context>
<context>
    <name>ImageCapture</name>
    <message>
        <source>Register 0x%1 lies outside the image.</source>
        <translation>Register 0x%1 liegt außerhalb des Abbilds.</translation>
    </message>
</context>
<context>
    <name>LinkHealth</name>
    <message>
        <source>Link: %1 requests, %2 retries, round trip %3 ms (max %4 ms)</source>
        <translation>Verbindung: %1 Anfragen, %2 Wiederholungen, Umlaufzeit %3 ms (max. %4 ms)</translation>
    </message>
</context>
<context>
    <name>LogicEvaluator</name>
    <message>
        <source>invalid at &apos;%1&apos;</source>
        <translation>ungültig bei &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid at EOF</source>
        <translation>ungültig am Ende</translation>
    </message>
    <message>
        <source>invalid --- &apos;)&apos; is missimg.</source>
        <translation>ungültig --- &apos;)&apos; fehlt.</translation>
    </message>
    <message>
        <source>invalid at &apos;%1&apos; --- nested deeper than %2 levels.</source>
        <translation>ungültig bei &apos;%1&apos; --- tiefer als %2 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>The expression is longer than %1 characters.</source>
        <translation>Der Ausdruck ist länger als %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>PreLogic
FeedBack</source>
        <translation>PreLogic
FeedBack</translation>
    </message>
    <message>
        <source>Function
</source>
        <translation>Funktion
</translation>
    </message>
    <message>
        <source>PostLogic</source>
        <translation>PostLogic</translation>
    </message>
    <message>
        <source>Output
FeedBack
Measure Counter</source>
        <translation>Ausgang
FeedBack
Messzähler</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open ...</source>
        <translation>Ö&amp;ffnen ...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save&amp;As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>&amp;Write Protect ...</source>
        <translation>Sch&amp;reibschutz ...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>&amp;Counters</source>
        <translation>&amp;Zähler</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alle&amp;s auswählen</translation>
    </message>
    <message>
        <source>Tab &amp;New</source>
        <translation>&amp;Neues Blatt</translation>
    </message>
    <message>
        <source>Tab &amp;Rename</source>
        <translation>Blatt &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;DRC</source>
        <translation>&amp;DRC</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Ethernet Setting</source>
        <translation>&amp;Ethernet-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Hardware Setup</source>
        <translation>&amp;Hardware einrichten</translation>
    </message>
    <message>
        <source>&amp;Save to ROM</source>
        <translation>Im ROM &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Restore from ROM</source>
        <translation>Aus dem ROM &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Change Boot ROM Page</source>
        <translation>&amp;Boot-ROM-Seite ändern</translation>
    </message>
    <message>
        <source>&amp;Initialize ROM area</source>
        <translation>ROM-Bereich &amp;initialisieren</translation>
    </message>
    <message>
        <source>&amp;About KaRiX</source>
        <translation>&amp;Über KaRiX</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>Zuletzt &amp;geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>ModuleSession</name>
    <message>
        <source>The Register is write-protected.</source>
        <translation type="vanished">Die Register sind schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>MsrCntWidget</name>
    <message>
        <source>Measure Counter</source>
        <translation>Messzähler</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Update </source>
        <translation>Aktualisiert </translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>The MsrCnt data cannot be saved, continue?</source>
        <translation>Die MsrCnt-Daten können nicht gespeichert werden. Fortfahren?</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Verbindung wird aufgebaut ...</translation>
    </message>
    <message>
        <source>Waiting for data ...</source>
        <translation>Warte auf Daten ...</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Connection closed by server</source>
        <translation>Verbindung vom Server geschlossen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Export CS&amp;V...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;PNG...</source>
        <translation>&amp;PNG exportieren...</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>%1 wrapped past 4,294,967,295 at %2; its rate stays right across the wrap</source>
        <translation>%1 ist bei %2 über 4.294.967.295 hinaus übergelaufen; die Rate bleibt über den Überlauf hinweg richtig</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 stopped</source>
        <translation>%1 gestoppt</translation>
    </message>
    <message>
        <source>The plot could not be exported to %1:
%2</source>
        <translation>Das Diagramm konnte nicht nach %1 exportiert werden:
%2</translation>
    </message>
    <message>
        <source>Export Rates as CSV</source>
        <translation>Raten als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Plot as PNG</source>
        <translation>Diagramm als PNG exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>NIMActionCopy</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>NIMActionCut</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
</context>
<context>
    <name>NIMActionDelete</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>NIMActionEdit</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>select port</source>
        <translation>Port wählen</translation>
    </message>
</context>
<context>
    <name>NIMActionRename</name>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
</context>
<context>
    <name>NameMessages</name>
    <message>
        <source>A name can consist only of the following characters:
</source>
        <translation>Ein Name darf nur aus folgenden Zeichen bestehen:
</translation>
    </message>
    <message>
        <source>alphanumeric(A-Z,a-z,0-9), underscore(_), hyphen(-)</source>
        <translation>Buchstaben und Ziffern (A-Z, a-z, 0-9), Unterstrich (_), Bindestrich (-)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used or it is already in use.</source>
        <translation>„%1“ ist nicht erlaubt oder schon vergeben.</translation>
    </message>
</context>
<context>
    <name>NetSetupDialog</name>
    <message>
        <source>Can&apos;t access Kovix Module(%1:%2).
</source>
        <translation>Kein Zugriff auf das Kovix-Modul (%1:%2).
</translation>
    </message>
    <message>
        <source>Please check network connectivity, and set DIP switch to ON.</source>
        <translation>Bitte die Netzwerkverbindung prüfen und den DIP-Schalter auf ON stellen.</translation>
    </message>
    <message>
        <source>Please push Default Button, or set target address and port correctly.</source>
        <translation>Bitte „Standard“ drücken oder Zieladresse und Port richtig einstellen.</translation>
    </message>
    <message>
        <source>Hardware Setup</source>
        <translation>Hardware einrichten</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Read EEPROM</source>
        <translation>EEPROM &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write Settings</source>
        <translation>&amp;Einstellungen schreiben</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>IP &amp;Address</source>
        <translation>IP-&amp;Adresse</translation>
    </message>
    <message>
        <source>UDP &amp;Port</source>
        <translation>UDP-&amp;Port</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Neue Einstellungen</translation>
    </message>
    <message>
        <source>&amp;TCP Port</source>
        <translation>&amp;TCP-Port</translation>
    </message>
    <message>
        <source>&amp;UDP Port</source>
        <translation>&amp;UDP-Port</translation>
    </message>
    <message>
        <source>EEPROM Information</source>
        <translation>EEPROM-Informationen</translation>
    </message>
    <message>
        <source> is invalid address.</source>
        <translation> ist keine gültige Adresse.</translation>
    </message>
    <message>
        <source> is invalid port.</source>
        <translation> ist kein gültiger Port.</translation>
    </message>
    <message>
        <source>Succeeded in Updating the Kovix module.
</source>
        <translation>Das Kovix-Modul wurde erfolgreich aktualisiert.
</translation>
    </message>
    <message>
        <source>Please set DIP switch to OFF, and reboot the KaRiX.</source>
        <translation>Bitte den DIP-Schalter auf OFF stellen und KaRiX neu starten.</translation>
    </message>
    <message>
        <source>The address the module answers at now; Default fills in its factory address.</source>
        <translation>Die Adresse, unter der das Modul jetzt antwortet; „Standard“ trägt seine Werksadresse ein.</translation>
    </message>
    <message>
        <source>The address, TCP port and UDP port that Write Settings stores in the module&apos;s EEPROM. Set the module&apos;s DIP switch to ON before, to OFF after, and restart the module.</source>
        <translation>Adresse, TCP-Port und UDP-Port, die „Einstellungen schreiben“ im EEPROM des Moduls speichert. Vorher den DIP-Schalter des Moduls auf ON stellen, danach auf OFF, und das Modul neu starten.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>UDP Port</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(nicht gelesen)</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>The new values equal those read from the EEPROM.</source>
        <translation>Die neuen Werte stimmen mit den aus dem EEPROM gelesenen überein.</translation>
    </message>
    <message>
        <source>Write these settings into the EEPROM of module %1:%2?
%3</source>
        <translation>Diese Einstellungen in das EEPROM von Modul %1:%2 schreiben?
%3</translation>
    </message>
    <message>
        <source>Do you want to write them?</source>
        <translation>Sollen sie geschrieben werden?</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsText</name>
    <message>
        <source>MAC Address : %1</source>
        <translation>MAC-Adresse : %1</translation>
    </message>
    <message>
        <source>
IP Address : %1</source>
        <translation>
IP-Adresse : %1</translation>
    </message>
    <message>
        <source>
TCP Data Port : %1</source>
        <translation>
TCP-Datenport : %1</translation>
    </message>
    <message>
        <source>
TCP Command Port : %1</source>
        <translation>
TCP-Befehlsport : %1</translation>
    </message>
    <message>
        <source>
TCP Max Segment Size : %1</source>
        <translation>
Maximale TCP-Segmentgröße : %1</translation>
    </message>
    <message>
        <source>
UDP Port : %1</source>
        <translation>
UDP-Port : %1</translation>
    </message>
    <message>
        <source>
TCP Keep Alive(buffer not empty) : %1msec</source>
        <translation>
TCP-Keep-Alive (Puffer nicht leer) : %1 ms</translation>
    </message>
    <message>
        <source>
TCP Keep Alive(buffer empty) : %1msec</source>
        <translation>
TCP-Keep-Alive (Puffer leer) : %1 ms</translation>
    </message>
    <message>
        <source>
TCP Timeout (Connecting) : %1msec</source>
        <translation>
TCP-Zeitlimit (Verbindungsaufbau) : %1 ms</translation>
    </message>
    <message>
        <source>
TCP Timeout (Disconnect) : %1msec</source>
        <translation>
TCP-Zeitlimit (Verbindungsabbau) : %1 ms</translation>
    </message>
    <message>
        <source>
TCP Re-Connect Interval : %1msec</source>
        <translation>
TCP-Wiederverbindungsintervall : %1 ms</translation>
    </message>
    <message>
        <source>
TCP Re-transmition Timer : %1msec</source>
        <translation>
TCP-Sendewiederholungstimer : %1 ms</translation>
    </message>
</context>
<context>
    <name>OperationGate</name>
    <message>
        <source>This version of the FPGA doesn&apos;t support Write-Protect.</source>
        <translation>Diese FPGA-Version unterstützt keinen Schreibschutz.</translation>
    </message>
    <message>
        <source>This version of the FPGA doesn&apos;t support Save and Restore.</source>
        <translation>Diese FPGA-Version unterstützt kein Speichern und Wiederherstellen.</translation>
    </message>
    <message>
        <source>This version of the FPGA doesn&apos;t support ROM access.</source>
        <translation>Diese FPGA-Version unterstützt keinen ROM-Zugriff.</translation>
    </message>
    <message>
        <source>The Register is write-protected.</source>
        <translation>Die Register sind schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>OperationOutcome</name>
    <message>
        <source>Reading the module&apos;s state</source>
        <translation>Lesen des Modulzustands</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Save to ROM</source>
        <translation>Speichern im ROM</translation>
    </message>
    <message>
        <source>Restore from ROM</source>
        <translation>Wiederherstellen aus dem ROM</translation>
    </message>
    <message>
        <source>Changing the boot ROM page</source>
        <translation>Ändern der Boot-ROM-Seite</translation>
    </message>
    <message>
        <source>Initializing the ROM area</source>
        <translation>Initialisieren des ROM-Bereichs</translation>
    </message>
    <message>
        <source>Changing the write protection</source>
        <translation>Ändern des Schreibschutzes</translation>
    </message>
    <message>
        <source>Reading the network settings</source>
        <translation>Lesen der Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>Writing the network settings</source>
        <translation>Schreiben der Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>%1 cancelled.</source>
        <translation>%1 abgebrochen.</translation>
    </message>
    <message>
        <source>Module %1 does not answer.
%2 failed.</source>
        <translation>Modul %1 antwortet nicht.
%2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Module %1 reported a bus error.
%2 failed.</source>
        <translation>Modul %1 meldete einen Busfehler.
%2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 failed on module %2:
%3</source>
        <translation>%1 auf Modul %2 fehlgeschlagen:
%3</translation>
    </message>
    <message>
        <source>Design downloaded and verified to %1 in %2 s</source>
        <translation>Design in %2 s auf %1 heruntergeladen und geprüft</translation>
    </message>
    <message>
        <source>Design downloaded to %1 in %2 s</source>
        <translation>Design in %2 s auf %1 heruntergeladen</translation>
    </message>
    <message>
        <source>Registers saved to ROM on %1 in %2 s</source>
        <translation>Register auf %1 in %2 s im ROM gespeichert</translation>
    </message>
    <message>
        <source>Registers restored from ROM on %1 in %2 s</source>
        <translation>Register auf %1 in %2 s aus dem ROM wiederhergestellt</translation>
    </message>
    <message>
        <source>%1 on %2 finished in %3 s</source>
        <translation>%1 auf %2 in %3 s abgeschlossen</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Cannot open a connection to %1:%2.</source>
        <translation>Die Verbindung zu %1:%2 kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>IP address: %1   TCP port: %2   UDP port: %3</source>
        <translation>IP-Adresse: %1   TCP-Port: %2   UDP-Port: %3</translation>
    </message>
    <message>
        <source>There is no more %1 resource.</source>
        <translation>Es ist kein %1 mehr frei.</translation>
    </message>
    <message>
        <source>There is no free row left in this column.</source>
        <translation>In dieser Spalte ist keine Zeile mehr frei.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>%1 messages:</source>
        <translation>%1 Meldungen:</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2-mal)</translation>
    </message>
    <message>
        <source>... and more: see the details.</source>
        <translation>... und weitere: siehe Details.</translation>
    </message>
</context>
<context>
    <name>PrompterCanvasPrompts</name>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
</context>
<context>
    <name>PropertyDialog</name>
    <message>
        <source>Auto &amp;Start</source>
        <translation>Auto&amp;start</translation>
    </message>
    <message>
        <source>Ethernet Setting</source>
        <translation>Ethernet-Einstellungen</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;IP Address</source>
        <translation>&amp;IP-Adresse</translation>
    </message>
    <message>
        <source>TCP &amp;Port</source>
        <translation>TCP-&amp;Port</translation>
    </message>
    <message>
        <source>&amp;UDP Port</source>
        <translation>&amp;UDP-Port</translation>
    </message>
    <message>
        <source>&amp;Timeout</source>
        <translation>&amp;Zeitlimit</translation>
    </message>
    <message>
        <source> is invalid address.</source>
        <translation> ist keine gültige Adresse.</translation>
    </message>
    <message>
        <source> is invalid port.</source>
        <translation> ist kein gültiger Port.</translation>
    </message>
    <message>
        <source> is invalid time-out.</source>
        <translation> ist kein gültiges Zeitlimit.</translation>
    </message>
    <message>
        <source>The address of the module (IPv4 or IPv6) that Download, Verify, the Setup commands and the counter window talk to.</source>
        <translation>Die Adresse des Moduls (IPv4 oder IPv6), mit der Herunterladen, Prüfen, die Befehle im Menü Einstellungen und das Zählerfenster arbeiten.</translation>
    </message>
    <message>
        <source>The TCP port of the module&apos;s counter stream, which the counter window reads (24 unless changed in Hardware Setup).</source>
        <translation>Der TCP-Port des Zählerdatenstroms des Moduls, den das Zählerfenster liest (24, sofern nicht unter „Hardware einrichten“ geändert).</translation>
    </message>
    <message>
        <source>The UDP port of the module&apos;s register protocol, used by every other command (4660 unless changed in Hardware Setup).</source>
        <translation>Der UDP-Port des Registerprotokolls des Moduls, den alle anderen Befehle nutzen (4660, sofern nicht unter „Hardware einrichten“ geändert).</translation>
    </message>
    <message>
        <source>How long to wait for an answer of the module before a request counts as lost, 1 to 3600 seconds.</source>
        <translation>Wie lange auf eine Antwort des Moduls gewartet wird, bevor eine Anfrage als verloren gilt, 1 bis 3600 Sekunden.</translation>
    </message>
    <message>
        <source>When on, the counter window opens and connects by itself after a download of a design with measure counters.</source>
        <translation>Wenn eingeschaltet, öffnet sich das Zählerfenster nach dem Herunterladen eines Designs mit Messzählern von selbst und verbindet sich.</translation>
    </message>
</context>
<context>
    <name>QKovixThread</name>
    <message>
        <source>FileError%1</source>
        <translation>Dateifehler %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No such directory.</source>
        <translation>Verzeichnis nicht gefunden.</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The counter stream is not understood (%1 of the last %2 records are bad).</source>
        <translation>Der Zählerdatenstrom ist unverständlich (%1 der letzten %2 Datensätze sind fehlerhaft).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
</context>
<context>
    <name>QTola</name>
    <message>
        <source>address: 0x%1
</source>
        <translation>Adresse: 0x%1
</translation>
    </message>
    <message>
        <source>request length: %1
</source>
        <translation>Angeforderte Länge: %1
</translation>
    </message>
    <message>
        <source>read length: %1

</source>
        <translation>Gelesene Länge: %1

</translation>
    </message>
    <message>
        <source>length: %1

</source>
        <translation>Länge: %1

</translation>
    </message>
    <message>
        <source>read address: 0x%1
</source>
        <translation>Leseadresse: 0x%1
</translation>
    </message>
    <message>
        <source>write address: 0x%1
</source>
        <translation>Schreibadresse: 0x%1
</translation>
    </message>
    <message>
        <source>QTola: Aborted</source>
        <translation>QTola: Abgebrochen</translation>
    </message>
    <message>
        <source>QTola: Unable to write</source>
        <translation>QTola: Schreiben nicht möglich</translation>
    </message>
    <message>
        <source>QTola: Unable to read</source>
        <translation>QTola: Lesen nicht möglich</translation>
    </message>
    <message>
        <source>QTola: %1 port %2 is unreachable</source>
        <translation>QTola: %1 Port %2 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>TOLA: Communication error</source>
        <translation>TOLA: Kommunikationsfehler</translation>
    </message>
    <message>
        <source>QTola: Bus Error</source>
        <translation>QTola: Busfehler</translation>
    </message>
    <message>
        <source>QTola: Socket operation timed out</source>
        <translation>QTola: Zeitüberschreitung bei Socket-Operation</translation>
    </message>
</context>
<context>
    <name>QUdpThread</name>
    <message>
        <source>TOLA: Unable to read</source>
        <translation>TOLA: Lesen nicht möglich</translation>
    </message>
    <message>
        <source>TOLA: Unable to send command</source>
        <translation>TOLA: Befehl kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>TOLA: Download Cancelled</source>
        <translation>TOLA: Herunterladen abgebrochen</translation>
    </message>
    <message>
        <source>QKvLink: %1 is not available.</source>
        <translation>QKvLink: %1 ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>QKvLink: Error</source>
        <translation>QKvLink: Fehler</translation>
    </message>
    <message>
        <source>TOLA: Communication error</source>
        <translation>TOLA: Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Verify: The Register data is matched.</source>
        <translation>Prüfung: Die Registerdaten stimmen überein.</translation>
    </message>
    <message>
        <source>Verify: The Register data don&apos;t match.</source>
        <translation>Prüfung: Die Registerdaten stimmen nicht überein.</translation>
    </message>
    <message>
        <source>
first mismatch at </source>
        <translation>
erste Abweichung bei </translation>
    </message>
    <message>
        <source>Can&apos;t access Kovix Module(%1:%2).
</source>
        <translation>Kein Zugriff auf das Kovix-Modul (%1:%2).
</translation>
    </message>
    <message>
        <source>Please check network connectivity, and set DIP switch to ON.</source>
        <translation>Bitte die Netzwerkverbindung prüfen und den DIP-Schalter auf ON stellen.</translation>
    </message>
    <message>
        <source>Please push Default Button, or set target address and port correctly.</source>
        <translation>Bitte „Standard“ drücken oder Zieladresse und Port richtig einstellen.</translation>
    </message>
    <message>
        <source>Can&apos;t Write Kovix Module(%1:%2)</source>
        <translation>Das Kovix-Modul (%1:%2) kann nicht beschrieben werden</translation>
    </message>
    <message>
        <source> is invalid address.</source>
        <translation> ist keine gültige Adresse.</translation>
    </message>
</context>
<context>
    <name>RatePlotWidget</name>
    <message>
        <source>%1 /s</source>
        <translation>%1 /s</translation>
    </message>
    <message>
        <source>-%1 s</source>
        <translation>-%1 s</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>Wheel: zoom; drag: pan; click: place the cursor; double-click: live view</source>
        <translation>Mausrad: zoomen; Ziehen: verschieben; Klick: Cursor setzen; Doppelklick: Live-Ansicht</translation>
    </message>
    <message>
        <source>%1 no data</source>
        <translation>%1 keine Daten</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be created.</source>
        <translation>%1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>RegisterVerifier</name>
    <message>
        <source>Verify: no register area starts at 0x%1.</source>
        <translation>Prüfung: An 0x%1 beginnt kein Registerbereich.</translation>
    </message>
    <message>
        <source>Verify: only %1 of %2 bytes were read at 0x%3.</source>
        <translation>Prüfung: An 0x%3 wurden nur %1 von %2 Bytes gelesen.</translation>
    </message>
    <message>
        <source>address 0x%1
</source>
        <translation>Adresse 0x%1
</translation>
    </message>
    <message>
        <source>current:%1  </source>
        <translation>aktuell:%1  </translation>
    </message>
    <message>
        <source>register:%1
</source>
        <translation>Register:%1
</translation>
    </message>
</context>
<context>
    <name>RomDialog</name>
    <message>
        <source>Boot From </source>
        <translation>Boot von Seite </translation>
    </message>
    <message>
        <source>Set on &amp;Boot</source>
        <translation>Als &amp;Boot-Seite setzen</translation>
    </message>
    <message>
        <source>Save to ROM</source>
        <translation>Im ROM speichern</translation>
    </message>
    <message>
        <source>Restore from ROM</source>
        <translation>Aus dem ROM wiederherstellen</translation>
    </message>
    <message>
        <source> (boot) </source>
        <translation> (Boot) </translation>
    </message>
    <message>
        <source>Boot ROM Page</source>
        <translation>Boot-ROM-Seite</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>Please give it a user comment.</source>
        <translation>Bitte einen Benutzerkommentar eingeben.</translation>
    </message>
    <message>
        <source>The length of the user comment should be at most %1 bytes.</source>
        <translation>Der Benutzerkommentar darf höchstens %1 Bytes lang sein.</translation>
    </message>
</context>
<context>
    <name>SafeFileWriter</name>
    <message>
        <source>Not all bytes could be written.</source>
        <translation>Nicht alle Bytes konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 was saved, but its owner and group could not be kept.</source>
        <translation>%1 wurde gespeichert, aber Eigentümer und Gruppe konnten nicht beibehalten werden.</translation>
    </message>
</context>
<context>
    <name>SaxHandler</name>
    <message>
        <source>error triggered by consumer</source>
        <translation>Fehler vom Verarbeiter ausgelöst</translation>
    </message>
    <message>
        <source>Parse error at line %1, column %2:
%3.</source>
        <translation>Syntaxfehler in Zeile %1, Spalte %2:
%3.</translation>
    </message>
    <message>
        <source>sheet id %1 is out of range</source>
        <translation>Blatt-ID %1 liegt außerhalb des gültigen Bereichs</translation>
    </message>
</context>
<context>
    <name>SheetTabs</name>
    <message>
        <source>Tab Rename</source>
        <translation>Blatt umbenennen</translation>
    </message>
    <message>
        <source>Please enter a new name.</source>
        <translation>Bitte einen neuen Namen eingeben.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sheet?</source>
        <translation>Dieses Blatt wirklich entfernen?</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>A design has at most %1 sheets.</source>
        <translation>Ein Design hat höchstens %1 Blätter.</translation>
    </message>
</context>
<context>
    <name>SimTime</name>
    <message>
        <source>&quot;%1&quot; is not a time (such as 10ns, 1.5us).</source>
        <translation>„%1“ ist keine Zeit (etwa 10ns, 1.5us).</translation>
    </message>
    <message>
        <source>The time &quot;%1&quot; has no unit (ps, ns, us, ms or s).</source>
        <translation>Die Zeit „%1“ hat keine Einheit (ps, ns, us, ms oder s).</translation>
    </message>
    <message>
        <source>The time &quot;%1&quot; is too large.</source>
        <translation>Die Zeit „%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>The time &quot;%1&quot; is finer than 1 ps.</source>
        <translation>Die Zeit „%1“ ist feiner als 1 ps.</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>Cannot write to standard output: %1
</source>
        <translation>Auf die Standardausgabe kann nicht geschrieben werden: %1
</translation>
    </message>
</context>
<context>
    <name>StimulusFile</name>
    <message>
        <source>expected &quot;TIME INPUT LEVEL&quot;, found &quot;%1&quot;</source>
        <translation>„TIME INPUT LEVEL“ erwartet, „%1“ gefunden</translation>
    </message>
    <message>
        <source>unknown input &quot;%1&quot;</source>
        <translation>unbekannter Eingang „%1“</translation>
    </message>
    <message>
        <source>the level must be 0 or 1, not &quot;%1&quot;</source>
        <translation>der Pegel muss 0 oder 1 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the time %1 goes back before the line above</source>
        <translation>die Zeit %1 liegt vor der Zeit in der Zeile darüber</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>TargetGuard</name>
    <message>
        <source>%1 goes to module %2, but the previous device command of this session went to module %3.</source>
        <translation>%1 geht an Modul %2, aber der vorige Gerätebefehl dieser Sitzung ging an Modul %3.</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>Send it to %1?</source>
        <translation>An %1 senden?</translation>
    </message>
</context>
<context>
    <name>TargetIndicator</name>
    <message>
        <source>%1, counters TCP %2</source>
        <translation>%1, Zähler TCP %2</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Device commands go to this module (%1)</source>
        <translation>Gerätebefehle gehen an dieses Modul (%1)</translation>
    </message>
    <message>
        <source>Target is now %1, %2</source>
        <translation>Ziel ist jetzt %1, %2</translation>
    </message>
</context>
<context>
    <name>TruthTableDialog</name>
    <message>
        <source>Truth table</source>
        <translation>Wahrheitstabelle</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>OUT</translation>
    </message>
</context>
<context>
    <name>VersionDialog</name>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Version Information</source>
        <translation>Versionsinformationen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Software Version 2.0.19</source>
        <translation>Softwareversion 2.0.19</translation>
    </message>
    <message>
        <source>Design tool for the programmable NIM trigger-logic module.</source>
        <translation>Design-Werkzeug für das programmierbare NIM-Trigger-Logikmodul.</translation>
    </message>
    <message>
        <source>FPGA Version:</source>
        <translation>FPGA-Version:</translation>
    </message>
    <message>
        <source>Load reads the version from the module.</source>
        <translation>„Laden“ liest die Version aus dem Modul.</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later), ohne jede Gewährleistung.</translation>
    </message>
</context>
<context>
    <name>WireRules</name>
    <message>
        <source>Cannot connect FeedBack and NonFnc. Please use DlyFnc with delay value 0.</source>
        <translation>FeedBack und NonFnc können nicht verbunden werden. Bitte DlyFnc mit Verzögerung 0 verwenden.</translation>
    </message>
</context>
<context>
    <name>WriteProtectDialog</name>
    <message>
        <source>Write Protect (&amp;Current setting)</source>
        <translation>Schreibschutz (&amp;aktuelle Einstellung)</translation>
    </message>
    <message>
        <source>Write Protect (&amp;Boot setting)</source>
        <translation>Schreibschutz (&amp;Boot-Einstellung)</translation>
    </message>
    <message>
        <source>Write Protect</source>
        <translation>Schreibschutz</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>Draws, checks, downloads and verifies designs (.krx) of the NIM trigger-logic
module and shows its measure counters.

Options:
  -h &lt;host address&gt;  module address (IPv4 or IPv6); default: the module&apos;s
                     factory address
  -t &lt;TCP port&gt;      TCP port of the counter stream (default 24)
  -u &lt;UDP port&gt;      UDP port of the register protocol (default 4660)
  -o &lt;timeout&gt;       device time-out in seconds (default 1)
  -a &lt;on/off&gt;        whether the counter window connects by itself (default on)
  --help             show this help
  --version          show the version and the commit it was built from

Options given here override the connection settings stored in a document
opened later.
</source>
        <translation>Zeichnet und kontrolliert Designs (.krx) des NIM-Trigger-Logikmoduls, lädt sie
herunter, prüft sie im Modul und zeigt seine Messzähler an.

Optionen:
  -h &lt;Adresse&gt;       Moduladresse (IPv4 oder IPv6); Standard: die Werksadresse
                     des Moduls
  -t &lt;TCP-Port&gt;      TCP-Port des Zählerdatenstroms (Standard 24)
  -u &lt;UDP-Port&gt;      UDP-Port des Registerprotokolls (Standard 4660)
  -o &lt;Zeitlimit&gt;     Zeitlimit für Geräteanfragen in Sekunden (Standard 1)
  -a &lt;on/off&gt;        ob sich das Zählerfenster selbst verbindet (Standard on)
  --help             diese Hilfe anzeigen
  --version          Version und Commit des Builds anzeigen

Hier angegebene Optionen haben Vorrang vor den Verbindungseinstellungen, die in
einem später geöffneten Dokument gespeichert sind.
</translation>
    </message>
</context>
</TS>
