<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>變聲器</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>音效板</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>監聽自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>啟用變聲器</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
</TS>
