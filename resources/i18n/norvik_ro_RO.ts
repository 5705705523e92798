<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;Despre Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>Playerul media a întâmpinat o eroare.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Inițializarea Windows Sockets a eșuat.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Rezoluție</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Ora de început</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Durată</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Dimensiune fișier</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Nume fișier</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Ora de sfârșit</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Fișierul KML %s a fost salvat.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Fișierul KML %s nu a putut fi salvat.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Salvare KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Ștergere fișiere</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Sigur doriți să ștergeți fișierele bifate?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Selectați un dosar</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Avertisment</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Dosarul nu există.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Încărcarea componentei video a eșuat. Reinstalați acest program.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Redare/pauză video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Nu este selectat niciun fișier. Selectați câteva fișiere și încercați din nou această operație.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>Nu există fișiere în listă.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Fereastră de dimensiune mică.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Fereastră de dimensiune medie.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Fereastră de dimensiune mare.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Confirmați suprascrierea fișierului</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Fișierul „%s” există deja. Sigur doriți să îl suprascrieți?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Confirmați selecția fișierelor</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Copierea fișierului „%s” a eșuat.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Deschidere fișiere</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Captură imagine</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Salvare ca</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Ștergere fișiere</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Oprire</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Mai repede</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Volum</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Pornire/oprire sunet</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Redare automată a fișierului următor.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Salvare date GPS în fișier KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Afișare/ascundere hartă</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Afișare/ascundere curbă senzor G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Deblocare fișiere</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Închidere aplicație</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Maximizare fereastră</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Minimizare fereastră</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Schimbare unitate de viteză KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Mai încet</translation>
    </message>
</context>
</TS>
