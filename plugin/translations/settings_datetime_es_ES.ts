<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>SettingsDateTime</name>
    <message>
        <source>Settings | Time Zone</source>
        <translation>Configuracion | Zona Horaria</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Tiempo de actualizacion</translation>
    </message>
    <message>
        <source>Time Area Select</source>
        <translation>Seleccionar Zona horaria</translation>
    </message>
    <message>
        <source>Time City Select</source>
        <translation>Selec. Hora de la Ciudad</translation>
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
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
