<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versi:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Perangkat lunak bebas di bawah GNU General Public License, versi 3 atau yang lebih baru.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Kabel virtual</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Menginstal kabel virtual…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Kemajuan instalasi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>Kabel virtual sudah siap.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>Kabel virtual tidak dapat diinstal.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Maaf, tidak ada hasil. Silakan coba kata kunci lain</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Atur tombol</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Impor audio lokal</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Tidak ada perangkat</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Perangkat Input/Output</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Atur mikrofon dan speaker</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Mendeteksi...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Atur mikrofon dan speaker Anda agar dapat menggunakan pengubah suara tanpa kendala</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Ucapkan sesuatu ke mikrofon untuk menguji apakah headset dan mikrofon Anda sudah diatur dengan benar</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Tidak mendengar suara? Silakan klik “Deteksi”&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Tidak mendengar suara?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Volume input:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Volume output:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Peredam bising:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Speaker</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Muat ulang mikrofon</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Muat ulang speaker</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Level mikrofon</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Level speaker</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Kekuatan peredam bising</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Suara asli</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Latensi tambahan: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Simpan pengaturan</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Gambar suara</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Level mikrofon</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Suara</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Lainnya</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Gunakan pengubah suara untuk bermain game</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Game arena</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Game tembak-menembak</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>RPG online</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Game tim</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Gunakan pengubah suara di platform sosial</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Obrolan suara</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Panggilan</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Rapat video</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Siaran langsung</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Obrolan grup</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Penggunaan di platform pihak ketiga</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Pengguna dapat mengganti mikrofon input aplikasi pihak ketiga ke mikrofon virtual kami untuk mengubah suara di platform tersebut.</translation>
    </message>
</context>
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
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Memuat...</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
</context>
<context>
    <name>MainNavigationBar</name>
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
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Pulihkan</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksimalkan</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Panduan</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Buka Folder Log</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Dengar suara sendiri</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Terapkan pengubah suara</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Perangkat Input/Output</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Buka %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimalkan ke baki sistem</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Tombol pintasan duplikat</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Inisialisasi sumber daya gagal, mulai ulang perangkat lunak jika ingin menggunakan suara baru</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Unduhan gagal. Periksa koneksi internet Anda!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Instal driver virtual terlebih dahulu

Perangkat lunak hanya dapat digunakan setelah driver virtual diinstal, silakan klik “Instal”.</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instal</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Tips

Ada masalah pada mikrofon/headphone Anda, silakan klik “Deteksi” untuk mendeteksi ulang perangkat.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Deteksi</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Tidak ada parameter yang dapat diatur</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Yakin ingin menghapus suara yang dipilih?</translation>
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
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>Gagal memutar, file tidak ada atau rusak! Apakah Anda ingin menghapus suara ini?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>Tidak dapat menyimpan %1 (%2).

Berkas tetap berisi konten sebelumnya, dan perubahan Anda bertahan sampai program ditutup. Kosongkan ruang disk atau jadikan folder dapat ditulisi.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Lainnya</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimalkan ke Baki Sistem</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SaveParamDialog</name>
    <message>
        <source>Save settings</source>
        <translation>Simpan pengaturan</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Apakah Anda yakin ingin menyimpan parameter suara yang telah disesuaikan?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>Suara yang disesuaikan akan disimpan di kategori [Kustom]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>Parameter yang Anda sesuaikan belum disimpan. Apakah Anda ingin menyimpannya?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Jika tidak disimpan, parameter suara akan diatur ulang</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Masukkan nama suara</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>Nama sudah ada</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Aktifkan semua tombol pintasan</translation>
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
        <source>Programs hearing your changed voice</source>
        <translation>Program yang mendengar suara Anda yang diubah</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>Server suara tidak merespons</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Belum ada: pilih &quot;CABLE Output&quot; sebagai mikrofon di program obrolan Anda</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Kabel virtual</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Instal ulang kabel virtual</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Mulai bersama sistem</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Atur tombol</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Putar ulang</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Gambar suara</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Progres pemutaran</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Bisukan</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Blokir suara lain</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Hentikan semua suara</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>Suara</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>Impor</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>File berikut tidak dapat diputar dan tidak diimpor:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Tumpuk</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ingatkan Nanti</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Perbarui sekarang</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Menunggu pemeriksaan...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Versi saat ini sudah yang terbaru.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Versi baru tersedia!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versi: %1 | Ukuran: %2 | Tanggal Rilis: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>Server pembaruan belum diatur. Pembaruan datang bersama paket sistem Anda.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Gagal mengambil info pembaruan. Silakan coba lagi nanti.</translation>
    </message>
</context>
<context>
    <name>VolumeAdjustDailog</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
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
