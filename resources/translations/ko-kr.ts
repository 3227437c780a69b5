<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>버전:</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>GNU 일반 공중 사용 허가서 버전 3 이상에 따라 배포되는 자유 소프트웨어입니다.</translation>
    </message>
</context>
<context>
    <name>CableInstallDialog</name>
    <message>
        <source>Virtual cable</source>
        <translation>가상 케이블</translation>
    </message>
    <message>
        <source>Installing the virtual cable…</source>
        <translation>가상 케이블 설치 중…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>설치 진행률</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The virtual cable is ready.</source>
        <translation>가상 케이블이 준비되었습니다.</translation>
    </message>
    <message>
        <source>The virtual cable could not be installed.</source>
        <translation>가상 케이블을 설치하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>CatalogueEmptyState</name>
    <message>
        <source>Sorry, there is no result, please try other keywords</source>
        <translation>검색 결과가 없습니다. 다른 키워드로 검색해 보세요</translation>
    </message>
</context>
<context>
    <name>CatalogueItemDelegate</name>
    <message>
        <source>Add keybind</source>
        <translation>단축키 설정</translation>
    </message>
</context>
<context>
    <name>CatalogueListView</name>
    <message>
        <source>Import local audio</source>
        <translation>로컬 오디오 가져오기</translation>
    </message>
</context>
<context>
    <name>DeviceDetectionDialog</name>
    <message>
        <source>No equipment</source>
        <translation>장치 없음</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>입출력 장치</translation>
    </message>
    <message>
        <source>Set up the microphone and speaker</source>
        <translation>마이크 및 스피커 설정</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>감지 중...</translation>
    </message>
    <message>
        <source>Please configure your microphone and speakers to use Voice Changer without hassle</source>
        <translation>음성 변조를 원활하게 사용하려면 마이크와 스피커를 설정하세요</translation>
    </message>
    <message>
        <source>Say something into the microphone to test whether your headset and microphone are set up properly</source>
        <translation>마이크에 대고 말하여 헤드셋과 마이크가 제대로 설정되었는지 테스트하세요</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice? Please click on Detect&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;음성이 들리지 않나요? &quot;감지&quot;를 클릭하세요&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;Can&apos;t hear the voice?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;none&quot;&gt;음성이 들리지 않나요?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>입력 볼륨:</translation>
    </message>
    <message>
        <source>Output volume:</source>
        <translation>출력 볼륨:</translation>
    </message>
    <message>
        <source>Denoise:</source>
        <translation>노이즈 제거:</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>스피커</translation>
    </message>
    <message>
        <source>Refresh the microphones</source>
        <translation>마이크 새로 고침</translation>
    </message>
    <message>
        <source>Refresh the speakers</source>
        <translation>스피커 새로 고침</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>마이크 레벨</translation>
    </message>
    <message>
        <source>Speaker level</source>
        <translation>스피커 레벨</translation>
    </message>
    <message>
        <source>Denoise strength</source>
        <translation>노이즈 제거 강도</translation>
    </message>
</context>
<context>
    <name>EffectActionView</name>
    <message>
        <source>Original voice</source>
        <translation>원본 음성</translation>
    </message>
    <message>
        <source>Added latency: %1 ms</source>
        <translation>추가 지연 시간: %1 ms</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Voice picture</source>
        <translation>음성 이미지</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>마이크 레벨</translation>
    </message>
</context>
<context>
    <name>EffectItemListView</name>
    <message>
        <source>Voices</source>
        <translation>음성</translation>
    </message>
</context>
<context>
    <name>GroupListView</name>
    <message>
        <source>Groups</source>
        <translation>그룹</translation>
    </message>
    <message>
        <source>More</source>
        <translation>더 보기</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>Use voice changer for gaming</source>
        <translation>게임에서 음성 변조 사용</translation>
    </message>
    <message>
        <source>Battle royale</source>
        <translation>배틀로얄</translation>
    </message>
    <message>
        <source>Arena games</source>
        <translation>아레나 게임</translation>
    </message>
    <message>
        <source>Shooters</source>
        <translation>슈팅 게임</translation>
    </message>
    <message>
        <source>Online RPGs</source>
        <translation>온라인 RPG</translation>
    </message>
    <message>
        <source>Team games</source>
        <translation>팀 게임</translation>
    </message>
    <message>
        <source>Use voice changer on social platforms</source>
        <translation>소셜 플랫폼에서 음성 변조 사용</translation>
    </message>
    <message>
        <source>Voice chat</source>
        <translation>음성 채팅</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>통화</translation>
    </message>
    <message>
        <source>Video meetings</source>
        <translation>화상 회의</translation>
    </message>
    <message>
        <source>Live streaming</source>
        <translation>라이브 방송</translation>
    </message>
    <message>
        <source>Group chat</source>
        <translation>그룹 채팅</translation>
    </message>
    <message>
        <source>Applied to third-party platforms</source>
        <translation>타사 플랫폼에 적용</translation>
    </message>
    <message>
        <source>Users can change the input microphone of the third-party application to our virtual microphone to change voice  on the third-party platform.</source>
        <translation>타사 앱의 입력 마이크를 당사의 가상 마이크로 바꾸면 해당 플랫폼에서 음성을 변조할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>HotKeyHook</name>
    <message>
        <source>VoiceBox</source>
        <translation>음성 변조</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>사운드보드</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>내 목소리 듣기</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>음성 변조 적용</translation>
    </message>
</context>
<context>
    <name>KitGallery</name>
    <message>
        <source>VoiceBox</source>
        <translation>음성 변조</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>사운드보드</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>타사 앱 연동</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>스위치</translation>
    </message>
    <message>
        <source>Input device</source>
        <translation>입력 장치</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>레이블</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>레벨</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>품질</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>About dialogs</source>
        <translation>대화 상자 정보</translation>
    </message>
    <message>
        <source>This dialog has a drawn frame and a shadow.&lt;br/&gt;Drag it by its title.</source>
        <translation>이 대화 상자에는 직접 그린 테두리와 그림자가 있습니다.&lt;br/&gt;제목을 끌어 이동할 수 있습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Delete the custom voice &quot;%1&quot;?</source>
        <translation>사용자 지정 음성 &apos;%1&apos;을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>저장됨</translation>
    </message>
    <message>
        <source>Widget gallery</source>
        <translation>위젯 갤러리</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>내 목소리 듣기</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>음성 변조 적용</translation>
    </message>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>모든 단축키 사용</translation>
    </message>
    <message>
        <source>A label too long for its room shows the whole text as a tooltip</source>
        <translation>공간보다 긴 레이블은 전체 텍스트를 도구 설명으로 표시합니다</translation>
    </message>
    <message>
        <source>Level %1 %</source>
        <translation>레벨 %1%</translation>
    </message>
    <message>
        <source>Low latency</source>
        <translation>저지연</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>고음질</translation>
    </message>
    <message>
        <source>Open a dialog</source>
        <translation>대화 상자 열기</translation>
    </message>
    <message>
        <source>Ask a question</source>
        <translation>질문하기</translation>
    </message>
    <message>
        <source>Show a notice</source>
        <translation>알림 표시</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
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
        <translation>음성 변조</translation>
    </message>
    <message>
        <source>Soundboard</source>
        <translation>사운드보드</translation>
    </message>
    <message>
        <source>3rd party access</source>
        <translation>타사 앱 연동</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>이전 크기로</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>가이드</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Hear myself</source>
        <translation>내 목소리 듣기</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>음성 변조 적용</translation>
    </message>
    <message>
        <source>Input/Output Device</source>
        <translation>입출력 장치</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
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
        <translation>%1 열기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>트레이로 최소화</translation>
    </message>
</context>
<context>
    <name>ModuleDialogManager</name>
    <message>
        <source>Repeated keybind</source>
        <translation>중복된 단축키</translation>
    </message>
    <message>
        <source>Resource initialization failed, restart the software if you want to use the new voice</source>
        <translation>리소스 초기화에 실패했습니다. 새 음성을 사용하려면 프로그램을 다시 시작하세요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Download failed. Please check the internet connection!</source>
        <translation>다운로드에 실패했습니다. 인터넷 연결을 확인하세요!</translation>
    </message>
    <message>
        <source>Please install the virtual driver first 

The software can only be used after installing the virtual driver, please click &quot;Install&quot;.</source>
        <translation>먼저 가상 드라이버를 설치하세요

가상 드라이버를 설치해야 프로그램을 사용할 수 있습니다. &quot;설치&quot;를 클릭하세요.</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>Kind tips 

There is something wrong with your microphone/headphones, please click &quot;Detect&quot; to re-detect the device.</source>
        <translation>알림

마이크/헤드폰에 문제가 있습니다. &quot;감지&quot;를 클릭하여 장치를 다시 감지하세요.</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>감지</translation>
    </message>
    <message>
        <source>Non-adjustment for parameters</source>
        <translation>조절할 수 있는 매개변수가 없습니다</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected sound?</source>
        <translation>선택한 사운드를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Fail to play, the file does not exist or is damaged! Do you want to delete this sound?</source>
        <translation>재생할 수 없습니다. 파일이 없거나 손상되었습니다! 이 사운드를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Cannot save %1 (%2).

The file keeps its earlier content, and your changes last until the program closes. Free some disk space or make the folder writable.</source>
        <translation>%1을(를) 저장할 수 없습니다(%2).

파일은 이전 내용을 유지하며, 변경 사항은 프로그램을 닫을 때까지 유지됩니다. 디스크 공간을 확보하거나 폴더에 쓰기 권한을 부여하세요.</translation>
    </message>
</context>
<context>
    <name>MoreGroupDialog</name>
    <message>
        <source>More</source>
        <translation>더 보기</translation>
    </message>
</context>
<context>
    <name>QuitDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>트레이로 최소화</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>SaveParamDialog</name>
    <message>
        <source>Save settings</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>Are you sure to save the adjusted parameters of sound?</source>
        <translation>조정한 음성 매개변수를 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The adjusted sound will be saved in the [Customization] category</source>
        <translation>조정한 음성은 [사용자 정의] 카테고리에 저장됩니다</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>The parameters you adjusted are not saved, do you want to save them?</source>
        <translation>조정한 매개변수가 저장되지 않았습니다. 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>If not saved, the sound parameters will be reset</source>
        <translation>저장하지 않으면 음성 매개변수가 초기화됩니다</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Please enter the sound name</source>
        <translation>음성 이름을 입력하세요</translation>
    </message>
    <message>
        <source>The name already exists</source>
        <translation>이미 존재하는 이름입니다</translation>
    </message>
</context>
<context>
    <name>SearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>Enable all shortcut keys</source>
        <translation>모든 단축키 사용</translation>
    </message>
    <message>
        <source>Hear myself</source>
        <translation>내 목소리 듣기</translation>
    </message>
    <message>
        <source>Apply voice changer</source>
        <translation>음성 변조 적용</translation>
    </message>
    <message>
        <source>Programs hearing your changed voice</source>
        <translation>변조된 음성을 듣는 프로그램</translation>
    </message>
    <message>
        <source>The sound server does not answer</source>
        <translation>사운드 서버가 응답하지 않습니다</translation>
    </message>
    <message>
        <source>None yet: choose &quot;CABLE Output&quot; as the microphone in your chat program</source>
        <translation>아직 없음: 채팅 프로그램에서 마이크로 &quot;CABLE Output&quot;을 선택하세요</translation>
    </message>
    <message>
        <source>Virtual cable</source>
        <translation>가상 케이블</translation>
    </message>
    <message>
        <source>Reinstall virtual cable</source>
        <translation>가상 케이블 재설치</translation>
    </message>
    <message>
        <source>Start with the system</source>
        <translation>시스템 시작 시 실행</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>Add keybind</source>
        <translation>단축키 설정</translation>
    </message>
</context>
<context>
    <name>SoundActionView</name>
    <message>
        <source>Pause</source>
        <translation>일시정지</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>다시 재생</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Sound picture</source>
        <translation>사운드 이미지</translation>
    </message>
    <message>
        <source>Playback progress</source>
        <translation>재생 진행률</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>반복</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Block other sounds</source>
        <translation>다른 소리 차단</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Stop all sounds</source>
        <translation>모두 정지</translation>
    </message>
</context>
<context>
    <name>SoundItemListView</name>
    <message>
        <source>Sounds</source>
        <translation>사운드</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>These files cannot be played and were not imported:</source>
        <translation>다음 파일은 재생할 수 없어 가져오지 않았습니다:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>겹쳐 재생</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Zelvani Voice Changer</source>
        <translation>Zelvani Voice Changer</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>확인 중...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>현재 최신 버전입니다.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>새 버전이 있습니다!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>버전: %1 | 크기: %2 | 출시일: %3</translation>
    </message>
    <message>
        <source>No update server is set. Updates come with your system&apos;s packages.</source>
        <translation>업데이트 서버가 설정되지 않았습니다. 업데이트는 시스템 패키지로 제공됩니다.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>업데이트 정보를 가져오지 못했습니다. 나중에 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>VolumeAdjustDailog</name>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
</context>
<context>
    <name>XDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>XLineEdit</name>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
</context>
</TS>
