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
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinois (simplifié)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinois (traditionnel)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
</TS>
