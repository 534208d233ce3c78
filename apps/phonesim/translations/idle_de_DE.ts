<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>IdleScreen</name>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>OK: %1 settings pages</source>
        <translation>OK: %1 Einstellungsseiten</translation>
    </message>
    <message>
        <source>OK: Time zone settings</source>
        <translation>OK: Zeitzone einstellen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ruhe</translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
</TS>
