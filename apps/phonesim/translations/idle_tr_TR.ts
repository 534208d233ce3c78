<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>IdleScreen</name>
    <message>
        <source>Local time</source>
        <translation>Yerel saat</translation>
    </message>
    <message>
        <source>OK: %1 settings pages</source>
        <translation>OK: %1 ayar sayfası</translation>
    </message>
    <message>
        <source>OK: Time zone settings</source>
        <translation>OK: saat dilimi ayarı</translation>
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
        <source>Idle</source>
        <translation>Bekleme</translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
</context>
</TS>
