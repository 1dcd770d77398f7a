<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CBatchCore</name>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="125"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="188"/>
        <source>Process started at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="190"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="195"/>
        <source>Creating a single multi-page document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="197"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="207"/>
        <location filename="../app/engine/BatchCore.cpp" line="217"/>
        <source>Failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="215"/>
        <source>the file name is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="370"/>
        <source>In order to read %1 documents Quendrasil requires Ghostscript to be installed on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="421"/>
        <source>Process interrupted by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="423"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="426"/>
        <source>Process completed without errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="428"/>
        <source>Time elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="446"/>
        <source>Could not open default mail client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="448"/>
        <source>Files attached successfuly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="455"/>
        <source>Uploading to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="496"/>
        <source>Successfully uploaded %1 picture(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="500"/>
        <source>Deleting temporary files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="501"/>
        <source>Upload completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="501"/>
        <source>Upload failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="532"/>
        <source>Could not save log.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCheckNew</name>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="32"/>
        <source>Check for New Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="53"/>
        <source>Check for new versions at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="73"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.ui" line="83"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="105"/>
        <location filename="../app/dialogs/CheckNew.cpp" line="469"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="117"/>
        <source>Quendrasil will now check if a newer version of the program is available. No information about you or your computer will be sent to our servers. Please select &apos;Yes&apos; if a firewall warning will be displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="206"/>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="271"/>
        <source>You already have the latest version of Quendrasil installed on your computer.<byte value="xd"/>
Please check back in a few weeks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="275"/>
        <source>A newer version of Quendrasil is available for download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="277"/>
        <source>Note: You can update to the latest version of Quendrasil free of charge!

Update Instructions:
1. Click on &apos;Update&apos; to launch the download of the new setup file
2. After completing the download, launch the setup and follow the instruction on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="288"/>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="302"/>
        <source>This is the version you have installed on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="413"/>
        <source>learn more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="421"/>
        <source>We are unable to access Quendrasil&apos;s site. Your firewall may be blocking this connection. Please check your firewall&apos;s settings and try again.

In case you don&apos;t want Quendrasil to automatically check for updates at startup please disable the checkbox below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="432"/>
        <source>The list of versions on Quendrasil&apos;s site could not be read. Please try again later.

In case you don&apos;t want Quendrasil to automatically check for updates at startup please disable the checkbox below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="456"/>
        <source>The download address of the new version is not valid. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <location filename="../app/views/ControlImageThread.cpp" line="213"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/views/ControlImageThread.cpp" line="260"/>
        <source>Applying &apos;%1&apos; filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/views/ControlImageThread.cpp" line="320"/>
        <source>Zooming</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <location filename="../app/dialogs/DialogAbout.ui" line="26"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogFTPWatch</name>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="6"/>
        <source>FTP Watch Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="10"/>
        <source>General Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="14"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="23"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="31"/>
        <source>Scan folder for changes once every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="42"/>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="47"/>
        <source>Overwrite images in output folder (if they have the same name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="52"/>
        <source>Cr&amp;eate detailed log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="56"/>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="98"/>
        <source>Show log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="60"/>
        <source>Disable interface notifications when processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="68"/>
        <source>Monitored Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="72"/>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="81"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="90"/>
        <source>Use SFTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="95"/>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="154"/>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="104"/>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="113"/>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="122"/>
        <source>&amp;Include all subfolders when processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="127"/>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="138"/>
        <source>Test Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="150"/>
        <source>Custom Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="163"/>
        <source>B&amp;rowse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="169"/>
        <source>Edi&amp;t Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="178"/>
        <source>Re&amp;process all images using the new settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="184"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.ui" line="186"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="174"/>
        <source>The scan interval must be an integer larger than 30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="195"/>
        <source>Some fields were not filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="199"/>
        <source>The Name field cannot contain any of the following characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="210"/>
        <source>The task you selected does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="258"/>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFTPWatch.cpp" line="266"/>
        <source>Load Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="14"/>
        <source>Select Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="34"/>
        <source>All Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="62"/>
        <source>Annotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="90"/>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="118"/>
        <source>Touch-Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="146"/>
        <source>Apply Fx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="174"/>
        <source>Decorate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="236"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.ui" line="246"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFilterSelection.cpp" line="130"/>
        <source>No filter selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogFolderWatch</name>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="14"/>
        <source>Folder Watch Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="20"/>
        <source>General Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="26"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="39"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="67"/>
        <source>Scan folder for changes once every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="107"/>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="123"/>
        <source>Overwrite images in output folder (if they have the same name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="132"/>
        <source>Cr&amp;eate detailed log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="139"/>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="100"/>
        <source>Show log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="161"/>
        <source>Disable interface notifications when processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="171"/>
        <source>Monitored Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="177"/>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="256"/>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="190"/>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="200"/>
        <source>&amp;Include all subfolders when processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="207"/>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="250"/>
        <source>Custom Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="269"/>
        <source>B&amp;rowse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="279"/>
        <source>Edi&amp;t Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="289"/>
        <source>Re&amp;process all images using the new settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="308"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.ui" line="318"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="139"/>
        <source>The scan interval must be an integer larger than 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="146"/>
        <source>Some fields were not filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="151"/>
        <source>The Name field cannot contain any of the following characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="163"/>
        <source>The folder you selected does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="168"/>
        <source>The task you selected does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="183"/>
        <source>Browse for Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/DialogFolderWatch.cpp" line="192"/>
        <source>Load Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="26"/>
        <location filename="../app/filters/DialogFont.ui" line="46"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="72"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="125"/>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="144"/>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="151"/>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="158"/>
        <source>Strike Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="213"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/DialogFont.ui" line="220"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.ui" line="47"/>
        <location filename="../app/dialogs/DialogGSWarning.cpp" line="34"/>
        <source>Download GhostScript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.ui" line="97"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.cpp" line="35"/>
        <source>In order to read %1 documents Quendrasil requires Ghostscript to be installed on your computer.<byte value="xd"/>
<byte value="xd"/>
Download &quot;GhostScript for Windows (64 bit)&quot; from this link:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="26"/>
        <source>Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="225"/>
        <source>Y&amp;es</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="232"/>
        <source>N&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="239"/>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="246"/>
        <source>&amp;Yes to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="253"/>
        <source>&amp;No to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.ui" line="260"/>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.cpp" line="67"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwrite.cpp" line="69"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="6"/>
        <source>Rename Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="14"/>
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="51"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.ui" line="61"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/DialogOverwriteRename.cpp" line="36"/>
        <source>A photo with the same name already exists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="26"/>
        <source>Profile&apos;s Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="35"/>
        <source>Specify a name and description for this profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="56"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="76"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="110"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.ui" line="120"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSave.cpp" line="31"/>
        <source>Please specify a name for the new profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="14"/>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="34"/>
        <source>All Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="59"/>
        <source>My Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="84"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="109"/>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="177"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.ui" line="187"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="372"/>
        <source>No profile selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="429"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="430"/>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="460"/>
        <source>Could not change the profile file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="510"/>
        <source>Are you sure you want to delete this profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="520"/>
        <source>Could not delete the profile file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="20"/>
        <source>Edit Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="28"/>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="58"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="77"/>
        <source>Cases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="83"/>
        <source>Change cases to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="93"/>
        <source>Use lower-case for extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="103"/>
        <location filename="../app/dialogs/DialogRename.cpp" line="257"/>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="109"/>
        <source>Reset for each input folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="118"/>
        <source>Start at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="128"/>
        <source>Step by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="138"/>
        <source>Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="153"/>
        <location filename="../app/dialogs/DialogRename.cpp" line="258"/>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="159"/>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="169"/>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="179"/>
        <source>Time format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="189"/>
        <source>Show time as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="202"/>
        <source>Search &amp;&amp; Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="208"/>
        <source>Search for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="218"/>
        <source>Replace with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="240"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="257"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.ui" line="267"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>Unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>lowercases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>UPPERCASES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="56"/>
        <source>Mixed Cases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="69"/>
        <source>Original photo date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="69"/>
        <source>Current date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="251"/>
        <source>Source Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="253"/>
        <source>Source Folder Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogRename.cpp" line="255"/>
        <source>Source Extension</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="14"/>
        <source>Save Settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="29"/>
        <source>You don&apos;t have to setup Quendrasil each time for the same tasks, you can just save your settings and load them later. Would you like to save your settings now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="61"/>
        <source>Don&apos;t ask me again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="81"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="88"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSaveProject.ui" line="95"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="14"/>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="20"/>
        <source>Search Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="30"/>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="37"/>
        <source>Search Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="51"/>
        <source>Search in subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="73"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.ui" line="83"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSearch.cpp" line="63"/>
        <source>Select a folder and press Ok to add it to your search path.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="14"/>
        <source>Connect with Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="22"/>
        <source>Social</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="41"/>
        <source>Connect with us and be the first to learn about new versions and features, you will also help us spread the word about Quendrasil:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="143"/>
        <source>Newsletter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="162"/>
        <source>Sign up to our newsletter to receive news and discounts for our products:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="200"/>
        <source>Sign Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="242"/>
        <source>Don&apos;t show this window again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSocial.ui" line="262"/>
        <source>Maybe Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="101"/>
        <source>Tip text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="119"/>
        <source>Don&apos;t show this tip again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/widgets/DialogTip.ui" line="139"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterAutoCrop</name>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="28"/>
        <source>Custom ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="32"/>
        <source>Left/Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="32"/>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.cpp" line="32"/>
        <source>Right/Bottom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterBlank</name>
    <message>
        <location filename="../app/filters/FilterBlank.cpp" line="10"/>
        <source>This filter has no settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterColorReplace</name>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>Transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.cpp" line="38"/>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterComment</name>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="46"/>
        <source>Align Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="46"/>
        <source>Align Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="46"/>
        <source>Align Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Top-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Top-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Top-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Middle-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="49"/>
        <source>Middle-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Middle-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Bottom-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Bottom-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="50"/>
        <source>Bottom-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="186"/>
        <source>Source Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="188"/>
        <source>Source Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="190"/>
        <source>Source Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.cpp" line="193"/>
        <source>Source Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="35"/>
        <source>Original image size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="35"/>
        <source> %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="38"/>
        <source>in Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.cpp" line="38"/>
        <source>in Percents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterCustomMask</name>
    <message>
        <location filename="../app/filters/FilterCustomMask.cpp" line="106"/>
        <source>Select Mask</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterDate</name>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="123"/>
        <source>Original Date &amp; Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="123"/>
        <source>Original Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Original Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Current Date &amp; Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Current Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="124"/>
        <source>Current Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Top-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Top-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Top-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Middle-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="141"/>
        <source>Middle-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Middle-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Bottom-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Bottom-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="142"/>
        <source>Bottom-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.cpp" line="524"/>
        <source>Select Watermark Image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <location filename="../app/filters/FilterRaise.cpp" line="20"/>
        <source>Lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRaise.cpp" line="20"/>
        <source>Raise</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="27"/>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="58"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="87"/>
        <source>Resize by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="132"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="167"/>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="192"/>
        <source>Maintain aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.ui" line="199"/>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="60"/>
        <source>Original image size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="60"/>
        <source> %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="62"/>
        <source>in Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="62"/>
        <source>in Percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="64"/>
        <source>Width &amp; Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="64"/>
        <source>Fixed Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="64"/>
        <source>Fixed Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResize.cpp" line="65"/>
        <source>Fixed Width &amp; Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterRoll</name>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="34"/>
        <source>Original image size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="34"/>
        <source> %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="37"/>
        <source>in Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.cpp" line="37"/>
        <source>in Percents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="34"/>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="123"/>
        <source>Rotate Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="155"/>
        <source>Rotate Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.ui" line="178"/>
        <source>Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.cpp" line="41"/>
        <source>All Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.cpp" line="41"/>
        <source>Only Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRotate.cpp" line="41"/>
        <source>Only Landscape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <location filename="../app/filters/FilterShapeFrame.cpp" line="29"/>
        <source>Sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.cpp" line="29"/>
        <source>Blurred</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.cpp" line="37"/>
        <source>in Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.cpp" line="37"/>
        <source>in Percents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterThumbnail</name>
    <message>
        <location filename="../app/filters/FilterThumbnail.cpp" line="25"/>
        <source>Resize to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.cpp" line="25"/>
        <source>Stretch to fit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterWatermarkLogo</name>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Top-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Top-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Top-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Middle-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="56"/>
        <source>Middle-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Middle-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Bottom-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Bottom-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="57"/>
        <source>Bottom-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.cpp" line="117"/>
        <source>Select Watermark Image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterWatermarkText</name>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="17"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="57"/>
        <source>Add Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="66"/>
        <source>Add text sequentially from a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="88"/>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="99"/>
        <location filename="../app/filters/FilterWatermarkText.ui" line="130"/>
        <source>Placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="146"/>
        <source>Delta X (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="169"/>
        <source>Delta Y (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="192"/>
        <source>Rotation (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="214"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="242"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="249"/>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="262"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.ui" line="285"/>
        <source>Alpha (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="34"/>
        <source>Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="35"/>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="36"/>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="37"/>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="51"/>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="60"/>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="87"/>
        <source>Copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="52"/>
        <source>Registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="53"/>
        <source>Trademark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="54"/>
        <source>Servicemark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="55"/>
        <source>Source Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="56"/>
        <source>Source Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="57"/>
        <source>Source Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="58"/>
        <source>Source Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="59"/>
        <source>Artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="61"/>
        <source>Date taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="62"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="63"/>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="64"/>
        <source>Camera Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="65"/>
        <source>Camera Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="66"/>
        <source>F-stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="67"/>
        <source>Exposure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="68"/>
        <source>ISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="69"/>
        <source>Focal Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="70"/>
        <source>Flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="71"/>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="72"/>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="73"/>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Top-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Top-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Top-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Middle-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="109"/>
        <source>Middle-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Middle-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Bottom-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Bottom-Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="110"/>
        <source>Bottom-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkText.cpp" line="279"/>
        <source>Select Text File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="6"/>
        <source>Format Settings</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="25"/>
        <source>There are no settings for this format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="61"/>
        <source>Default format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="97"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="175"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="221"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="417"/>
        <source>Interlace Type</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="211"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="460"/>
        <source>Colors/BitDepth</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="241"/>
        <source>Fixed Size (KB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="381"/>
        <location filename="../app/dialogs/FormatSettings.ui" line="470"/>
        <source>Compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="427"/>
        <source>Use best compression (slower writing speed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="704"/>
        <source>Lossless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="711"/>
        <source>Lossy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="994"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="1014"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.ui" line="1024"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.cpp" line="106"/>
        <location filename="../app/dialogs/FormatSettings.cpp" line="149"/>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/FormatSettings.cpp" line="446"/>
        <source>Load Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="25"/>
        <source>Top-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="26"/>
        <source>Top-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="26"/>
        <source>Bottom-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="27"/>
        <source>Bottom-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="27"/>
        <source>Left-Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="28"/>
        <source>Right-Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="28"/>
        <source>Right-Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="29"/>
        <source>Left-Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbThread.cpp" line="281"/>
        <source>Uncalibrated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CListThumbDetails</name>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Date Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="109"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>F-stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>Exposure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="110"/>
        <source>ISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/thumbs/ListThumbDetails.cpp" line="111"/>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="138"/>
        <source>&amp;Add Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="157"/>
        <source>A&amp;dd...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="176"/>
        <source>R&amp;emove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="195"/>
        <source>V&amp;iew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="217"/>
        <source>&amp;Show preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="300"/>
        <source>Fit to view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="319"/>
        <source>Actual size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="357"/>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="376"/>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="188"/>
        <location filename="../app/ui/MainPanel1.cpp" line="204"/>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="189"/>
        <location filename="../app/ui/MainPanel1.cpp" line="205"/>
        <source>Or Click To Add Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="438"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="438"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="438"/>
        <source>Date Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="439"/>
        <source>F-stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Exposure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>ISO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="440"/>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="678"/>
        <source>Select Photo(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="692"/>
        <source>Browse For Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="749"/>
        <source>No photos selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="752"/>
        <source>Remove selected photo(s) from the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="788"/>
        <source>Remove all photos from the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="960"/>
        <source>&amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="961"/>
        <source>F&amp;older with Subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="962"/>
        <location filename="../app/ui/MainPanel1.cpp" line="998"/>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="969"/>
        <source>&amp;Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="970"/>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="980"/>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="981"/>
        <source>&amp;Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="981"/>
        <source>&amp;Medium Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="982"/>
        <source>&amp;Large Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="996"/>
        <source>Add &amp;Photo(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="997"/>
        <source>Add &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1001"/>
        <source>Remove S&amp;elected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1002"/>
        <source>Remove &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1004"/>
        <source>Pas&amp;te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1033"/>
        <source>Add the photos you want to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel1.cpp" line="1061"/>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="80"/>
        <source>Add Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="93"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="106"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="158"/>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="199"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="242"/>
        <source>Sh&amp;ow preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="385"/>
        <source>S&amp;witch View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="150"/>
        <source>Keep Unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="150"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="151"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="151"/>
        <source>Custom Defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="224"/>
        <source>No filter selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="240"/>
        <source>The settings of the filter &quot;%1&quot; cannot be edited in this version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="306"/>
        <source>Remove selected filter(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="326"/>
        <source>Remove all filters?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="451"/>
        <source>Remove Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="452"/>
        <source>Remove All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="471"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="473"/>
        <source>&amp;Add Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="475"/>
        <source>Remove &amp;Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="477"/>
        <source>Remove A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="479"/>
        <source>&amp;Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="481"/>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="482"/>
        <source>Move D&amp;own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="883"/>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel2.cpp" line="901"/>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="120"/>
        <source>Folder on My Computer (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="120"/>
        <source>Send via E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="120"/>
        <source>Upload to FTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="129"/>
        <source>Use selected folder as output destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="131"/>
        <source>Use original photos&apos; folder as output destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="132"/>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="342"/>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="366"/>
        <source>Select a folder for saving the resulting photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="406"/>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.

This action will only delete the originals if the processed photos are correctly written.

In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="627"/>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="23"/>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="29"/>
        <source>Output Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="55"/>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="62"/>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF, WEBP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="75"/>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="83"/>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="125"/>
        <location filename="../app/ui/MainPanel3.ui" line="222"/>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="135"/>
        <source>S&amp;elect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="153"/>
        <location filename="../app/ui/MainPanel3.ui" line="259"/>
        <source>Also save on My Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="171"/>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="181"/>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="195"/>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="205"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="232"/>
        <source>Use SFTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="239"/>
        <location filename="../app/ui/MainPanel3.cpp" line="130"/>
        <source>Recreate original folder structure in selected folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="246"/>
        <source>Test Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="289"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="295"/>
        <source>&amp;Open output folder after processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="302"/>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="309"/>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMonitorWindow</name>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="128"/>
        <source>Show Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="129"/>
        <source>Open Quendrasil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="130"/>
        <source>Launch at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="132"/>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="671"/>
        <source>Load Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="133"/>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="697"/>
        <source>Save Settings As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="134"/>
        <source>Help Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="135"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="331"/>
        <source>Monitor watches at most %1 jobs. Remove a job before adding another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="572"/>
        <source>Executing job: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="584"/>
        <source>&amp;Folder Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="585"/>
        <source>F&amp;TP Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="629"/>
        <source>Remove selected job(s) from the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="673"/>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="699"/>
        <source>Project Files (*.xml);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="679"/>
        <source>The file holds more than %1 jobs, more than Monitor watches. The job list stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="687"/>
        <source>The file could not be read as a job list. The job list stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="704"/>
        <source>The job list could not be saved to this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="714"/>
        <source>&amp;Add Folder Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="715"/>
        <source>Add &amp;FTP Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="716"/>
        <source>Ed&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="717"/>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.cpp" line="719"/>
        <source>&amp;Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <location filename="../app/run/ProcessController.ui" line="14"/>
        <source>Quendrasil - Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.ui" line="175"/>
        <location filename="../app/run/ProcessController.cpp" line="197"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.ui" line="182"/>
        <location filename="../app/run/ProcessController.cpp" line="85"/>
        <location filename="../app/run/ProcessController.cpp" line="162"/>
        <location filename="../app/run/ProcessController.cpp" line="168"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.ui" line="205"/>
        <location filename="../app/run/ProcessController.cpp" line="76"/>
        <source>Show log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="71"/>
        <location filename="../app/run/ProcessController.cpp" line="111"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="112"/>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="200"/>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="215"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/run/ProcessController.cpp" line="226"/>
        <source>Upload not completed. Abort the operation?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="270"/>
        <source>There is no output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="782"/>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="782"/>
        <source>The file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="870"/>
        <source>Failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="873"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="876"/>
        <source>Failed to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="880"/>
        <source>Failed to Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="883"/>
        <source>Failed to Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="886"/>
        <source>Failed to Rename and Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="889"/>
        <source>Failed to Rename and Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="908"/>
        <source>Processed and renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="910"/>
        <source>Processed and replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="912"/>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="914"/>
        <source>Processed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="6"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="19"/>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="28"/>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="38"/>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="48"/>
        <location filename="../app/dialogs/DialogSettings.cpp" line="77"/>
        <source>Help with translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="93"/>
        <source>Use multicore processors for speeding up image processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="100"/>
        <source>Include Quendrasil in Windows Explorer contextual menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="107"/>
        <source>Create detailed log file with the processed images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="114"/>
        <source>Show profiles window at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="121"/>
        <source>Show wizard window at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="128"/>
        <source>Launch Quendrasil Monitor at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="135"/>
        <source>Check for new versions at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="163"/>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="202"/>
        <source>Image Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="211"/>
        <source>Multipage Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="221"/>
        <source>Layer Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="260"/>
        <source>RAW Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="270"/>
        <source>Demosaicing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="280"/>
        <source>White Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="290"/>
        <source>Highlights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="332"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.ui" line="342"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="37"/>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="93"/>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="94"/>
        <source>Once a week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="95"/>
        <source>Every two weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="96"/>
        <source>Once a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="101"/>
        <source>Save each layer as a separate image (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="102"/>
        <source>Flatten all layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="102"/>
        <source>Save the first layer only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="106"/>
        <source>Auto, best algorithm for camera model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="114"/>
        <source>Use camera&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="115"/>
        <source>Average the entire image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="115"/>
        <source>Don&apos;t apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="119"/>
        <source>Clip all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="120"/>
        <source>Leave unclipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="122"/>
        <source>Blend clipped and unclipped values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="125"/>
        <source>Reconstruct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="181"/>
        <source>You need to restart Quendrasil for the changes to take effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="217"/>
        <source>The file manager&apos;s context menu cannot be changed on this system.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <location filename="../app/engine/Upload.cpp" line="267"/>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="268"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Quendrasil may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="276"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="276"/>
        <source>Could not open default mail client.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="26"/>
        <source>Welcome to Quendrasil!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="51"/>
        <source>Quendrasil&apos;s interface is designed as a three-step wizard, so you just need to follow the predefined steps in order to edit your photos!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="61"/>
        <source>To get help press the F1 key anywhere in the interface for a detailed description of the settings.

Press &apos;Next&apos; to see the tutorials.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="86"/>
        <location filename="../app/dialogs/WizardStart.ui" line="190"/>
        <source>Don&apos;t show this wizard again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="109"/>
        <source>Sit back and watch our video presentations which will show you step-by-step how to use Quendrasil (Internet connection required):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.ui" line="135"/>
        <source>For a more in-depth, hands-on experience we recommend the two tutorials:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="64"/>
        <source>Video Presentations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="68"/>
        <source>Tutorial 1 - How to Add Comments and Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="70"/>
        <source>Tutorial 2 - How to Resize and Rotate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAskReview</name>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="20"/>
        <source>Feedback Request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="69"/>
        <source>Thank you for using Quendrasil. If you are encountering problems, need support or have suggestions for us, please let us know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="79"/>
        <source>Contact Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="102"/>
        <source>If you are enjoying Quendrasil we will greatly appreciate a review on the Mac App Store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="112"/>
        <source>Review on App Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="157"/>
        <source>Don&apos;t ask me again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogAskReview.ui" line="177"/>
        <source>Maybe Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogUnsupportedFormat</name>
    <message>
        <location filename="../app/dialogs/DialogUnsupportedFormat.ui" line="14"/>
        <source>Unsupported Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogUnsupportedFormat.ui" line="26"/>
        <source>You are trying to add file formats that are not supported by Quendrasil, as a result some files were not added to the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterAutoCrop</name>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="9"/>
        <source>Auto Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="24"/>
        <source>Aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="42"/>
        <source>Custom ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="78"/>
        <source>Crop region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterAutoCrop.ui" line="92"/>
        <source>Invert coordinates for portrait images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterBlur</name>
    <message>
        <location filename="../app/filters/FilterBlur.ui" line="9"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterBrightness</name>
    <message>
        <location filename="../app/filters/FilterBrightness.ui" line="9"/>
        <source>Lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterBrightness.ui" line="34"/>
        <source>Gamma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterCharcoal</name>
    <message>
        <location filename="../app/filters/FilterCharcoal.ui" line="9"/>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCharcoal.ui" line="30"/>
        <source>Sigma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterColorReplace</name>
    <message>
        <location filename="../app/filters/FilterColorReplace.ui" line="9"/>
        <source>Original color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.ui" line="36"/>
        <source>New color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterColorReplace.ui" line="63"/>
        <source>Tolerance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterComment</name>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="20"/>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="58"/>
        <source>Your comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="98"/>
        <source>Add Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="107"/>
        <location filename="../app/filters/FilterComment.ui" line="138"/>
        <source>Placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="181"/>
        <source>Delta X (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="239"/>
        <source>Delta Y (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="280"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="311"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="330"/>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="366"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterComment.ui" line="418"/>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterContrast</name>
    <message>
        <location filename="../app/filters/FilterContrast.ui" line="9"/>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterContrast.ui" line="34"/>
        <source>Lightness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterCrop</name>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="27"/>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="52"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="88"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="123"/>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="158"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCrop.ui" line="193"/>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterCustomMask</name>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="20"/>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="64"/>
        <location filename="../app/filters/FilterCustomMask.ui" line="141"/>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="78"/>
        <source>Rotate mask for portrait images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="88"/>
        <source>Use a different mask for portrait images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="97"/>
        <source>Portrait Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterCustomMask.ui" line="164"/>
        <source>Alpha (%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterDate</name>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="17"/>
        <location filename="../app/filters/FilterDate.ui" line="33"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="45"/>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="54"/>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="82"/>
        <source>Fix Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="99"/>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="112"/>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="123"/>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="134"/>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="145"/>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="156"/>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="167"/>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="194"/>
        <location filename="../app/filters/FilterDate.ui" line="208"/>
        <source>Placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="217"/>
        <source>Delta X (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="229"/>
        <source>Delta Y (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="241"/>
        <source>Rotation (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="278"/>
        <location filename="../app/filters/FilterDate.ui" line="294"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="306"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="311"/>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="316"/>
        <location filename="../app/filters/FilterDate.ui" line="391"/>
        <location filename="../app/filters/FilterDate.ui" line="471"/>
        <location filename="../app/filters/FilterDate.ui" line="568"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="327"/>
        <source>Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="332"/>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="341"/>
        <location filename="../app/filters/FilterDate.ui" line="402"/>
        <location filename="../app/filters/FilterDate.ui" line="482"/>
        <location filename="../app/filters/FilterDate.ui" line="579"/>
        <source>Alpha (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="352"/>
        <location filename="../app/filters/FilterDate.ui" line="528"/>
        <source>Blur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="374"/>
        <source>Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="384"/>
        <source>Enable Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="413"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="438"/>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="454"/>
        <source>Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="464"/>
        <source>Draw Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="493"/>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="505"/>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="551"/>
        <source>Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="561"/>
        <source>Draw Bounding-Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterDate.ui" line="590"/>
        <source>Offset (%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterEdge</name>
    <message>
        <location filename="../app/filters/FilterEdge.ui" line="9"/>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterEmboss</name>
    <message>
        <location filename="../app/filters/FilterEmboss.ui" line="9"/>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterEmboss.ui" line="30"/>
        <source>Sigma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterFlip</name>
    <message>
        <location filename="../app/filters/FilterFlip.ui" line="19"/>
        <source>Flip image vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterFlip.ui" line="30"/>
        <source>Flip image horizontally</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterGaussianBlur</name>
    <message>
        <location filename="../app/filters/FilterGaussianBlur.ui" line="9"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGaussianBlur.ui" line="30"/>
        <source>Sigma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterGrungeFrame</name>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="37"/>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="85"/>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="123"/>
        <source>Draw over a transparent background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterGrungeFrame.ui" line="130"/>
        <source>Apply random frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterHueSaturation</name>
    <message>
        <location filename="../app/filters/FilterHueSaturation.ui" line="9"/>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterHueSaturation.ui" line="34"/>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterHueSaturation.ui" line="59"/>
        <source>Lightness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterImplode</name>
    <message>
        <location filename="../app/filters/FilterImplode.ui" line="9"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterLevels</name>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="13"/>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="23"/>
        <source>Black point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="44"/>
        <source>Middle (gamma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterLevels.ui" line="65"/>
        <source>White point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterNoise</name>
    <message>
        <location filename="../app/filters/FilterNoise.ui" line="13"/>
        <source>Noise Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterOilPaint</name>
    <message>
        <location filename="../app/filters/FilterOilPaint.ui" line="9"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterPictureFrame</name>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="31"/>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="79"/>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="117"/>
        <source>Draw over a transparent background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPictureFrame.ui" line="124"/>
        <source>Apply random frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterPolaroid</name>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="31"/>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="83"/>
        <source>Height (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="141"/>
        <source>Rotation (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterPolaroid.ui" line="204"/>
        <source>Maintain aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterRaise</name>
    <message>
        <location filename="../app/filters/FilterRaise.ui" line="17"/>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRaise.ui" line="80"/>
        <source>Effect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterReduceNoise</name>
    <message>
        <location filename="../app/filters/FilterReduceNoise.ui" line="13"/>
        <source>Algorithm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterResizeAdvanced</name>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="9"/>
        <source>Image Size in Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="37"/>
        <source>Document Size in Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="67"/>
        <source>Document DPI/PPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="95"/>
        <source>Maintain aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterResizeAdvanced.ui" line="100"/>
        <source>Use an uniform DPI</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterRoll</name>
    <message>
        <location filename="../app/filters/FilterRoll.ui" line="21"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.ui" line="33"/>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterRoll.ui" line="45"/>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSepia</name>
    <message>
        <location filename="../app/filters/FilterSepia.ui" line="9"/>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSepia.ui" line="30"/>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSettings</name>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="211"/>
        <source>&amp;Show preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="350"/>
        <source>S&amp;witch View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="389"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="420"/>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSettings.ui" line="451"/>
        <source>Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterShadow</name>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="17"/>
        <source>Transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="66"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="129"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShadow.ui" line="167"/>
        <source>Draw over a white background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterShapeFrame</name>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="37"/>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="82"/>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="137"/>
        <source>Edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="175"/>
        <source>Draw over a transparent background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterShapeFrame.ui" line="182"/>
        <source>Apply random frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSharpen</name>
    <message>
        <location filename="../app/filters/FilterSharpen.ui" line="9"/>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSharpenAdvanced</name>
    <message>
        <location filename="../app/filters/FilterSharpenAdvanced.ui" line="9"/>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSharpenAdvanced.ui" line="30"/>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSharpenAdvanced.ui" line="51"/>
        <source>Threshold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSimpleBorder</name>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="31"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="83"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="119"/>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="154"/>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="189"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="224"/>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterSimpleBorder.ui" line="249"/>
        <source>Use uniform dimensions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSolarize</name>
    <message>
        <location filename="../app/filters/FilterSolarize.ui" line="9"/>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSpread</name>
    <message>
        <location filename="../app/filters/FilterSpread.ui" line="9"/>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterSwirl</name>
    <message>
        <location filename="../app/filters/FilterSwirl.ui" line="13"/>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterThumbnail</name>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="9"/>
        <source>Thumbnail size in pixels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="18"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="30"/>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterThumbnail.ui" line="47"/>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterVintageFrame</name>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="31"/>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="79"/>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="117"/>
        <source>Draw over a transparent background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterVintageFrame.ui" line="124"/>
        <source>Apply random frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterWatermarkLogo</name>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="26"/>
        <source>Logo Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="70"/>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="79"/>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="110"/>
        <source>Placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="149"/>
        <source>Delta X (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="204"/>
        <source>Delta Y (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="242"/>
        <source>Transformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="273"/>
        <source>Alpha (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="325"/>
        <source>Scale (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWatermarkLogo.ui" line="380"/>
        <source>Rotation (°)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterWave</name>
    <message>
        <location filename="../app/filters/FilterWave.ui" line="9"/>
        <source>Amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/filters/FilterWave.ui" line="30"/>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobDialogs</name>
    <message>
        <location filename="../monitor/ui/MainProgramStart.cpp" line="23"/>
        <source>By selecting this option Quendrasil will launch configured with your custom profile. Make your changes in Quendrasil then select Project &gt; Save Profile (Ctrl + S) to overwrite this profile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="6"/>
        <source>Quendrasil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="24"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="40"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="47"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="51"/>
        <source>Wi&amp;zard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="61"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="63"/>
        <source>&amp;Tutorials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="86"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="87"/>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="90"/>
        <source>&amp;About Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="93"/>
        <source>&amp;English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="96"/>
        <source>&amp;Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="99"/>
        <source>&amp;Français</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="102"/>
        <source>&amp;Italiano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="105"/>
        <source>&amp;Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="108"/>
        <source>Save Project &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="109"/>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="112"/>
        <source>&amp;Load Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="113"/>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="116"/>
        <source>&amp;Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="119"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="120"/>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="123"/>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="126"/>
        <source>Check for &amp;New Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="129"/>
        <source>&amp;Help Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="132"/>
        <source>Step 1 - Add &amp;Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="133"/>
        <source>Ctrl+1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="136"/>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="137"/>
        <source>Ctrl+2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="140"/>
        <source>Step 3 - &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="141"/>
        <source>Ctrl+3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="144"/>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="145"/>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="148"/>
        <source>&amp;Video Presentations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="151"/>
        <source>How to &amp;Add Comments and Time to Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="154"/>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="157"/>
        <source>&amp;Online Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="160"/>
        <source>&amp;Visit Our Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="163"/>
        <source>Save Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="166"/>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="370"/>
        <source>Save Profile As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="169"/>
        <source>Select Pr&amp;ofile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="172"/>
        <source>Save Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="175"/>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="402"/>
        <source>Save Script As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="178"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="179"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="180"/>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="183"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="184"/>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="185"/>
        <source>Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="188"/>
        <source>Show &amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.ui" line="191"/>
        <location filename="../app/ui/MainWindow.cpp" line="264"/>
        <source>&amp;Wizard Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="256"/>
        <source>Wizard Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="273"/>
        <source>Launch Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Add Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Edit Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="319"/>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="320"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="321"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="322"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="323"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="350"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="579"/>
        <source>The log file will be created after the first processing session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="728"/>
        <source>Would you like to save your settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="37"/>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="51"/>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="69"/>
        <source>There are no photos to process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="77"/>
        <source>Please make sure all images are of the same resolution when creating a multipage WEBP image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="79"/>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="80"/>
        <source>Don&apos;t Show Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="81"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="91"/>
        <source>Ready to process %1 photos?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="101"/>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="103"/>
        <source>Could not load project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="129"/>
        <source>Could not load profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="160"/>
        <source>Could not load script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="189"/>
        <source>Load Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="205"/>
        <source>Loading a profile will overwrite your settings. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="222"/>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="278"/>
        <source>Could not save project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="294"/>
        <source>Could not save profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="306"/>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="313"/>
        <source>Could not save script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="338"/>
        <source>Save Project As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="446"/>
        <source>Your settings will be discarded. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowTheme.cpp" line="134"/>
        <source>You need to restart Quendrasil for the changes to take effect.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonitorWindow</name>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="20"/>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="27"/>
        <source>Jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="57"/>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="70"/>
        <location filename="../monitor/ui/MonitorWindow.ui" line="199"/>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="83"/>
        <source>E&amp;dit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="115"/>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="129"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="140"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="150"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="161"/>
        <source>&amp;Load Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="166"/>
        <source>&amp;Save Settings As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="174"/>
        <source>L&amp;aunch at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="179"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="184"/>
        <source>&amp;Add Folder Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="189"/>
        <source>Add &amp;FTP Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="194"/>
        <source>Ed&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="204"/>
        <source>&amp;Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../monitor/ui/MonitorWindow.ui" line="209"/>
        <source>&amp;Help Manual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="17"/>
        <source>Convert to JPEG with High Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="18"/>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="19"/>
        <source>Convert to JPEG with Medium Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="20"/>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="21"/>
        <source>Convert to PDF Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="22"/>
        <source>Create a single PDF album from all the photos added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="23"/>
        <source>Convert to PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="24"/>
        <source>Convert to PNG file format for the best quality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="25"/>
        <source>Convert to TIFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="26"/>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="27"/>
        <location filename="../app/model/FiltersEnum.cpp" line="68"/>
        <source>Auto Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="28"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="80"/>
        <location filename="../app/model/FiltersEnum.cpp" line="69"/>
        <source>Automatically adjusts contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="29"/>
        <location filename="../app/model/FiltersEnum.cpp" line="44"/>
        <source>Auto Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="30"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="83"/>
        <location filename="../app/model/FiltersEnum.cpp" line="45"/>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="31"/>
        <source>Add Date and Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="32"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="79"/>
        <location filename="../app/model/FiltersEnum.cpp" line="37"/>
        <source>Stamps picture with date and time information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="33"/>
        <location filename="../app/model/FiltersEnum.cpp" line="89"/>
        <source>Reduce Noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="35"/>
        <location filename="../app/model/FiltersEnum.cpp" line="114"/>
        <source>Adds noise to picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="36"/>
        <source>Adjust Sharpness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="37"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="82"/>
        <location filename="../app/model/FiltersEnum.cpp" line="93"/>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="38"/>
        <source>Effect Black &amp; White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="39"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="85"/>
        <location filename="../app/model/FiltersEnum.cpp" line="97"/>
        <source>Transforms from true colors to grayscale colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="40"/>
        <source>Effect Charcoal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="41"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="84"/>
        <location filename="../app/model/FiltersEnum.cpp" line="101"/>
        <source>Transforms picture to a charcoal sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="42"/>
        <source>Effect Implode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="43"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="86"/>
        <location filename="../app/model/FiltersEnum.cpp" line="110"/>
        <source>Creates an implosion effect in the center of the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="44"/>
        <source>Effect Oil Painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="45"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="87"/>
        <location filename="../app/model/FiltersEnum.cpp" line="116"/>
        <source>Makes picture look like an oil painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="46"/>
        <source>Effect Raise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="47"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="88"/>
        <location filename="../app/model/FiltersEnum.cpp" line="141"/>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="48"/>
        <source>Effect Sepia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="49"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="89"/>
        <location filename="../app/model/FiltersEnum.cpp" line="118"/>
        <source>Makes picture look older, in warmer colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="50"/>
        <source>Effect Shade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="51"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="90"/>
        <location filename="../app/model/FiltersEnum.cpp" line="124"/>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="52"/>
        <source>Effect Spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="53"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="91"/>
        <location filename="../app/model/FiltersEnum.cpp" line="127"/>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="54"/>
        <source>Effect Swirl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="55"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="92"/>
        <location filename="../app/model/FiltersEnum.cpp" line="129"/>
        <source>Creates a twisting motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="56"/>
        <source>Effect Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="57"/>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="93"/>
        <location filename="../app/model/FiltersEnum.cpp" line="131"/>
        <source>Creates a horizontal wave effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="58"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="59"/>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="60"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="61"/>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="62"/>
        <source>Resize for Auction Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="63"/>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="64"/>
        <source>Resize for Sending via Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="65"/>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="66"/>
        <source>Resize for Uploading Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="67"/>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="69"/>
        <source>Send via E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="70"/>
        <source>Send photos via E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="71"/>
        <source>Upload to Twitpic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="72"/>
        <source>Upload photos to Twitpic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="73"/>
        <source>Upload to Picasa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="74"/>
        <source>Upload photos to Picasa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="75"/>
        <source>Upload to Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="76"/>
        <source>Upload photos to Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="78"/>
        <location filename="../app/model/FiltersEnum.cpp" line="70"/>
        <source>Auto Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="81"/>
        <location filename="../app/model/FiltersEnum.cpp" line="90"/>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/BuiltInProfileTexts.cpp" line="94"/>
        <location filename="../app/model/FiltersEnum.cpp" line="71"/>
        <source>Automatically adjusts gamma level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="15"/>
        <source>Annotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="16"/>
        <source>Touch-Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="17"/>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="18"/>
        <source>Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="19"/>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="34"/>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="35"/>
        <source>Annotates with a single or multi-line text comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="36"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="38"/>
        <source>Watermark-Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="39"/>
        <source>Adds a text copyright notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="40"/>
        <source>Watermark-Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="41"/>
        <source>Adds a copyright logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="42"/>
        <source>Watermark-Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="43"/>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="48"/>
        <source>Auto Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="49"/>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="51"/>
        <source>Color Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="52"/>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="53"/>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="54"/>
        <source>Cuts a rectangular subregion from the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="55"/>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="56"/>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="57"/>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="58"/>
        <source>Adjusts image size using pixels or percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="59"/>
        <source>Resize Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="60"/>
        <source>Adjusts document size and DPI resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="61"/>
        <source>Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="62"/>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="64"/>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="65"/>
        <source>Rotates by a specified number of degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="66"/>
        <source>Thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="67"/>
        <source>Creates a small thumbnail from the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="72"/>
        <source>Auto Levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="73"/>
        <source>Automatically adjusts color levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="74"/>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="75"/>
        <source>Adjusts light intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="76"/>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="77"/>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="79"/>
        <source>Color Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="80"/>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="81"/>
        <source>Equalize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="82"/>
        <source>Applies a histogram equalization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="83"/>
        <source>Hue/Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="84"/>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="85"/>
        <source>Levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="86"/>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="92"/>
        <source>Sharpen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="94"/>
        <source>Sharpen Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="95"/>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="96"/>
        <source>Black &amp; White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="98"/>
        <source>Blur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="99"/>
        <source>Makes picture hazy in appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="100"/>
        <source>Charcoal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="102"/>
        <source>Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="103"/>
        <source>Highlights edges in picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="104"/>
        <source>Emboss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="105"/>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="106"/>
        <source>Gaussian Blur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="107"/>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="109"/>
        <source>Implode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="111"/>
        <source>Negate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="112"/>
        <source>Replaces every pixel with its complementary color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="113"/>
        <source>Noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="115"/>
        <source>Oil Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="117"/>
        <source>Sepia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="119"/>
        <source>Solarize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="120"/>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="123"/>
        <source>Shade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="126"/>
        <source>Spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="128"/>
        <source>Swirl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="130"/>
        <source>Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="132"/>
        <source>Shape Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="133"/>
        <source>Adds a simple shaped frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="134"/>
        <source>Grunge Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="135"/>
        <source>Adds a grunge frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="136"/>
        <source>Picture Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="137"/>
        <source>Adds a classic picture frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="138"/>
        <source>Vintage Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="139"/>
        <source>Adds a vintage frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="140"/>
        <source>Raise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="143"/>
        <source>Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="144"/>
        <source>Gives picture a shadow effect around the edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="145"/>
        <source>Simple Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="146"/>
        <source>Adds a simple border around the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="153"/>
        <source>Creates a Polaroid-like picture frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/FiltersEnum.cpp" line="154"/>
        <location filename="../app/model/UserProfile.cpp" line="171"/>
        <source>Keep original image format (if possible)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/Scripts.cpp" line="87"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/Scripts.cpp" line="543"/>
        <source>The text &quot;%1&quot; holds characters that cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
