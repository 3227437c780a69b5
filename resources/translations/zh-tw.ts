<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
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
