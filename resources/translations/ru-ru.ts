<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Свободное ПО под лицензией GNU General Public License версии 3 или более поздней.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Виртуальный кабель</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Установка виртуального кабеля…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Ход установки</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>Виртуальный кабель готов.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>Не удалось установить виртуальный кабель.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>К сожалению, ничего не найдено. Попробуйте другие ключевые слова</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Задать клавишу</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Импорт локального аудио</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Нет устройств</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Устройства ввода/вывода</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Настройка микрофона и динамиков</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Обнаружение...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Настройте микрофон и динамики, чтобы изменение голоса работало без проблем</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Скажите что-нибудь в микрофон, чтобы проверить, правильно ли настроены гарнитура и микрофон</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Не слышно голоса? Нажмите «Обнаружить»&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Не слышно голоса?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Громкость ввода:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Громкость вывода:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Шумоподавление:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Динамики</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Обновить список микрофонов</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Обновить список динамиков</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Уровень микрофона</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Уровень динамиков</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Сила шумоподавления</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Исходный голос</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Дополнительная задержка: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Изображение голоса</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Уровень микрофона</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Голоса</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Группы</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Изменение голоса в играх</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Королевская битва</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Арены</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Шутеры</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>Онлайн-RPG</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Командные игры</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Изменение голоса в соцсетях</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Голосовой чат</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Звонки</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Видеовстречи</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Прямые трансляции</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Групповой чат</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Использование в сторонних программах</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Выберите в сторонней программе наш виртуальный микрофон в качестве входного, чтобы изменять голос на этой платформе.</translation>
    </message>
</context>
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
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
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
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Частые вопросы</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Слышать себя</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Применять изменение голоса</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Устройства ввода/вывода</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
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
        <translation>Открыть %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Свернуть в трей</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Сочетание клавиш уже занято</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Не удалось инициализировать ресурсы. Перезапустите программу, чтобы использовать новый голос</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Ошибка загрузки. Проверьте подключение к Интернету!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Сначала установите виртуальный драйвер

Программой можно пользоваться только после установки виртуального драйвера. Нажмите «Установить».</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Подсказка

С микрофоном или наушниками что-то не так. Нажмите «Обнаружить», чтобы заново найти устройство.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Обнаружить</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Нет настраиваемых параметров</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Удалить выбранный звук?</translation>
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
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>Не удалось воспроизвести: файл не существует или повреждён! Удалить этот звук?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>Не удаётся сохранить %1 (%2).

Файл сохраняет прежнее содержимое, а ваши изменения действуют до закрытия программы. Освободите место на диске или разрешите запись в папку.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Свернуть в трей</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>SaveParamDialog</name>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Сохранить изменённые параметры голоса?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>Изменённый голос будет сохранён в категории [Свои]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>Изменённые параметры не сохранены. Сохранить их?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Если не сохранить, параметры голоса будут сброшены</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Введите название голоса</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>Такое имя уже существует</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Включить все горячие клавиши</translation>
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
        <source>Programs hearing your changed voice</source>
        <translation>Программы, слышащие изменённый голос</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>Звуковой сервер не отвечает</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Пока нет: выберите «CABLE Output» в качестве микрофона в программе чата</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Виртуальный кабель</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Переустановить виртуальный кабель</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Запускать вместе с системой</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Задать клавишу</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Изображение звука</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Ход воспроизведения</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Заглушить другие</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Остановить все</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>Эти файлы невозможно воспроизвести, и они не были импортированы:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Наложение</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>У вас последняя версия.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Доступна новая версия!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Версия: %1 | Размер: %2 | Дата выпуска: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>Сервер обновлений не задан. Обновления приходят вместе с пакетами вашей системы.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Не удалось получить сведения об обновлении. Повторите попытку позже.</translation>
    </message>
</context>
<context>
    <name>VolumeAdjustDailog</name>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
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
