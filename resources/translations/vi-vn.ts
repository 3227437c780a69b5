<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Phiên bản:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Phần mềm tự do theo Giấy phép Công cộng GNU, phiên bản 3 trở lên.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>Cáp ảo</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>Đang cài đặt cáp ảo…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Tiến trình cài đặt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>Cáp ảo đã sẵn sàng.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>Không thể cài đặt cáp ảo.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>Rất tiếc, không có kết quả. Vui lòng thử từ khóa khác</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>Đặt phím tắt</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>Nhập âm thanh cục bộ</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>Không có thiết bị</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Thiết bị vào/ra</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>Thiết lập micrô và loa</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Đang phát hiện...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>Vui lòng thiết lập micrô và loa để dùng đổi giọng dễ dàng</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>Hãy nói vào micrô để kiểm tra xem tai nghe và micrô đã được thiết lập đúng chưa</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Không nghe thấy giọng nói? Vui lòng nhấn “Phát hiện”&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Không nghe thấy giọng nói?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Âm lượng đầu vào:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>Âm lượng đầu ra:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>Khử tiếng ồn:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrô</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Loa</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>Làm mới micrô</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>Làm mới loa</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Mức micrô</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>Mức loa</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>Mức khử tiếng ồn</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>Giọng gốc</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>Độ trễ thêm: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Lưu cài đặt</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>Hình ảnh giọng</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrô</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Mức micrô</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>Giọng</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>Nhóm</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Thêm</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>Dùng đổi giọng khi chơi game</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>Battle royale</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>Game đấu trường</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>Game bắn súng</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>RPG trực tuyến</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>Game đồng đội</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>Dùng đổi giọng trên mạng xã hội</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>Trò chuyện thoại</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Cuộc gọi</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>Họp video</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>Phát trực tiếp</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>Trò chuyện nhóm</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>Áp dụng cho nền tảng bên thứ ba</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>Người dùng có thể đổi micrô đầu vào của ứng dụng bên thứ ba sang micrô ảo của chúng tôi để đổi giọng trên nền tảng đó.</translation>
    </message>
</context>
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
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>Đang tải...</translation>
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
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Khôi phục</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Câu hỏi thường gặp</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Mở thư mục nhật ký</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Thoát</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>Nghe chính mình</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>Áp dụng đổi giọng</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>Thiết bị vào/ra</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Âm lượng</translation>
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
        <translation>Mở %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Thu nhỏ xuống khay hệ thống</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>Phím tắt bị trùng</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>Khởi tạo tài nguyên thất bại, hãy khởi động lại phần mềm nếu muốn dùng giọng mới</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>Tải xuống thất bại. Vui lòng kiểm tra kết nối Internet!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>Vui lòng cài đặt trình điều khiển ảo trước

Phần mềm chỉ dùng được sau khi cài đặt trình điều khiển ảo, vui lòng nhấn “Cài đặt”.</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>Lưu ý

Micrô/tai nghe của bạn đang gặp sự cố, vui lòng nhấn “Phát hiện” để phát hiện lại thiết bị.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Phát hiện</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>Không có tham số để điều chỉnh</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>Bạn có chắc muốn xóa âm thanh đã chọn?</translation>
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
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>Phát thất bại, tệp không tồn tại hoặc bị hỏng! Bạn có muốn xóa âm thanh này không?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>Không thể lưu %1 (%2).

Tệp vẫn giữ nội dung trước đó và các thay đổi của bạn được giữ đến khi đóng chương trình. Hãy giải phóng dung lượng ổ đĩa hoặc cho phép ghi vào thư mục.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>Thêm</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Thu nhỏ xuống khay hệ thống</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
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
        <translation>Lưu cài đặt</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>Bạn có chắc muốn lưu các thông số đã điều chỉnh của giọng?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>Giọng đã điều chỉnh sẽ được lưu trong danh mục [Tùy chỉnh]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>Các thông số bạn đã điều chỉnh chưa được lưu. Bạn có muốn lưu không?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>Nếu không lưu, các thông số giọng sẽ được đặt lại</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>Vui lòng nhập tên giọng</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>Tên đã tồn tại</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>Bật tất cả phím tắt</translation>
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
        <source>Programs hearing your changed voice</source>
        <translation>Chương trình đang nghe giọng đã đổi</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>Máy chủ âm thanh không phản hồi</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>Chưa có: hãy chọn &quot;CABLE Output&quot; làm micrô trong chương trình trò chuyện</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>Cáp ảo</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>Cài đặt lại cáp ảo</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>Khởi động cùng hệ thống</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>Đặt phím tắt</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Phát</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Phát lại</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>Hình ảnh âm thanh</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>Tiến trình phát</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Lặp lại</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Tắt tiếng</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>Chặn âm thanh khác</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Âm lượng</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>Dừng tất cả</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>Âm thanh</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>Nhập</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>Các tệp này không phát được và chưa được nhập:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Phát chồng</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Nhắc tôi sau</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Cập nhật ngay</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Đang chờ kiểm tra...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Phiên bản hiện tại là mới nhất.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Đã có phiên bản mới!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Phiên bản: %1 | Dung lượng: %2 | Ngày phát hành: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>Chưa đặt máy chủ cập nhật. Bản cập nhật được cung cấp qua các gói của hệ thống.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Không lấy được thông tin cập nhật. Vui lòng thử lại sau.</translation>
    </message>
</context>
<context>
    <name>VolumeAdjustDailog</name>
    <message>
        <source>Volume</source>
        <translation>Âm lượng</translation>
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
