<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN" sourcelanguage="en_US">
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>Đổi giọng</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Bảng âm thanh</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Nghe chính mình</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Áp dụng đổi giọng</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Tiếng Trung (Giản thể)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Tiếng Trung (Phồn thể)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Tiếng Nhật</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Tiếng Hàn</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
</context>
</TS>
