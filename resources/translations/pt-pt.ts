<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
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
