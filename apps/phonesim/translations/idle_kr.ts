<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kr" sourcelanguage="en">
<context>
    <name>IdleScreen</name>
    <message>
        <source>Local time</source>
        <translation>현지 시간</translation>
    </message>
    <message>
        <source>OK: %1 settings pages</source>
        <translation>OK: 설정 페이지 %1개</translation>
    </message>
    <message>
        <source>OK: Time zone settings</source>
        <translation>OK: 시간대 설정</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자 설정</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>대기</translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Pages</source>
        <translation>페이지</translation>
    </message>
</context>
</TS>
