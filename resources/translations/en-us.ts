<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
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
        <translation>Free software under the GNU General Public License, version 3 or later.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Virtual cable</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Installing the virtual cable…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Installation progress</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>The virtual cable is ready.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>The virtual cable could not be installed.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Sorry, there is no result, please try other keywords</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Add keybind</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Import local audio</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>No equipment</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Input/Output Device</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Set up the microphone and speaker</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Detecting...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Please configure your microphone and speakers to use Voice Changer without hassle</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Say something into the microphone to test whether your headset and microphone are set up properly</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Input volume:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Output volume:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Denoise:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Speakers</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Refresh the microphones</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Refresh the speakers</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Microphone level</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Speaker level</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Denoise strength</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Original voice</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Added latency: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Voice picture</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Microphone level</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Voices</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Use voice changer for gaming</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Arena games</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Shooters</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>Online RPGs</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Team games</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Use voice changer on social platforms</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Voice chat</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Video meetings</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Live streaming</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Group chat</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Applied to third-party platforms</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</translation>
    </message>
</context>
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
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
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
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Open Log Folder</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Hear myself</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Apply voice changer</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Input/Output Device</translation>
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
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimize to tray</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Repeated keybind</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Resource initialization failed, restart the software if you want to use the new voice</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Download failed. Please check the internet connection!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Detection</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Non-adjustment for parameters</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Are you sure you want to delete the selected sound?</translation>
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
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimize to Tray</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
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
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Are you sure to save the adjusted parameters of sound?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>The adjusted sound will be saved in the [Customization] category</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>The parameters you adjusted are not saved, do you want to save them?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>If not saved, the sound parameters will be reset</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Please enter the sound name</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>The name already exists</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Enable all shortcut keys</translation>
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
        <source>Programs hearing your changed voice</source>
        <translation>Programs hearing your changed voice</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>The sound server does not answer</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Virtual cable</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Reinstall virtual cable</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Start with the system</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Add keybind</translation>
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
        <translation>Play</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Sound picture</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Playback progress</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Block other sounds</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Stop all sounds</translation>
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
        <translation>Import</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>These files cannot be played and were not imported:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Overlay</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Remind Me Later</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Waiting for checking...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Current version is up to date.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>A new version is available!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version: %1 | Size: %2 | Release Date: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>No update server is set. Updates come with your system&apos;s packages.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Fetch update info failed. Please retry later.</translation>
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
