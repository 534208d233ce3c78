<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>SettingsDateTime</name>
    <message>
        <source>Settings | Time Zone</source>
        <translation>Elle Ayarlar | Saat Dilimi</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Saati güncelle</translation>
    </message>
    <message>
        <source>Time Area Select</source>
        <translation>Saat dilimi seç</translation>
    </message>
    <message>
        <source>Time City Select</source>
        <translation>Saat dilimi şehrini seç</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Kaydedilmedi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
</TS>
