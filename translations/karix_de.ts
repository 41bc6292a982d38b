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
    <name>BlockEditing</name>
    <message>
        <source>select port</source>
        <translation>Port wählen</translation>
    </message>
</context>
<context>
    <name>BlockMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
</context>
<context>
    <name>BlockText</name>
    <message>
        <source>1-shot</source>
        <translation>Monoflop</translation>
    </message>
    <message>
        <source>1-shot retrig.</source>
        <translation>Monoflop nachtrig.</translation>
    </message>
    <message>
        <source>delayed 1-shot</source>
        <translation>verz. Monoflop</translation>
    </message>
    <message>
        <source>delayed 1-shot retrig.</source>
        <translation>verz. Monoflop nachtrig.</translation>
    </message>
    <message>
        <source>debounce</source>
        <translation>Entprellung</translation>
    </message>
    <message>
        <source>debounce retrig.</source>
        <translation>Entprellung nachtrig.</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>delay retrig.</source>
        <translation>Verzögerung nachtrig.</translation>
    </message>
    <message>
        <source>oscillator (enable)</source>
        <translation>Oszillator (Freigabe)</translation>
    </message>
    <message>
        <source>oscillator</source>
        <translation>Oszillator</translation>
    </message>
    <message>
        <source>user gate</source>
        <translation>Benutzertor</translation>
    </message>
    <message>
        <source>while true</source>
        <translation>solange True</translation>
    </message>
    <message>
        <source>rising to rising</source>
        <translation>steigend bis steigend</translation>
    </message>
    <message>
        <source>edge to edge</source>
        <translation>Flanke bis Flanke</translation>
    </message>
    <message>
        <source>gate time</source>
        <translation>Torzeit</translation>
    </message>
    <message>
        <source>true time</source>
        <translation>True-Zeit</translation>
    </message>
    <message>
        <source>true count</source>
        <translation>True-Anzahl</translation>
    </message>
    <message>
        <source>change count</source>
        <translation>Wechselanzahl</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Refers to %1 on sheet %2</source>
        <translation>Verweist auf %1 auf Blatt %2</translation>
    </message>
    <message>
        <source>Bold name: no expression yet. Double-click to enter one.</source>
        <translation>Fetter Name: noch kein Ausdruck. Doppelklick, um einen einzugeben.</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>run the design rule check and print its report</source>
        <translation>die Designregelkontrolle ausführen und ihren Bericht ausgeben</translation>
    </message>
    <message>
        <source>DESIGN</source>
        <translation>DESIGN</translation>
    </message>
    <message>
        <source>Prints the report exactly as the DRC window shows it. Exit code 0 when it reads
&quot;No error detected.&quot;, 3 when there are warnings only, 1 when there are errors.
An entry the reader had to rename, move or leave out (the loaded design then
differs from the file) is an error, listed first.</source>
        <translation>Gibt den Bericht genau so aus, wie ihn das DRC-Fenster zeigt. Exit-Code 0 bei
„Kein Fehler gefunden.“, 3 bei nur Warnungen, 1 bei Fehlern. Ein Eintrag,
den das Einlesen umbenennen, verschieben oder auslassen musste (das geladene
Design weicht dann von der Datei ab), ist ein Fehler und steht am Anfang.</translation>
    </message>
    <message>
        <source>error: %1
</source>
        <translation>Fehler: %1
</translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>Unknown option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Option %1 takes no value.</source>
        <translation>Die Option %1 nimmt keinen Wert.</translation>
    </message>
    <message>
        <source>Option %1 needs a value (%2).</source>
        <translation>Die Option %1 braucht einen Wert (%2).</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>Usage: karix-cli %1 %2</source>
        <translation>Aufruf: karix-cli %1 %2</translation>
    </message>
    <message>
        <source>
(karix-cli %1 --help shows every option)</source>
        <translation>
(karix-cli %1 --help zeigt alle Optionen)</translation>
    </message>
    <message>
        <source>Missing argument.</source>
        <translation>Argument fehlt.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
</context>
<context>
    <name>CliReporter</name>
    <message>
        <source>karix-cli: Cannot write to standard output: %1
</source>
        <translation>karix-cli: Auf die Standardausgabe kann nicht geschrieben werden: %1
</translation>
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
    <name>CommandTable</name>
    <message>
        <source>print the result as one JSON object</source>
        <translation>das Ergebnis als ein JSON-Objekt ausgeben</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe anzeigen</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>
Usage: karix-cli COMMAND [OPTIONS] [ARGUMENTS]
(karix-cli --help lists the commands)</source>
        <translation>
Aufruf: karix-cli COMMAND [OPTIONS] [ARGUMENTS]
(karix-cli --help listet die Befehle auf)</translation>
    </message>
    <message>
        <source>Usage: karix-cli COMMAND [OPTIONS] [ARGUMENTS]

Checks, compiles, downloads and verifies KaRiX designs and operates the
module from scripts, with the same rules and texts as the KaRiX program.

Commands:
</source>
        <translation>Aufruf: karix-cli COMMAND [OPTIONS] [ARGUMENTS]

Kontrolliert und kompiliert KaRiX-Designs, lädt sie herunter, prüft sie und
bedient das Modul aus Skripten, mit denselben Regeln und Texten wie KaRiX.

Befehle:
</translation>
    </message>
    <message>
        <source>
Every command accepts --help and --json. Module commands take the connection
options -h ADDRESS, -u UDP-PORT, -t TCP-PORT and -o SECONDS; when absent, the
values stored in the design document are used, else the defaults (the
module&apos;s factory address, UDP 4660, TCP 24, 1 second).

</source>
        <translation>
Jeder Befehl akzeptiert --help und --json. Modulbefehle nehmen die Optionen
-h ADDRESS, -u UDP-PORT, -t TCP-PORT und -o SECONDS für die Verbindung; fehlen
sie, gelten die im Design-Dokument gespeicherten Werte, sonst die Vorgaben (die
Werksadresse des Moduls, UDP 4660, TCP 24, 1 Sekunde).

</translation>
    </message>
    <message>
        <source>karix-cli --version prints the version of this program and its commit.

</source>
        <translation>karix-cli --version gibt die Version dieses Programms und seinen Commit aus.

</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source>Exit codes:
  0    success: design clean, registers match, operation done
  1    failed: design errors, verify mismatch, expression error, file not written
  2    bad arguments, or a document that is missing, unreadable or invalid
  3    the design rule check found warnings only (download needs --force)
  4    the module did not answer, or a transfer failed
  5    the module refused: write-protected, or its firmware lacks the feature
  130  interrupted by Ctrl-C (a running download is cancelled cleanly)
</source>
        <translation>Exit-Codes:
  0    Erfolg: Design fehlerfrei, Register stimmen überein, Vorgang ausgeführt
  1    Fehlschlag: Designfehler, Abweichung, Ausdrucksfehler, nicht geschrieben
  2    falsche Argumente oder ein fehlendes, unlesbares oder ungültiges Dokument
  3    die DRC fand nur Warnungen (Herunterladen braucht dann --force)
  4    das Modul antwortete nicht, oder eine Übertragung schlug fehl
  5    das Modul lehnte ab: schreibgeschützt, oder die Firmware kann das nicht
  130  durch Ctrl-C unterbrochen (ein laufendes Herunterladen bricht sauber ab)
</translation>
    </message>
</context>
<context>
    <name>CompileCommand</name>
    <message>
        <source>compute the register image of a design</source>
        <translation>das Registerabbild eines Designs berechnen</translation>
    </message>
    <message>
        <source>DESIGN [-o FILE] [--hex]</source>
        <translation>DESIGN [-o FILE] [--hex]</translation>
    </message>
    <message>
        <source>Writes the 8292 bytes the module receives on a download, in address order:
0x0004..0x0067, then 0x2000..0x3FFF. Without -o they go to standard output
(refused on a terminal unless --hex). An error in a logic expression prints the
evaluator&apos;s message with the block&apos;s name and exits with 1. With --json and
no -o the image is given as a hexadecimal string in the field &quot;image&quot;.
-o replaces a regular file only when the image is complete; a device or FIFO
is written through, never replaced. The design itself is refused as FILE.</source>
        <translation>Schreibt die 8292 Bytes, die das Modul beim Herunterladen erhält, nach Adresse
geordnet: 0x0004..0x0067, dann 0x2000..0x3FFF. Ohne -o gehen sie auf die
Standardausgabe (auf ein Terminal nur mit --hex). Ein Fehler in einem
Logikausdruck gibt die Meldung des Auswerters mit dem Blocknamen aus und endet
mit 1. Mit --json ohne -o steht das Abbild hexadezimal im Feld „image“. -o
ersetzt eine reguläre Datei nur bei vollständigem Abbild; in ein Gerät oder eine
FIFO wird hineingeschrieben, nie ersetzt. Das Design wird als FILE abgelehnt.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>write the image to FILE (&quot;-&quot;: standard output)</source>
        <translation>das Abbild in FILE schreiben („-“: Standardausgabe)</translation>
    </message>
    <message>
        <source>a text dump with register addresses instead of raw bytes</source>
        <translation>ein Text-Dump mit Registeradressen statt roher Bytes</translation>
    </message>
    <message>
        <source>Refusing to write raw bytes to a terminal: give -o FILE or --hex.</source>
        <translation>Rohe Bytes werden nicht auf ein Terminal geschrieben: -o FILE oder --hex angeben.</translation>
    </message>
    <message>
        <source>Refusing to overwrite the design %1 with its image: give another -o FILE.</source>
        <translation>Das Design %1 wird nicht mit seinem Abbild überschrieben: ein anderes -o FILE angeben.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 bytes written to %2</source>
        <translation>%1 Bytes nach %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>ConnectionOptions</name>
    <message>
        <source>ADDRESS</source>
        <translation>ADDRESS</translation>
    </message>
    <message>
        <source>module address (IPv4 or IPv6)</source>
        <translation>Moduladresse (IPv4 oder IPv6)</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>UDP port of the register protocol</source>
        <translation>UDP-Port des Registerprotokolls</translation>
    </message>
    <message>
        <source>TCP port of the counter stream</source>
        <translation>TCP-Port des Zählerdatenstroms</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>time-out per request, %1 to %2</source>
        <translation>Zeitlimit je Anfrage, %1 bis %2</translation>
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
    <name>CounterWatcher</name>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Waiting for data ...</source>
        <translation>Warte auf Daten ...</translation>
    </message>
    <message>
        <source>Connection closed by server</source>
        <translation>Verbindung vom Server geschlossen</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
</context>
<context>
    <name>CountersCommand</name>
    <message>
        <source>start/stop measure counters and print their values as they arrive</source>
        <translation>Messzähler starten/stoppen und ihre Werte beim Eintreffen ausgeben</translation>
    </message>
    <message>
        <source>[DESIGN] [--start N,..] [--stop N,..] [--duration SECONDS] [--log DIR] [-h ADDRESS] [-u PORT] [-t PORT] [-o SECONDS]</source>
        <translation>[DESIGN] [--start N,..] [--stop N,..] [--duration SECONDS] [--log DIR] [-h ADDRESS] [-u PORT] [-t PORT] [-o SECONDS]</translation>
    </message>
    <message>
        <source>With a DESIGN the counters get its names and units (values in nsec, usec,
msec or sec); without one the raw counts of 5 ns are shown. --start and
--stop switch counters 0..3 on the module first; given alone they end the
command. Otherwise the stream is shown for --duration seconds, or until
Ctrl-C (exit 130). --log DIR appends every value to one CSV file per counter,
named and formatted as the counter window does. While output is slow only the
latest value of each counter is shown. When more than half of the last %1
records are bad the command ends with &quot;The counter stream is not
understood&quot; (exit 4).</source>
        <translation>Mit einem DESIGN erhalten die Zähler dessen Namen und Einheiten (Werte in nsec,
usec, msec oder sec); ohne eines werden die rohen Zählwerte zu 5 ns gezeigt.
--start und --stop schalten zuerst die Zähler 0..3 im Modul; allein angegeben
beenden sie den Befehl. Sonst wird der Datenstrom --duration Sekunden lang
gezeigt oder bis Ctrl-C (Exit-Code 130). --log DIR hängt jeden Wert an eine
CSV-Datei je Zähler an, benannt und formatiert wie im Zählerfenster. Bei
langsamer Ausgabe wird nur der letzte Wert jedes Zählers gezeigt. Sind mehr als
die Hälfte der letzten %1 Datensätze fehlerhaft, endet der Befehl mit „Der
Zählerdatenstrom ist unverständlich“ (Exit-Code 4).</translation>
    </message>
    <message>
        <source>N,..</source>
        <translation>N,..</translation>
    </message>
    <message>
        <source>start these counters (0..3)</source>
        <translation>diese Zähler starten (0..3)</translation>
    </message>
    <message>
        <source>stop these counters (0..3)</source>
        <translation>diese Zähler stoppen (0..3)</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>show the stream this long, then end</source>
        <translation>den Datenstrom so lange zeigen, dann enden</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>log the values to CSV files in DIR</source>
        <translation>die Werte in CSV-Dateien in DIR protokollieren</translation>
    </message>
    <message>
        <source>Invalid counter list for --%1 (0 to 3 expected): %2</source>
        <translation>Ungültige Zählerliste für --%1 (0 bis 3 erwartet): %2</translation>
    </message>
    <message>
        <source>Invalid duration (whole seconds expected): %1</source>
        <translation>Ungültige Dauer (ganze Sekunden erwartet): %1</translation>
    </message>
    <message>
        <source>--log needs a directory.</source>
        <translation>--log braucht ein Verzeichnis.</translation>
    </message>
    <message>
        <source>MsrCnt%1 stopped.</source>
        <translation>MsrCnt%1 gestoppt.</translation>
    </message>
    <message>
        <source>MsrCnt%1 started.</source>
        <translation>MsrCnt%1 gestartet.</translation>
    </message>
    <message>
        <source>
The MsrCnt data cannot be saved.</source>
        <translation>
Die MsrCnt-Daten können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Unterbrochen.</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
</context>
<context>
    <name>DesignCheckDock</name>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>Design Check</source>
        <translation>Designkontrolle</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Download refused: the design has %1. Correct them and download again.</source>
        <translation>Herunterladen abgelehnt: Das Design hat %1. Bitte korrigieren und erneut herunterladen.</translation>
    </message>
    <message>
        <source>Design Check — %1, %2</source>
        <translation>Designkontrolle — %1, %2</translation>
    </message>
</context>
<context>
    <name>DesignCommand</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DesignLoader</name>
    <message>
        <source>File specified in %1 is not a valid XML file for KaRiX.</source>
        <translation>Die in %1 angegebene Datei ist keine gültige XML-Datei für KaRiX.</translation>
    </message>
    <message>
        <source>The loaded file is not correct. Some setting is ignored.</source>
        <translation>Die geladene Datei ist nicht korrekt. Einige Einstellungen werden ignoriert.</translation>
    </message>
    <message>
        <source>No design document given.</source>
        <translation>Kein Design-Dokument angegeben.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
    <message>
        <source>After each download, read the module back and compare it with the design</source>
        <translation>Nach jedem Herunterladen das Modul zurücklesen und mit dem Design vergleichen</translation>
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
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
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
    <name>ExportCommand</name>
    <message>
        <source>draw the sheets of a design as PDF, SVG or PNG</source>
        <translation>die Blätter eines Designs als PDF, SVG oder PNG zeichnen</translation>
    </message>
    <message>
        <source>DESIGN --format pdf|svg|png [--sheet N] -o OUT</source>
        <translation>DESIGN --format pdf|svg|png [--sheet N] -o OUT</translation>
    </message>
    <message>
        <source>Draws the sheets as the program shows them. PDF: one page per sheet, each
under a title line with the file name, the sheet name and the date. PNG and
SVG: one file per sheet, named OUT with &quot;-N&quot; before the suffix (N counted
from 1), or OUT itself when one sheet is drawn. --sheet N draws sheet N only.
Without --format the suffix of OUT chooses.</source>
        <translation>Zeichnet die Blätter so, wie das Programm sie zeigt. PDF: eine Seite je Blatt,
jeweils unter einer Titelzeile mit Dateiname, Blattname und Datum. PNG und SVG:
eine Datei je Blatt, benannt wie OUT mit „-N“ vor der Endung (N ab 1 gezählt),
oder OUT selbst bei nur einem Blatt. --sheet N zeichnet nur Blatt N.
Ohne --format entscheidet die Endung von OUT.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>pdf, svg or png</source>
        <translation>pdf, svg oder png</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>only sheet N, counted from 1</source>
        <translation>nur Blatt N, ab 1 gezählt</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>OUT</translation>
    </message>
    <message>
        <source>the file to write</source>
        <translation>die zu schreibende Datei</translation>
    </message>
    <message>
        <source>Give the file to write with -o OUT.</source>
        <translation>Die zu schreibende Datei mit -o OUT angeben.</translation>
    </message>
    <message>
        <source>The format must be pdf, svg or png.</source>
        <translation>Das Format muss pdf, svg oder png sein.</translation>
    </message>
    <message>
        <source>The design has sheets 1 to %1.</source>
        <translation>Das Design hat die Blätter 1 bis %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n sheet(s) written to %1</source>
        <translation>
            <numerusform>%n Blatt nach %1 geschrieben</numerusform>
            <numerusform>%n Blätter nach %1 geschrieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Export Sheets</source>
        <translation>Blätter exportieren</translation>
    </message>
    <message>
        <source>PDF, one page per sheet (*.pdf);;SVG drawing (*.svg);;PNG picture (*.png)</source>
        <translation>PDF, eine Seite je Blatt (*.pdf);;SVG-Zeichnung (*.svg);;PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
    <message>
        <source>%1: export writes .pdf, .svg or .png files.</source>
        <translation>%1: Der Export schreibt .pdf-, .svg- oder .png-Dateien.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
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
    <message>
        <source>Start a new, empty design</source>
        <translation>Ein neues, leeres Design beginnen</translation>
    </message>
    <message>
        <source>Open a design file</source>
        <translation>Eine Design-Datei öffnen</translation>
    </message>
    <message>
        <source>Save the design to its file</source>
        <translation>Das Design in seiner Datei speichern</translation>
    </message>
    <message>
        <source>Save the design to a new file</source>
        <translation>Das Design in einer neuen Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Export Sheet...</source>
        <translation>Blatt &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save the current sheet as a PNG, SVG or PDF file</source>
        <translation>Das aktuelle Blatt als PNG-, SVG- oder PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Export A&amp;ll Sheets...</source>
        <translation>&amp;Alle Blätter exportieren...</translation>
    </message>
    <message>
        <source>Save every sheet: one PDF page or one picture file per sheet</source>
        <translation>Alle Blätter speichern: eine PDF-Seite oder eine Bilddatei je Blatt</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the sheets, with a preview first</source>
        <translation>Die Blätter drucken, zuerst mit einer Vorschau</translation>
    </message>
    <message>
        <source>Show or change the module&apos;s write protection</source>
        <translation>Den Schreibschutz des Moduls anzeigen oder ändern</translation>
    </message>
    <message>
        <source>Check the design and write it into the module</source>
        <translation>Das Design kontrollieren und in das Modul schreiben</translation>
    </message>
    <message>
        <source>Show the module&apos;s four measure counters live</source>
        <translation>Die vier Messzähler des Moduls live anzeigen</translation>
    </message>
    <message>
        <source>Close the window and quit</source>
        <translation>Das Fenster schließen und das Programm beenden</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>Remove the selected blocks and put them on the clipboard</source>
        <translation>Die ausgewählten Blöcke entfernen und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Put the selected blocks on the clipboard</source>
        <translation>Die ausgewählten Blöcke in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Add the blocks on the clipboard to this sheet</source>
        <translation>Die Blöcke aus der Zwischenablage in dieses Blatt einfügen</translation>
    </message>
    <message>
        <source>Delete the selected blocks or wire</source>
        <translation>Die ausgewählten Blöcke oder die ausgewählte Leitung löschen</translation>
    </message>
    <message>
        <source>Select every block of this sheet</source>
        <translation>Alle Blöcke dieses Blatts auswählen</translation>
    </message>
    <message>
        <source>Add an empty sheet after the last one</source>
        <translation>Ein leeres Blatt nach dem letzten anfügen</translation>
    </message>
    <message>
        <source>Give this sheet another name (or double-click its tab)</source>
        <translation>Diesem Blatt einen anderen Namen geben (oder auf seinen Reiter doppelklicken)</translation>
    </message>
    <message>
        <source>&amp;Go to Sheet ...</source>
        <translation>&amp;Gehe zu Blatt ...</translation>
    </message>
    <message>
        <source>Choose a sheet from a list, narrowed by typing part of its name</source>
        <translation>Ein Blatt aus einer Liste wählen, eingegrenzt durch Eintippen eines Namensteils</translation>
    </message>
    <message>
        <source>Ne&amp;xt Sheet</source>
        <translation>Nächs&amp;tes Blatt</translation>
    </message>
    <message>
        <source>Show the sheet to the right (after the last, the first)</source>
        <translation>Das Blatt rechts davon anzeigen (nach dem letzten das erste)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Sheet</source>
        <translation>&amp;Voriges Blatt</translation>
    </message>
    <message>
        <source>Show the sheet to the left (before the first, the last)</source>
        <translation>Das Blatt links davon anzeigen (vor dem ersten das letzte)</translation>
    </message>
    <message>
        <source>Check the design for unconnected and unused ports; double-click a finding to see its block</source>
        <translation>Das Design auf unverbundene und ungenutzte Anschlüsse kontrollieren; Doppelklick auf einen Befund zeigt seinen Block</translation>
    </message>
    <message>
        <source>Read the module&apos;s registers and compare them with the design</source>
        <translation>Die Register des Moduls lesen und mit dem Design vergleichen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Show the sheets larger (also Ctrl+mouse wheel)</source>
        <translation>Die Blätter größer anzeigen (auch Ctrl+Mausrad)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show the sheets smaller (also Ctrl+mouse wheel)</source>
        <translation>Die Blätter kleiner anzeigen (auch Ctrl+Mausrad)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show the sheets at 100 %</source>
        <translation>Die Blätter mit 100 % anzeigen</translation>
    </message>
    <message>
        <source>&amp;Fit sheet</source>
        <translation>Blatt &amp;einpassen</translation>
    </message>
    <message>
        <source>Zoom so that the whole sheet fits the window</source>
        <translation>So zoomen, dass das ganze Blatt in das Fenster passt</translation>
    </message>
    <message>
        <source>Set the module&apos;s address, ports and time-out for this design</source>
        <translation>Adresse, Ports und Zeitlimit des Moduls für dieses Design einstellen</translation>
    </message>
    <message>
        <source>Change the network settings stored in the module</source>
        <translation>Die im Modul gespeicherten Netzwerkeinstellungen ändern</translation>
    </message>
    <message>
        <source>Store the module&apos;s current configuration in one of its ROM pages</source>
        <translation>Die aktuelle Konfiguration des Moduls in einer seiner ROM-Seiten speichern</translation>
    </message>
    <message>
        <source>Load a configuration from one of the module&apos;s ROM pages</source>
        <translation>Eine Konfiguration aus einer der ROM-Seiten des Moduls laden</translation>
    </message>
    <message>
        <source>Choose the ROM page the module loads when it starts</source>
        <translation>Die ROM-Seite wählen, die das Modul beim Start lädt</translation>
    </message>
    <message>
        <source>Erase the module&apos;s ROM pages</source>
        <translation>Die ROM-Seiten des Moduls löschen</translation>
    </message>
    <message>
        <source>&amp;Simulate…</source>
        <translation>&amp;Simulieren…</translation>
    </message>
    <message>
        <source>Simulate the compiled design with chosen input signals and show the waveforms</source>
        <translation>Das kompilierte Design mit gewählten Eingangssignalen simulieren und die Signalverläufe anzeigen</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and read the module&apos;s firmware version</source>
        <translation>Die Programmversion anzeigen und die Firmware-Version des Moduls lesen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
</context>
<context>
    <name>MenuWidget</name>
    <message>
        <source>One of the module&apos;s ten inputs. Drag it onto a sheet.</source>
        <translation>Einer der zehn Eingänge des Moduls. Auf ein Blatt ziehen.</translation>
    </message>
    <message>
        <source>A logic expression over inputs and feedback paths. Drag it onto a sheet.</source>
        <translation>Ein Logikausdruck über Eingänge und Rückkopplungen. Auf ein Blatt ziehen.</translation>
    </message>
    <message>
        <source>Outputs of the pre-logic that the functions can take.</source>
        <translation>Ausgänge der PreLogic, die die Funktionen übernehmen können.</translation>
    </message>
    <message>
        <source>A timer: one-shot, delayed one-shot, debounce, delay or oscillator.</source>
        <translation>Ein Zeitgeber: Monoflop, verzögertes Monoflop, Entprellung, Verzögerung oder Oszillator.</translation>
    </message>
    <message>
        <source>A delay line in 5 ns steps.</source>
        <translation>Eine Verzögerungsleitung in 5-ns-Schritten.</translation>
    </message>
    <message>
        <source>A pass-through: the signal goes on unchanged.</source>
        <translation>Ein Durchgang: Das Signal läuft unverändert weiter.</translation>
    </message>
    <message>
        <source>A logic expression over the functions&apos; outputs. Drag it onto a sheet.</source>
        <translation>Ein Logikausdruck über die Ausgänge der Funktionen. Auf ein Blatt ziehen.</translation>
    </message>
    <message>
        <source>Inputs of the post-logic; every function takes one.</source>
        <translation>Eingänge der PostLogic; jede Funktion belegt einen.</translation>
    </message>
    <message>
        <source>A measure counter: counts times or events, shown live.</source>
        <translation>Ein Messzähler: zählt Zeiten oder Ereignisse, live angezeigt.</translation>
    </message>
    <message>
        <source>A NIM output of the module.</source>
        <translation>Ein NIM-Ausgang des Moduls.</translation>
    </message>
    <message>
        <source>A feedback path: a post-logic result back into the pre-logic.</source>
        <translation>Eine Rückkopplung: ein Ergebnis der PostLogic zurück in die PreLogic.</translation>
    </message>
    <message>
        <source>Feedback paths that the pre-logic can still read.</source>
        <translation>Rückkopplungen, die die PreLogic noch lesen kann.</translation>
    </message>
    <message>
        <source>A label: carries a signal to another sheet or column by name.</source>
        <translation>Eine Marke: führt ein Signal über seinen Namen auf ein anderes Blatt oder in eine andere Spalte.</translation>
    </message>
    <message>
        <source>(%1/%2): %1 of the module&apos;s %2 are free; a greyed item has none left.</source>
        <translation>(%1/%2): %1 der %2 dieser Art im Modul sind frei; ein grauer Eintrag hat keine mehr.</translation>
    </message>
</context>
<context>
    <name>ModuleCommand</name>
    <message>
        <source> (give -h ADDRESS)</source>
        <translation> (-h ADDRESS angeben)</translation>
    </message>
</context>
<context>
    <name>ModuleSession</name>
    <message>
        <source>Interrupted.</source>
        <translation>Unterbrochen.</translation>
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
    <name>NetSetupCommand</name>
    <message>
        <source>read or write the network settings in the module&apos;s EEPROM</source>
        <translation>Netzwerkeinstellungen im EEPROM des Moduls lesen oder schreiben</translation>
    </message>
    <message>
        <source>[--new-address ADDRESS [--new-tcp-port PORT] [--new-udp-port PORT]] [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation>[--new-address ADDRESS [--new-tcp-port PORT] [--new-udp-port PORT]] [-h ADDRESS] [-u PORT] [-o SECONDS]</translation>
    </message>
    <message>
        <source>Without --new-address the settings block is read and printed. With it, the
new IPv4 address and ports (default 24 and 4660) are written, then read back.
Writing needs the module&apos;s set-up DIP switch ON; switch it OFF and restart the
module afterwards.</source>
        <translation>Ohne --new-address wird der Einstellungsblock gelesen und ausgegeben. Mit ihr
werden die neue IPv4-Adresse und die Ports (Standard 24 und 4660) geschrieben
und zurückgelesen. Zum Schreiben muss der Setup-DIP-Schalter des Moduls auf ON
stehen; danach auf OFF stellen und das Modul neu starten.</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADDRESS</translation>
    </message>
    <message>
        <source>new IPv4 address of the module</source>
        <translation>neue IPv4-Adresse des Moduls</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>new TCP port of the counter stream (default 24)</source>
        <translation>neuer TCP-Port des Zählerdatenstroms (Standard 24)</translation>
    </message>
    <message>
        <source>new UDP port of the register protocol (default 4660)</source>
        <translation>neuer UDP-Port des Registerprotokolls (Std. 4660)</translation>
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
        <source>New ports are written together with --new-address.</source>
        <translation>Neue Ports werden zusammen mit --new-address geschrieben.</translation>
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
        <source>Interrupted.</source>
        <translation>Unterbrochen.</translation>
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
    <name>ProtectCommand</name>
    <message>
        <source>show or set the write protection (current and boot setting)</source>
        <translation>Schreibschutz anzeigen oder setzen (aktuell und beim Start)</translation>
    </message>
    <message>
        <source>[--current on|off] [--boot on|off] [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation>[--current on|off] [--boot on|off] [-h ADDRESS] [-u PORT] [-o SECONDS]</translation>
    </message>
    <message>
        <source>Without --current or --boot the two settings are shown. The boot setting is
stored in the module&apos;s EEPROM and applies from the next power-up.</source>
        <translation>Ohne --current oder --boot werden beide Einstellungen angezeigt. Die
Boot-Einstellung steht im Modul-EEPROM und gilt ab dem nächsten Einschalten.</translation>
    </message>
    <message>
        <source>on|off</source>
        <translation>on|off</translation>
    </message>
    <message>
        <source>write-protect the registers now, or lift it</source>
        <translation>die Register jetzt schreibschützen oder freigeben</translation>
    </message>
    <message>
        <source>write-protect the registers from power-up, or not</source>
        <translation>die Register ab dem Einschalten schützen oder nicht</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>--%1 takes on or off.</source>
        <translation>--%1 erwartet on oder off.</translation>
    </message>
    <message>
        <source>Write Protect (Current setting): %1</source>
        <translation>Schreibschutz (aktuelle Einstellung): %1</translation>
    </message>
    <message>
        <source>Write Protect (Boot setting): %1</source>
        <translation>Schreibschutz (Boot-Einstellung): %1</translation>
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
    <name>RomCommand</name>
    <message>
        <source>list, save, restore and boot the module&apos;s ROM pages</source>
        <translation>ROM-Seiten des Moduls auflisten, speichern, laden, booten</translation>
    </message>
    <message>
        <source>list | save PAGE [--comment TEXT] [--boot] [--design DESIGN [--force]] | restore PAGE | boot PAGE | init --yes</source>
        <translation>list | save PAGE [--comment TEXT] [--boot] [--design DESIGN [--force]] | restore PAGE | boot PAGE | init --yes</translation>
    </message>
    <message>
        <source>list     the sixteen pages (0..15) with their comments, and the boot page
save     store the module&apos;s registers in PAGE with a comment (at most 112
         bytes; default: the design&apos;s file name); --boot also makes it the
         boot page. With --design the module is first compared with the
         design and a difference refuses the save unless --force.
restore  load PAGE into the module&apos;s registers
boot     make PAGE the page loaded at power-up
init     clear every page and comment and the registers (needs --yes)
Connection settings come from -h/-u/-o, else the --design document.</source>
        <translation>list     die sechzehn Seiten (0..15) mit ihren Kommentaren und die Boot-Seite
save     die Register des Moduls mit Kommentar in PAGE speichern (höchstens
         112 Bytes; Standard: der Dateiname des Designs); --boot macht PAGE
         auch zur Boot-Seite. Mit --design wird das Modul zuerst mit dem Design
         verglichen; bei einem Unterschied wird nur mit --force gespeichert.
restore  PAGE in die Register des Moduls laden
boot     PAGE zur Seite machen, die beim Einschalten geladen wird
init     alle Seiten, Kommentare und die Register löschen (braucht --yes)
Verbindungsdaten kommen aus -h/-u/-o, sonst aus dem --design-Dokument.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>comment of the saved page</source>
        <translation>Kommentar der gespeicherten Seite</translation>
    </message>
    <message>
        <source>save: also make the page the boot page</source>
        <translation>save: die Seite auch zur Boot-Seite machen</translation>
    </message>
    <message>
        <source>DESIGN</source>
        <translation>DESIGN</translation>
    </message>
    <message>
        <source>save: the design the module should hold</source>
        <translation>save: das Design, das das Modul enthalten soll</translation>
    </message>
    <message>
        <source>save even when the module differs from --design</source>
        <translation>auch speichern, wenn das Modul von --design abweicht</translation>
    </message>
    <message>
        <source>init: confirm</source>
        <translation>init: bestätigen</translation>
    </message>
    <message>
        <source>Missing action.</source>
        <translation>Aktion fehlt.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Unbekannte Aktion: %1</translation>
    </message>
    <message>
        <source>Invalid ROM page (0 to 15 expected): %1</source>
        <translation>Ungültige ROM-Seite (0 bis 15 erwartet): %1</translation>
    </message>
    <message>
        <source>Please give it a user comment.</source>
        <translation>Bitte einen Benutzerkommentar eingeben.</translation>
    </message>
    <message>
        <source>The length of the user comment should be at most %1 bytes.</source>
        <translation>Der Benutzerkommentar darf höchstens %1 Bytes lang sein.</translation>
    </message>
    <message>
        <source>Are you sure you want to initialize ROM area?</source>
        <translation>Den ROM-Bereich wirklich initialisieren?</translation>
    </message>
    <message>
        <source> (give --yes to confirm)</source>
        <translation> (zum Bestätigen --yes angeben)</translation>
    </message>
    <message>
        <source>The displayed data have not been yet downloaded.</source>
        <translation>Die angezeigten Daten wurden noch nicht heruntergeladen.</translation>
    </message>
    <message>
        <source> (the module differs from %1; --force saves anyway)</source>
        <translation> (das Modul weicht von %1 ab; --force speichert trotzdem)</translation>
    </message>
    <message>
        <source>Boot From %1</source>
        <translation>Boot von Seite %1</translation>
    </message>
    <message>
        <source> (boot) </source>
        <translation> (Boot) </translation>
    </message>
    <message>
        <source>Save to ROM</source>
        <translation>Im ROM speichern</translation>
    </message>
    <message>
        <source>Saved to ROM page %1: %2</source>
        <translation>In ROM-Seite %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>Restore from ROM</source>
        <translation>Aus dem ROM wiederherstellen</translation>
    </message>
    <message>
        <source>Restored ROM page %1.</source>
        <translation>ROM-Seite %1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>Page %1 is already the boot page.</source>
        <translation>Seite %1 ist bereits die Boot-Seite.</translation>
    </message>
    <message>
        <source>Initialize ROM area</source>
        <translation>ROM-Bereich initialisieren</translation>
    </message>
    <message>
        <source>ROM area initialized.</source>
        <translation>ROM-Bereich initialisiert.</translation>
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
    <name>SheetExporter</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1 — %2 — %3</source>
        <translation>%1 — %2 — %3</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>There is no sheet %1.</source>
        <translation>Es gibt kein Blatt %1.</translation>
    </message>
</context>
<context>
    <name>SheetPicker</name>
    <message>
        <source>Type part of a sheet name</source>
        <translation>Teil eines Blattnamens eingeben</translation>
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
    <message>
        <source>Remove this sheet</source>
        <translation>Dieses Blatt entfernen</translation>
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
    <name>SimulateCommand</name>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 kHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>simulate the trigger tick by tick from its compiled image</source>
        <translation>den Trigger Takt für Takt aus seinem kompilierten Abbild simulieren</translation>
    </message>
    <message>
        <source>DESIGN|IMAGE --duration TIME [--stimulus FILE] [--pulse GENERATOR] [--rate GENERATOR] [--level GENERATOR] [--vcd FILE]</source>
        <translation>DESIGN|IMAGE --duration TIME [--stimulus FILE] [--pulse GENERATOR] [--rate GENERATOR] [--level GENERATOR] [--vcd FILE]</translation>
    </message>
    <message>
        <source>Runs the register image the module would receive (a design is compiled first;
a &quot;compile --hex&quot; dump or the raw 8292-byte image is used as it is) through
the timing model in 5 ns clock ticks, from 0 to TIME, and prints per NIM output
the pulses and their rate and per measure counter its measurements. Times carry
a unit: ps, ns, us, ms or s. Inputs are named by connector (NIM-IN-S0 .. S7,
NIM-IN-M, BNC-IN) or by the port name the design gives them.
The stimulus FILE holds one change a line, &quot;TIME INPUT LEVEL&quot;, in time order;
blank lines and # comments are allowed. Generators, each repeatable:
  --pulse IN=PERIOD,WIDTH[,PHASE]   periodic pulses
  --rate IN=RATE[,WIDTH]            random pulses (Poisson), RATE such as 10kHz,
                                    WIDTH 20ns unless given; --seed N repeats them
  --level IN=0|1                    a constant level
A bad stimulus exits with 2 and names the line. A design with errors is
simulated with a warning. The model and its assumptions: docs/timing-model.md.</source>
        <translation>Schickt das Registerabbild, das das Modul erhielte (ein Design wird zuerst
kompiliert, ein „compile --hex“-Dump oder das rohe 8292-Byte-Abbild unverändert
verwendet), in 5-ns-Takten von 0 bis TIME durch das Zeitmodell und gibt je
NIM-Ausgang die Pulse samt Rate und je Messzähler seine Messungen aus. Zeiten
haben eine Einheit: ps, ns, us, ms oder s. Eingänge heißen nach dem Anschluss
(NIM-IN-S0 .. S7, NIM-IN-M, BNC-IN) oder nach ihrem Portnamen im Design.
Die Stimulus-Datei FILE enthält zeitlich geordnet je Zeile eine Änderung
„TIME INPUT LEVEL“; Leerzeilen, #-Kommentare erlaubt. Generatoren, wiederholbar:
  --pulse IN=PERIOD,WIDTH[,PHASE]   periodische Pulse
  --rate IN=RATE[,WIDTH]            Zufallspulse (Poisson), RATE etwa 10kHz,
                                    WIDTH sonst 20ns; --seed N wiederholt sie
  --level IN=0|1                    ein konstanter Pegel
Ein fehlerhafter Stimulus endet mit 2 und nennt die Zeile; ein Design mit
Fehlern wird mit Warnung simuliert. Modell und Annahmen: docs/timing-model.md.</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>module time to simulate, such as 10us</source>
        <translation>zu simulierende Modulzeit, etwa 10us</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>input changes, one a line</source>
        <translation>Eingangsänderungen, eine je Zeile</translation>
    </message>
    <message>
        <source>GENERATOR</source>
        <translation>GENERATOR</translation>
    </message>
    <message>
        <source>periodic pulses: IN=PERIOD,WIDTH[,PHASE]</source>
        <translation>periodische Pulse: IN=PERIOD,WIDTH[,PHASE]</translation>
    </message>
    <message>
        <source>random pulses: IN=RATE[,WIDTH]</source>
        <translation>Zufallspulse: IN=RATE[,WIDTH]</translation>
    </message>
    <message>
        <source>a constant level: IN=0 or IN=1</source>
        <translation>ein konstanter Pegel: IN=0 oder IN=1</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>seed of the random pulses (default 1)</source>
        <translation>Startwert der Zufallspulse (Standard 1)</translation>
    </message>
    <message>
        <source>write every trace as a value change dump</source>
        <translation>alle Signalverläufe als Value Change Dump schreiben</translation>
    </message>
    <message>
        <source>Give the module time to simulate with --duration.</source>
        <translation>Die zu simulierende Modulzeit mit --duration angeben.</translation>
    </message>
    <message>
        <source>The duration must be longer than 0.</source>
        <translation>Die Dauer muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>--duration: %1</source>
        <translation>--duration: %1</translation>
    </message>
    <message>
        <source>Warning: %1 has design errors (karix-cli check lists them); simulating it as it compiles.</source>
        <translation>Warnung: %1 hat Designfehler (karix-cli check listet sie auf); simuliert wird, was sich kompilieren lässt.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a register image.</source>
        <translation>%1 ist zu groß für ein Registerabbild.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--seed: &quot;%1&quot; is not a whole number.</source>
        <translation>--seed: „%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1: %2</translation>
    </message>
    <message>
        <source>Simulating</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Interrupted; nothing was written.</source>
        <translation>Unterbrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Simulated %1 ns (%2 ticks of 5 ns).</source>
        <translation>%1 ns simuliert (%2 Takte zu 5 ns).</translation>
    </message>
    <message>
        <source>%1: %2 pulses, %3</source>
        <translation>%1: %2 Pulse, %3</translation>
    </message>
    <message>
        <source>%1: %2 measurements</source>
        <translation>%1: %2 Messungen</translation>
    </message>
    <message>
        <source>, last %1 at %2 ns</source>
        <translation>, letzte %1 bei %2 ns</translation>
    </message>
    <message>
        <source>, running %1</source>
        <translation>, laufend %1</translation>
    </message>
    <message>
        <source>, none running</source>
        <translation>, keine laufend</translation>
    </message>
</context>
<context>
    <name>SimulateWindow</name>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 kHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Run on change</source>
        <translation>Bei Änderung starten</translation>
    </message>
    <message>
        <source>Keep the previous run as overlay</source>
        <translation>Vorigen Lauf als Überlagerung behalten</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>Module time to simulate, such as 10us (ps, ns, us, ms or s)</source>
        <translation>Zu simulierende Modulzeit, etwa 10us (ps, ns, us, ms oder s)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Previous Edge</source>
        <translation>Vorige Flanke</translation>
    </message>
    <message>
        <source>Next Edge</source>
        <translation>Nächste Flanke</translation>
    </message>
    <message>
        <source>Row Up</source>
        <translation>Zeile nach oben</translation>
    </message>
    <message>
        <source>Row Down</source>
        <translation>Zeile nach unten</translation>
    </message>
    <message>
        <source>Hide Row</source>
        <translation>Zeile ausblenden</translation>
    </message>
    <message>
        <source>Show All Rows</source>
        <translation>Alle Zeilen einblenden</translation>
    </message>
    <message>
        <source>Export VCD…</source>
        <translation>VCD exportieren…</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message numerus="yes">
        <source>The design has %n error(s); it is simulated as it compiles.</source>
        <translation>
            <numerusform>Das Design hat %n Fehler; simuliert wird, was sich kompilieren lässt.</numerusform>
            <numerusform>Das Design hat %n Fehler; simuliert wird, was sich kompilieren lässt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The duration must be longer than 0.</source>
        <translation>Die Dauer muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>%1: %2 pulses, %3</source>
        <translation>%1: %2 Pulse, %3</translation>
    </message>
    <message>
        <source>MsrCnt%1: %2 measurements</source>
        <translation>MsrCnt%1: %2 Messungen</translation>
    </message>
    <message>
        <source>, last %1 at %2</source>
        <translation>, letzte %1 bei %2</translation>
    </message>
    <message>
        <source>, running %1</source>
        <translation>, laufend %1</translation>
    </message>
    <message>
        <source>, none running</source>
        <translation>, keine laufend</translation>
    </message>
    <message>
        <source>Export VCD</source>
        <translation>VCD exportieren</translation>
    </message>
    <message>
        <source>Value change dumps (*.vcd)</source>
        <translation>Value Change Dumps (*.vcd)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Bilder (*.png *.svg)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SimulationTarget</name>
    <message>
        <source>A register image has %1 bytes, this file %2.</source>
        <translation>Ein Registerabbild hat %1 Bytes, diese Datei %2.</translation>
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
    <name>StimulusEditor</name>
    <message>
        <source>File…</source>
        <translation>Datei…</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>konstant</translation>
    </message>
    <message>
        <source>periodic</source>
        <translation>periodisch</translation>
    </message>
    <message>
        <source>random rate</source>
        <translation>Zufallsrate</translation>
    </message>
    <message>
        <source>stimulus file</source>
        <translation>Stimulus-Datei</translation>
    </message>
    <message>
        <source>constant: 0 or 1
periodic: PERIOD,WIDTH[,PHASE], such as 1us,100ns,0ns
random rate: RATE[,WIDTH], RATE in Hz, kHz or MHz, such as 1MHz,20ns
stimulus file: a file of &quot;TIME INPUT LEVEL&quot; lines</source>
        <translation>konstant: 0 oder 1
periodisch: PERIOD,WIDTH[,PHASE], etwa 1us,100ns,0ns
Zufallsrate: RATE[,WIDTH], RATE in Hz, kHz oder MHz, etwa 1MHz,20ns
Stimulus-Datei: eine Datei mit Zeilen „TIME INPUT LEVEL“</translation>
    </message>
    <message>
        <source>Stimulus File</source>
        <translation>Stimulus-Datei</translation>
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
    <message>
        <source>Cannot read the stimulus file %1: %2</source>
        <translation>Die Stimulus-Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a stimulus file.</source>
        <translation>%1 ist zu groß für eine Stimulus-Datei.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
    <name>TransferCommand</name>
    <message>
        <source>write a design&apos;s registers to the module</source>
        <translation>die Register eines Designs in das Modul schreiben</translation>
    </message>
    <message>
        <source>compare the module&apos;s registers with a design</source>
        <translation>die Register des Moduls mit einem Design vergleichen</translation>
    </message>
    <message>
        <source>DESIGN [--force] [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation>DESIGN [--force] [-h ADDRESS] [-u PORT] [-o SECONDS]</translation>
    </message>
    <message>
        <source>DESIGN [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation>DESIGN [-h ADDRESS] [-u PORT] [-o SECONDS]</translation>
    </message>
    <message>
        <source>Reads the registers back and prints the verdict; on a difference it names
the first mismatch and exits with 1. A write-protected module is refused (5).</source>
        <translation>Liest die Register zurück und meldet das Ergebnis; bei Abweichungen nennt es die
erste und endet mit 1. Ein schreibgeschütztes Modul wird abgelehnt (5).</translation>
    </message>
    <message>
        <source>Runs the design rule check first: errors refuse the download (1), warnings
refuse it unless --force is given (3). A write-protected module is refused (5).
Ctrl-C cancels between two requests and exits with 130.</source>
        <translation>Führt zuerst die Designregelkontrolle aus: Fehler verhindern das Herunterladen
(1), Warnungen ebenso, außer mit --force (3). Ein schreibgeschütztes Modul wird
abgelehnt (5). Ctrl-C bricht zwischen zwei Anfragen ab und endet mit 130.</translation>
    </message>
    <message>
        <source>download even when the design rule check reports warnings</source>
        <translation>auch herunterladen, wenn die DRC Warnungen meldet</translation>
    </message>
    <message>
        <source>The design has errors: nothing was downloaded.</source>
        <translation>Das Design hat Fehler: Es wurde nichts heruntergeladen.</translation>
    </message>
    <message>
        <source>The design has warnings: nothing was downloaded (--force downloads anyway).</source>
        <translation>Das Design hat Warnungen: Es wurde nichts heruntergeladen (--force lädt trotzdem herunter).</translation>
    </message>
    <message>
        <source>Download - TOLA Access</source>
        <translation>Herunterladen - TOLA-Zugriff</translation>
    </message>
    <message>
        <source>Download cancelled after %1 of %2 bytes.</source>
        <translation>Herunterladen nach %1 von %2 Bytes abgebrochen.</translation>
    </message>
    <message>
        <source>Download complete: %1 bytes written to %2.</source>
        <translation>Herunterladen abgeschlossen: %1 Bytes auf %2 geschrieben.</translation>
    </message>
    <message>
        <source>The output may become unstable during verify.</source>
        <translation>Der Ausgang kann während der Prüfung instabil werden.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Unterbrochen.</translation>
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
    <name>VersionCommand</name>
    <message>
        <source>read the module&apos;s firmware version</source>
        <translation>die Firmware-Version des Moduls lesen</translation>
    </message>
    <message>
        <source>[-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation>[-h ADDRESS] [-u PORT] [-o SECONDS]</translation>
    </message>
    <message>
        <source>FPGA Version: %1</source>
        <translation>FPGA-Version: %1</translation>
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
    <message>
        <source>Software Version %1</source>
        <translation>Softwareversion %1</translation>
    </message>
</context>
<context>
    <name>WaveformRows</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>A %1</source>
        <translation>A %1</translation>
    </message>
    <message>
        <source>B %1</source>
        <translation>B %1</translation>
    </message>
    <message>
        <source>Δt %1</source>
        <translation>Δt %1</translation>
    </message>
    <message>
        <source>%1 ns</source>
        <translation>%1 ns</translation>
    </message>
    <message>
        <source>%1 µs</source>
        <translation>%1 µs</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Signalverläufe</translation>
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
