<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>GNU General Public License バージョン 3 以降で提供されるフリーソフトウェアです。</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>仮想ケーブル</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>仮想ケーブルをインストールしています…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>インストールの進行状況</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>仮想ケーブルの準備ができました。</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>仮想ケーブルをインストールできませんでした。</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>結果が見つかりませんでした。別のキーワードをお試しください</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>キーを設定</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>ローカル音声をインポート</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>デバイスなし</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>入出力デバイス</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>マイクとスピーカーの設定</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>検出中...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>ボイスチェンジャーを快適に使うため、マイクとスピーカーを設定してください</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>マイクに向かって話し、ヘッドセットとマイクが正しく設定されているか確認してください</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;声が聞こえませんか？「検出」をクリックしてください&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;声が聞こえませんか？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>入力音量:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>出力音量:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>ノイズ抑制:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>スピーカー</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>マイク一覧を更新</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>スピーカー一覧を更新</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>マイクレベル</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>スピーカーレベル</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>ノイズ抑制の強さ</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>元の声</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>追加レイテンシ: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>ボイス画像</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>マイクレベル</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>ボイス</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>ゲームでボイスチェンジャーを使う</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>バトルロイヤル</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>アリーナゲーム</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>シューティング</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>オンラインRPG</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>チーム戦ゲーム</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>SNSでボイスチェンジャーを使う</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>ボイスチャット</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>通話</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>ビデオ会議</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>ライブ配信</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>グループチャット</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>外部プラットフォームで使う</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>外部アプリの入力マイクを本ソフトの仮想マイクに切り替えると、そのプラットフォームで声を変えられます。</translation>
    </message>
</context>
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>ボイスチェンジャー</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>サウンドボード</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>自分の声を聞く</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>ボイスチェンジャーを適用</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>ボイスチェンジャー</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>サウンドボード</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>外部アプリ連携</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>スイッチ</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>入力デバイス</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>品質</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>ダイアログについて</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>このダイアログには描画された枠と影があります。&lt;br/&gt;タイトルをドラッグして移動できます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>カスタムボイス「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存しました</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>ウィジェットギャラリー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>自分の声を聞く</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>ボイスチェンジャーを適用</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>すべてのショートカットキーを有効化</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>領域に収まらない長いラベルは、全文をツールチップで表示します</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>レベル %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>低遅延</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>高音質</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>ダイアログを開く</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>質問する</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>通知を表示</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>中国語（簡体字）</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>中国語（繁体字）</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
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
        <translation>ボイスチェンジャー</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>サウンドボード</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>外部アプリ連携</translation>
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
        <translation>元に戻す</translation>
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
        <translation>ガイド</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>自分の声を聞く</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>ボイスチェンジャーを適用</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>入出力デバイス</translation>
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
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>トレイに最小化</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>ショートカットキーが重複しています</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>リソースの初期化に失敗しました。新しいボイスを使うにはソフトを再起動してください</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>ダウンロードに失敗しました。インターネット接続を確認してください！</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>先に仮想ドライバーをインストールしてください

本ソフトは仮想ドライバーをインストールした後で使用できます。「インストール」をクリックしてください。</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>お知らせ

マイク/ヘッドホンに問題があります。「検出」をクリックしてデバイスを再検出してください。</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>検出</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>調整できるパラメーターはありません</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>選択したサウンドを削除しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>再生できません。ファイルが存在しないか破損しています！このサウンドを削除しますか？</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>%1 を保存できません（%2）。

ファイルは以前の内容のまま残り、変更はプログラムを閉じるまで保持されます。ディスクの空き容量を増やすか、フォルダーを書き込み可能にしてください。</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>トレイに最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
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
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>調整したボイスのパラメータを保存しますか？</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>調整したボイスは[カスタム]カテゴリに保存されます</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>調整したパラメータは保存されていません。保存しますか？</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>保存しない場合、ボイスのパラメータはリセットされます</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>ボイス名を入力してください</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>この名前はすでに存在します</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>すべてのショートカットキーを有効にする</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>自分の声を聞く</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>ボイスチェンジャーを適用</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>変換した声を受け取っているアプリ</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>サウンドサーバーが応答しません</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>まだありません：チャットアプリのマイクに「CABLE Output」を選んでください</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>仮想ケーブル</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>仮想ケーブルを再インストール</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>システムと同時に起動</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>キーを設定</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>もう一度再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>サウンド画像</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>再生の進行状況</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>他の音をミュート</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>すべて停止</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>以下のファイルは再生できないため、インポートされませんでした：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>重ね再生</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>確認中...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>最新バージョンです。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>新しいバージョンがあります！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>バージョン: %1 | サイズ: %2 | リリース日: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>更新サーバーが設定されていません。更新はシステムのパッケージで提供されます。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>更新情報の取得に失敗しました。後でもう一度お試しください。</translation>
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
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
</TS>
