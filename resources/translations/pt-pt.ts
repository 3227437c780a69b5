<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Modificador de voz</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Painel de sons</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Ouvir-me</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar modificador de voz</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
