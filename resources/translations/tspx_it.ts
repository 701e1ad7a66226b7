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
    <name>ArchiveServerStatus</name>
    <message>
        <location filename="../../ui/archiveserverstatus.cpp" line="+54"/>
        <source>Hochladen</source>
        <translation>Carica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Später</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Archivserver nimmt Messungen nicht an</source>
        <translation>Il server d&apos;archivio non accetta le misure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archivserver: %1</source>
        <translation>Server dell’archivio: %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Archivserver nicht erreichbar</source>
        <translation>Server dell’archivio non raggiungibile</translation>
    </message>
</context>
<context>
    <name>ArchiveTree</name>
    <message>
        <location filename="../../ui/archivetree.cpp" line="+36"/>
        <source>ohne Seriennummer</source>
        <translation>senza numero di serie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ohne Datum</source>
        <translation>senza data</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ohne Station</source>
        <translation>senza stazione</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Keine Treffer</source>
        <translation>Nessun risultato</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <location filename="../../ui/calibrationdialog.ui" line="+14"/>
        <source>Kalibrierung</source>
        <translation>Taratura</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Zertifikat</source>
        <translation>Certificato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kalibriert am</source>
        <translation>Tarato il</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fällig am</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Labor</source>
        <translation>Laboratorio</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Normal</source>
        <translation>Campione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bemerkung</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erfasst von</source>
        <translation>Registrato da</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Neue Kalibrierung (eine Korrektur ist ein neuer Eintrag)</source>
        <translation>Nuova taratura (una correzione è una nuova registrazione)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zertifikat-Nr.:</source>
        <translation>N. certificato:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kalibriert am:</source>
        <translation>Tarato il:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Fällig am:</source>
        <translation>Scadenza:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Labor:</source>
        <translation>Laboratorio:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Erweiterte Unsicherheit U (k = 2) / N:</source>
        <translation>Incertezza estesa U (k = 2) / N:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Referenznormal:</source>
        <translation>Campione di riferimento:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Bemerkung:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Hinzufügen</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location filename="../../ui/calibrationdialog.cpp" line="+36"/>
        <source>Kalibrierung des Geräts %1</source>
        <translation>Taratura dello strumento %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Fällig am %1.</source>
        <translation>Scadenza il %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Die Unsicherheit ist eine Zahl in N mit Punkt, z. B. 0.25.</source>
        <translation>L&apos;incertezza è un numero in N con il punto, ad es. 0.25.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Eine Kalibrierung braucht eine Zertifikat-Nr. und ein Fälligkeitsdatum nicht vor dem Kalibrierdatum.</source>
        <translation>Una taratura richiede un numero di certificato e una scadenza non anteriore alla data di taratura.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <location filename="../../cli/cliargs.cpp" line="+67"/>
        <source>Mit --help werden die Befehle und Optionen gezeigt.</source>
        <translation>--help mostra i comandi e le opzioni.</translation>
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
        <translation>Comandi:
  scan      le porte da COM1 a COM30 e cosa risponde su di esse
  info      numero di serie, versione del software e unità di forza dello strumento
  list      le misure memorizzate
  download  misure come CSV, JSON o DFQ (--slots o --all, -o;
            DFQ con --plan anche le caratteristiche del piano di prova)
  delete    cancellare misure sullo strumento (--slots o --all, --yes;
            --erase-incomplete anche quelle archiviate solo incomplete)
  report    rapporto di una misura come PDF (--slot, -o)
  stats     statistica, capacità e violazioni delle regole (--slots o --all;
            --archive con --serial, --station, --from, --to, --search;
            --plan con le caratteristiche del piano, --characteristic come carta)
  archive init    creare l&apos;archivio sul server (come suo proprietario)
  archive list    le misure archiviate (--format table o json)
  archive sync    inviare al server dell&apos;archivio le misure in attesa e
                  quelle del file di archivio che gli mancano
  archive verify  verificare la concatenazione delle misure archiviate
  gauge calibration add   registrare una taratura (--certificate,
                          --calibrated, --due, --serial o lo strumento)
  gauge calibration list  le tarature dello strumento
  msa type1  capacità dello strumento, tipo 1 (--reference, --tolerance o
             --lower/--upper; --slots, --all o --archive con i filtri di stats)
  evaluate  giudicare misure secondo un piano di prova (--plan; --slots, --all
            o --archive; --format table, tsv o json)

Codici di uscita: 0 eseguito, 2 chiamata errata, 3 nessuno strumento trovato,
4 errore di comunicazione con lo strumento, 5 file o archivio non utilizzabile,
6 stats: limite superato o regola violata, msa: non capace,
evaluate: una misura n.i.O.,
7 misure archiviate modificate.
</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Aufruf: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Optionen]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionen:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Argumente:</source>
        <translation>Argomenti:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Keine Zahl: --%1 %2</source>
        <translation>Non è un numero: --%1 %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>msa type1 braucht --reference.</source>
        <translation>msa type1 richiede --reference.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa type1 braucht --tolerance oder --lower und --upper.</source>
        <translation>msa type1 richiede --tolerance oppure --lower e --upper.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa type1 braucht --slots, --all oder --archive.</source>
        <translation>msa type1 richiede --slots, --all o --archive.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>gauge calibration add braucht --certificate, --calibrated JJJJ-MM-TT und --due JJJJ-MM-TT.</source>
        <translation>gauge calibration add richiede --certificate, --calibrated AAAA-MM-GG e --due AAAA-MM-GG.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Fälligkeitsdatum liegt vor dem Kalibrierdatum.</source>
        <translation>La data di scadenza precede la data di taratura.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--slots gilt nur für download, delete, stats und msa.</source>
        <translation>--slots vale solo per download, delete, stats e msa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ungültige Speicherplätze: %1 (erlaubt sind 1 bis %2)</source>
        <translation>Posizioni di memoria non valide: %1 (ammesse da 1 a %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--slots und --all schließen sich aus.</source>
        <translation>--slots e --all si escludono a vicenda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete braucht --slots oder --all.</source>
        <translation>delete richiede --slots o --all.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gelöscht wird nur mit --yes.</source>
        <translation>Senza --yes non si cancella nulla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--erase-incomplete gilt nur für delete.</source>
        <translation>--erase-incomplete vale solo per delete.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 braucht -o DATEI.</source>
        <translation>%1 richiede -o FILE.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--serial, --station, --from, --to und --search gelten nur mit stats --archive.</source>
        <translation>--serial, --station, --from, --to e --search valgono solo con stats --archive.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--archive gilt nur für stats und msa.</source>
        <translation>--archive vale solo per stats e msa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--archive und --slots oder --all schließen sich aus.</source>
        <translation>--archive esclude --slots e --all.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kein Datum (JJJJ-MM-TT): %1</source>
        <translation>Non è una data (AAAA-MM-GG): %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>evaluate braucht --plan DATEI oder NAME.</source>
        <translation>evaluate richiede --plan FILE o NOME.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--plan gilt nur für evaluate, stats und download --format dfq.</source>
        <translation>--plan vale solo per evaluate, stats e download --format dfq.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--characteristic gilt nur für stats mit --plan.</source>
        <translation>--characteristic vale solo per stats con --plan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>evaluate braucht --slots, --all oder --archive.</source>
        <translation>evaluate richiede --slots, --all o --archive.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unbekanntes Format: %1</source>
        <translation>Formato sconosciuto: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unbekannte Regelkarte: %1</source>
        <translation>Carta di controllo sconosciuta: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unbekannte Regeln: %1</source>
        <translation>Regole sconosciute: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Untergruppe hat 2 bis 10 Messungen.</source>
        <translation>Un sottogruppo ha da 2 a 10 misure.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kein Grenzwert: %1</source>
        <translation>Non è un limite: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--lower %1 liegt nicht unter --upper %2.</source>
        <translation>--lower %1 non è inferiore a --upper %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>report braucht --slot N (1 bis 50).</source>
        <translation>report richiede --slot N (da 1 a 50).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Protokoll wird in eine Datei geschrieben, nicht auf die Standardausgabe.</source>
        <translation>Il rapporto viene scritto in un file, non sullo standard output.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Liest Messungen des Kraftmessgeräts Tensimo Parl über die serielle Schnittstelle.</source>
        <translation>Legge le misure del dinamometro Tensimo Parl tramite la porta seriale.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einer der Befehle unten.</source>
        <translation>Uno dei comandi qui sotto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeigt diese Hilfe.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeigt die Version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nur diese Schnittstelle (COMn oder Gerätedatei).</source>
        <translation>Solo questa porta (COMn o file di dispositivo).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sprache der Texte (%1); ohne sie die der Umgebung (LC_ALL, LC_MESSAGES, LANG).</source>
        <translation>Lingua dei testi (%1); senza, quella dell&apos;ambiente (LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keine Meldungen außer Fehlern.</source>
        <translation>Nessun messaggio tranne gli errori.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollzeilen auf der Standardfehlerausgabe.</source>
        <translation>Righe di log sullo standard error.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze, z. B. 1,3-7.</source>
        <translation>Posizioni di memoria, ad es. 1,3-7.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle Speicherplätze.</source>
        <translation>Tutte le posizioni di memoria.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zieldatei; - für die Standardausgabe.</source>
        <translation>File di destinazione; - per lo standard output.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>download: csv (wie der Export des Programms), json oder dfq (Q-DAS); stats: table (Spalten zum Lesen), tsv (tabulatorgetrennt) oder json; archive list: table oder json.</source>
        <translation>download: csv (come l&apos;esportazione del programma), json o dfq (Q-DAS); stats: table (colonne da leggere), tsv (separato da tabulazioni) o json; archive list: table o json.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>dfq: Teilenummer (K1001).</source>
        <translation>dfq: numero del pezzo (K1001).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dfq: Teilebezeichnung (K1002).</source>
        <translation>dfq: descrizione del pezzo (K1002).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Regelkarte imr, xbar-s oder xbar-r.</source>
        <translation>stats: carta di controllo imr, xbar-s o xbar-r.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Messungen je Untergruppe (2 bis 10).</source>
        <translation>stats: misure per sottogruppo (da 2 a 10).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Regeln nelson (1-8) oder we (Western Electric 1-4).</source>
        <translation>stats: regole nelson (1-8) o we (Western Electric 1-4).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: untere Grenze der Maximalkraft.</source>
        <translation>stats: limite inferiore della forza massima.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: obere Grenze der Maximalkraft.</source>
        <translation>stats: limite superiore della forza massima.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats, msa: die Messungen des Archivs statt der des Geräts.</source>
        <translation>stats, msa: le misure dell&apos;archivio invece di quelle dello strumento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats, msa --archive: Teil der Seriennummer; gauge: Seriennummer des Geräts (ohne sie das angeschlossene).</source>
        <translation>stats, msa --archive: parte del numero di serie; gauge: numero di serie dello strumento (senza, quello collegato).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --archive: nur diese Station.</source>
        <translation>stats --archive: solo questa stazione.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats --archive: erster Tag (JJJJ-MM-TT).</source>
        <translation>stats --archive: primo giorno (AAAA-MM-GG).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats --archive: letzter Tag (JJJJ-MM-TT).</source>
        <translation>stats --archive: ultimo giorno (AAAA-MM-GG).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --archive: Teil der Bezeichnung oder der Seriennummer.</source>
        <translation>stats --archive: parte della descrizione o del numero di serie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>evaluate, stats, download --format dfq: der Prüfplan, eine JSON-Datei oder der Name eines archivierten.</source>
        <translation>evaluate, stats, download --format dfq: il piano di prova, un file JSON o il nome di uno archiviato.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --plan: Regelkarte und Grenzwerte dieses Merkmals des Prüfplans.</source>
        <translation>stats --plan: carta di controllo e limiti di questa caratteristica del piano di prova.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Löschen ohne Rückfrage bestätigen.</source>
        <translation>Conferma la cancellazione senza chiedere.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete: auch Messungen löschen, die nur unvollständig archiviert sind (das Gerät hat weniger Messwerte gesendet, als es angibt).</source>
        <translation>delete: cancellare anche le misure archiviate solo incomplete (lo strumento ha inviato meno valori di quanti ne indica).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicherplatz der Messung.</source>
        <translation>Posizione di memoria della misura.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bezeichnung im Protokoll.</source>
        <translation>Denominazione nel rapporto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Nummer des Kalibrierscheins.</source>
        <translation>gauge: numero del certificato di taratura.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Kalibrierdatum (JJJJ-MM-TT).</source>
        <translation>gauge: data di taratura (AAAA-MM-GG).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: nächste Kalibrierung fällig am (JJJJ-MM-TT).</source>
        <translation>gauge: prossima taratura entro il (AAAA-MM-GG).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Kalibrierlabor.</source>
        <translation>gauge: laboratorio di taratura.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gauge: erweiterte Messunsicherheit U (k = 2) in N.</source>
        <translation>gauge: incertezza estesa U (k = 2) in N.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Bezugsnormal der Kalibrierung.</source>
        <translation>gauge: campione di riferimento della taratura.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Bemerkung.</source>
        <translation>gauge: nota.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>msa: Referenzwert des Normals.</source>
        <translation>msa: valore di riferimento del campione.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa: Toleranz des Merkmals.</source>
        <translation>msa: tolleranza della caratteristica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>msa: Auflösung des Geräts (Vorgabe 0.1).</source>
        <translation>msa: risoluzione dello strumento (predefinita 0.1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unbekannte Sprache: %1. Bekannt sind %2.</source>
        <translation>Lingua sconosciuta: %1. Quelle note sono %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kein Befehl angegeben.</source>
        <translation>Nessun comando indicato.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>archive braucht init, list, sync oder verify.</source>
        <translation>archive richiede init, list, sync o verify.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>gauge braucht calibration add oder calibration list.</source>
        <translation>gauge richiede calibration add o calibration list.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa braucht type1.</source>
        <translation>msa richiede type1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nur ein Befehl auf einmal.</source>
        <translation>Un solo comando alla volta.</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Unbekannter Befehl: %1</source>
        <translation>Comando sconosciuto: %1</translation>
    </message>
    <message>
        <location filename="../../cli/clireport.cpp" line="+20"/>
        <source>Speicherplatz %1 ist leer.</source>
        <translation>La posizione di memoria %1 è vuota.</translation>
    </message>
    <message>
        <location filename="../../cli/clirunner.cpp" line="+115"/>
        <source>Speicherplatz %1 von %2</source>
        <translation>Posizione %1 di %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Kein Gerät gefunden (COM1 bis COM30).</source>
        <translation>Nessuno strumento trovato (da COM1 a COM30).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kein Gerät an %1.</source>
        <translation>Nessuno strumento su %1.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Errore durante il trasferimento dei dati!</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Übertragene Messungen: %1</source>
        <translation>Misure trasferite: %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Teilenummer und Teilebezeichnung sind in der DFQ-Datei auf %1 und %2 Zeichen gekürzt.</source>
        <translation>Il numero e la descrizione del pezzo sono troncati a %1 e %2 caratteri nel file DFQ.</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Der Prüfplan %1 hat kein Merkmal &apos;%2&apos;.</source>
        <translation>Il piano di prova %1 non ha la caratteristica &apos;%2&apos;.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Gelöschte Messungen: %1</source>
        <translation>Misure cancellate: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nicht im Archiv und darum nicht gelöscht: %1. Zuerst mit download übertragen.</source>
        <translation>Non presenti nell&apos;archivio e quindi non cancellate: %1. Trasferirle prima con download.</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Nicht gelöscht. Erneut mit download übertragen (vielleicht sendet das Gerät sie diesmal vollständig) oder mit --erase-incomplete löschen.</source>
        <translation>
            <numerusform>Non cancellata. Trasferirla di nuovo con download (forse lo strumento la invierà completa questa volta) o cancellarla con --erase-incomplete.</numerusform>
            <numerusform>Non cancellate. Trasferirle di nuovo con download (forse lo strumento le invierà complete questa volta) o cancellarle con --erase-incomplete.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Non è stato possibile scrivere il file &apos;%1&apos;!</translation>
    </message>
    <message>
        <location filename="../../cli/clioutput.cpp" line="+44"/>
        <source>Unbekannter Fehler</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Standardausgabe konnte nicht geschrieben werden: %1</source>
        <translation>Impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <location filename="../../cli/clievaluate.cpp" line="+30"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Urteil</source>
        <translation>Esito</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Prüfplan %1, Version %2</source>
        <translation>Piano di prova %1, versione %2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Im Archiv ist kein Prüfplan &apos;%1&apos;.</source>
        <translation>L&apos;archivio non contiene un piano di prova &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 von %2 Messungen bewertet</source>
        <translation>%1 di %2 misure valutate</translation>
    </message>
</context>
<context>
    <name>CommandStates</name>
    <message>
        <location filename="../../ui/commandstates.cpp" line="+35"/>
        <source>Gewählte Messungen e&amp;xportieren...</source>
        <translation>E&amp;sporta misure selezionate...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Gewählte Messungen &amp;löschen</source>
        <translation>&amp;Elimina misure selezionate</translation>
    </message>
</context>
<context>
    <name>ControlChartView</name>
    <message>
        <location filename="../../ui/controlchartview.ui" line="+31"/>
        <source>Merkmal der Regelkarte</source>
        <translation>Caratteristica della carta di controllo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Art der Regelkarte</source>
        <translation>Tipo di carta di controllo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Untergruppe:</source>
        <translation>Sottogruppo:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Regeln für Muster in der Karte</source>
        <translation>Regole per gli schemi nella carta</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grenzen festhalten</source>
        <translation>Fissare i limiti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die jetzigen Eingriffsgrenzen als Referenz für die folgenden Auswahlen behalten</source>
        <translation>Mantenere i limiti di controllo attuali come riferimento per le selezioni seguenti</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Punkte, die eine Regel verletzen</source>
        <translation>Punti che violano una regola</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <location filename="../../archive/csvimport.cpp" line="+61"/>
        <source>die Seriennummer enthält ein Nullzeichen</source>
        <translation>il numero di serie contiene un carattere nullo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>negative Messungsnummer</source>
        <translation>numero di misura negativo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Messwerte</source>
        <translation>nessun valore misurato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ein Messwert ist keine endliche Zahl</source>
        <translation>un valore misurato non è un numero finito</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Abtastrate aus den Zeiten</source>
        <translation>nessuna frequenza di campionamento dai tempi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum oder Zeit nicht lesbar</source>
        <translation>data o ora illeggibile</translation>
    </message>
</context>
<context>
    <name>DfqPartDialog</name>
    <message>
        <location filename="../../ui/dfqpartdialog.ui" line="+14"/>
        <source>Teil der DFQ-Datei</source>
        <translation>Pezzo del file DFQ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Teilenummer (K1001):</source>
        <translation>Numero del pezzo (K1001):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Teilebezeichnung (K1002):</source>
        <translation>Descrizione del pezzo (K1002):</translation>
    </message>
</context>
<context>
    <name>GaugeCalibration</name>
    <message>
        <location filename="../../cli/cligauge.cpp" line="+119"/>
        <source>Kalibrierungen und Studien werden nur im erreichbaren Archiv gespeichert und gelesen.</source>
        <translation>Tarature e studi sono salvati e letti solo in un archivio raggiungibile.</translation>
    </message>
    <message>
        <location filename="../../measurement/gaugecalibration.cpp" line="+17"/>
        <source>Kalibrierung überfällig</source>
        <translation>taratura scaduta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ohne Kalibrierung</source>
        <translation>senza taratura</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Die Kalibrierung des Geräts %1 war am %2 fällig.</source>
        <translation>La taratura dello strumento %1 era dovuta il %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Für das Gerät %1 ist keine Kalibrierung erfasst.</source>
        <translation>Nessuna taratura registrata per lo strumento %1.</translation>
    </message>
    <message>
        <location filename="../../measurement/workbookexport.cpp" line="+127"/>
        <location filename="../../report/report.cpp" line="+195"/>
        <source>Kalibrierung:</source>
        <translation>Taratura:</translation>
    </message>
</context>
<context>
    <name>GaugeStudy</name>
    <message>
        <location filename="../../measurement/gaugestudy.cpp" line="+125"/>
        <source>Eine Typ-1-Studie braucht %1 bis %2 Messungen.</source>
        <translation>Uno studio di tipo 1 richiede da %1 a %2 misure.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Toleranz muss größer als 0 sein.</source>
        <translation>La tolleranza deve essere maggiore di 0.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ein Wert der Studie ist keine Zahl.</source>
        <translation>Un valore dello studio non è un numero.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Messmittel fähig</source>
        <translation>Strumento capace</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Messmittel nicht fähig</source>
        <translation>Strumento non capace</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messmittelfähigkeit Verfahren 1</source>
        <translation>Capacità dello strumento, tipo 1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Messungen n</source>
        <translation>Misure n</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Referenzwert xm</source>
        <translation>Valore di riferimento xm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toleranz T</source>
        <translation>Tolleranza T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelwert x̄</source>
        <translation>Media x̄</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standardabweichung s</source>
        <translation>Deviazione standard s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Systematische Messabweichung x̄ − xm</source>
        <translation>Scostamento sistematico x̄ − xm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mindestwert Cg, Cgk</source>
        <translation>Minimo Cg, Cgk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t-Wert der Abweichung (kritisch %1)</source>
        <translation>t dello scostamento (critico %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abweichung signifikant (5 %)</source>
        <translation>Scostamento significativo (5 %)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ja</source>
        <translation>sì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auflösung / T (höchstens 5 %)</source>
        <translation>Risoluzione / T (al massimo 5 %)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ergebnis</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <location filename="../../plot/type1chartplot.cpp" line="+62"/>
        <source>Referenz</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Messung</source>
        <translation>Misura</translation>
    </message>
</context>
<context>
    <name>GaugeStudyPage</name>
    <message>
        <location filename="../../ui/gaugestudypage.ui" line="+14"/>
        <source>Messmittelfähigkeit Verfahren 1</source>
        <translation>Capacità dello strumento tipo 1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Referenzwert xm:</source>
        <translation>Valore di riferimento xm:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Toleranz T:</source>
        <translation>Tolleranza T:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>oder untere Grenze:</source>
        <translation>o limite inferiore:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>obere Grenze:</source>
        <translation>limite superiore:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auflösung des Geräts:</source>
        <translation>Risoluzione dello strumento:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Berechnen</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Im Archiv speichern</source>
        <translation>Salva nell&apos;archivio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als PDF speichern…</source>
        <translation>Salva come PDF…</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/gaugestudypage.cpp" line="+45"/>
        <source>Gerät %1: %n Maximalkräfte in %2</source>
        <translation>
            <numerusform>Strumento %1: %n forza massima in %2</numerusform>
            <numerusform>Strumento %1: %n forze massime in %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Referenzwert und Toleranz (oder beide Grenzen) als Zahlen mit Punkt eingeben.</source>
        <translation>Inserire il valore di riferimento e la tolleranza (o entrambi i limiti) come numeri con il punto.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>im Archiv gespeichert (Nr. %1)</source>
        <translation>salvato nell&apos;archivio (n. %1)</translation>
    </message>
</context>
<context>
    <name>GaugeWorkflow</name>
    <message>
        <location filename="../../workflow/workflowtexts.cpp" line="+64"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Errore durante il trasferimento dei dati!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Kennung des Geräts wurde nicht gelesen.</source>
        <translation>L&apos;identificazione dello strumento non è stata letta.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Betroffene Speicherplätze: %1</source>
        <translation>
            <numerusform>Posizione di memoria interessata: %1</numerusform>
            <numerusform>Posizioni di memoria interessate: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Diese Messungen sind unvollständig: Das Gerät hat weniger Messwerte gesendet, als es angibt. Sie wurden so archiviert, wie das Gerät sie gesendet hat: %1</source>
        <translation>
            <numerusform>Questa misurazione è incompleta: lo strumento ha inviato meno valori di quanti ne indica. È stata archiviata così come lo strumento la ha inviata: %1</numerusform>
            <numerusform>Queste misurazioni sono incomplete: lo strumento ha inviato meno valori di quanti ne indica. Sono state archiviate così come lo strumento le ha inviate: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>In diesen Messungen sind Werte keine Zahl. Sie wurden so archiviert, wie das Gerät sie gesendet hat, und bleiben in Statistik, Regelkarte und DFQ-Datei außen vor: %1</source>
        <translation>
            <numerusform>Questa misurazione contiene valori che non sono numeri. È stata archiviata come l’ha inviata lo strumento ed è esclusa da statistiche, carte di controllo e file DFQ: %1</numerusform>
            <numerusform>Queste misurazioni contengono valori che non sono numeri. Sono state archiviate come le ha inviate lo strumento e sono escluse da statistiche, carte di controllo e file DFQ: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>Leere Speicherplätze: %1</source>
        <translation>
            <numerusform>Posizione vuota: %1</numerusform>
            <numerusform>Posizioni vuote: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der Prüfplan &apos;%1&apos; ist nicht lesbar. %2</source>
        <translation>Il piano di prova &apos;%1&apos; non è leggibile. %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Archiv &apos;%1&apos; ist schreibgeschützt.</source>
        <translation>L&apos;archivio &apos;%1&apos; è protetto da scrittura.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auf dem Datenträger des Archivs &apos;%1&apos; ist kein Platz mehr.</source>
        <translation>Il disco dell&apos;archivio &apos;%1&apos; è pieno.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; wird von einem anderen Programm benutzt.</source>
        <translation>L&apos;archivio &apos;%1&apos; è in uso da un altro programma.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; ist beschädigt.</source>
        <translation>L&apos;archivio &apos;%1&apos; è danneggiato.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Archiv &apos;%1&apos; kann nicht geöffnet werden.</source>
        <translation>Impossibile aprire l&apos;archivio &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Archiv &apos;%1&apos; stammt von einer neueren Programmversion und bleibt unverändert.</source>
        <translation>L&apos;archivio &apos;%1&apos; proviene da una versione più recente del programma e resta invariato.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Nessun archivio è aperto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Statusdatei nennt ein unbekanntes Archiv: %1. Es wird kein Archiv benutzt.</source>
        <translation>Il file di stato indica un archivio sconosciuto: %1. Non viene usato alcun archivio.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Archiv &apos;%1&apos; meldet einen Fehler: %2</source>
        <translation>L&apos;archivio &apos;%1&apos; segnala un errore: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Archivserver %1 antwortet.</source>
        <translation>Il server d&apos;archivio %1 risponde.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Archivserver %1 ist nicht erreichbar.</source>
        <translation>Il server d&apos;archivio %1 non è raggiungibile.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Archivserver %1 hat die Anmeldung abgelehnt (das Passwort gehört in die Datei ~/.pgpass).</source>
        <translation>Il server d&apos;archivio %1 ha rifiutato l&apos;accesso (la password va nel file ~/.pgpass).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der Archivserver %1 ist nicht in Gebrauch (%2).</source>
        <translation>Il server d&apos;archivio %1 non è in uso (%2).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Übertragene Messungen bleiben in der Archivdatei, bis er wieder antwortet.</source>
        <translation>Le misure trasferite restano nel file d&apos;archivio finché non risponde di nuovo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Archivserver %1 hat Messungen nicht angenommen (%2). Sie bleiben in der Archivdatei.</source>
        <translation>Il server d&apos;archivio %1 non ha accettato alcune misure (%2). Restano nel file d&apos;archivio.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Die Archivdatei &apos;%1&apos; war beschädigt. Sie wurde unverändert nach &apos;%2&apos; verschoben; ein neues Archiv wurde angelegt.</source>
        <translation>Il file d&apos;archivio &apos;%1&apos; era danneggiato. È stato spostato senza modifiche in &apos;%2&apos;; è stato creato un nuovo archivio.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Daraus wieder gelesen und behalten: %n Messungen.</source>
        <translation>
            <numerusform>Riletta e conservata: %n misura.</numerusform>
            <numerusform>Rilette e conservate: %n misure.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dazu Kalibrierungen, Typ-1-Studien und Prüfpläne: %1.</source>
        <translation>Inoltre tarature, studi tipo 1 e piani di prova: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welche Messungen auf den Archivserver warteten, ließ sich nicht lesen; was fehlt, ist nur noch in &apos;%1&apos;.</source>
        <translation>Non è stato possibile leggere quali misure attendevano il server d&apos;archivio; ciò che manca è ormai solo in &apos;%1&apos;.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Von %n Messungen, die auf den Archivserver warteten, warten %1 wieder; die übrigen sind nur noch in &apos;%2&apos;.</source>
        <translation>
            <numerusform>Di %n misura che attendeva il server d&apos;archivio, %1 attende di nuovo; le altre sono ormai solo in &apos;%2&apos;.</numerusform>
            <numerusform>Di %n misure che attendevano il server d&apos;archivio, %1 attendono di nuovo; le altre sono ormai solo in &apos;%2&apos;.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Messungen, die auf den Archivserver warten: %1</source>
        <translation>Misure in attesa del server dell’archivio: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zum Archivserver übertragene Messungen: %1</source>
        <translation>Misure inviate al server dell’archivio: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messungen in der Archivdatei, die nicht auf dem Archivserver sind: %1. Jetzt zum Archivserver hochladen?</source>
        <translation>Misure nel file di archivio che non sono sul server di archivio: %1. Caricarle ora sul server di archivio?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Messungen aus der Archivdatei zum Hochladen vorgemerkt: %1</source>
        <translation>Misure del file di archivio messe in coda per il caricamento: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Archiv unverändert: %1 verkettete Messungen geprüft, %2 aus der Zeit vor der Verkettung.</source>
        <translation>Archivio invariato: %1 misure concatenate verificate, %2 precedenti alla concatenazione.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Archiv verändert: Die letzten Messungen der Station &apos;%1&apos; fehlen; ihre Kette endete bei Messung %2.</source>
        <translation>Archivio modificato: mancano le ultime misure della stazione &apos;%1&apos;; la sua catena terminava alla misura %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv verändert: Alle Messungen der Station &apos;%1&apos; fehlen; ihre Kette endete bei Messung %2.</source>
        <translation>Archivio modificato: mancano tutte le misure della stazione &apos;%1&apos;; la sua catena terminava alla misura %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv verändert: Das Ende der Kette der Station &apos;%1&apos; passt nicht zu ihrer letzten Messung %2.</source>
        <translation>Archivio modificato: la fine della catena della stazione &apos;%1&apos; non corrisponde alla sua ultima misura %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ihre Werte</source>
        <translation>i suoi valori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ihre Messwerte</source>
        <translation>i suoi campioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ihre Verkettung fehlt</source>
        <translation>manca il suo collegamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archiv verändert: Messung %1 der Station &apos;%2&apos; passt nicht zur Kette (%3), oder die Messung davor fehlt.</source>
        <translation>Archivio modificato: la misura %1 della stazione &apos;%2&apos; non corrisponde alla catena (%3), oppure manca la misura precedente.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die übertragenen Messungen wurden nicht archiviert; sie bleiben in der Liste.</source>
        <translation>Le misurazioni trasferite non sono state archiviate; restano nell&apos;elenco.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Es wurde nichts gelöscht.</source>
        <translation>Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Das Gerät hat seine Seriennummer nicht genannt. Es wurde nichts gelöscht.</source>
        <translation>Lo strumento non ha indicato il suo numero di serie. Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das angeschlossene Gerät (Seriennummer %1) ist nicht das Gerät der angezeigten Liste (Seriennummer %2). Es wurde nichts gelöscht.</source>
        <translation>Lo strumento collegato (numero di serie %1) non è lo strumento dell&apos;elenco visualizzato (numero di serie %2). Non è stato cancellato nulla.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Diese Speicherplätze wurden nicht gelöscht: %1</source>
        <translation>
            <numerusform>Questa posizione di memoria non è stata cancellata: %1</numerusform>
            <numerusform>Queste posizioni di memoria non sono state cancellate: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Diese Messungen auf dem Gerät wurden noch nicht übertragen und sind nicht im Archiv: %1
Sie werden nicht gelöscht.</source>
        <translation>
            <numerusform>Questa misurazione dello strumento non è ancora stata trasferita e non è nell&apos;archivio: %1
Non viene cancellata.</numerusform>
            <numerusform>Queste misurazioni dello strumento non sono ancora state trasferite e non sono nell&apos;archivio: %1
Non vengono cancellate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</source>
        <translation>
            <numerusform>Questa misurazione non è stata trasferita completamente e non può essere archiviata: %1
Trasferire di nuovo i dati. Non è stato cancellato nulla.</numerusform>
            <numerusform>Queste misurazioni non sono state trasferite completamente e non possono essere archiviate: %1
Trasferire di nuovo i dati. Non è stato cancellato nulla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen sind nur unvollständig archiviert: %1
Das Gerät hat weniger Messwerte gesendet, als es angibt.</source>
        <translation>
            <numerusform>Questa misurazione è archiviata solo incompleta: %1
Lo strumento ha inviato meno valori di quanti ne indica.</numerusform>
            <numerusform>Queste misurazioni sono archiviate solo incomplete: %1
Lo strumento ha inviato meno valori di quanti ne indica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>#%1 (%2 von %3 Messwerten)</source>
        <translation>
            <numerusform>#%1 (%2 di %3 valore)</numerusform>
            <numerusform>#%1 (%2 di %3 valori)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GroupEvaluation</name>
    <message>
        <location filename="../../workflow/planevaluationjob.cpp" line="+136"/>
        <source>Seriennummer</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Urteil</source>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>GroupEvaluationCommand</name>
    <message>
        <location filename="../../ui/groupevaluationcommand.cpp" line="+47"/>
        <source>Messungen werden mit dem Prüfplan %1 bewertet...</source>
        <translation>Valutazione delle misure con il piano di prova %1...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Prüfplan-Datei öffnen...</source>
        <translation>Apri file del piano di prova...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mit Prüfplan bewerten</source>
        <translation>Valuta con piano di prova</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kein Prüfplan ist gewählt. Prüfplan:</source>
        <translation>Nessun piano di prova scelto. Piano di prova:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Prüfplan öffnen</source>
        <translation>Apri piano di prova</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Prüfpläne (*.json)</source>
        <translation>Piani di prova (*.json)</translation>
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
        <location line="+136"/>
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
        <location line="+33"/>
        <source>Kraftverlauf</source>
        <translation>Andamento della forza</translation>
    </message>
    <message>
        <location line="+141"/>
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
        <location line="+16"/>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daten &amp;übertragen</source>
        <translation>&amp;Trasferisci dati</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location line="+8"/>
        <source>Mit Prüfplan bewerten…</source>
        <translation>Valuta con piano di prova…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Messungen der gewählten Archivzeile mit einem Prüfplan bewerten</source>
        <translation>Valuta le misure della riga d&apos;archivio scelta con un piano di prova</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CSV-Dateien ins &amp;Archiv importieren...</source>
        <translation>Importa file CSV nell&apos;a&amp;rchivio...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Prüfplan neben der Kurve</source>
        <translation>&amp;Piano di prova accanto alla curva</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Archiv nach &amp;Stationen ordnen</source>
        <translation>Ordina l’archivio per &amp;stazioni</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mit dem Archiv&amp;server abgleichen</source>
        <translation>Sincronizza con il &amp;server dell’archivio</translation>
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
        <location line="-151"/>
        <source>&amp;Ansicht</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location line="-422"/>
        <source>Messung-Nr:</source>
        <translation>N. misura:</translation>
    </message>
    <message>
        <location line="+578"/>
        <source>Als Excel-&amp;Datei exportieren...</source>
        <translation>Esporta come file Exce&amp;l...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exportiert die gewählten Messungen, bei gewähltem Gerät alle, mit ihrer Statistik</source>
        <translation>Esporta le misure selezionate, tutte se è selezionato lo strumento, con le loro statistiche</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Als D&amp;FQ-Datei exportieren...</source>
        <translation>Esporta come file D&amp;FQ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exportiert die gewählten Messungen oder die Archivgruppe im Q-DAS-Format</source>
        <translation>Esporta le misure scelte o il gruppo d&apos;archivio nel formato Q-DAS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Gesamtansicht</source>
        <translation>Vista &amp;generale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeigt wieder das ganze Diagramm (Ziehen: vergrößern, rechte Maustaste: zurück, mittlere Maustaste: verschieben, Mausrad: zoomen)</source>
        <translation>Mostra di nuovo tutto il diagramma (trascinare: ingrandire, tasto destro: indietro, tasto centrale: spostare, rotella: zoom)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Als &amp;Referenz festhalten</source>
        <translation>Mantieni come &amp;riferimento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die aktuelle Messung bleibt als Referenz im Diagramm, während andere gewählt werden</source>
        <translation>La misura attuale resta nel diagramma come riferimento mentre se ne selezionano altre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Nicht ausrichten</source>
        <translation>&amp;Non allineare</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Am &amp;Start ausrichten</source>
        <translation>Allinea all&apos;&amp;inizio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Legt die Kurven so übereinander, dass ihr Kraftanstieg (5 % der Maximalkraft) bei 0 s liegt</source>
        <translation>Sovrappone le curve in modo che il loro aumento di forza (5 % della forza massima) sia a 0 s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Am &amp;Maximum ausrichten</source>
        <translation>Allinea al &amp;massimo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Legt die Kurven so übereinander, dass ihr Maximum bei 0 s liegt</source>
        <translation>Sovrappone le curve in modo che il loro massimo sia a 0 s</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/devicejob.cpp" line="+66"/>
        <source>Verbindung zum Gerät wird hergestellt...</source>
        <translation>Connessione allo strumento in corso...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+24"/>
        <source>Verbindung zum Gerät konnte nicht hergestellt werden!</source>
        <translation>Impossibile stabilire la connessione con lo strumento!</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Daten werden übertragen...</source>
        <translation>Trasferimento dati in corso...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_delete.cpp" line="+49"/>
        <source>Messung löschen</source>
        <translation>Elimina misura</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?</source>
        <translation>Eliminare davvero la misura selezionata sullo strumento?</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>Möchten Sie die %n gewählten Messungen auf dem Gerät wirklich löschen?</source>
        <translation>
            <numerusform>Eliminare davvero %n misurazione selezionata dal dispositivo?</numerusform>
            <numerusform>Eliminare davvero le %n misurazioni selezionate dal dispositivo?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Alle Messungen löschen</source>
        <translation>Elimina tutte le misure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?</source>
        <translation>Eliminare davvero TUTTE le misure sullo strumento?</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+17"/>
        <source>Daten werden gelöscht...</source>
        <translation>Eliminazione dati in corso...</translation>
    </message>
    <message>
        <location filename="../../ui/devicejob.cpp" line="+33"/>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../../plot/forceplot.cpp" line="+31"/>
        <source>Zeit ab Trigger</source>
        <translation>Tempo dal trigger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Plot 1</source>
        <translation>Curva 1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Kraft/Zeit-Diagramm</source>
        <translation>Diagramma forza/tempo</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+54"/>
        <source>Kraft</source>
        <translation>Forza</translation>
    </message>
    <message>
        <location filename="../../report/report.cpp" line="-14"/>
        <location filename="../../report/studyreport.cpp" line="+43"/>
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
        <location line="+5"/>
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
        <location line="+27"/>
        <source>Die PDF-Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Impossibile scrivere il file PDF &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../../ui/reportcommands.cpp" line="+20"/>
        <source>Bezeichnung</source>
        <translation>Denominazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte geben Sie eine Bezeichnung für den Ausdruck ein: </source>
        <translation>Inserire una denominazione per la stampa: </translation>
    </message>
    <message>
        <location filename="../../ui/exportwriter.cpp" line="+48"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>File CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Daten exportieren</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Daten werden exportiert...</source>
        <translation>Esportazione dati in corso...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Daten exportiert: %1</source>
        <translation>Dati esportati: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Daten wurden nicht exportiert.</source>
        <translation>Dati non esportati.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Impossibile scrivere il file &apos;%1&apos;!</translation>
    </message>
    <message>
        <location filename="../../ui/gaugestudypage.cpp" line="+20"/>
        <location filename="../../ui/reportcommands.cpp" line="+15"/>
        <source>PDF-Datei</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <location filename="../../ui/reportcommands.cpp" line="+2"/>
        <source>PDF-Datei speichern</source>
        <translation>Salva file PDF</translation>
    </message>
    <message>
        <location filename="../../ui/analysispanel.cpp" line="+138"/>
        <source>Referenz</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Auswahl: %1 Messungen von %2</source>
        <translation>Selezione: %1 misure di %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Archiv</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archiv: %1 Messungen von %2</source>
        <translation>Archivio: %1 misure di %2</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Q-DAS-Datei</source>
        <translation>File Q-DAS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Als DFQ-Datei exportieren</source>
        <translation>Esporta come file DFQ</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Excel-Arbeitsmappe</source>
        <translation>Cartella di lavoro Excel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Als Excel-Datei exportieren</source>
        <translation>Esporta come file Excel</translation>
    </message>
    <message>
        <location filename="../../ui/exportwriter.cpp" line="-39"/>
        <source>Keine Messungen zum Exportieren vorhanden.</source>
        <translation>Nessuna misura da esportare.</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_calibration.cpp" line="+23"/>
        <source>Kalibrierung…</source>
        <translation>Taratura…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Typ-1-Studie…</source>
        <translation>Studio tipo 1…</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Erst ein Gerät verbinden oder eine archivierte Messung wählen.</source>
        <translation>Collegare prima uno strumento o scegliere una misura archiviata.</translation>
    </message>
</context>
<context>
    <name>MainformArchive</name>
    <message>
        <location filename="../../ui/archivebrowser.cpp" line="+383"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>File CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CSV-Dateien ins Archiv importieren</source>
        <translation>Importa file CSV nell&apos;archivio</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>%1: kann nicht gelesen werden.</source>
        <translation>%1: impossibile leggerlo.</translation>
    </message>
    <message>
        <location line="+3"/>
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
    <message numerus="yes">
        <location line="+9"/>
        <source>%n Messung(en)</source>
        <translation>
            <numerusform>%n misurazione</numerusform>
            <numerusform>%n misurazioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n neu archiviert</source>
        <translation>
            <numerusform>%n archiviata ora</numerusform>
            <numerusform>%n archiviate ora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n war(en) schon im Archiv</source>
        <translation>
            <numerusform>%n era già nell&apos;archivio</numerusform>
            <numerusform>%n erano già nell&apos;archivio</numerusform>
        </translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Import ins Archiv</source>
        <translation>Importazione nell&apos;archivio</translation>
    </message>
    <message>
        <location line="-296"/>
        <source>%1: Messung %2 nicht archiviert: %3.</source>
        <translation>%1: misura %2 non archiviata: %3.</translation>
    </message>
    <message>
        <location filename="../../ui/erasequestions.cpp" line="+39"/>
        <source>Nicht archiviert</source>
        <translation>Non archiviato</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</source>
        <translation>
            <numerusform>Questa misurazione non è nell&apos;archivio: %1
Dopo la cancellazione sul dispositivo non esisterà più da nessuna parte.</numerusform>
            <numerusform>Queste misurazioni non sono nell&apos;archivio: %1
Dopo la cancellazione sul dispositivo non esisteranno più da nessuna parte.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zuerst archivieren</source>
        <translation>Archivia prima</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ohne Archiv löschen</source>
        <translation>Cancella senza archiviare</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Nicht übertragen</source>
        <translation>Non trasferite</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zuerst übertragen</source>
        <translation>Prima trasferire</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Unvollständig archiviert</source>
        <translation>Archiviazione incompleta</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Erneut übertragen: Vielleicht sendet das Gerät sie diesmal vollständig; die neuen Kopien werden neben den unvollständigen archiviert. Nach dem Löschen bleiben nur die unvollständigen Kopien.</source>
        <translation>
            <numerusform>Trasferire di nuovo: forse lo strumento la invierà completa questa volta; la nuova copia viene archiviata accanto a quella incompleta. Dopo la cancellazione resta solo la copia incompleta.</numerusform>
            <numerusform>Trasferire di nuovo: forse lo strumento le invierà complete questa volta; le nuove copie vengono archiviate accanto a quelle incomplete. Dopo la cancellazione restano solo le copie incomplete.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Erneut übertragen</source>
        <translation>Trasferire di nuovo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trotzdem löschen</source>
        <translation>Cancella comunque</translation>
    </message>
</context>
<context>
    <name>OverlayPlot</name>
    <message numerus="yes">
        <location filename="../../plot/overlayplot.cpp" line="+39"/>
        <source>… und %n weitere Kurve(n)</source>
        <translation>
            <numerusform>… e %n altra curva</numerusform>
            <numerusform>… e altre %n curve</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanEditor</name>
    <message>
        <location filename="../../ui/planeditor.ui" line="+6"/>
        <source>Prüfplan</source>
        <translation>Piano di prova</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Neu</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+117"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>Teilenummer:</source>
        <translation>Codice pezzo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Triggerkraft / N:</source>
        <translation>Forza di trigger / N:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Art</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wert</source>
        <translation>Valore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Urteil</source>
        <translation>Esito</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Hinzufügen</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Entfernen</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Art:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Untere Grenze:</source>
        <translation>Limite inferiore:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Obere Grenze:</source>
        <translation>Limite superiore:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Von / s:</source>
        <translation>Da / s:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bis / s:</source>
        <translation>A / s:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Kraft / N:</source>
        <translation>Forza / N:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Abfall:</source>
        <translation>Calo:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>in %</source>
        <translation>in %</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Abfall um / %:</source>
        <translation>Calo del / %:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Innerhalb / s:</source>
        <translation>Entro / s:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ab Kraft / N:</source>
        <translation>Oltre la forza / N:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Von Kraft / N:</source>
        <translation>Dalla forza / N:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Bis Kraft / N:</source>
        <translation>Alla forza / N:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Zeit von/bis / s:</source>
        <translation>Tempo da/a / s:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Kraft von/bis / N:</source>
        <translation>Forza da/a / N:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Eintritt:</source>
        <translation>Ingresso:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Austritt:</source>
        <translation>Uscita:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bandbreite k / %:</source>
        <translation>Ampiezza banda k / %:</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Aus gewählten Messungen lernen</source>
        <translation>Apprendi dalle misure selezionate</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Speichern</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als Datei…</source>
        <translation>Come file…</translation>
    </message>
    <message>
        <location filename="../../ui/planeditor.cpp" line="+33"/>
        <source>Maximalkraft</source>
        <translation>Forza massima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelkraft</source>
        <translation>Forza media</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kraft bei Zeit</source>
        <translation>Forza al tempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelkraft im Zeitfenster</source>
        <translation>Forza media nella finestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimum im Zeitfenster</source>
        <translation>Minimo nella finestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum im Zeitfenster</source>
        <translation>Massimo nella finestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erster Peak</source>
        <translation>Primo picco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bruchkraft</source>
        <translation>Forza di rottura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bruchzeit</source>
        <translation>Tempo di rottura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit bis Kraft</source>
        <translation>Tempo fino alla forza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit über Kraft</source>
        <translation>Tempo sopra la forza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arbeit</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenster</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hüllkurve</source>
        <translation>Inviluppo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>keine</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>links</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rechts</source>
        <translation>destra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unten</source>
        <translation>basso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>oben</source>
        <translation>alto</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Neuer Prüfplan</source>
        <translation>Nuovo piano di prova</translation>
    </message>
    <message>
        <location line="+206"/>
        <source>nicht gespeichert</source>
        <translation>non salvato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>geändert</source>
        <translation>modificato</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Merkmal %1</source>
        <translation>Caratteristica %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Aus den gewählten Messungen lässt sich keine Hüllkurve bilden: Wählen Sie Messungen, die die Triggerkraft erreichen.</source>
        <translation>Dalle misure selezionate non si può ricavare un inviluppo: selezionare misure che raggiungono la forza di trigger.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Der Prüfplan braucht einen Namen.</source>
        <translation>Il piano di prova ha bisogno di un nome.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Prüfplan öffnen</source>
        <translation>Apri piano di prova</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+22"/>
        <source>Prüfplan (*.json)</source>
        <translation>Piano di prova (*.json)</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Die Datei &apos;%1&apos; ist kein Prüfplan: %2</source>
        <translation>Il file &apos;%1&apos; non è un piano di prova: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Prüfplan speichern</source>
        <translation>Salva piano di prova</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden: %2</source>
        <translation>Il file &apos;%1&apos; non è stato scritto: %2</translation>
    </message>
</context>
<context>
    <name>PlanEvaluationDialog</name>
    <message>
        <location filename="../../ui/planevaluationdialog.ui" line="+14"/>
        <source>Bewertung mit Prüfplan</source>
        <translation>Valutazione con piano di prova</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Merkmal</source>
        <translation>Caratteristica</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bewertet</source>
        <translation>valutate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>i.O.</source>
        <translation>in toll.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>n.i.O.</source>
        <translation>fuori toll.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nicht gefunden</source>
        <translation>non trovate</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>n.i.O. bewertete Messungen:</source>
        <translation>Misure valutate fuori tolleranza:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Seriennummer</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merkmale n.i.O.</source>
        <translation>Caratteristiche fuori toll.</translation>
    </message>
    <message>
        <location filename="../../ui/planevaluationdialog.cpp" line="+29"/>
        <source>Prüfplan %1, Version %2</source>
        <translation>Piano di prova %1, versione %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Als CSV speichern...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n Messung(en) bewertet</source>
        <translation>
            <numerusform>%n misura valutata</numerusform>
            <numerusform>%n misure valutate</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 i.O., %2 n.i.O.</source>
        <translation>%1 in toll., %2 fuori toll.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(abgebrochen nach %1 von %2)</source>
        <translation>(annullata dopo %1 di %2)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Bewertung speichern</source>
        <translation>Salva valutazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV-Dateien (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Impossibile scrivere il file &apos;%1&apos;!</translation>
    </message>
</context>
<context>
    <name>PlanOverlay</name>
    <message>
        <location filename="../../plot/planoverlay.cpp" line="+60"/>
        <source>ein</source>
        <translation>entrata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aus</source>
        <translation>uscita</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../measurement/csvexportlayout.cpp" line="+20"/>
        <source>Kraft</source>
        <translation>Forza</translation>
    </message>
    <message>
        <location filename="../../measurement/dblist.cpp" line="+102"/>
        <source>Seriennummer Gerät:</source>
        <translation>N. di serie strumento:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Messung-Nr:</source>
        <translation>N. misura:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeit:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <location filename="../../measurement/csvexportlayout.cpp" line="-5"/>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../../device/quorixtspx.cpp" line="+83"/>
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
    <name>RunRules</name>
    <message>
        <location filename="../../measurement/runrules.cpp" line="+142"/>
        <source>Punkt außerhalb der Eingriffsgrenzen</source>
        <translation>Punto oltre i limiti di controllo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2 von 3 Punkten jenseits 2 Sigma auf einer Seite</source>
        <translation>2 punti su 3 oltre 2 sigma dallo stesso lato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>4 von 5 Punkten jenseits 1 Sigma auf einer Seite</source>
        <translation>4 punti su 5 oltre 1 sigma dallo stesso lato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>8 Punkte in Folge auf einer Seite der Mittellinie</source>
        <translation>8 punti consecutivi dallo stesso lato della linea centrale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>9 Punkte in Folge auf einer Seite der Mittellinie</source>
        <translation>9 punti consecutivi dallo stesso lato della linea centrale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 Punkte in Folge stetig steigend oder fallend</source>
        <translation>6 punti consecutivi in costante aumento o diminuzione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>14 Punkte in Folge abwechselnd auf und ab</source>
        <translation>14 punti consecutivi alternati su e giù</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>15 Punkte in Folge innerhalb 1 Sigma</source>
        <translation>15 punti consecutivi entro 1 sigma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>8 Punkte in Folge jenseits 1 Sigma, beide Seiten</source>
        <translation>8 punti consecutivi oltre 1 sigma, su entrambi i lati</translation>
    </message>
</context>
<context>
    <name>SeriesChart</name>
    <message>
        <location filename="../../measurement/serieschart.cpp" line="+63"/>
        <source>Streuung</source>
        <translation>dispersione</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Regelkarte</source>
        <translation>Carta di controllo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Einzelwerte</source>
        <translation>Valori singoli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelwerte der Untergruppen</source>
        <translation>Medie dei sottogruppi</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Standardabweichungen der Untergruppen</source>
        <translation>Deviazioni standard dei sottogruppi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spannweiten der Untergruppen</source>
        <translation>Escursioni dei sottogruppi</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gleitende Spannweiten</source>
        <translation>Escursioni mobili</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Mittellinie</source>
        <translation>Linea centrale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Untere Eingriffsgrenze</source>
        <translation>Limite di controllo inferiore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Obere Eingriffsgrenze</source>
        <translation>Limite di controllo superiore</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>M</source>
        <extracomment>the centre line of a control chart (CL)</extracomment>
        <translation>LC</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UEG</source>
        <extracomment>lower control limit (LCL)</extracomment>
        <translation>LIC</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OEG</source>
        <extracomment>upper control limit (UCL)</extracomment>
        <translation>LSC</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UGW</source>
        <extracomment>lower tolerance limit (LSL)</extracomment>
        <translation>LIS</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OGW</source>
        <extracomment>upper tolerance limit (USL)</extracomment>
        <translation>LSS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Punkt</source>
        <translation>Punto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regel</source>
        <translation>Regola</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messungen</source>
        <translation>Misure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Grenzen aus dem Referenzzeitraum</source>
        <translation>limiti del periodo di riferimento</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zu wenige Messungen für eine Regelkarte (mindestens zwei Punkte).</source>
        <translation>Troppo poche misure per una carta di controllo (almeno due punti).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keine Regel verletzt.</source>
        <translation>Nessuna regola violata.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ein Gut/Schlecht-Merkmal hat keine Regelkarte, nur die Zahl der n.i.O.</source>
        <translation>Una caratteristica conforme/non conforme non ha carta di controllo, solo il numero dei non conformi.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messung(en) nach der letzten ganzen Untergruppe nicht in der Karte.</source>
        <translation>
            <numerusform>%n misura dopo l&apos;ultimo sottogruppo completo non è nella carta.</numerusform>
            <numerusform>%n misure dopo l&apos;ultimo sottogruppo completo non sono nella carta.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeriesStatistics</name>
    <message>
        <location filename="../../measurement/seriesstatistics.cpp" line="+267"/>
        <source>Statistik</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Maximalkraft</source>
        <translation>Forza massima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mittelwert der Kraft</source>
        <translation>Forza media</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Mittelwert</source>
        <translation>Media</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standardabweichung</source>
        <translation>Deviazione standard</translation>
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
        <translation>Minimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannweite</source>
        <translation>Campo di variazione</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>nicht fähig</source>
        <translation>non capace</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>fähig</source>
        <translation>capace</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gut fähig</source>
        <translation>ben capace</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cpk %1: %2 (fähig ab %3, gut ab %4)</source>
        <translation>Cpk %1: %2 (capace da %3, ben capace da %4)</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 von %n n.i.O.</source>
        <translation>
            <numerusform>%1 su %n non conformi.</numerusform>
            <numerusform>%1 su %n non conformi.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+32"/>
        <source>i.O.</source>
        <translation>in toll.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>n.i.O.: %1</source>
        <translation>non conforme: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>IO</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NIO</source>
        <translation>Non conforme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Zahl</source>
        <translation>non un numero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nicht gefunden</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Untere Grenze:</source>
        <translation>Limite inferiore:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Obere Grenze:</source>
        <translation>Limite superiore:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messung</source>
        <translation>Misura</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ergebnis</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hinweis: weniger als 30 Messungen, Pp, Ppk, Cp und Cpk sind nur ein Anhalt.</source>
        <translation>Nota: meno di 30 misure, Pp, Ppk, Cp e Cpk sono solo indicativi.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messungen ausgelassen: ein Wert ist keine Zahl.</source>
        <translation>
            <numerusform>%n misurazione esclusa: un valore non è un numero.</numerusform>
            <numerusform>%n misurazioni escluse: un valore non è un numero.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messungen ohne Wert für %1: nicht auf der Kurve gefunden.</source>
        <translation>
            <numerusform>%n misura senza valore per %1: non trovata sulla curva.</numerusform>
            <numerusform>%n misure senza valore per %1: non trovate sulla curva.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Die Grenzwerte für %1 werden nicht verwendet: die untere (%2) liegt nicht unter der oberen (%3).</source>
        <translation>I limiti per %1 non vengono usati: quello inferiore (%2) non è sotto quello superiore (%3).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Pp und Ppk aus der Gesamtstreuung s, Cp und Cpk aus der Streuung innerhalb σ = %1.</source>
        <translation>Pp e Ppk dalla dispersione complessiva s, Cp e Cpk dalla dispersione interna σ = %1.</translation>
    </message>
    <message>
        <location line="-20"/>
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
        <location line="+56"/>
        <source>* Die Sprache wird erst nach einem Neustart geladen</source>
        <translation>* La lingua viene caricata solo dopo un riavvio</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drucken</source>
        <translation>Stampa</translation>
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
        <translation>Archivio</translation>
    </message>
    <message>
        <location line="-208"/>
        <source>&amp;Sprache</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>&amp;Logo:</source>
        <translation>L&amp;ogo:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Kopfzeile:</source>
        <translation>&amp;Intestazione:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;Untere Grenze</source>
        <translation>Limite i&amp;nferiore</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Obere Grenze</source>
        <translation>Limite &amp;superiore</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Fähigkeit</source>
        <translation>Capacità</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fähig ab Cpk:</source>
        <translation>Capace da Cpk:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Gut fähig ab Cpk:</source>
        <translation>Ben capace da Cpk:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Archiv&amp;datei:</source>
        <translation>&amp;File d&apos;archivio:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Sc&amp;hnelle Übertragung: archivierte Messungen nicht erneut übertragen</source>
        <translation>&amp;Trasferimento rapido: non trasferire di nuovo le misurazioni archiviate</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gemeinsames Archiv auf einem PostgreSQL-Server (die Archivdatei hält, was auf ihn wartet)</source>
        <translation>Archivio comune su un server PostgreSQL (il file dell’archivio conserva ciò che lo attende)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ser&amp;ver:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rechnername, IP-Adresse oder Socket-Ordner</source>
        <translation>nome host, indirizzo IP o cartella del socket</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>P&amp;ort:</source>
        <translation>P&amp;orta:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Daten&amp;bank:</source>
        <translation>Data&amp;base:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ben&amp;utzer:</source>
        <translation>&amp;Utente:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verschlüsselung (ss&amp;lmode):</source>
        <translation>Cifratura (ss&amp;lmode):</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>S&amp;tation:</source>
        <translation>S&amp;tazione:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Das Passwort steht nicht in den Einstellungen: es gehört in die Datei ~/.pgpass (Rechte 0600).</source>
        <translation>La password non è nelle impostazioni: va nel file ~/.pgpass (permessi 0600).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Verbindung testen</source>
        <translation>&amp;Verifica connessione</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp" line="-185"/>
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
        <location line="+103"/>
        <source>Verbindung wird geprüft...</source>
        <translation>Verifica della connessione...</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Grenzen in %1: die untere (%2) liegt nicht unter der oberen (%3).</source>
        <translation>Limiti in %1: quello inferiore (%2) non è sotto quello superiore (%3).</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Alle Bilder</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bild</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archivdatei</source>
        <translation>File d&apos;archivio</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="-302"/>
        <source>Grenzwerte der Maximalkraft</source>
        <translation>Limiti della forza massima</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Leere Felder: keine Grenze. Die Statistik bewertet jede Messung damit.</source>
        <translation>Campi vuoti: nessun limite. La statistica valuta ogni misura con essi.</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <location filename="../../ui/statisticsview.ui" line="+35"/>
        <source>Statistik der gewählten Messungen</source>
        <translation>Statistica delle misure selezionate</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Maximalkraft jeder Messung gegen die Grenzwerte</source>
        <translation>Forza massima di ogni misura rispetto ai limiti</translation>
    </message>
</context>
<context>
    <name>TestPlan</name>
    <message>
        <location filename="../../measurement/testplan.cpp" line="+168"/>
        <source>Merkmal %1 (%2): %3</source>
        <translation>Caratteristica %1 (%2): %3</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Name oder Art fehlt</source>
        <translation>nome o tipo mancante</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ein Wert fehlt</source>
        <translation>manca un valore</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>die untere Grenze liegt nicht unter der oberen</source>
        <translation>il limite inferiore non è sotto quello superiore</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Fenster oder Hüllkurve unvollständig</source>
        <translation>finestra o inviluppo incompleto</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>i.O.</source>
        <translation>in toll.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n.i.O.</source>
        <translation>fuori toll.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>kein Bruch</source>
        <translation>nessuna rottura</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Die Datei ist kein Prüfplan.</source>
        <translation>Il file non è un piano di prova.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Der Prüfplan hat keinen Namen oder keine Merkmale.</source>
        <translation>Il piano di prova non ha nome o caratteristiche.</translation>
    </message>
</context>
</TS>
