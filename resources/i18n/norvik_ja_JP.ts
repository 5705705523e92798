<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>バージョン情報</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>メディアプレーヤーにエラーが発生しました。</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Windowsソケットの初期化に失敗しました。                     </translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>時間</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>ファイルパス</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>KMLファイル:%sを保存できました。</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>KMLファイル:%sを保存できませんでした。</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>KMLの保存</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>ファイルの削除</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>チェックしたファイルを削除しますか?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>フォルダを選択</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>フォルダが存在しません。</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>ビデオコンポーネントのロードに失敗しました。このプログラムを再インストールしてください。</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>再生／一時停止</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>選択したファイルがありません。ファイルをいくつか選択して、この操作を再試行してください。</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>リストにファイルがありません。</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>ウインドウを小さいサイズにする</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>ウインドウを標準サイズにする</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>ウインドウを大きいサイズにする</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>ファイルの上書きを確認してください。</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>ファイル、"%s"はすでに存在します。このファイルを上書きしますか?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>ファイル選択の確認</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>確認</translation>
    </message>
    <message id="146">
        <source> イベントファイルは削除できません</source>
        <translation> イベントファイルは削除できません</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>ファイル"%s"のコピーに失敗しました。</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>ファイルの読み込み</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>画面の保存</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>ファイルのコピー</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>ファイルの削除</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>再生速度を速くする</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>ミュート</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>連続再生</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>ログデータの出力</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>地図表示の切り替え</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Gセンサグラフ表示の切り替え</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>ファイル上書き禁止の解除</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>閉じる</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>最大化</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>最小化</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>バージョン表示</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>速度単位KPH/MPHを変更します。</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>再生速度を遅くする</translation>
    </message>
</context>
</TS>
