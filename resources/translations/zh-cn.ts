<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
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
