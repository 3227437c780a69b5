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
