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
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>Đổi giọng</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>Bảng âm thanh</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>Truy cập bên thứ ba</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Công tắc</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>Thiết bị đầu vào</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Nhãn</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Mức âm lượng</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Tiến độ</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Chất lượng</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>Hộp thoại</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>Giới thiệu về hộp thoại</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>Hộp thoại này có khung được vẽ và đổ bóng.&lt;br/&gt;Kéo tiêu đề để di chuyển.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>Xóa giọng tùy chỉnh “%1”?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Đã lưu</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>Bộ sưu tập widget</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>Nghe chính mình</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Áp dụng đổi giọng</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Bật tất cả phím tắt</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>Nhãn quá dài so với chỗ trống sẽ hiển thị toàn bộ nội dung dưới dạng chú thích</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>Mức âm lượng %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>Độ trễ thấp</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Chất lượng cao</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>Mở hộp thoại</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>Đặt câu hỏi</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>Hiện thông báo</translation>
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
