<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Pengubah Suara</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Papan Suara</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Dengar suara sendiri</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Terapkan pengubah suara</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Tionghoa (Sederhana)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Tionghoa (Tradisional)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Jepang</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korea</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Hapus</translation>
    </message>
</context>
</TS>
