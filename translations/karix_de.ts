<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CheckCommand</name>
    <message>
        <source>run the design rule check and print its report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report exactly as the DRC window shows it. Exit code 0 when it reads
&quot;No error detected.&quot;, 3 when there are warnings only, 1 when there are errors.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>Unknown option: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option %1 takes no value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option %1 needs a value (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>Usage: karix-cli %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
(karix-cli %1 --help shows every option)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing argument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Usage: karix-cli COMMAND [OPTIONS] [ARGUMENTS]
(karix-cli --help lists the commands)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: karix-cli COMMAND [OPTIONS] [ARGUMENTS]

Checks, compiles, downloads and verifies KaRiX designs and operates the
module from scripts, with the same rules and texts as the KaRiX program.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Every command accepts --help and --json. Module commands take the connection
options -h ADDRESS, -u UDP-PORT, -t TCP-PORT and -o SECONDS; when absent, the
values stored in the design document are used, else the defaults (the
module&apos;s factory address, UDP 4660, TCP 24, 1 second).

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompileCommand</name>
    <message>
        <source>compute the register image of a design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN [-o FILE] [--hex]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the 8292 bytes the module receives on a download, in address order:
0x0004..0x0067, then 0x2000..0x3FFF. Without -o they go to standard output
(refused on a terminal unless --hex). An error in a logic expression prints the
evaluator&apos;s message with the block&apos;s name and exits with 1. With --json and
no -o the image is given as a hexadecimal string in the field &quot;image&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the image to FILE (&quot;-&quot;: standard output)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text dump with register addresses instead of raw bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refusing to write raw bytes to a terminal: give -o FILE or --hex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes written to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionOptions</name>
    <message>
        <source>ADDRESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module address (IPv4 or IPv6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP port of the register protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port of the counter stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time-out per request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid module address: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid port (0 to 65535 expected): &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid time-out (whole seconds expected): &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CounterWatcher</name>
    <message>
        <source>Connection timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection closed by server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountersCommand</name>
    <message>
        <source>start/stop measure counters and print their values as they arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[DESIGN] [--start N,..] [--stop N,..] [--duration SECONDS] [--log DIR] [-h ADDRESS] [-u PORT] [-t PORT] [-o SECONDS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a DESIGN the counters get its names and units (values in nsec, usec,
msec or sec); without one the raw counts of 5 ns are shown. --start and
--stop switch counters 0..3 on the module first; given alone they end the
command. Otherwise the stream is shown for --duration seconds, or until
Ctrl-C (exit 130). --log DIR appends every value to one CSV file per counter,
named and formatted as the counter window does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N,..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start these counters (0..3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop these counters (0..3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the stream this long, then end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log the values to CSV files in DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid counter list for --%1 (0 to 3 expected): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid duration (whole seconds expected): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--log needs a directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MsrCnt%1 stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MsrCnt%1 started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The MsrCnt data cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignCommand</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignLoader</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a directory, not a design document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: permission denied</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is unconfigured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is connected, but not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: InputPort is connected, but not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: InputPort is not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Save path does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogCanvasPrompts</name>
    <message>
        <source>KaRiX</source>
        <translation>KaRiX</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>%1[*] - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NewFile</source>
        <translation>NeueDatei</translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAX Handler</source>
        <translation type="unfinished"></translation>
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
        <translation>Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>%1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore unsaved changes to %1?</source>
        <translation>Ungespeicherte Änderungen an %1 wiederherstellen?</translation>
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
    <name>EditCommands</name>
    <message>
        <source>SAX Handler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KaRiX</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>ImageCapture</name>
    <message>
        <source>Register 0x%1 lies outside the image.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogicEvaluator</name>
    <message>
        <source>invalid at &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid at EOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid --- &apos;)&apos; is missimg.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function
</source>
        <translation>Funktion
</translation>
    </message>
    <message>
        <source>PostLogic</source>
        <translation type="unfinished"></translation>
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
        <translation>&amp;Schreibschutz ...</translation>
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
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Tab &amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab &amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DRC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Ethernet Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hardware Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save to ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore from ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change Boot ROM Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initialize ROM area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About KaRiX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleCommand</name>
    <message>
        <source>Invalid module address: &quot;%1&quot; (give -h ADDRESS)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleSession</name>
    <message>
        <source>Interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Register is write-protected.</source>
        <translation>Die Register sind schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>ModuleSimulator</name>
    <message>
        <source>Cannot bind UDP port %1 on 127.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot listen on TCP port %1 on 127.0.0.1</source>
        <translation type="unfinished"></translation>
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
    <name>NetSetupCommand</name>
    <message>
        <source>read or write the network settings in the module&apos;s EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[--new-address ADDRESS [--new-tcp-port PORT] [--new-udp-port PORT]] [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without --new-address the settings block is read and printed. With it, the
new IPv4 address and ports (default 24 and 4660) are written, then read back.
Writing needs the module&apos;s set-up DIP switch ON; switch it OFF and restart the
module afterwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new IPv4 address of the module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new TCP port of the counter stream (default 24)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new UDP port of the register protocol (default 4660)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t access Kovix Module(%1:%2).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check network connectivity, and set DIP switch to ON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please push Default Button, or set target address and port correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is invalid address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is invalid port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New ports are written together with --new-address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succeeded in Updating the Kovix module.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please set DIP switch to OFF, and reboot the KaRiX.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkSettingsText</name>
    <message>
        <source>MAC Address : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
IP Address : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Data Port : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Command Port : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Max Segment Size : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
UDP Port : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Keep Alive(buffer not empty) : %1msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Keep Alive(buffer empty) : %1msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Timeout (Connecting) : %1msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Timeout (Disconnect) : %1msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Re-Connect Interval : %1msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TCP Re-transmition Timer : %1msec</source>
        <translation type="unfinished"></translation>
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
    <name>ProtectCommand</name>
    <message>
        <source>show or set the write protection (current and boot setting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[--current on|off] [--boot on|off] [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without --current or --boot the two settings are shown. The boot setting is
stored in the module&apos;s EEPROM and applies from the next power-up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on|off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write-protect the registers now, or lift it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write-protect the registers from power-up, or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version of the FPGA doesn&apos;t support Write-Protect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Protect (Current setting): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Protect (Boot setting): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QKovixThread</name>
    <message>
        <source>FileError%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QTola</name>
    <message>
        <source>address: 0x%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>request length: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read length: %1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>length: %1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read address: 0x%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write address: 0x%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTola: Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTola: Unable to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTola: Unable to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTola: %1 port %2 is unreachable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOLA: Communication error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTola: Bus Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTola: Socket operation timed out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QUdpThread</name>
    <message>
        <source>TOLA: Unable to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOLA: Unable to send command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOLA: Download Cancelled</source>
        <translation>TOLA: Herunterladen abgebrochen</translation>
    </message>
    <message>
        <source>QKvLink: %1 is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QKvLink: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOLA: Communication error</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t access Kovix Module(%1:%2).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check network connectivity, and set DIP switch to ON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please push Default Button, or set target address and port correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Write Kovix Module(%1:%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is invalid address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterVerifier</name>
    <message>
        <source>Verify: no register area starts at 0x%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify: only %1 of %2 bytes were read at 0x%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address 0x%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current:%1  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>register:%1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RomCommand</name>
    <message>
        <source>list, save, restore and boot the module&apos;s ROM pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list | save PAGE [--comment TEXT] [--boot] [--design DESIGN [--force]] | restore PAGE | boot PAGE | init --yes</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comment of the saved page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save: also make the page the boot page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save: the design the module should hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save even when the module differs from --design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>init: confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing action.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid ROM page (0 to 15 expected): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give it a user comment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of the user comment should be at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to initialize ROM area?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (give --yes to confirm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version of the FPGA doesn&apos;t support ROM access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version of the FPGA doesn&apos;t support Save and Restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The displayed data have not been yet downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the module differs from %1; --force saves anyway)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot From %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (boot) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to ROM page %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored ROM page %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 is already the boot page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialize ROM area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROM area initialized.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaxHandler</name>
    <message>
        <source>error triggered by consumer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parse error at line %1, column %2:
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sheet id %1 is out of range</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>TransferCommand</name>
    <message>
        <source>write a design&apos;s registers to the module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compare the module&apos;s registers with a design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN [--force] [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN [-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the registers back and prints the verdict; on a difference it names
the first mismatch and exits with 1. A write-protected module is refused (5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs the design rule check first: errors refuse the download (1), warnings
refuse it unless --force is given (3). A write-protected module is refused (5).
Ctrl-C cancels between two requests and exits with 130.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>download even when the design rule check reports warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design has errors: nothing was downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design has warnings: nothing was downloaded (--force downloads anyway).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download - TOLA Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download cancelled after %1 of %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete: %1 bytes written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output may become unstable during verify.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionCommand</name>
    <message>
        <source>read the module&apos;s firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[-h ADDRESS] [-u PORT] [-o SECONDS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPGA Version: %1</source>
        <translation type="unfinished"></translation>
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
    <name>WorkerRunner</name>
    <message>
        <source>Cannot open a connection to %1:%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>KaRiX</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
