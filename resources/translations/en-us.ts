<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>VoiceBox</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Soundboard</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Hear myself</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Apply voice changer</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>VoiceBox</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Soundboard</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>3rd party access</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Switches</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Input device</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Dialogs</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>About dialogs</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Delete the custom voice &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Widget gallery</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Hear myself</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Apply voice changer</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Enable all shortcut keys</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>A label too long for its room shows the whole text as a tooltip</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Level %1 %</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Low latency</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>High quality</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Open a dialog</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Ask a question</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Show a notice</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinese(Simplified)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinese(Traditional)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
</TS>
