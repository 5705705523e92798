<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;Par Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>Multivides atskaņotājā radās kļūda.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Neizdevās inicializēt Windows Sockets.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Izšķirtspēja</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Sākuma laiks</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Ilgums</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Faila lielums</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Faila nosaukums</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Beigu laiks</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Mape</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>KML fails %s ir saglabāts.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Neizdevās saglabāt KML failu %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Saglabāt KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Dzēst failus</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Vai tiešām dzēst atzīmētos failus?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Izvēlieties mapi</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Brīdinājums</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Mape nepastāv.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Neizdevās ielādēt video komponentu. Lūdzu, pārinstalējiet šo programmu.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Atskaņot/pauzēt video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Nav atlasītu failu. Lūdzu, atlasiet dažus failus un mēģiniet šo darbību vēlreiz.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>Sarakstā nav failu.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Iestatīt mazu loga izmēru.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Iestatīt vidēju loga izmēru.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Iestatīt lielu loga izmēru.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Apstipriniet faila pārrakstīšanu</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Fails „%s” jau pastāv. Vai tiešām to pārrakstīt?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Apstipriniet failu atlasi</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Neizdevās kopēt failu „%s”.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Atvērt failus</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Momentuzņēmums</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Saglabāt kā</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Dzēst failus</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Apturēt</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Ātrāk</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Skaļums</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Ieslēgt/izslēgt skaņu</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Automātiski atskaņot nākamo failu.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Saglabāt GPS datus KML failā</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Rādīt/slēpt karti</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Rādīt/slēpt G sensora līkni</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Atbloķēt failus</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Aizvērt programmu</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Maksimizēt logu</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Minimizēt logu</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>Par programmu</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Mainīt ātruma mērvienību KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Lēnāk</translation>
    </message>
</context>
</TS>
