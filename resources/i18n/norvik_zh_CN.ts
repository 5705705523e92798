<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>关于 Tarvo(&amp;A)...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>媒体播放器遇到错误。</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Windows 套接字初始化失败。</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>时长</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>KML 文件 %s 保存成功。</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>KML 文件 %s 保存失败。</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>保存 KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>删除文件</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>确定要删除勾选的文件吗？</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>文件夹不存在。</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>加载视频组件失败。请重新安装本程序。</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>播放/暂停视频</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>未选择文件。请选择一些文件后重试此操作。</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>列表中没有文件。</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>设置为小窗口。</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>设置为中等窗口。</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>设置为大窗口。</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>确认覆盖文件</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>文件“%s”已存在。确定要覆盖吗？</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>确认文件选择</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>复制文件“%s”失败。</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>打开文件</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>截图</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>删除文件</translation>
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
        <translation>打开/关闭声音</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>自动播放下一个文件。</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>将 GPS 数据保存为 KML 文件</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>打开/关闭地图</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>打开/关闭重力感应曲线</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>解除文件锁定</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>关闭程序</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>最大化窗口</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>最小化窗口</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>切换速度单位 KPH/MPH。</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>减慢播放速度</translation>
    </message>
</context>
</TS>
