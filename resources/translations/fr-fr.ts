<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Câble virtuel</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Installation du câble virtuel…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Progression de l’installation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>Le câble virtuel est prêt.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>Impossible d’installer le câble virtuel.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Désolé, aucun résultat. Veuillez essayer d&apos;autres mots-clés</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Définir touche</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Importer un audio local</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Aucun périphérique</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Périphérique E/S</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Configurer le microphone et le haut-parleur</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Détection en cours...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Configurez votre microphone et vos haut-parleurs pour utiliser le modificateur de voix sans souci</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Parlez dans le microphone pour vérifier que votre casque et votre microphone sont bien configurés</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Vous n&apos;entendez pas la voix&#xa0;? Cliquez sur «&#xa0;Détecter&#xa0;»&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Vous n&apos;entendez pas la voix&#xa0;?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Volume d&apos;entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Volume de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Réduction du bruit&#xa0;:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Haut-parleurs</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Actualiser les microphones</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Actualiser les haut-parleurs</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Niveau du microphone</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Niveau du haut-parleur</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Intensité de la réduction du bruit</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Voix d&apos;origine</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Latence ajoutée : %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Image de la voix</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Niveau du microphone</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Voix</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Utiliser le modificateur de voix en jeu</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Jeux d&apos;arène</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Jeux de tir</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>RPG en ligne</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Jeux en équipe</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Utiliser le modificateur de voix sur les réseaux sociaux</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Chat vocal</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Appels</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Visioconférences</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Diffusion en direct</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Discussion de groupe</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Utilisation sur des plateformes tierces</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Choisissez notre micro virtuel comme micro d&apos;entrée dans l&apos;application tierce pour modifier votre voix sur cette plateforme.</translation>
    </message>
</context>
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Modificateur de voix</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Boîte à sons</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>M&apos;entendre</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Appliquer le modificateur de voix</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Modificateur de voix</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Boîte à sons</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Accès tiers</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Interrupteurs</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Périphérique d&apos;entrée</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Boîtes de dialogue</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>À propos des boîtes de dialogue</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>Cette boîte de dialogue a un cadre dessiné et une ombre.&lt;br/&gt;Faites-la glisser par son titre.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Supprimer la voix personnalisée «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Galerie de widgets</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>M&apos;entendre</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Appliquer le modificateur de voix</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Activer tous les raccourcis</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Un libellé trop long pour son espace affiche le texte complet dans une infobulle</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Niveau %1&#xa0;%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Faible latence</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Ouvrir un dialogue</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Poser une question</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Afficher une notification</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinois (simplifié)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinois (traditionnel)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
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
        <translation>Modificateur de voix</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Boîte à sons</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Accès tiers</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
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
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>M&apos;entendre</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Appliquer le modificateur de voix</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Périphérique E/S</translation>
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
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Réduire dans la barre d&apos;état</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Raccourci déjà utilisé</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Échec de l&apos;initialisation des ressources. Redémarrez le logiciel si vous voulez utiliser la nouvelle voix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Échec du téléchargement. Vérifiez votre connexion Internet&#xa0;!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Veuillez d&apos;abord installer le pilote virtuel

Le logiciel ne peut être utilisé qu&apos;après l&apos;installation du pilote virtuel. Cliquez sur «&#xa0;Installer&#xa0;».</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Conseil

Votre micro ou votre casque rencontre un problème. Cliquez sur «&#xa0;Détecter&#xa0;» pour détecter à nouveau le périphérique.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Détecter</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Aucun paramètre réglable</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Voulez-vous vraiment supprimer le son sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>Lecture impossible&#xa0;: le fichier n&apos;existe pas ou est endommagé&#xa0;! Voulez-vous supprimer ce son&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>Impossible d&apos;enregistrer %1 (%2).

Le fichier garde son contenu précédent et vos modifications restent jusqu&apos;à la fermeture du programme. Libérez de l&apos;espace disque ou rendez le dossier accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Réduire dans la barre d&apos;état</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Voulez-vous vraiment enregistrer les paramètres modifiés de la voix ?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>La voix modifiée sera enregistrée dans la catégorie [Personnalisés]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>Les paramètres modifiés ne sont pas enregistrés. Voulez-vous les enregistrer ?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Sans enregistrement, les paramètres de la voix seront réinitialisés</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Veuillez saisir le nom de la voix</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>Ce nom existe déjà</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Activer tous les raccourcis</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>M&apos;entendre</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Appliquer le modificateur de voix</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>Programmes qui entendent votre voix modifiée</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>Le serveur de son ne répond pas</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Aucun pour l’instant : choisissez « CABLE Output » comme micro dans votre programme de discussion</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Câble virtuel</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Réinstaller le câble virtuel</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Démarrer avec le système</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Définir touche</translation>
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
        <translation>Lire</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Image du son</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Progression de la lecture</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Bloquer les autres</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Tout arrêter</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>Ces fichiers ne peuvent pas être lus et n&apos;ont pas été importés&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superposer</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Vérification en cours...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La version actuelle est à jour.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Une nouvelle version est disponible&#xa0;!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version&#xa0;: %1 | Taille&#xa0;: %2 | Date de publication&#xa0;: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>Aucun serveur de mises à jour n&apos;est défini. Les mises à jour arrivent avec les paquets de votre système.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Impossible de récupérer les informations de mise à jour. Veuillez réessayer plus tard.</translation>
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
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
</TS>
