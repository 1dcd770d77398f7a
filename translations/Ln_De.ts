<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CBatchCore</name>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="122"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="182"/>
        <source>Process started at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="184"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="189"/>
        <source>Creating a single multi-page document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="191"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="201"/>
        <source>Failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="354"/>
        <source>In order to read %1 documents Quendrasil requires Ghostscript to be installed on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="407"/>
        <source>Process interrupted by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="409"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="412"/>
        <source>Process completed without errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="414"/>
        <source>Time elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="432"/>
        <source>Could not open default mail client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="434"/>
        <source>Files attached successfuly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="441"/>
        <source>Uploading to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="482"/>
        <source>Successfully uploaded %1 picture(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="486"/>
        <source>Deleting temporary files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="487"/>
        <source>Upload completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="487"/>
        <source>Upload failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/BatchCore.cpp" line="518"/>
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
        <location filename="../app/dialogs/CheckNew.cpp" line="104"/>
        <location filename="../app/dialogs/CheckNew.cpp" line="468"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="116"/>
        <source>Quendrasil will now check if a newer version of the program is available. No information about you or your computer will be sent to our servers. Please select &apos;Yes&apos; if a firewall warning will be displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="205"/>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="270"/>
        <source>You already have the latest version of Quendrasil installed on your computer.<byte value="xd"/>
Please check back in a few weeks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="274"/>
        <source>A newer version of Quendrasil is available for download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="276"/>
        <source>Note: You can update to the latest version of Quendrasil free of charge!

Update Instructions:
1. Click on &apos;Update&apos; to launch the download of the new setup file
2. After completing the download, launch the setup and follow the instruction on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="287"/>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="301"/>
        <source>This is the version you have installed on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="412"/>
        <source>learn more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="420"/>
        <source>We are unable to access Quendrasil&apos;s site. Your firewall may be blocking this connection. Please check your firewall&apos;s settings and try again.

In case you don&apos;t want Quendrasil to automatically check for updates at startup please disable the checkbox below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="431"/>
        <source>The list of versions on Quendrasil&apos;s site could not be read. Please try again later.

In case you don&apos;t want Quendrasil to automatically check for updates at startup please disable the checkbox below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/CheckNew.cpp" line="455"/>
        <source>The download address of the new version is not valid. Please try again later.</source>
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
    <name>CDialogGSWarning</name>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.ui" line="47"/>
        <location filename="../app/dialogs/DialogGSWarning.cpp" line="43"/>
        <source>Download GhostScript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.ui" line="97"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogGSWarning.cpp" line="44"/>
        <source>In order to read %1 documents Quendrasil requires Ghostscript to be installed on your computer.<byte value="xd"/>
<byte value="xd"/>
Download &quot;GhostScript for Windows (64 bit)&quot; from this link:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.ui" line="26"/>
        <source>Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.ui" line="225"/>
        <source>Y&amp;es</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.ui" line="232"/>
        <source>N&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.ui" line="239"/>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.ui" line="246"/>
        <source>&amp;Yes to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.ui" line="253"/>
        <source>&amp;No to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.ui" line="260"/>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.cpp" line="75"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwrite.cpp" line="77"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwriteRename.ui" line="6"/>
        <source>Rename Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwriteRename.ui" line="14"/>
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwriteRename.ui" line="51"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwriteRename.ui" line="61"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/DialogOverwriteRename.cpp" line="36"/>
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
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="365"/>
        <source>No profile selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="422"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="423"/>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="453"/>
        <source>Could not change the profile file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="503"/>
        <source>Are you sure you want to delete this profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogProfileSelection.cpp" line="513"/>
        <source>Could not delete the profile file:
%1</source>
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
        <location filename="../common/DialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/DialogTip.ui" line="101"/>
        <source>Tip text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/DialogTip.ui" line="119"/>
        <source>Don&apos;t show this tip again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../common/DialogTip.ui" line="139"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <location filename="../app/ui/MainPanel1.ui" line="9"/>
        <source>Add all the photos you want to edit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <location filename="../app/ui/MainPanel2.ui" line="9"/>
        <source>The graphic filters applied to every photo, in this order.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="9"/>
        <source>Select the output folder and image format for the edited photos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="16"/>
        <source>Output folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="21"/>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.ui" line="25"/>
        <source>Output format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainPanel3.cpp" line="38"/>
        <source>Select a folder for saving the resulting photos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.ui" line="14"/>
        <source>Quendrasil - Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.ui" line="175"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.ui" line="182"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.ui" line="205"/>
        <location filename="../app/engine/dialogs/ProcessController.cpp" line="76"/>
        <source>Show log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.cpp" line="71"/>
        <location filename="../app/engine/dialogs/ProcessController.cpp" line="111"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.cpp" line="112"/>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.cpp" line="217"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/dialogs/ProcessController.cpp" line="228"/>
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
        <location filename="../app/engine/ProcessThread.cpp" line="765"/>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="765"/>
        <source>The file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="853"/>
        <source>Failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="856"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="859"/>
        <source>Failed to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="863"/>
        <source>Failed to Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="866"/>
        <source>Failed to Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="869"/>
        <source>Failed to Rename and Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="872"/>
        <source>Failed to Rename and Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="888"/>
        <source>Processed and renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="890"/>
        <source>Processed and replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="892"/>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/ProcessThread.cpp" line="894"/>
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
        <location filename="../app/dialogs/DialogSettings.cpp" line="91"/>
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
        <location filename="../app/dialogs/DialogSettings.cpp" line="51"/>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="102"/>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="103"/>
        <source>Once a week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="104"/>
        <source>Every two weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="105"/>
        <source>Once a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="110"/>
        <source>Save each layer as a separate image (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="111"/>
        <source>Flatten all layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="111"/>
        <source>Save the first layer only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="115"/>
        <source>Auto, best algorithm for camera model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="123"/>
        <source>Use camera&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="124"/>
        <source>Average the entire image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="124"/>
        <source>Don&apos;t apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="128"/>
        <source>Clip all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="129"/>
        <source>Leave unclipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="131"/>
        <source>Blend clipped and unclipped values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="134"/>
        <source>Reconstruct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="195"/>
        <source>You need to restart Quendrasil for the changes to take effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/DialogSettings.cpp" line="235"/>
        <source>The file manager&apos;s context menu cannot be changed on this system.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <location filename="../app/engine/Upload.cpp" line="264"/>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="265"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Quendrasil may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="273"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/engine/Upload.cpp" line="273"/>
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
        <location filename="../app/dialogs/WizardStart.cpp" line="63"/>
        <source>Video Presentations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="67"/>
        <source>Tutorial 1 - How to Add Comments and Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/dialogs/WizardStart.cpp" line="69"/>
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
        <location filename="../app/ui/MainWindow.cpp" line="311"/>
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
        <location filename="../app/ui/MainWindowDocuments.cpp" line="361"/>
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
        <location filename="../app/ui/MainWindowDocuments.cpp" line="393"/>
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
        <location filename="../app/ui/MainWindow.cpp" line="251"/>
        <source>&amp;Wizard Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="243"/>
        <source>Wizard Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="260"/>
        <source>Launch Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="311"/>
        <source>Add Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="311"/>
        <source>Edit Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="311"/>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="312"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="313"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="314"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="315"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="342"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="568"/>
        <source>The log file will be created after the first processing session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindow.cpp" line="708"/>
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
        <location filename="../app/ui/MainWindowConvert.cpp" line="68"/>
        <source>There are no photos to process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="76"/>
        <source>Please make sure all images are of the same resolution when creating a multipage WEBP image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="90"/>
        <source>Ready to process %1 photos?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowConvert.cpp" line="100"/>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="102"/>
        <source>Could not load project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="128"/>
        <source>Could not load profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="153"/>
        <source>Could not load script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="182"/>
        <source>Load Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="198"/>
        <source>Loading a profile will overwrite your settings. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="215"/>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="269"/>
        <source>Could not save project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="285"/>
        <source>Could not save profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="297"/>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="304"/>
        <source>Could not save script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="329"/>
        <source>Save Project As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowDocuments.cpp" line="437"/>
        <source>Your settings will be discarded. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/ui/MainWindowTheme.cpp" line="139"/>
        <source>You need to restart Quendrasil for the changes to take effect.</source>
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
        <location filename="../app/model/Scripts.cpp" line="85"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/model/Scripts.cpp" line="529"/>
        <source>The text &quot;%1&quot; holds characters that cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
