<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="de">
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
        <source>&amp;Ansicht</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Als Excel-&amp;Datei exportieren...</source>
        <translation>Esporta come file Excel (&amp;D)...</translation>
    </message>
    <message>
        <source>Exportiert die gewählten Messungen, bei gewähltem Gerät alle, mit ihrer Statistik</source>
        <translation>Esporta le misure selezionate, tutte se è selezionato lo strumento, con le loro statistiche</translation>
    </message>
    <message>
        <source>&amp;Gesamtansicht</source>
        <translation>Vista &amp;generale</translation>
    </message>
    <message>
        <source>Zeigt wieder das ganze Diagramm (Ziehen: vergrößern, rechte Maustaste: zurück, mittlere Maustaste: verschieben, Mausrad: zoomen)</source>
        <translation>Mostra di nuovo tutto il diagramma (trascinare: ingrandire, tasto destro: indietro, tasto centrale: spostare, rotella: zoom)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Als &amp;Referenz festhalten</source>
        <translation>Mantieni come &amp;riferimento</translation>
    </message>
    <message>
        <source>Die aktuelle Messung bleibt als Referenz im Diagramm, während andere gewählt werden</source>
        <translation>La misura attuale resta nel diagramma come riferimento mentre se ne selezionano altre</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Nicht ausrichten</source>
        <translation>&amp;Non allineare</translation>
    </message>
    <message>
        <source>Am &amp;Start ausrichten</source>
        <translation>Allinea all&apos;&amp;inizio</translation>
    </message>
    <message>
        <source>Legt die Kurven so übereinander, dass ihr Kraftanstieg (5 % der Maximalkraft) bei 0 s liegt</source>
        <translation>Sovrappone le curve in modo che il loro aumento di forza (5 % della forza massima) sia a 0 s</translation>
    </message>
    <message>
        <source>Am &amp;Maximum ausrichten</source>
        <translation>Allinea al &amp;massimo</translation>
    </message>
    <message>
        <source>Legt die Kurven so übereinander, dass ihr Maximum bei 0 s liegt</source>
        <translation>Sovrappone le curve in modo che il loro massimo sia a 0 s</translation>
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
    <message>
        <source>Referenz</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappe</source>
        <translation>Cartella di lavoro Excel</translation>
    </message>
    <message>
        <source>Als Excel-Datei exportieren</source>
        <translation>Esporta come file Excel</translation>
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
    <name>SeriesStatistics</name>
    <message>
        <source>Statistik</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <source>Maximalkraft</source>
        <translation>Forza massima</translation>
    </message>
    <message>
        <source>Mittelwert der Kraft</source>
        <translation>Forza media</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Standardabweichung</source>
        <translation>Deviazione standard</translation>
    </message>
    <message>
        <source>VK</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Spannweite</source>
        <translation>Campo di variazione</translation>
    </message>
    <message>
        <source>IO</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>NIO</source>
        <translation>Non conforme</translation>
    </message>
    <message>
        <source>Untere Grenze:</source>
        <translation>Limite inferiore:</translation>
    </message>
    <message>
        <source>Obere Grenze:</source>
        <translation>Limite superiore:</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Hinweis: weniger als 30 Messungen, Cp und Cpk sind nur ein Anhalt.</source>
        <translation>Nota: meno di 30 misure, Cp e Cpk sono solo indicativi.</translation>
    </message>
    <message>
        <source>Keine Grenzwerte für %1 eingestellt.</source>
        <translation>Nessun limite impostato per %1.</translation>
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
        <source>Grenzwerte der Maximalkraft</source>
        <translation>Limiti della forza massima</translation>
    </message>
    <message>
        <source>Leere Felder: keine Grenze. Die Statistik bewertet jede Messung damit.</source>
        <translation>Campi vuoti: nessun limite. La statistica valuta ogni misura con essi.</translation>
    </message>
    <message>
        <source>Untere Grenze</source>
        <translation>Limite inferiore</translation>
    </message>
    <message>
        <source>Obere Grenze</source>
        <translation>Limite superiore</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <source>Statistik der gewählten Messungen</source>
        <translation>Statistica delle misure selezionate</translation>
    </message>
    <message>
        <source>Maximalkraft jeder Messung gegen die Grenzwerte</source>
        <translation>Forza massima di ogni misura rispetto ai limiti</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/mainform_export.cpp" line="+40"/>
        <source>Keine Messungen zum Exportieren vorhanden.</source>
        <translation>Nessuna misura da esportare.</translation>
    </message>
</context>
</TS>
