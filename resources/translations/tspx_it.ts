<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="de">
<context>
    <name>ArchiveFilterBar</name>
    <message>
        <location filename="../../ui/archivefilterbar.ui" line="+32"/>
        <source>Archiv durchsuchen: Bezeichnung oder Seriennummer</source>
        <translation>Cerca nell&apos;archivio: denominazione o numero di serie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Archiv durchsuchen</source>
        <translation>Cerca nell&apos;archivio</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Zeitraum:</source>
        <translation>Periodo:</translation>
    </message>
</context>
<context>
    <name>ArchiveTree</name>
    <message>
        <location filename="../../ui/archivetree.cpp" line="+27"/>
        <source>ohne Seriennummer</source>
        <translation>senza numero di serie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ohne Datum</source>
        <translation>senza data</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Archiv</source>
        <translation>Archivio</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <location filename="../../ui/infodialog.ui" line="+31"/>
        <source>Info</source>
        <translation>Informazioni</translation>
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
        <translation>Versione programma: </translation>
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
        <translation> Trasferisci dati </translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Messungen-Nr:</source>
        <translation>N. misura:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Zeit:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Startkraft:</source>
        <translation>Forza iniziale:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Maximalkraft:</source>
        <translation>Forza massima:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Endkraft:</source>
        <translation>Forza finale:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Mittelwert der Kraft:</source>
        <translation>Forza media:</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>Seriennummer Gerät:</source>
        <translation>N. di serie strumento:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Software-Version:</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Als PDF &amp;speichern...</source>
        <translation>Salva come &amp;PDF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;eite einrichten...</source>
        <translation>Imposta pa&amp;gina...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Druck&amp;vorschau</source>
        <translation>&amp;Anteprima di stampa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Drucken...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Beenden</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gewählte Messung &amp;löschen</source>
        <translation>&amp;Elimina misura selezionata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Alle Messungen löschen</source>
        <translation>Elimina &amp;tutte le misure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shift+Del</source>
        <translation>Shift+Del</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gewählte Messung e&amp;xportieren...</source>
        <translation>E&amp;sporta misura selezionata...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alle Messungen ex&amp;portieren...</source>
        <translation>Es&amp;porta tutte le misure...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Shift+E</source>
        <translation>Ctrl+Shift+E</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Einstellungen...</source>
        <translation>&amp;Impostazioni...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Info...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location filename="../../ui/mainform.ui"/>
        <source>CSV-Dateien ins &amp;Archiv importieren...</source>
        <translation>Importa file CSV nell&apos;&amp;archivio...</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+34"/>
        <source>Verbindung zum Gerät wird hergestellt...</source>
        <translation>Connessione allo strumento in corso...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verbindung zum Gerät konnte nicht hergestellt werden!</source>
        <translation>Impossibile stabilire la connessione con lo strumento!</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Daten werden übertragen...</source>
        <translation>Trasferimento dati in corso...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_delete.cpp" line="+29"/>
        <source>Messung löschen</source>
        <translation>Elimina misura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?</source>
        <translation>Eliminare davvero la misura selezionata sullo strumento?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alle Messungen löschen</source>
        <translation>Elimina tutte le misure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?</source>
        <translation>Eliminare davvero TUTTE le misure sullo strumento?</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+16"/>
        <source>Daten werden gelöscht...</source>
        <translation>Eliminazione dati in corso...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../ui/mainform_transfer.cpp" line="+1"/>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+19"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Errore durante il trasferimento dei dati!</translation>
    </message>
    <message>
        <location filename="../../ui/forceplot.cpp" line="+29"/>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Plot 1</source>
        <translation>Curva 1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Kraft/Zeit-Diagramm</source>
        <translation>Diagramma forza/tempo</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+29"/>
        <source>Kraft</source>
        <translation>Forza</translation>
    </message>
    <message>
        <location filename="../../ui/report.cpp" line="+137"/>
        <source>Seriennummer Gerät:</source>
        <translation>N. di serie strumento:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Messung-Nr:</source>
        <translation>N. misura:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bezeichnung:</source>
        <translation>Denominazione:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeit:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Startkraft:</source>
        <translation>Forza iniziale:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximalkraft:</source>
        <translation>Forza massima:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Endkraft:</source>
        <translation>Forza finale:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mittelwert der Kraft:</source>
        <translation>Forza media:</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Die PDF-Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Impossibile scrivere il file PDF &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Bezeichnung</source>
        <translation>Denominazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte geben Sie eine Bezeichnung für den Ausdruck ein: </source>
        <translation>Inserire una denominazione per la stampa: </translation>
    </message>
    <message>
        <location filename="../../ui/mainform_export.cpp" line="+39"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>File CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daten exportieren</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Daten werden exportiert...</source>
        <translation>Esportazione dati in corso...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Daten exportiert.</source>
        <translation>Dati esportati.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Daten wurden nicht exportiert.</source>
        <translation>Dati non esportati.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Impossibile scrivere il file &apos;%1&apos;!</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_report.cpp" line="+17"/>
        <source>PDF-Datei</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF-Datei speichern</source>
        <translation>Salva file PDF</translation>
    </message>
</context>
<context>
    <name>MainformArchive</name>
    <message>
        <location filename="../../ui/mainform_archive.cpp" line="+103"/>
        <source>Die Archivdatei &apos;%1&apos; war beschädigt. Sie wurde unverändert nach &apos;%2&apos; verschoben; ein neues Archiv wurde angelegt.</source>
        <translation>Il file d&apos;archivio &apos;%1&apos; era danneggiato. È stato spostato senza modifiche in &apos;%2&apos;; è stato creato un nuovo archivio.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Das Archiv &apos;%1&apos; ist schreibgeschützt.</source>
        <translation>L&apos;archivio &apos;%1&apos; è protetto da scrittura.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auf dem Datenträger des Archivs &apos;%1&apos; ist kein Platz mehr.</source>
        <translation>Il disco dell&apos;archivio &apos;%1&apos; è pieno.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; wird von einem anderen Programm benutzt.</source>
        <translation>L&apos;archivio &apos;%1&apos; è in uso da un altro programma.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; ist beschädigt.</source>
        <translation>L&apos;archivio &apos;%1&apos; è danneggiato.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; kann nicht geöffnet werden.</source>
        <translation>Impossibile aprire l&apos;archivio &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; stammt von einer neueren Programmversion und bleibt unverändert.</source>
        <translation>L&apos;archivio &apos;%1&apos; proviene da una versione più recente del programma e resta invariato.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Nessun archivio è aperto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; meldet einen Fehler: %2</source>
        <translation>L&apos;archivio &apos;%1&apos; segnala un errore: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Die übertragenen Messungen wurden nicht archiviert; sie bleiben in der Liste.</source>
        <translation>Le misurazioni trasferite non sono state archiviate; restano nell&apos;elenco.</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Nicht archiviert</source>
        <translation>Non archiviato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</source>
        <translation>Queste misurazioni non sono nell&apos;archivio: %1
Dopo la cancellazione sul dispositivo non esisteranno più da nessuna parte.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zuerst archivieren</source>
        <translation>Archivia prima</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ohne Archiv löschen</source>
        <translation>Cancella senza archiviare</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Es wurde nichts gelöscht.</source>
        <translation>Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</source>
        <translation>Queste misurazioni non sono state trasferite completamente e non possono essere archiviate: %1
Trasferire di nuovo i dati. Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>File CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV-Dateien ins Archiv importieren</source>
        <translation>Importa file CSV nell&apos;archivio</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: kann nicht gelesen werden.</source>
        <translation>%1: impossibile leggerlo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: keine Exportdatei dieses Programms.</source>
        <translation>%1: non è un file di esportazione di questo programma.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: unbekannte Krafteinheit.</source>
        <translation>%1: unità di forza sconosciuta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: enthält keine vollständige Messung.</source>
        <translation>%1: non contiene alcuna misurazione completa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2 Messungen, %3 neu archiviert, %4 waren schon im Archiv.</source>
        <translation>%1: %2 misurazioni, %3 archiviate ora, %4 erano già nell&apos;archivio.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import ins Archiv</source>
        <translation>Importazione nell&apos;archivio</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../measurement/dblist.cpp" line="+61"/>
        <source>Kraft</source>
        <translation>Forza</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Seriennummer Gerät:</source>
        <translation>N. di serie strumento:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Messung-Nr:</source>
        <translation>N. misura:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../../device/quorixtspx.cpp" line="+39"/>
        <source>Gerät nicht initialisiert!</source>
        <translation>Strumento non inizializzato!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehler beim Öffnen der Schnittstelle!</source>
        <translation>Errore durante l&apos;apertura della porta seriale!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler beim Initialisieren!</source>
        <translation>Errore durante l&apos;inizializzazione!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fehler!</source>
        <translation>Errore!</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="+20"/>
        <source>Einstellungen</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sprache</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>* Die Sprache wird erst nach einem Neustart geladen</source>
        <translation>* La lingua viene caricata solo dopo un riavvio</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drucken</source>
        <translation>Stampa</translation>
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
        <translation>Intestazione:</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp" line="+29"/>
        <source>Deutsch</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Englisch</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Französisch</source>
        <translation>Francese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italienisch</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Alle Bilder</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bild</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui"/>
        <location filename="../../ui/settingsdialog.ui"/>
        <source>Archiv</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui"/>
        <source>Archivdatei:</source>
        <translation>File d&apos;archivio:</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui"/>
        <source>Schnelle Übertragung: archivierte Messungen nicht erneut übertragen</source>
        <translation>Trasferimento rapido: non trasferire di nuovo le misurazioni archiviate</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp"/>
        <source>Archivdatei</source>
        <translation>File d&apos;archivio</translation>
    </message>
</context>
</TS>
