<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>ボイスチェンジャー</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>サウンドボード</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>自分の声を聞く</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>ボイスチェンジャーを適用</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
