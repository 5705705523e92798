<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;O programe Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>V prehrávači médií sa vyskytla chyba.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Inicializácia Windows Sockets zlyhala.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Rozlíšenie</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Čas začiatku</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Dĺžka</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Veľkosť súboru</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Názov súboru</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Čas konca</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Priečinok</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Súbor KML %s bol uložený.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Súbor KML %s sa nepodarilo uložiť.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Uložiť KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Odstránenie súborov</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Naozaj chcete odstrániť označené súbory?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Vyberte priečinok</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Upozornenie</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Priečinok neexistuje.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Nepodarilo sa načítať komponent videa. Preinštalujte tento program.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Prehrať/pozastaviť video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Nie sú vybrané žiadne súbory. Vyberte niektoré súbory a skúste túto operáciu znova.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>V zozname nie sú žiadne súbory.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Nastaviť malú veľkosť okna.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Nastaviť strednú veľkosť okna.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Nastaviť veľkú veľkosť okna.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Potvrdenie prepísania súboru</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Súbor „%s“ už existuje. Naozaj ho chcete prepísať?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Potvrdenie výberu súborov</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Kopírovanie súboru „%s“ zlyhalo.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Otvoriť súbory</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Snímka</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Uložiť ako</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Odstrániť súbory</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Rýchlejšie</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Hlasitosť</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Zapnúť/vypnúť zvuk</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Automaticky prehrať ďalší súbor.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Uložiť údaje GPS do súboru KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Zobraziť/skryť mapu</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Zobraziť/skryť krivku G-senzora</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Odomknúť súbory</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Zavrieť aplikáciu</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Maximalizovať okno</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Minimalizovať okno</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>O programe</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Zmeniť jednotku rýchlosti KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Pomalšie</translation>
    </message>
</context>
</TS>
