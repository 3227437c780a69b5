<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>本軟體為自由軟體，依據 GNU 通用公共授權條款第 3 版或更新版本發布。</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>虛擬音訊線</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>正在安裝虛擬音訊線…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>安裝進度</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>虛擬音訊線已就緒。</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>無法安裝虛擬音訊線。</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>抱歉，沒有結果，請嘗試其他關鍵字</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>設定快速鍵</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>匯入本機音訊</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>無裝置</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>輸入/輸出裝置</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>設定麥克風和喇叭</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>偵測中...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>請設定麥克風和喇叭，以便順暢使用變聲器</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>對著麥克風說話，測試耳機和麥克風是否設定正確</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;聽不到聲音？請點選「偵測」&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;聽不到聲音？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>輸入音量：</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>輸出音量：</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>降噪：</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>喇叭</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>重新整理麥克風</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>重新整理喇叭</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>麥克風音量</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>喇叭音量</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>降噪強度</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>原聲</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>額外延遲：%1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>儲存設定</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>聲音圖片</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>麥克風音量</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>聲音列表</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>群組</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>在遊戲中使用變聲器</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>大逃殺</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>競技場遊戲</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>射擊遊戲</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>線上 RPG</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>團隊遊戲</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>在社群平台使用變聲器</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>語音聊天</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>通話</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>視訊會議</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>直播</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>群組聊天</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>套用至第三方平台</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>將第三方應用程式的輸入麥克風切換為我們的虛擬麥克風，即可在第三方平台上變聲。</translation>
    </message>
</context>
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>變聲器</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>音效板</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>監聽自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>啟用變聲器</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>變聲器</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>音效板</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>第三方存取</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>開關</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>輸入裝置</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>電平</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>品質</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>關於對話方塊</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>此對話方塊具有自繪邊框與陰影。&lt;br/&gt;拖曳標題即可移動。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>要刪除自訂聲音「%1」嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已儲存</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>元件展示</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>監聽自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>啟用變聲器</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>啟用所有快速鍵</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>標籤過長放不下時，會在工具提示中顯示完整文字</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>電平 %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>低延遲</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>高音質</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>開啟對話方塊</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>提問</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>顯示通知</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓語</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>載入中...</translation>
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
        <translation>變聲器</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>音效板</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>第三方存取</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>指南</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常見問題</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>開啟記錄檔資料夾</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>監聽自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>啟用變聲器</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>輸入/輸出裝置</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
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
        <translation>開啟 %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>最小化至系統匣</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>快速鍵重複</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>資源初始化失敗，如需使用新聲音，請重新啟動軟體</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>下載失敗，請檢查網路連線！</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>請先安裝虛擬驅動程式

安裝虛擬驅動程式後才能使用本軟體，請點選「安裝」。</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>溫馨提示

您的麥克風/耳機發生問題，請點選「偵測」重新偵測裝置。</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>偵測</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>無可調整參數</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>確定要刪除所選音效嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>播放失敗，檔案不存在或已損毀！是否刪除此音效？</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>無法儲存 %1（%2）。

檔案保留原有內容，您的變更在程式關閉前有效。請釋放磁碟空間或將資料夾設為可寫入。</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>最小化至系統匣</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>SaveParamDialog</name>
    <message>
        <source>Save settings</source>
        <translation>儲存設定</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>確定要儲存聲音調整後的參數嗎？</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>調整後的聲音將儲存在[自訂]分類中</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>您調整的參數尚未儲存，是否要儲存？</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>若不儲存，聲音參數將被重設</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>請輸入聲音名稱</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>名稱已存在</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>啟用所有快速鍵</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>監聽自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>啟用變聲器</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>正在接收變聲的程式</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>聲音伺服器沒有回應</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>尚無：請在聊天程式中將「CABLE Output」選為麥克風</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>虛擬音訊線</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>重新安裝虛擬音訊線</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>開機時啟動</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>設定快速鍵</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>重播</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>音效圖片</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>播放進度</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循環</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>封鎖其他音效</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>停止所有音效</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>下列檔案無法播放，未匯入：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>疊加</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍後提醒</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>正在檢查...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>目前已是最新版本。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>發現新版本！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 發布日期：%3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>未設定更新伺服器。更新隨系統套件提供。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>取得更新資訊失敗，請稍後再試。</translation>
    </message>
</context>
<context>
    <name>VolumeAdjustDailog</name>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
</TS>
