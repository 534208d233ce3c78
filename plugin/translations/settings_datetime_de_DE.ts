<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>SettingsDateTime</name>
    <message>
        <source>Settings | Time Zone</source>
        <translation>Einst | Zeitzone</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Zeit Updaten</translation>
    </message>
    <message>
        <source>Time Area Select</source>
        <translation>Zeitzone auswählen</translation>
    </message>
    <message>
        <source>Time City Select</source>
        <translation>Stadt auswählen</translation>
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
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
