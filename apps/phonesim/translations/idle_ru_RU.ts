<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>IdleScreen</name>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>OK: %1 settings pages</source>
        <translation>OK: страниц настроек: %1</translation>
    </message>
    <message>
        <source>OK: Time zone settings</source>
        <translation>OK: настройка часового пояса</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Умолчание</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ожидание</translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
</context>
</TS>
