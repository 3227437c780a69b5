<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Изменение голоса</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Звуковая панель</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Слышать себя</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Применять изменение голоса</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Изменение голоса</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Звуковая панель</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Сторонние программы</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Переключатели</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Устройство ввода</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Надпись</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Уровни</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Диалоги</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>О диалогах</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>У этого диалога нарисованная рамка и тень.&lt;br/&gt;Перетаскивайте его за заголовок.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Удалить пользовательский голос «%1»?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Галерея виджетов</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Слышать себя</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Применять изменение голоса</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Включить все горячие клавиши</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Надпись, которой не хватает места, показывает весь текст во всплывающей подсказке</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Уровень %1 %</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Низкая задержка</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Высокое качество</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Открыть диалог</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Задать вопрос</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Показать уведомление</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
</TS>
