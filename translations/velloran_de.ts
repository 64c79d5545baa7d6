<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Actions</name>
    <message>
        <source>Scan &amp;Wizard...</source>
        <translation>Such&amp;assistent...</translation>
    </message>
    <message>
        <source>Scan Wizard</source>
        <translation>Suchassistent</translation>
    </message>
    <message>
        <source>&amp;Edit Folders...</source>
        <translation>Ordner &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Select Folders to Scan.</source>
        <translation>Ordner zum Durchsuchen auswählen.</translation>
    </message>
    <message>
        <source>&amp;Database Management...</source>
        <translation>&amp;Datenbankverwaltung...</translation>
    </message>
    <message>
        <source>Create and manage your Velloran databases.</source>
        <translation>Velloran-Datenbanken anlegen und verwalten.</translation>
    </message>
    <message>
        <source>Co&amp;nfigure...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Configure Velloran.</source>
        <translation>Velloran einrichten.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Start the Scan.</source>
        <translation>Suchlauf starten.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel Scanning.</source>
        <translation>Suchlauf abbrechen.</translation>
    </message>
    <message>
        <source>Use Deleted List.</source>
        <translation>Liste gelöschter Dateien verwenden.</translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation>Datei &amp;löschen</translation>
    </message>
    <message>
        <source>Delete Selected File.</source>
        <translation>Ausgewählte Datei löschen.</translation>
    </message>
    <message>
        <source>&amp;Mark Selected File</source>
        <translation>Ausgewählte Datei &amp;markieren</translation>
    </message>
    <message>
        <source>Mark / UnMark Selected File for Deletion. (Space)</source>
        <translation>Ausgewählte Datei zum Löschen markieren oder Markierung aufheben. (Leertaste)</translation>
    </message>
    <message>
        <source>Delete Mar&amp;ked</source>
        <translation>Mar&amp;kierte löschen</translation>
    </message>
    <message>
        <source>Delete Visible Marked Files.</source>
        <translation>Sichtbare markierte Dateien löschen.</translation>
    </message>
    <message>
        <source>Delete &amp;All Marked</source>
        <translation>&amp;Alle markierten löschen</translation>
    </message>
    <message>
        <source>Delete ALL Marked Files.</source>
        <translation>ALLE markierten Dateien löschen.</translation>
    </message>
    <message>
        <source>&amp;Full Size</source>
        <translation>&amp;Volle Größe</translation>
    </message>
    <message>
        <source>Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane.</source>
        <translation>Volle Größe (aus: an den Bereich angepasst)|Bild in voller Größe oder an seinen Bereich angepasst zeigen.</translation>
    </message>
    <message>
        <source>Side &amp;by Side</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected.</source>
        <translation>Basisdatei neben der ausgewählten Datei (aus: nur die ausgewählte Datei)|Basisdatei UND ausgewählte Datei zeigen oder nur die ausgewählte.</translation>
    </message>
    <message>
        <source>Scroll in &amp;Unison</source>
        <translation>&amp;Gemeinsam blättern</translation>
    </message>
    <message>
        <source>Scroll both pictures together|Scroll Images in Unison.</source>
        <translation>Beide Bilder gemeinsam verschieben|Bilder gemeinsam verschieben.</translation>
    </message>
    <message>
        <source>Show File &amp;Panes</source>
        <translation>Datei&amp;bereiche anzeigen</translation>
    </message>
    <message>
        <source>Show the folders of both files|Show File Pane.</source>
        <translation>Die Ordner beider Dateien anzeigen|Dateibereich anzeigen.</translation>
    </message>
    <message>
        <source>&amp;Load Results...</source>
        <translation>Ergebnisse &amp;laden...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Results...</source>
        <translation>Ergebnisse &amp;speichern...</translation>
    </message>
    <message>
        <source>Ex&amp;port Results...</source>
        <translation>Ergebnisse e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the results to a CSV or JSON file.</source>
        <translation>Die Ergebnisse in eine CSV- oder JSON-Datei schreiben.</translation>
    </message>
    <message>
        <source>&amp;Add Files to Deleted List...</source>
        <translation>Dateien zur Liste gelöschter Dateien &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Die Dateien des letzten Löschens, Verschiebens oder Umbenennens zurückholen.</translation>
    </message>
    <message>
        <source>1 : &amp;1</source>
        <translation>1 : &amp;1</translation>
    </message>
    <message>
        <source>1 : &amp;2</source>
        <translation>1 : &amp;2</translation>
    </message>
    <message>
        <source>1 : &amp;4</source>
        <translation>1 : &amp;4</translation>
    </message>
    <message>
        <source>1 : &amp;8</source>
        <translation>1 : &amp;8</translation>
    </message>
    <message>
        <source>Best &amp;Quality</source>
        <translation>Beste &amp;Qualität</translation>
    </message>
    <message>
        <source>Best &amp;Speed</source>
        <translation>Höchste &amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Remove when no duplicates</source>
        <translation>&amp;Entfernen, wenn keine Duplikate bleiben</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner anzeigen</translation>
    </message>
    <message>
        <source>&amp;Copy File to...</source>
        <translation>Datei &amp;kopieren nach...</translation>
    </message>
    <message>
        <source>Mo&amp;ve / Rename File...</source>
        <translation>Datei &amp;verschieben / umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Remove Base Group</source>
        <translation>Basis&amp;gruppe entfernen</translation>
    </message>
    <message>
        <source>Remove Dupe Group.</source>
        <translation>Duplikatgruppe entfernen.</translation>
    </message>
    <message>
        <source>&amp;Not a Duplicate</source>
        <translation>&amp;Kein Duplikat</translation>
    </message>
    <message>
        <source>Remember that the selected file is not a duplicate of its base.</source>
        <translation>Merken, dass die ausgewählte Datei kein Duplikat ihrer Basisdatei ist.</translation>
    </message>
    <message>
        <source>&amp;Forget Not-Duplicates</source>
        <translation>Kein-Duplikat-Paare &amp;vergessen</translation>
    </message>
    <message>
        <source>Pair again every file remembered as not a duplicate.</source>
        <translation>Jede als kein Duplikat gemerkte Datei wieder paaren.</translation>
    </message>
    <message>
        <source>Change Volume &amp;Root...</source>
        <translation>Einhänge&amp;punkt ändern...</translation>
    </message>
    <message>
        <source>Look for the file under another mount point.</source>
        <translation>Die Datei unter einem anderen Einhängepunkt suchen.</translation>
    </message>
    <message>
        <source>Mark &amp;by Rule...</source>
        <translation>Nach &amp;Regel markieren...</translation>
    </message>
    <message>
        <source>Keep the best file of each group and mark the others.</source>
        <translation>In jeder Gruppe die beste Datei behalten und die anderen markieren.</translation>
    </message>
    <message>
        <source>&amp;Unmark All</source>
        <translation>Alle Markierungen &amp;aufheben</translation>
    </message>
    <message>
        <source>Clear every mark.</source>
        <translation>Alle Markierungen entfernen.</translation>
    </message>
    <message>
        <source>&amp;Sort Alphabetically</source>
        <translation>&amp;Alphabetisch sortieren</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Help &amp;Contents...	F1</source>
        <translation>&amp;Hilfe-Inhalt...	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>FileSummaries</name>
    <message numerus="yes">
        <source>%n file, %1</source>
        <translation>
            <numerusform>%n Datei, %1</numerusform>
            <numerusform>%n Dateien, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n Datei, %1</numerusform>
            <numerusform>%n Dateien, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Unable to find the help file %1 in the folder
%2</source>
        <translation>Die Hilfedatei %1 wurde im Ordner
%2 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ScanModeButtons</name>
    <message>
        <source>Compare &amp;Images</source>
        <translation>&amp;Bilder vergleichen</translation>
    </message>
    <message>
        <source>Compare Filena&amp;mes</source>
        <translation>Datei&amp;namen vergleichen</translation>
    </message>
    <message>
        <source>Compare Filename and Si&amp;ze</source>
        <translation>Dateiname und &amp;Größe vergleichen</translation>
    </message>
    <message>
        <source>Compare File Size and Con&amp;tents</source>
        <translation>Dateigröße und &amp;Inhalt vergleichen</translation>
    </message>
</context>
<context>
    <name>vl::core</name>
    <message>
        <source>Ready To Scan</source>
        <translation>Bereit zum Suchlauf</translation>
    </message>
    <message>
        <source>Getting Drive Information.</source>
        <translation>Laufwerksinformationen werden ermittelt.</translation>
    </message>
    <message>
        <source>Loading Base List.</source>
        <translation>Basisliste wird geladen.</translation>
    </message>
    <message>
        <source>Loading Compare List.</source>
        <translation>Vergleichsliste wird geladen.</translation>
    </message>
    <message>
        <source>Reading Base Images</source>
        <translation>Basisbilder werden gelesen</translation>
    </message>
    <message>
        <source>Reading Compare Images</source>
        <translation>Vergleichsbilder werden gelesen</translation>
    </message>
    <message>
        <source>Comparing Images</source>
        <translation>Bilder werden verglichen</translation>
    </message>
    <message>
        <source>Marking Duplicates</source>
        <translation>Duplikate werden markiert</translation>
    </message>
    <message>
        <source>Waiting for another program to finish with the database</source>
        <translation>Warten, bis ein anderes Programm die Datenbank freigibt</translation>
    </message>
    <message>
        <source>Scanning Files</source>
        <translation>Dateien werden durchsucht</translation>
    </message>
    <message>
        <source>Scanning New Files</source>
        <translation>Neue Dateien werden durchsucht</translation>
    </message>
    <message>
        <source>Scanning Database</source>
        <translation>Datenbank wird durchsucht</translation>
    </message>
    <message>
        <source>Freshening DB Files</source>
        <translation>Datenbankdateien werden aufgefrischt</translation>
    </message>
    <message>
        <source>Adding New files to DB</source>
        <translation>Neue Dateien werden zur Datenbank hinzugefügt</translation>
    </message>
    <message>
        <source>Reading Images</source>
        <translation>Bilder werden gelesen</translation>
    </message>
    <message>
        <source>Writing to Database</source>
        <translation>Datenbank wird geschrieben</translation>
    </message>
    <message>
        <source>Saving Database</source>
        <translation>Datenbank wird gespeichert</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <source>Error in creating database.</source>
        <translation>Fehler beim Anlegen der Datenbank.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n Datei wurde in %1 ausgelassen: ihr Pfad ist länger als %2 Bytes.</numerusform>
            <numerusform>%n Dateien wurden in %1 ausgelassen: ihre Pfade sind länger als %2 Bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of the %2 records of %3 are of files that are gone from a present volume, more than a tenth of the database. A folder may have been renamed or be offline.</source>
        <translation>%1 der %2 Einträge von %3 gehören zu Dateien, die von einem vorhandenen Datenträger verschwunden sind, mehr als ein Zehntel der Datenbank. Vielleicht wurde ein Ordner umbenannt oder ist nicht verfügbar.</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more folders</source>
        <translation>
            <numerusform>... und %n weiterer Ordner</numerusform>
            <numerusform>... und %n weitere Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove these records from the database? With No they are kept.</source>
        <translation>Diese Einträge aus der Datenbank entfernen? Mit „Nein“ bleiben sie erhalten.</translation>
    </message>
    <message>
        <source>%1 records added, %2 refreshed, %3 removed.</source>
        <translation>%1 Einträge hinzugefügt, %2 aufgefrischt, %3 entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>%n records of files that are gone from a present volume were kept: they are more than a tenth of the database.</source>
        <translation>
            <numerusform>%n Eintrag einer Datei, die von einem vorhandenen Datenträger verschwunden ist, wurde behalten: solche Einträge sind mehr als ein Zehntel der Datenbank.</numerusform>
            <numerusform>%n Einträge von Dateien, die von einem vorhandenen Datenträger verschwunden sind, wurden behalten: sie sind mehr als ein Zehntel der Datenbank.</numerusform>
        </translation>
    </message>
    <message>
        <source>You must select some folders to add to the new database.</source>
        <translation>Sie müssen Ordner auswählen, die zur neuen Datenbank hinzugefügt werden.</translation>
    </message>
    <message>
        <source>You must select some folders to add to the database.</source>
        <translation>Sie müssen Ordner auswählen, die zur Datenbank hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Database saved in %1.</source>
        <translation>Datenbank gespeichert in %1.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file.</source>
        <translation>%1

ist keine VL-Datenbankdatei (*.VDB).</translation>
    </message>
    <message>
        <source>Unable to locate database file 

%1</source>
        <translation>Die Datenbankdatei wurde nicht gefunden: 

%1</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid database.</source>
        <translation>%1

scheint keine gültige Datenbank zu sein.</translation>
    </message>
    <message>
        <source>Database: 

%1

is a different version, can not open.</source>
        <translation>Die Datenbank 

%1

hat eine andere Version und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Image has been moved or Deleted.</source>
        <translation>Das Bild wurde verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>Image : %1 not found.</source>
        <translation>Bild %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Insert disk &quot;%1&quot; into your %2 drive and try again.</source>
        <translation>Legen Sie den Datenträger „%1“ in Ihr Laufwerk %2 ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No Application association for &quot;%1&quot;</source>
        <translation>Keine Anwendung für „%1“ zugeordnet</translation>
    </message>
    <message>
        <source>Fingerprint cache unavailable: %1; going on without it.</source>
        <translation>Fingerabdruck-Zwischenspeicher nicht verfügbar: %1; es geht ohne ihn weiter.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not appear to be a valid Deleted File list; it was left unchanged.</source>
        <translation>%1 scheint keine gültige Liste gelöschter Dateien zu sein; sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>%1 is a different version; it was left unchanged.</source>
        <translation>%1 hat eine andere Version; sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; the changes were not saved.</source>
        <translation>%1 wird von einem anderen Programm verwendet; die Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>sie ist verschwunden</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>sie ist keine reguläre Datei mehr</translation>
    </message>
    <message>
        <source>another file is there now</source>
        <translation>dort liegt jetzt eine andere Datei</translation>
    </message>
    <message>
        <source>it changed since it was read</source>
        <translation>sie hat sich seit dem Lesen geändert</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid Deleted File list.</source>
        <translation>%1

scheint keine gültige Liste gelöschter Dateien zu sein.</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>existiert nicht mehr</translation>
    </message>
    <message>
        <source>is not a regular file (a folder, a link or a device); left alone</source>
        <translation>ist keine reguläre Datei (ein Ordner, eine Verknüpfung oder ein Gerät); nicht angetastet</translation>
    </message>
    <message>
        <source>changed since the scan (size or modification time); left alone</source>
        <translation>hat sich seit dem Suchlauf geändert (Größe oder Änderungszeit); nicht angetastet</translation>
    </message>
    <message>
        <source>changed while it was being checked; left alone</source>
        <translation>hat sich während der Prüfung geändert; nicht angetastet</translation>
    </message>
    <message>
        <source>is not a picture, and only the pictures of picture results are deleted; left alone</source>
        <translation>ist kein Bild, und von Bildergebnissen werden nur die Bilder gelöscht; nicht angetastet</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>cannot be read as a picture</source>
        <translation>kann nicht als Bild gelesen werden</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked (%2); left alone</source>
        <translation>ihre Kopie %1 konnte nicht geprüft werden (%2); nicht angetastet</translation>
    </message>
    <message>
        <source>its contents are no longer those of its copy %1; left alone</source>
        <translation>ihr Inhalt ist nicht mehr der ihrer Kopie %1; nicht angetastet</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked; left alone</source>
        <translation>ihre Kopie %1 konnte nicht geprüft werden; nicht angetastet</translation>
    </message>
    <message>
        <source>its picture no longer matches its copy %1 (%2 differences where the scan allowed %3); left alone</source>
        <translation>ihr Bild passt nicht mehr zu ihrer Kopie %1 (%2 Abweichungen, wo der Suchlauf %3 zuließ); nicht angetastet</translation>
    </message>
    <message>
        <source>is not in the results; left alone</source>
        <translation>ist nicht in den Ergebnissen; nicht angetastet</translation>
    </message>
    <message>
        <source>%1; left alone</source>
        <translation>%1; nicht angetastet</translation>
    </message>
    <message>
        <source>is no longer the file the scan found there; left alone</source>
        <translation>ist nicht mehr die Datei, die der Suchlauf dort gefunden hat; nicht angetastet</translation>
    </message>
    <message>
        <source>its group would lose every copy; left alone</source>
        <translation>ihre Gruppe würde jede Kopie verlieren; nicht angetastet</translation>
    </message>
    <message>
        <source>it is still there</source>
        <translation>sie ist noch da</translation>
    </message>
    <message>
        <source>deleted, but not added to the deleted-file list: %1</source>
        <translation>gelöscht, aber nicht in die Liste gelöschter Dateien aufgenommen: %1</translation>
    </message>
    <message>
        <source>the deleted-file list cannot be read (%1); not deleted</source>
        <translation>die Liste gelöschter Dateien kann nicht gelesen werden (%1); nicht gelöscht</translation>
    </message>
    <message>
        <source>Unable to locate file

%1</source>
        <translation>Die Datei wurde nicht gefunden:

%1</translation>
    </message>
    <message>
        <source>Unable to delete file.</source>
        <translation>Die Datei kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Some files were not deleted.</source>
        <translation>Einige Dateien wurden nicht gelöscht.</translation>
    </message>
    <message>
        <source>Unable to delete file(s).</source>
        <translation>Die Datei(en) können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Results list version mismatch.  Unable to load.</source>
        <translation>Die Version der Ergebnisliste passt nicht. Laden nicht möglich.</translation>
    </message>
    <message>
        <source>%1 is an image database (*.vdb).</source>
        <translation>%1 ist eine Bilddatenbank (*.vdb).</translation>
    </message>
    <message>
        <source>There was an error in saving your results list.</source>
        <translation>Beim Speichern Ihrer Ergebnisliste ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Results List saved.</source>
        <translation>Ergebnisliste gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n Eintrag wurde in %1 ausgelassen: sein Pfad ist länger als %2 Bytes.</numerusform>
            <numerusform>%n Einträge wurden in %1 ausgelassen: ihre Pfade sind länger als %2 Bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

is an image database (*.vdb) file; it was left unchanged.</source>
        <translation>%1

ist eine Bilddatenbankdatei (*.vdb); sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>%1

is a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

ist eine Ergebnislistendatei (*.vlr); sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>%1

is the name of an image database (*.vdb); save the results list as a .vlr file.</source>
        <translation>%1

ist der Name einer Bilddatenbank (*.vdb); speichern Sie die Ergebnisliste als .vlr-Datei.</translation>
    </message>
    <message>
        <source>%1

is the name of a results list (*.vlr); save the database as a .vdb file.</source>
        <translation>%1

ist der Name einer Ergebnisliste (*.vlr); speichern Sie die Datenbank als .vdb-Datei.</translation>
    </message>
    <message>
        <source>%1

is not a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

ist keine Ergebnislistendatei (*.vlr); sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file; it was left unchanged.</source>
        <translation>%1

ist keine VL-Datenbankdatei (*.VDB); sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>it changed in the trash; left there</source>
        <translation>sie hat sich im Papierkorb geändert; dort belassen</translation>
    </message>
    <message>
        <source>back, but still in the deleted-file list: %1</source>
        <translation>zurückgeholt, aber noch in der Liste gelöschter Dateien: %1</translation>
    </message>
    <message numerus="yes">
        <source>The deleted-file list matched %n files (%1) in the Compare List: copies of files that were deleted before.</source>
        <translation>
            <numerusform>Die Liste gelöschter Dateien passte auf %n Datei (%1) der Vergleichsliste: eine Kopie einer früher gelöschten Datei.</numerusform>
            <numerusform>Die Liste gelöschter Dateien passte auf %n Dateien (%1) der Vergleichsliste: Kopien früher gelöschter Dateien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Move them to the trash now?</source>
        <translation>Sie jetzt in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Delete them for good now?</source>
        <translation>Sie jetzt endgültig löschen?</translation>
    </message>
    <message>
        <source>Files that are not deleted stay out of this scan.</source>
        <translation>Nicht gelöschte Dateien bleiben bei diesem Suchlauf außen vor.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the database holds no records</source>
        <translation>die Datenbank enthält keine Einträge</translation>
    </message>
    <message numerus="yes">
        <source>its %n records are of files that are gone from a present volume</source>
        <translation>
            <numerusform>ihr %n Eintrag gehört zu einer Datei, die von einem vorhandenen Datenträger verschwunden ist</numerusform>
            <numerusform>ihre %n Einträge gehören zu Dateien, die von einem vorhandenen Datenträger verschwunden sind</numerusform>
        </translation>
    </message>
    <message>
        <source>empty folder</source>
        <translation>leerer Ordner</translation>
    </message>
    <message numerus="yes">
        <source>none of its %n files is of the chosen types</source>
        <translation>
            <numerusform>seine %n Datei hat keinen der gewählten Typen</numerusform>
            <numerusform>keine seiner %n Dateien hat einen der gewählten Typen</numerusform>
        </translation>
    </message>
    <message>
        <source>a damaged database</source>
        <translation>eine beschädigte Datenbank</translation>
    </message>
    <message>
        <source>not a valid database</source>
        <translation>keine gültige Datenbank</translation>
    </message>
    <message>
        <source>a database of a different version</source>
        <translation>eine Datenbank einer anderen Version</translation>
    </message>
    <message>
        <source>Another program keeps %1 locked.</source>
        <translation>Ein anderes Programm hält %1 gesperrt.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); it is taken as empty.</source>
        <translation>Die Kein-Duplikat-Liste %1 ist beschädigt (%2); sie wird als leer angesehen.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is full (%2 pairs).</source>
        <translation>Die Kein-Duplikat-Liste %1 ist voll (%2 Paare).</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); the pair was not added and the list was left as it is.</source>
        <translation>Die Kein-Duplikat-Liste %1 ist beschädigt (%2); das Paar wurde nicht hinzugefügt und die Liste blieb, wie sie war.</translation>
    </message>
    <message>
        <source>The Base List contained no files, so the scan was not run (it would have compared the Compare List with itself).</source>
        <translation>Die Basisliste enthielt keine Dateien, daher wurde der Suchlauf nicht ausgeführt (er hätte die Vergleichsliste mit sich selbst verglichen).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them matched only by size and CRC-32 (entries of an older deleted-file list).</source>
        <translation>
            <numerusform>%n davon passte nur nach Größe und CRC-32 (Einträge einer älteren Liste gelöschter Dateien).</numerusform>
            <numerusform>%n davon passten nur nach Größe und CRC-32 (Einträge einer älteren Liste gelöschter Dateien).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the deleted-file list matched were not deleted and were left out of this scan.</source>
        <translation>
            <numerusform>%n Datei, auf die die Liste gelöschter Dateien passte, wurde nicht gelöscht und bei diesem Suchlauf ausgelassen.</numerusform>
            <numerusform>%n Dateien, auf die die Liste gelöschter Dateien passte, wurden nicht gelöscht und bei diesem Suchlauf ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matched files were not deleted: they changed since they were read or could not be removed.</source>
        <translation>
            <numerusform>%n passende Datei wurde nicht gelöscht: sie hat sich seit dem Lesen geändert oder konnte nicht entfernt werden.</numerusform>
            <numerusform>%n passende Dateien wurden nicht gelöscht: sie haben sich seit dem Lesen geändert oder konnten nicht entfernt werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were back where they had been deleted from: they were kept, and the deleted-file list forgot them.</source>
        <translation>
            <numerusform>%n Datei war wieder dort, woher sie gelöscht worden war: sie wurde behalten, und die Liste gelöschter Dateien hat sie vergessen.</numerusform>
            <numerusform>%n Dateien waren wieder dort, woher sie gelöscht worden waren: sie wurden behalten, und die Liste gelöschter Dateien hat sie vergessen.</numerusform>
        </translation>
    </message>
    <message>
        <source>These folders were not found and were left out:</source>
        <translation>Diese Ordner wurden nicht gefunden und ausgelassen:</translation>
    </message>
    <message>
        <source>Finished Scanning for Duplicates.</source>
        <translation>Suche nach Duplikaten abgeschlossen.</translation>
    </message>
    <message>
        <source>Found %1 possible duplicates in %2.</source>
        <translation>%1 mögliche Duplikate in %2 gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n files marked for Delete.</source>
        <translation>
            <numerusform>%n Datei zum Löschen markiert.</numerusform>
            <numerusform>%n Dateien zum Löschen markiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files automatically deleted.</source>
        <translation>
            <numerusform>%n Datei automatisch gelöscht.</numerusform>
            <numerusform>%n Dateien automatisch gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be read.</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden.</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched by the deleted-file list, not deleted:</source>
        <translation>Von der Liste gelöschter Dateien erkannt, nicht gelöscht:</translation>
    </message>
    <message>
        <source>Automatically deleted:</source>
        <translation>Automatisch gelöscht:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Konnten nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Scan Canceled.</source>
        <translation>Suchlauf abgebrochen.</translation>
    </message>
    <message>
        <source>You must first Add some folders to Scan.</source>
        <translation>Sie müssen zuerst Ordner zum Durchsuchen hinzufügen.</translation>
    </message>
    <message>
        <source>The Compare List contained no files.</source>
        <translation>Die Vergleichsliste enthielt keine Dateien.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were automatically deleted.</source>
        <translation>
            <numerusform>%n Datei wurde automatisch gelöscht.</numerusform>
            <numerusform>%n Dateien wurden automatisch gelöscht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1   </source>
        <translation>Version %1   </translation>
    </message>
    <message>
        <source>File Date : %1</source>
        <translation>Dateidatum: %1</translation>
    </message>
    <message>
        <source>Linux:  %1.%2   </source>
        <translation>Linux:  %1.%2   </translation>
    </message>
    <message>
        <source>Physical memory:  %1 K</source>
        <translation>Arbeitsspeicher:  %1 K</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>vl::gui::AddToDatabaseDialog</name>
    <message>
        <source>Add To Database</source>
        <translation>Zur Datenbank hinzufügen</translation>
    </message>
    <message>
        <source>Add Folders to Database</source>
        <translation>Ordner zur Datenbank hinzufügen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Done selecting folders, Add them to the database now.</source>
        <translation>Ordnerauswahl fertig, jetzt zur Datenbank hinzufügen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel the add.</source>
        <translation>Das Hinzufügen abbrechen.</translation>
    </message>
</context>
<context>
    <name>vl::gui::ConfigureDialog</name>
    <message>
        <source>* = match any substring (including null)
? = match any single character
# = match any numeric character (0..9)
@ = match any alpha character (A..Z, a..z)
else = match given character</source>
        <translation>* = beliebige Zeichenfolge (auch leer)
? = ein beliebiges Zeichen
# = eine beliebige Ziffer (0..9)
@ = ein beliebiger Buchstabe (A..Z, a..z)
sonst = genau dieses Zeichen</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Filename Compare</source>
        <translation>Dateinamenvergleich</translation>
    </message>
    <message>
        <source>&amp;Image Compare</source>
        <translation>&amp;Bildvergleich</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Ignore Numeric Filenames</source>
        <translation>Dateinamen aus Ziffern ignorieren</translation>
    </message>
    <message>
        <source>Use Ignore List</source>
        <translation>Ignorierliste verwenden</translation>
    </message>
    <message>
        <source>Ignore filenames containing...</source>
        <translation>Dateinamen ignorieren, die Folgendes enthalten...</translation>
    </message>
    <message>
        <source>&amp;Auto Mark Delete</source>
        <translation>&amp;Automatisch zum Löschen markieren</translation>
    </message>
    <message>
        <source>&amp;Fuzz Factor:</source>
        <translation>&amp;Toleranzfaktor:</translation>
    </message>
    <message>
        <source>If errors are</source>
        <translation>Wenn die Abweichung</translation>
    </message>
    <message>
        <source>and width is within</source>
        <translation>und die Breite innerhalb</translation>
    </message>
    <message>
        <source>and height is within</source>
        <translation>und die Höhe innerhalb</translation>
    </message>
    <message>
        <source>and filesize is within</source>
        <translation>und die Dateigröße innerhalb</translation>
    </message>
    <message>
        <source>then mark for delete.</source>
        <translation>liegt, zum Löschen markieren.</translation>
    </message>
    <message>
        <source>The Lower the Fuzz Factor, the more accurate the search.</source>
        <translation>Je niedriger der Toleranzfaktor, desto genauer die Suche.</translation>
    </message>
    <message>
        <source>Con&amp;firm File Deletes</source>
        <translation>Löschen von Dateien &amp;bestätigen</translation>
    </message>
    <message>
        <source>&amp;Move Deleted Files to the Trash</source>
        <translation>Gelöschte Dateien in den &amp;Papierkorb verschieben</translation>
    </message>
    <message>
        <source>&amp;Beep on Delete</source>
        <translation>&amp;Signalton beim Löschen</translation>
    </message>
    <message>
        <source>&amp;Navigate with Arrows / Page Keys</source>
        <translation>Mit Pfeil- und Bild&amp;tasten navigieren</translation>
    </message>
    <message>
        <source>Check A / B Drives.</source>
        <translation>Diskettenlaufwerke A / B prüfen.</translation>
    </message>
    <message>
        <source>Use &amp;Deleted List</source>
        <translation>Liste gelöschter &amp;Dateien verwenden</translation>
    </message>
    <message>
        <source>Also find &amp;rotated and mirrored copies</source>
        <translation>Auch ged&amp;rehte und gespiegelte Kopien finden</translation>
    </message>
    <message>
        <source>Also compare &amp;newer picture types (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, camera raw)</source>
        <translation>Auch &amp;neuere Bildtypen vergleichen (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, Kamera-Rohdaten)</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseDialog</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>VL-Datenbank (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Note:  It is NOT recommended to place files from different
removable disks in the same database.  Create a separate
database for each removable disk.</source>
        <translation>Hinweis: Es wird NICHT empfohlen, Dateien verschiedener Wechseldatenträger
in dieselbe Datenbank aufzunehmen. Legen Sie für jeden
Wechseldatenträger eine eigene Datenbank an.</translation>
    </message>
    <message>
        <source>Database Management</source>
        <translation>Datenbankverwaltung</translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Neue Datenbank</translation>
    </message>
    <message>
        <source>Create a New database.</source>
        <translation>Eine neue Datenbank anlegen.</translation>
    </message>
    <message>
        <source>&amp;Add to Database</source>
        <translation>Zur Datenbank &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add new files to, and freshen files in an existing database.</source>
        <translation>Neue Dateien zu einer vorhandenen Datenbank hinzufügen und vorhandene auffrischen.</translation>
    </message>
    <message>
        <source>&amp;Freshen files (and pack local files).</source>
        <translation>Dateien &amp;auffrischen (und lokale Dateien packen).</translation>
    </message>
    <message>
        <source>Look for existing files, and update if changed.</source>
        <translation>Vorhandene Dateien suchen und bei Änderungen aktualisieren.</translation>
    </message>
    <message>
        <source>&amp;Explore Database</source>
        <translation>Datenbank &amp;untersuchen</translation>
    </message>
    <message>
        <source>View the contents of your existing Databases.</source>
        <translation>Den Inhalt Ihrer vorhandenen Datenbanken ansehen.</translation>
    </message>
    <message>
        <source>&amp;Cancel Operation</source>
        <translation>Vorgang &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseExplorer</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>VL-Datenbank (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Database Explorer</source>
        <translation>Datenbank-Explorer</translation>
    </message>
    <message>
        <source>Load a VL Database.</source>
        <translation>Eine VL-Datenbank laden.</translation>
    </message>
    <message>
        <source>Find Next Matching File.</source>
        <translation>Nächste passende Datei suchen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Fehler beim Lesen der Bilddatei.</translation>
    </message>
</context>
<context>
    <name>vl::gui::DupeListDelegate</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
</context>
<context>
    <name>vl::gui::DupeListModel</name>
    <message>
        <source>Almost uniform picture: check before deleting.</source>
        <translation>Fast einfarbiges Bild: vor dem Löschen prüfen.</translation>
    </message>
    <message>
        <source>Paired by fingerprints alone, not verified: check before deleting.</source>
        <translation>Nur nach Fingerabdrücken gepaart, nicht bestätigt: vor dem Löschen prüfen.</translation>
    </message>
</context>
<context>
    <name>vl::gui::ExplorerListModel</name>
    <message>
        <source>Path</source>
        <extracomment>Column headers of the database explorer&apos;s file list; &quot;Del&quot; shows whether the file was deleted.</extracomment>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Gel.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Filesize</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>vl::gui::ExportCommand</name>
    <message>
        <source>CSV (*.csv)|*.csv|JSON (*.json)|*.json</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation>CSV (*.csv)|*.csv|JSON (*.json)|*.json</translation>
    </message>
</context>
<context>
    <name>vl::gui::FileCommands</name>
    <message>
        <source>

Delete these last copies too? With No every file of those groups stays where it is.</source>
        <translation>

Diese letzten Kopien auch löschen? Mit „Nein“ bleibt jede Datei dieser Gruppen, wo sie ist.</translation>
    </message>
    <message>
        <source>No file was deleted</source>
        <translation>Keine Datei wurde gelöscht</translation>
    </message>
    <message>
        <source>%1 moved to the trash</source>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 endgültig gelöscht</translation>
    </message>
    <message>
        <source>Confirm File Delete...</source>
        <translation>Löschen bestätigen...</translation>
    </message>
    <message>
        <source>No marked file to delete</source>
        <translation>Keine markierte Datei zum Löschen</translation>
    </message>
    <message>
        <source>Confirm Deletion of all visible marked files...</source>
        <translation>Löschen aller sichtbaren markierten Dateien bestätigen...</translation>
    </message>
    <message>
        <source>Confirm Deletion of ALL marked files...</source>
        <translation>Löschen ALLER markierten Dateien bestätigen...</translation>
    </message>
    <message>
        <source>Choose the New Volume Root for This File</source>
        <translation>Neuen Einhängepunkt für diese Datei wählen</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unable to show the file in its folder.</source>
        <translation>Die Datei kann nicht in ihrem Ordner gezeigt werden.</translation>
    </message>
    <message>
        <source>%1 will be moved to the trash.</source>
        <translation>%1 wird in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>%1 will be deleted for good; this cannot be undone.</source>
        <translation>%1 wird endgültig gelöscht; das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message numerus="yes">
        <source>%n group would lose every copy of its file.</source>
        <translation>
            <numerusform>%n Gruppe würde jede Kopie ihrer Datei verlieren.</numerusform>
            <numerusform>%n Gruppen würden jede Kopie ihrer Datei verlieren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups would lose every copy of their file.</source>
        <translation>
            <numerusform>%n Gruppe würde jede Kopie ihrer Datei verlieren.</numerusform>
            <numerusform>%n Gruppen würden jede Kopie ihrer Datei verlieren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePaneTransfers</name>
    <message>
        <source>DropSource Demo</source>
        <translation>Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>The destination folder is the same as the source!</source>
        <translation>Der Zielordner ist derselbe wie der Quellordner!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePanes</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>vl::gui::FilterComboBox</name>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>Video Files</source>
        <translation>Videodateien</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>vl::gui::FolderListBox</name>
    <message>
        <source>Select Folder to Scan.</source>
        <translation>Ordner zum Durchsuchen auswählen.</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>VL-Datenbank (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Add Folders to Scan.</source>
        <translation>Ordner zum Durchsuchen hinzufügen.</translation>
    </message>
    <message>
        <source>Remove the Selected Folder.</source>
        <translation>Den ausgewählten Ordner entfernen.</translation>
    </message>
    <message>
        <source>Clear the Folder list.</source>
        <translation>Die Ordnerliste leeren.</translation>
    </message>
    <message>
        <source>Load a Folder List from file.</source>
        <translation>Eine Ordnerliste aus einer Datei laden.</translation>
    </message>
    <message>
        <source>Save the current Folder List to file.</source>
        <translation>Die aktuelle Ordnerliste in einer Datei speichern.</translation>
    </message>
    <message>
        <source>Add a VL Database</source>
        <translation>Eine VL-Datenbank hinzufügen</translation>
    </message>
    <message>
        <source>+DB</source>
        <translation>+DB</translation>
    </message>
    <message>
        <source>Scan all subfolders?</source>
        <translation>Alle Unterordner durchsuchen?</translation>
    </message>
</context>
<context>
    <name>vl::gui::FoldersDialog</name>
    <message>
        <source>Folders to Scan</source>
        <translation>Zu durchsuchende Ordner</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Basisdateien</translation>
    </message>
    <message>
        <source>Files to Compare against Base</source>
        <translation>Mit den Basisdateien zu vergleichende Dateien</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Database &amp;Management</source>
        <translation>Datenbank&amp;verwaltung</translation>
    </message>
</context>
<context>
    <name>vl::gui::HelpWindow</name>
    <message>
        <source>Velloran Help</source>
        <translation>Velloran-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>vl::gui::MainWindow</name>
    <message>
        <source>Del</source>
        <extracomment>Column headers of the duplicate list; &quot;Del&quot; is the column that shows a file&apos;s deletion mark.</extracomment>
        <translation>Gel.</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Basisdateien</translation>
    </message>
    <message>
        <source>|The base images that have possible duplicates.</source>
        <translation>|Die Basisbilder, zu denen es mögliche Duplikate gibt.</translation>
    </message>
    <message>
        <source>All Dupes</source>
        <translation>Alle Duplikate</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>How much the picture differs from the group&apos;s base: 0 for the base and for the same picture, more for a picture that looks less alike</source>
        <translation>Wie stark sich das Bild von der Basisdatei seiner Gruppe unterscheidet: 0 für die Basisdatei und für dasselbe Bild, mehr für ein weniger ähnliches Bild</translation>
    </message>
    <message>
        <source>Ready To Scan</source>
        <translation>Bereit zum Suchlauf</translation>
    </message>
    <message>
        <source>The marks were changed since the results were last saved.

Save the results before closing?</source>
        <translation>Die Markierungen wurden seit dem letzten Speichern der Ergebnisse geändert.

Ergebnisse vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;JPEG Options</source>
        <translation>&amp;JPEG-Optionen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Maßstab</translation>
    </message>
    <message>
        <source>&amp;Performance</source>
        <translation>&amp;Leistung</translation>
    </message>
    <message>
        <source>File &amp;Management</source>
        <translation>Datei&amp;verwaltung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleCommands</name>
    <message>
        <source>Reading the date taken and camera of each file...</source>
        <translation>Aufnahmedatum und Kamera jeder Datei werden gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleDialog</name>
    <message>
        <source>Highest resolution (width x height)</source>
        <translation>Höchste Auflösung (Breite x Höhe)</translation>
    </message>
    <message>
        <source>Largest file</source>
        <translation>Größte Datei</translation>
    </message>
    <message>
        <source>Smallest file</source>
        <translation>Kleinste Datei</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Neueste</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Älteste</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Kürzester Pfad</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Längster Pfad</translation>
    </message>
    <message>
        <source>Name without a copy marker (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</source>
        <extracomment>The quoted markers are what the rule looks for in file names: keep them as they are.</extracomment>
        <translation>Name ohne Kopie-Kennzeichen (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</translation>
    </message>
    <message>
        <source>Inside folder ...</source>
        <translation>Im Ordner ...</translation>
    </message>
    <message>
        <source>Mark by Rule</source>
        <translation>Nach Regel markieren</translation>
    </message>
    <message>
        <source>Each group keeps the best file by the first checked criterion that tells its files apart; every other file is marked.</source>
        <translation>Jede Gruppe behält die beste Datei nach dem ersten angekreuzten Kriterium, das ihre Dateien unterscheidet; jede andere Datei wird markiert.</translation>
    </message>
    <message>
        <source>Apply after every &amp;scan</source>
        <translation>Nach jedem &amp;Suchlauf anwenden</translation>
    </message>
    <message>
        <source>Choose only among each group&apos;s base and mar&amp;ked files (unmarked files stay unmarked)</source>
        <translation>Nur unter Basisdatei und mar&amp;kierten Dateien jeder Gruppe wählen (nicht markierte Dateien bleiben unmarkiert)</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Keep the file with</source>
        <translation>Die Datei behalten mit</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Never mark files in these folders</source>
        <translation>Dateien in diesen Ordnern nie markieren</translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation>Ordner &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Inside Folder</source>
        <translation>Im Ordner</translation>
    </message>
    <message>
        <source>Protected Folder</source>
        <translation>Geschützter Ordner</translation>
    </message>
    <message>
        <source>Earliest taken (EXIF date, else the file date)</source>
        <translation>Frühestes Aufnahmedatum (EXIF-Datum, sonst Dateidatum)</translation>
    </message>
    <message>
        <source>Has camera data (EXIF make or model)</source>
        <translation>Hat Kameradaten (EXIF-Hersteller oder -Modell)</translation>
    </message>
    <message>
        <source>Camera raw file first</source>
        <translation>Kamera-Rohdatei zuerst</translation>
    </message>
    <message>
        <source>JPEG file first</source>
        <translation>JPEG-Datei zuerst</translation>
    </message>
</context>
<context>
    <name>vl::gui::MatchingChoice</name>
    <message>
        <source>Picture matching</source>
        <translation>Bildvergleich</translation>
    </message>
    <message>
        <source>Find &amp;edited copies (recommended)</source>
        <translation>&amp;Bearbeitete Kopien finden (empfohlen)</translation>
    </message>
    <message>
        <source>C&amp;lassic fingerprint match</source>
        <translation>K&amp;lassischer Fingerabdruck-Vergleich</translation>
    </message>
    <message>
        <source>Resized, recompressed, cropped, greyscale and re-formatted copies, each pair confirmed by a finer signature.</source>
        <translation>Verkleinerte, neu komprimierte, beschnittene, in Graustufen umgewandelte und in andere Formate umgewandelte Kopien, jedes Paar durch eine feinere Signatur bestätigt.</translation>
    </message>
    <message>
        <source>The fingerprint alone, as earlier versions matched: misses more copies and pairs more different pictures.</source>
        <translation>Nur der Fingerabdruck, wie frühere Versionen verglichen: übersieht mehr Kopien und paart mehr unterschiedliche Bilder.</translation>
    </message>
</context>
<context>
    <name>vl::gui::NotDuplicateCommands</name>
    <message>
        <source>Forget every pair of files marked as not duplicates?</source>
        <translation>Jedes als kein Duplikat markierte Dateipaar vergessen?</translation>
    </message>
</context>
<context>
    <name>vl::gui::PreviewController</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Fehler beim Lesen der Bilddatei.</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3, %4</source>
        <translation>%1 × %2 Pixel, %3, %4</translation>
    </message>
</context>
<context>
    <name>vl::gui::ResultsFileCommands</name>
    <message>
        <source>Velloran Results (*.vlr)|*.vlr</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Velloran-Ergebnisse (*.vlr)|*.vlr</translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanOptionsDialog</name>
    <message>
        <source>Scan Options</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Unscharfer Bildvergleich.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Nach gleichen Dateinamen suchen.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames, and Filesize.</source>
        <translation>Nach gleichen Dateinamen und Dateigrößen suchen.</translation>
    </message>
    <message>
        <source>Compare contents of files.</source>
        <translation>Dateiinhalte vergleichen.</translation>
    </message>
    <message>
        <source>&amp;Start Scan</source>
        <translation>Suchlauf &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanWizard</name>
    <message>
        <source>Velloran is an amazingly powerful tool for Locating and Removing Duplicate images from your computer.
 
Velloran has a number of features designed for serious collectors, but like anything else, these features may be a bit confusing for novice users.
 
If you are New to Velloran, we recommend that you use this Wizard for your first few scans.  Once you have a better understanding of the program, you may find the Classic interface more efficient.</source>
        <translation>Velloran ist ein erstaunlich leistungsfähiges Werkzeug, um doppelte Bilder auf Ihrem Computer zu finden und zu entfernen.
 
Velloran bietet viele Funktionen für ernsthafte Sammler, doch wie bei allem können diese Funktionen Einsteiger etwas verwirren.
 
Wenn Sie Velloran neu verwenden, empfehlen wir Ihnen diesen Assistenten für Ihre ersten Suchläufe. Sobald Sie das Programm besser kennen, finden Sie die klassische Oberfläche vielleicht effizienter.</translation>
    </message>
    <message>
        <source>Actually look at the images, and do a &quot;Visual&quot; Comparison.  This will find Resized, Resampled, Scaled, Cropped, Color Corrected, and otherwise altered images.  It does however find erroneous matches.  This is the Slowest Scan Method, but can be sped up dramatically by using Databases (See Help File).</source>
        <translation>Die Bilder wirklich ansehen und „visuell“ vergleichen. So werden verkleinerte, neu abgetastete, skalierte, beschnittene, farbkorrigierte und anders veränderte Bilder gefunden. Dabei gibt es allerdings auch falsche Treffer. Dies ist die langsamste Suchmethode, lässt sich aber mit Datenbanken stark beschleunigen (siehe Hilfe).</translation>
    </message>
    <message>
        <source>Find all files with duplicate Filenames.</source>
        <translation>Alle Dateien mit doppelten Dateinamen finden.</translation>
    </message>
    <message>
        <source>Find all files with Duplicate Filenames that are the same Size.</source>
        <translation>Alle Dateien mit doppelten Dateinamen und gleicher Größe finden.</translation>
    </message>
    <message>
        <source>Find all Files that have identical Filesizes and Identical File Contents.  This will find Exact Duplicates, and is the fastest Scan Method.</source>
        <translation>Alle Dateien mit gleicher Dateigröße und gleichem Inhalt finden. So werden exakte Duplikate gefunden; dies ist die schnellste Suchmethode.</translation>
    </message>
    <message>
        <source>&amp;Add Folder</source>
        <translation>Ordner &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Add &amp;Database</source>
        <translation>&amp;Datenbank hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation>Liste l&amp;aden</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>VL Scan Wizard</source>
        <translation>VL-Suchassistent</translation>
    </message>
    <message>
        <source>Welcome to Velloran</source>
        <translation>Willkommen bei Velloran</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Assistent</translation>
    </message>
    <message>
        <source>&amp;Show this screen at Startup.</source>
        <translation>Diesen Bildschirm beim &amp;Start zeigen.</translation>
    </message>
    <message>
        <source>Select Base Files</source>
        <translation>Basisdateien auswählen</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Make sure that this list is blank, and proceed to the next step.</source>
        <translation>Wenn Sie zum ersten Mal suchen, lassen Sie diese Liste leer und gehen Sie zum nächsten Schritt.</translation>
    </message>
    <message>
        <source>If you already have a Collection that you want to compare NEW files against, place your existing collection in this list.</source>
        <translation>Wenn Sie bereits eine Sammlung haben, mit der Sie NEUE Dateien vergleichen möchten, nehmen Sie Ihre vorhandene Sammlung in diese Liste auf.</translation>
    </message>
    <message>
        <source>Select Compare Files</source>
        <translation>Vergleichsdateien auswählen</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Add the Folders you want to Scan to this list.</source>
        <translation>Wenn Sie zum ersten Mal suchen, fügen Sie die zu durchsuchenden Ordner zu dieser Liste hinzu.</translation>
    </message>
    <message>
        <source>If you already have a Collection Add the Folders containing your New (Incoming) files to this list.  These new files will be compared against your existing collection.</source>
        <translation>Wenn Sie bereits eine Sammlung haben, fügen Sie die Ordner mit Ihren neuen (eingehenden) Dateien zu dieser Liste hinzu. Diese neuen Dateien werden mit Ihrer vorhandenen Sammlung verglichen.</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Unscharfer Bildvergleich.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Nach gleichen Dateinamen suchen.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Once you have selected the folders to Scan, you can select the Scan Method to use...</source>
        <translation>Sobald Sie die zu durchsuchenden Ordner gewählt haben, können Sie die Suchmethode wählen...</translation>
    </message>
    <message>
        <source>&lt;- &amp;Back</source>
        <translation>&lt;- &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Weiter -&gt;</translation>
    </message>
</context>
<context>
    <name>vl::gui::UndoCommand</name>
    <message>
        <source>Nothing was undone: another file now stands where a file would go back, or the folder it came from is gone. Move it out of the way and undo again.</source>
        <translation>Nichts wurde rückgängig gemacht: An der Stelle, an die eine Datei zurück soll, liegt jetzt eine andere Datei, oder ihr ursprünglicher Ordner ist verschwunden. Schaffen Sie sie aus dem Weg und machen Sie es erneut rückgängig.</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>Löschen &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Can&apos;t &amp;Undo Delete</source>
        <translation>Löschen nicht &amp;rückgängig machbar</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>Verschieben &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>Umbenennen &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>|The last files were deleted for good: they cannot be brought back.</source>
        <translation>|Die letzten Dateien wurden endgültig gelöscht: Sie lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Die Dateien des letzten Löschens, Verschiebens oder Umbenennens zurückholen.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Nichts wurde rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Some files could not be brought back.</source>
        <translation>Einige Dateien konnten nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>%1 back from the trash</source>
        <translation>%1 aus dem Papierkorb zurückgeholt</translation>
    </message>
    <message>
        <source>Renamed back to %1</source>
        <translation>Zurück umbenannt in %1</translation>
    </message>
    <message>
        <source>Moved back to %1</source>
        <translation>Zurück verschoben nach %1</translation>
    </message>
</context>
<context>
    <name>vl::gui::VelloranApplication</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
</TS>
