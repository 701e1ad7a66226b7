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
    <name>ArchiveTree</name>
    <message>
        <location filename="../../ui/archivetree.cpp" line="+27"/>
        <source>ohne Seriennummer</source>
        <translation>no serial number</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ohne Datum</source>
        <translation>no date</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Archiv</source>
        <translation>Archive</translation>
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
        <location line="+106"/>
        <source>Messungen-Nr:</source>
        <translation>Measurement no.:</translation>
    </message>
    <message>
        <location line="+27"/>
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
        <location line="+131"/>
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
        <location line="+11"/>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location filename="../../ui/mainform.ui"/>
        <source>CSV-Dateien ins &amp;Archiv importieren...</source>
        <translation>Import CSV files into the &amp;archive...</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+34"/>
        <source>Verbindung zum Gerät wird hergestellt...</source>
        <translation>Connecting to the device...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verbindung zum Gerät konnte nicht hergestellt werden!</source>
        <translation>Could not connect to the device!</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Daten werden übertragen...</source>
        <translation>Transferring data...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_delete.cpp" line="+29"/>
        <source>Messung löschen</source>
        <translation>Delete measurement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?</source>
        <translation>Do you really want to delete the selected measurement on the device?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alle Messungen löschen</source>
        <translation>Delete all measurements</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?</source>
        <translation>Do you really want to delete ALL measurements on the device?</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+16"/>
        <source>Daten werden gelöscht...</source>
        <translation>Deleting data...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../ui/mainform_transfer.cpp" line="+1"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+19"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Error while transferring the data!</translation>
    </message>
    <message>
        <location filename="../../ui/forceplot.cpp" line="+29"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Plot 1</source>
        <translation>Plot 1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Kraft/Zeit-Diagramm</source>
        <translation>Force/time diagram</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+29"/>
        <source>Kraft</source>
        <translation>Force</translation>
    </message>
    <message>
        <location filename="../../ui/report.cpp" line="+137"/>
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
        <location line="+2"/>
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
        <location line="+38"/>
        <source>Die PDF-Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>The PDF file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Bezeichnung</source>
        <translation>Designation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte geben Sie eine Bezeichnung für den Ausdruck ein: </source>
        <translation>Please enter a designation for the printout: </translation>
    </message>
    <message>
        <location filename="../../ui/mainform_export.cpp" line="+39"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>CSV file (*.CSV)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daten exportieren</source>
        <translation>Export data</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Daten werden exportiert...</source>
        <translation>Exporting data...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Daten exportiert.</source>
        <translation>Data exported.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Daten wurden nicht exportiert.</source>
        <translation>Data not exported.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>The file &apos;%1&apos; could not be written!</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_report.cpp" line="+17"/>
        <source>PDF-Datei</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF-Datei speichern</source>
        <translation>Save PDF file</translation>
    </message>
</context>
<context>
    <name>MainformArchive</name>
    <message>
        <location filename="../../ui/mainform_archive.cpp" line="+103"/>
        <source>Die Archivdatei &apos;%1&apos; war beschädigt. Sie wurde unverändert nach &apos;%2&apos; verschoben; ein neues Archiv wurde angelegt.</source>
        <translation>The archive file &apos;%1&apos; was damaged. It was moved unchanged to &apos;%2&apos;; a new archive was created.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Das Archiv &apos;%1&apos; ist schreibgeschützt.</source>
        <translation>The archive &apos;%1&apos; is read-only.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auf dem Datenträger des Archivs &apos;%1&apos; ist kein Platz mehr.</source>
        <translation>The disk of the archive &apos;%1&apos; is full.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; wird von einem anderen Programm benutzt.</source>
        <translation>The archive &apos;%1&apos; is in use by another program.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; ist beschädigt.</source>
        <translation>The archive &apos;%1&apos; is damaged.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; kann nicht geöffnet werden.</source>
        <translation>The archive &apos;%1&apos; cannot be opened.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; stammt von einer neueren Programmversion und bleibt unverändert.</source>
        <translation>The archive &apos;%1&apos; was written by a newer version of the program and is left unchanged.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>No archive is open.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; meldet einen Fehler: %2</source>
        <translation>The archive &apos;%1&apos; reports an error: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Die übertragenen Messungen wurden nicht archiviert; sie bleiben in der Liste.</source>
        <translation>The transferred measurements were not archived; they stay in the list.</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Nicht archiviert</source>
        <translation>Not archived</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</source>
        <translation>These measurements are not in the archive: %1
Once deleted on the device they exist nowhere.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zuerst archivieren</source>
        <translation>Archive first</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ohne Archiv löschen</source>
        <translation>Delete without archiving</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Es wurde nichts gelöscht.</source>
        <translation>Nothing was deleted.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</source>
        <translation>These measurements were not transferred completely and cannot be archived: %1
Please transfer the data again. Nothing was deleted.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>CSV file (*.CSV)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV-Dateien ins Archiv importieren</source>
        <translation>Import CSV files into the archive</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: kann nicht gelesen werden.</source>
        <translation>%1: cannot be read.</translation>
    </message>
    <message>
        <location line="+4"/>
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
    <message>
        <location line="+6"/>
        <source>%1: %2 Messungen, %3 neu archiviert, %4 waren schon im Archiv.</source>
        <translation>%1: %2 measurements, %3 newly archived, %4 were already in the archive.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import ins Archiv</source>
        <translation>Import into the archive</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../measurement/dblist.cpp" line="+61"/>
        <source>Kraft</source>
        <translation>Force</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Seriennummer Gerät:</source>
        <translation>Device serial number:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Messung-Nr:</source>
        <translation>Measurement no.:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../../device/quorixtspx.cpp" line="+39"/>
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
    <name>SettingsDialog</name>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="+20"/>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>* Die Sprache wird erst nach einem Neustart geladen</source>
        <translation>* The language takes effect after a restart</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drucken</source>
        <translation>Printing</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Kopfzeile:</source>
        <translation>Header:</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp" line="+29"/>
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
        <location line="+38"/>
        <source>Alle Bilder</source>
        <translation>All images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bild</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui"/>
        <location filename="../../ui/settingsdialog.ui"/>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui"/>
        <source>Archivdatei:</source>
        <translation>Archive file:</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui"/>
        <source>Schnelle Übertragung: archivierte Messungen nicht erneut übertragen</source>
        <translation>Quick transfer: do not transfer archived measurements again</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp"/>
        <source>Archivdatei</source>
        <translation>Archive file</translation>
    </message>
</context>
</TS>
