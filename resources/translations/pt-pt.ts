<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
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
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software livre ao abrigo da Licença Pública Geral GNU, versão 3 ou posterior.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Cabo virtual</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>A instalar o cabo virtual…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Progresso da instalação</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>O cabo virtual está pronto.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>Não foi possível instalar o cabo virtual.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Lamentamos, não há resultados. Experimente outras palavras-chave</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Definir tecla</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Importar áudio local</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Nenhum dispositivo</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Dispositivo E/S</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Configurar o microfone e o altifalante</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>A detetar...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Configure o microfone e os altifalantes para utilizar o modificador de voz sem complicações</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Diga algo ao microfone para testar se os auscultadores e o microfone estão bem configurados</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Não ouve a voz? Clique em «Detetar»&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Não ouve a voz?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Volume de entrada:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Volume de saída:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Redução de ruído:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Altifalantes</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Atualizar microfones</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Atualizar altifalantes</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nível do microfone</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Nível do altifalante</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Intensidade da redução de ruído</translation>
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
        <translation>Latência adicional: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar definições</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Imagem da voz</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nível do microfone</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Vozes</translation>
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
        <translation>Mais</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Usar o modificador de voz em jogos</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Jogos de arena</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Jogos de tiros</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>RPG online</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Jogos de equipa</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Usar o modificador de voz nas redes sociais</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Conversa de voz</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Chamadas</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Videoconferências</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Transmissões em direto</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Conversa de grupo</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Utilização em plataformas de terceiros</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Mude o microfone de entrada da aplicação de terceiros para o nosso microfone virtual para alterar a voz nessa plataforma.</translation>
    </message>
</context>
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Modificador de voz</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Painel de sons</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Ouvir-me</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar modificador de voz</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Modificador de voz</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Painel de sons</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Acesso de terceiros</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
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
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Níveis</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Caixas de diálogo</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>Acerca das caixas de diálogo</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>Esta caixa de diálogo tem uma moldura desenhada e uma sombra.&lt;br/&gt;Arraste-a pelo título.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Eliminar a voz personalizada «%1»?</translation>
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
        <translation>Galeria de widgets</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Ouvir-me</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar modificador de voz</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Ativar todos os atalhos</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Uma etiqueta demasiado longa para o seu espaço mostra o texto completo numa dica</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Nível %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Baixa latência</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta qualidade</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Abrir um diálogo</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Fazer uma pergunta</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Mostrar um aviso</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinês (simplificado)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinês (tradicional)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
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
        <translation>A carregar...</translation>
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
        <translation>Modificador de voz</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Painel de sons</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Acesso de terceiros</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
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
        <translation>Guia</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir pasta de registos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Ouvir-me</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar modificador de voz</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Dispositivo E/S</translation>
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
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimizar para a área de notificação</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Atalho repetido</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Falha ao inicializar os recursos. Reinicie o programa se quiser usar a nova voz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Falha na transferência. Verifique a ligação à Internet!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Instale primeiro o controlador virtual

O programa só pode ser utilizado depois de instalar o controlador virtual. Clique em «Instalar».</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Aviso

Há um problema com o microfone ou os auscultadores. Clique em «Detetar» para voltar a detetar o dispositivo.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Detetar</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Sem parâmetros ajustáveis</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Tem a certeza de que pretende eliminar o som selecionado?</translation>
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
        <translation>Falha na reprodução: o ficheiro não existe ou está danificado! Pretende eliminar este som?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>Não é possível guardar %1 (%2).

O ficheiro mantém o conteúdo anterior e as suas alterações duram até o programa fechar. Liberte espaço em disco ou torne a pasta gravável.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimizar para a área de notificação</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Guardar definições</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Tem a certeza de que pretende guardar os parâmetros ajustados da voz?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>A voz ajustada será guardada na categoria [Personalizados]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>Os parâmetros ajustados não foram guardados. Pretende guardá-los?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Se não forem guardados, os parâmetros da voz serão repostos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Introduza o nome da voz</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>O nome já existe</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Ativar todos os atalhos</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Ouvir-me</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Aplicar modificador de voz</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>Programas que ouvem a sua voz alterada</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>O servidor de som não responde</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Nenhum ainda: escolha &quot;CABLE Output&quot; como microfone no seu programa de conversa</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Cabo virtual</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Reinstalar cabo virtual</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Iniciar com o sistema</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Definir tecla</translation>
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
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Imagem do som</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Progresso da reprodução</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Bloquear outros sons</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Parar tudo</translation>
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
        <translation>Importar</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>Estes ficheiros não podem ser reproduzidos e não foram importados:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sobrepor</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>A verificar...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>A versão atual é a mais recente.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Está disponível uma nova versão!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versão: %1 | Tamanho: %2 | Data de lançamento: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>Não está definido nenhum servidor de atualizações. As atualizações chegam com os pacotes do sistema.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Falha ao obter informações de atualização. Tente novamente mais tarde.</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
</TS>
