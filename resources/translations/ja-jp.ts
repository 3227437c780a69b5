<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
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
