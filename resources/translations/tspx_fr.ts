<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>ArchiveFilterBar</name>
    <message>
        <location filename="../../ui/archivefilterbar.ui" line="+32"/>
        <source>Archiv durchsuchen: Bezeichnung oder Seriennummer</source>
        <translation>Rechercher dans l&apos;archive : désignation ou numéro de série</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Archiv durchsuchen</source>
        <translation>Rechercher dans l&apos;archive</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Zeitraum:</source>
        <translation>Période :</translation>
    </message>
</context>
<context>
    <name>ArchiveServerStatus</name>
    <message>
        <location filename="../../ui/archiveserverstatus.cpp" line="+54"/>
        <source>Hochladen</source>
        <translation>Téléverser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Später</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Archivserver nimmt Messungen nicht an</source>
        <translation>Le serveur d&apos;archives n&apos;accepte pas les mesures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archivserver: %1</source>
        <translation>Serveur d’archive : %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Archivserver nicht erreichbar</source>
        <translation>Serveur d’archive injoignable</translation>
    </message>
</context>
<context>
    <name>ArchiveTree</name>
    <message>
        <location filename="../../ui/archivetree.cpp" line="+36"/>
        <source>ohne Seriennummer</source>
        <translation>sans numéro de série</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ohne Datum</source>
        <translation>sans date</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ohne Station</source>
        <translation>sans poste</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Keine Treffer</source>
        <translation>Aucun résultat</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <location filename="../../ui/calibrationdialog.ui" line="+14"/>
        <source>Kalibrierung</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Zertifikat</source>
        <translation>Certificat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kalibriert am</source>
        <translation>Étalonné le</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fällig am</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Labor</source>
        <translation>Laboratoire</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Normal</source>
        <translation>Étalon</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bemerkung</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erfasst von</source>
        <translation>Saisi par</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Neue Kalibrierung (eine Korrektur ist ein neuer Eintrag)</source>
        <translation>Nouvel étalonnage (une correction est un nouvel enregistrement)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zertifikat-Nr.:</source>
        <translation>N° de certificat :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kalibriert am:</source>
        <translation>Étalonné le :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Fällig am:</source>
        <translation>Échéance :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Labor:</source>
        <translation>Laboratoire :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Erweiterte Unsicherheit U (k = 2) / N:</source>
        <translation>Incertitude élargie U (k = 2) / N :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Referenznormal:</source>
        <translation>Étalon de référence :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Bemerkung:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Hinzufügen</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location filename="../../ui/calibrationdialog.cpp" line="+36"/>
        <source>Kalibrierung des Geräts %1</source>
        <translation>Étalonnage de l&apos;appareil %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Fällig am %1.</source>
        <translation>Échéance le %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Die Unsicherheit ist eine Zahl in N mit Punkt, z. B. 0.25.</source>
        <translation>L&apos;incertitude est un nombre en N avec un point, p. ex. 0.25.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Eine Kalibrierung braucht eine Zertifikat-Nr. und ein Fälligkeitsdatum nicht vor dem Kalibrierdatum.</source>
        <translation>Un étalonnage exige un numéro de certificat et une échéance qui ne précède pas la date d&apos;étalonnage.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <location filename="../../cli/cliargs.cpp" line="+67"/>
        <source>Mit --help werden die Befehle und Optionen gezeigt.</source>
        <translation>--help affiche les commandes et les options.</translation>
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
        <translation>Commandes :
  scan      les ports COM1 à COM30 et ce qui y répond
  info      numéro de série, version du logiciel et unité de force de l&apos;appareil
  list      les mesures enregistrées
  download  mesures en CSV, JSON ou DFQ (--slots ou --all, -o ;
            DFQ avec --plan aussi les caractéristiques du plan de contrôle)
  delete    effacer des mesures sur l&apos;appareil (--slots ou --all, --yes ;
            --erase-incomplete aussi celles archivées seulement incomplètes)
  report    rapport d&apos;une mesure en PDF (--slot, -o)
  stats     statistiques, capabilité et violations de règles (--slots ou --all ;
            --archive avec --serial, --station, --from, --to, --search ;
            --plan avec les caractéristiques du plan, --characteristic en carte)
  archive init    créer l&apos;archive sur le serveur (en tant que propriétaire)
  archive list    les mesures archivées (--format table ou json)
  archive sync    envoyer au serveur d&apos;archive les mesures en attente et
                  celles du fichier d&apos;archive qui lui manquent
  archive verify  vérifier le chaînage des mesures archivées
  gauge calibration add   enregistrer un étalonnage (--certificate,
                          --calibrated, --due, --serial ou l&apos;appareil)
  gauge calibration list  les étalonnages de l&apos;appareil
  msa type1  capabilité du moyen de mesure, type 1 (--reference, --tolerance ou
             --lower/--upper ; --slots, --all ou --archive avec les filtres de stats)
  evaluate  juger des mesures selon un plan de contrôle (--plan ; --slots, --all
            ou --archive ; --format table, tsv ou json)

Codes de retour : 0 terminé, 2 appel erroné, 3 aucun appareil trouvé,
4 erreur de communication avec l&apos;appareil, 5 fichier ou archive inutilisable,
6 stats : limite dépassée ou règle violée, msa : non capable,
evaluate : une mesure n.i.O.,
7 mesures archivées modifiées.
</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Aufruf: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Optionen]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionen:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Argumente:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Keine Zahl: --%1 %2</source>
        <translation>Pas un nombre : --%1 %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>msa type1 braucht --reference.</source>
        <translation>msa type1 exige --reference.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa type1 braucht --tolerance oder --lower und --upper.</source>
        <translation>msa type1 exige --tolerance ou --lower et --upper.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa type1 braucht --slots, --all oder --archive.</source>
        <translation>msa type1 exige --slots, --all ou --archive.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>gauge calibration add braucht --certificate, --calibrated JJJJ-MM-TT und --due JJJJ-MM-TT.</source>
        <translation>gauge calibration add exige --certificate, --calibrated AAAA-MM-JJ et --due AAAA-MM-JJ.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Fälligkeitsdatum liegt vor dem Kalibrierdatum.</source>
        <translation>La date d&apos;échéance précède la date d&apos;étalonnage.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--slots gilt nur für download, delete, stats und msa.</source>
        <translation>--slots ne s&apos;applique qu&apos;à download, delete, stats et msa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ungültige Speicherplätze: %1 (erlaubt sind 1 bis %2)</source>
        <translation>Emplacements non valides : %1 (autorisés : 1 à %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--slots und --all schließen sich aus.</source>
        <translation>--slots et --all s&apos;excluent mutuellement.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete braucht --slots oder --all.</source>
        <translation>delete nécessite --slots ou --all.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gelöscht wird nur mit --yes.</source>
        <translation>Rien n&apos;est effacé sans --yes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--erase-incomplete gilt nur für delete.</source>
        <translation>--erase-incomplete ne s&apos;applique qu&apos;à delete.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 braucht -o DATEI.</source>
        <translation>%1 nécessite -o FICHIER.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--serial, --station, --from, --to und --search gelten nur mit stats --archive.</source>
        <translation>--serial, --station, --from, --to et --search ne valent qu&apos;avec stats --archive.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--archive gilt nur für stats und msa.</source>
        <translation>--archive ne s&apos;applique qu&apos;à stats et msa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--archive und --slots oder --all schließen sich aus.</source>
        <translation>--archive exclut --slots et --all.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kein Datum (JJJJ-MM-TT): %1</source>
        <translation>Pas une date (AAAA-MM-JJ) : %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>evaluate braucht --plan DATEI oder NAME.</source>
        <translation>evaluate demande --plan FICHIER ou NOM.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--plan gilt nur für evaluate, stats und download --format dfq.</source>
        <translation>--plan ne vaut que pour evaluate, stats et download --format dfq.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--characteristic gilt nur für stats mit --plan.</source>
        <translation>--characteristic ne vaut que pour stats avec --plan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>evaluate braucht --slots, --all oder --archive.</source>
        <translation>evaluate demande --slots, --all ou --archive.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unbekanntes Format: %1</source>
        <translation>Format inconnu : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unbekannte Regelkarte: %1</source>
        <translation>Carte de contrôle inconnue : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unbekannte Regeln: %1</source>
        <translation>Règles inconnues : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Untergruppe hat 2 bis 10 Messungen.</source>
        <translation>Un sous-groupe compte 2 à 10 mesures.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kein Grenzwert: %1</source>
        <translation>N&apos;est pas une limite : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--lower %1 liegt nicht unter --upper %2.</source>
        <translation>--lower %1 n’est pas inférieur à --upper %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>report braucht --slot N (1 bis 50).</source>
        <translation>report nécessite --slot N (1 à 50).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Protokoll wird in eine Datei geschrieben, nicht auf die Standardausgabe.</source>
        <translation>Le rapport est écrit dans un fichier, pas sur la sortie standard.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Liest Messungen des Kraftmessgeräts Tensimo Parl über die serielle Schnittstelle.</source>
        <translation>Lit les mesures du dynamomètre Tensimo Parl par le port série.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einer der Befehle unten.</source>
        <translation>Une des commandes ci-dessous.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeigt diese Hilfe.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeigt die Version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nur diese Schnittstelle (COMn oder Gerätedatei).</source>
        <translation>Uniquement ce port (COMn ou fichier de périphérique).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sprache der Texte (%1); ohne sie die der Umgebung (LC_ALL, LC_MESSAGES, LANG).</source>
        <translation>Langue des textes (%1) ; sans elle, celle de l&apos;environnement (LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keine Meldungen außer Fehlern.</source>
        <translation>Aucun message sauf les erreurs.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protokollzeilen auf der Standardfehlerausgabe.</source>
        <translation>Lignes de journal sur la sortie d&apos;erreur standard.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze, z. B. 1,3-7.</source>
        <translation>Emplacements, p. ex. 1,3-7.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle Speicherplätze.</source>
        <translation>Tous les emplacements.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zieldatei; - für die Standardausgabe.</source>
        <translation>Fichier cible ; - pour la sortie standard.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>download: csv (wie der Export des Programms), json oder dfq (Q-DAS); stats: table (Spalten zum Lesen), tsv (tabulatorgetrennt) oder json; archive list: table oder json.</source>
        <translation>download : csv (comme l&apos;export du programme), json ou dfq (Q-DAS) ; stats : table (colonnes à lire), tsv (séparé par des tabulations) ou json ; archive list : table ou json.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>dfq: Teilenummer (K1001).</source>
        <translation>dfq : numéro de pièce (K1001).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dfq: Teilebezeichnung (K1002).</source>
        <translation>dfq : désignation de la pièce (K1002).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Regelkarte imr, xbar-s oder xbar-r.</source>
        <translation>stats : carte de contrôle imr, xbar-s ou xbar-r.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Messungen je Untergruppe (2 bis 10).</source>
        <translation>stats : mesures par sous-groupe (2 à 10).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: Regeln nelson (1-8) oder we (Western Electric 1-4).</source>
        <translation>stats : règles nelson (1-8) ou we (Western Electric 1-4).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: untere Grenze der Maximalkraft.</source>
        <translation>stats : limite inférieure de la force maximale.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats: obere Grenze der Maximalkraft.</source>
        <translation>stats : limite supérieure de la force maximale.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats, msa: die Messungen des Archivs statt der des Geräts.</source>
        <translation>stats, msa : les mesures de l&apos;archive au lieu de celles de l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats, msa --archive: Teil der Seriennummer; gauge: Seriennummer des Geräts (ohne sie das angeschlossene).</source>
        <translation>stats, msa --archive : partie du numéro de série ; gauge : numéro de série de l&apos;appareil (sans lui, celui qui est connecté).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --archive: nur diese Station.</source>
        <translation>stats --archive : seulement ce poste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats --archive: erster Tag (JJJJ-MM-TT).</source>
        <translation>stats --archive : premier jour (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stats --archive: letzter Tag (JJJJ-MM-TT).</source>
        <translation>stats --archive : dernier jour (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --archive: Teil der Bezeichnung oder der Seriennummer.</source>
        <translation>stats --archive : partie de la désignation ou du numéro de série.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>evaluate, stats, download --format dfq: der Prüfplan, eine JSON-Datei oder der Name eines archivierten.</source>
        <translation>evaluate, stats, download --format dfq : le plan de contrôle, un fichier JSON ou le nom d’un plan archivé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stats --plan: Regelkarte und Grenzwerte dieses Merkmals des Prüfplans.</source>
        <translation>stats --plan : carte de contrôle et limites de cette caractéristique du plan de contrôle.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Löschen ohne Rückfrage bestätigen.</source>
        <translation>Confirmer l&apos;effacement sans demande.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete: auch Messungen löschen, die nur unvollständig archiviert sind (das Gerät hat weniger Messwerte gesendet, als es angibt).</source>
        <translation>delete : effacer aussi les mesures archivées seulement incomplètes (l&apos;appareil a envoyé moins de valeurs qu&apos;il n&apos;en indique).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicherplatz der Messung.</source>
        <translation>Emplacement de la mesure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bezeichnung im Protokoll.</source>
        <translation>Désignation dans le rapport.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Nummer des Kalibrierscheins.</source>
        <translation>gauge : numéro du certificat d&apos;étalonnage.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Kalibrierdatum (JJJJ-MM-TT).</source>
        <translation>gauge : date d&apos;étalonnage (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: nächste Kalibrierung fällig am (JJJJ-MM-TT).</source>
        <translation>gauge : prochain étalonnage dû le (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Kalibrierlabor.</source>
        <translation>gauge : laboratoire d&apos;étalonnage.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gauge: erweiterte Messunsicherheit U (k = 2) in N.</source>
        <translation>gauge : incertitude élargie U (k = 2) en N.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Bezugsnormal der Kalibrierung.</source>
        <translation>gauge : étalon de référence de l&apos;étalonnage.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gauge: Bemerkung.</source>
        <translation>gauge : remarque.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>msa: Referenzwert des Normals.</source>
        <translation>msa : valeur de référence de l&apos;étalon.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa: Toleranz des Merkmals.</source>
        <translation>msa : tolérance de la caractéristique.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>msa: Auflösung des Geräts (Vorgabe 0.1).</source>
        <translation>msa : résolution de l&apos;appareil (par défaut 0.1).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unbekannte Sprache: %1. Bekannt sind %2.</source>
        <translation>Langue inconnue : %1. Les langues connues sont %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kein Befehl angegeben.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>archive braucht init, list, sync oder verify.</source>
        <translation>archive demande init, list, sync ou verify.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>gauge braucht calibration add oder calibration list.</source>
        <translation>gauge exige calibration add ou calibration list.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>msa braucht type1.</source>
        <translation>msa exige type1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nur ein Befehl auf einmal.</source>
        <translation>Une seule commande à la fois.</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Unbekannter Befehl: %1</source>
        <translation>Commande inconnue : %1</translation>
    </message>
    <message>
        <location filename="../../cli/clireport.cpp" line="+20"/>
        <source>Speicherplatz %1 ist leer.</source>
        <translation>L&apos;emplacement %1 est vide.</translation>
    </message>
    <message>
        <location filename="../../cli/clirunner.cpp" line="+115"/>
        <source>Speicherplatz %1 von %2</source>
        <translation>Emplacement %1 sur %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Kein Gerät gefunden (COM1 bis COM30).</source>
        <translation>Aucun appareil trouvé (COM1 à COM30).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kein Gerät an %1.</source>
        <translation>Aucun appareil sur %1.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Erreur lors du transfert des données !</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Übertragene Messungen: %1</source>
        <translation>Mesures transférées : %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Teilenummer und Teilebezeichnung sind in der DFQ-Datei auf %1 und %2 Zeichen gekürzt.</source>
        <translation>Le numéro et la désignation de la pièce sont tronqués à %1 et %2 caractères dans le fichier DFQ.</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Der Prüfplan %1 hat kein Merkmal &apos;%2&apos;.</source>
        <translation>Le plan de contrôle %1 n’a pas de caractéristique « %2 ».</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Gelöschte Messungen: %1</source>
        <translation>Mesures effacées : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nicht im Archiv und darum nicht gelöscht: %1. Zuerst mit download übertragen.</source>
        <translation>Absentes de l&apos;archive et donc non effacées : %1. Les transférer d&apos;abord avec download.</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Nicht gelöscht. Erneut mit download übertragen (vielleicht sendet das Gerät sie diesmal vollständig) oder mit --erase-incomplete löschen.</source>
        <translation>
            <numerusform>Non effacée. La transférer à nouveau avec download (l&apos;appareil l&apos;enverra peut-être complète cette fois) ou l&apos;effacer avec --erase-incomplete.</numerusform>
            <numerusform>Non effacées. Les transférer à nouveau avec download (l&apos;appareil les enverra peut-être complètes cette fois) ou les effacer avec --erase-incomplete.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Le fichier &apos;%1&apos; n&apos;a pas pu être écrit !</translation>
    </message>
    <message>
        <location filename="../../cli/clioutput.cpp" line="+44"/>
        <source>Unbekannter Fehler</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Standardausgabe konnte nicht geschrieben werden: %1</source>
        <translation>Impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <location filename="../../cli/clievaluate.cpp" line="+30"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Urteil</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Prüfplan %1, Version %2</source>
        <translation>Plan de contrôle %1, version %2</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Im Archiv ist kein Prüfplan &apos;%1&apos;.</source>
        <translation>L&apos;archive ne contient pas de plan de contrôle &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 von %2 Messungen bewertet</source>
        <translation>%1 mesures sur %2 évaluées</translation>
    </message>
</context>
<context>
    <name>CommandStates</name>
    <message>
        <location filename="../../ui/commandstates.cpp" line="+35"/>
        <source>Gewählte Messungen e&amp;xportieren...</source>
        <translation>E&amp;xporter les mesures sélectionnées...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Gewählte Messungen &amp;löschen</source>
        <translation>&amp;Supprimer les mesures sélectionnées</translation>
    </message>
</context>
<context>
    <name>ControlChartView</name>
    <message>
        <location filename="../../ui/controlchartview.ui" line="+31"/>
        <source>Merkmal der Regelkarte</source>
        <translation>Caractéristique de la carte de contrôle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Art der Regelkarte</source>
        <translation>Type de carte de contrôle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Untergruppe:</source>
        <translation>Sous-groupe :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Regeln für Muster in der Karte</source>
        <translation>Règles pour les motifs dans la carte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grenzen festhalten</source>
        <translation>Figer les limites</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die jetzigen Eingriffsgrenzen als Referenz für die folgenden Auswahlen behalten</source>
        <translation>Garder les limites de contrôle actuelles comme référence pour les sélections suivantes</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Punkte, die eine Regel verletzen</source>
        <translation>Points qui violent une règle</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <location filename="../../archive/csvimport.cpp" line="+61"/>
        <source>die Seriennummer enthält ein Nullzeichen</source>
        <translation>le numéro de série contient un caractère nul</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>negative Messungsnummer</source>
        <translation>numéro de mesure négatif</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Messwerte</source>
        <translation>aucune valeur mesurée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ein Messwert ist keine endliche Zahl</source>
        <translation>une valeur mesurée n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keine Abtastrate aus den Zeiten</source>
        <translation>pas de fréquence d&apos;échantillonnage d&apos;après les temps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum oder Zeit nicht lesbar</source>
        <translation>date ou heure illisible</translation>
    </message>
</context>
<context>
    <name>DfqPartDialog</name>
    <message>
        <location filename="../../ui/dfqpartdialog.ui" line="+14"/>
        <source>Teil der DFQ-Datei</source>
        <translation>Pièce du fichier DFQ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Teilenummer (K1001):</source>
        <translation>Numéro de pièce (K1001) :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Teilebezeichnung (K1002):</source>
        <translation>Désignation de la pièce (K1002) :</translation>
    </message>
</context>
<context>
    <name>GaugeCalibration</name>
    <message>
        <location filename="../../cli/cligauge.cpp" line="+119"/>
        <source>Kalibrierungen und Studien werden nur im erreichbaren Archiv gespeichert und gelesen.</source>
        <translation>Les étalonnages et les études ne sont enregistrés et lus que dans une archive joignable.</translation>
    </message>
    <message>
        <location filename="../../measurement/gaugecalibration.cpp" line="+17"/>
        <source>Kalibrierung überfällig</source>
        <translation>étalonnage échu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ohne Kalibrierung</source>
        <translation>sans étalonnage</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Die Kalibrierung des Geräts %1 war am %2 fällig.</source>
        <translation>L&apos;étalonnage de l&apos;appareil %1 était dû le %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Für das Gerät %1 ist keine Kalibrierung erfasst.</source>
        <translation>Aucun étalonnage n&apos;est enregistré pour l&apos;appareil %1.</translation>
    </message>
    <message>
        <location filename="../../measurement/workbookexport.cpp" line="+127"/>
        <location filename="../../report/report.cpp" line="+195"/>
        <source>Kalibrierung:</source>
        <translation>Étalonnage :</translation>
    </message>
</context>
<context>
    <name>GaugeStudy</name>
    <message>
        <location filename="../../measurement/gaugestudy.cpp" line="+125"/>
        <source>Eine Typ-1-Studie braucht %1 bis %2 Messungen.</source>
        <translation>Une étude de type 1 exige %1 à %2 mesures.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Toleranz muss größer als 0 sein.</source>
        <translation>La tolérance doit être supérieure à 0.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ein Wert der Studie ist keine Zahl.</source>
        <translation>Une valeur de l&apos;étude n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Messmittel fähig</source>
        <translation>Moyen de mesure capable</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Messmittel nicht fähig</source>
        <translation>Moyen de mesure non capable</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messmittelfähigkeit Verfahren 1</source>
        <translation>Capabilité du moyen de mesure, type 1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Messungen n</source>
        <translation>Mesures n</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Referenzwert xm</source>
        <translation>Valeur de référence xm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toleranz T</source>
        <translation>Tolérance T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelwert x̄</source>
        <translation>Moyenne x̄</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standardabweichung s</source>
        <translation>Écart-type s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Systematische Messabweichung x̄ − xm</source>
        <translation>Biais x̄ − xm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mindestwert Cg, Cgk</source>
        <translation>Minimum Cg, Cgk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t-Wert der Abweichung (kritisch %1)</source>
        <translation>t du biais (critique %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abweichung signifikant (5 %)</source>
        <translation>Biais significatif (5 %)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ja</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nein</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auflösung / T (höchstens 5 %)</source>
        <translation>Résolution / T (au plus 5 %)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ergebnis</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <location filename="../../plot/type1chartplot.cpp" line="+62"/>
        <source>Referenz</source>
        <translation>Référence</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Messung</source>
        <translation>Mesure</translation>
    </message>
</context>
<context>
    <name>GaugeStudyPage</name>
    <message>
        <location filename="../../ui/gaugestudypage.ui" line="+14"/>
        <source>Messmittelfähigkeit Verfahren 1</source>
        <translation>Capabilité de l&apos;instrument type 1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Referenzwert xm:</source>
        <translation>Valeur de référence xm :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Toleranz T:</source>
        <translation>Tolérance T :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>oder untere Grenze:</source>
        <translation>ou limite inférieure :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>obere Grenze:</source>
        <translation>limite supérieure :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auflösung des Geräts:</source>
        <translation>Résolution de l&apos;appareil :</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Berechnen</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Im Archiv speichern</source>
        <translation>Enregistrer dans l&apos;archive</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als PDF speichern…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/gaugestudypage.cpp" line="+45"/>
        <source>Gerät %1: %n Maximalkräfte in %2</source>
        <translation>
            <numerusform>Appareil %1 : %n force maximale en %2</numerusform>
            <numerusform>Appareil %1 : %n forces maximales en %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Referenzwert und Toleranz (oder beide Grenzen) als Zahlen mit Punkt eingeben.</source>
        <translation>Saisissez la valeur de référence et la tolérance (ou les deux limites) en nombres avec un point.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>im Archiv gespeichert (Nr. %1)</source>
        <translation>enregistré dans l&apos;archive (n° %1)</translation>
    </message>
</context>
<context>
    <name>GaugeWorkflow</name>
    <message>
        <location filename="../../workflow/workflowtexts.cpp" line="+64"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Erreur lors du transfert des données !</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Kennung des Geräts wurde nicht gelesen.</source>
        <translation>L&apos;identification de l&apos;appareil n&apos;a pas été lue.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Betroffene Speicherplätze: %1</source>
        <translation>
            <numerusform>Emplacement concerné : %1</numerusform>
            <numerusform>Emplacements concernés : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Diese Messungen sind unvollständig: Das Gerät hat weniger Messwerte gesendet, als es angibt. Sie wurden so archiviert, wie das Gerät sie gesendet hat: %1</source>
        <translation>
            <numerusform>Cette mesure est incomplète : l&apos;appareil a envoyé moins de valeurs qu&apos;il n&apos;en indique. Elle a été archivée telle que l&apos;appareil l&apos;a envoyée : %1</numerusform>
            <numerusform>Ces mesures sont incomplètes : l&apos;appareil a envoyé moins de valeurs qu&apos;il n&apos;en indique. Elles ont été archivées telles que l&apos;appareil les a envoyées : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>In diesen Messungen sind Werte keine Zahl. Sie wurden so archiviert, wie das Gerät sie gesendet hat, und bleiben in Statistik, Regelkarte und DFQ-Datei außen vor: %1</source>
        <translation>
            <numerusform>Cette mesure contient des valeurs qui ne sont pas des nombres. Elle a été archivée telle que l’appareil l’a envoyée et reste exclue des statistiques, des cartes de contrôle et des fichiers DFQ : %1</numerusform>
            <numerusform>Ces mesures contiennent des valeurs qui ne sont pas des nombres. Elles ont été archivées telles que l’appareil les a envoyées et restent exclues des statistiques, des cartes de contrôle et des fichiers DFQ : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>Leere Speicherplätze: %1</source>
        <translation>
            <numerusform>Emplacement vide : %1</numerusform>
            <numerusform>Emplacements vides : %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der Prüfplan &apos;%1&apos; ist nicht lesbar. %2</source>
        <translation>Le plan de contrôle &apos;%1&apos; est illisible. %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Archiv &apos;%1&apos; ist schreibgeschützt.</source>
        <translation>L&apos;archive &apos;%1&apos; est protégée en écriture.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auf dem Datenträger des Archivs &apos;%1&apos; ist kein Platz mehr.</source>
        <translation>Le disque de l&apos;archive &apos;%1&apos; est plein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; wird von einem anderen Programm benutzt.</source>
        <translation>L&apos;archive &apos;%1&apos; est utilisée par un autre programme.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; ist beschädigt.</source>
        <translation>L&apos;archive &apos;%1&apos; est endommagée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Archiv &apos;%1&apos; kann nicht geöffnet werden.</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Archiv &apos;%1&apos; stammt von einer neueren Programmversion und bleibt unverändert.</source>
        <translation>L&apos;archive &apos;%1&apos; provient d&apos;une version plus récente du programme et reste inchangée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Aucune archive n&apos;est ouverte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Statusdatei nennt ein unbekanntes Archiv: %1. Es wird kein Archiv benutzt.</source>
        <translation>Le fichier d’état indique une archive inconnue : %1. Aucune archive n’est utilisée.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Archiv &apos;%1&apos; meldet einen Fehler: %2</source>
        <translation>L&apos;archive &apos;%1&apos; signale une erreur : %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Archivserver %1 antwortet.</source>
        <translation>Le serveur d&apos;archive %1 répond.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Archivserver %1 ist nicht erreichbar.</source>
        <translation>Le serveur d&apos;archive %1 est injoignable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Archivserver %1 hat die Anmeldung abgelehnt (das Passwort gehört in die Datei ~/.pgpass).</source>
        <translation>Le serveur d&apos;archive %1 a refusé la connexion (le mot de passe va dans le fichier ~/.pgpass).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der Archivserver %1 ist nicht in Gebrauch (%2).</source>
        <translation>Le serveur d&apos;archive %1 n&apos;est pas utilisé (%2).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Übertragene Messungen bleiben in der Archivdatei, bis er wieder antwortet.</source>
        <translation>Les mesures transférées restent dans le fichier d&apos;archive jusqu&apos;à ce qu&apos;il réponde de nouveau.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Archivserver %1 hat Messungen nicht angenommen (%2). Sie bleiben in der Archivdatei.</source>
        <translation>Le serveur d&apos;archives %1 n&apos;a pas accepté des mesures (%2). Elles restent dans le fichier d&apos;archive.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Die Archivdatei &apos;%1&apos; war beschädigt. Sie wurde unverändert nach &apos;%2&apos; verschoben; ein neues Archiv wurde angelegt.</source>
        <translation>Le fichier d&apos;archive &apos;%1&apos; était endommagé. Il a été déplacé tel quel vers &apos;%2&apos; ; une nouvelle archive a été créée.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Daraus wieder gelesen und behalten: %n Messungen.</source>
        <translation>
            <numerusform>Relue et conservée : %n mesure.</numerusform>
            <numerusform>Relues et conservées : %n mesures.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dazu Kalibrierungen, Typ-1-Studien und Prüfpläne: %1.</source>
        <translation>En outre étalonnages, études type 1 et plans de contrôle : %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welche Messungen auf den Archivserver warteten, ließ sich nicht lesen; was fehlt, ist nur noch in &apos;%1&apos;.</source>
        <translation>Impossible de lire quelles mesures attendaient le serveur d&apos;archives ; ce qui manque n&apos;est plus que dans &apos;%1&apos;.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Von %n Messungen, die auf den Archivserver warteten, warten %1 wieder; die übrigen sind nur noch in &apos;%2&apos;.</source>
        <translation>
            <numerusform>Sur %n mesure qui attendait le serveur d&apos;archives, %1 attend de nouveau ; les autres ne sont plus que dans &apos;%2&apos;.</numerusform>
            <numerusform>Sur %n mesures qui attendaient le serveur d&apos;archives, %1 attendent de nouveau ; les autres ne sont plus que dans &apos;%2&apos;.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Messungen, die auf den Archivserver warten: %1</source>
        <translation>Mesures en attente du serveur d’archive : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zum Archivserver übertragene Messungen: %1</source>
        <translation>Mesures envoyées au serveur d’archive : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messungen in der Archivdatei, die nicht auf dem Archivserver sind: %1. Jetzt zum Archivserver hochladen?</source>
        <translation>Mesures du fichier d&apos;archive absentes du serveur d&apos;archives : %1. Les téléverser maintenant vers le serveur d&apos;archives ?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Messungen aus der Archivdatei zum Hochladen vorgemerkt: %1</source>
        <translation>Mesures du fichier d&apos;archive en attente de téléversement : %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Archiv unverändert: %1 verkettete Messungen geprüft, %2 aus der Zeit vor der Verkettung.</source>
        <translation>Archive inchangée : %1 mesures chaînées vérifiées, %2 antérieures au chaînage.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Archiv verändert: Die letzten Messungen der Station &apos;%1&apos; fehlen; ihre Kette endete bei Messung %2.</source>
        <translation>Archive modifiée : les dernières mesures du poste &apos;%1&apos; manquent ; sa chaîne se terminait à la mesure %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv verändert: Alle Messungen der Station &apos;%1&apos; fehlen; ihre Kette endete bei Messung %2.</source>
        <translation>Archive modifiée : toutes les mesures du poste &apos;%1&apos; manquent ; sa chaîne se terminait à la mesure %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archiv verändert: Das Ende der Kette der Station &apos;%1&apos; passt nicht zu ihrer letzten Messung %2.</source>
        <translation>Archive modifiée : la fin de la chaîne du poste &apos;%1&apos; ne correspond pas à sa dernière mesure %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ihre Werte</source>
        <translation>ses valeurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ihre Messwerte</source>
        <translation>ses points de mesure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ihre Verkettung fehlt</source>
        <translation>son lien manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archiv verändert: Messung %1 der Station &apos;%2&apos; passt nicht zur Kette (%3), oder die Messung davor fehlt.</source>
        <translation>Archive modifiée : la mesure %1 du poste &apos;%2&apos; ne correspond pas à la chaîne (%3), ou la mesure précédente manque.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die übertragenen Messungen wurden nicht archiviert; sie bleiben in der Liste.</source>
        <translation>Les mesures transférées n&apos;ont pas été archivées ; elles restent dans la liste.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Es wurde nichts gelöscht.</source>
        <translation>Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Das Gerät hat seine Seriennummer nicht genannt. Es wurde nichts gelöscht.</source>
        <translation>L&apos;appareil n&apos;a pas indiqué son numéro de série. Rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das angeschlossene Gerät (Seriennummer %1) ist nicht das Gerät der angezeigten Liste (Seriennummer %2). Es wurde nichts gelöscht.</source>
        <translation>L&apos;appareil connecté (numéro de série %1) n&apos;est pas l&apos;appareil de la liste affichée (numéro de série %2). Rien n&apos;a été effacé.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Diese Speicherplätze wurden nicht gelöscht: %1</source>
        <translation>
            <numerusform>Cet emplacement n&apos;a pas été effacé : %1</numerusform>
            <numerusform>Ces emplacements n&apos;ont pas été effacés : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Diese Messungen auf dem Gerät wurden noch nicht übertragen und sind nicht im Archiv: %1
Sie werden nicht gelöscht.</source>
        <translation>
            <numerusform>Cette mesure de l&apos;appareil n&apos;a pas encore été transférée et n&apos;est pas dans l&apos;archive : %1
Elle n&apos;est pas supprimée.</numerusform>
            <numerusform>Ces mesures de l&apos;appareil n&apos;ont pas encore été transférées et ne sont pas dans l&apos;archive : %1
Elles ne sont pas supprimées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</source>
        <translation>
            <numerusform>Cette mesure n&apos;a pas été transférée entièrement et ne peut pas être archivée : %1
Veuillez transférer les données à nouveau. Rien n&apos;a été supprimé.</numerusform>
            <numerusform>Ces mesures n&apos;ont pas été transférées entièrement et ne peuvent pas être archivées : %1
Veuillez transférer les données à nouveau. Rien n&apos;a été supprimé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen sind nur unvollständig archiviert: %1
Das Gerät hat weniger Messwerte gesendet, als es angibt.</source>
        <translation>
            <numerusform>Cette mesure n&apos;est archivée qu&apos;incomplète : %1
L&apos;appareil a envoyé moins de valeurs qu&apos;il n&apos;en indique.</numerusform>
            <numerusform>Ces mesures ne sont archivées qu&apos;incomplètes : %1
L&apos;appareil a envoyé moins de valeurs qu&apos;il n&apos;en indique.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>#%1 (%2 von %3 Messwerten)</source>
        <translation>
            <numerusform>#%1 (%2 sur %3 valeur)</numerusform>
            <numerusform>#%1 (%2 sur %3 valeurs)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GroupEvaluation</name>
    <message>
        <location filename="../../workflow/planevaluationjob.cpp" line="+136"/>
        <source>Seriennummer</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit</source>
        <translation>Heure</translation>
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
        <translation>Évaluation des mesures selon le plan de contrôle %1...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Prüfplan-Datei öffnen...</source>
        <translation>Ouvrir un fichier de plan de contrôle...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mit Prüfplan bewerten</source>
        <translation>Évaluer selon un plan de contrôle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kein Prüfplan ist gewählt. Prüfplan:</source>
        <translation>Aucun plan de contrôle n&apos;est choisi. Plan de contrôle :</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Prüfplan öffnen</source>
        <translation>Ouvrir un plan de contrôle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Prüfpläne (*.json)</source>
        <translation>Plans de contrôle (*.json)</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <location filename="../../ui/infodialog.ui" line="+31"/>
        <source>Info</source>
        <translation>Informations</translation>
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
        <translation>Version logiciel : </translation>
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
        <translation> Transférer les données </translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Zeit:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Startkraft:</source>
        <translation>Force initiale :</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Maximalkraft:</source>
        <translation>Force maximale :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Endkraft:</source>
        <translation>Force finale :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Mittelwert der Kraft:</source>
        <translation>Force moyenne :</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Kraftverlauf</source>
        <translation>Courbe de force</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>Seriennummer Gerät:</source>
        <translation>N° de série de l&apos;appareil :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Software-Version:</source>
        <translation>Version du logiciel :</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>&amp;Datei</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Bearbeiten</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daten &amp;übertragen</source>
        <translation>&amp;Transférer les données</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Als PDF &amp;speichern...</source>
        <translation>Enregistrer en &amp;PDF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;eite einrichten...</source>
        <translation>Mise en pa&amp;ge...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Druck&amp;vorschau</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Drucken...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Beenden</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gewählte Messung &amp;löschen</source>
        <translation>&amp;Supprimer la mesure sélectionnée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Alle Messungen löschen</source>
        <translation>Supprimer &amp;toutes les mesures</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shift+Del</source>
        <translation>Shift+Del</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gewählte Messung e&amp;xportieren...</source>
        <translation>E&amp;xporter la mesure sélectionnée...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alle Messungen ex&amp;portieren...</source>
        <translation>&amp;Exporter toutes les mesures...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Shift+E</source>
        <translation>Ctrl+Shift+E</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Einstellungen...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mit Prüfplan bewerten…</source>
        <translation>Évaluer selon un plan de contrôle…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Messungen der gewählten Archivzeile mit einem Prüfplan bewerten</source>
        <translation>Évaluer les mesures de la ligne d&apos;archive choisie selon un plan de contrôle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CSV-Dateien ins &amp;Archiv importieren...</source>
        <translation>Importer des fichiers CSV dans l&apos;a&amp;rchive...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Prüfplan neben der Kurve</source>
        <translation>&amp;Plan de contrôle à côté de la courbe</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Archiv nach &amp;Stationen ordnen</source>
        <translation>Classer l’archive par &amp;postes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mit dem Archiv&amp;server abgleichen</source>
        <translation>Synchroniser avec le &amp;serveur d’archive</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Info...</source>
        <translation>&amp;Informations...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>&amp;Ansicht</source>
        <translation>Afficha&amp;ge</translation>
    </message>
    <message>
        <location line="-422"/>
        <source>Messung-Nr:</source>
        <translation>N° de mesure :</translation>
    </message>
    <message>
        <location line="+578"/>
        <source>Als Excel-&amp;Datei exportieren...</source>
        <translation>Exporter en fichier Exce&amp;l...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exportiert die gewählten Messungen, bei gewähltem Gerät alle, mit ihrer Statistik</source>
        <translation>Exporte les mesures sélectionnées, toutes si l&apos;appareil est sélectionné, avec leurs statistiques</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Als D&amp;FQ-Datei exportieren...</source>
        <translation>Exporter en fichier D&amp;FQ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exportiert die gewählten Messungen oder die Archivgruppe im Q-DAS-Format</source>
        <translation>Exporte les mesures choisies ou le groupe d&apos;archive au format Q-DAS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Gesamtansicht</source>
        <translation>&amp;Vue d&apos;ensemble</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeigt wieder das ganze Diagramm (Ziehen: vergrößern, rechte Maustaste: zurück, mittlere Maustaste: verschieben, Mausrad: zoomen)</source>
        <translation>Affiche de nouveau tout le diagramme (glisser : agrandir, bouton droit : retour, bouton du milieu : déplacer, molette : zoomer)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Als &amp;Referenz festhalten</source>
        <translation>Garder comme &amp;référence</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die aktuelle Messung bleibt als Referenz im Diagramm, während andere gewählt werden</source>
        <translation>La mesure actuelle reste dans le diagramme comme référence pendant que d&apos;autres sont sélectionnées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Nicht ausrichten</source>
        <translation>&amp;Ne pas aligner</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Am &amp;Start ausrichten</source>
        <translation>Aligner au &amp;début</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Legt die Kurven so übereinander, dass ihr Kraftanstieg (5 % der Maximalkraft) bei 0 s liegt</source>
        <translation>Superpose les courbes de sorte que leur montée en force (5 % de la force maximale) soit à 0 s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Am &amp;Maximum ausrichten</source>
        <translation>Aligner au &amp;maximum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Legt die Kurven so übereinander, dass ihr Maximum bei 0 s liegt</source>
        <translation>Superpose les courbes de sorte que leur maximum soit à 0 s</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/devicejob.cpp" line="+66"/>
        <source>Verbindung zum Gerät wird hergestellt...</source>
        <translation>Connexion à l&apos;appareil en cours...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+24"/>
        <source>Verbindung zum Gerät konnte nicht hergestellt werden!</source>
        <translation>Impossible d&apos;établir la connexion avec l&apos;appareil !</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Daten werden übertragen...</source>
        <translation>Transfert des données en cours...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_delete.cpp" line="+49"/>
        <source>Messung löschen</source>
        <translation>Supprimer la mesure</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?</source>
        <translation>Voulez-vous vraiment supprimer la mesure sélectionnée sur l&apos;appareil ?</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>Möchten Sie die %n gewählten Messungen auf dem Gerät wirklich löschen?</source>
        <translation>
            <numerusform>Voulez-vous vraiment supprimer %n mesure sélectionnée de l&apos;appareil ?</numerusform>
            <numerusform>Voulez-vous vraiment supprimer les %n mesures sélectionnées de l&apos;appareil ?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Alle Messungen löschen</source>
        <translation>Supprimer toutes les mesures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?</source>
        <translation>Voulez-vous vraiment supprimer TOUTES les mesures de l&apos;appareil ?</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+17"/>
        <source>Daten werden gelöscht...</source>
        <translation>Suppression des données en cours...</translation>
    </message>
    <message>
        <location filename="../../ui/devicejob.cpp" line="+33"/>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../plot/forceplot.cpp" line="+31"/>
        <source>Zeit ab Trigger</source>
        <translation>Temps depuis le déclenchement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Plot 1</source>
        <translation>Courbe 1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Kraft/Zeit-Diagramm</source>
        <translation>Diagramme force/temps</translation>
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
        <translation>N° de série de l&apos;appareil :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Messung-Nr:</source>
        <translation>N° de mesure :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bezeichnung:</source>
        <translation>Désignation :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeit:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Startkraft:</source>
        <translation>Force initiale :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximalkraft:</source>
        <translation>Force maximale :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Endkraft:</source>
        <translation>Force finale :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mittelwert der Kraft:</source>
        <translation>Force moyenne :</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Die PDF-Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Impossible d&apos;écrire le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../../ui/reportcommands.cpp" line="+20"/>
        <source>Bezeichnung</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte geben Sie eine Bezeichnung für den Ausdruck ein: </source>
        <translation>Veuillez saisir une désignation pour l&apos;impression : </translation>
    </message>
    <message>
        <location filename="../../ui/exportwriter.cpp" line="+48"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>Fichier CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Daten exportieren</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Daten werden exportiert...</source>
        <translation>Exportation des données en cours...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Daten exportiert: %1</source>
        <translation>Données exportées : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Daten wurden nicht exportiert.</source>
        <translation>Données non exportées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <location filename="../../ui/gaugestudypage.cpp" line="+20"/>
        <location filename="../../ui/reportcommands.cpp" line="+15"/>
        <source>PDF-Datei</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <location filename="../../ui/reportcommands.cpp" line="+2"/>
        <source>PDF-Datei speichern</source>
        <translation>Enregistrer le fichier PDF</translation>
    </message>
    <message>
        <location filename="../../ui/analysispanel.cpp" line="+138"/>
        <source>Referenz</source>
        <translation>Référence</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Auswahl: %1 Messungen von %2</source>
        <translation>Sélection : %1 mesures de %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Archiv</source>
        <translation>Archives</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archiv: %1 Messungen von %2</source>
        <translation>Archives : %1 mesures de %2</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Q-DAS-Datei</source>
        <translation>Fichier Q-DAS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Als DFQ-Datei exportieren</source>
        <translation>Exporter en fichier DFQ</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Excel-Arbeitsmappe</source>
        <translation>Classeur Excel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Als Excel-Datei exportieren</source>
        <translation>Exporter en fichier Excel</translation>
    </message>
    <message>
        <location filename="../../ui/exportwriter.cpp" line="-39"/>
        <source>Keine Messungen zum Exportieren vorhanden.</source>
        <translation>Aucune mesure à exporter.</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_calibration.cpp" line="+23"/>
        <source>Kalibrierung…</source>
        <translation>Étalonnage…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Typ-1-Studie…</source>
        <translation>Étude type 1…</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Erst ein Gerät verbinden oder eine archivierte Messung wählen.</source>
        <translation>Connectez d&apos;abord un appareil ou choisissez une mesure archivée.</translation>
    </message>
</context>
<context>
    <name>MainformArchive</name>
    <message>
        <location filename="../../ui/archivebrowser.cpp" line="+383"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>Fichier CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CSV-Dateien ins Archiv importieren</source>
        <translation>Importer des fichiers CSV dans l&apos;archive</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>%1: kann nicht gelesen werden.</source>
        <translation>%1 : illisible.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: keine Exportdatei dieses Programms.</source>
        <translation>%1 : pas un fichier d&apos;export de ce programme.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: unbekannte Krafteinheit.</source>
        <translation>%1 : unité de force inconnue.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: enthält keine vollständige Messung.</source>
        <translation>%1 : ne contient aucune mesure complète.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n Messung(en)</source>
        <translation>
            <numerusform>%n mesure</numerusform>
            <numerusform>%n mesures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n neu archiviert</source>
        <translation>
            <numerusform>%n nouvellement archivée</numerusform>
            <numerusform>%n nouvellement archivées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n war(en) schon im Archiv</source>
        <translation>
            <numerusform>%n était déjà dans l&apos;archive</numerusform>
            <numerusform>%n étaient déjà dans l&apos;archive</numerusform>
        </translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Import ins Archiv</source>
        <translation>Importation dans l&apos;archive</translation>
    </message>
    <message>
        <location line="-296"/>
        <source>%1: Messung %2 nicht archiviert: %3.</source>
        <translation>%1 : mesure %2 non archivée : %3.</translation>
    </message>
    <message>
        <location filename="../../ui/erasequestions.cpp" line="+39"/>
        <source>Nicht archiviert</source>
        <translation>Non archivé</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</source>
        <translation>
            <numerusform>Cette mesure n&apos;est pas dans l&apos;archive : %1
Une fois supprimée sur l&apos;appareil, elle n&apos;existera plus nulle part.</numerusform>
            <numerusform>Ces mesures ne sont pas dans l&apos;archive : %1
Une fois supprimées sur l&apos;appareil, elles n&apos;existeront plus nulle part.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zuerst archivieren</source>
        <translation>Archiver d&apos;abord</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ohne Archiv löschen</source>
        <translation>Supprimer sans archiver</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Nicht übertragen</source>
        <translation>Non transférées</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zuerst übertragen</source>
        <translation>Transférer d&apos;abord</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Unvollständig archiviert</source>
        <translation>Archivage incomplet</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Erneut übertragen: Vielleicht sendet das Gerät sie diesmal vollständig; die neuen Kopien werden neben den unvollständigen archiviert. Nach dem Löschen bleiben nur die unvollständigen Kopien.</source>
        <translation>
            <numerusform>Transférer à nouveau : l&apos;appareil l&apos;enverra peut-être complète cette fois ; la nouvelle copie est archivée à côté de la copie incomplète. Après la suppression, seule la copie incomplète reste.</numerusform>
            <numerusform>Transférer à nouveau : l&apos;appareil les enverra peut-être complètes cette fois ; les nouvelles copies sont archivées à côté des copies incomplètes. Après la suppression, seules les copies incomplètes restent.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Erneut übertragen</source>
        <translation>Transférer à nouveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trotzdem löschen</source>
        <translation>Supprimer quand même</translation>
    </message>
</context>
<context>
    <name>OverlayPlot</name>
    <message numerus="yes">
        <location filename="../../plot/overlayplot.cpp" line="+39"/>
        <source>… und %n weitere Kurve(n)</source>
        <translation>
            <numerusform>… et %n autre courbe</numerusform>
            <numerusform>… et %n autres courbes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanEditor</name>
    <message>
        <location filename="../../ui/planeditor.ui" line="+6"/>
        <source>Prüfplan</source>
        <translation>Plan de contrôle</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+117"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>Teilenummer:</source>
        <translation>Référence pièce :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Triggerkraft / N:</source>
        <translation>Force de déclenchement / N :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wert</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Urteil</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Hinzufügen</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Entfernen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Art:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Untere Grenze:</source>
        <translation>Limite inférieure :</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Obere Grenze:</source>
        <translation>Limite supérieure :</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Von / s:</source>
        <translation>De / s :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bis / s:</source>
        <translation>À / s :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Kraft / N:</source>
        <translation>Force / N :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Abfall:</source>
        <translation>Chute :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>in %</source>
        <translation>en %</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Abfall um / %:</source>
        <translation>Chute de / % :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Innerhalb / s:</source>
        <translation>En / s :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ab Kraft / N:</source>
        <translation>Au-dessus de la force / N :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Von Kraft / N:</source>
        <translation>De la force / N :</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Bis Kraft / N:</source>
        <translation>À la force / N :</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Zeit von/bis / s:</source>
        <translation>Temps de/à / s :</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Kraft von/bis / N:</source>
        <translation>Force de/à / N :</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Eintritt:</source>
        <translation>Entrée :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Austritt:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bandbreite k / %:</source>
        <translation>Largeur de bande k / % :</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Aus gewählten Messungen lernen</source>
        <translation>Apprendre des mesures sélectionnées</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als Datei…</source>
        <translation>En fichier…</translation>
    </message>
    <message>
        <location filename="../../ui/planeditor.cpp" line="+33"/>
        <source>Maximalkraft</source>
        <translation>Force maximale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelkraft</source>
        <translation>Force moyenne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kraft bei Zeit</source>
        <translation>Force à un instant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelkraft im Zeitfenster</source>
        <translation>Force moyenne dans la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimum im Zeitfenster</source>
        <translation>Minimum dans la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum im Zeitfenster</source>
        <translation>Maximum dans la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erster Peak</source>
        <translation>Premier pic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bruchkraft</source>
        <translation>Force de rupture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bruchzeit</source>
        <translation>Instant de rupture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit bis Kraft</source>
        <translation>Temps jusqu’à la force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit über Kraft</source>
        <translation>Temps au-dessus de la force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arbeit</source>
        <translation>Travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenster</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hüllkurve</source>
        <translation>Enveloppe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>keine</source>
        <translation>aucun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>links</source>
        <translation>gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rechts</source>
        <translation>droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unten</source>
        <translation>bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>oben</source>
        <translation>haut</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Neuer Prüfplan</source>
        <translation>Nouveau plan de contrôle</translation>
    </message>
    <message>
        <location line="+206"/>
        <source>nicht gespeichert</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>geändert</source>
        <translation>modifié</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Merkmal %1</source>
        <translation>Caractéristique %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Aus den gewählten Messungen lässt sich keine Hüllkurve bilden: Wählen Sie Messungen, die die Triggerkraft erreichen.</source>
        <translation>Aucune enveloppe ne peut être apprise des mesures sélectionnées : sélectionnez des mesures qui atteignent la force de déclenchement.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Der Prüfplan braucht einen Namen.</source>
        <translation>Le plan de contrôle a besoin d’un nom.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Prüfplan öffnen</source>
        <translation>Ouvrir un plan de contrôle</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+22"/>
        <source>Prüfplan (*.json)</source>
        <translation>Plan de contrôle (*.json)</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Die Datei &apos;%1&apos; ist kein Prüfplan: %2</source>
        <translation>Le fichier &apos;%1&apos; n’est pas un plan de contrôle : %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Prüfplan speichern</source>
        <translation>Enregistrer le plan de contrôle</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden: %2</source>
        <translation>Le fichier &apos;%1&apos; n’a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>PlanEvaluationDialog</name>
    <message>
        <location filename="../../ui/planevaluationdialog.ui" line="+14"/>
        <source>Bewertung mit Prüfplan</source>
        <translation>Évaluation selon un plan de contrôle</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Merkmal</source>
        <translation>Caractéristique</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bewertet</source>
        <translation>évaluées</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>i.O.</source>
        <translation>dans tol.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>n.i.O.</source>
        <translation>hors tol.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nicht gefunden</source>
        <translation>non trouvées</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>n.i.O. bewertete Messungen:</source>
        <translation>Mesures jugées hors tolérance :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Seriennummer</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merkmale n.i.O.</source>
        <translation>Caractéristiques hors tol.</translation>
    </message>
    <message>
        <location filename="../../ui/planevaluationdialog.cpp" line="+29"/>
        <source>Prüfplan %1, Version %2</source>
        <translation>Plan de contrôle %1, version %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Als CSV speichern...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n Messung(en) bewertet</source>
        <translation>
            <numerusform>%n mesure évaluée</numerusform>
            <numerusform>%n mesures évaluées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 i.O., %2 n.i.O.</source>
        <translation>%1 dans tol., %2 hors tol.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(abgebrochen nach %1 von %2)</source>
        <translation>(annulée après %1 sur %2)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Bewertung speichern</source>
        <translation>Enregistrer l&apos;évaluation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit !</translation>
    </message>
</context>
<context>
    <name>PlanOverlay</name>
    <message>
        <location filename="../../plot/planoverlay.cpp" line="+60"/>
        <source>ein</source>
        <translation>entrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aus</source>
        <translation>sortie</translation>
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
        <translation>N° de série de l&apos;appareil :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Messung-Nr:</source>
        <translation>N° de mesure :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zeit:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <location filename="../../measurement/csvexportlayout.cpp" line="-5"/>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../../device/quorixtspx.cpp" line="+83"/>
        <source>Gerät nicht initialisiert!</source>
        <translation>Appareil non initialisé !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehler beim Öffnen der Schnittstelle!</source>
        <translation>Erreur lors de l&apos;ouverture du port série !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler beim Initialisieren!</source>
        <translation>Erreur lors de l&apos;initialisation !</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fehler!</source>
        <translation>Erreur !</translation>
    </message>
</context>
<context>
    <name>RunRules</name>
    <message>
        <location filename="../../measurement/runrules.cpp" line="+142"/>
        <source>Punkt außerhalb der Eingriffsgrenzen</source>
        <translation>Point hors des limites de contrôle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2 von 3 Punkten jenseits 2 Sigma auf einer Seite</source>
        <translation>2 points sur 3 au-delà de 2 sigma d&apos;un même côté</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>4 von 5 Punkten jenseits 1 Sigma auf einer Seite</source>
        <translation>4 points sur 5 au-delà de 1 sigma d&apos;un même côté</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>8 Punkte in Folge auf einer Seite der Mittellinie</source>
        <translation>8 points consécutifs d&apos;un même côté de la ligne centrale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>9 Punkte in Folge auf einer Seite der Mittellinie</source>
        <translation>9 points consécutifs d&apos;un même côté de la ligne centrale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6 Punkte in Folge stetig steigend oder fallend</source>
        <translation>6 points consécutifs en hausse ou en baisse continue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>14 Punkte in Folge abwechselnd auf und ab</source>
        <translation>14 points consécutifs alternant en haut et en bas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>15 Punkte in Folge innerhalb 1 Sigma</source>
        <translation>15 points consécutifs à moins de 1 sigma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>8 Punkte in Folge jenseits 1 Sigma, beide Seiten</source>
        <translation>8 points consécutifs au-delà de 1 sigma, des deux côtés</translation>
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
        <translation>Carte de contrôle</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Einzelwerte</source>
        <translation>Valeurs individuelles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelwerte der Untergruppen</source>
        <translation>Moyennes des sous-groupes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Standardabweichungen der Untergruppen</source>
        <translation>Écarts-types des sous-groupes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spannweiten der Untergruppen</source>
        <translation>Étendues des sous-groupes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gleitende Spannweiten</source>
        <translation>Étendues mobiles</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Mittellinie</source>
        <translation>Ligne centrale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Untere Eingriffsgrenze</source>
        <translation>Limite de contrôle inférieure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Obere Eingriffsgrenze</source>
        <translation>Limite de contrôle supérieure</translation>
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
        <translation>LIT</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OGW</source>
        <extracomment>upper tolerance limit (USL)</extracomment>
        <translation>LST</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regel</source>
        <translation>Règle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messungen</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Grenzen aus dem Referenzzeitraum</source>
        <translation>limites de la période de référence</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zu wenige Messungen für eine Regelkarte (mindestens zwei Punkte).</source>
        <translation>Trop peu de mesures pour une carte de contrôle (au moins deux points).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keine Regel verletzt.</source>
        <translation>Aucune règle violée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ein Gut/Schlecht-Merkmal hat keine Regelkarte, nur die Zahl der n.i.O.</source>
        <translation>Une caractéristique conforme/non conforme n’a pas de carte de contrôle, seulement le nombre de non conformes.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messung(en) nach der letzten ganzen Untergruppe nicht in der Karte.</source>
        <translation>
            <numerusform>%n mesure après le dernier sous-groupe complet n&apos;est pas dans la carte.</numerusform>
            <numerusform>%n mesures après le dernier sous-groupe complet ne sont pas dans la carte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeriesStatistics</name>
    <message>
        <location filename="../../measurement/seriesstatistics.cpp" line="+267"/>
        <source>Statistik</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Maximalkraft</source>
        <translation>Force maximale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mittelwert der Kraft</source>
        <translation>Force moyenne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Mittelwert</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standardabweichung</source>
        <translation>Écart type</translation>
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
        <translation>Étendue</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>nicht fähig</source>
        <translation>non capable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>fähig</source>
        <translation>capable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gut fähig</source>
        <translation>bien capable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cpk %1: %2 (fähig ab %3, gut ab %4)</source>
        <translation>Cpk %1 : %2 (capable dès %3, bien dès %4)</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 von %n n.i.O.</source>
        <translation>
            <numerusform>%1 sur %n non conformes.</numerusform>
            <numerusform>%1 sur %n non conformes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+32"/>
        <source>i.O.</source>
        <translation>dans tol.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>n.i.O.: %1</source>
        <translation>non conforme : %1</translation>
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
        <translation>pas un nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nicht gefunden</source>
        <translation>non trouvé</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Untere Grenze:</source>
        <translation>Limite inférieure :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Obere Grenze:</source>
        <translation>Limite supérieure :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messung</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ergebnis</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hinweis: weniger als 30 Messungen, Pp, Ppk, Cp und Cpk sind nur ein Anhalt.</source>
        <translation>Remarque : moins de 30 mesures, Pp, Ppk, Cp et Cpk ne sont qu&apos;une indication.</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messungen ausgelassen: ein Wert ist keine Zahl.</source>
        <translation>
            <numerusform>%n mesure exclue : une valeur n’est pas un nombre.</numerusform>
            <numerusform>%n mesures exclues : une valeur n’est pas un nombre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messungen ohne Wert für %1: nicht auf der Kurve gefunden.</source>
        <translation>
            <numerusform>%n mesure sans valeur pour %1 : non trouvée sur la courbe.</numerusform>
            <numerusform>%n mesures sans valeur pour %1 : non trouvées sur la courbe.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Die Grenzwerte für %1 werden nicht verwendet: die untere (%2) liegt nicht unter der oberen (%3).</source>
        <translation>Les limites pour %1 ne sont pas utilisées : l’inférieure (%2) n’est pas en dessous de la supérieure (%3).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Pp und Ppk aus der Gesamtstreuung s, Cp und Cpk aus der Streuung innerhalb σ = %1.</source>
        <translation>Pp et Ppk d&apos;après la dispersion globale s, Cp et Cpk d&apos;après la dispersion intra σ = %1.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Keine Grenzwerte für %1 eingestellt.</source>
        <translation>Aucune limite définie pour %1.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="+20"/>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>* Die Sprache wird erst nach einem Neustart geladen</source>
        <translation>* La langue ne sera chargée qu&apos;après un redémarrage</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drucken</source>
        <translation>Impression</translation>
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
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>&amp;Logo:</source>
        <translation>L&amp;ogo :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Kopfzeile:</source>
        <translation>&amp;En-tête :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;Untere Grenze</source>
        <translation>Limite &amp;inférieure</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Obere Grenze</source>
        <translation>Limite &amp;supérieure</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Fähigkeit</source>
        <translation>Capabilité</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fähig ab Cpk:</source>
        <translation>Capable dès Cpk :</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Gut fähig ab Cpk:</source>
        <translation>Bien capable dès Cpk :</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Archiv&amp;datei:</source>
        <translation>&amp;Fichier d&apos;archive :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Sc&amp;hnelle Übertragung: archivierte Messungen nicht erneut übertragen</source>
        <translation>&amp;Transfert rapide : ne pas retransférer les mesures archivées</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gemeinsames Archiv auf einem PostgreSQL-Server (die Archivdatei hält, was auf ihn wartet)</source>
        <translation>Archive commune sur un serveur PostgreSQL (le fichier d’archive garde ce qui l’attend)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ser&amp;ver:</source>
        <translation>Ser&amp;veur :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Rechnername, IP-Adresse oder Socket-Ordner</source>
        <translation>nom d&apos;hôte, adresse IP ou dossier de socket</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Daten&amp;bank:</source>
        <translation>&amp;Base de données :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ben&amp;utzer:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verschlüsselung (ss&amp;lmode):</source>
        <translation>Chiffrement (ss&amp;lmode) :</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>S&amp;tation:</source>
        <translation>Pos&amp;te :</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Das Passwort steht nicht in den Einstellungen: es gehört in die Datei ~/.pgpass (Rechte 0600).</source>
        <translation>Le mot de passe n&apos;est pas dans les paramètres : il va dans le fichier ~/.pgpass (droits 0600).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Verbindung testen</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp" line="-185"/>
        <source>Deutsch</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Englisch</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Französisch</source>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italienisch</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Verbindung wird geprüft...</source>
        <translation>Vérification de la connexion...</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Grenzen in %1: die untere (%2) liegt nicht unter der oberen (%3).</source>
        <translation>Limites en %1 : l’inférieure (%2) n’est pas en dessous de la supérieure (%3).</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Alle Bilder</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bild</source>
        <translation>Image</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archivdatei</source>
        <translation>Fichier d&apos;archive</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="-302"/>
        <source>Grenzwerte der Maximalkraft</source>
        <translation>Limites de la force maximale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Leere Felder: keine Grenze. Die Statistik bewertet jede Messung damit.</source>
        <translation>Champs vides : pas de limite. Les statistiques évaluent chaque mesure avec elles.</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <location filename="../../ui/statisticsview.ui" line="+35"/>
        <source>Statistik der gewählten Messungen</source>
        <translation>Statistiques des mesures sélectionnées</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Maximalkraft jeder Messung gegen die Grenzwerte</source>
        <translation>Force maximale de chaque mesure par rapport aux limites</translation>
    </message>
</context>
<context>
    <name>TestPlan</name>
    <message>
        <location filename="../../measurement/testplan.cpp" line="+168"/>
        <source>Merkmal %1 (%2): %3</source>
        <translation>Caractéristique %1 (%2) : %3</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Name oder Art fehlt</source>
        <translation>nom ou type manquant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ein Wert fehlt</source>
        <translation>une valeur manque</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>die untere Grenze liegt nicht unter der oberen</source>
        <translation>la limite inférieure n&apos;est pas sous la supérieure</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Fenster oder Hüllkurve unvollständig</source>
        <translation>fenêtre ou enveloppe incomplète</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>i.O.</source>
        <translation>dans tol.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n.i.O.</source>
        <translation>hors tol.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>kein Bruch</source>
        <translation>pas de rupture</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Die Datei ist kein Prüfplan.</source>
        <translation>Le fichier n&apos;est pas un plan de contrôle.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Der Prüfplan hat keinen Namen oder keine Merkmale.</source>
        <translation>Le plan de contrôle n&apos;a pas de nom ou pas de caractéristiques.</translation>
    </message>
</context>
</TS>
