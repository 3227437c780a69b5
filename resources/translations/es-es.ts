<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Cambiador de voz</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Panel de sonidos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Escucharme</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar cambiador de voz</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Cambiador de voz</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Panel de sonidos</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Acceso de terceros</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Interruptores</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Dispositivo de entrada</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Diálogos</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>Acerca de los diálogos</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>Este diálogo tiene un marco dibujado y una sombra.&lt;br/&gt;Arrástralo por el título.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>¿Eliminar la voz personalizada «%1»?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Galería de widgets</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Escucharme</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar cambiador de voz</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Activar todos los atajos</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Una etiqueta demasiado larga para su espacio muestra todo el texto en una descripción emergente</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Nivel %1 %</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Baja latencia</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Abrir un diálogo</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Hacer una pregunta</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Mostrar un aviso</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chino (simplificado)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chino (tradicional)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
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
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
</TS>
