<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>SettingsDateTime</name>
    <message>
        <source>Settings | Time Zone</source>
        <translation>설정 | 시간 대</translation>
    </message>
    <message>
        <source>Time Update</source>
        <translation>설정방법</translation>
    </message>
    <message>
        <source>Time Area Select</source>
        <translation>지역설정</translation>
    </message>
    <message>
        <source>Time City Select</source>
        <translation>도시선택</translation>
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
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>저장 안 됨</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
</TS>
