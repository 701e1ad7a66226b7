<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="de">
<context>
    <name>TspxProbe</name>
    <message>
        <source>Quelle</source>
        <translation>Rahmen-Quelle-zz</translation>
    </message>
    <message>
        <source>NurRahmen</source>
        <translation>Rahmen-zz</translation>
    </message>
</context>
</TS>
