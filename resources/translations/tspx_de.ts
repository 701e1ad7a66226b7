<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>Cli</name>
    <message numerus="yes">
        <location filename="../../cli/clirunner.cpp" line="+453"/>
        <source>Nicht gelöscht. Erneut mit download übertragen (vielleicht sendet das Gerät sie diesmal vollständig) oder mit --erase-incomplete löschen.</source>
        <translation>
            <numerusform>Nicht gelöscht. Erneut mit download übertragen (vielleicht sendet das Gerät sie diesmal vollständig) oder mit --erase-incomplete löschen.</numerusform>
            <numerusform>Nicht gelöscht. Erneut mit download übertragen (vielleicht sendet das Gerät sie diesmal vollständig) oder mit --erase-incomplete löschen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GaugeStudyPage</name>
    <message numerus="yes">
        <location filename="../../ui/gaugestudypage.cpp" line="+45"/>
        <source>Gerät %1: %n Maximalkräfte in %2</source>
        <translation>
            <numerusform>Gerät %1: %n Maximalkraft in %2</numerusform>
            <numerusform>Gerät %1: %n Maximalkräfte in %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GaugeWorkflow</name>
    <message numerus="yes">
        <location filename="../../workflow/workflowtexts.cpp" line="+69"/>
        <source>Betroffene Speicherplätze: %1</source>
        <translation>
            <numerusform>Betroffener Speicherplatz: %1</numerusform>
            <numerusform>Betroffene Speicherplätze: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Diese Messungen sind unvollständig: Das Gerät hat weniger Messwerte gesendet, als es angibt. Sie wurden so archiviert, wie das Gerät sie gesendet hat: %1</source>
        <translation>
            <numerusform>Diese Messung ist unvollständig: Das Gerät hat weniger Messwerte gesendet, als es angibt. Sie wurde so archiviert, wie das Gerät sie gesendet hat: %1</numerusform>
            <numerusform>Diese Messungen sind unvollständig: Das Gerät hat weniger Messwerte gesendet, als es angibt. Sie wurden so archiviert, wie das Gerät sie gesendet hat: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>In diesen Messungen sind Werte keine Zahl. Sie wurden so archiviert, wie das Gerät sie gesendet hat, und bleiben in Statistik, Regelkarte und DFQ-Datei außen vor: %1</source>
        <translation>
            <numerusform>In dieser Messung sind Werte keine Zahl. Sie wurde so archiviert, wie das Gerät sie gesendet hat, und bleibt in Statistik, Regelkarte und DFQ-Datei außen vor: %1</numerusform>
            <numerusform>In diesen Messungen sind Werte keine Zahl. Sie wurden so archiviert, wie das Gerät sie gesendet hat, und bleiben in Statistik, Regelkarte und DFQ-Datei außen vor: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>Leere Speicherplätze: %1</source>
        <translation>
            <numerusform>Leerer Speicherplatz: %1</numerusform>
            <numerusform>Leere Speicherplätze: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+98"/>
        <source>Daraus wieder gelesen und behalten: %n Messungen.</source>
        <translation>
            <numerusform>Daraus wieder gelesen und behalten: %n Messung.</numerusform>
            <numerusform>Daraus wieder gelesen und behalten: %n Messungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Von %n Messungen, die auf den Archivserver warteten, warten %1 wieder; die übrigen sind nur noch in &apos;%2&apos;.</source>
        <translation>
            <numerusform>Von %n Messung, die auf den Archivserver wartete, wartet %1 wieder; die übrigen sind nur noch in &apos;%2&apos;.</numerusform>
            <numerusform>Von %n Messungen, die auf den Archivserver warteten, warten %1 wieder; die übrigen sind nur noch in &apos;%2&apos;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+95"/>
        <source>Diese Speicherplätze wurden nicht gelöscht: %1</source>
        <translation>
            <numerusform>Dieser Speicherplatz wurde nicht gelöscht: %1</numerusform>
            <numerusform>Diese Speicherplätze wurden nicht gelöscht: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Diese Messungen auf dem Gerät wurden noch nicht übertragen und sind nicht im Archiv: %1
Sie werden nicht gelöscht.</source>
        <translation>
            <numerusform>Diese Messung auf dem Gerät wurde noch nicht übertragen und ist nicht im Archiv: %1
Sie wird nicht gelöscht.</numerusform>
            <numerusform>Diese Messungen auf dem Gerät wurden noch nicht übertragen und sind nicht im Archiv: %1
Sie werden nicht gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</source>
        <translation>
            <numerusform>Diese Messung wurde nicht vollständig übertragen und kann nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</numerusform>
            <numerusform>Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert werden: %1
Bitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Diese Messungen sind nur unvollständig archiviert: %1
Das Gerät hat weniger Messwerte gesendet, als es angibt.</source>
        <translation>
            <numerusform>Diese Messung ist nur unvollständig archiviert: %1
Das Gerät hat weniger Messwerte gesendet, als es angibt.</numerusform>
            <numerusform>Diese Messungen sind nur unvollständig archiviert: %1
Das Gerät hat weniger Messwerte gesendet, als es angibt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>#%1 (%2 von %3 Messwerten)</source>
        <translation>
            <numerusform>#%1 (%2 von %3 Messwert)</numerusform>
            <numerusform>#%1 (%2 von %3 Messwerten)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message numerus="yes">
        <location filename="../../ui/mainform_delete.cpp" line="+44"/>
        <source>Möchten Sie die %n gewählten Messungen auf dem Gerät wirklich löschen?</source>
        <translation>
            <numerusform>Möchten Sie die %n gewählte Messung auf dem Gerät wirklich löschen?</numerusform>
            <numerusform>Möchten Sie die %n gewählten Messungen auf dem Gerät wirklich löschen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainformArchive</name>
    <message numerus="yes">
        <location filename="../../ui/archivebrowser.cpp" line="+96"/>
        <source>%n Messung(en)</source>
        <translation>
            <numerusform>%n Messung</numerusform>
            <numerusform>%n Messungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n neu archiviert</source>
        <translation>
            <numerusform>%n neu archiviert</numerusform>
            <numerusform>%n neu archiviert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n war(en) schon im Archiv</source>
        <translation>
            <numerusform>%n war schon im Archiv</numerusform>
            <numerusform>%n waren schon im Archiv</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/erasequestions.cpp" line="+40"/>
        <source>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</source>
        <translation>
            <numerusform>Diese Messung ist nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</numerusform>
            <numerusform>Diese Messungen sind nicht im Archiv: %1
Nach dem Löschen auf dem Gerät gibt es sie nirgends mehr.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+46"/>
        <source>Erneut übertragen: Vielleicht sendet das Gerät sie diesmal vollständig; die neuen Kopien werden neben den unvollständigen archiviert. Nach dem Löschen bleiben nur die unvollständigen Kopien.</source>
        <translation>
            <numerusform>Erneut übertragen: Vielleicht sendet das Gerät sie diesmal vollständig; die neue Kopie wird neben der unvollständigen archiviert. Nach dem Löschen bleibt nur die unvollständige Kopie.</numerusform>
            <numerusform>Erneut übertragen: Vielleicht sendet das Gerät sie diesmal vollständig; die neuen Kopien werden neben den unvollständigen archiviert. Nach dem Löschen bleiben nur die unvollständigen Kopien.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OverlayPlot</name>
    <message numerus="yes">
        <location filename="../../plot/overlayplot.cpp" line="+39"/>
        <source>… und %n weitere Kurve(n)</source>
        <translation>
            <numerusform>… und %n weitere Kurve</numerusform>
            <numerusform>… und %n weitere Kurven</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanEvaluationDialog</name>
    <message numerus="yes">
        <location filename="../../ui/planevaluationdialog.cpp" line="+47"/>
        <source>%n Messung(en) bewertet</source>
        <translation>
            <numerusform>%n Messung bewertet</numerusform>
            <numerusform>%n Messungen bewertet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeriesChart</name>
    <message numerus="yes">
        <location filename="../../measurement/serieschart.cpp" line="+227"/>
        <source>%n Messung(en) nach der letzten ganzen Untergruppe nicht in der Karte.</source>
        <translation>
            <numerusform>%n Messung nach der letzten ganzen Untergruppe ist nicht in der Karte.</numerusform>
            <numerusform>%n Messungen nach der letzten ganzen Untergruppe sind nicht in der Karte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeriesStatistics</name>
    <message numerus="yes">
        <location filename="../../measurement/seriesstatistics.cpp" line="+342"/>
        <source>%1 von %n n.i.O.</source>
        <translation>
            <numerusform>%1 von %n n.i.O.</numerusform>
            <numerusform>%1 von %n n.i.O.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+91"/>
        <source>%n Messungen ausgelassen: ein Wert ist keine Zahl.</source>
        <translation>
            <numerusform>%n Messung ausgelassen: ein Wert ist keine Zahl.</numerusform>
            <numerusform>%n Messungen ausgelassen: ein Wert ist keine Zahl.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n Messungen ohne Wert für %1: nicht auf der Kurve gefunden.</source>
        <translation>
            <numerusform>%n Messung ohne Wert für %1: nicht auf der Kurve gefunden.</numerusform>
            <numerusform>%n Messungen ohne Wert für %1: nicht auf der Kurve gefunden.</numerusform>
        </translation>
    </message>
</context>
</TS>
