<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;Про програму Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>У медіапрогравачі сталася помилка.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Не вдалося ініціалізувати Windows Sockets.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Група</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Роздільна здатність</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Час початку</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Тривалість</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Розмір файлу</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Ім’я файлу</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Час закінчення</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Тека</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Файл KML %s збережено.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Не вдалося зберегти файл KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Збереження KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Видалення файлів</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Ви дійсно бажаєте видалити позначені файли?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Виберіть теку</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Тека не існує.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Не вдалося завантажити відеокомпонент. Перевстановіть програму.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Відтворення/пауза</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Файли не вибрано. Виберіть файли й повторіть операцію.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>У списку немає файлів.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Малий розмір вікна.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Середній розмір вікна.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Великий розмір вікна.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Підтвердження перезапису файлу</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Файл «%s» уже існує. Перезаписати його?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Підтвердження вибору файлів</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Не вдалося скопіювати файл «%s».</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Відкрити файли</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Знімок кадру</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Зберегти як</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Видалити файли</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Швидше</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Гучність</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Увімкнути/вимкнути звук</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Автоматично відтворювати наступний файл.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Зберегти дані GPS у файл KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Показати/сховати карту</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Показати/сховати графік G-датчика</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Зняти захист із файлів</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Закрити програму</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Розгорнути вікно</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Згорнути вікно</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Перемкнути одиниці швидкості KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Повільніше</translation>
    </message>
</context>
</TS>
