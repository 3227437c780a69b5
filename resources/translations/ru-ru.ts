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
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
