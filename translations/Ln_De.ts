<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CBatchCore</name>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="125"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>%1 Ausführungsthread(s) werden gestartet.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="188"/>
        <source>Process started at %1</source>
        <translation>Verarbeitung gestartet um %1</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="190"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>%1 Bilder werden mit %2 Grafikfilter(n) pro Bild verarbeitet.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="195"/>
        <source>Creating a single multi-page document.</source>
        <translation>Ein einzelnes mehrseitiges Dokument wird erstellt.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="197"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>System: %1 CPU-Kern(e) erkannt.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="207"/>
        <location filename="../app/engine/BatchCore.cpp" line="217"/>
        <source>Failed to load</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="215"/>
        <source>the file name is not valid UTF-8</source>
        <translation>der Dateiname ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="370"/>
        <source>In order to read %1 documents Quendrasil requires Ghostscript to be installed on your computer.</source>
        <translation>Zum Lesen von %1-Dokumenten benötigt Quendrasil eine Ghostscript-Installation auf Ihrem Computer.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="421"/>
        <source>Process interrupted by the user.</source>
        <translation>Verarbeitung vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="423"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Warnung: Verarbeitung mit %1 Fehlern abgeschlossen. Details siehe Protokoll oben.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="426"/>
        <source>Process completed without errors.</source>
        <translation>Verarbeitung ohne Fehler abgeschlossen.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="428"/>
        <source>Time elapsed</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="446"/>
        <source>Could not open default mail client.</source>
        <translation>Das Standard-E-Mail-Programm konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="448"/>
        <source>Files attached successfuly.</source>
        <translation>Dateien erfolgreich angehängt.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="455"/>
        <source>Uploading to </source>
        <translation>Hochladen nach </translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="496"/>
        <source>Successfully uploaded %1 picture(s).</source>
        <translation>%1 Bild(er) erfolgreich hochgeladen.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="500"/>
        <source>Deleting temporary files...</source>
        <translation>Temporäre Dateien werden gelöscht...</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="501"/>
        <source>Upload completed.</source>
        <translation>Hochladen abgeschlossen.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="501"/>
        <source>Upload failed.</source>
        <translation>Hochladen fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="532"/>
        <source>Could not save log.</source>
        <translation>Protokoll konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CCheckNew</name>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="32"/>
        <source>Check for New Version</source>
        <translation>Nach neuer Version suchen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="53"/>
        <source>Check for new versions at startup</source>
        <translation>Beim Start nach neuen Versionen suchen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="73"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="83"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="105"/>
        <location filename="../app/dialogs/CheckNew.cpp" line="469"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="117"/>
        <source>Quendrasil will now check if a newer version of the program is available. No information about you or your computer will be sent to our servers. Please select &apos;Yes&apos; if a firewall warning will be displayed.</source>
        <translation>Quendrasil prüft jetzt, ob eine neuere Version des Programms verfügbar ist. Es werden keine Informationen über Sie oder Ihren Computer an unsere Server gesendet. Bitte wählen Sie &apos;Ja&apos;, falls eine Firewall-Warnung angezeigt wird.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="206"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="271"/>
        <source>You already have the latest version of Quendrasil installed on your computer.<byte value="xd"/>
Please check back in a few weeks.</source>
        <translation>Sie haben bereits die neueste Version von Quendrasil auf Ihrem Computer installiert.<byte value="xd"/>
Bitte schauen Sie in ein paar Wochen wieder vorbei.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="275"/>
        <source>A newer version of Quendrasil is available for download.</source>
        <translation>Eine neuere Version von Quendrasil steht zum Download bereit.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="277"/>
        <source>Note: You can update to the latest version of Quendrasil free of charge!

Update Instructions:
1. Click on &apos;Update&apos; to launch the download of the new setup file
2. After completing the download, launch the setup and follow the instruction on screen</source>
        <translation>Hinweis: Sie können kostenlos auf die neueste Version von Quendrasil aktualisieren!

Anleitung zur Aktualisierung:
1. Klicken Sie auf &apos;Aktualisieren&apos;, um den Download der neuen Setup-Datei zu starten
2. Starten Sie nach Abschluss des Downloads das Setup und folgen Sie den Anweisungen auf dem Bildschirm</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="288"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="302"/>
        <source>This is the version you have installed on your computer.</source>
        <translation>Dies ist die auf Ihrem Computer installierte Version.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="413"/>
        <source>learn more</source>
        <translation>mehr erfahren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="421"/>
        <source>We are unable to access Quendrasil&apos;s site. Your firewall may be blocking this connection. Please check your firewall&apos;s settings and try again.

In case you don&apos;t want Quendrasil to automatically check for updates at startup please disable the checkbox below.</source>
        <translation>Die Website von Quendrasil ist nicht erreichbar. Möglicherweise blockiert Ihre Firewall diese Verbindung. Bitte prüfen Sie die Einstellungen Ihrer Firewall und versuchen Sie es erneut.

Falls Quendrasil beim Start nicht automatisch nach Updates suchen soll, deaktivieren Sie bitte das Kontrollkästchen unten.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="432"/>
        <source>The list of versions on Quendrasil&apos;s site could not be read. Please try again later.

In case you don&apos;t want Quendrasil to automatically check for updates at startup please disable the checkbox below.</source>
        <translation>Die Versionsliste auf der Website von Quendrasil konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.

Falls Quendrasil beim Start nicht automatisch nach Updates suchen soll, deaktivieren Sie bitte das Kontrollkästchen unten.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="456"/>
        <source>The download address of the new version is not valid. Please try again later.</source>
        <translation>Die Download-Adresse der neuen Version ist ungültig. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <location filename="../app/views/ControlImageThread.cpp" line="213"/>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../app/views/ControlImageThread.cpp" line="260"/>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Filter &apos;%1&apos; wird angewendet</translation>
    </message>
    <message>
        <location filename="../app/views/ControlImageThread.cpp" line="320"/>
        <source>Zooming</source>
        <translation>Zoomen</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <location filename="../app/dialogs/DialogAbout.ui" line="26"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>CDialogFTPWatch</name>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="6"/>
        <source>FTP Watch Settings</source>
        <translation>Einstellungen für FTP-Überwachung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="10"/>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="14"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="23"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="31"/>
        <source>Scan folder for changes once every</source>
        <translation>Ordner auf Änderungen prüfen alle</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="42"/>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="47"/>
        <source>Overwrite images in output folder (if they have the same name)</source>
        <translation>Bilder im Ausgabeordner überschreiben (bei gleichem Namen)</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="52"/>
        <source>Cr&amp;eate detailed log file</source>
        <translation>Detaillierte &amp;Protokolldatei erstellen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="56"/>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="98"/>
        <source>Show log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="60"/>
        <source>Disable interface notifications when processing</source>
        <translation>Keine Benachrichtigungen während der Verarbeitung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="68"/>
        <source>Monitored Folder</source>
        <translation>Überwachter Ordner</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="72"/>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="81"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="90"/>
        <source>Use SFTP</source>
        <translation>SFTP verwenden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="95"/>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="154"/>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="104"/>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="113"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="122"/>
        <source>&amp;Include all subfolders when processing</source>
        <translation>Alle &amp;Unterordner einbeziehen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="127"/>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="138"/>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="150"/>
        <source>Custom Profile</source>
        <translation>Benutzerdefiniertes Profil</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="163"/>
        <source>B&amp;rowse</source>
        <translation>Durch&amp;suchen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="169"/>
        <source>Edi&amp;t Profile</source>
        <translation>Profil &amp;bearbeiten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="178"/>
        <source>Re&amp;process all images using the new settings</source>
        <translation>Alle Bilder mit den neuen Einstellungen &amp;neu verarbeiten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="184"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="186"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="174"/>
        <source>The scan interval must be an integer larger than 30.</source>
        <translation>Das Prüfintervall muss eine ganze Zahl größer als 30 sein.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="195"/>
        <source>Some fields were not filled.</source>
        <translation>Einige Felder wurden nicht ausgefüllt.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="199"/>
        <source>The Name field cannot contain any of the following characters</source>
        <translation>Das Feld Name darf keines der folgenden Zeichen enthalten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="210"/>
        <source>The task you selected does not exist.</source>
        <translation>Die ausgewählte Aufgabe existiert nicht.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="258"/>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="266"/>
        <source>Load Profile</source>
        <translation>Profil laden</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="14"/>
        <source>Select Filter</source>
        <translation>Filter auswählen</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="34"/>
        <source>All Filters</source>
        <translation>Alle Filter</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="62"/>
        <source>Annotate</source>
        <translation>Beschriften</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="90"/>
        <source>Transform</source>
        <translation>Transformieren</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="118"/>
        <source>Touch-Up</source>
        <translation>Retusche</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="146"/>
        <source>Apply Fx</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="174"/>
        <source>Decorate</source>
        <translation>Dekorieren</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="236"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="246"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.cpp" line="130"/>
        <source>No filter selected</source>
        <translation>Kein Filter ausgewählt</translation>
    </message>
</context>
<context>
    <name>CDialogFolderWatch</name>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="14"/>
        <source>Folder Watch Settings</source>
        <translation>Einstellungen für Ordnerüberwachung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="20"/>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="26"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="39"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="67"/>
        <source>Scan folder for changes once every</source>
        <translation>Ordner auf Änderungen prüfen alle</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="107"/>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="123"/>
        <source>Overwrite images in output folder (if they have the same name)</source>
        <translation>Bilder im Ausgabeordner überschreiben (bei gleichem Namen)</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="132"/>
        <source>Cr&amp;eate detailed log file</source>
        <translation>Detaillierte &amp;Protokolldatei erstellen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="139"/>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="100"/>
        <source>Show log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="161"/>
        <source>Disable interface notifications when processing</source>
        <translation>Keine Benachrichtigungen während der Verarbeitung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="171"/>
        <source>Monitored Folder</source>
        <translation>Überwachter Ordner</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="177"/>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="256"/>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="190"/>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="200"/>
        <source>&amp;Include all subfolders when processing</source>
        <translation>Alle &amp;Unterordner einbeziehen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="207"/>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="250"/>
        <source>Custom Profile</source>
        <translation>Benutzerdefiniertes Profil</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="269"/>
        <source>B&amp;rowse</source>
        <translation>Durch&amp;suchen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="279"/>
        <source>Edi&amp;t Profile</source>
        <translation>Profil &amp;bearbeiten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="289"/>
        <source>Re&amp;process all images using the new settings</source>
        <translation>Alle Bilder mit den neuen Einstellungen &amp;neu verarbeiten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="308"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="318"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="139"/>
        <source>The scan interval must be an integer larger than 1.</source>
        <translation>Das Prüfintervall muss eine ganze Zahl größer als 1 sein.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="146"/>
        <source>Some fields were not filled.</source>
        <translation>Einige Felder wurden nicht ausgefüllt.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="151"/>
        <source>The Name field cannot contain any of the following characters</source>
        <translation>Das Feld Name darf keines der folgenden Zeichen enthalten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="163"/>
        <source>The folder you selected does not exist.</source>
        <translation>Der ausgewählte Ordner existiert nicht.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="168"/>
        <source>The task you selected does not exist.</source>
        <translation>Die ausgewählte Aufgabe existiert nicht.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="183"/>
        <source>Browse for Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="192"/>
        <source>Load Profile</source>
        <translation>Profil laden</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="26"/>
        <location filename="../app/filters/DialogFont.ui" line="46"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="72"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="125"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="144"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="151"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="158"/>
        <source>Strike Out</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="213"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="220"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.ui" line="47"/>
        <location filename="../app/dialogs/DialogGSWarning.cpp" line="34"/>
        <source>Download GhostScript</source>
        <translation>GhostScript herunterladen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.ui" line="97"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.cpp" line="35"/>
        <source>In order to read %1 documents Quendrasil requires Ghostscript to be installed on your computer.<byte value="xd"/>
<byte value="xd"/>
Download &quot;GhostScript for Windows (64 bit)&quot; from this link:</source>
        <translation>Zum Lesen von %1-Dokumenten benötigt Quendrasil eine Ghostscript-Installation auf Ihrem Computer.<byte value="xd"/>
<byte value="xd"/>
Laden Sie &quot;GhostScript for Windows (64 bit)&quot; über diesen Link herunter:</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="26"/>
        <source>Overwrite?</source>
        <translation>Überschreiben?</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="225"/>
        <source>Y&amp;es</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="232"/>
        <source>N&amp;o</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="239"/>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="246"/>
        <source>&amp;Yes to All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="253"/>
        <source>&amp;No to All</source>
        <translation>Nein, &amp;keine</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="260"/>
        <source>&amp;Abort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.cpp" line="67"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>Das Bild %1
existiert bereits. Möchten Sie es überschreiben?</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.cpp" line="69"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="6"/>
        <source>Rename Photo</source>
        <translation>Foto umbenennen</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="14"/>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="51"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="61"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.cpp" line="36"/>
        <source>A photo with the same name already exists</source>
        <translation>Ein Foto mit diesem Namen existiert bereits</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="26"/>
        <source>Profile&apos;s Properties</source>
        <translation>Profileigenschaften</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="35"/>
        <source>Specify a name and description for this profile</source>
        <translation>Geben Sie einen Namen und eine Beschreibung für dieses Profil an</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="56"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="76"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="110"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="120"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.cpp" line="31"/>
        <source>Please specify a name for the new profile</source>
        <translation>Bitte geben Sie einen Namen für das neue Profil an</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="14"/>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="34"/>
        <source>All Profiles</source>
        <translation>Alle Profile</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="59"/>
        <source>My Profiles</source>
        <translation>Meine Profile</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="84"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="109"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="177"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="187"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="372"/>
        <source>No profile selected</source>
        <translation>Kein Profil ausgewählt</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="429"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="430"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="460"/>
        <source>Could not change the profile file:
%1</source>
        <translation>Die Profildatei konnte nicht geändert werden:
%1</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="510"/>
        <source>Are you sure you want to delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="520"/>
        <source>Could not delete the profile file:
%1</source>
        <translation>Die Profildatei konnte nicht gelöscht werden:
%1</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="20"/>
        <source>Edit Names</source>
        <translation>Namen bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="28"/>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="58"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="77"/>
        <source>Cases</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="83"/>
        <source>Change cases to</source>
        <translation>Schreibweise ändern in</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="93"/>
        <source>Use lower-case for extensions</source>
        <translation>Erweiterungen in Kleinbuchstaben</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="103"/>
        <location filename="../app/dialogs/DialogRename.cpp" line="257"/>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="109"/>
        <source>Reset for each input folder</source>
        <translation>Für jeden Eingabeordner zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="118"/>
        <source>Start at</source>
        <translation>Beginnen bei</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="128"/>
        <source>Step by</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="138"/>
        <source>Digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="153"/>
        <location filename="../app/dialogs/DialogRename.cpp" line="258"/>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="159"/>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="169"/>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="179"/>
        <source>Time format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="189"/>
        <source>Show time as</source>
        <translation>Uhrzeit anzeigen als</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="202"/>
        <source>Search &amp;&amp; Replace</source>
        <translation>Suchen &amp;&amp; Ersetzen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="208"/>
        <source>Search for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="218"/>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="240"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="257"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="267"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>lowercases</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>UPPERCASES</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>Mixed Cases</source>
        <translation>Gemischte Schreibweise</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="69"/>
        <source>Original photo date</source>
        <translation>Originaldatum des Fotos</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="69"/>
        <source>Current date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="251"/>
        <source>Source Filename</source>
        <translation>Quelldateiname</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="253"/>
        <source>Source Folder Name</source>
        <translation>Name des Quellordners</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="255"/>
        <source>Source Extension</source>
        <translation>Quellerweiterung</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="14"/>
        <source>Save Settings?</source>
        <translation>Einstellungen speichern?</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="29"/>
        <source>You don&apos;t have to setup Quendrasil each time for the same tasks, you can just save your settings and load them later. Would you like to save your settings now?</source>
        <translation>Sie müssen Quendrasil nicht jedes Mal für dieselben Aufgaben einrichten: Speichern Sie Ihre Einstellungen einfach und laden Sie sie später. Möchten Sie Ihre Einstellungen jetzt speichern?</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="61"/>
        <source>Don&apos;t ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="81"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="88"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="95"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="14"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="20"/>
        <source>Search Path</source>
        <translation>Suchpfad</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="30"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="37"/>
        <source>Search Mask</source>
        <translation>Suchmaske</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="51"/>
        <source>Search in subfolders</source>
        <translation>In Unterordnern suchen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="73"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="83"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.cpp" line="63"/>
        <source>Select a folder and press Ok to add it to your search path.</source>
        <translation>Wählen Sie einen Ordner und klicken Sie auf OK, um ihn zum Suchpfad hinzuzufügen.</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="14"/>
        <source>Connect with Us</source>
        <translation>Folgen Sie uns</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="22"/>
        <source>Social</source>
        <translation>Soziale Netzwerke</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="41"/>
        <source>Connect with us and be the first to learn about new versions and features, you will also help us spread the word about Quendrasil:</source>
        <translation>Folgen Sie uns und erfahren Sie als Erste(r) von neuen Versionen und Funktionen. Sie helfen uns damit auch, Quendrasil bekannter zu machen:</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="143"/>
        <source>Newsletter</source>
        <translation>Newsletter</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="162"/>
        <source>Sign up to our newsletter to receive news and discounts for our products:</source>
        <translation>Abonnieren Sie unseren Newsletter für Neuigkeiten und Rabatte zu unseren Produkten:</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="200"/>
        <source>Sign Up</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="242"/>
        <source>Don&apos;t show this window again</source>
        <translation>Dieses Fenster nicht mehr anzeigen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="262"/>
        <source>Maybe Later</source>
        <translation>Vielleicht später</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="101"/>
        <source>Tip text</source>
        <translation>Tipptext</translation>
    </message>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="119"/>
        <source>Don&apos;t show this tip again</source>
        <translation>Diesen Tipp nicht mehr anzeigen</translation>
    </message>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="139"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFilterAutoCrop</name>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="28"/>
        <source>Custom ratio</source>
        <translation>Eigenes Seitenverhältnis</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="32"/>
        <source>Left/Top</source>
        <translation>Links/Oben</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="32"/>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="32"/>
        <source>Right/Bottom</source>
        <translation>Rechts/Unten</translation>
    </message>
</context>
<context>
    <name>CFilterBlank</name>
    <message>
        <location filename="../app/filters/FilterBlank.cpp" line="10"/>
        <source>This filter has no settings.</source>
        <translation>Dieser Filter hat keine Einstellungen.</translation>
    </message>
</context>
<context>
    <name>CFilterColorReplace</name>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>CFilterComment</name>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="46"/>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="46"/>
        <source>Align Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="46"/>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="186"/>
        <source>Source Filename</source>
        <translation>Quelldateiname</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="188"/>
        <source>Source Extension</source>
        <translation>Quellerweiterung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="190"/>
        <source>Source Folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="193"/>
        <source>Source Path</source>
        <translation>Quellpfad</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="35"/>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="35"/>
        <source> %1 x %2</source>
        <translation> %1 x %2</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="38"/>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="38"/>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
</context>
<context>
    <name>CFilterCustomMask</name>
    <message>
        <location filename="../app/filters/FilterCustomMask.cpp" line="106"/>
        <source>Select Mask</source>
        <translation>Maske auswählen</translation>
    </message>
</context>
<context>
    <name>CFilterDate</name>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="123"/>
        <source>Original Date &amp; Time</source>
        <translation>Originaldatum &amp; -uhrzeit</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="123"/>
        <source>Original Date</source>
        <translation>Originaldatum</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Original Time</source>
        <translation>Originaluhrzeit</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Current Date &amp; Time</source>
        <translation>Aktuelles Datum &amp; Uhrzeit</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Current Date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Current Time</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="524"/>
        <source>Select Watermark Image</source>
        <translation>Wasserzeichenbild auswählen</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <location filename="../app/filters/FilterRaise.cpp" line="20"/>
        <source>Lower</source>
        <translation>Absenken</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRaise.cpp" line="20"/>
        <source>Raise</source>
        <translation>Anheben</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="27"/>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="58"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="87"/>
        <source>Resize by</source>
        <translation>Größe ändern nach</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="132"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="167"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="192"/>
        <source>Maintain aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="199"/>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>Bilder, die kleiner als die angegebene Größe
sind, nicht vergrößern</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="60"/>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="60"/>
        <source> %1 x %2</source>
        <translation> %1 x %2</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="62"/>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="62"/>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="64"/>
        <source>Width &amp; Height</source>
        <translation>Breite &amp; Höhe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="64"/>
        <source>Fixed Width</source>
        <translation>Feste Breite</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="64"/>
        <source>Fixed Height</source>
        <translation>Feste Höhe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="65"/>
        <source>Fixed Width &amp; Height</source>
        <translation>Feste Breite &amp; Höhe</translation>
    </message>
</context>
<context>
    <name>CFilterRoll</name>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="34"/>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="34"/>
        <source> %1 x %2</source>
        <translation> %1 x %2</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="37"/>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="37"/>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="34"/>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="123"/>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="155"/>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="178"/>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.cpp" line="41"/>
        <source>All Photos</source>
        <translation>Alle Fotos</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.cpp" line="41"/>
        <source>Only Portrait</source>
        <translation>Nur Hochformat</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.cpp" line="41"/>
        <source>Only Landscape</source>
        <translation>Nur Querformat</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <location filename="../app/filters/FilterShapeFrame.cpp" line="29"/>
        <source>Sharp</source>
        <translation>Scharf</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.cpp" line="29"/>
        <source>Blurred</source>
        <translation>Weichgezeichnet</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.cpp" line="37"/>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.cpp" line="37"/>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
</context>
<context>
    <name>CFilterThumbnail</name>
    <message>
        <location filename="../app/filters/FilterThumbnail.cpp" line="25"/>
        <source>Resize to fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.cpp" line="25"/>
        <source>Stretch to fit</source>
        <translation>Strecken</translation>
    </message>
</context>
<context>
    <name>CFilterWatermarkLogo</name>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="117"/>
        <source>Select Watermark Image</source>
        <translation>Wasserzeichenbild auswählen</translation>
    </message>
</context>
<context>
    <name>CFilterWatermarkText</name>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="17"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="57"/>
        <source>Add Keyword</source>
        <translation>Schlüsselwort einfügen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="66"/>
        <source>Add text sequentially from a text file</source>
        <translation>Text der Reihe nach aus einer Textdatei einfügen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="88"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="99"/>
        <location filename="../app/filters/FilterWatermarkText.ui" line="130"/>
        <source>Placement</source>
        <translation>Platzierung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="146"/>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="169"/>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="192"/>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="214"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="242"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="249"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="262"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="285"/>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="34"/>
        <source>Origin</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="35"/>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="36"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="37"/>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="51"/>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="60"/>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="87"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="52"/>
        <source>Registered</source>
        <translation>Eingetragene Marke</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="53"/>
        <source>Trademark</source>
        <translation>Marke</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="54"/>
        <source>Servicemark</source>
        <translation>Dienstleistungsmarke</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="55"/>
        <source>Source Filename</source>
        <translation>Quelldateiname</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="56"/>
        <source>Source Extension</source>
        <translation>Quellerweiterung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="57"/>
        <source>Source Folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="58"/>
        <source>Source Path</source>
        <translation>Quellpfad</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="59"/>
        <source>Artist</source>
        <translation>Künstler</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="61"/>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="62"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="63"/>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="64"/>
        <source>Camera Maker</source>
        <translation>Kamerahersteller</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="65"/>
        <source>Camera Model</source>
        <translation>Kameramodell</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="66"/>
        <source>F-stop</source>
        <translation>Blende</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="67"/>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="68"/>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="69"/>
        <source>Focal Length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="70"/>
        <source>Flash</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="71"/>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="72"/>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="73"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="279"/>
        <source>Select Text File</source>
        <translation>Textdatei auswählen</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="6"/>
        <source>Format Settings</source>
        <translation>Formateinstellungen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="19"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="55"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="91"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="127"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="205"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="323"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="411"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="454"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="552"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="620"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="698"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="780"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="848"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="884"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="920"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="956"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="25"/>
        <source>There are no settings for this format</source>
        <translation>Für dieses Format gibt es keine Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="61"/>
        <source>Default format</source>
        <translation>Standardformat</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="97"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="175"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="221"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="417"/>
        <source>Interlace Type</source>
        <translation>Interlace-Typ</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="133"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="261"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="329"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="480"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="558"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="626"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="718"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="786"/>
        <source>Size/Quality</source>
        <translation>Größe/Qualität</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="211"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="460"/>
        <source>Colors/BitDepth</source>
        <translation>Farben/Bittiefe</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="231"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="371"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="522"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="668"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="854"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="890"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="926"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="962"/>
        <source>File Extension</source>
        <translation>Dateierweiterung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="241"/>
        <source>Fixed Size (KB)</source>
        <translation>Feste Größe (KB)</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="381"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="470"/>
        <source>Compression</source>
        <translation>Komprimierung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="427"/>
        <source>Use best compression (slower writing speed)</source>
        <translation>Beste Komprimierung verwenden (langsameres Schreiben)</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="704"/>
        <source>Lossless</source>
        <translation>Verlustfrei</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="711"/>
        <source>Lossy</source>
        <translation>Verlustbehaftet</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="994"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="1014"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="1024"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.cpp" line="106"/>
        <location filename="../app/dialogs/FormatSettings.cpp" line="149"/>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.cpp" line="446"/>
        <source>Load Profile</source>
        <translation>Profil laden</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="25"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="26"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="26"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="27"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="27"/>
        <source>Left-Top</source>
        <translation>Links oben</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="28"/>
        <source>Right-Top</source>
        <translation>Rechts oben</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="28"/>
        <source>Right-Bottom</source>
        <translation>Rechts unten</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="29"/>
        <source>Left-Bottom</source>
        <translation>Links unten</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="281"/>
        <source>Uncalibrated</source>
        <translation>Nicht kalibriert</translation>
    </message>
</context>
<context>
    <name>CListThumbDetails</name>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>F-stop</source>
        <translation>Blende</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="138"/>
        <source>&amp;Add Photos</source>
        <translation>&amp;Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="157"/>
        <source>A&amp;dd...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="176"/>
        <source>R&amp;emove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="195"/>
        <source>V&amp;iew</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="217"/>
        <source>&amp;Show preview</source>
        <translation>&amp;Vorschau anzeigen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="300"/>
        <source>Fit to view</source>
        <translation>In Ansicht einpassen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="319"/>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="357"/>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="376"/>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="188"/>
        <location filename="../app/ui/MainPanel1.cpp" line="204"/>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Fotos hierher ziehen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="189"/>
        <location filename="../app/ui/MainPanel1.cpp" line="205"/>
        <source>Or Click To Add Photos</source>
        <translation>Oder klicken, um Fotos hinzuzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="438"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="438"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="438"/>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>F-stop</source>
        <translation>Blende</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="678"/>
        <source>Select Photo(s)</source>
        <translation>Foto(s) auswählen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="692"/>
        <source>Browse For Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="749"/>
        <source>No photos selected</source>
        <translation>Keine Fotos ausgewählt</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="752"/>
        <source>Remove selected photo(s) from the list?</source>
        <translation>Ausgewählte Foto(s) aus der Liste entfernen?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="788"/>
        <source>Remove all photos from the list?</source>
        <translation>Alle Fotos aus der Liste entfernen?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="960"/>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="961"/>
        <source>F&amp;older with Subfolders</source>
        <translation>Ordner mit &amp;Unterordnern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="962"/>
        <location filename="../app/ui/MainPanel1.cpp" line="998"/>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>&amp;Suchen &amp;&amp; hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="969"/>
        <source>&amp;Selected</source>
        <translation>&amp;Ausgewählte</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="970"/>
        <source>&amp;All</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="980"/>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="981"/>
        <source>&amp;Small Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="981"/>
        <source>&amp;Medium Icons</source>
        <translation>&amp;Mittlere Symbole</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="982"/>
        <source>&amp;Large Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="996"/>
        <source>Add &amp;Photo(s)</source>
        <translation>&amp;Foto(s) hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="997"/>
        <source>Add &amp;Folder</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1001"/>
        <source>Remove S&amp;elected</source>
        <translation>Ausgewählte &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1002"/>
        <source>Remove &amp;All</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1004"/>
        <source>Pas&amp;te</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1033"/>
        <source>Add the photos you want to edit</source>
        <translation>Fügen Sie die Fotos hinzu, die Sie bearbeiten möchten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1061"/>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Weiter mit Schritt 2: Legen Sie die Bearbeitungen für Ihre Fotos fest</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="80"/>
        <source>Add Filter</source>
        <translation>Filter hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="93"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="106"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="158"/>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="199"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="242"/>
        <source>Sh&amp;ow preview</source>
        <translation>&amp;Vorschau anzeigen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="385"/>
        <source>S&amp;witch View</source>
        <translation>Ansicht &amp;wechseln</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="150"/>
        <source>Keep Unchanged</source>
        <translation>Unverändert lassen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="150"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>In Ordnernamen umbenennen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="151"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>In Fotodatum umbenennen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="151"/>
        <source>Custom Defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="224"/>
        <source>No filter selected</source>
        <translation>Kein Filter ausgewählt</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="240"/>
        <source>The settings of the filter &quot;%1&quot; cannot be edited in this version.</source>
        <translation>Die Einstellungen des Filters &quot;%1&quot; können in dieser Version nicht bearbeitet werden.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="306"/>
        <source>Remove selected filter(s)?</source>
        <translation>Ausgewählte Filter entfernen?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="326"/>
        <source>Remove all filters?</source>
        <translation>Alle Filter entfernen?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="451"/>
        <source>Remove Selected</source>
        <translation>Ausgewählte entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="452"/>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="471"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="473"/>
        <source>&amp;Add Filter</source>
        <translation>Filter &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="475"/>
        <source>Remove &amp;Selected</source>
        <translation>Ausgewählte &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="477"/>
        <source>Remove A&amp;ll</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="479"/>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="481"/>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="482"/>
        <source>Move D&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="883"/>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Fügen Sie einen Grafikfilter hinzu, der auf alle in Schritt 1 hinzugefügten Fotos angewendet wird</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="901"/>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Weiter mit Schritt 3: Wählen Sie Ausgabeordner und Bildformat für die bearbeiteten Fotos</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="120"/>
        <source>Folder on My Computer (default)</source>
        <translation>Ordner auf meinem Computer (Standard)</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="120"/>
        <source>Send via E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="120"/>
        <source>Upload to FTP</source>
        <translation>Auf FTP hochladen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="129"/>
        <source>Use selected folder as output destination</source>
        <translation>Ausgewählten Ordner als Ziel verwenden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="131"/>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Ordner der Originalfotos als Ziel verwenden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="132"/>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Unterordner im Ordner der Originalfotos erstellen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="342"/>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Sie haben gewählt, die Ergebnisfotos in denselben Ordner wie die Originale zu schreiben.

Wenn Sie die Originale behalten und die Ergebnisfotos trotzdem in denselben Ordner schreiben möchten, müssen Sie die Namen der verarbeiteten Fotos unter Schritt 2 &gt; Namen ändern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="366"/>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Wählen Sie einen Ordner zum Speichern der Ergebnisfotos</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="406"/>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.

This action will only delete the originals if the processed photos are correctly written.

In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss.</source>
        <translation>Sie haben gewählt, die Originalfotos nach dem Schreiben der verarbeiteten Fotos zu löschen. Wir empfehlen, die Originale vor der ersten Verwendung dieser Option zu sichern.

Die Originale werden nur gelöscht, wenn die verarbeiteten Fotos korrekt geschrieben wurden.

Wenn keine Filter ausgewählt sind, werden die Fotos nur sehr schnell verschoben und gegebenenfalls umbenannt, ohne Qualitätsverlust.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="627"/>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Wenn Sie bereit sind, wenden Sie die Änderungen auf Ihre Fotos an</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="23"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="29"/>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="55"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="62"/>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF, WEBP)</source>
        <translation>Ein einzelnes &amp;mehrseitiges Dokument aus allen Fotos erstellen (nur für PDF, TIF, GIF, WEBP)</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="75"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="83"/>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="125"/>
        <location filename="../app/ui/MainPanel3.ui" line="222"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="135"/>
        <source>S&amp;elect</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="153"/>
        <location filename="../app/ui/MainPanel3.ui" line="259"/>
        <source>Also save on My Computer</source>
        <translation>Auch auf meinem Computer speichern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="171"/>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="181"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="195"/>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="205"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="232"/>
        <source>Use SFTP</source>
        <translation>SFTP verwenden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="239"/>
        <location filename="../app/ui/MainPanel3.cpp" line="130"/>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Ursprüngliche Ordnerstruktur im ausgewählten Ordner nachbilden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="246"/>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="289"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="295"/>
        <source>&amp;Open output folder after processing</source>
        <translation>Ausgabeordner nach der Verarbeitung ö&amp;ffnen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="302"/>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>&amp;Datum und Attribute der Ausgabefotos vom Original übernehmen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="309"/>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>Quellfoto nach der Verarbeitung &amp;löschen (verschieben)</translation>
    </message>
</context>
<context>
    <name>CMonitorWindow</name>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="128"/>
        <source>Show Monitor</source>
        <translation>Monitor anzeigen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="129"/>
        <source>Open Quendrasil</source>
        <translation>Quendrasil öffnen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="130"/>
        <source>Launch at Startup</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="132"/>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="671"/>
        <source>Load Settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="133"/>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="697"/>
        <source>Save Settings As</source>
        <translation>Einstellungen speichern unter</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="134"/>
        <source>Help Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="135"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="331"/>
        <source>Monitor watches at most %1 jobs. Remove a job before adding another.</source>
        <translation>Monitor überwacht höchstens %1 Aufträge. Entfernen Sie einen Auftrag, bevor Sie einen weiteren hinzufügen.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="572"/>
        <source>Executing job: %1</source>
        <translation>Auftrag wird ausgeführt: %1</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="584"/>
        <source>&amp;Folder Watch</source>
        <translation>&amp;Ordnerüberwachung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="585"/>
        <source>F&amp;TP Watch</source>
        <translation>&amp;FTP-Überwachung</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="629"/>
        <source>Remove selected job(s) from the list?</source>
        <translation>Ausgewählte Aufträge aus der Liste entfernen?</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="673"/>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="699"/>
        <source>Project Files (*.xml);;All Files (*.*)</source>
        <translation>Projektdateien (*.xml);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="679"/>
        <source>The file holds more than %1 jobs, more than Monitor watches. The job list stays as it was.</source>
        <translation>Die Datei enthält mehr als %1 Aufträge, mehr als Monitor überwacht. Die Auftragsliste bleibt unverändert.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="687"/>
        <source>The file could not be read as a job list. The job list stays as it was.</source>
        <translation>Die Datei konnte nicht als Auftragsliste gelesen werden. Die Auftragsliste bleibt unverändert.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="704"/>
        <source>The job list could not be saved to this file.</source>
        <translation>Die Auftragsliste konnte nicht in dieser Datei gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="714"/>
        <source>&amp;Add Folder Watch</source>
        <translation>&amp;Ordnerüberwachung hinzufügen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="715"/>
        <source>Add &amp;FTP Watch</source>
        <translation>&amp;FTP-Überwachung hinzufügen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="716"/>
        <source>Ed&amp;it</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="717"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="719"/>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <location filename="../app/run/ProcessController.ui" line="14"/>
        <source>Quendrasil - Processing</source>
        <translation>Quendrasil - Verarbeitung</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.ui" line="175"/>
        <location filename="../app/run/ProcessController.cpp" line="197"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.ui" line="182"/>
        <location filename="../app/run/ProcessController.cpp" line="85"/>
        <location filename="../app/run/ProcessController.cpp" line="162"/>
        <location filename="../app/run/ProcessController.cpp" line="168"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.ui" line="205"/>
        <location filename="../app/run/ProcessController.cpp" line="76"/>
        <source>Show log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="71"/>
        <location filename="../app/run/ProcessController.cpp" line="111"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="112"/>
        <source>Uploading</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="200"/>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="215"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>Die Fotoverarbeitung ist nicht abgeschlossen. Vorgang abbrechen?</translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="226"/>
        <source>Upload not completed. Abort the operation?</source>
        <translation>Das Hochladen ist nicht abgeschlossen. Vorgang abbrechen?</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="270"/>
        <source>There is no output folder</source>
        <translation>Es gibt keinen Ausgabeordner</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="782"/>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="782"/>
        <source>The file does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="870"/>
        <source>Failed to load</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="873"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>Filter &apos;%1&apos; konnte nicht angewendet werden auf</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="876"/>
        <source>Failed to write</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="880"/>
        <source>Failed to Copy</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="883"/>
        <source>Failed to Move</source>
        <translation>Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="886"/>
        <source>Failed to Rename and Copy</source>
        <translation>Umbenennen und Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="889"/>
        <source>Failed to Rename and Move</source>
        <translation>Umbenennen und Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="908"/>
        <source>Processed and renamed</source>
        <translation>Verarbeitet und umbenannt</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="910"/>
        <source>Processed and replaced</source>
        <translation>Verarbeitet und ersetzt</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="912"/>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="914"/>
        <source>Processed</source>
        <translation>Verarbeitet</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="6"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="19"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="28"/>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="38"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="48"/>
        <location filename="../app/dialogs/DialogSettings.cpp" line="77"/>
        <source>Help with translation</source>
        <translation>Bei der Übersetzung helfen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="93"/>
        <source>Use multicore processors for speeding up image processing</source>
        <translation>Mehrkernprozessoren zur Beschleunigung der Bildverarbeitung nutzen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="100"/>
        <source>Include Quendrasil in Windows Explorer contextual menu</source>
        <translation>Quendrasil ins Kontextmenü des Windows Explorers aufnehmen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="107"/>
        <source>Create detailed log file with the processed images</source>
        <translation>Detaillierte Protokolldatei der verarbeiteten Bilder erstellen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="114"/>
        <source>Show profiles window at startup</source>
        <translation>Profilfenster beim Start anzeigen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="121"/>
        <source>Show wizard window at startup</source>
        <translation>Assistentenfenster beim Start anzeigen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="128"/>
        <source>Launch Quendrasil Monitor at startup</source>
        <translation>Quendrasil Monitor beim Start ausführen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="135"/>
        <source>Check for new versions at startup</source>
        <translation>Beim Start nach neuen Versionen suchen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="163"/>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="202"/>
        <source>Image Formats</source>
        <translation>Bildformate</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="211"/>
        <source>Multipage Settings</source>
        <translation>Mehrseiten-Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="221"/>
        <source>Layer Configuration</source>
        <translation>Ebenenkonfiguration</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="260"/>
        <source>RAW Settings</source>
        <translation>RAW-Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="270"/>
        <source>Demosaicing</source>
        <translation>Demosaicing</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="280"/>
        <source>White Balance</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="290"/>
        <source>Highlights</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="332"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="342"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="37"/>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="93"/>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="94"/>
        <source>Once a week</source>
        <translation>Einmal pro Woche</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="95"/>
        <source>Every two weeks</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="96"/>
        <source>Once a month</source>
        <translation>Einmal pro Monat</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="101"/>
        <source>Save each layer as a separate image (default)</source>
        <translation>Jede Ebene als eigenes Bild speichern (Standard)</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="102"/>
        <source>Flatten all layers</source>
        <translation>Alle Ebenen zusammenfügen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="102"/>
        <source>Save the first layer only</source>
        <translation>Nur die erste Ebene speichern</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="106"/>
        <source>Auto, best algorithm for camera model</source>
        <translation>Automatisch, bester Algorithmus für das Kameramodell</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="114"/>
        <source>Use camera&apos;s settings</source>
        <translation>Kameraeinstellungen verwenden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="115"/>
        <source>Average the entire image</source>
        <translation>Mittelwert des gesamten Bildes</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="115"/>
        <source>Don&apos;t apply</source>
        <translation>Nicht anwenden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="119"/>
        <source>Clip all</source>
        <translation>Alle beschneiden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="120"/>
        <source>Leave unclipped</source>
        <translation>Nicht beschneiden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="122"/>
        <source>Blend clipped and unclipped values</source>
        <translation>Beschnittene und unbeschnittene Werte mischen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="125"/>
        <source>Reconstruct</source>
        <translation>Rekonstruieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="181"/>
        <source>You need to restart Quendrasil for the changes to take effect.</source>
        <translation>Sie müssen Quendrasil neu starten, damit die Änderungen wirksam werden.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="217"/>
        <source>The file manager&apos;s context menu cannot be changed on this system.</source>
        <translation>Das Kontextmenü des Dateimanagers kann auf diesem System nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <location filename="../app/engine/Upload.cpp" line="267"/>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="268"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Quendrasil may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>Dateien erfolgreich angehängt. Wir empfehlen, die temporären Dateien zu löschen, die Quendrasil dabei eventuell erstellt hat (tun Sie das erst, nachdem Sie Ihre E-Mail gesendet haben). Temporäre Dateien jetzt löschen?</translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="276"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="276"/>
        <source>Could not open default mail client.</source>
        <translation>Das Standard-E-Mail-Programm konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="26"/>
        <source>Welcome to Quendrasil!</source>
        <translation>Willkommen bei Quendrasil!</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="51"/>
        <source>Quendrasil&apos;s interface is designed as a three-step wizard, so you just need to follow the predefined steps in order to edit your photos!</source>
        <translation>Die Oberfläche von Quendrasil ist als Assistent in drei Schritten aufgebaut: Folgen Sie einfach den vorgegebenen Schritten, um Ihre Fotos zu bearbeiten!</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="61"/>
        <source>To get help press the F1 key anywhere in the interface for a detailed description of the settings.

Press &apos;Next&apos; to see the tutorials.</source>
        <translation>Hilfe erhalten Sie überall in der Oberfläche mit der Taste F1, mit einer ausführlichen Beschreibung der Einstellungen.

Klicken Sie auf &apos;Weiter&apos;, um die Anleitungen zu sehen.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="86"/>
        <location filename="../app/dialogs/WizardStart.ui" line="190"/>
        <source>Don&apos;t show this wizard again</source>
        <translation>Diesen Assistenten nicht mehr anzeigen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="109"/>
        <source>Sit back and watch our video presentations which will show you step-by-step how to use Quendrasil (Internet connection required):</source>
        <translation>Lehnen Sie sich zurück und sehen Sie sich unsere Videopräsentationen an, die Ihnen Schritt für Schritt die Verwendung von Quendrasil zeigen (Internetverbindung erforderlich):</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="135"/>
        <source>For a more in-depth, hands-on experience we recommend the two tutorials:</source>
        <translation>Für eine ausführlichere, praktische Einführung empfehlen wir die beiden Anleitungen:</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="64"/>
        <source>Video Presentations</source>
        <translation>Videopräsentationen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="68"/>
        <source>Tutorial 1 - How to Add Comments and Date</source>
        <translation>Anleitung 1 - Kommentare und Datum hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="70"/>
        <source>Tutorial 2 - How to Resize and Rotate</source>
        <translation>Anleitung 2 - Größe ändern und drehen</translation>
    </message>
</context>
<context>
    <name>DialogAskReview</name>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="20"/>
        <source>Feedback Request</source>
        <translation>Bitte um Feedback</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="69"/>
        <source>Thank you for using Quendrasil. If you are encountering problems, need support or have suggestions for us, please let us know.</source>
        <translation>Vielen Dank, dass Sie Quendrasil verwenden. Wenn Sie auf Probleme stoßen, Unterstützung benötigen oder Vorschläge für uns haben, lassen Sie es uns bitte wissen.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="79"/>
        <source>Contact Support</source>
        <translation>Support kontaktieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="102"/>
        <source>If you are enjoying Quendrasil we will greatly appreciate a review on the Mac App Store.</source>
        <translation>Wenn Ihnen Quendrasil gefällt, würden wir uns sehr über eine Bewertung im Mac App Store freuen.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="112"/>
        <source>Review on App Store</source>
        <translation>Im App Store bewerten</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="157"/>
        <source>Don&apos;t ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="177"/>
        <source>Maybe Later</source>
        <translation>Vielleicht später</translation>
    </message>
</context>
<context>
    <name>DialogUnsupportedFormat</name>
    <message>
        <location filename="../app/dialogs/DialogUnsupportedFormat.ui" line="14"/>
        <source>Unsupported Formats</source>
        <translation>Nicht unterstützte Formate</translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogUnsupportedFormat.ui" line="26"/>
        <source>You are trying to add file formats that are not supported by Quendrasil, as a result some files were not added to the list.</source>
        <translation>Sie versuchen, Dateiformate hinzuzufügen, die Quendrasil nicht unterstützt. Daher wurden einige Dateien nicht zur Liste hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>FilterAutoCrop</name>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="9"/>
        <source>Auto Crop</source>
        <translation>Automatisch zuschneiden</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="24"/>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="42"/>
        <source>Custom ratio</source>
        <translation>Eigenes Seitenverhältnis</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="78"/>
        <source>Crop region</source>
        <translation>Zuschnittbereich</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="92"/>
        <source>Invert coordinates for portrait images</source>
        <translation>Koordinaten für Hochformatbilder umkehren</translation>
    </message>
</context>
<context>
    <name>FilterBlur</name>
    <message>
        <location filename="../app/filters/FilterBlur.ui" line="9"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>FilterBrightness</name>
    <message>
        <location filename="../app/filters/FilterBrightness.ui" line="9"/>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterBrightness.ui" line="34"/>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
</context>
<context>
    <name>FilterCharcoal</name>
    <message>
        <location filename="../app/filters/FilterCharcoal.ui" line="9"/>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCharcoal.ui" line="30"/>
        <source>Sigma</source>
        <translation>Sigma</translation>
    </message>
</context>
<context>
    <name>FilterColorReplace</name>
    <message>
        <location filename="../app/filters/FilterColorReplace.ui" line="9"/>
        <source>Original color</source>
        <translation>Ursprüngliche Farbe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.ui" line="36"/>
        <source>New color</source>
        <translation>Neue Farbe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.ui" line="63"/>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
</context>
<context>
    <name>FilterComment</name>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="20"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="58"/>
        <source>Your comment</source>
        <translation>Ihr Kommentar</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="98"/>
        <source>Add Keyword</source>
        <translation>Schlüsselwort einfügen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="107"/>
        <location filename="../app/filters/FilterComment.ui" line="138"/>
        <source>Placement</source>
        <translation>Platzierung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="181"/>
        <source>Delta X (%)</source>
        <translation>Delta X (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="239"/>
        <source>Delta Y (%)</source>
        <translation>Delta Y (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="280"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="311"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="330"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="366"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="418"/>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
</context>
<context>
    <name>FilterContrast</name>
    <message>
        <location filename="../app/filters/FilterContrast.ui" line="9"/>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterContrast.ui" line="34"/>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>FilterCrop</name>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="27"/>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="52"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="88"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="123"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="158"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="193"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>FilterCustomMask</name>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="20"/>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="64"/>
        <location filename="../app/filters/FilterCustomMask.ui" line="141"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="78"/>
        <source>Rotate mask for portrait images</source>
        <translation>Maske für Hochformatbilder drehen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="88"/>
        <source>Use a different mask for portrait images</source>
        <translation>Andere Maske für Hochformatbilder verwenden</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="97"/>
        <source>Portrait Mask</source>
        <translation>Hochformat-Maske</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="164"/>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
</context>
<context>
    <name>FilterDate</name>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="17"/>
        <location filename="../app/filters/FilterDate.ui" line="33"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="45"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="54"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="82"/>
        <source>Fix Date/Time</source>
        <translation>Datum/Uhrzeit korrigieren</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="99"/>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="112"/>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="123"/>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="134"/>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="145"/>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="156"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="167"/>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="194"/>
        <location filename="../app/filters/FilterDate.ui" line="208"/>
        <source>Placement</source>
        <translation>Platzierung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="217"/>
        <source>Delta X (%)</source>
        <translation>Delta X (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="229"/>
        <source>Delta Y (%)</source>
        <translation>Delta Y (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="241"/>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="278"/>
        <location filename="../app/filters/FilterDate.ui" line="294"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="306"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="311"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="316"/>
        <location filename="../app/filters/FilterDate.ui" line="391"/>
        <location filename="../app/filters/FilterDate.ui" line="471"/>
        <location filename="../app/filters/FilterDate.ui" line="568"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="327"/>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="332"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="341"/>
        <location filename="../app/filters/FilterDate.ui" line="402"/>
        <location filename="../app/filters/FilterDate.ui" line="482"/>
        <location filename="../app/filters/FilterDate.ui" line="579"/>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="352"/>
        <location filename="../app/filters/FilterDate.ui" line="528"/>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="374"/>
        <source>Stroke</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="384"/>
        <source>Enable Stroke</source>
        <translation>Kontur aktivieren</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="413"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="438"/>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="454"/>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="464"/>
        <source>Draw Shadow</source>
        <translation>Schatten zeichnen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="493"/>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="505"/>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="551"/>
        <source>Box</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="561"/>
        <source>Draw Bounding-Box</source>
        <translation>Begrenzungsrahmen zeichnen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="590"/>
        <source>Offset (%)</source>
        <translation>Versatz (%)</translation>
    </message>
</context>
<context>
    <name>FilterEdge</name>
    <message>
        <location filename="../app/filters/FilterEdge.ui" line="9"/>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
</context>
<context>
    <name>FilterEmboss</name>
    <message>
        <location filename="../app/filters/FilterEmboss.ui" line="9"/>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterEmboss.ui" line="30"/>
        <source>Sigma</source>
        <translation>Sigma</translation>
    </message>
</context>
<context>
    <name>FilterFlip</name>
    <message>
        <location filename="../app/filters/FilterFlip.ui" line="19"/>
        <source>Flip image vertically</source>
        <translation>Bild vertikal spiegeln</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterFlip.ui" line="30"/>
        <source>Flip image horizontally</source>
        <translation>Bild horizontal spiegeln</translation>
    </message>
</context>
<context>
    <name>FilterGaussianBlur</name>
    <message>
        <location filename="../app/filters/FilterGaussianBlur.ui" line="9"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGaussianBlur.ui" line="30"/>
        <source>Sigma</source>
        <translation>Sigma</translation>
    </message>
</context>
<context>
    <name>FilterGrungeFrame</name>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="37"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="85"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="123"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="130"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen anwenden</translation>
    </message>
</context>
<context>
    <name>FilterHueSaturation</name>
    <message>
        <location filename="../app/filters/FilterHueSaturation.ui" line="9"/>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterHueSaturation.ui" line="34"/>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterHueSaturation.ui" line="59"/>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>FilterImplode</name>
    <message>
        <location filename="../app/filters/FilterImplode.ui" line="9"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>FilterLevels</name>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="13"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="23"/>
        <source>Black point</source>
        <translation>Schwarzpunkt</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="44"/>
        <source>Middle (gamma)</source>
        <translation>Mitte (Gamma)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="65"/>
        <source>White point</source>
        <translation>Weißpunkt</translation>
    </message>
</context>
<context>
    <name>FilterNoise</name>
    <message>
        <location filename="../app/filters/FilterNoise.ui" line="13"/>
        <source>Noise Type</source>
        <translation>Rauschtyp</translation>
    </message>
</context>
<context>
    <name>FilterOilPaint</name>
    <message>
        <location filename="../app/filters/FilterOilPaint.ui" line="9"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>FilterPictureFrame</name>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="31"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="79"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="117"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="124"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen anwenden</translation>
    </message>
</context>
<context>
    <name>FilterPolaroid</name>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="31"/>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="83"/>
        <source>Height (%)</source>
        <translation>Höhe (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="141"/>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="204"/>
        <source>Maintain aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
</context>
<context>
    <name>FilterRaise</name>
    <message>
        <location filename="../app/filters/FilterRaise.ui" line="17"/>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRaise.ui" line="80"/>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
</context>
<context>
    <name>FilterReduceNoise</name>
    <message>
        <location filename="../app/filters/FilterReduceNoise.ui" line="13"/>
        <source>Algorithm</source>
        <translation>Algorithmus</translation>
    </message>
</context>
<context>
    <name>FilterResizeAdvanced</name>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="9"/>
        <source>Image Size in Pixels</source>
        <translation>Bildgröße in Pixel</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="37"/>
        <source>Document Size in Inches</source>
        <translation>Dokumentgröße in Zoll</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="67"/>
        <source>Document DPI/PPI</source>
        <translation>Dokument-DPI/PPI</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="95"/>
        <source>Maintain aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="100"/>
        <source>Use an uniform DPI</source>
        <translation>Einheitliche DPI verwenden</translation>
    </message>
</context>
<context>
    <name>FilterRoll</name>
    <message>
        <location filename="../app/filters/FilterRoll.ui" line="21"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.ui" line="33"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.ui" line="45"/>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
</context>
<context>
    <name>FilterSepia</name>
    <message>
        <location filename="../app/filters/FilterSepia.ui" line="9"/>
        <source>Tone</source>
        <translation>Tönung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSepia.ui" line="30"/>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
</context>
<context>
    <name>FilterSettings</name>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="211"/>
        <source>&amp;Show preview</source>
        <translation>&amp;Vorschau anzeigen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="350"/>
        <source>S&amp;witch View</source>
        <translation>Ansicht &amp;wechseln</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="389"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="420"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="451"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>FilterShadow</name>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="17"/>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="66"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="129"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="167"/>
        <source>Draw over a white background</source>
        <translation>Auf weißem Hintergrund zeichnen</translation>
    </message>
</context>
<context>
    <name>FilterShapeFrame</name>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="37"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="82"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="137"/>
        <source>Edges</source>
        <translation>Kanten</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="175"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="182"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen anwenden</translation>
    </message>
</context>
<context>
    <name>FilterSharpen</name>
    <message>
        <location filename="../app/filters/FilterSharpen.ui" line="9"/>
        <source>Amount</source>
        <translation>Stärke</translation>
    </message>
</context>
<context>
    <name>FilterSharpenAdvanced</name>
    <message>
        <location filename="../app/filters/FilterSharpenAdvanced.ui" line="9"/>
        <source>Amount</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSharpenAdvanced.ui" line="30"/>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSharpenAdvanced.ui" line="51"/>
        <source>Threshold</source>
        <translation>Schwellenwert</translation>
    </message>
</context>
<context>
    <name>FilterSimpleBorder</name>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="31"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="83"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="119"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="154"/>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="189"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="224"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="249"/>
        <source>Use uniform dimensions</source>
        <translation>Einheitliche Abmessungen verwenden</translation>
    </message>
</context>
<context>
    <name>FilterSolarize</name>
    <message>
        <location filename="../app/filters/FilterSolarize.ui" line="9"/>
        <source>Amount</source>
        <translation>Stärke</translation>
    </message>
</context>
<context>
    <name>FilterSpread</name>
    <message>
        <location filename="../app/filters/FilterSpread.ui" line="9"/>
        <source>Amount</source>
        <translation>Stärke</translation>
    </message>
</context>
<context>
    <name>FilterSwirl</name>
    <message>
        <location filename="../app/filters/FilterSwirl.ui" line="13"/>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
</context>
<context>
    <name>FilterThumbnail</name>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="9"/>
        <source>Thumbnail size in pixels:</source>
        <translation>Miniaturgröße in Pixel:</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="18"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="30"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="47"/>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
</context>
<context>
    <name>FilterVintageFrame</name>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="31"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="79"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="117"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="124"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen anwenden</translation>
    </message>
</context>
<context>
    <name>FilterWatermarkLogo</name>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="26"/>
        <source>Logo Path</source>
        <translation>Logo-Pfad</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="70"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="79"/>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="110"/>
        <source>Placement</source>
        <translation>Platzierung</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="149"/>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="204"/>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="242"/>
        <source>Transformation</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="273"/>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="325"/>
        <source>Scale (%)</source>
        <translation>Skalierung (%)</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="380"/>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
</context>
<context>
    <name>FilterWave</name>
    <message>
        <location filename="../app/filters/FilterWave.ui" line="9"/>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWave.ui" line="30"/>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>JobDialogs</name>
    <message>
        <location filename="../monitor/ui/MainProgramStart.cpp" line="23"/>
        <source>By selecting this option Quendrasil will launch configured with your custom profile. Make your changes in Quendrasil then select Project &gt; Save Profile (Ctrl + S) to overwrite this profile.</source>
        <translation>Mit dieser Option startet Quendrasil mit Ihrem benutzerdefinierten Profil. Nehmen Sie Ihre Änderungen in Quendrasil vor und wählen Sie dann Projekt &gt; Profil speichern (Ctrl + S), um dieses Profil zu überschreiben.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="6"/>
        <source>Quendrasil</source>
        <translation>Quendrasil</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="24"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="40"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="47"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="51"/>
        <source>Wi&amp;zard</source>
        <translation>Assi&amp;stent</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="61"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="63"/>
        <source>&amp;Tutorials</source>
        <translation>&amp;Anleitungen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="86"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="87"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="90"/>
        <source>&amp;About Us</source>
        <translation>Ü&amp;ber uns</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="93"/>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="96"/>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="99"/>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="102"/>
        <source>&amp;Italiano</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="105"/>
        <source>&amp;Japanese</source>
        <translation>&amp;Japanese</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="108"/>
        <source>Save Project &amp;As</source>
        <translation>Projekt speichern &amp;unter</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="109"/>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="112"/>
        <source>&amp;Load Project</source>
        <translation>Projekt &amp;laden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="113"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="116"/>
        <source>&amp;Save Project</source>
        <translation>Projekt &amp;speichern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="119"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="120"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="123"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="126"/>
        <source>Check for &amp;New Version</source>
        <translation>Nach &amp;neuer Version suchen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="129"/>
        <source>&amp;Help Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="132"/>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Schritt 1 - &amp;Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="133"/>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="136"/>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Schritt 2 - Fotos &amp;bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="137"/>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="140"/>
        <source>Step 3 - &amp;Setup</source>
        <translation>Schritt 3 - &amp;Einrichten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="141"/>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="144"/>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Process</source>
        <translation>Verarbeiten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="145"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="148"/>
        <source>&amp;Video Presentations</source>
        <translation>&amp;Videopräsentationen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="151"/>
        <source>How to &amp;Add Comments and Time to Photos</source>
        <translation>&amp;Kommentare und Uhrzeit zu Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="154"/>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Fotos in der &amp;Größe ändern und drehen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="157"/>
        <source>&amp;Online Support</source>
        <translation>&amp;Online-Support</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="160"/>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="163"/>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="166"/>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="370"/>
        <source>Save Profile As</source>
        <translation>Profil speichern unter</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="169"/>
        <source>Select Pr&amp;ofile</source>
        <translation>Pr&amp;ofil auswählen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="172"/>
        <source>Save Script</source>
        <translation>Skript speichern</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="175"/>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="402"/>
        <source>Save Script As</source>
        <translation>Skript speichern unter</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="178"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="179"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="180"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="183"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="184"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="185"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="188"/>
        <source>Show &amp;Log</source>
        <translation>&amp;Protokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="191"/>
        <location filename="../app/ui/MainWindow.cpp" line="264"/>
        <source>&amp;Wizard Steps</source>
        <translation>Assistenten&amp;schritte</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="256"/>
        <source>Wizard Steps</source>
        <translation>Assistentenschritte</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="273"/>
        <source>Launch Monitor</source>
        <translation>Monitor starten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Edit Photos</source>
        <translation>Fotos bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="320"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Schritt 1 - Fügen Sie alle Fotos hinzu, die Sie bearbeiten möchten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="321"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Schritt 2 - Legen Sie die Grafikfilter fest, die auf alle ausgewählten Fotos angewendet werden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="322"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Schritt 3 - Wählen Sie Ausgabepfad und Bildformat für die bearbeiteten Fotos</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="323"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Wenn Sie bereit sind, wählen Sie Verarbeiten, um alle Ihre Fotos zu bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="350"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="579"/>
        <source>The log file will be created after the first processing session.</source>
        <translation>Die Protokolldatei wird nach der ersten Verarbeitung erstellt.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="728"/>
        <source>Would you like to save your settings?</source>
        <translation>Möchten Sie Ihre Einstellungen speichern?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="37"/>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Vor der Verarbeitung muss ein Ausgabeordner für die bearbeiteten Fotos ausgewählt werden (Schritt 3 &gt; Ziel &gt; Ordner auf meinem Computer)</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="51"/>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>Der ausgewählte Ordner existiert nicht. Möchten Sie ihn jetzt erstellen?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="69"/>
        <source>There are no photos to process.</source>
        <translation>Es gibt keine Fotos zu verarbeiten.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="77"/>
        <source>Please make sure all images are of the same resolution when creating a multipage WEBP image.</source>
        <translation>Bitte stellen Sie sicher, dass alle Bilder dieselbe Auflösung haben, wenn Sie ein mehrseitiges WEBP-Bild erstellen.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="79"/>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="80"/>
        <source>Don&apos;t Show Again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="81"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="91"/>
        <source>Ready to process %1 photos?</source>
        <translation>Bereit, %1 Fotos zu verarbeiten?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="101"/>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Sie haben gewählt, die Quellfotos nach dem Schreiben der geänderten Fotos zu löschen. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="103"/>
        <source>Could not load project.</source>
        <translation>Projekt konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="129"/>
        <source>Could not load profile.</source>
        <translation>Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="160"/>
        <source>Could not load script.</source>
        <translation>Skript konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="189"/>
        <source>Load Project</source>
        <translation>Projekt laden</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="205"/>
        <source>Loading a profile will overwrite your settings. Continue?</source>
        <translation>Beim Laden eines Profils werden Ihre Einstellungen überschrieben. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="222"/>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Fügen Sie jetzt nur noch Ihre Fotos in Schritt 1 hinzu und passen Sie bei Bedarf die Einstellungen in Schritt 2 und Schritt 3 an.

Wenn Sie fertig sind, wählen Sie Verarbeiten.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="278"/>
        <source>Could not save project.</source>
        <translation>Projekt konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="294"/>
        <source>Could not save profile.</source>
        <translation>Profil konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="306"/>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation>Möchten Sie alle Benachrichtigungen während der Ausführung des Skripts deaktivieren?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="313"/>
        <source>Could not save script.</source>
        <translation>Skript konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="338"/>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="446"/>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Ihre Einstellungen werden verworfen. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowTheme.cpp" line="134"/>
        <source>You need to restart Quendrasil for the changes to take effect.</source>
        <translation>Sie müssen Quendrasil neu starten, damit die Änderungen wirksam werden.</translation>
    </message>
</context>
<context>
    <name>MonitorWindow</name>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="20"/>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="27"/>
        <source>Jobs</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="57"/>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="70"/>
        <location filename="../monitor/ui/MonitorWindow.ui" line="199"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="83"/>
        <source>E&amp;dit</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="115"/>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="129"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="140"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="150"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="161"/>
        <source>&amp;Load Settings</source>
        <translation>Einstellungen &amp;laden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="166"/>
        <source>&amp;Save Settings As</source>
        <translation>Einstellungen &amp;speichern unter</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="174"/>
        <source>L&amp;aunch at Startup</source>
        <translation>Beim Systemstart &amp;ausführen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="179"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="184"/>
        <source>&amp;Add Folder Watch</source>
        <translation>&amp;Ordnerüberwachung hinzufügen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="189"/>
        <source>Add &amp;FTP Watch</source>
        <translation>&amp;FTP-Überwachung hinzufügen</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="194"/>
        <source>Ed&amp;it</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="204"/>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="209"/>
        <source>&amp;Help Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="17"/>
        <source>Convert to JPEG with High Quality</source>
        <translation>In JPEG mit hoher Qualität konvertieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="18"/>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>In das JPEG-Format mit hoher Qualität (90%) konvertieren, was größere Dateien ergibt.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="19"/>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>In JPEG mit mittlerer Qualität konvertieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="20"/>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>In das JPEG-Format mit mittlerer Qualität (75%) konvertieren, was mittelgroße Dateien ergibt.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="21"/>
        <source>Convert to PDF Album</source>
        <translation>In PDF-Album konvertieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="22"/>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Ein einzelnes PDF-Album aus allen hinzugefügten Fotos erstellen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="23"/>
        <source>Convert to PNG</source>
        <translation>In PNG konvertieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="24"/>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>In das PNG-Format konvertieren, für beste Qualität.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="25"/>
        <source>Convert to TIFF</source>
        <translation>In TIFF konvertieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="26"/>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>In das TIFF-Format konvertieren, für beste Qualität.</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="27"/>
        <location filename="../app/model/FiltersEnum.cpp" line="68"/>
        <source>Auto Contrast</source>
        <translation>Auto-Kontrast</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="28"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="80"/>
        <location filename="../app/model/FiltersEnum.cpp" line="69"/>
        <source>Automatically adjusts contrast</source>
        <translation>Passt den Kontrast automatisch an</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="29"/>
        <location filename="../app/model/FiltersEnum.cpp" line="44"/>
        <source>Auto Rotate</source>
        <translation>Automatisch drehen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="30"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="83"/>
        <location filename="../app/model/FiltersEnum.cpp" line="45"/>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Dreht Fotos automatisch anhand der von der Digitalkamera eingebetteten Informationen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="31"/>
        <source>Add Date and Time</source>
        <translation>Datum und Uhrzeit hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="32"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="79"/>
        <location filename="../app/model/FiltersEnum.cpp" line="37"/>
        <source>Stamps picture with date and time information</source>
        <translation>Versieht das Bild mit Datum und Uhrzeit</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="33"/>
        <location filename="../app/model/FiltersEnum.cpp" line="89"/>
        <source>Reduce Noise</source>
        <translation>Rauschen reduzieren</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="35"/>
        <location filename="../app/model/FiltersEnum.cpp" line="114"/>
        <source>Adds noise to picture</source>
        <translation>Fügt dem Bild Rauschen hinzu</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="36"/>
        <source>Adjust Sharpness</source>
        <translation>Schärfe anpassen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="37"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="82"/>
        <location filename="../app/model/FiltersEnum.cpp" line="93"/>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Schärft das Bild durch Verstärken des Kantenkontrasts</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="38"/>
        <source>Effect Black &amp; White</source>
        <translation>Effekt Schwarzweiß</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="39"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="85"/>
        <location filename="../app/model/FiltersEnum.cpp" line="97"/>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Wandelt Echtfarben in Graustufen um</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="40"/>
        <source>Effect Charcoal</source>
        <translation>Effekt Kohlezeichnung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="41"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="84"/>
        <location filename="../app/model/FiltersEnum.cpp" line="101"/>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Wandelt das Bild in eine Kohleskizze um</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="42"/>
        <source>Effect Implode</source>
        <translation>Effekt Implosion</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="43"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="86"/>
        <location filename="../app/model/FiltersEnum.cpp" line="110"/>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Erzeugt einen Implosionseffekt in der Bildmitte</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="44"/>
        <source>Effect Oil Painting</source>
        <translation>Effekt Ölgemälde</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="45"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="87"/>
        <location filename="../app/model/FiltersEnum.cpp" line="116"/>
        <source>Makes picture look like an oil painting</source>
        <translation>Lässt das Bild wie ein Ölgemälde aussehen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="46"/>
        <source>Effect Raise</source>
        <translation>Effekt Anheben</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="47"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="88"/>
        <location filename="../app/model/FiltersEnum.cpp" line="141"/>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Hellt Bildränder auf oder dunkelt sie ab, für einen erhabenen oder vertieften 3D-Effekt</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="48"/>
        <source>Effect Sepia</source>
        <translation>Effekt Sepia</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="49"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="89"/>
        <location filename="../app/model/FiltersEnum.cpp" line="118"/>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Lässt das Bild älter aussehen, in wärmeren Farben</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="50"/>
        <source>Effect Shade</source>
        <translation>Effekt Schattierung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="51"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="90"/>
        <location filename="../app/model/FiltersEnum.cpp" line="124"/>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Lässt das Bild wie eine Skulptur in Graustufen oder Echtfarben aussehen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="52"/>
        <source>Effect Spread</source>
        <translation>Effekt Streuung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="53"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="91"/>
        <location filename="../app/model/FiltersEnum.cpp" line="127"/>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Macht das Bild unscharf, indem Pixel zufällig verstreut werden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="54"/>
        <source>Effect Swirl</source>
        <translation>Effekt Wirbel</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="55"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="92"/>
        <location filename="../app/model/FiltersEnum.cpp" line="129"/>
        <source>Creates a twisting motion</source>
        <translation>Erzeugt eine Drehbewegung</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="56"/>
        <source>Effect Wave</source>
        <translation>Effekt Welle</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="57"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="93"/>
        <location filename="../app/model/FiltersEnum.cpp" line="131"/>
        <source>Creates a horizontal wave effect</source>
        <translation>Erzeugt einen horizontalen Welleneffekt</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="58"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>In Ordnernamen umbenennen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="59"/>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Wenn Fotos in einem Ordner mit aussagekräftigem Namen liegen, benennt dieses Profil alle enthaltenen Bilder nach dem Ordnernamen um</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="60"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>In Fotodatum umbenennen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="61"/>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Ändert die Namen einer Reihe von Fotos in das Aufnahmedatum und fügt einen Zähler hinzu, um gleichzeitig aufgenommene Fotos zu unterscheiden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="62"/>
        <source>Resize for Auction Site</source>
        <translation>Größe für Auktionsseiten ändern</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="63"/>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Fotos sehr klein machen (400x300) zum Hochladen auf Auktionsseiten wie eBay</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="64"/>
        <source>Resize for Sending via Email</source>
        <translation>Größe für E-Mail-Versand ändern</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="65"/>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Fotos verkleinern (1280x960) zum Versand als E-Mail-Anhang</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="66"/>
        <source>Resize for Uploading Online</source>
        <translation>Größe für Online-Upload ändern</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="67"/>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Fotos verkleinern (1600x1200) zum Hochladen auf Seiten wie Facebook, Picasa oder zum Teilen mit Freunden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="69"/>
        <source>Send via E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="70"/>
        <source>Send photos via E-mail</source>
        <translation>Fotos per E-Mail senden</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="71"/>
        <source>Upload to Twitpic</source>
        <translation>Auf Twitpic hochladen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="72"/>
        <source>Upload photos to Twitpic</source>
        <translation>Fotos auf Twitpic hochladen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="73"/>
        <source>Upload to Picasa</source>
        <translation>Auf Picasa hochladen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="74"/>
        <source>Upload photos to Picasa</source>
        <translation>Fotos auf Picasa hochladen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="75"/>
        <source>Upload to Facebook</source>
        <translation>Auf Facebook hochladen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="76"/>
        <source>Upload photos to Facebook</source>
        <translation>Fotos auf Facebook hochladen</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="78"/>
        <location filename="../app/model/FiltersEnum.cpp" line="70"/>
        <source>Auto Gamma</source>
        <translation>Auto-Gamma</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="81"/>
        <location filename="../app/model/FiltersEnum.cpp" line="90"/>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Reduziert Rauschen durch schlechte Lichtverhältnisse oder mobile Digitalkameras</translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="94"/>
        <location filename="../app/model/FiltersEnum.cpp" line="71"/>
        <source>Automatically adjusts gamma level</source>
        <translation>Passt den Gammawert automatisch an</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="15"/>
        <source>Annotate</source>
        <translation>Beschriften</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="16"/>
        <source>Touch-Up</source>
        <translation>Retusche</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="17"/>
        <source>Transform</source>
        <translation>Transformieren</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="18"/>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="19"/>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="34"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="35"/>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Beschriftet mit einem ein- oder mehrzeiligen Textkommentar</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="36"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="38"/>
        <source>Watermark-Text</source>
        <translation>Wasserzeichen-Text</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="39"/>
        <source>Adds a text copyright notice</source>
        <translation>Fügt einen Copyright-Hinweis als Text hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="40"/>
        <source>Watermark-Logo</source>
        <translation>Wasserzeichen-Logo</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="41"/>
        <source>Adds a copyright logo</source>
        <translation>Fügt ein Copyright-Logo hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="42"/>
        <source>Watermark-Mask</source>
        <translation>Wasserzeichen-Maske</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="43"/>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Fügt unterschiedliche Masken für Hoch- und Querformatfotos hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="48"/>
        <source>Auto Crop</source>
        <translation>Automatisch zuschneiden</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="49"/>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Schneidet das Bild automatisch auf ein angegebenes Seitenverhältnis zu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="51"/>
        <source>Color Replace</source>
        <translation>Farbe ersetzen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="52"/>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Ersetzt eine RGB-Farbe oder den Alphakanal</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="53"/>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="54"/>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Schneidet einen rechteckigen Bereich aus dem Bild aus</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="55"/>
        <source>Flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="56"/>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Spiegelt das Bild vertikal und/oder horizontal</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="57"/>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="58"/>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Passt die Bildgröße in Pixel oder Prozent an</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="59"/>
        <source>Resize Advanced</source>
        <translation>Größe ändern (erweitert)</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="60"/>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Passt Dokumentgröße und DPI-Auflösung an</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="61"/>
        <source>Roll</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="62"/>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Rollt das Bild vertikal oder horizontal um eine angegebene Anzahl Pixel</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="64"/>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="65"/>
        <source>Rotates by a specified number of degrees</source>
        <translation>Dreht um eine angegebene Gradzahl</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="66"/>
        <source>Thumbnail</source>
        <translation>Miniatur</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="67"/>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Erstellt eine kleine Miniatur aus dem Bild</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="72"/>
        <source>Auto Levels</source>
        <translation>Auto-Tonwert</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="73"/>
        <source>Automatically adjusts color levels</source>
        <translation>Passt die Farbtonwerte automatisch an</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="74"/>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="75"/>
        <source>Adjusts light intensity</source>
        <translation>Passt die Lichtintensität an</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="76"/>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="77"/>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Verstärkt die Helligkeitsunterschiede zwischen hellen und dunklen Pixeln</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="79"/>
        <source>Color Balance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="80"/>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Passt die Farbkanäle Rot, Grün und Blau an</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="81"/>
        <source>Equalize</source>
        <translation>Ausgleichen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="82"/>
        <source>Applies a histogram equalization</source>
        <translation>Wendet einen Histogrammausgleich an</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="83"/>
        <source>Hue/Saturation</source>
        <translation>Farbton/Sättigung</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="84"/>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Korrigiert Farbton, Sättigung und Helligkeit</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="85"/>
        <source>Levels</source>
        <translation>Tonwerte</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="86"/>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Passt die Tonwerte an, indem die Farben zwischen dem angegebenen Weiß- und Schwarzpunkt auf den gesamten verfügbaren Wertebereich skaliert werden</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="92"/>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="94"/>
        <source>Sharpen Advanced</source>
        <translation>Schärfen (erweitert)</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="95"/>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Schärft das Bild mit den Optionen Radius und Schwellenwert</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="96"/>
        <source>Black &amp; White</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="98"/>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="99"/>
        <source>Makes picture hazy in appearance</source>
        <translation>Lässt das Bild verschwommen erscheinen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="100"/>
        <source>Charcoal</source>
        <translation>Kohlezeichnung</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="102"/>
        <source>Edge</source>
        <translation>Kanten</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="103"/>
        <source>Highlights edges in picture</source>
        <translation>Hebt Kanten im Bild hervor</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="104"/>
        <source>Emboss</source>
        <translation>Relief</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="105"/>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Hebt Kanten im Bild mit einem 3D-Effekt hervor</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="106"/>
        <source>Gaussian Blur</source>
        <translation>Gaußscher Weichzeichner</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="107"/>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Lässt das Bild mit dem gaußschen Weichzeichner verschwommen erscheinen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="109"/>
        <source>Implode</source>
        <translation>Implosion</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="111"/>
        <source>Negate</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="112"/>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Ersetzt jedes Pixel durch seine Komplementärfarbe</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="113"/>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="115"/>
        <source>Oil Paint</source>
        <translation>Ölgemälde</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="117"/>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="119"/>
        <source>Solarize</source>
        <translation>Solarisation</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="120"/>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Lässt das Bild aussehen, als wäre der Film bei der Entwicklung belichtet worden</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="123"/>
        <source>Shade</source>
        <translation>Schattierung</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="126"/>
        <source>Spread</source>
        <translation>Streuung</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="128"/>
        <source>Swirl</source>
        <translation>Wirbel</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="130"/>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="132"/>
        <source>Shape Frame</source>
        <translation>Formrahmen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="133"/>
        <source>Adds a simple shaped frame</source>
        <translation>Fügt einen einfachen geformten Rahmen hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="134"/>
        <source>Grunge Frame</source>
        <translation>Grunge-Rahmen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="135"/>
        <source>Adds a grunge frame</source>
        <translation>Fügt einen Grunge-Rahmen hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="136"/>
        <source>Picture Frame</source>
        <translation>Bilderrahmen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="137"/>
        <source>Adds a classic picture frame</source>
        <translation>Fügt einen klassischen Bilderrahmen hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="138"/>
        <source>Vintage Frame</source>
        <translation>Vintage-Rahmen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="139"/>
        <source>Adds a vintage frame</source>
        <translation>Fügt einen Vintage-Rahmen hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="140"/>
        <source>Raise</source>
        <translation>Anheben</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="143"/>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="144"/>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Gibt dem Bild einen Schatteneffekt an den Rändern</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="145"/>
        <source>Simple Border</source>
        <translation>Einfacher Rahmen</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="146"/>
        <source>Adds a simple border around the picture</source>
        <translation>Fügt einen einfachen Rahmen um das Bild hinzu</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="153"/>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Erzeugt einen Bilderrahmen im Polaroid-Stil</translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="154"/>
        <location filename="../app/model/UserProfile.cpp" line="171"/>
        <source>Keep original image format (if possible)</source>
        <translation>Ursprüngliches Bildformat beibehalten (falls möglich)</translation>
    </message>
    <message>
        <location filename="../app/model/Scripts.cpp" line="87"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>Das Projekt wurde mit einer anderen Programmversion erstellt und wird möglicherweise nicht korrekt importiert.
Um mögliche Probleme zu beheben, passen Sie die Einstellungen an und speichern Sie.</translation>
    </message>
    <message>
        <location filename="../app/model/Scripts.cpp" line="543"/>
        <source>The text &quot;%1&quot; holds characters that cannot be saved.</source>
        <translation>Der Text &quot;%1&quot; enthält Zeichen, die nicht gespeichert werden können.</translation>
    </message>
</context>
</TS>
