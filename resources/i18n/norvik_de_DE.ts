<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>Ü&amp;ber Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>Im Mediaplayer ist ein Fehler aufgetreten.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Die Initialisierung von Windows Sockets ist fehlgeschlagen.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>KML-Datei %s wurde gespeichert.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>KML-Datei %s konnte nicht gespeichert werden.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>KML speichern</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Dateien löschen</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Möchten Sie die markierten Dateien wirklich löschen?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Die Videokomponente konnte nicht geladen werden. Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Video abspielen/anhalten</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Keine Dateien ausgewählt. Bitte wählen Sie Dateien aus und wiederholen Sie den Vorgang.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>Die Liste enthält keine Dateien.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Kleine Fenstergröße einstellen.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Mittlere Fenstergröße einstellen.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Große Fenstergröße einstellen.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Überschreiben der Datei bestätigen</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Die Datei „%s“ ist bereits vorhanden. Möchten Sie sie wirklich überschreiben?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Dateiauswahl bestätigen</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Die Datei „%s“ konnte nicht kopiert werden.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Dateien löschen</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Schneller abspielen</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Ton ein/aus</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Nächste Datei automatisch abspielen.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>GPS-Daten in KML-Datei speichern</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Karte ein-/ausblenden</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>G-Sensor-Kurve ein-/ausblenden</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Dateien entsperren</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Programm schließen</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Fenster maximieren</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Geschwindigkeitseinheit KPH/MPH umschalten.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Langsamer abspielen</translation>
    </message>
</context>
</TS>
