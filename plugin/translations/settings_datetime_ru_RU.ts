<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>SettingsDateTime</name>
    <message>
        <source>Settings | Time Zone</source>
        <translation>Настр. | Временная Зона</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>Обновление Времени</translation>
    </message>
    <message>
        <source>Time Area Select</source>
        <translation>Выбор региона</translation>
    </message>
    <message>
        <source>Time City Select</source>
        <translation>Выбор города</translation>
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
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Не сохранено</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
