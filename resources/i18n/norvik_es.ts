<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;Acerca de Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>El reproductor multimedia ha encontrado un error.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Error al inicializar Windows Sockets.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Archivo KML %s guardado correctamente.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>No se pudo guardar el archivo KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Guardar KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Eliminar archivos</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>¿Está seguro de que desea eliminar los archivos marcados?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Seleccione una carpeta</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>No se pudo cargar el componente de vídeo. Vuelva a instalar este programa.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Reproducir/pausar vídeo</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>No hay archivos seleccionados. Seleccione algunos archivos y vuelva a intentar esta operación.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>No hay archivos en la lista.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Tamaño de ventana pequeño.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Tamaño de ventana mediano.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Tamaño de ventana grande.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Confirmar la sobrescritura del archivo</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>El archivo "%s" ya existe. ¿Está seguro de que desea sobrescribirlo?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Confirmar la selección de archivos</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>No se pudo copiar el archivo "%s".</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Captura de imagen</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Eliminar archivos</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Más rápido</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Activar/desactivar sonido</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Reproducir automáticamente el archivo siguiente.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Guardar los datos GPS en un archivo KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Mostrar/ocultar el mapa</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Mostrar/ocultar la curva del sensor G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Desbloquear archivos</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Cerrar la aplicación</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Maximizar ventana</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Minimizar ventana</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Cambiar la unidad de velocidad KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Más lento</translation>
    </message>
</context>
</TS>
