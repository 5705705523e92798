<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>關於 Tarvo(&amp;A)...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>媒體播放器發生錯誤。</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Windows 通訊端初始化失敗。</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>群組</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>長度</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>檔案大小</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>結束時間</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>KML 檔案 %s 儲存成功。</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>KML 檔案 %s 儲存失敗。</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>儲存 KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>刪除檔案</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>確定要刪除勾選的檔案嗎？</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>資料夾不存在。</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>載入視訊元件失敗。請重新安裝本程式。</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>播放/暫停視訊</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>未選取任何檔案。請選取一些檔案後再試一次此操作。</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>清單中沒有檔案。</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>設定為小視窗。</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>設定為中視窗。</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>設定為大視窗。</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>確認覆寫檔案</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>檔案「%s」已存在。確定要覆寫嗎？</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>確認檔案選取</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>複製檔案「%s」失敗。</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>開啟檔案</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>另存新檔</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>刪除檔案</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>加快播放速度</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>開啟/關閉聲音</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>自動播放下一個檔案。</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>將 GPS 資料儲存為 KML 檔案</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>開啟/關閉地圖</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>開啟/關閉重力感測曲線</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>解除檔案鎖定</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>關閉程式</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>最大化視窗</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>最小化視窗</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>切換速度單位 KPH/MPH。</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>減慢播放速度</translation>
    </message>
</context>
</TS>
