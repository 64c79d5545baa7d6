<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Actions</name>
    <message>
        <source>Scan &amp;Wizard...</source>
        <translation>&amp;Assistant d&apos;analyse...</translation>
    </message>
    <message>
        <source>Scan Wizard</source>
        <translation>Assistant d&apos;analyse</translation>
    </message>
    <message>
        <source>&amp;Edit Folders...</source>
        <translation>Modifier les &amp;dossiers...</translation>
    </message>
    <message>
        <source>Select Folders to Scan.</source>
        <translation>Choisir les dossiers à analyser.</translation>
    </message>
    <message>
        <source>&amp;Database Management...</source>
        <translation>Gestion des &amp;bases de données...</translation>
    </message>
    <message>
        <source>Create and manage your Velloran databases.</source>
        <translation>Créer et gérer vos bases de données Velloran.</translation>
    </message>
    <message>
        <source>Co&amp;nfigure...</source>
        <translation>&amp;Configurer...</translation>
    </message>
    <message>
        <source>Configure Velloran.</source>
        <translation>Configurer Velloran.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>Start the Scan.</source>
        <translation>Lancer l&apos;analyse.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel Scanning.</source>
        <translation>Annuler l&apos;analyse.</translation>
    </message>
    <message>
        <source>Use Deleted List.</source>
        <translation>Utiliser la liste des fichiers supprimés.</translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation>&amp;Supprimer le fichier</translation>
    </message>
    <message>
        <source>Delete Selected File.</source>
        <translation>Supprimer le fichier sélectionné.</translation>
    </message>
    <message>
        <source>&amp;Mark Selected File</source>
        <translation>&amp;Marquer le fichier sélectionné</translation>
    </message>
    <message>
        <source>Mark / UnMark Selected File for Deletion. (Space)</source>
        <translation>Marquer ou démarquer le fichier sélectionné pour suppression. (Espace)</translation>
    </message>
    <message>
        <source>Delete Mar&amp;ked</source>
        <translation>Supprimer les mar&amp;qués</translation>
    </message>
    <message>
        <source>Delete Visible Marked Files.</source>
        <translation>Supprimer les fichiers marqués visibles.</translation>
    </message>
    <message>
        <source>Delete &amp;All Marked</source>
        <translation>Supprimer &amp;tous les marqués</translation>
    </message>
    <message>
        <source>Delete ALL Marked Files.</source>
        <translation>Supprimer TOUS les fichiers marqués.</translation>
    </message>
    <message>
        <source>&amp;Full Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane.</source>
        <translation>Taille réelle (désactivé : ajusté au volet)|Afficher l&apos;image en taille réelle ou ajustée à son volet.</translation>
    </message>
    <message>
        <source>Side &amp;by Side</source>
        <translation>Côte à &amp;côte</translation>
    </message>
    <message>
        <source>Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected.</source>
        <translation>Fichier de base à côté du fichier sélectionné (désactivé : fichier sélectionné seul)|Afficher le fichier de base ET le fichier sélectionné, ou seulement le fichier sélectionné.</translation>
    </message>
    <message>
        <source>Scroll in &amp;Unison</source>
        <translation>Défilement &amp;synchronisé</translation>
    </message>
    <message>
        <source>Scroll both pictures together|Scroll Images in Unison.</source>
        <translation>Faire défiler les deux images ensemble|Faire défiler les images ensemble.</translation>
    </message>
    <message>
        <source>Show File &amp;Panes</source>
        <translation>Afficher les &amp;volets de fichiers</translation>
    </message>
    <message>
        <source>Show the folders of both files|Show File Pane.</source>
        <translation>Afficher les dossiers des deux fichiers|Afficher le volet de fichiers.</translation>
    </message>
    <message>
        <source>&amp;Load Results...</source>
        <translation>&amp;Charger des résultats...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Results...</source>
        <translation>&amp;Enregistrer les résultats...</translation>
    </message>
    <message>
        <source>Ex&amp;port Results...</source>
        <translation>E&amp;xporter les résultats...</translation>
    </message>
    <message>
        <source>Write the results to a CSV or JSON file.</source>
        <translation>Écrire les résultats dans un fichier CSV ou JSON.</translation>
    </message>
    <message>
        <source>&amp;Add Files to Deleted List...</source>
        <translation>A&amp;jouter des fichiers à la liste des fichiers supprimés...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler l&apos;action</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Récupérer les fichiers de la dernière suppression, du dernier déplacement ou du dernier renommage.</translation>
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
        <translation>Meilleure &amp;qualité</translation>
    </message>
    <message>
        <source>Best &amp;Speed</source>
        <translation>&amp;Vitesse maximale</translation>
    </message>
    <message>
        <source>&amp;Remove when no duplicates</source>
        <translation>&amp;Retirer quand il n&apos;y a plus de doublons</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Afficher dans le &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Copy File to...</source>
        <translation>&amp;Copier le fichier vers...</translation>
    </message>
    <message>
        <source>Mo&amp;ve / Rename File...</source>
        <translation>Dé&amp;placer / renommer le fichier...</translation>
    </message>
    <message>
        <source>&amp;Remove Base Group</source>
        <translation>Retirer le &amp;groupe de base</translation>
    </message>
    <message>
        <source>Remove Dupe Group.</source>
        <translation>Retirer le groupe de doublons.</translation>
    </message>
    <message>
        <source>&amp;Not a Duplicate</source>
        <translation>&amp;Pas un doublon</translation>
    </message>
    <message>
        <source>Remember that the selected file is not a duplicate of its base.</source>
        <translation>Retenir que le fichier sélectionné n&apos;est pas un doublon de son fichier de base.</translation>
    </message>
    <message>
        <source>&amp;Forget Not-Duplicates</source>
        <translation>&amp;Oublier les « pas un doublon »</translation>
    </message>
    <message>
        <source>Pair again every file remembered as not a duplicate.</source>
        <translation>Apparier de nouveau chaque fichier retenu comme n&apos;étant pas un doublon.</translation>
    </message>
    <message>
        <source>Change Volume &amp;Root...</source>
        <translation>Changer le point de &amp;montage...</translation>
    </message>
    <message>
        <source>Look for the file under another mount point.</source>
        <translation>Chercher le fichier sous un autre point de montage.</translation>
    </message>
    <message>
        <source>Mark &amp;by Rule...</source>
        <translation>Marquer selon une &amp;règle...</translation>
    </message>
    <message>
        <source>Keep the best file of each group and mark the others.</source>
        <translation>Garder le meilleur fichier de chaque groupe et marquer les autres.</translation>
    </message>
    <message>
        <source>&amp;Unmark All</source>
        <translation>&amp;Démarquer tout</translation>
    </message>
    <message>
        <source>Clear every mark.</source>
        <translation>Effacer toutes les marques.</translation>
    </message>
    <message>
        <source>&amp;Sort Alphabetically</source>
        <translation>&amp;Trier par ordre alphabétique</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Help &amp;Contents...	F1</source>
        <translation>&amp;Sommaire de l&apos;aide...	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>FileSummaries</name>
    <message numerus="yes">
        <source>%n file, %1</source>
        <translation>
            <numerusform>%n fichier, %1</numerusform>
            <numerusform>%n fichiers, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n fichier, %1</numerusform>
            <numerusform>%n fichiers, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Unable to find the help file %1 in the folder
%2</source>
        <translation>Impossible de trouver le fichier d&apos;aide %1 dans le dossier
%2</translation>
    </message>
</context>
<context>
    <name>ScanModeButtons</name>
    <message>
        <source>Compare &amp;Images</source>
        <translation>Comparer les &amp;images</translation>
    </message>
    <message>
        <source>Compare Filena&amp;mes</source>
        <translation>Comparer les &amp;noms de fichiers</translation>
    </message>
    <message>
        <source>Compare Filename and Si&amp;ze</source>
        <translation>Comparer le nom et la tai&amp;lle</translation>
    </message>
    <message>
        <source>Compare File Size and Con&amp;tents</source>
        <translation>Comparer la taille et le con&amp;tenu</translation>
    </message>
</context>
<context>
    <name>vl::core</name>
    <message>
        <source>Ready To Scan</source>
        <translation>Prêt à analyser</translation>
    </message>
    <message>
        <source>Getting Drive Information.</source>
        <translation>Lecture des informations sur les lecteurs.</translation>
    </message>
    <message>
        <source>Loading Base List.</source>
        <translation>Chargement de la liste de base.</translation>
    </message>
    <message>
        <source>Loading Compare List.</source>
        <translation>Chargement de la liste de comparaison.</translation>
    </message>
    <message>
        <source>Reading Base Images</source>
        <translation>Lecture des images de base</translation>
    </message>
    <message>
        <source>Reading Compare Images</source>
        <translation>Lecture des images à comparer</translation>
    </message>
    <message>
        <source>Comparing Images</source>
        <translation>Comparaison des images</translation>
    </message>
    <message>
        <source>Marking Duplicates</source>
        <translation>Marquage des doublons</translation>
    </message>
    <message>
        <source>Waiting for another program to finish with the database</source>
        <translation>Attente qu&apos;un autre programme libère la base de données</translation>
    </message>
    <message>
        <source>Scanning Files</source>
        <translation>Analyse des fichiers</translation>
    </message>
    <message>
        <source>Scanning New Files</source>
        <translation>Analyse des nouveaux fichiers</translation>
    </message>
    <message>
        <source>Scanning Database</source>
        <translation>Analyse de la base de données</translation>
    </message>
    <message>
        <source>Freshening DB Files</source>
        <translation>Actualisation des fichiers de la base</translation>
    </message>
    <message>
        <source>Adding New files to DB</source>
        <translation>Ajout des nouveaux fichiers à la base</translation>
    </message>
    <message>
        <source>Reading Images</source>
        <translation>Lecture des images</translation>
    </message>
    <message>
        <source>Writing to Database</source>
        <translation>Écriture dans la base de données</translation>
    </message>
    <message>
        <source>Saving Database</source>
        <translation>Enregistrement de la base de données</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>environ %1 restant</translation>
    </message>
    <message>
        <source>Error in creating database.</source>
        <translation>Erreur lors de la création de la base de données.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n fichier a été omis de %1 : son chemin dépasse %2 octets.</numerusform>
            <numerusform>%n fichiers ont été omis de %1 : leurs chemins dépassent %2 octets.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of the %2 records of %3 are of files that are gone from a present volume, more than a tenth of the database. A folder may have been renamed or be offline.</source>
        <translation>%1 des %2 enregistrements de %3 concernent des fichiers disparus d&apos;un volume présent, plus d&apos;un dixième de la base de données. Un dossier a peut-être été renommé ou est hors ligne.</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more folders</source>
        <translation>
            <numerusform>... et %n dossier de plus</numerusform>
            <numerusform>... et %n dossiers de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove these records from the database? With No they are kept.</source>
        <translation>Retirer ces enregistrements de la base de données ? Avec « Non », ils sont conservés.</translation>
    </message>
    <message>
        <source>%1 records added, %2 refreshed, %3 removed.</source>
        <translation>%1 enregistrements ajoutés, %2 actualisés, %3 retirés.</translation>
    </message>
    <message numerus="yes">
        <source>%n records of files that are gone from a present volume were kept: they are more than a tenth of the database.</source>
        <translation>
            <numerusform>%n enregistrement d&apos;un fichier disparu d&apos;un volume présent a été conservé : ces enregistrements dépassent un dixième de la base de données.</numerusform>
            <numerusform>%n enregistrements de fichiers disparus d&apos;un volume présent ont été conservés : ils dépassent un dixième de la base de données.</numerusform>
        </translation>
    </message>
    <message>
        <source>You must select some folders to add to the new database.</source>
        <translation>Vous devez choisir des dossiers à ajouter à la nouvelle base de données.</translation>
    </message>
    <message>
        <source>You must select some folders to add to the database.</source>
        <translation>Vous devez choisir des dossiers à ajouter à la base de données.</translation>
    </message>
    <message>
        <source>Database saved in %1.</source>
        <translation>Base de données enregistrée dans %1.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file.</source>
        <translation>%1

n&apos;est pas un fichier de base de données VL (*.VDB).</translation>
    </message>
    <message>
        <source>Unable to locate database file 

%1</source>
        <translation>Fichier de base de données introuvable 

%1</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid database.</source>
        <translation>%1

ne semble pas être une base de données valide.</translation>
    </message>
    <message>
        <source>Database: 

%1

is a different version, can not open.</source>
        <translation>La base de données 

%1

est d&apos;une autre version et ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>Image has been moved or Deleted.</source>
        <translation>L&apos;image a été déplacée ou supprimée.</translation>
    </message>
    <message>
        <source>Image : %1 not found.</source>
        <translation>Image %1 introuvable.</translation>
    </message>
    <message>
        <source>Insert disk &quot;%1&quot; into your %2 drive and try again.</source>
        <translation>Insérez le disque « %1 » dans votre lecteur %2 et réessayez.</translation>
    </message>
    <message>
        <source>No Application association for &quot;%1&quot;</source>
        <translation>Aucune application associée à « %1 »</translation>
    </message>
    <message>
        <source>Fingerprint cache unavailable: %1; going on without it.</source>
        <translation>Cache des empreintes indisponible : %1 ; la suite se fait sans lui.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not appear to be a valid Deleted File list; it was left unchanged.</source>
        <translation>%1 ne semble pas être une liste de fichiers supprimés valide ; elle n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>%1 is a different version; it was left unchanged.</source>
        <translation>%1 est d&apos;une autre version ; elle n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; the changes were not saved.</source>
        <translation>%1 est utilisé par un autre programme ; les modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>il a disparu</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>ce n&apos;est plus un fichier ordinaire</translation>
    </message>
    <message>
        <source>another file is there now</source>
        <translation>un autre fichier s&apos;y trouve maintenant</translation>
    </message>
    <message>
        <source>it changed since it was read</source>
        <translation>il a changé depuis sa lecture</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid Deleted File list.</source>
        <translation>%1

ne semble pas être une liste de fichiers supprimés valide.</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>n&apos;existe plus</translation>
    </message>
    <message>
        <source>is not a regular file (a folder, a link or a device); left alone</source>
        <translation>n&apos;est pas un fichier ordinaire (un dossier, un lien ou un périphérique) ; laissé tel quel</translation>
    </message>
    <message>
        <source>changed since the scan (size or modification time); left alone</source>
        <translation>a changé depuis l&apos;analyse (taille ou date de modification) ; laissé tel quel</translation>
    </message>
    <message>
        <source>changed while it was being checked; left alone</source>
        <translation>a changé pendant sa vérification ; laissé tel quel</translation>
    </message>
    <message>
        <source>is not a picture, and only the pictures of picture results are deleted; left alone</source>
        <translation>n&apos;est pas une image, et seules les images des résultats d&apos;images sont supprimées ; laissé tel quel</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>cannot be read as a picture</source>
        <translation>ne peut pas être lu comme une image</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked (%2); left alone</source>
        <translation>sa copie %1 n&apos;a pas pu être vérifiée (%2) ; laissé tel quel</translation>
    </message>
    <message>
        <source>its contents are no longer those of its copy %1; left alone</source>
        <translation>son contenu n&apos;est plus celui de sa copie %1 ; laissé tel quel</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked; left alone</source>
        <translation>sa copie %1 n&apos;a pas pu être vérifiée ; laissé tel quel</translation>
    </message>
    <message>
        <source>its picture no longer matches its copy %1 (%2 differences where the scan allowed %3); left alone</source>
        <translation>son image ne correspond plus à sa copie %1 (%2 écarts là où l&apos;analyse en admettait %3) ; laissé tel quel</translation>
    </message>
    <message>
        <source>is not in the results; left alone</source>
        <translation>n&apos;est pas dans les résultats ; laissé tel quel</translation>
    </message>
    <message>
        <source>%1; left alone</source>
        <translation>%1 ; laissé tel quel</translation>
    </message>
    <message>
        <source>is no longer the file the scan found there; left alone</source>
        <translation>n&apos;est plus le fichier que l&apos;analyse y avait trouvé ; laissé tel quel</translation>
    </message>
    <message>
        <source>its group would lose every copy; left alone</source>
        <translation>son groupe perdrait toutes ses copies ; laissé tel quel</translation>
    </message>
    <message>
        <source>it is still there</source>
        <translation>il est toujours là</translation>
    </message>
    <message>
        <source>deleted, but not added to the deleted-file list: %1</source>
        <translation>supprimé, mais pas ajouté à la liste des fichiers supprimés : %1</translation>
    </message>
    <message>
        <source>the deleted-file list cannot be read (%1); not deleted</source>
        <translation>la liste des fichiers supprimés ne peut pas être lue (%1) ; non supprimé</translation>
    </message>
    <message>
        <source>Unable to locate file

%1</source>
        <translation>Fichier introuvable

%1</translation>
    </message>
    <message>
        <source>Unable to delete file.</source>
        <translation>Impossible de supprimer le fichier.</translation>
    </message>
    <message>
        <source>Some files were not deleted.</source>
        <translation>Certains fichiers n&apos;ont pas été supprimés.</translation>
    </message>
    <message>
        <source>Unable to delete file(s).</source>
        <translation>Impossible de supprimer le ou les fichiers.</translation>
    </message>
    <message>
        <source>Results list version mismatch.  Unable to load.</source>
        <translation>Version de la liste de résultats incompatible. Chargement impossible.</translation>
    </message>
    <message>
        <source>%1 is an image database (*.vdb).</source>
        <translation>%1 est une base de données d&apos;images (*.vdb).</translation>
    </message>
    <message>
        <source>There was an error in saving your results list.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;enregistrement de votre liste de résultats.</translation>
    </message>
    <message>
        <source>Results List saved.</source>
        <translation>Liste de résultats enregistrée.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n entrée a été omise de %1 : son chemin dépasse %2 octets.</numerusform>
            <numerusform>%n entrées ont été omises de %1 : leurs chemins dépassent %2 octets.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

is an image database (*.vdb) file; it was left unchanged.</source>
        <translation>%1

est un fichier de base de données d&apos;images (*.vdb) ; il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>%1

is a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

est un fichier de liste de résultats (*.vlr) ; il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>%1

is the name of an image database (*.vdb); save the results list as a .vlr file.</source>
        <translation>%1

est le nom d&apos;une base de données d&apos;images (*.vdb) ; enregistrez la liste de résultats dans un fichier .vlr.</translation>
    </message>
    <message>
        <source>%1

is the name of a results list (*.vlr); save the database as a .vdb file.</source>
        <translation>%1

est le nom d&apos;une liste de résultats (*.vlr) ; enregistrez la base de données dans un fichier .vdb.</translation>
    </message>
    <message>
        <source>%1

is not a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

n&apos;est pas un fichier de liste de résultats (*.vlr) ; il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file; it was left unchanged.</source>
        <translation>%1

n&apos;est pas un fichier de base de données VL (*.VDB) ; il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>it changed in the trash; left there</source>
        <translation>il a changé dans la corbeille ; laissé là</translation>
    </message>
    <message>
        <source>back, but still in the deleted-file list: %1</source>
        <translation>récupéré, mais toujours dans la liste des fichiers supprimés : %1</translation>
    </message>
    <message numerus="yes">
        <source>The deleted-file list matched %n files (%1) in the Compare List: copies of files that were deleted before.</source>
        <translation>
            <numerusform>La liste des fichiers supprimés a reconnu %n fichier (%1) dans la liste de comparaison : la copie d&apos;un fichier supprimé auparavant.</numerusform>
            <numerusform>La liste des fichiers supprimés a reconnu %n fichiers (%1) dans la liste de comparaison : des copies de fichiers supprimés auparavant.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n de plus</numerusform>
            <numerusform>... et %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Move them to the trash now?</source>
        <translation>Les mettre à la corbeille maintenant ?</translation>
    </message>
    <message>
        <source>Delete them for good now?</source>
        <translation>Les supprimer définitivement maintenant ?</translation>
    </message>
    <message>
        <source>Files that are not deleted stay out of this scan.</source>
        <translation>Les fichiers qui ne sont pas supprimés restent hors de cette analyse.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>the database holds no records</source>
        <translation>la base de données ne contient aucun enregistrement</translation>
    </message>
    <message numerus="yes">
        <source>its %n records are of files that are gone from a present volume</source>
        <translation>
            <numerusform>son %n enregistrement concerne un fichier disparu d&apos;un volume présent</numerusform>
            <numerusform>ses %n enregistrements concernent des fichiers disparus d&apos;un volume présent</numerusform>
        </translation>
    </message>
    <message>
        <source>empty folder</source>
        <translation>dossier vide</translation>
    </message>
    <message numerus="yes">
        <source>none of its %n files is of the chosen types</source>
        <translation>
            <numerusform>son %n fichier n&apos;est d&apos;aucun des types choisis</numerusform>
            <numerusform>aucun de ses %n fichiers n&apos;est d&apos;un des types choisis</numerusform>
        </translation>
    </message>
    <message>
        <source>a damaged database</source>
        <translation>une base de données endommagée</translation>
    </message>
    <message>
        <source>not a valid database</source>
        <translation>une base de données non valide</translation>
    </message>
    <message>
        <source>a database of a different version</source>
        <translation>une base de données d&apos;une autre version</translation>
    </message>
    <message>
        <source>Another program keeps %1 locked.</source>
        <translation>Un autre programme garde %1 verrouillé.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); it is taken as empty.</source>
        <translation>La liste des « pas un doublon » %1 est endommagée (%2) ; elle est considérée comme vide.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is full (%2 pairs).</source>
        <translation>La liste des « pas un doublon » %1 est pleine (%2 paires).</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); the pair was not added and the list was left as it is.</source>
        <translation>La liste des « pas un doublon » %1 est endommagée (%2) ; la paire n&apos;a pas été ajoutée et la liste est restée telle quelle.</translation>
    </message>
    <message>
        <source>The Base List contained no files, so the scan was not run (it would have compared the Compare List with itself).</source>
        <translation>La liste de base ne contenait aucun fichier ; l&apos;analyse n&apos;a donc pas été lancée (elle aurait comparé la liste de comparaison avec elle-même).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them matched only by size and CRC-32 (entries of an older deleted-file list).</source>
        <translation>
            <numerusform>%n d&apos;entre eux n&apos;a correspondu que par la taille et le CRC-32 (entrées d&apos;une ancienne liste de fichiers supprimés).</numerusform>
            <numerusform>%n d&apos;entre eux n&apos;ont correspondu que par la taille et le CRC-32 (entrées d&apos;une ancienne liste de fichiers supprimés).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the deleted-file list matched were not deleted and were left out of this scan.</source>
        <translation>
            <numerusform>%n fichier reconnu par la liste des fichiers supprimés n&apos;a pas été supprimé et a été écarté de cette analyse.</numerusform>
            <numerusform>%n fichiers reconnus par la liste des fichiers supprimés n&apos;ont pas été supprimés et ont été écartés de cette analyse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matched files were not deleted: they changed since they were read or could not be removed.</source>
        <translation>
            <numerusform>%n fichier reconnu n&apos;a pas été supprimé : il a changé depuis sa lecture ou n&apos;a pas pu être retiré.</numerusform>
            <numerusform>%n fichiers reconnus n&apos;ont pas été supprimés : ils ont changé depuis leur lecture ou n&apos;ont pas pu être retirés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were back where they had been deleted from: they were kept, and the deleted-file list forgot them.</source>
        <translation>
            <numerusform>%n fichier était revenu à l&apos;endroit d&apos;où il avait été supprimé : il a été conservé, et la liste des fichiers supprimés l&apos;a oublié.</numerusform>
            <numerusform>%n fichiers étaient revenus à l&apos;endroit d&apos;où ils avaient été supprimés : ils ont été conservés, et la liste des fichiers supprimés les a oubliés.</numerusform>
        </translation>
    </message>
    <message>
        <source>These folders were not found and were left out:</source>
        <translation>Ces dossiers sont introuvables et ont été écartés :</translation>
    </message>
    <message>
        <source>Finished Scanning for Duplicates.</source>
        <translation>Recherche des doublons terminée.</translation>
    </message>
    <message>
        <source>Found %1 possible duplicates in %2.</source>
        <translation>%1 doublons possibles trouvés en %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n files marked for Delete.</source>
        <translation>
            <numerusform>%n fichier marqué pour suppression.</numerusform>
            <numerusform>%n fichiers marqués pour suppression.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files automatically deleted.</source>
        <translation>
            <numerusform>%n fichier supprimé automatiquement.</numerusform>
            <numerusform>%n fichiers supprimés automatiquement.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be read.</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être lu.</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être lus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched by the deleted-file list, not deleted:</source>
        <translation>Reconnus par la liste des fichiers supprimés, non supprimés :</translation>
    </message>
    <message>
        <source>Automatically deleted:</source>
        <translation>Supprimés automatiquement :</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Illisibles :</translation>
    </message>
    <message>
        <source>Scan Canceled.</source>
        <translation>Analyse annulée.</translation>
    </message>
    <message>
        <source>You must first Add some folders to Scan.</source>
        <translation>Vous devez d&apos;abord ajouter des dossiers à analyser.</translation>
    </message>
    <message>
        <source>The Compare List contained no files.</source>
        <translation>La liste de comparaison ne contenait aucun fichier.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were automatically deleted.</source>
        <translation>
            <numerusform>%n fichier a été supprimé automatiquement.</numerusform>
            <numerusform>%n fichiers ont été supprimés automatiquement.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1   </source>
        <translation>Version %1   </translation>
    </message>
    <message>
        <source>File Date : %1</source>
        <translation>Date du fichier : %1</translation>
    </message>
    <message>
        <source>Linux:  %1.%2   </source>
        <translation>Linux :  %1.%2   </translation>
    </message>
    <message>
        <source>Physical memory:  %1 K</source>
        <translation>Mémoire physique :  %1 K</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Paramètres : %1</translation>
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
        <translation>Ajouter à la base de données</translation>
    </message>
    <message>
        <source>Add Folders to Database</source>
        <translation>Ajouter des dossiers à la base de données</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Done selecting folders, Add them to the database now.</source>
        <translation>Sélection des dossiers terminée : les ajouter maintenant à la base de données.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel the add.</source>
        <translation>Annuler l&apos;ajout.</translation>
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
        <translation>* = n&apos;importe quelle suite de caractères (même vide)
? = n&apos;importe quel caractère
# = n&apos;importe quel chiffre (0..9)
@ = n&apos;importe quelle lettre (A..Z, a..z)
sinon = ce caractère précis</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Filename Compare</source>
        <translation>Comparaison des noms</translation>
    </message>
    <message>
        <source>&amp;Image Compare</source>
        <translation>Comparaison des &amp;images</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Ignore Numeric Filenames</source>
        <translation>Ignorer les noms de fichiers numériques</translation>
    </message>
    <message>
        <source>Use Ignore List</source>
        <translation>Utiliser la liste d&apos;exclusion</translation>
    </message>
    <message>
        <source>Ignore filenames containing...</source>
        <translation>Ignorer les noms de fichiers contenant...</translation>
    </message>
    <message>
        <source>&amp;Auto Mark Delete</source>
        <translation>Marquage &amp;automatique pour suppression</translation>
    </message>
    <message>
        <source>&amp;Fuzz Factor:</source>
        <translation>&amp;Facteur de tolérance :</translation>
    </message>
    <message>
        <source>If errors are</source>
        <translation>Si l&apos;écart est de</translation>
    </message>
    <message>
        <source>and width is within</source>
        <translation>et la largeur à moins de</translation>
    </message>
    <message>
        <source>and height is within</source>
        <translation>et la hauteur à moins de</translation>
    </message>
    <message>
        <source>and filesize is within</source>
        <translation>et la taille du fichier à moins de</translation>
    </message>
    <message>
        <source>then mark for delete.</source>
        <translation>alors marquer pour suppression.</translation>
    </message>
    <message>
        <source>The Lower the Fuzz Factor, the more accurate the search.</source>
        <translation>Plus le facteur de tolérance est bas, plus la recherche est précise.</translation>
    </message>
    <message>
        <source>Con&amp;firm File Deletes</source>
        <translation>Con&amp;firmer la suppression des fichiers</translation>
    </message>
    <message>
        <source>&amp;Move Deleted Files to the Trash</source>
        <translation>&amp;Mettre les fichiers supprimés à la corbeille</translation>
    </message>
    <message>
        <source>&amp;Beep on Delete</source>
        <translation>&amp;Bip à la suppression</translation>
    </message>
    <message>
        <source>&amp;Navigate with Arrows / Page Keys</source>
        <translation>&amp;Naviguer avec les flèches et Page préc./suiv.</translation>
    </message>
    <message>
        <source>Check A / B Drives.</source>
        <translation>Vérifier les lecteurs de disquettes A / B.</translation>
    </message>
    <message>
        <source>Use &amp;Deleted List</source>
        <translation>Utiliser la liste des fichiers &amp;supprimés</translation>
    </message>
    <message>
        <source>Also find &amp;rotated and mirrored copies</source>
        <translation>Trouver aussi les copies tou&amp;rnées et en miroir</translation>
    </message>
    <message>
        <source>Also compare &amp;newer picture types (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, camera raw)</source>
        <translation>Comparer aussi les types d&apos;images &amp;récents (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, raw d&apos;appareil photo)</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseDialog</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Base de données VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Note:  It is NOT recommended to place files from different
removable disks in the same database.  Create a separate
database for each removable disk.</source>
        <translation>Remarque : il n&apos;est PAS recommandé de placer des fichiers de différents
supports amovibles dans la même base de données. Créez une
base de données distincte pour chaque support amovible.</translation>
    </message>
    <message>
        <source>Database Management</source>
        <translation>Gestion des bases de données</translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Nouvelle base de données</translation>
    </message>
    <message>
        <source>Create a New database.</source>
        <translation>Créer une nouvelle base de données.</translation>
    </message>
    <message>
        <source>&amp;Add to Database</source>
        <translation>&amp;Ajouter à la base de données</translation>
    </message>
    <message>
        <source>Add new files to, and freshen files in an existing database.</source>
        <translation>Ajouter de nouveaux fichiers à une base de données existante et actualiser ceux qu&apos;elle contient.</translation>
    </message>
    <message>
        <source>&amp;Freshen files (and pack local files).</source>
        <translation>&amp;Actualiser les fichiers (et compacter les fichiers locaux).</translation>
    </message>
    <message>
        <source>Look for existing files, and update if changed.</source>
        <translation>Rechercher les fichiers existants et les mettre à jour s&apos;ils ont changé.</translation>
    </message>
    <message>
        <source>&amp;Explore Database</source>
        <translation>&amp;Explorer la base de données</translation>
    </message>
    <message>
        <source>View the contents of your existing Databases.</source>
        <translation>Voir le contenu de vos bases de données existantes.</translation>
    </message>
    <message>
        <source>&amp;Cancel Operation</source>
        <translation>Annuler l&apos;&amp;opération</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseExplorer</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Base de données VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Database Explorer</source>
        <translation>Explorateur de base de données</translation>
    </message>
    <message>
        <source>Load a VL Database.</source>
        <translation>Charger une base de données VL.</translation>
    </message>
    <message>
        <source>Find Next Matching File.</source>
        <translation>Trouver le fichier correspondant suivant.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Erreur de lecture du fichier image.</translation>
    </message>
</context>
<context>
    <name>vl::gui::DupeListDelegate</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
</context>
<context>
    <name>vl::gui::DupeListModel</name>
    <message>
        <source>Almost uniform picture: check before deleting.</source>
        <translation>Image presque uniforme : à vérifier avant de supprimer.</translation>
    </message>
    <message>
        <source>Paired by fingerprints alone, not verified: check before deleting.</source>
        <translation>Apparié par les seules empreintes, non vérifié : à vérifier avant de supprimer.</translation>
    </message>
</context>
<context>
    <name>vl::gui::ExplorerListModel</name>
    <message>
        <source>Path</source>
        <extracomment>Column headers of the database explorer&apos;s file list; &quot;Del&quot; shows whether the file was deleted.</extracomment>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Filesize</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
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

Supprimer aussi ces dernières copies ? Avec « Non », chaque fichier de ces groupes reste à sa place.</translation>
    </message>
    <message>
        <source>No file was deleted</source>
        <translation>Aucun fichier n&apos;a été supprimé</translation>
    </message>
    <message>
        <source>%1 moved to the trash</source>
        <translation>%1 mis à la corbeille</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 supprimé définitivement</translation>
    </message>
    <message>
        <source>Confirm File Delete...</source>
        <translation>Confirmer la suppression...</translation>
    </message>
    <message>
        <source>No marked file to delete</source>
        <translation>Aucun fichier marqué à supprimer</translation>
    </message>
    <message>
        <source>Confirm Deletion of all visible marked files...</source>
        <translation>Confirmer la suppression de tous les fichiers marqués visibles...</translation>
    </message>
    <message>
        <source>Confirm Deletion of ALL marked files...</source>
        <translation>Confirmer la suppression de TOUS les fichiers marqués...</translation>
    </message>
    <message>
        <source>Choose the New Volume Root for This File</source>
        <translation>Choisir le nouveau point de montage de ce fichier</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Unable to show the file in its folder.</source>
        <translation>Impossible d&apos;afficher le fichier dans son dossier.</translation>
    </message>
    <message>
        <source>%1 will be moved to the trash.</source>
        <translation>%1 sera mis à la corbeille.</translation>
    </message>
    <message>
        <source>%1 will be deleted for good; this cannot be undone.</source>
        <translation>%1 sera supprimé définitivement ; c&apos;est irréversible.</translation>
    </message>
    <message numerus="yes">
        <source>%n group would lose every copy of its file.</source>
        <translation>
            <numerusform>%n groupe perdrait toutes les copies de son fichier.</numerusform>
            <numerusform>%n groupes perdraient toutes les copies de leur fichier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups would lose every copy of their file.</source>
        <translation>
            <numerusform>%n groupe perdrait toutes les copies de son fichier.</numerusform>
            <numerusform>%n groupes perdraient toutes les copies de leur fichier.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePaneTransfers</name>
    <message>
        <source>DropSource Demo</source>
        <translation>Glisser-déposer</translation>
    </message>
    <message>
        <source>The destination folder is the same as the source!</source>
        <translation>Le dossier de destination est le même que le dossier source !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
</context>
<context>
    <name>vl::gui::FilterComboBox</name>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Fichiers audio</translation>
    </message>
    <message>
        <source>Video Files</source>
        <translation>Fichiers vidéo</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>vl::gui::FolderListBox</name>
    <message>
        <source>Select Folder to Scan.</source>
        <translation>Choisir le dossier à analyser.</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Base de données VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Add Folders to Scan.</source>
        <translation>Ajouter des dossiers à analyser.</translation>
    </message>
    <message>
        <source>Remove the Selected Folder.</source>
        <translation>Retirer le dossier sélectionné.</translation>
    </message>
    <message>
        <source>Clear the Folder list.</source>
        <translation>Vider la liste des dossiers.</translation>
    </message>
    <message>
        <source>Load a Folder List from file.</source>
        <translation>Charger une liste de dossiers depuis un fichier.</translation>
    </message>
    <message>
        <source>Save the current Folder List to file.</source>
        <translation>Enregistrer la liste de dossiers dans un fichier.</translation>
    </message>
    <message>
        <source>Add a VL Database</source>
        <translation>Ajouter une base de données VL</translation>
    </message>
    <message>
        <source>+DB</source>
        <translation>+BD</translation>
    </message>
    <message>
        <source>Scan all subfolders?</source>
        <translation>Analyser tous les sous-dossiers ?</translation>
    </message>
</context>
<context>
    <name>vl::gui::FoldersDialog</name>
    <message>
        <source>Folders to Scan</source>
        <translation>Dossiers à analyser</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Fichiers de base</translation>
    </message>
    <message>
        <source>Files to Compare against Base</source>
        <translation>Fichiers à comparer aux fichiers de base</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Database &amp;Management</source>
        <translation>Gestion des &amp;bases de données</translation>
    </message>
</context>
<context>
    <name>vl::gui::HelpWindow</name>
    <message>
        <source>Velloran Help</source>
        <translation>Aide de Velloran</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>vl::gui::MainWindow</name>
    <message>
        <source>Del</source>
        <extracomment>Column headers of the duplicate list; &quot;Del&quot; is the column that shows a file&apos;s deletion mark.</extracomment>
        <translation>Suppr.</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Fichiers de base</translation>
    </message>
    <message>
        <source>|The base images that have possible duplicates.</source>
        <translation>|Les images de base qui ont des doublons possibles.</translation>
    </message>
    <message>
        <source>All Dupes</source>
        <translation>Tous les doublons</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marqués</translation>
    </message>
    <message>
        <source>How much the picture differs from the group&apos;s base: 0 for the base and for the same picture, more for a picture that looks less alike</source>
        <translation>Écart entre l&apos;image et le fichier de base de son groupe : 0 pour le fichier de base et pour la même image, davantage pour une image moins ressemblante</translation>
    </message>
    <message>
        <source>Ready To Scan</source>
        <translation>Prêt à analyser</translation>
    </message>
    <message>
        <source>The marks were changed since the results were last saved.

Save the results before closing?</source>
        <translation>Les marques ont changé depuis le dernier enregistrement des résultats.

Enregistrer les résultats avant de fermer ?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;JPEG Options</source>
        <translation>Options &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>É&amp;chelle</translation>
    </message>
    <message>
        <source>&amp;Performance</source>
        <translation>&amp;Performances</translation>
    </message>
    <message>
        <source>File &amp;Management</source>
        <translation>&amp;Gestion des fichiers</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleCommands</name>
    <message>
        <source>Reading the date taken and camera of each file...</source>
        <translation>Lecture de la date de prise de vue et de l&apos;appareil de chaque fichier...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleDialog</name>
    <message>
        <source>Highest resolution (width x height)</source>
        <translation>Plus haute résolution (largeur x hauteur)</translation>
    </message>
    <message>
        <source>Largest file</source>
        <translation>Fichier le plus gros</translation>
    </message>
    <message>
        <source>Smallest file</source>
        <translation>Fichier le plus petit</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Le plus récent</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Le plus ancien</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Chemin le plus court</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Chemin le plus long</translation>
    </message>
    <message>
        <source>Name without a copy marker (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</source>
        <extracomment>The quoted markers are what the rule looks for in file names: keep them as they are.</extracomment>
        <translation>Nom sans marque de copie (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</translation>
    </message>
    <message>
        <source>Inside folder ...</source>
        <translation>Dans le dossier ...</translation>
    </message>
    <message>
        <source>Mark by Rule</source>
        <translation>Marquer selon une règle</translation>
    </message>
    <message>
        <source>Each group keeps the best file by the first checked criterion that tells its files apart; every other file is marked.</source>
        <translation>Chaque groupe garde le meilleur fichier selon le premier critère coché qui départage ses fichiers ; tous les autres fichiers sont marqués.</translation>
    </message>
    <message>
        <source>Apply after every &amp;scan</source>
        <translation>Appliquer après chaque &amp;analyse</translation>
    </message>
    <message>
        <source>Choose only among each group&apos;s base and mar&amp;ked files (unmarked files stay unmarked)</source>
        <translation>Choisir seulement parmi le fichier de base et les fichiers mar&amp;qués de chaque groupe (les fichiers non marqués le restent)</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Marquer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Keep the file with</source>
        <translation>Garder le fichier avec</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Never mark files in these folders</source>
        <translation>Ne jamais marquer les fichiers de ces dossiers</translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation>A&amp;jouter un dossier...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Inside Folder</source>
        <translation>Dans le dossier</translation>
    </message>
    <message>
        <source>Protected Folder</source>
        <translation>Dossier protégé</translation>
    </message>
    <message>
        <source>Earliest taken (EXIF date, else the file date)</source>
        <translation>Prise de vue la plus ancienne (date EXIF, sinon date du fichier)</translation>
    </message>
    <message>
        <source>Has camera data (EXIF make or model)</source>
        <translation>A des données d&apos;appareil photo (marque ou modèle EXIF)</translation>
    </message>
    <message>
        <source>Camera raw file first</source>
        <translation>Fichier raw d&apos;appareil photo d&apos;abord</translation>
    </message>
    <message>
        <source>JPEG file first</source>
        <translation>Fichier JPEG d&apos;abord</translation>
    </message>
</context>
<context>
    <name>vl::gui::MatchingChoice</name>
    <message>
        <source>Picture matching</source>
        <translation>Correspondance des images</translation>
    </message>
    <message>
        <source>Find &amp;edited copies (recommended)</source>
        <translation>Trouver les copies &amp;modifiées (recommandé)</translation>
    </message>
    <message>
        <source>C&amp;lassic fingerprint match</source>
        <translation>Correspondance c&amp;lassique par empreinte</translation>
    </message>
    <message>
        <source>Resized, recompressed, cropped, greyscale and re-formatted copies, each pair confirmed by a finer signature.</source>
        <translation>Copies redimensionnées, recompressées, recadrées, en niveaux de gris et converties dans un autre format, chaque paire confirmée par une signature plus fine.</translation>
    </message>
    <message>
        <source>The fingerprint alone, as earlier versions matched: misses more copies and pairs more different pictures.</source>
        <translation>L&apos;empreinte seule, comme dans les versions précédentes : manque plus de copies et apparie plus d&apos;images différentes.</translation>
    </message>
</context>
<context>
    <name>vl::gui::NotDuplicateCommands</name>
    <message>
        <source>Forget every pair of files marked as not duplicates?</source>
        <translation>Oublier toutes les paires de fichiers marquées comme n&apos;étant pas des doublons ?</translation>
    </message>
</context>
<context>
    <name>vl::gui::PreviewController</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Erreur de lecture du fichier image.</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3, %4</source>
        <translation>%1 × %2 pixels, %3, %4</translation>
    </message>
</context>
<context>
    <name>vl::gui::ResultsFileCommands</name>
    <message>
        <source>Velloran Results (*.vlr)|*.vlr</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Résultats Velloran (*.vlr)|*.vlr</translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanOptionsDialog</name>
    <message>
        <source>Scan Options</source>
        <translation>Options d&apos;analyse</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Comparaison approximative.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Chercher les noms de fichiers identiques.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames, and Filesize.</source>
        <translation>Chercher les noms de fichiers et tailles identiques.</translation>
    </message>
    <message>
        <source>Compare contents of files.</source>
        <translation>Comparer le contenu des fichiers.</translation>
    </message>
    <message>
        <source>&amp;Start Scan</source>
        <translation>&amp;Lancer l&apos;analyse</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanWizard</name>
    <message>
        <source>Velloran is an amazingly powerful tool for Locating and Removing Duplicate images from your computer.
 
Velloran has a number of features designed for serious collectors, but like anything else, these features may be a bit confusing for novice users.
 
If you are New to Velloran, we recommend that you use this Wizard for your first few scans.  Once you have a better understanding of the program, you may find the Classic interface more efficient.</source>
        <translation>Velloran est un outil remarquablement puissant pour repérer et supprimer les images en double de votre ordinateur.
 
Velloran offre de nombreuses fonctions conçues pour les collectionneurs exigeants, mais comme toute chose, elles peuvent dérouter un peu les débutants.
 
Si vous découvrez Velloran, nous vous conseillons d&apos;utiliser cet assistant pour vos premières analyses. Une fois le programme mieux connu, l&apos;interface classique vous semblera peut-être plus efficace.</translation>
    </message>
    <message>
        <source>Actually look at the images, and do a &quot;Visual&quot; Comparison.  This will find Resized, Resampled, Scaled, Cropped, Color Corrected, and otherwise altered images.  It does however find erroneous matches.  This is the Slowest Scan Method, but can be sped up dramatically by using Databases (See Help File).</source>
        <translation>Regarder vraiment les images et les comparer « visuellement ». Cela trouve les images redimensionnées, rééchantillonnées, mises à l&apos;échelle, recadrées, corrigées en couleur ou autrement modifiées, mais aussi de fausses correspondances. C&apos;est la méthode d&apos;analyse la plus lente, mais les bases de données l&apos;accélèrent considérablement (voir l&apos;aide).</translation>
    </message>
    <message>
        <source>Find all files with duplicate Filenames.</source>
        <translation>Trouver tous les fichiers aux noms identiques.</translation>
    </message>
    <message>
        <source>Find all files with Duplicate Filenames that are the same Size.</source>
        <translation>Trouver tous les fichiers aux noms identiques et de même taille.</translation>
    </message>
    <message>
        <source>Find all Files that have identical Filesizes and Identical File Contents.  This will find Exact Duplicates, and is the fastest Scan Method.</source>
        <translation>Trouver tous les fichiers de taille et de contenu identiques. Cela trouve les doublons exacts ; c&apos;est la méthode d&apos;analyse la plus rapide.</translation>
    </message>
    <message>
        <source>&amp;Add Folder</source>
        <translation>&amp;Ajouter un dossier</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Add &amp;Database</source>
        <translation>Ajouter une &amp;base de données</translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation>&amp;Charger une liste</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Enregistrer la liste</translation>
    </message>
    <message>
        <source>VL Scan Wizard</source>
        <translation>Assistant d&apos;analyse VL</translation>
    </message>
    <message>
        <source>Welcome to Velloran</source>
        <translation>Bienvenue dans Velloran</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Assistant</translation>
    </message>
    <message>
        <source>&amp;Show this screen at Startup.</source>
        <translation>Afficher cet écran au &amp;démarrage.</translation>
    </message>
    <message>
        <source>Select Base Files</source>
        <translation>Choisir les fichiers de base</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Make sure that this list is blank, and proceed to the next step.</source>
        <translation>Si c&apos;est votre première analyse, laissez cette liste vide et passez à l&apos;étape suivante.</translation>
    </message>
    <message>
        <source>If you already have a Collection that you want to compare NEW files against, place your existing collection in this list.</source>
        <translation>Si vous avez déjà une collection à laquelle comparer de NOUVEAUX fichiers, placez votre collection existante dans cette liste.</translation>
    </message>
    <message>
        <source>Select Compare Files</source>
        <translation>Choisir les fichiers à comparer</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Add the Folders you want to Scan to this list.</source>
        <translation>Si c&apos;est votre première analyse, ajoutez à cette liste les dossiers à analyser.</translation>
    </message>
    <message>
        <source>If you already have a Collection Add the Folders containing your New (Incoming) files to this list.  These new files will be compared against your existing collection.</source>
        <translation>Si vous avez déjà une collection, ajoutez à cette liste les dossiers contenant vos nouveaux fichiers (entrants). Ces nouveaux fichiers seront comparés à votre collection existante.</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Comparaison approximative.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Chercher les noms de fichiers identiques.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Once you have selected the folders to Scan, you can select the Scan Method to use...</source>
        <translation>Une fois les dossiers à analyser choisis, vous pouvez choisir la méthode d&apos;analyse...</translation>
    </message>
    <message>
        <source>&lt;- &amp;Back</source>
        <translation>&lt;- &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Suivant -&gt;</translation>
    </message>
</context>
<context>
    <name>vl::gui::UndoCommand</name>
    <message>
        <source>Nothing was undone: another file now stands where a file would go back, or the folder it came from is gone. Move it out of the way and undo again.</source>
        <translation>Rien n&apos;a été annulé : un autre fichier occupe désormais la place où un fichier devait revenir, ou son dossier d&apos;origine a disparu. Déplacez-le et annulez de nouveau.</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Annuler la suppression</translation>
    </message>
    <message>
        <source>Can&apos;t &amp;Undo Delete</source>
        <translation>Impossible d&apos;&amp;annuler la suppression</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Annuler le déplacement</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Annuler le renommage</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler l&apos;action</translation>
    </message>
    <message>
        <source>|The last files were deleted for good: they cannot be brought back.</source>
        <translation>|Les derniers fichiers ont été supprimés définitivement : ils ne peuvent pas être récupérés.</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Récupérer les fichiers de la dernière suppression, du dernier déplacement ou du dernier renommage.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Rien n&apos;a été annulé.</translation>
    </message>
    <message>
        <source>Some files could not be brought back.</source>
        <translation>Certains fichiers n&apos;ont pas pu être récupérés.</translation>
    </message>
    <message>
        <source>%1 back from the trash</source>
        <translation>%1 récupéré de la corbeille</translation>
    </message>
    <message>
        <source>Renamed back to %1</source>
        <translation>Renommé de nouveau en %1</translation>
    </message>
    <message>
        <source>Moved back to %1</source>
        <translation>Replacé dans %1</translation>
    </message>
</context>
<context>
    <name>vl::gui::VelloranApplication</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
</TS>
