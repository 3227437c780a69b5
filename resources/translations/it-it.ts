<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Cambiavoce</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Pannello suoni</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Ascoltami</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Applica cambiavoce</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Cinese (semplificato)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Cinese (tradizionale)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
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
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
</TS>
