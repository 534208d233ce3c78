<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>SettingsDateTime</name>
    <message>
        <source>Settings | Time Zone</source>
        <translation>Impostazioni | Ora locale</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Aggiorna l'orario</translation>
    </message>
    <message>
        <source>Time Area Select</source>
        <translation>Seleziona area</translation>
    </message>
    <message>
        <source>Time City Select</source>
        <translation>Seleziona orario</translation>
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
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non salvato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
