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
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Pengubah Suara</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Papan Suara</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Akses pihak ketiga</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Sakelar</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Perangkat input</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kualitas</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>Tentang dialog</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>Dialog ini memiliki bingkai yang digambar sendiri dan bayangan.&lt;br/&gt;Seret judulnya untuk memindahkan.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Hapus suara kustom “%1”?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Tersimpan</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Galeri widget</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Dengar suara sendiri</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Terapkan pengubah suara</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Aktifkan semua tombol pintasan</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Label yang terlalu panjang untuk ruangnya menampilkan seluruh teks sebagai tooltip</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Level %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Latensi rendah</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Kualitas tinggi</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Buka dialog</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Ajukan pertanyaan</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Tampilkan pemberitahuan</translation>
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
