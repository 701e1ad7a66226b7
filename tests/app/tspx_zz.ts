<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="de">
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Datei-zz</translation>
    </message>
</context>
<context>
    <name>TspxProbe</name>
    <message>
        <source>Quelle</source>
        <translation>Programm-zz</translation>
    </message>
</context>
</TS>
