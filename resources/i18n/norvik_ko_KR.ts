<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>Tarvo 정보(&amp;A)...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>미디어 플레이어에 오류가 발생했습니다.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Windows 소켓을 초기화하지 못했습니다.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>그룹</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>시작 시간</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>재생 시간</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>파일 크기</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>종료 시간</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>KML 파일 %s을(를) 저장했습니다.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>KML 파일 %s을(를) 저장하지 못했습니다.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>KML 저장</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>파일 삭제</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>체크한 파일을 삭제하시겠습니까?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>폴더가 존재하지 않습니다.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>비디오 구성 요소를 불러오지 못했습니다. 이 프로그램을 다시 설치하십시오.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>비디오 재생/일시 정지</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>선택한 파일이 없습니다. 파일을 선택한 후 이 작업을 다시 시도하십시오.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>목록에 파일이 없습니다.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>창을 작은 크기로 설정합니다.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>창을 중간 크기로 설정합니다.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>창을 큰 크기로 설정합니다.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>파일 덮어쓰기 확인</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>"%s" 파일이 이미 있습니다. 덮어쓰시겠습니까?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>파일 선택 확인</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>"%s" 파일을 복사하지 못했습니다.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>파일 열기</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>파일 삭제</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>빠르게 재생</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>소리 켜기/끄기</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>다음 파일 자동 재생.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>GPS 데이터를 KML 파일로 저장</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>지도 표시 켜기/끄기</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>G-센서 그래프 표시 켜기/끄기</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>파일 잠금 해제</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>프로그램 닫기</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>창 최대화</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>창 최소화</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>속도 단위 KPH/MPH를 변경합니다.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>느리게 재생</translation>
    </message>
</context>
</TS>
