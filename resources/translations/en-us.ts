<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>VoiceBox</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Soundboard</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Hear myself</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Apply voice changer</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinese(Simplified)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinese(Traditional)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
</TS>
