<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>음성 변조</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>사운드보드</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>내 목소리 듣기</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>음성 변조 적용</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
</context>
</TS>
