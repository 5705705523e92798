<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>&amp;Acerca de Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>O leitor multimédia encontrou um erro.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>Falha na inicialização dos Windows Sockets.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Tamanho do ficheiro</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Hora de fim</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Ficheiro KML %s guardado com êxito.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Não foi possível guardar o ficheiro KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Guardar KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Eliminar ficheiros</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Tem a certeza de que pretende eliminar os ficheiros assinalados?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Selecionar uma pasta</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>A pasta não existe.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Falha ao carregar o componente de vídeo. Reinstale este programa.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Reproduzir/pausar vídeo</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Nenhum ficheiro selecionado. Selecione alguns ficheiros e tente novamente esta operação.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>Não há ficheiros na lista.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Definir tamanho de janela pequeno.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Definir tamanho de janela médio.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Definir tamanho de janela grande.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Confirmar a substituição do ficheiro</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>O ficheiro "%s" já existe. Tem a certeza de que pretende substituí-lo?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Confirmar a seleção de ficheiros</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>Falha ao copiar o ficheiro "%s".</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Abrir ficheiros</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Captura de imagem</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Eliminar ficheiros</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Mais rápido</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Ligar/desligar som</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Reproduzir automaticamente o ficheiro seguinte.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Guardar dados GPS num ficheiro KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Mostrar/ocultar mapa</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Mostrar/ocultar curva do sensor G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Desbloquear ficheiros</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Fechar aplicação</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Maximizar janela</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Minimizar janela</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Alterar a unidade de velocidade KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Mais lento</translation>
    </message>
</context>
</TS>
