<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libero distribuito secondo la GNU General Public License, versione 3 o successiva.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Cavo virtuale</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Installazione del cavo virtuale…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Avanzamento installazione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>Il cavo virtuale è pronto.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>Impossibile installare il cavo virtuale.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Spiacenti, nessun risultato. Prova con altre parole chiave</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Imposta tasto</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Importa audio locale</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Nessun dispositivo</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Dispositivo I/O</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Configura microfono e altoparlante</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Rilevamento in corso...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Configura microfono e altoparlanti per usare il cambiavoce senza problemi</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Di&apos; qualcosa al microfono per verificare che cuffie e microfono siano configurati correttamente</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Non senti la voce? Fai clic su «Rileva»&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Non senti la voce?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Volume di ingresso:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Volume di uscita:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Riduzione rumore:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Altoparlanti</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Aggiorna microfoni</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Aggiorna altoparlanti</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Livello microfono</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Livello altoparlante</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Intensità riduzione rumore</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Voce originale</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Latenza aggiunta: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Immagine della voce</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Livello microfono</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Voci</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Usa il cambiavoce nei giochi</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Giochi arena</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Sparatutto</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>GDR online</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Giochi di squadra</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Usa il cambiavoce sui social</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Chat vocale</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Chiamate</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Videoconferenze</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Dirette streaming</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Chat di gruppo</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Uso su piattaforme di terze parti</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Imposta il nostro microfono virtuale come microfono di ingresso nell&apos;applicazione di terze parti per cambiare la voce su quella piattaforma.</translation>
    </message>
</context>
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
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Cambiavoce</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Pannello suoni</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Accesso di terze parti</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Interruttori</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Dispositivo di ingresso</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Dialoghi</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>Informazioni sui dialoghi</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>Questa finestra di dialogo ha una cornice disegnata e un&apos;ombra.&lt;br/&gt;Trascinala dal titolo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Eliminare la voce personalizzata «%1»?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Galleria dei widget</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Ascoltami</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Applica cambiavoce</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Attiva tutte le scorciatoie</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Un&apos;etichetta troppo lunga per il suo spazio mostra il testo completo in un suggerimento</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Livello %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Bassa latenza</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta qualità</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Apri un dialogo</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Fai una domanda</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Mostra un avviso</translation>
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
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
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
        <translation>Cambiavoce</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Pannello suoni</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Terze parti</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Apri cartella dei log</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Ascoltami</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Applica cambiavoce</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Dispositivo I/O</translation>
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
        <translation>Apri %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Riduci nell&apos;area di notifica</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Scorciatoia duplicata</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Inizializzazione delle risorse non riuscita, riavvia il programma se vuoi usare la nuova voce</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Download non riuscito. Controlla la connessione a Internet!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Installa prima il driver virtuale

Il programma può essere usato solo dopo aver installato il driver virtuale, fai clic su «Installa».</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Suggerimento

C&apos;è un problema con il microfono o le cuffie, fai clic su «Rileva» per rilevare di nuovo il dispositivo.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Rileva</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Nessun parametro regolabile</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Vuoi davvero eliminare il suono selezionato?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>Riproduzione non riuscita, il file non esiste o è danneggiato! Vuoi eliminare questo suono?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>Impossibile salvare %1 (%2).

Il file mantiene il contenuto precedente e le modifiche restano fino alla chiusura del programma. Libera spazio su disco o rendi la cartella scrivibile.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Riduci nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Vuoi davvero salvare i parametri modificati della voce?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>La voce modificata verrà salvata nella categoria [Personalizzati]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>I parametri modificati non sono stati salvati. Vuoi salvarli?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Se non salvati, i parametri della voce verranno ripristinati</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Inserisci il nome della voce</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>Il nome esiste già</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Attiva tutte le scorciatoie</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Ascoltami</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Applica cambiavoce</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>Programmi che sentono la tua voce modificata</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>Il server audio non risponde</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Nessuno per ora: scegli &quot;CABLE Output&quot; come microfono nel tuo programma di chat</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Cavo virtuale</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Reinstalla cavo virtuale</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Avvia con il sistema</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Imposta tasto</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Riascolta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Immagine del suono</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Avanzamento riproduzione</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Blocca altri suoni</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Ferma tutti i suoni</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>Questi file non possono essere riprodotti e non sono stati importati:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sovrapponi</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Verifica in corso...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La versione attuale è aggiornata.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>È disponibile una nuova versione!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versione: %1 | Dimensione: %2 | Data di rilascio: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>Nessun server di aggiornamento impostato. Gli aggiornamenti arrivano con i pacchetti del sistema.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Impossibile ottenere le informazioni sull&apos;aggiornamento. Riprova più tardi.</translation>
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
