<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Изменение голоса</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Звуковая панель</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Слышать себя</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Применять изменение голоса</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
</TS>
