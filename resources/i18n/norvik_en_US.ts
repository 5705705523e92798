<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;About Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>Media player encountered a error.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Windows sockets initialization failed.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>File Size</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Save KML file: %s OK.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Save KML file:%s Failed.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Save KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Delete Files</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Are you sure to delete the checked files?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Select a folder</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Folder is not exist.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Loading video component failed. Please reinstall this program again.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Play/Pause video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>No seletected files. Please select some files and try this operation again.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>No files in list.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Set Small Window Size.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Set Medium Window Size.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Set Large Window Size.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Confirm to overwrite the file.</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>File "%s" is already exist. Are you sure to overwrite it?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Confirm file selection</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Copy file "%s" failed.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Open files</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Del files</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Faster speed</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Volume On/Off</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Auto Play next file.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Save GPS data to KML file</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Turn On/Off Map</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Turn On/Off G-Sensor curve</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Unlock files</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Close AP</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Max window</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Min window</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Change Speed Unit KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
</TS>
