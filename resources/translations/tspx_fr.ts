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
    <name>ArchiveTree</name>
    <message>
        <location filename="../../ui/archivetree.cpp" line="+27"/>
        <source>ohne Seriennummer</source>
        <translation>sans numéro de série</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ohne Datum</source>
        <translation>sans date</translation>
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
        <location line="+106"/>
        <source>Messungen-Nr:</source>
        <translation>N° de mesure :</translation>
    </message>
    <message>
        <location line="+27"/>
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
        <location line="+131"/>
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
        <location line="+11"/>
        <source>&amp;Bearbeiten</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location filename="../../ui/mainform.ui"/>
        <source>CSV-Dateien ins &amp;Archiv importieren...</source>
        <translation>Importer des fichiers CSV dans l&apos;&amp;archive...</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+34"/>
        <source>Verbindung zum Gerät wird hergestellt...</source>
        <translation>Connexion à l&apos;appareil en cours...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verbindung zum Gerät konnte nicht hergestellt werden!</source>
        <translation>Impossible d&apos;établir la connexion avec l&apos;appareil !</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Daten werden übertragen...</source>
        <translation>Transfert des données en cours...</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_delete.cpp" line="+29"/>
        <source>Messung löschen</source>
        <translation>Supprimer la mesure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?</source>
        <translation>Voulez-vous vraiment supprimer la mesure sélectionnée sur l&apos;appareil ?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alle Messungen löschen</source>
        <translation>Supprimer toutes les mesures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?</source>
        <translation>Voulez-vous vraiment supprimer TOUTES les mesures de l&apos;appareil ?</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+16"/>
        <source>Daten werden gelöscht...</source>
        <translation>Suppression des données en cours...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../ui/mainform_transfer.cpp" line="+1"/>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_transfer.cpp" line="+19"/>
        <source>Fehler beim Übertragen der Daten!</source>
        <translation>Erreur lors du transfert des données !</translation>
    </message>
    <message>
        <location filename="../../ui/forceplot.cpp" line="+29"/>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Plot 1</source>
        <translation>Courbe 1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Kraft/Zeit-Diagramm</source>
        <translation>Diagramme force/temps</translation>
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
        <location line="+2"/>
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
        <location line="+38"/>
        <source>Die PDF-Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Impossible d&apos;écrire le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Bezeichnung</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte geben Sie eine Bezeichnung für den Ausdruck ein: </source>
        <translation>Veuillez saisir une désignation pour l&apos;impression : </translation>
    </message>
    <message>
        <location filename="../../ui/mainform_export.cpp" line="+39"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>Fichier CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daten exportieren</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Daten werden exportiert...</source>
        <translation>Exportation des données en cours...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Daten exportiert.</source>
        <translation>Données exportées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Daten wurden nicht exportiert.</source>
        <translation>Données non exportées.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden!</source>
        <translation>Impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <location filename="../../ui/mainform_report.cpp" line="+17"/>
        <source>PDF-Datei</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF-Datei speichern</source>
        <translation>Enregistrer le fichier PDF</translation>
    </message>
</context>
<context>
    <name>MainformArchive</name>
    <message>
        <location filename="../../ui/mainform_archive.cpp" line="+103"/>
        <source>Die Archivdatei &apos;%1&apos; war beschädigt. Sie wurde unverändert nach &apos;%2&apos; verschoben; ein neues Archiv wurde angelegt.</source>
        <translation>Le fichier d&apos;archive &apos;%1&apos; était endommagé. Il a été déplacé tel quel vers &apos;%2&apos; ; une nouvelle archive a été créée.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Das Archiv &apos;%1&apos; ist schreibgeschützt.</source>
        <translation>L&apos;archive &apos;%1&apos; est protégée en écriture.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auf dem Datenträger des Archivs &apos;%1&apos; ist kein Platz mehr.</source>
        <translation>Le disque de l&apos;archive &apos;%1&apos; est plein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; wird von einem anderen Programm benutzt.</source>
        <translation>L&apos;archive &apos;%1&apos; est utilisée par un autre programme.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; ist beschädigt.</source>
        <translation>L&apos;archive &apos;%1&apos; est endommagée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Archiv &apos;%1&apos; kann nicht geöffnet werden.</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; stammt von einer neueren Programmversion und bleibt unverändert.</source>
        <translation>L&apos;archive &apos;%1&apos; provient d&apos;une version plus récente du programme et reste inchangée.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Aucune archive n&apos;est ouverte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Archiv &apos;%1&apos; meldet einen Fehler: %2</source>
        <translation>L&apos;archive &apos;%1&apos; signale une erreur : %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Die übertragenen Messungen wurden nicht archiviert; sie bleiben in der Liste.</source>
        <translation>Les mesures transférées n&apos;ont pas été archivées ; elles restent dans la liste.</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Nicht archiviert</source>
        <translation>Non archivé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</source>
        <translation>Ces mesures ne sont pas dans l&apos;archive : %1
Une fois supprimées sur l&apos;appareil, elles n&apos;existeront plus nulle part.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zuerst archivieren</source>
        <translation>Archiver d&apos;abord</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ohne Archiv löschen</source>
        <translation>Supprimer sans archiver</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Es wurde nichts gelöscht.</source>
        <translation>Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</source>
        <translation>Ces mesures n&apos;ont pas été transférées entièrement et ne peuvent pas être archivées : %1
Veuillez transférer les données à nouveau. Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CSV-Datei (*.CSV)</source>
        <translation>Fichier CSV (*.CSV)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV-Dateien ins Archiv importieren</source>
        <translation>Importer des fichiers CSV dans l&apos;archive</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: kann nicht gelesen werden.</source>
        <translation>%1 : illisible.</translation>
    </message>
    <message>
        <location line="+4"/>
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
    <message>
        <location line="+6"/>
        <source>%1: %2 Messungen, %3 neu archiviert, %4 waren schon im Archiv.</source>
        <translation>%1 : %2 mesures, %3 nouvellement archivées, %4 étaient déjà dans l&apos;archive.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import ins Archiv</source>
        <translation>Importation dans l&apos;archive</translation>
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
        <translation>N° de série de l&apos;appareil :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Messung-Nr:</source>
        <translation>N° de mesure :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>QTranslator</name>
    <message>
        <location filename="../../device/quorixtspx.cpp" line="+39"/>
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
    <name>SettingsDialog</name>
    <message>
        <location filename="../../ui/settingsdialog.ui" line="+20"/>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>* Die Sprache wird erst nach einem Neustart geladen</source>
        <translation>* La langue ne sera chargée qu&apos;après un redémarrage</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drucken</source>
        <translation>Impression</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Logo:</source>
        <translation>Logo :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Kopfzeile:</source>
        <translation>En-tête :</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp" line="+29"/>
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
        <location line="+38"/>
        <source>Alle Bilder</source>
        <translation>Toutes les images</translation>
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
        <translation>Fichier d&apos;archive :</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.ui"/>
        <source>Schnelle Übertragung: archivierte Messungen nicht erneut übertragen</source>
        <translation>Transfert rapide : ne pas retransférer les mesures archivées</translation>
    </message>
    <message>
        <location filename="../../ui/settingsdialog.cpp"/>
        <source>Archivdatei</source>
        <translation>Fichier d&apos;archive</translation>
    </message>
</context>
</TS>
