<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;О программе Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>В медиаплеере произошла ошибка.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Не удалось инициализировать Windows Sockets.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Размер файла</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Время окончания</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Файл KML %s сохранён.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Не удалось сохранить файл KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Сохранение KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Удаление файлов</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Вы действительно хотите удалить отмеченные файлы?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Папка не существует.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Не удалось загрузить видеокомпонент. Переустановите программу.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Файлы не выбраны. Выберите файлы и повторите операцию.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>В списке нет файлов.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Маленький размер окна.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Средний размер окна.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Большой размер окна.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Подтверждение перезаписи файла</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Файл «%s» уже существует. Перезаписать его?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Подтверждение выбора файлов</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Не удалось скопировать файл «%s».</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Открыть файлы</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Снимок кадра</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Удалить файлы</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Быстрее</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Включить/выключить звук</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Автоматически воспроизводить следующий файл.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Сохранить данные GPS в файл KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Показать/скрыть карту</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Показать/скрыть график G-датчика</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Снять защиту с файлов</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Закрыть программу</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Развернуть окно</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Свернуть окно</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Переключить единицы скорости KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Медленнее</translation>
    </message>
</context>
</TS>
