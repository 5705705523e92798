<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;Informazioni su Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>Il lettore multimediale ha riscontrato un errore.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Inizializzazione di Windows Sockets non riuscita.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Durata</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Dimensione file</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>File KML %s salvato.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Impossibile salvare il file KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Salva KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Elimina file</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Eliminare davvero i file contrassegnati?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>La cartella non esiste.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Impossibile caricare il componente video. Reinstallare il programma.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Riproduci/pausa video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Nessun file selezionato. Selezionare alcuni file e riprovare l'operazione.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>Nessun file nell'elenco.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Imposta finestra piccola.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Imposta finestra media.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Imposta finestra grande.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Conferma sovrascrittura del file</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Il file "%s" esiste già. Sovrascriverlo?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Conferma selezione file</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Copia del file "%s" non riuscita.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Apri file</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Elimina file</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Arresta</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Più veloce</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Attiva/disattiva audio</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Riproduci automaticamente il file successivo.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Salva i dati GPS in un file KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Mostra/nascondi mappa</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Mostra/nascondi curva del sensore G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Sblocca file</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Chiudi applicazione</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Ingrandisci finestra</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Riduci finestra a icona</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Cambia unità di velocità KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Più lento</translation>
    </message>
</context>
</TS>
