<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Cable virtual</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Instalando el cable virtual…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Progreso de la instalación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>El cable virtual está listo.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>No se pudo instalar el cable virtual.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Lo sentimos, no hay resultados. Pruebe con otras palabras clave</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Asignar tecla</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Importar audio local</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Sin dispositivos</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Dispositivo E/S</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Configurar el micrófono y el altavoz</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Detectando...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Configura el micrófono y los altavoces para usar el cambiador de voz sin complicaciones</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Di algo al micrófono para comprobar que los auriculares y el micrófono están bien configurados</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;¿No oyes la voz? Haz clic en «Detectar»&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;¿No oyes la voz?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Volumen de entrada:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Volumen de salida:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Reducción de ruido:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Altavoces</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Actualizar micrófonos</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Actualizar altavoces</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nivel del micrófono</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Nivel del altavoz</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Intensidad de reducción de ruido</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Voz original</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Latencia añadida: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Imagen de la voz</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nivel del micrófono</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Voces</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Usa el cambiador de voz en juegos</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Juegos de arena</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Shooters</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>RPG en línea</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Juegos de equipo</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Usa el cambiador de voz en redes sociales</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Chat de voz</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Llamadas</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Videoconferencias</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Directos</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Chat de grupo</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Uso en plataformas de terceros</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Cambia el micrófono de entrada de la aplicación de terceros a nuestro micrófono virtual para cambiar tu voz en esa plataforma.</translation>
    </message>
</context>
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
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
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
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Escucharme</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar cambiador de voz</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Dispositivo E/S</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
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
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimizar a la bandeja</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Atajo repetido</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Error al inicializar los recursos. Reinicia el programa si quieres usar la nueva voz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Error en la descarga. ¡Comprueba la conexión a internet!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Instala primero el controlador virtual

El programa solo se puede usar tras instalar el controlador virtual. Haz clic en «Instalar».</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Aviso

Hay un problema con tu micrófono o auriculares. Haz clic en «Detectar» para volver a detectar el dispositivo.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Sin parámetros ajustables</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>¿Seguro que quieres eliminar el sonido seleccionado?</translation>
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
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>No se puede reproducir: ¡el archivo no existe o está dañado! ¿Quieres eliminar este sonido?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>No se puede guardar %1 (%2).

El archivo conserva su contenido anterior y tus cambios se mantienen hasta que se cierre el programa. Libera espacio en el disco o permite escribir en la carpeta.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimizar a la bandeja</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SaveParamDialog</name>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>¿Seguro que desea guardar los parámetros ajustados de la voz?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>La voz ajustada se guardará en la categoría [Personalizados]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>Los parámetros ajustados no se han guardado. ¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Si no se guardan, los parámetros de la voz se restablecerán</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Introduzca el nombre de la voz</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>El nombre ya existe</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Activar todos los atajos</translation>
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
        <source>Programs hearing your changed voice</source>
        <translation>Programas que oyen tu voz modificada</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>El servidor de sonido no responde</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Ninguno aún: elige «CABLE Output» como micrófono en tu programa de chat</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Cable virtual</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Reinstalar cable virtual</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Iniciar con el sistema</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Asignar tecla</translation>
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
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Imagen del sonido</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Progreso de reproducción</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Bloquear otros</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Detener todo</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>Estos archivos no se pueden reproducir y no se han importado:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superponer</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Tienes la versión más reciente.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>¡Hay una nueva versión disponible!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versión: %1 | Tamaño: %2 | Fecha de publicación: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>No hay ningún servidor de actualizaciones configurado. Las actualizaciones llegan con los paquetes de tu sistema.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>No se pudo obtener la información de actualización. Inténtalo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>VolumeAdjustDailog</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
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
