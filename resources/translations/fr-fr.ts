<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Modificateur de voix</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Boîte à sons</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>M&apos;entendre</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Appliquer le modificateur de voix</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
