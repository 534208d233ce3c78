<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>IdleScreen</name>
    <message>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>OK: %1 settings pages</source>
        <translation>OK: %1 pagine di impostazioni</translation>
    </message>
    <message>
        <source>OK: Time zone settings</source>
        <translation>OK: impostare il fuso orario</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Riposo</translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
</context>
</TS>
