<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
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
