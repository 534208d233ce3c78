<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>IdleScreen</name>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>OK: %1 settings pages</source>
        <translation>OK: %1 paginas de ajustes</translation>
    </message>
    <message>
        <source>OK: Time zone settings</source>
        <translation>OK: ajustar la zona horaria</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Omision</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Reposo</translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Pages</source>
        <translation>Paginas</translation>
    </message>
</context>
</TS>
