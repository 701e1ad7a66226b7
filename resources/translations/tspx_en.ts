<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ArchiveFilterBar</name>
    <message>
        <location filename="../../ui/archivefilterbar.ui" line="+32"/>
        <source>Archiv durchsuchen: Bezeichnung oder Seriennummer</source>
        <translation>Search the archive: designation or serial number</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Archiv durchsuchen</source>
        <translation>Search the archive</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Zeitraum:</source>
        <translation>Period:</translation>
    </message>
</context>
<context>
    <name>ArchiveServerStatus</name>
    <message>
        <location filename="../../ui/archiveserverstatus.cpp" line="+54"/>
        <source>Hochladen</source>
        <translation>Upload</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Später</source>
        <translation>Later</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Archivserver nimmt Messungen nicht an</source>
        <translation>Archive server does not accept measurements</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archivserver: %1</source>
        <translation>Archive server: %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Archivserver nicht erreichbar</source>
        <translation>Archive server not reachable</translation>
    </message>
</context>
<context>
    <name>ArchiveTree</name>
    <message>
        <location filename="../../ui/archivetree.cpp" line="+36"/>
        <source>ohne Seriennummer</source>
        <translation>no serial number</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ohne Datum</source>
        <translation>no date</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ohne Station</source>
        <translation>without station</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Keine Treffer</source>
        <translation>No matches</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <location filename="../../ui/calibrationdialog.ui" line="+14"/>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Zertifikat</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kalibriert am</source>
        <translation>Calibrated on</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fällig am</source>
        <translation>Due on</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Labor</source>
        <translation>Laboratory</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Normal</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bemerkung</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erfasst von</source>
        <translation>Recorded by</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Neue Kalibrierung (eine Korrektur ist ein neuer Eintrag)</source>
        <translation>New calibration (a correction is a new record)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zertifikat-Nr.:</source>
        <translation>Certificate no.:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kalibriert am:</source>
        <translation>Calibrated on:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Fällig am:</source>
        <translation>Due on:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Labor:</source>
        <translation>Laboratory:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Erweiterte Unsicherheit U (k = 2) / N:</source>
        <translation>Expanded uncertainty U (k = 2) / N:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Referenznormal:</source>
        <translation>Reference standard:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Bemerkung:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../../ui/calibrationdialog.cpp" line="+36"/>
        <source>Kalibrierung des Geräts %1</source>
        <translation>Calibration of gauge %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Fällig am %1.</source>
        <translation>Due on %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Die Unsicherheit ist eine Zahl in N mit Punkt, z. B. 0.25.</source>
        <translation>The uncertainty is a number in N with a point, e.g. 0.25.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Eine Kalibrierung braucht eine Zertifikat-Nr. und ein Fälligkeitsdatum nicht vor dem Kalibrierdatum.</source>
        <translation>A calibration needs a certificate number and a due date not before the calibration date.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <location filename="../../cli/cliargs.cpp" line="+67"/>
        <source>Mit --help werden die Befehle und Optionen gezeigt.</source>
        <translation>--help shows the commands and options.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Befehle:
  scan      die Schnittstellen COM1 bis COM30 und was auf ihnen antwortet
  info      Seriennummer, Softwarestand und Krafteinheit des Geräts
  list      die gespeicherten Messungen
  download  Messungen als CSV, JSON oder DFQ (--slots oder --all, -o;
            DFQ mit --plan auch die Merkmale des Prüfplans)
  delete    Messungen auf dem Gerät löschen (--slots oder --all, --yes;
            --erase-incomplete auch nur unvollständig archivierte)
  report    Protokoll einer Messung als PDF (--slot, -o)
  stats     Statistik, Fähigkeit und Regelverletzungen (--slots oder --all;
            --archive mit --serial, --station, --from, --to, --search;
            --plan mit den Merkmalen des Prüfplans, --characteristic als Regelkarte)
  archive init    das Archiv auf dem Server anlegen (als dessen Eigentümer)
  archive list    die archivierten Messungen (--format table oder json)
  archive sync    wartende Messungen zum Archivserver übertragen, auch die
                  der Archivdatei, die ihm fehlen
  archive verify  die Verkettung der archivierten Messungen prüfen
  gauge calibration add   eine Kalibrierung erfassen (--certificate,
                          --calibrated, --due, --serial oder das Gerät)
  gauge calibration list  die Kalibrierungen des Geräts
  msa type1  Messmittelfähigkeit Verfahren 1 (--reference, --tolerance oder
             --lower/--upper; --slots, --all oder --archive mit den Filtern von stats)
  evaluate  Messungen nach einem Prüfplan beurteilen (--plan; --slots, --all
            oder --archive; --format table, tsv oder json)

Rückgabewerte: 0 in Ordnung, 2 Aufruf falsch, 3 kein Gerät gefunden,
4 Fehler in der Verbindung mit dem Gerät, 5 Datei oder Archiv nicht
verwendbar, 6 stats: Grenzwert überschritten oder Regel verletzt, msa: nicht fähig,
evaluate: eine Messung n.i.O.,
7 archivierte Messungen verändert.
</source>
        <translation>Commands:
  scan      the ports COM1 to COM30 and what answers on them
  info      serial number, software version and force unit of the gauge
  list      the stored measurements
  download  measurements as CSV, JSON or DFQ (--slots or --all, -o;
            DFQ with --plan also the test plan&apos;s characteristics)
  delete    erase measurements on the gauge (--slots or --all, --yes;
            --erase-incomplete also those archived only incomplete)
  report    report of one measurement as PDF (--slot, -o)
  stats     statistics, capability and rule violations (--slots or --all;
            --archive with --serial, --station, --from, --to, --search;
            --plan with the test plan&apos;s characteristics, --characteristic as chart)
  archive init    set up the archive on the server (as its owner)
  archive list    the archived measurements (--format table or json)
  archive sync    upload waiting measurements to the archive server, and
                  those of the archive file it lacks
  archive verify  check the chain of the archived measurements
  gauge calibration add   record a calibration (--certificate,
                          --calibrated, --due, --serial or the gauge)
  gauge calibration list  the gauge&apos;s calibrations
  msa type1  gauge capability, type-1 study (--reference, --tolerance or
             --lower/--upper; --slots, --all or --archive with the filters of stats)
  evaluate  judge measurements by a test plan (--plan; --slots, --all
            or --archive; --format table, tsv or json)

Exit codes: 0 done, 2 wrong call, 3 no gauge found,
4 communication error with the gauge, 5 file or archive not usable,
6 stats: limit exceeded or rule broken, msa: not capable,
evaluate: a measurement n.i.O.,
7 archived measurements changed.
</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Aufruf: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Optionen]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Argumente:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Keine Zahl: --%1 %2</source>
        <translation>Not a number: --%1 %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>msa type1 braucht --reference.</source>
        <translation>msa type1 needs --reference.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa type1 braucht --tolerance oder --lower und --upper.</source>
        <translation>msa type1 needs --tolerance or --lower and --upper.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa type1 braucht --slots, --all oder --archive.</source>
        <translation>msa type1 needs --slots, --all or --archive.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>gauge calibration add braucht --certificate, --calibrated JJJJ-MM-TT und --due JJJJ-MM-TT.</source>
        <translation>gauge calibration add needs --certificate, --calibrated YYYY-MM-DD and --due YYYY-MM-DD.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Fälligkeitsdatum liegt vor dem Kalibrierdatum.</source>
        <translation>The due date lies before the calibration date.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--slots gilt nur für download, delete, stats und msa.</source>
        <translation>--slots only applies to download, delete, stats and msa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ungültige Speicherplätze: %1 (erlaubt sind 1 bis %2)</source>
        <translation>Invalid slots: %1 (allowed are 1 to %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--slots und --all schließen sich aus.</source>
        <translation>--slots and --all exclude each other.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete braucht --slots oder --all.</source>
        <translation>delete needs --slots or --all.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gelöscht wird nur mit --yes.</source>
        <translation>Nothing is erased without --yes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--erase-incomplete gilt nur für delete.</source>
        <translation>--erase-incomplete only applies to delete.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 braucht -o DATEI.</source>
        <translation>%1 needs -o FILE.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--serial, --station, --from, --to und --search gelten nur mit stats --archive.</source>
        <translation>--serial, --station, --from, --to and --search only apply with stats --archive.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--archive gilt nur für stats und msa.</source>
        <translation>--archive applies to stats and msa only.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--archive und --slots oder --all schließen sich aus.</source>
        <translation>--archive excludes --slots and --all.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kein Datum (JJJJ-MM-TT): %1</source>
        <translation>Not a date (YYYY-MM-DD): %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>evaluate braucht --plan DATEI oder NAME.</source>
        <translation>evaluate needs --plan FILE or NAME.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--plan gilt nur für evaluate, stats und download --format dfq.</source>
        <translation>--plan applies only to evaluate, stats and download --format dfq.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--characteristic gilt nur für stats mit --plan.</source>
        <translation>--characteristic applies only to stats with --plan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>evaluate braucht --slots, --all oder --archive.</source>
        <translation>evaluate needs --slots, --all or --archive.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unbekanntes Format: %1</source>
        <translation>Unknown format: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unbekannte Regelkarte: %1</source>
        <translation>Unknown control chart: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unbekannte Regeln: %1</source>
        <translation>Unknown rules: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Untergruppe hat 2 bis 10 Messungen.</source>
        <translation>A subgroup has 2 to 10 measurements.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kein Grenzwert: %1</source>
        <translation>Not a limit: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--lower %1 liegt nicht unter --upper %2.</source>
        <translation>--lower %1 is not below --upper %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>report braucht --slot N (1 bis 50).</source>
        <translation>report needs --slot N (1 to 50).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Protokoll wird in eine Datei geschrieben, nicht auf die Standardausgabe.</source>
        <translation>The report is written to a file, not to standard output.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Liest Messungen des Kraftmessgeräts Tensimo Parl über die serielle Schnittstelle.</source>
        <translation>Reads measurements of the force gauge Tensimo Parl over the serial port.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einer der Befehle unten.</source>
        <translation>One of the commands below.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeigt diese Hilfe.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeigt die Version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nur diese Schnittstelle (COMn oder Gerätedatei).</source>
        <translation>Only this port (COMn or device file).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sprache der Texte (%1); ohne sie die der Umgebung (LC_ALL, LC_MESSAGES, LANG).</source>
        <translation>Language of the texts (%1); without it the environment&apos;s (LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keine Meldungen außer Fehlern.</source>
        <translation>No messages except errors.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollzeilen auf der Standardfehlerausgabe.</source>
        <translation>Log lines on standard error.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze, z. B. 1,3-7.</source>
        <translation>Slots, e.g. 1,3-7.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle Speicherplätze.</source>
        <translation>All slots.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zieldatei; - für die Standardausgabe.</source>
        <translation>Target file; - for standard output.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>download: csv (wie der Export des Programms), json oder dfq (Q-DAS); stats: table (Spalten zum Lesen), tsv (tabulatorgetrennt) oder json; archive list: table oder json.</source>
        <translation>download: csv (as the program&apos;s export), json or dfq (Q-DAS); stats: table (columns to read), tsv (tab-separated) or json; archive list: table or json.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>dfq: Teilenummer (K1001).</source>
        <translation>dfq: part number (K1001).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dfq: Teilebezeichnung (K1002).</source>
        <translation>dfq: part description (K1002).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Regelkarte imr, xbar-s oder xbar-r.</source>
        <translation>stats: control chart imr, xbar-s or xbar-r.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Messungen je Untergruppe (2 bis 10).</source>
        <translation>stats: measurements per subgroup (2 to 10).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Regeln nelson (1-8) oder we (Western Electric 1-4).</source>
        <translation>stats: rules nelson (1-8) or we (Western Electric 1-4).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: untere Grenze der Maximalkraft.</source>
        <translation>stats: lower limit of the maximum force.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: obere Grenze der Maximalkraft.</source>
        <translation>stats: upper limit of the maximum force.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats, msa: die Messungen des Archivs statt der des Geräts.</source>
        <translation>stats, msa: the archive&apos;s measurements instead of the gauge&apos;s.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats, msa --archive: Teil der Seriennummer; gauge: Seriennummer des Geräts (ohne sie das angeschlossene).</source>
        <translation>stats, msa --archive: part of the serial number; gauge: the gauge&apos;s serial number (without it the one connected).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --archive: nur diese Station.</source>
        <translation>stats --archive: only this station.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats --archive: erster Tag (JJJJ-MM-TT).</source>
        <translation>stats --archive: first day (YYYY-MM-DD).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats --archive: letzter Tag (JJJJ-MM-TT).</source>
        <translation>stats --archive: last day (YYYY-MM-DD).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --archive: Teil der Bezeichnung oder der Seriennummer.</source>
        <translation>stats --archive: part of the designation or of the serial number.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>evaluate, stats, download --format dfq: der Prüfplan, eine JSON-Datei oder der Name eines archivierten.</source>
        <translation>evaluate, stats, download --format dfq: the test plan, a JSON file or the name of an archived one.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --plan: Regelkarte und Grenzwerte dieses Merkmals des Prüfplans.</source>
        <translation>stats --plan: control chart and limits of this characteristic of the test plan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Löschen ohne Rückfrage bestätigen.</source>
        <translation>Confirm erasing without asking.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete: auch Messungen löschen, die nur unvollständig archiviert sind (das Gerät hat weniger Messwerte gesendet, als es angibt).</source>
        <translation>delete: also erase measurements archived only incomplete (the gauge sent fewer samples than it reports).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicherplatz der Messung.</source>
        <translation>Slot of the measurement.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bezeichnung im Protokoll.</source>
        <translation>Designation in the report.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Nummer des Kalibrierscheins.</source>
        <translation>gauge: number of the calibration certificate.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Kalibrierdatum (JJJJ-MM-TT).</source>
        <translation>gauge: calibration date (YYYY-MM-DD).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: nächste Kalibrierung fällig am (JJJJ-MM-TT).</source>
        <translation>gauge: next calibration due on (YYYY-MM-DD).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Kalibrierlabor.</source>
        <translation>gauge: calibration laboratory.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gauge: erweiterte Messunsicherheit U (k = 2) in N.</source>
        <translation>gauge: expanded uncertainty U (k = 2) in N.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Bezugsnormal der Kalibrierung.</source>
        <translation>gauge: reference standard of the calibration.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Bemerkung.</source>
        <translation>gauge: note.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>msa: Referenzwert des Normals.</source>
        <translation>msa: reference value of the standard.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa: Toleranz des Merkmals.</source>
        <translation>msa: tolerance of the characteristic.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>msa: Auflösung des Geräts (Vorgabe 0.1).</source>
        <translation>msa: resolution of the gauge (default 0.1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unbekannte Sprache: %1. Bekannt sind %2.</source>
        <translation>Unknown language: %1. Known are %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kein Befehl angegeben.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>archive braucht init, list, sync oder verify.</source>
        <translation>archive needs init, list, sync or verify.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>gauge braucht calibration add oder calibration list.</source>
        <translation>gauge needs calibration add or calibration list.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa braucht type1.</source>
        <translation>msa needs type1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nur ein Befehl auf einmal.</source>
        <translation>Only one command at a time.</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <location filename="../../cli/clireport.cpp" line="+20"/>
        <source>Speicherplatz %1 ist leer.</source>
        <translation>Slot %1 is empty.</translation>
    </message>
    <message>
        <location filename="../../cli/clirunner.cpp" line="+115"/>
        <source>Speicherplatz %1 von %2</source>
        <translation>Slot %1 of %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Kein Gerät gefunden (COM1 bis COM30).</source>
        <translation>No gauge found (COM1 to COM30).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kein Gerät an %1.</source>
        <translation>No gauge on %1.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Error while transferring the data!</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Übertragene Messungen: %1</source>
        <translation>Measurements transferred: %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Teilenummer und Teilebezeichnung sind in der DFQ-Datei auf %1 und %2 Zeichen gekürzt.</source>
        <translation>The part number and part description are cut to %1 and %2 characters in the DFQ file.</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Der Prüfplan %1 hat kein Merkmal &apos;%2&apos;.</source>
        <translation>The test plan %1 has no characteristic &apos;%2&apos;.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Gelöschte Messungen: %1</source>
        <translation>Measurements erased: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nicht im Archiv und darum nicht gelöscht: %1. Zuerst mit download übertragen.</source>
        <translation>Not in the archive and therefore not erased: %1. Transfer them with download first.</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Nicht gelöscht. Erneut mit download übertragen (vielleicht sendet das Gerät sie diesmal vollständig) oder mit --erase-incomplete löschen.</source>
        <translation>
            <numerusform>Not erased. Transfer it again with download (the gauge may send it whole this time) or erase it with --erase-incomplete.</numerusform>
            <numerusform>Not erased. Transfer them again with download (the gauge may send them whole this time) or erase them with --erase-incomplete.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>The file &apos;%1&apos; could not be written!</translation>
    </message>
    <message>
        <location filename="../../cli/clioutput.cpp" line="+44"/>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Standardausgabe konnte nicht geschrieben werden: %1</source>
        <translation>Could not write to standard output: %1</translation>
    </message>
    <message>
        <location filename="../../cli/clievaluate.cpp" line="+30"/>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Urteil</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Prüfplan %1, Version %2</source>
        <translation>Test plan %1, version %2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Im Archiv ist kein Prüfplan &apos;%1&apos;.</source>
        <translation>The archive holds no test plan &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 von %2 Messungen bewertet</source>
        <translation>%1 of %2 measurements judged</translation>
    </message>
</context>
<context>
    <name>CommandStates</name>
    <message>
        <location filename="../../ui/commandstates.cpp" line="+35"/>
        <source>Gewählte Messungen e&amp;xportieren...</source>
        <translation>E&amp;xport Selected Measurements...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Gewählte Messungen &amp;löschen</source>
        <translation>&amp;Delete Selected Measurements</translation>
    </message>
</context>
<context>
    <name>ControlChartView</name>
    <message>
        <location filename="../../ui/controlchartview.ui" line="+31"/>
        <source>Merkmal der Regelkarte</source>
        <translation>Characteristic of the control chart</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Art der Regelkarte</source>
        <translation>Type of control chart</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Untergruppe:</source>
        <translation>Subgroup:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Regeln für Muster in der Karte</source>
        <translation>Rules for patterns in the chart</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grenzen festhalten</source>
        <translation>Keep limits</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die jetzigen Eingriffsgrenzen als Referenz für die folgenden Auswahlen behalten</source>
        <translation>Keep the current control limits as the reference for the following selections</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Punkte, die eine Regel verletzen</source>
        <translation>Points that break a rule</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <location filename="../../archive/csvimport.cpp" line="+61"/>
        <source>die Seriennummer enthält ein Nullzeichen</source>
        <translation>the serial number contains a NUL character</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>negative Messungsnummer</source>
        <translation>negative measurement number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Messwerte</source>
        <translation>no samples</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ein Messwert ist keine endliche Zahl</source>
        <translation>a sample is not a finite number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Abtastrate aus den Zeiten</source>
        <translation>no sample rate from the times</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum oder Zeit nicht lesbar</source>
        <translation>date or time unreadable</translation>
    </message>
</context>
<context>
    <name>DfqPartDialog</name>
    <message>
        <location filename="../../ui/dfqpartdialog.ui" line="+14"/>
        <source>Teil der DFQ-Datei</source>
        <translation>Part of the DFQ file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Teilenummer (K1001):</source>
        <translation>Part number (K1001):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Teilebezeichnung (K1002):</source>
        <translation>Part description (K1002):</translation>
    </message>
</context>
<context>
    <name>GaugeCalibration</name>
    <message>
        <location filename="../../cli/cligauge.cpp" line="+119"/>
        <source>Kalibrierungen und Studien werden nur im erreichbaren Archiv gespeichert und gelesen.</source>
        <translation>Calibrations and studies are kept and read only in an archive that answers.</translation>
    </message>
    <message>
        <location filename="../../measurement/gaugecalibration.cpp" line="+17"/>
        <source>Kalibrierung überfällig</source>
        <translation>calibration overdue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ohne Kalibrierung</source>
        <translation>not calibrated</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Die Kalibrierung des Geräts %1 war am %2 fällig.</source>
        <translation>The calibration of gauge %1 was due on %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Für das Gerät %1 ist keine Kalibrierung erfasst.</source>
        <translation>No calibration is recorded for gauge %1.</translation>
    </message>
    <message>
        <location filename="../../measurement/workbookexport.cpp" line="+127"/>
        <location filename="../../report/report.cpp" line="+195"/>
        <source>Kalibrierung:</source>
        <translation>Calibration:</translation>
    </message>
</context>
<context>
    <name>GaugeStudy</name>
    <message>
        <location filename="../../measurement/gaugestudy.cpp" line="+125"/>
        <source>Eine Typ-1-Studie braucht %1 bis %2 Messungen.</source>
        <translation>A type-1 study needs %1 to %2 measurements.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Toleranz muss größer als 0 sein.</source>
        <translation>The tolerance must be greater than 0.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ein Wert der Studie ist keine Zahl.</source>
        <translation>A value of the study is not a number.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Messmittel fähig</source>
        <translation>Gauge capable</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Messmittel nicht fähig</source>
        <translation>Gauge not capable</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messmittelfähigkeit Verfahren 1</source>
        <translation>Gauge capability, type-1 study</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Messungen n</source>
        <translation>Measurements n</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Referenzwert xm</source>
        <translation>Reference value xm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toleranz T</source>
        <translation>Tolerance T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelwert x̄</source>
        <translation>Mean x̄</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standardabweichung s</source>
        <translation>Standard deviation s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Systematische Messabweichung x̄ − xm</source>
        <translation>Bias x̄ − xm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mindestwert Cg, Cgk</source>
        <translation>Minimum Cg, Cgk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t-Wert der Abweichung (kritisch %1)</source>
        <translation>t of the bias (critical %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abweichung signifikant (5 %)</source>
        <translation>Bias significant (5 %)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auflösung / T (höchstens 5 %)</source>
        <translation>Resolution / T (at most 5 %)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <location filename="../../plot/type1chartplot.cpp" line="+62"/>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
</context>
<context>
    <name>GaugeStudyPage</name>
    <message>
        <location filename="../../ui/gaugestudypage.ui" line="+14"/>
        <source>Messmittelfähigkeit Verfahren 1</source>
        <translation>Gauge capability type 1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Referenzwert xm:</source>
        <translation>Reference value xm:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Toleranz T:</source>
        <translation>Tolerance T:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>oder untere Grenze:</source>
        <translation>or lower limit:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>obere Grenze:</source>
        <translation>upper limit:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auflösung des Geräts:</source>
        <translation>Gauge resolution:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Berechnen</source>
        <translation>Compute</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Im Archiv speichern</source>
        <translation>Keep in the archive</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als PDF speichern…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/gaugestudypage.cpp" line="+45"/>
        <source>Gerät %1: %n Maximalkräfte in %2</source>
        <translation>
            <numerusform>Gauge %1: %n maximum force in %2</numerusform>
            <numerusform>Gauge %1: %n maximum forces in %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Referenzwert und Toleranz (oder beide Grenzen) als Zahlen mit Punkt eingeben.</source>
        <translation>Enter the reference value and the tolerance (or both limits) as numbers with a point.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>im Archiv gespeichert (Nr. %1)</source>
        <translation>kept in the archive (no. %1)</translation>
    </message>
</context>
<context>
    <name>GaugeWorkflow</name>
    <message>
        <location filename="../../workflow/workflowtexts.cpp" line="+64"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Error while transferring the data!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Kennung des Geräts wurde nicht gelesen.</source>
        <translation>The identity of the gauge was not read.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Betroffene Speicherplätze: %1</source>
        <translation>
            <numerusform>Slot affected: %1</numerusform>
            <numerusform>Slots affected: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Diese Messungen sind unvollständig: Das Gerät hat weniger Messwerte gesendet, als es angibt. Sie wurden so archiviert, wie das Gerät sie gesendet hat: %1</source>
        <translation>
            <numerusform>This measurement is incomplete: the gauge sent fewer samples than it reports. It was archived as the gauge sent it: %1</numerusform>
            <numerusform>These measurements are incomplete: the gauge sent fewer samples than it reports. They were archived as the gauge sent them: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>In diesen Messungen sind Werte keine Zahl. Sie wurden so archiviert, wie das Gerät sie gesendet hat, und bleiben in Statistik, Regelkarte und DFQ-Datei außen vor: %1</source>
        <translation>
            <numerusform>This measurement holds values that are no number. It was archived as the gauge sent it and is left out of statistics, control charts and DFQ files: %1</numerusform>
            <numerusform>These measurements hold values that are no number. They were archived as the gauge sent them and are left out of statistics, control charts and DFQ files: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>Leere Speicherplätze: %1</source>
        <translation>
            <numerusform>Empty slot: %1</numerusform>
            <numerusform>Empty slots: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der Prüfplan &apos;%1&apos; ist nicht lesbar. %2</source>
        <translation>The test plan &apos;%1&apos; cannot be read. %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Archiv &apos;%1&apos; ist schreibgeschützt.</source>
        <translation>The archive &apos;%1&apos; is read-only.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auf dem Datenträger des Archivs &apos;%1&apos; ist kein Platz mehr.</source>
        <translation>The disk of the archive &apos;%1&apos; is full.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; wird von einem anderen Programm benutzt.</source>
        <translation>The archive &apos;%1&apos; is in use by another program.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; ist beschädigt.</source>
        <translation>The archive &apos;%1&apos; is damaged.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Archiv &apos;%1&apos; kann nicht geöffnet werden.</source>
        <translation>The archive &apos;%1&apos; cannot be opened.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Archiv &apos;%1&apos; stammt von einer neueren Programmversion und bleibt unverändert.</source>
        <translation>The archive &apos;%1&apos; was written by a newer version of the program and is left unchanged.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>No archive is open.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Statusdatei nennt ein unbekanntes Archiv: %1. Es wird kein Archiv benutzt.</source>
        <translation>The status file names an unknown archive: %1. No archive is used.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Archiv &apos;%1&apos; meldet einen Fehler: %2</source>
        <translation>The archive &apos;%1&apos; reports an error: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Archivserver %1 antwortet.</source>
        <translation>The archive server %1 answers.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Archivserver %1 ist nicht erreichbar.</source>
        <translation>The archive server %1 cannot be reached.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Archivserver %1 hat die Anmeldung abgelehnt (das Passwort gehört in die Datei ~/.pgpass).</source>
        <translation>The archive server %1 refused the login (the password belongs in the file ~/.pgpass).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der Archivserver %1 ist nicht in Gebrauch (%2).</source>
        <translation>The archive server %1 is not in use (%2).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Übertragene Messungen bleiben in der Archivdatei, bis er wieder antwortet.</source>
        <translation>Transferred measurements stay in the archive file until it answers again.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Archivserver %1 hat Messungen nicht angenommen (%2). Sie bleiben in der Archivdatei.</source>
        <translation>The archive server %1 did not accept measurements (%2). They stay in the archive file.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Die Archivdatei &apos;%1&apos; war beschädigt. Sie wurde unverändert nach &apos;%2&apos; verschoben; ein neues Archiv wurde angelegt.</source>
        <translation>The archive file &apos;%1&apos; was damaged. It was moved unchanged to &apos;%2&apos;; a new archive was created.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Daraus wieder gelesen und behalten: %n Messungen.</source>
        <translation>
            <numerusform>Read back and kept: %n measurement.</numerusform>
            <numerusform>Read back and kept: %n measurements.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dazu Kalibrierungen, Typ-1-Studien und Prüfpläne: %1.</source>
        <translation>Also calibration records, type-1 studies and test plans: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welche Messungen auf den Archivserver warteten, ließ sich nicht lesen; was fehlt, ist nur noch in &apos;%1&apos;.</source>
        <translation>Which measurements waited for the archive server could not be read; whatever is missing is only in &apos;%1&apos; now.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Von %n Messungen, die auf den Archivserver warteten, warten %1 wieder; die übrigen sind nur noch in &apos;%2&apos;.</source>
        <translation>
            <numerusform>Of %n measurement that waited for the archive server, %1 waits again; the others are only in &apos;%2&apos; now.</numerusform>
            <numerusform>Of %n measurements that waited for the archive server, %1 wait again; the others are only in &apos;%2&apos; now.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Messungen, die auf den Archivserver warten: %1</source>
        <translation>Measurements waiting for the archive server: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zum Archivserver übertragene Messungen: %1</source>
        <translation>Measurements uploaded to the archive server: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messungen in der Archivdatei, die nicht auf dem Archivserver sind: %1. Jetzt zum Archivserver hochladen?</source>
        <translation>Measurements in the archive file that are not on the archive server: %1. Upload them to the archive server now?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Messungen aus der Archivdatei zum Hochladen vorgemerkt: %1</source>
        <translation>Measurements from the archive file queued for upload: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Archiv unverändert: %1 verkettete Messungen geprüft, %2 aus der Zeit vor der Verkettung.</source>
        <translation>Archive unchanged: %1 chained measurements checked, %2 from before the chaining.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Archiv verändert: Die letzten Messungen der Station &apos;%1&apos; fehlen; ihre Kette endete bei Messung %2.</source>
        <translation>Archive changed: the last measurements of station &apos;%1&apos; are missing; its chain ended at measurement %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv verändert: Alle Messungen der Station &apos;%1&apos; fehlen; ihre Kette endete bei Messung %2.</source>
        <translation>Archive changed: all measurements of station &apos;%1&apos; are missing; its chain ended at measurement %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv verändert: Das Ende der Kette der Station &apos;%1&apos; passt nicht zu ihrer letzten Messung %2.</source>
        <translation>Archive changed: the end of the chain of station &apos;%1&apos; does not match its last measurement %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ihre Werte</source>
        <translation>its values</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ihre Messwerte</source>
        <translation>its samples</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ihre Verkettung fehlt</source>
        <translation>its link is missing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archiv verändert: Messung %1 der Station &apos;%2&apos; passt nicht zur Kette (%3), oder die Messung davor fehlt.</source>
        <translation>Archive changed: measurement %1 of station &apos;%2&apos; does not fit the chain (%3), or the measurement before it is missing.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die übertragenen Messungen wurden nicht archiviert; sie bleiben in der Liste.</source>
        <translation>The transferred measurements were not archived; they stay in the list.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Es wurde nichts gelöscht.</source>
        <translation>Nothing was deleted.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Das Gerät hat seine Seriennummer nicht genannt. Es wurde nichts gelöscht.</source>
        <translation>The gauge did not tell its serial number. Nothing was erased.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das angeschlossene Gerät (Seriennummer %1) ist nicht das Gerät der angezeigten Liste (Seriennummer %2). Es wurde nichts gelöscht.</source>
        <translation>The connected gauge (serial number %1) is not the gauge of the list shown (serial number %2). Nothing was erased.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Diese Speicherplätze wurden nicht gelöscht: %1</source>
        <translation>
            <numerusform>This slot was not erased: %1</numerusform>
            <numerusform>These slots were not erased: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Diese Messungen auf dem Gerät wurden noch nicht übertragen und sind nicht im Archiv: %1
Sie werden nicht gelöscht.</source>
        <translation>
            <numerusform>This measurement on the gauge has not been transferred yet and is not in the archive: %1
It is not deleted.</numerusform>
            <numerusform>These measurements on the gauge have not been transferred yet and are not in the archive: %1
They are not deleted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</source>
        <translation>
            <numerusform>This measurement was not transferred completely and cannot be archived: %1
Please transfer the data again. Nothing was deleted.</numerusform>
            <numerusform>These measurements were not transferred completely and cannot be archived: %1
Please transfer the data again. Nothing was deleted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen sind nur unvollständig archiviert: %1
Das Gerät hat weniger Messwerte gesendet, als es angibt.</source>
        <translation>
            <numerusform>This measurement is archived only incomplete: %1
The gauge sent fewer samples than it reports.</numerusform>
            <numerusform>These measurements are archived only incomplete: %1
The gauge sent fewer samples than it reports.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>#%1 (%2 von %3 Messwerten)</source>
        <translation>
            <numerusform>#%1 (%2 of %3 sample)</numerusform>
            <numerusform>#%1 (%2 of %3 samples)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GroupEvaluation</name>
    <message>
        <location filename="../../workflow/planevaluationjob.cpp" line="+136"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Urteil</source>
        <translation>Verdict</translation>
    </message>
</context>
<context>
    <name>GroupEvaluationCommand</name>
    <message>
        <location filename="../../ui/groupevaluationcommand.cpp" line="+47"/>
        <source>Messungen werden mit dem Prüfplan %1 bewertet...</source>
        <translation>Judging measurements by test plan %1...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Prüfplan-Datei öffnen...</source>
        <translation>Open test plan file...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mit Prüfplan bewerten</source>
        <translation>Judge by Test Plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kein Prüfplan ist gewählt. Prüfplan:</source>
        <translation>No test plan is chosen. Test plan:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Prüfplan öffnen</source>
        <translation>Open Test Plan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Prüfpläne (*.json)</source>
        <translation>Test plans (*.json)</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <location filename="../../ui/infodialog.ui" line="+31"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Tensimo® Parl
Tool</source>
        <translation>Tensimo® Parl
Tool</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Programm-Version: </source>
        <translation>Program version: </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>0.0  build 20000101</source>
        <translation>0.0  build 20000101</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../../ui/mainform.ui" line="+20"/>
        <source>Tensimo Parl - Tool</source>
        <translation>Tensimo Parl - Tool</translation>
    </message>
    <message>
        <location line="+32"/>
        <source> Daten übertragen </source>
        <translation> Transfer data </translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Zeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Startkraft:</source>
        <translation>Start force:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Maximalkraft:</source>
        <translation>Maximum force:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Endkraft:</source>
        <translation>End force:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Mittelwert der Kraft:</source>
        <translation>Mean force:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Kraftverlauf</source>
        <translation>Force curve</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>Seriennummer Gerät:</source>
        <translation>Device serial number:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Software-Version:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daten &amp;übertragen</source>
        <translation>&amp;Transfer Data</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Als PDF &amp;speichern...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;eite einrichten...</source>
        <translation>Page Set&amp;up...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Druck&amp;vorschau</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gewählte Messung &amp;löschen</source>
        <translation>&amp;Delete Selected Measurement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Alle Messungen löschen</source>
        <translation>Delete &amp;All Measurements</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shift+Del</source>
        <translation>Shift+Del</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gewählte Messung e&amp;xportieren...</source>
        <translation>E&amp;xport Selected Measurement...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alle Messungen ex&amp;portieren...</source>
        <translation>Ex&amp;port All Measurements...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Shift+E</source>
        <translation>Ctrl+Shift+E</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Einstellungen...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mit Prüfplan bewerten…</source>
        <translation>Judge by Test Plan…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Messungen der gewählten Archivzeile mit einem Prüfplan bewerten</source>
        <translation>Judge the measurements of the chosen archive row by a test plan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CSV-Dateien ins &amp;Archiv importieren...</source>
        <translation>Import CSV files into the &amp;archive...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Prüfplan neben der Kurve</source>
        <translation>&amp;Test plan beside the curve</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Archiv nach &amp;Stationen ordnen</source>
        <translation>Order the archive by &amp;stations</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mit dem Archiv&amp;server abgleichen</source>
        <translation>Synchronise with the archive &amp;server</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Info...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="-422"/>
        <source>Messung-Nr:</source>
        <translation>Measurement no.:</translation>
    </message>
    <message>
        <location line="+578"/>
        <source>Als Excel-&amp;Datei exportieren...</source>
        <translation>Export as Excel &amp;File...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exportiert die gewählten Messungen, bei gewähltem Gerät alle, mit ihrer Statistik</source>
        <translation>Exports the selected measurements, all of them when the device is selected, with their statistics</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Als D&amp;FQ-Datei exportieren...</source>
        <translation>Export as D&amp;FQ File...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exportiert die gewählten Messungen oder die Archivgruppe im Q-DAS-Format</source>
        <translation>Exports the selected measurements or the archive group in the Q-DAS format</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Gesamtansicht</source>
        <translation>&amp;Whole Diagram</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeigt wieder das ganze Diagramm (Ziehen: vergrößern, rechte Maustaste: zurück, mittlere Maustaste: verschieben, Mausrad: zoomen)</source>
        <translation>Shows the whole diagram again (drag: zoom in, right button: back, middle button: pan, wheel: zoom)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Als &amp;Referenz festhalten</source>
        <translation>Keep as &amp;Reference</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die aktuelle Messung bleibt als Referenz im Diagramm, während andere gewählt werden</source>
        <translation>The current measurement stays in the diagram as the reference while others are selected</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Nicht ausrichten</source>
        <translation>Do &amp;Not Align</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Am &amp;Start ausrichten</source>
        <translation>Align at &amp;Start</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Legt die Kurven so übereinander, dass ihr Kraftanstieg (5 % der Maximalkraft) bei 0 s liegt</source>
        <translation>Lays the curves over each other so that their force rise (5 % of the maximum force) lies at 0 s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Am &amp;Maximum ausrichten</source>
        <translation>Align at &amp;Maximum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Legt die Kurven so übereinander, dass ihr Maximum bei 0 s liegt</source>
        <translation>Lays the curves over each other so that their maximum lies at 0 s</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/devicejob.cpp" line="+66"/>
        <source>Verbindung zum Gerät wird hergestellt...</source>
        <translation>Connecting to the device...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+24"/>
        <source>Verbindung zum Gerät konnte nicht hergestellt werden!</source>
        <translation>Could not connect to the device!</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Daten werden übertragen...</source>
        <translation>Transferring data...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_delete.cpp" line="+49"/>
        <source>Messung löschen</source>
        <translation>Delete measurement</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?</source>
        <translation>Do you really want to delete the selected measurement on the device?</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>Möchten Sie die %n gewählten Messungen auf dem Gerät wirklich löschen?</source>
        <translation>
            <numerusform>Do you really want to delete the %n selected measurement on the device?</numerusform>
            <numerusform>Do you really want to delete the %n selected measurements on the device?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Alle Messungen löschen</source>
        <translation>Delete all measurements</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?</source>
        <translation>Do you really want to delete ALL measurements on the device?</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+17"/>
        <source>Daten werden gelöscht...</source>
        <translation>Deleting data...</translation>
    </message>
    <message>
        <location filename="../../ui/devicejob.cpp" line="+33"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../plot/forceplot.cpp" line="+31"/>
        <source>Zeit ab Trigger</source>
        <translation>Time from trigger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Plot 1</source>
        <translation>Plot 1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Kraft/Zeit-Diagramm</source>
        <translation>Force/time diagram</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+54"/>
        <source>Kraft</source>
        <translation>Force</translation>
    </message>
    <message>
        <location filename="../../report/report.cpp" line="-14"/>
        <location filename="../../report/studyreport.cpp" line="+43"/>
        <source>Seriennummer Gerät:</source>
        <translation>Device serial number:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Messung-Nr:</source>
        <translation>Measurement no.:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bezeichnung:</source>
        <translation>Designation:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Startkraft:</source>
        <translation>Start force:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximalkraft:</source>
        <translation>Maximum force:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Endkraft:</source>
        <translation>End force:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mittelwert der Kraft:</source>
        <translation>Mean force:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Die PDF-Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>The PDF file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <location filename="../../ui/reportcommands.cpp" line="+20"/>
        <source>Bezeichnung</source>
        <translation>Designation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte geben Sie eine Bezeichnung für den Ausdruck ein: </source>
        <translation>Please enter a designation for the printout: </translation>
    </message>
    <message>
        <location filename="../../ui/exportwriter.cpp" line="+48"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>CSV file (*.CSV)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Daten exportieren</source>
        <translation>Export data</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Daten werden exportiert...</source>
        <translation>Exporting data...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Daten exportiert: %1</source>
        <translation>Data exported: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Daten wurden nicht exportiert.</source>
        <translation>Data not exported.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>The file &apos;%1&apos; could not be written!</translation>
    </message>
    <message>
        <location filename="../../ui/gaugestudypage.cpp" line="+20"/>
        <location filename="../../ui/reportcommands.cpp" line="+15"/>
        <source>PDF-Datei</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <location filename="../../ui/reportcommands.cpp" line="+2"/>
        <source>PDF-Datei speichern</source>
        <translation>Save PDF file</translation>
    </message>
    <message>
        <location filename="../../ui/analysispanel.cpp" line="+138"/>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Auswahl: %1 Messungen von %2</source>
        <translation>Selection: %1 measurements of %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archiv: %1 Messungen von %2</source>
        <translation>Archive: %1 measurements of %2</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Q-DAS-Datei</source>
        <translation>Q-DAS file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Als DFQ-Datei exportieren</source>
        <translation>Export as DFQ File</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Excel-Arbeitsmappe</source>
        <translation>Excel workbook</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Als Excel-Datei exportieren</source>
        <translation>Export as Excel file</translation>
    </message>
    <message>
        <location filename="../../ui/exportwriter.cpp" line="-39"/>
        <source>Keine Messungen zum Exportieren vorhanden.</source>
        <translation>There are no measurements to export.</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_calibration.cpp" line="+23"/>
        <source>Kalibrierung…</source>
        <translation>Calibration…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Typ-1-Studie…</source>
        <translation>Type-1 study…</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Erst ein Gerät verbinden oder eine archivierte Messung wählen.</source>
        <translation>Connect a gauge or choose an archived measurement first.</translation>
    </message>
</context>
<context>
    <name>MainformArchive</name>
    <message>
        <location filename="../../ui/archivebrowser.cpp" line="+383"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>CSV file (*.CSV)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CSV-Dateien ins Archiv importieren</source>
        <translation>Import CSV files into the archive</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>%1: kann nicht gelesen werden.</source>
        <translation>%1: cannot be read.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: keine Exportdatei dieses Programms.</source>
        <translation>%1: not an export file of this program.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: unbekannte Krafteinheit.</source>
        <translation>%1: unknown force unit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: enthält keine vollständige Messung.</source>
        <translation>%1: holds no complete measurement.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n Messung(en)</source>
        <translation>
            <numerusform>%n measurement</numerusform>
            <numerusform>%n measurements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n neu archiviert</source>
        <translation>
            <numerusform>%n newly archived</numerusform>
            <numerusform>%n newly archived</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n war(en) schon im Archiv</source>
        <translation>
            <numerusform>%n was already in the archive</numerusform>
            <numerusform>%n were already in the archive</numerusform>
        </translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Import ins Archiv</source>
        <translation>Import into the archive</translation>
    </message>
    <message>
        <location line="-296"/>
        <source>%1: Messung %2 nicht archiviert: %3.</source>
        <translation>%1: measurement %2 not archived: %3.</translation>
    </message>
    <message>
        <location filename="../../ui/erasequestions.cpp" line="+39"/>
        <source>Nicht archiviert</source>
        <translation>Not archived</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</source>
        <translation>
            <numerusform>This measurement is not in the archive: %1
Once deleted on the device it exists nowhere.</numerusform>
            <numerusform>These measurements are not in the archive: %1
Once deleted on the device they exist nowhere.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zuerst archivieren</source>
        <translation>Archive first</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ohne Archiv löschen</source>
        <translation>Delete without archiving</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Nicht übertragen</source>
        <translation>Not transferred</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zuerst übertragen</source>
        <translation>Transfer first</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Unvollständig archiviert</source>
        <translation>Archived incomplete</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Erneut übertragen: Vielleicht sendet das Gerät sie diesmal vollständig; die neuen Kopien werden neben den unvollständigen archiviert. Nach dem Löschen bleiben nur die unvollständigen Kopien.</source>
        <translation>
            <numerusform>Transfer again: the gauge may send it whole this time; the new copy is archived beside the incomplete one. Once deleted, only the incomplete copy remains.</numerusform>
            <numerusform>Transfer again: the gauge may send them whole this time; the new copies are archived beside the incomplete ones. Once deleted, only the incomplete copies remain.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Erneut übertragen</source>
        <translation>Transfer again</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trotzdem löschen</source>
        <translation>Delete anyway</translation>
    </message>
</context>
<context>
    <name>OverlayPlot</name>
    <message numerus="yes">
        <location filename="../../plot/overlayplot.cpp" line="+39"/>
        <source>… und %n weitere Kurve(n)</source>
        <translation>
            <numerusform>… and %n more curve</numerusform>
            <numerusform>… and %n more curves</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanEditor</name>
    <message>
        <location filename="../../ui/planeditor.ui" line="+6"/>
        <source>Prüfplan</source>
        <translation>Test plan</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+117"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>Teilenummer:</source>
        <translation>Part number:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Triggerkraft / N:</source>
        <translation>Trigger force / N:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Urteil</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Art:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Untere Grenze:</source>
        <translation>Lower limit:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Obere Grenze:</source>
        <translation>Upper limit:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Von / s:</source>
        <translation>From / s:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bis / s:</source>
        <translation>To / s:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Kraft / N:</source>
        <translation>Force / N:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Abfall:</source>
        <translation>Fall:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>in %</source>
        <translation>in %</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Abfall um / %:</source>
        <translation>Fall by / %:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Innerhalb / s:</source>
        <translation>Within / s:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ab Kraft / N:</source>
        <translation>Above force / N:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Von Kraft / N:</source>
        <translation>From force / N:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Bis Kraft / N:</source>
        <translation>To force / N:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Zeit von/bis / s:</source>
        <translation>Time from/to / s:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Kraft von/bis / N:</source>
        <translation>Force from/to / N:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Eintritt:</source>
        <translation>Entry:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Austritt:</source>
        <translation>Exit:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bandbreite k / %:</source>
        <translation>Band width k / %:</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Aus gewählten Messungen lernen</source>
        <translation>Learn from selected measurements</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als Datei…</source>
        <translation>As file…</translation>
    </message>
    <message>
        <location filename="../../ui/planeditor.cpp" line="+33"/>
        <source>Maximalkraft</source>
        <translation>Maximum force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelkraft</source>
        <translation>Mean force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kraft bei Zeit</source>
        <translation>Force at time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelkraft im Zeitfenster</source>
        <translation>Mean force in time window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimum im Zeitfenster</source>
        <translation>Minimum in time window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum im Zeitfenster</source>
        <translation>Maximum in time window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erster Peak</source>
        <translation>First peak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bruchkraft</source>
        <translation>Break force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bruchzeit</source>
        <translation>Break time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit bis Kraft</source>
        <translation>Time to force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit über Kraft</source>
        <translation>Time above force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arbeit</source>
        <translation>Work</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hüllkurve</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unten</source>
        <translation>bottom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>oben</source>
        <translation>top</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Neuer Prüfplan</source>
        <translation>New test plan</translation>
    </message>
    <message>
        <location line="+206"/>
        <source>nicht gespeichert</source>
        <translation>not saved</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>geändert</source>
        <translation>changed</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Merkmal %1</source>
        <translation>Characteristic %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Aus den gewählten Messungen lässt sich keine Hüllkurve bilden: Wählen Sie Messungen, die die Triggerkraft erreichen.</source>
        <translation>No envelope can be learned from the selected measurements: select measurements that reach the trigger force.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Der Prüfplan braucht einen Namen.</source>
        <translation>The test plan needs a name.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Prüfplan öffnen</source>
        <translation>Open test plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+22"/>
        <source>Prüfplan (*.json)</source>
        <translation>Test plan (*.json)</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Die Datei &apos;%1&apos; ist kein Prüfplan: %2</source>
        <translation>The file &apos;%1&apos; is no test plan: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Prüfplan speichern</source>
        <translation>Save test plan</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden: %2</source>
        <translation>The file &apos;%1&apos; could not be written: %2</translation>
    </message>
</context>
<context>
    <name>PlanEvaluationDialog</name>
    <message>
        <location filename="../../ui/planevaluationdialog.ui" line="+14"/>
        <source>Bewertung mit Prüfplan</source>
        <translation>Judged by Test Plan</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Merkmal</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bewertet</source>
        <translation>judged</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>i.O.</source>
        <translation>in tol.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>n.i.O.</source>
        <translation>out of tol.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>n.i.O. bewertete Messungen:</source>
        <translation>Measurements judged out of tolerance:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merkmale n.i.O.</source>
        <translation>Characteristics out of tol.</translation>
    </message>
    <message>
        <location filename="../../ui/planevaluationdialog.cpp" line="+29"/>
        <source>Prüfplan %1, Version %2</source>
        <translation>Test plan %1, version %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Als CSV speichern...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n Messung(en) bewertet</source>
        <translation>
            <numerusform>%n measurement judged</numerusform>
            <numerusform>%n measurements judged</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 i.O., %2 n.i.O.</source>
        <translation>%1 in tol., %2 out of tol.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(abgebrochen nach %1 von %2)</source>
        <translation>(cancelled after %1 of %2)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Bewertung speichern</source>
        <translation>Save Judgement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>The file &apos;%1&apos; could not be written!</translation>
    </message>
</context>
<context>
    <name>PlanOverlay</name>
    <message>
        <location filename="../../plot/planoverlay.cpp" line="+60"/>
        <source>ein</source>
        <translation>in</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aus</source>
        <translation>out</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../measurement/csvexportlayout.cpp" line="+20"/>
        <source>Kraft</source>
        <translation>Force</translation>
    </message>
    <message>
        <location filename="../../measurement/dblist.cpp" line="+102"/>
        <source>Seriennummer Gerät:</source>
        <translation>Device serial number:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Messung-Nr:</source>
        <translation>Measurement no.:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <location filename="../../measurement/csvexportlayout.cpp" line="-5"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../../device/quorixtspx.cpp" line="+83"/>
        <source>Gerät nicht initialisiert!</source>
        <translation>Device not initialized!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehler beim Öffnen der Schnittstelle!</source>
        <translation>Error opening the serial port!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler beim Initialisieren!</source>
        <translation>Initialization error!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fehler!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>RunRules</name>
    <message>
        <location filename="../../measurement/runrules.cpp" line="+142"/>
        <source>Punkt außerhalb der Eingriffsgrenzen</source>
        <translation>Point beyond the control limits</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2 von 3 Punkten jenseits 2 Sigma auf einer Seite</source>
        <translation>2 of 3 points beyond 2 sigma on one side</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>4 von 5 Punkten jenseits 1 Sigma auf einer Seite</source>
        <translation>4 of 5 points beyond 1 sigma on one side</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>8 Punkte in Folge auf einer Seite der Mittellinie</source>
        <translation>8 points in a row on one side of the centre line</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>9 Punkte in Folge auf einer Seite der Mittellinie</source>
        <translation>9 points in a row on one side of the centre line</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 Punkte in Folge stetig steigend oder fallend</source>
        <translation>6 points in a row steadily rising or falling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>14 Punkte in Folge abwechselnd auf und ab</source>
        <translation>14 points in a row alternating up and down</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>15 Punkte in Folge innerhalb 1 Sigma</source>
        <translation>15 points in a row within 1 sigma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>8 Punkte in Folge jenseits 1 Sigma, beide Seiten</source>
        <translation>8 points in a row beyond 1 sigma, either side</translation>
    </message>
</context>
<context>
    <name>SeriesChart</name>
    <message>
        <location filename="../../measurement/serieschart.cpp" line="+63"/>
        <source>Streuung</source>
        <translation>dispersion</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Regelkarte</source>
        <translation>Control chart</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Einzelwerte</source>
        <translation>Individual values</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelwerte der Untergruppen</source>
        <translation>Subgroup means</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Standardabweichungen der Untergruppen</source>
        <translation>Subgroup standard deviations</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spannweiten der Untergruppen</source>
        <translation>Subgroup ranges</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gleitende Spannweiten</source>
        <translation>Moving ranges</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Mittellinie</source>
        <translation>Centre line</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Untere Eingriffsgrenze</source>
        <translation>Lower control limit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Obere Eingriffsgrenze</source>
        <translation>Upper control limit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>M</source>
        <extracomment>the centre line of a control chart (CL)</extracomment>
        <translation>CL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UEG</source>
        <extracomment>lower control limit (LCL)</extracomment>
        <translation>LCL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OEG</source>
        <extracomment>upper control limit (UCL)</extracomment>
        <translation>UCL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UGW</source>
        <extracomment>lower tolerance limit (LSL)</extracomment>
        <translation>LSL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OGW</source>
        <extracomment>upper tolerance limit (USL)</extracomment>
        <translation>USL</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regel</source>
        <translation>Rule</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messungen</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Grenzen aus dem Referenzzeitraum</source>
        <translation>limits from the reference period</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zu wenige Messungen für eine Regelkarte (mindestens zwei Punkte).</source>
        <translation>Too few measurements for a control chart (at least two points).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keine Regel verletzt.</source>
        <translation>No rule broken.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ein Gut/Schlecht-Merkmal hat keine Regelkarte, nur die Zahl der n.i.O.</source>
        <translation>A pass/fail characteristic has no control chart, only the count of not OK.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messung(en) nach der letzten ganzen Untergruppe nicht in der Karte.</source>
        <translation>
            <numerusform>%n measurement after the last whole subgroup is not in the chart.</numerusform>
            <numerusform>%n measurements after the last whole subgroup are not in the chart.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeriesStatistics</name>
    <message>
        <location filename="../../measurement/seriesstatistics.cpp" line="+267"/>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Maximalkraft</source>
        <translation>Maximum force</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mittelwert der Kraft</source>
        <translation>Mean force</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Mittelwert</source>
        <translation>Mean</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standardabweichung</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>VK</source>
        <translation>CV</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannweite</source>
        <translation>Range</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>nicht fähig</source>
        <translation>not capable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>fähig</source>
        <translation>capable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gut fähig</source>
        <translation>well capable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cpk %1: %2 (fähig ab %3, gut ab %4)</source>
        <translation>Cpk %1: %2 (capable from %3, well from %4)</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 von %n n.i.O.</source>
        <translation>
            <numerusform>%1 of %n not OK.</numerusform>
            <numerusform>%1 of %n not OK.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+32"/>
        <source>i.O.</source>
        <translation>in tol.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>n.i.O.: %1</source>
        <translation>not OK: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>IO</source>
        <translation>Pass</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NIO</source>
        <translation>Fail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Zahl</source>
        <translation>no number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Untere Grenze:</source>
        <translation>Lower limit:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Obere Grenze:</source>
        <translation>Upper limit:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hinweis: weniger als 30 Messungen, Pp, Ppk, Cp und Cpk sind nur ein Anhalt.</source>
        <translation>Note: fewer than 30 measurements, Pp, Ppk, Cp and Cpk are only a rough guide.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messungen ausgelassen: ein Wert ist keine Zahl.</source>
        <translation>
            <numerusform>%n measurement left out: a value is no number.</numerusform>
            <numerusform>%n measurements left out: a value is no number.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messungen ohne Wert für %1: nicht auf der Kurve gefunden.</source>
        <translation>
            <numerusform>%n measurement without a value for %1: not found on the curve.</numerusform>
            <numerusform>%n measurements without a value for %1: not found on the curve.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Die Grenzwerte für %1 werden nicht verwendet: die untere (%2) liegt nicht unter der oberen (%3).</source>
        <translation>The limits for %1 are not used: the lower one (%2) is not below the upper one (%3).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Pp und Ppk aus der Gesamtstreuung s, Cp und Cpk aus der Streuung innerhalb σ = %1.</source>
        <translation>Pp and Ppk from the overall spread s, Cp and Cpk from the within spread σ = %1.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Keine Grenzwerte für %1 eingestellt.</source>
        <translation>No limits set for %1.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="+20"/>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>* Die Sprache wird erst nach einem Neustart geladen</source>
        <translation>* The language takes effect after a restart</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drucken</source>
        <translation>Printing</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+174"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="-19"/>
        <location filename="../../ui/settingsdialog.cpp" line="+243"/>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <location line="-208"/>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>&amp;Logo:</source>
        <translation>L&amp;ogo:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Kopfzeile:</source>
        <translation>&amp;Header:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;Untere Grenze</source>
        <translation>Lo&amp;wer limit</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Obere Grenze</source>
        <translation>&amp;Upper limit</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Fähigkeit</source>
        <translation>Capability</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fähig ab Cpk:</source>
        <translation>Capable from Cpk:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Gut fähig ab Cpk:</source>
        <translation>Well capable from Cpk:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Archiv&amp;datei:</source>
        <translation>Archive &amp;file:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Sc&amp;hnelle Übertragung: archivierte Messungen nicht erneut übertragen</source>
        <translation>&amp;Quick transfer: do not transfer archived measurements again</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gemeinsames Archiv auf einem PostgreSQL-Server (die Archivdatei hält, was auf ihn wartet)</source>
        <translation>Shared archive on a PostgreSQL server (the archive file keeps what waits for it)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ser&amp;ver:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rechnername, IP-Adresse oder Socket-Ordner</source>
        <translation>host name, IP address or socket folder</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>P&amp;ort:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Daten&amp;bank:</source>
        <translation>Data&amp;base:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ben&amp;utzer:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verschlüsselung (ss&amp;lmode):</source>
        <translation>Encryption (ss&amp;lmode):</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>S&amp;tation:</source>
        <translation>St&amp;ation:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Das Passwort steht nicht in den Einstellungen: es gehört in die Datei ~/.pgpass (Rechte 0600).</source>
        <translation>The password is not kept in the settings: it belongs in the file ~/.pgpass (permissions 0600).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Verbindung testen</source>
        <translation>&amp;Test Connection</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp" line="-185"/>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Französisch</source>
        <translation>French</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italienisch</source>
        <translation>Italian</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Verbindung wird geprüft...</source>
        <translation>Checking the connection...</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Grenzen in %1: die untere (%2) liegt nicht unter der oberen (%3).</source>
        <translation>Limits in %1: the lower one (%2) is not below the upper one (%3).</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Alle Bilder</source>
        <translation>All images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bild</source>
        <translation>Image</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archivdatei</source>
        <translation>Archive file</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="-302"/>
        <source>Grenzwerte der Maximalkraft</source>
        <translation>Limits of the maximum force</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Leere Felder: keine Grenze. Die Statistik bewertet jede Messung damit.</source>
        <translation>Empty fields: no limit. The statistics judge each measurement by them.</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <location filename="../../ui/statisticsview.ui" line="+35"/>
        <source>Statistik der gewählten Messungen</source>
        <translation>Statistics of the selected measurements</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Maximalkraft jeder Messung gegen die Grenzwerte</source>
        <translation>Maximum force of each measurement against the limits</translation>
    </message>
</context>
<context>
    <name>TestPlan</name>
    <message>
        <location filename="../../measurement/testplan.cpp" line="+168"/>
        <source>Merkmal %1 (%2): %3</source>
        <translation>Characteristic %1 (%2): %3</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Name oder Art fehlt</source>
        <translation>name or kind missing</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ein Wert fehlt</source>
        <translation>a value is missing</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>die untere Grenze liegt nicht unter der oberen</source>
        <translation>the lower limit is not below the upper one</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Fenster oder Hüllkurve unvollständig</source>
        <translation>window or envelope incomplete</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>i.O.</source>
        <translation>in tol.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n.i.O.</source>
        <translation>out of tol.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>kein Bruch</source>
        <translation>no break</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Die Datei ist kein Prüfplan.</source>
        <translation>The file is no test plan.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Der Prüfplan hat keinen Namen oder keine Merkmale.</source>
        <translation>The test plan has no name or no characteristics.</translation>
    </message>
</context>
</TS>
