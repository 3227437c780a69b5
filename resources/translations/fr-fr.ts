<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
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
