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
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinês (simplificado)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinês (tradicional)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
</TS>
