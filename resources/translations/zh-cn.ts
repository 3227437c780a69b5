<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
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
        <translation>本软件为自由软件，依据 GNU 通用公共许可证第 3 版或更高版本发布。</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>虚拟音频线</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>正在安装虚拟音频线…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>安装进度</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>虚拟音频线已就绪。</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>无法安装虚拟音频线。</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>抱歉，没有结果，请尝试其他关键词</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>设置快捷键</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>导入本地音频</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>无设备</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>输入/输出设备</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>设置麦克风和扬声器</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>检测中...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>请设置麦克风和扬声器，以便顺畅使用变声器</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>对着麦克风说话，测试耳机和麦克风是否设置正确</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;听不到声音？请点击“检测”&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;听不到声音？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>输入音量：</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>输出音量：</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>降噪：</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>刷新麦克风</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>刷新扬声器</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>麦克风音量</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>扬声器音量</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>降噪强度</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>原声</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>附加延迟：%1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>声音图片</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>麦克风音量</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>声音列表</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>分组</translation>
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
        <translation>在游戏中使用变声器</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>大逃杀</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>竞技场游戏</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>射击游戏</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>网络 RPG</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>团队游戏</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>在社交平台使用变声器</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>语音聊天</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>通话</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>视频会议</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>直播</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>群聊</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>应用于第三方平台</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>将第三方应用的输入麦克风切换为我们的虚拟麦克风，即可在第三方平台上变声。</translation>
    </message>
</context>
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>变声器</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>音效板</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>监听自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>启用变声器</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>变声器</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>音效板</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>第三方接入</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>开关</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>输入设备</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>电平</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>关于对话框</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>此对话框带有自绘边框和阴影。&lt;br/&gt;拖动标题即可移动。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>要删除自定义声音“%1”吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>控件展示</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>监听自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>启用变声器</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>启用所有快捷键</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>标签过长放不下时，会在工具提示中显示完整文本</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>电平 %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>低延迟</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>高音质</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>打开对话框</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>提问</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>显示通知</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>加载中...</translation>
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
        <translation>变声器</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>音效板</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>第三方接入</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
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
        <translation>菜单</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>监听自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>启用变声器</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>输入/输出设备</translation>
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
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>最小化到托盘</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>快捷键重复</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>资源初始化失败，如需使用新声音，请重启软件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>下载失败，请检查网络连接！</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>请先安装虚拟驱动

安装虚拟驱动后才能使用本软件，请点击“安装”。</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>温馨提示

您的麦克风/耳机出现问题，请点击“检测”重新检测设备。</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>检测</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>无可调参数</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>确定要删除所选音效吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>播放失败，文件不存在或已损坏！是否删除此音效？</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>无法保存 %1（%2）。

文件保留原有内容，您的更改在程序关闭前有效。请释放磁盘空间或将文件夹设为可写。</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SaveParamDialog</name>
    <message>
        <source>Save settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>确定保存声音调整后的参数吗？</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>调整后的声音将保存在[自定义]分类中</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>您调整的参数尚未保存，是否保存？</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>如不保存，声音参数将被重置</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>请输入声音名称</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>名称已存在</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>启用所有快捷键</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>监听自己</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>启用变声器</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>正在接收变声的程序</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>声音服务器没有响应</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>暂无：请在聊天程序中将“CABLE Output”选为麦克风</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>虚拟音频线</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>重新安装虚拟音频线</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>开机时启动</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>设置快捷键</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
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
        <translation>删除</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>音效图片</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>播放进度</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>屏蔽其他音效</translation>
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
        <translation>导入</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>以下文件无法播放，未导入：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>叠加</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>正在检查...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>当前已是最新版本。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>发现新版本！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 发布日期：%3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>未设置更新服务器。更新随系统软件包提供。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>获取更新信息失败，请稍后重试。</translation>
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
        <translation>关闭</translation>
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
