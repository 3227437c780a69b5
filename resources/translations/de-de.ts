<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Virtuelles Kabel</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Virtuelles Kabel wird installiert…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Installationsfortschritt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>Das virtuelle Kabel ist bereit.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>Das virtuelle Kabel konnte nicht installiert werden.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Leider keine Ergebnisse. Bitte versuchen Sie andere Suchbegriffe.</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Taste festlegen</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Lokales Audio importieren</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Kein Gerät</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Ein-/Ausgabegerät</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Mikrofon und Lautsprecher einrichten</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Wird erkannt...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Richten Sie Mikrofon und Lautsprecher ein, um den Stimmverzerrer problemlos zu nutzen</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Sprechen Sie ins Mikrofon, um zu testen, ob Headset und Mikrofon richtig eingerichtet sind</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Keine Stimme zu hören? Klicken Sie auf „Erkennen“&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Keine Stimme zu hören?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Eingangslautstärke:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Ausgangslautstärke:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Rauschunterdrückung:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Mikrofone aktualisieren</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Lautsprecher aktualisieren</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Mikrofonpegel</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Lautsprecherpegel</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Stärke der Rauschunterdrückung</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Originalstimme</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Zusätzliche Latenz: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Stimmbild</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Mikrofonpegel</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Stimmen</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Stimmverzerrer beim Spielen nutzen</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle Royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Arena-Spiele</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Shooter</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>Online-RPGs</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Teamspiele</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Stimmverzerrer auf sozialen Plattformen nutzen</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Sprachchat</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Videokonferenzen</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Livestreaming</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Gruppenchat</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Einsatz auf Drittplattformen</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Stellen Sie in der anderen Anwendung unser virtuelles Mikrofon als Eingabemikrofon ein, um Ihre Stimme auf dieser Plattform zu verändern.</translation>
    </message>
</context>
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Stimmverzerrer</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Soundboard</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Mich selbst hören</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Stimmverzerrer anwenden</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Stimmverzerrer</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Soundboard</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Zugriff für andere Apps</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Eingabegerät</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Dialoge</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>Über Dialoge</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>Dieser Dialog hat einen gezeichneten Rahmen und einen Schatten.&lt;br/&gt;Zum Verschieben am Titel ziehen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Eigene Stimme „%1“ löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Widget-Galerie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Mich selbst hören</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Stimmverzerrer anwenden</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Alle Tastenkürzel aktivieren</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Ist eine Beschriftung zu lang für ihren Platz, zeigt ein Tooltip den ganzen Text</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Pegel %1 %</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Geringe Latenz</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Dialog öffnen</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Frage stellen</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Hinweis zeigen</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
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
        <translation>Stimmverzerrer</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Soundboard</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Andere Apps</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Mich selbst hören</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Stimmverzerrer anwenden</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Ein-/Ausgabegerät</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
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
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>In Systemleiste minimieren</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Tastenkürzel bereits belegt</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Initialisierung der Ressourcen fehlgeschlagen. Starten Sie die Software neu, wenn Sie die neue Stimme verwenden möchten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Download fehlgeschlagen. Bitte überprüfen Sie die Internetverbindung!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Bitte installieren Sie zuerst den virtuellen Treiber

Die Software kann erst nach der Installation des virtuellen Treibers verwendet werden. Bitte klicken Sie auf „Installieren“.</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Hinweis

Mit Ihrem Mikrofon/Kopfhörer stimmt etwas nicht. Bitte klicken Sie auf „Erkennen“, um das Gerät erneut zu erkennen.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Keine einstellbaren Parameter</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Möchten Sie den ausgewählten Sound wirklich löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>Wiedergabe fehlgeschlagen, die Datei existiert nicht oder ist beschädigt! Möchten Sie diesen Sound löschen?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>%1 kann nicht gespeichert werden (%2).

Die Datei behält ihren bisherigen Inhalt, und Ihre Änderungen bleiben bis zum Schließen des Programms erhalten. Geben Sie Speicherplatz frei oder machen Sie den Ordner beschreibbar.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>In Systemleiste minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Möchten Sie die angepassten Parameter der Stimme wirklich speichern?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>Die angepasste Stimme wird in der Kategorie [Eigene] gespeichert</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>Die angepassten Parameter sind nicht gespeichert. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Ohne Speichern werden die Parameter der Stimme zurückgesetzt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Bitte geben Sie den Namen der Stimme ein</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>Der Name existiert bereits</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Alle Tastenkürzel aktivieren</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Mich selbst hören</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Stimmverzerrer anwenden</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>Programme, die Ihre veränderte Stimme hören</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>Der Soundserver antwortet nicht</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Noch keines: Wählen Sie „CABLE Output“ als Mikrofon in Ihrem Chatprogramm</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Virtuelles Kabel</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Virtuelles Kabel neu installieren</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Mit dem System starten</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Taste festlegen</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Erneut abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Sound-Bild</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Wiedergabefortschritt</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Andere stummschalten</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Alle Sounds stoppen</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>Diese Dateien können nicht abgespielt werden und wurden nicht importiert:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Überlagern</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Die aktuelle Version ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Eine neue Version ist verfügbar!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version: %1 | Größe: %2 | Veröffentlichungsdatum: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>Kein Update-Server festgelegt. Updates kommen mit den Paketen Ihres Systems.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Update-Informationen konnten nicht abgerufen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>VolumeAdjustDailog</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
</TS>
