<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
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
        <source>&amp;Ansicht</source>
        <translation>Afficha&amp;ge</translation>
    </message>
    <message>
        <source>Als Excel-&amp;Datei exportieren...</source>
        <translation>Exporter en fichier Excel (&amp;D)...</translation>
    </message>
    <message>
        <source>Exportiert die gewählten Messungen, bei gewähltem Gerät alle, mit ihrer Statistik</source>
        <translation>Exporte les mesures sélectionnées, toutes si l&apos;appareil est sélectionné, avec leurs statistiques</translation>
    </message>
    <message>
        <source>&amp;Gesamtansicht</source>
        <translation>&amp;Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Zeigt wieder das ganze Diagramm (Ziehen: vergrößern, rechte Maustaste: zurück, mittlere Maustaste: verschieben, Mausrad: zoomen)</source>
        <translation>Affiche de nouveau tout le diagramme (glisser : agrandir, bouton droit : retour, bouton du milieu : déplacer, molette : zoomer)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Als &amp;Referenz festhalten</source>
        <translation>Garder comme &amp;référence</translation>
    </message>
    <message>
        <source>Die aktuelle Messung bleibt als Referenz im Diagramm, während andere gewählt werden</source>
        <translation>La mesure actuelle reste dans le diagramme comme référence pendant que d&apos;autres sont sélectionnées</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Nicht ausrichten</source>
        <translation>&amp;Ne pas aligner</translation>
    </message>
    <message>
        <source>Am &amp;Start ausrichten</source>
        <translation>Aligner au &amp;début</translation>
    </message>
    <message>
        <source>Legt die Kurven so übereinander, dass ihr Kraftanstieg (5 % der Maximalkraft) bei 0 s liegt</source>
        <translation>Superpose les courbes de sorte que leur montée en force (5 % de la force maximale) soit à 0 s</translation>
    </message>
    <message>
        <source>Am &amp;Maximum ausrichten</source>
        <translation>Aligner au &amp;maximum</translation>
    </message>
    <message>
        <source>Legt die Kurven so übereinander, dass ihr Maximum bei 0 s liegt</source>
        <translation>Superpose les courbes de sorte que leur maximum soit à 0 s</translation>
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
    <message>
        <source>Referenz</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappe</source>
        <translation>Classeur Excel</translation>
    </message>
    <message>
        <source>Als Excel-Datei exportieren</source>
        <translation>Exporter en fichier Excel</translation>
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
    <name>SeriesStatistics</name>
    <message>
        <source>Statistik</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Maximalkraft</source>
        <translation>Force maximale</translation>
    </message>
    <message>
        <source>Mittelwert der Kraft</source>
        <translation>Force moyenne</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Standardabweichung</source>
        <translation>Écart type</translation>
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
        <translation>Étendue</translation>
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
        <translation>Limite inférieure :</translation>
    </message>
    <message>
        <source>Obere Grenze:</source>
        <translation>Limite supérieure :</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Hinweis: weniger als 30 Messungen, Cp und Cpk sind nur ein Anhalt.</source>
        <translation>Remarque : moins de 30 mesures, Cp et Cpk ne sont qu&apos;une indication.</translation>
    </message>
    <message>
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
        <source>Grenzwerte der Maximalkraft</source>
        <translation>Limites de la force maximale</translation>
    </message>
    <message>
        <source>Leere Felder: keine Grenze. Die Statistik bewertet jede Messung damit.</source>
        <translation>Champs vides : pas de limite. Les statistiques évaluent chaque mesure avec elles.</translation>
    </message>
    <message>
        <source>Untere Grenze</source>
        <translation>Limite inférieure</translation>
    </message>
    <message>
        <source>Obere Grenze</source>
        <translation>Limite supérieure</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <source>Statistik der gewählten Messungen</source>
        <translation>Statistiques des mesures sélectionnées</translation>
    </message>
    <message>
        <source>Maximalkraft jeder Messung gegen die Grenzwerte</source>
        <translation>Force maximale de chaque mesure par rapport aux limites</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../../ui/mainform_export.cpp" line="+40"/>
        <source>Keine Messungen zum Exportieren vorhanden.</source>
        <translation>Aucune mesure à exporter.</translation>
    </message>
</context>
</TS>
