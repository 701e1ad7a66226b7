<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Als Excel-&amp;Datei exportieren...</source>
        <translation>Export as Excel &amp;File...</translation>
    </message>
    <message>
        <source>Exportiert die gewählten Messungen, bei gewähltem Gerät alle, mit ihrer Statistik</source>
        <translation>Exports the selected measurements, all of them when the device is selected, with their statistics</translation>
    </message>
    <message>
        <source>&amp;Gesamtansicht</source>
        <translation>&amp;Whole Diagram</translation>
    </message>
    <message>
        <source>Zeigt wieder das ganze Diagramm (Ziehen: vergrößern, rechte Maustaste: zurück, mittlere Maustaste: verschieben, Mausrad: zoomen)</source>
        <translation>Shows the whole diagram again (drag: zoom in, right button: back, middle button: pan, wheel: zoom)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Als &amp;Referenz festhalten</source>
        <translation>Keep as &amp;Reference</translation>
    </message>
    <message>
        <source>Die aktuelle Messung bleibt als Referenz im Diagramm, während andere gewählt werden</source>
        <translation>The current measurement stays in the diagram as the reference while others are selected</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Nicht ausrichten</source>
        <translation>Do &amp;Not Align</translation>
    </message>
    <message>
        <source>Am &amp;Start ausrichten</source>
        <translation>Align at &amp;Start</translation>
    </message>
    <message>
        <source>Legt die Kurven so übereinander, dass ihr Kraftanstieg (5 % der Maximalkraft) bei 0 s liegt</source>
        <translation>Lays the curves over each other so that their force rise (5 % of the maximum force) lies at 0 s</translation>
    </message>
    <message>
        <source>Am &amp;Maximum ausrichten</source>
        <translation>Align at &amp;Maximum</translation>
    </message>
    <message>
        <source>Legt die Kurven so übereinander, dass ihr Maximum bei 0 s liegt</source>
        <translation>Lays the curves over each other so that their maximum lies at 0 s</translation>
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
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappe</source>
        <translation>Excel workbook</translation>
    </message>
    <message>
        <source>Als Excel-Datei exportieren</source>
        <translation>Export as Excel file</translation>
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
    <name>SeriesStatistics</name>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Maximalkraft</source>
        <translation>Maximum force</translation>
    </message>
    <message>
        <source>Mittelwert der Kraft</source>
        <translation>Mean force</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Standardabweichung</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>VK</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Spannweite</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>IO</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>NIO</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Untere Grenze:</source>
        <translation>Lower limit:</translation>
    </message>
    <message>
        <source>Obere Grenze:</source>
        <translation>Upper limit:</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Hinweis: weniger als 30 Messungen, Cp und Cpk sind nur ein Anhalt.</source>
        <translation>Note: fewer than 30 measurements, Cp and Cpk are only a rough guide.</translation>
    </message>
    <message>
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
        <source>Grenzwerte der Maximalkraft</source>
        <translation>Limits of the maximum force</translation>
    </message>
    <message>
        <source>Leere Felder: keine Grenze. Die Statistik bewertet jede Messung damit.</source>
        <translation>Empty fields: no limit. The statistics judge each measurement by them.</translation>
    </message>
    <message>
        <source>Untere Grenze</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Obere Grenze</source>
        <translation>Upper limit</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <source>Statistik der gewählten Messungen</source>
        <translation>Statistics of the selected measurements</translation>
    </message>
    <message>
        <source>Maximalkraft jeder Messung gegen die Grenzwerte</source>
        <translation>Maximum force of each measurement against the limits</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/mainform_export.cpp" line="+40"/>
        <source>Keine Messungen zum Exportieren vorhanden.</source>
        <translation>There are no measurements to export.</translation>
    </message>
</context>
</TS>
