<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;O programie Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>W odtwarzaczu multimediów wystąpił błąd.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Inicjalizacja Windows Sockets nie powiodła się.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Czas rozpoczęcia</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Czas trwania</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Rozmiar pliku</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Czas zakończenia</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Zapisano plik KML %s.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Nie udało się zapisać pliku KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Zapisz KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Usuwanie plików</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Czy na pewno usunąć zaznaczone pliki?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Folder nie istnieje.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Nie udało się załadować składnika wideo. Zainstaluj program ponownie.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Odtwórz/wstrzymaj wideo</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Nie wybrano plików. Wybierz pliki i ponów tę operację.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>Brak plików na liście.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Mały rozmiar okna.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Średni rozmiar okna.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Duży rozmiar okna.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Potwierdź zastąpienie pliku</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Plik „%s” już istnieje. Czy na pewno go zastąpić?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Potwierdź wybór plików</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Nie udało się skopiować pliku „%s”.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Otwórz pliki</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Zrzut klatki</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Usuń pliki</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Szybciej</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Włącz/wyłącz dźwięk</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Automatycznie odtwarzaj następny plik.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Zapisz dane GPS do pliku KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Pokaż/ukryj mapę</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Pokaż/ukryj wykres czujnika G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Odblokuj pliki</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Zamknij program</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Maksymalizuj okno</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Minimalizuj okno</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Zmień jednostkę prędkości KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Wolniej</translation>
    </message>
</context>
</TS>
