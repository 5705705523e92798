<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Tarvo...</source>
        <translation>À &amp;propos de Tarvo...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <translation>Le lecteur multimédia a rencontré une erreur.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <translation>L'initialisation de Windows Sockets a échoué.</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <translation>Fichier KML %s enregistré.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <translation>Échec de l'enregistrement du fichier KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <translation>Enregistrer le KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <translation>Supprimer des fichiers</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <translation>Voulez-vous vraiment supprimer les fichiers cochés ?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <translation>Le dossier n'existe pas.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <translation>Échec du chargement du composant vidéo. Veuillez réinstaller ce programme.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <translation>Lecture/pause de la vidéo</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <translation>Aucun fichier sélectionné. Veuillez sélectionner des fichiers et réessayer cette opération.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <translation>Aucun fichier dans la liste.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <translation>Petite taille de fenêtre.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <translation>Taille de fenêtre moyenne.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <translation>Grande taille de fenêtre.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <translation>Confirmer le remplacement du fichier</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <translation>Le fichier « %s » existe déjà. Voulez-vous vraiment le remplacer ?</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <translation>Confirmer la sélection de fichiers</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147">
        <source>Copy file "%s" failed.</source>
        <translation>La copie du fichier « %s » a échoué.</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <translation>Instantané</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <translation>Supprimer des fichiers</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <translation>Lecture plus rapide</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <translation>Activer/couper le son</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <translation>Lecture automatique du fichier suivant.</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <translation>Enregistrer les données GPS dans un fichier KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <translation>Afficher/masquer la carte</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <translation>Afficher/masquer la courbe du capteur G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <translation>Déverrouiller les fichiers</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <translation>Fermer l'application</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <translation>Agrandir la fenêtre</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message id="198">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <translation>Changer l'unité de vitesse KPH/MPH.</translation>
    </message>
    <message id="204">
        <source>Next</source>
        <translation>Lecture plus lente</translation>
    </message>
</context>
</TS>
