<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Actions</name>
    <message>
        <source>Scan &amp;Wizard...</source>
        <translation>&amp;Asistente de análisis...</translation>
    </message>
    <message>
        <source>Scan Wizard</source>
        <translation>Asistente de análisis</translation>
    </message>
    <message>
        <source>&amp;Edit Folders...</source>
        <translation>&amp;Editar carpetas...</translation>
    </message>
    <message>
        <source>Select Folders to Scan.</source>
        <translation>Seleccionar las carpetas que analizar.</translation>
    </message>
    <message>
        <source>&amp;Database Management...</source>
        <translation>Gestión de &amp;bases de datos...</translation>
    </message>
    <message>
        <source>Create and manage your Velloran databases.</source>
        <translation>Crear y gestionar sus bases de datos de Velloran.</translation>
    </message>
    <message>
        <source>Co&amp;nfigure...</source>
        <translation>&amp;Configurar...</translation>
    </message>
    <message>
        <source>Configure Velloran.</source>
        <translation>Configurar Velloran.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>Start the Scan.</source>
        <translation>Iniciar el análisis.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel Scanning.</source>
        <translation>Cancelar el análisis.</translation>
    </message>
    <message>
        <source>Use Deleted List.</source>
        <translation>Usar la lista de archivos eliminados.</translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation>&amp;Eliminar archivo</translation>
    </message>
    <message>
        <source>Delete Selected File.</source>
        <translation>Eliminar el archivo seleccionado.</translation>
    </message>
    <message>
        <source>&amp;Mark Selected File</source>
        <translation>&amp;Marcar archivo seleccionado</translation>
    </message>
    <message>
        <source>Mark / UnMark Selected File for Deletion. (Space)</source>
        <translation>Marcar o desmarcar el archivo seleccionado para eliminarlo. (Espacio)</translation>
    </message>
    <message>
        <source>Delete Mar&amp;ked</source>
        <translation>Eliminar mar&amp;cados</translation>
    </message>
    <message>
        <source>Delete Visible Marked Files.</source>
        <translation>Eliminar los archivos marcados visibles.</translation>
    </message>
    <message>
        <source>Delete &amp;All Marked</source>
        <translation>Eliminar &amp;todos los marcados</translation>
    </message>
    <message>
        <source>Delete ALL Marked Files.</source>
        <translation>Eliminar TODOS los archivos marcados.</translation>
    </message>
    <message>
        <source>&amp;Full Size</source>
        <translation>&amp;Tamaño completo</translation>
    </message>
    <message>
        <source>Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane.</source>
        <translation>Tamaño completo (desactivado: ajustado al panel)|Mostrar la imagen a tamaño completo o ajustada a su panel.</translation>
    </message>
    <message>
        <source>Side &amp;by Side</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected.</source>
        <translation>Archivo base junto al archivo seleccionado (desactivado: solo el archivo seleccionado)|Mostrar el archivo base Y el seleccionado, o solo el seleccionado.</translation>
    </message>
    <message>
        <source>Scroll in &amp;Unison</source>
        <translation>Desplazamiento &amp;simultáneo</translation>
    </message>
    <message>
        <source>Scroll both pictures together|Scroll Images in Unison.</source>
        <translation>Desplazar ambas imágenes a la vez|Desplazar las imágenes a la vez.</translation>
    </message>
    <message>
        <source>Show File &amp;Panes</source>
        <translation>Mostrar &amp;paneles de archivos</translation>
    </message>
    <message>
        <source>Show the folders of both files|Show File Pane.</source>
        <translation>Mostrar las carpetas de ambos archivos|Mostrar el panel de archivos.</translation>
    </message>
    <message>
        <source>&amp;Load Results...</source>
        <translation>Ca&amp;rgar resultados...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Results...</source>
        <translation>&amp;Guardar resultados...</translation>
    </message>
    <message>
        <source>Ex&amp;port Results...</source>
        <translation>E&amp;xportar resultados...</translation>
    </message>
    <message>
        <source>Write the results to a CSV or JSON file.</source>
        <translation>Escribir los resultados en un archivo CSV o JSON.</translation>
    </message>
    <message>
        <source>&amp;Add Files to Deleted List...</source>
        <translation>Añadir archivos a la &amp;lista de eliminados...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Recuperar los archivos de la última eliminación, traslado o cambio de nombre.</translation>
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
        <translation>Mejor &amp;calidad</translation>
    </message>
    <message>
        <source>Best &amp;Speed</source>
        <translation>Mayor &amp;velocidad</translation>
    </message>
    <message>
        <source>&amp;Remove when no duplicates</source>
        <translation>&amp;Quitar cuando no haya duplicados</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar en la &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Copy File to...</source>
        <translation>&amp;Copiar archivo a...</translation>
    </message>
    <message>
        <source>Mo&amp;ve / Rename File...</source>
        <translation>&amp;Mover / cambiar nombre del archivo...</translation>
    </message>
    <message>
        <source>&amp;Remove Base Group</source>
        <translation>Quitar el &amp;grupo base</translation>
    </message>
    <message>
        <source>Remove Dupe Group.</source>
        <translation>Quitar el grupo de duplicados.</translation>
    </message>
    <message>
        <source>&amp;Not a Duplicate</source>
        <translation>&amp;No es un duplicado</translation>
    </message>
    <message>
        <source>Remember that the selected file is not a duplicate of its base.</source>
        <translation>Recordar que el archivo seleccionado no es un duplicado de su archivo base.</translation>
    </message>
    <message>
        <source>&amp;Forget Not-Duplicates</source>
        <translation>&amp;Olvidar los no duplicados</translation>
    </message>
    <message>
        <source>Pair again every file remembered as not a duplicate.</source>
        <translation>Volver a emparejar cada archivo recordado como no duplicado.</translation>
    </message>
    <message>
        <source>Change Volume &amp;Root...</source>
        <translation>Cambiar el punto de &amp;montaje...</translation>
    </message>
    <message>
        <source>Look for the file under another mount point.</source>
        <translation>Buscar el archivo bajo otro punto de montaje.</translation>
    </message>
    <message>
        <source>Mark &amp;by Rule...</source>
        <translation>Marcar por &amp;regla...</translation>
    </message>
    <message>
        <source>Keep the best file of each group and mark the others.</source>
        <translation>Conservar el mejor archivo de cada grupo y marcar los demás.</translation>
    </message>
    <message>
        <source>&amp;Unmark All</source>
        <translation>&amp;Desmarcar todo</translation>
    </message>
    <message>
        <source>Clear every mark.</source>
        <translation>Quitar todas las marcas.</translation>
    </message>
    <message>
        <source>&amp;Sort Alphabetically</source>
        <translation>&amp;Ordenar alfabéticamente</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Help &amp;Contents...	F1</source>
        <translation>&amp;Contenido de la ayuda...	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
</context>
<context>
    <name>FileSummaries</name>
    <message numerus="yes">
        <source>%n file, %1</source>
        <translation>
            <numerusform>%n archivo, %1</numerusform>
            <numerusform>%n archivos, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n archivo, %1</numerusform>
            <numerusform>%n archivos, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Unable to find the help file %1 in the folder
%2</source>
        <translation>No se encuentra el archivo de ayuda %1 en la carpeta
%2</translation>
    </message>
</context>
<context>
    <name>ScanModeButtons</name>
    <message>
        <source>Compare &amp;Images</source>
        <translation>Comparar &amp;imágenes</translation>
    </message>
    <message>
        <source>Compare Filena&amp;mes</source>
        <translation>Comparar &amp;nombres de archivo</translation>
    </message>
    <message>
        <source>Compare Filename and Si&amp;ze</source>
        <translation>Comparar nombre y &amp;tamaño</translation>
    </message>
    <message>
        <source>Compare File Size and Con&amp;tents</source>
        <translation>Comparar tamaño y con&amp;tenido</translation>
    </message>
</context>
<context>
    <name>vl::core</name>
    <message>
        <source>Ready To Scan</source>
        <translation>Listo para analizar</translation>
    </message>
    <message>
        <source>Getting Drive Information.</source>
        <translation>Obteniendo información de las unidades.</translation>
    </message>
    <message>
        <source>Loading Base List.</source>
        <translation>Cargando la lista base.</translation>
    </message>
    <message>
        <source>Loading Compare List.</source>
        <translation>Cargando la lista de comparación.</translation>
    </message>
    <message>
        <source>Reading Base Images</source>
        <translation>Leyendo las imágenes base</translation>
    </message>
    <message>
        <source>Reading Compare Images</source>
        <translation>Leyendo las imágenes que comparar</translation>
    </message>
    <message>
        <source>Comparing Images</source>
        <translation>Comparando imágenes</translation>
    </message>
    <message>
        <source>Marking Duplicates</source>
        <translation>Marcando duplicados</translation>
    </message>
    <message>
        <source>Waiting for another program to finish with the database</source>
        <translation>Esperando a que otro programa termine con la base de datos</translation>
    </message>
    <message>
        <source>Scanning Files</source>
        <translation>Analizando archivos</translation>
    </message>
    <message>
        <source>Scanning New Files</source>
        <translation>Analizando archivos nuevos</translation>
    </message>
    <message>
        <source>Scanning Database</source>
        <translation>Analizando la base de datos</translation>
    </message>
    <message>
        <source>Freshening DB Files</source>
        <translation>Actualizando archivos de la base</translation>
    </message>
    <message>
        <source>Adding New files to DB</source>
        <translation>Añadiendo archivos nuevos a la base</translation>
    </message>
    <message>
        <source>Reading Images</source>
        <translation>Leyendo imágenes</translation>
    </message>
    <message>
        <source>Writing to Database</source>
        <translation>Escribiendo en la base de datos</translation>
    </message>
    <message>
        <source>Saving Database</source>
        <translation>Guardando la base de datos</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>quedan unos %1</translation>
    </message>
    <message>
        <source>Error in creating database.</source>
        <translation>Error al crear la base de datos.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n archivo quedó fuera de %1: su ruta supera los %2 bytes.</numerusform>
            <numerusform>%n archivos quedaron fuera de %1: sus rutas superan los %2 bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of the %2 records of %3 are of files that are gone from a present volume, more than a tenth of the database. A folder may have been renamed or be offline.</source>
        <translation>%1 de los %2 registros de %3 son de archivos que han desaparecido de un volumen presente, más de una décima parte de la base de datos. Puede que se haya cambiado el nombre de una carpeta o que no esté disponible.</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more folders</source>
        <translation>
            <numerusform>... y %n carpeta más</numerusform>
            <numerusform>... y %n carpetas más</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove these records from the database? With No they are kept.</source>
        <translation>¿Quitar estos registros de la base de datos? Con «No» se conservan.</translation>
    </message>
    <message>
        <source>%1 records added, %2 refreshed, %3 removed.</source>
        <translation>%1 registros añadidos, %2 actualizados, %3 quitados.</translation>
    </message>
    <message numerus="yes">
        <source>%n records of files that are gone from a present volume were kept: they are more than a tenth of the database.</source>
        <translation>
            <numerusform>Se conservó %n registro de un archivo desaparecido de un volumen presente: esos registros superan una décima parte de la base de datos.</numerusform>
            <numerusform>Se conservaron %n registros de archivos desaparecidos de un volumen presente: superan una décima parte de la base de datos.</numerusform>
        </translation>
    </message>
    <message>
        <source>You must select some folders to add to the new database.</source>
        <translation>Debe seleccionar carpetas que añadir a la base de datos nueva.</translation>
    </message>
    <message>
        <source>You must select some folders to add to the database.</source>
        <translation>Debe seleccionar carpetas que añadir a la base de datos.</translation>
    </message>
    <message>
        <source>Database saved in %1.</source>
        <translation>Base de datos guardada en %1.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file.</source>
        <translation>%1

no es un archivo de base de datos VL (*.VDB).</translation>
    </message>
    <message>
        <source>Unable to locate database file 

%1</source>
        <translation>No se encuentra el archivo de base de datos 

%1</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid database.</source>
        <translation>%1

no parece ser una base de datos válida.</translation>
    </message>
    <message>
        <source>Database: 

%1

is a different version, can not open.</source>
        <translation>La base de datos 

%1

es de otra versión; no se puede abrir.</translation>
    </message>
    <message>
        <source>Image has been moved or Deleted.</source>
        <translation>La imagen se ha movido o eliminado.</translation>
    </message>
    <message>
        <source>Image : %1 not found.</source>
        <translation>Imagen %1 no encontrada.</translation>
    </message>
    <message>
        <source>Insert disk &quot;%1&quot; into your %2 drive and try again.</source>
        <translation>Inserte el disco «%1» en su unidad %2 e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No Application association for &quot;%1&quot;</source>
        <translation>Ninguna aplicación asociada a «%1»</translation>
    </message>
    <message>
        <source>Fingerprint cache unavailable: %1; going on without it.</source>
        <translation>Caché de huellas no disponible: %1; se continúa sin ella.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not appear to be a valid Deleted File list; it was left unchanged.</source>
        <translation>%1 no parece ser una lista de archivos eliminados válida; no se modificó.</translation>
    </message>
    <message>
        <source>%1 is a different version; it was left unchanged.</source>
        <translation>%1 es de otra versión; no se modificó.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; the changes were not saved.</source>
        <translation>%1 está en uso por otro programa; los cambios no se guardaron.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ha desaparecido</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>ya no es un archivo normal</translation>
    </message>
    <message>
        <source>another file is there now</source>
        <translation>ahora hay otro archivo ahí</translation>
    </message>
    <message>
        <source>it changed since it was read</source>
        <translation>ha cambiado desde que se leyó</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid Deleted File list.</source>
        <translation>%1

no parece ser una lista de archivos eliminados válida.</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>is not a regular file (a folder, a link or a device); left alone</source>
        <translation>no es un archivo normal (una carpeta, un enlace o un dispositivo); no se toca</translation>
    </message>
    <message>
        <source>changed since the scan (size or modification time); left alone</source>
        <translation>ha cambiado desde el análisis (tamaño o fecha de modificación); no se toca</translation>
    </message>
    <message>
        <source>changed while it was being checked; left alone</source>
        <translation>ha cambiado mientras se comprobaba; no se toca</translation>
    </message>
    <message>
        <source>is not a picture, and only the pictures of picture results are deleted; left alone</source>
        <translation>no es una imagen, y de los resultados de imágenes solo se eliminan las imágenes; no se toca</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>cannot be read as a picture</source>
        <translation>no se puede leer como imagen</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked (%2); left alone</source>
        <translation>su copia %1 no se pudo comprobar (%2); no se toca</translation>
    </message>
    <message>
        <source>its contents are no longer those of its copy %1; left alone</source>
        <translation>su contenido ya no es el de su copia %1; no se toca</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked; left alone</source>
        <translation>su copia %1 no se pudo comprobar; no se toca</translation>
    </message>
    <message>
        <source>its picture no longer matches its copy %1 (%2 differences where the scan allowed %3); left alone</source>
        <translation>su imagen ya no coincide con su copia %1 (%2 diferencias donde el análisis admitía %3); no se toca</translation>
    </message>
    <message>
        <source>is not in the results; left alone</source>
        <translation>no está en los resultados; no se toca</translation>
    </message>
    <message>
        <source>%1; left alone</source>
        <translation>%1; no se toca</translation>
    </message>
    <message>
        <source>is no longer the file the scan found there; left alone</source>
        <translation>ya no es el archivo que el análisis encontró ahí; no se toca</translation>
    </message>
    <message>
        <source>its group would lose every copy; left alone</source>
        <translation>su grupo perdería todas las copias; no se toca</translation>
    </message>
    <message>
        <source>it is still there</source>
        <translation>sigue ahí</translation>
    </message>
    <message>
        <source>deleted, but not added to the deleted-file list: %1</source>
        <translation>eliminado, pero no añadido a la lista de archivos eliminados: %1</translation>
    </message>
    <message>
        <source>the deleted-file list cannot be read (%1); not deleted</source>
        <translation>la lista de archivos eliminados no se puede leer (%1); no se eliminó</translation>
    </message>
    <message>
        <source>Unable to locate file

%1</source>
        <translation>No se encuentra el archivo

%1</translation>
    </message>
    <message>
        <source>Unable to delete file.</source>
        <translation>No se puede eliminar el archivo.</translation>
    </message>
    <message>
        <source>Some files were not deleted.</source>
        <translation>Algunos archivos no se eliminaron.</translation>
    </message>
    <message>
        <source>Unable to delete file(s).</source>
        <translation>No se pueden eliminar los archivos.</translation>
    </message>
    <message>
        <source>Results list version mismatch.  Unable to load.</source>
        <translation>La versión de la lista de resultados no coincide. No se puede cargar.</translation>
    </message>
    <message>
        <source>%1 is an image database (*.vdb).</source>
        <translation>%1 es una base de datos de imágenes (*.vdb).</translation>
    </message>
    <message>
        <source>There was an error in saving your results list.</source>
        <translation>Se produjo un error al guardar su lista de resultados.</translation>
    </message>
    <message>
        <source>Results List saved.</source>
        <translation>Lista de resultados guardada.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n entrada quedó fuera de %1: su ruta supera los %2 bytes.</numerusform>
            <numerusform>%n entradas quedaron fuera de %1: sus rutas superan los %2 bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

is an image database (*.vdb) file; it was left unchanged.</source>
        <translation>%1

es un archivo de base de datos de imágenes (*.vdb); no se modificó.</translation>
    </message>
    <message>
        <source>%1

is a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

es un archivo de lista de resultados (*.vlr); no se modificó.</translation>
    </message>
    <message>
        <source>%1

is the name of an image database (*.vdb); save the results list as a .vlr file.</source>
        <translation>%1

es el nombre de una base de datos de imágenes (*.vdb); guarde la lista de resultados como archivo .vlr.</translation>
    </message>
    <message>
        <source>%1

is the name of a results list (*.vlr); save the database as a .vdb file.</source>
        <translation>%1

es el nombre de una lista de resultados (*.vlr); guarde la base de datos como archivo .vdb.</translation>
    </message>
    <message>
        <source>%1

is not a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

no es un archivo de lista de resultados (*.vlr); no se modificó.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file; it was left unchanged.</source>
        <translation>%1

no es un archivo de base de datos VL (*.VDB); no se modificó.</translation>
    </message>
    <message>
        <source>it changed in the trash; left there</source>
        <translation>ha cambiado en la papelera; se deja allí</translation>
    </message>
    <message>
        <source>back, but still in the deleted-file list: %1</source>
        <translation>recuperado, pero aún en la lista de archivos eliminados: %1</translation>
    </message>
    <message numerus="yes">
        <source>The deleted-file list matched %n files (%1) in the Compare List: copies of files that were deleted before.</source>
        <translation>
            <numerusform>La lista de archivos eliminados reconoció %n archivo (%1) en la lista de comparación: una copia de un archivo eliminado antes.</numerusform>
            <numerusform>La lista de archivos eliminados reconoció %n archivos (%1) en la lista de comparación: copias de archivos eliminados antes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Move them to the trash now?</source>
        <translation>¿Moverlos a la papelera ahora?</translation>
    </message>
    <message>
        <source>Delete them for good now?</source>
        <translation>¿Eliminarlos definitivamente ahora?</translation>
    </message>
    <message>
        <source>Files that are not deleted stay out of this scan.</source>
        <translation>Los archivos que no se eliminen quedan fuera de este análisis.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>the database holds no records</source>
        <translation>la base de datos no contiene registros</translation>
    </message>
    <message numerus="yes">
        <source>its %n records are of files that are gone from a present volume</source>
        <translation>
            <numerusform>su %n registro es de un archivo desaparecido de un volumen presente</numerusform>
            <numerusform>sus %n registros son de archivos desaparecidos de un volumen presente</numerusform>
        </translation>
    </message>
    <message>
        <source>empty folder</source>
        <translation>carpeta vacía</translation>
    </message>
    <message numerus="yes">
        <source>none of its %n files is of the chosen types</source>
        <translation>
            <numerusform>su %n archivo no es de los tipos elegidos</numerusform>
            <numerusform>ninguno de sus %n archivos es de los tipos elegidos</numerusform>
        </translation>
    </message>
    <message>
        <source>a damaged database</source>
        <translation>una base de datos dañada</translation>
    </message>
    <message>
        <source>not a valid database</source>
        <translation>una base de datos no válida</translation>
    </message>
    <message>
        <source>a database of a different version</source>
        <translation>una base de datos de otra versión</translation>
    </message>
    <message>
        <source>Another program keeps %1 locked.</source>
        <translation>Otro programa mantiene %1 bloqueado.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); it is taken as empty.</source>
        <translation>La lista de no duplicados %1 está dañada (%2); se toma como vacía.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is full (%2 pairs).</source>
        <translation>La lista de no duplicados %1 está llena (%2 pares).</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); the pair was not added and the list was left as it is.</source>
        <translation>La lista de no duplicados %1 está dañada (%2); el par no se añadió y la lista quedó como estaba.</translation>
    </message>
    <message>
        <source>The Base List contained no files, so the scan was not run (it would have compared the Compare List with itself).</source>
        <translation>La lista base no contenía archivos, así que el análisis no se ejecutó (habría comparado la lista de comparación consigo misma).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them matched only by size and CRC-32 (entries of an older deleted-file list).</source>
        <translation>
            <numerusform>%n de ellos coincidió solo por tamaño y CRC-32 (entradas de una lista de archivos eliminados antigua).</numerusform>
            <numerusform>%n de ellos coincidieron solo por tamaño y CRC-32 (entradas de una lista de archivos eliminados antigua).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the deleted-file list matched were not deleted and were left out of this scan.</source>
        <translation>
            <numerusform>%n archivo reconocido por la lista de archivos eliminados no se eliminó y quedó fuera de este análisis.</numerusform>
            <numerusform>%n archivos reconocidos por la lista de archivos eliminados no se eliminaron y quedaron fuera de este análisis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matched files were not deleted: they changed since they were read or could not be removed.</source>
        <translation>
            <numerusform>%n archivo reconocido no se eliminó: cambió desde que se leyó o no se pudo quitar.</numerusform>
            <numerusform>%n archivos reconocidos no se eliminaron: cambiaron desde que se leyeron o no se pudieron quitar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were back where they had been deleted from: they were kept, and the deleted-file list forgot them.</source>
        <translation>
            <numerusform>%n archivo había vuelto al lugar de donde se eliminó: se conservó y la lista de archivos eliminados lo olvidó.</numerusform>
            <numerusform>%n archivos habían vuelto al lugar de donde se eliminaron: se conservaron y la lista de archivos eliminados los olvidó.</numerusform>
        </translation>
    </message>
    <message>
        <source>These folders were not found and were left out:</source>
        <translation>Estas carpetas no se encontraron y quedaron fuera:</translation>
    </message>
    <message>
        <source>Finished Scanning for Duplicates.</source>
        <translation>Búsqueda de duplicados terminada.</translation>
    </message>
    <message>
        <source>Found %1 possible duplicates in %2.</source>
        <translation>Se encontraron %1 posibles duplicados en %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n files marked for Delete.</source>
        <translation>
            <numerusform>%n archivo marcado para eliminar.</numerusform>
            <numerusform>%n archivos marcados para eliminar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files automatically deleted.</source>
        <translation>
            <numerusform>%n archivo eliminado automáticamente.</numerusform>
            <numerusform>%n archivos eliminados automáticamente.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be read.</source>
        <translation>
            <numerusform>%n archivo no se pudo leer.</numerusform>
            <numerusform>%n archivos no se pudieron leer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched by the deleted-file list, not deleted:</source>
        <translation>Reconocidos por la lista de archivos eliminados, no eliminados:</translation>
    </message>
    <message>
        <source>Automatically deleted:</source>
        <translation>Eliminados automáticamente:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>No se pudieron leer:</translation>
    </message>
    <message>
        <source>Scan Canceled.</source>
        <translation>Análisis cancelado.</translation>
    </message>
    <message>
        <source>You must first Add some folders to Scan.</source>
        <translation>Primero debe añadir carpetas que analizar.</translation>
    </message>
    <message>
        <source>The Compare List contained no files.</source>
        <translation>La lista de comparación no contenía archivos.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were automatically deleted.</source>
        <translation>
            <numerusform>%n archivo se eliminó automáticamente.</numerusform>
            <numerusform>%n archivos se eliminaron automáticamente.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1   </source>
        <translation>Versión %1   </translation>
    </message>
    <message>
        <source>File Date : %1</source>
        <translation>Fecha del archivo: %1</translation>
    </message>
    <message>
        <source>Linux:  %1.%2   </source>
        <translation>Linux:  %1.%2   </translation>
    </message>
    <message>
        <source>Physical memory:  %1 K</source>
        <translation>Memoria física:  %1 K</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>vl::gui::AddToDatabaseDialog</name>
    <message>
        <source>Add To Database</source>
        <translation>Añadir a la base de datos</translation>
    </message>
    <message>
        <source>Add Folders to Database</source>
        <translation>Añadir carpetas a la base de datos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Done selecting folders, Add them to the database now.</source>
        <translation>Selección de carpetas terminada: añadirlas ahora a la base de datos.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel the add.</source>
        <translation>Cancelar la adición.</translation>
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
        <translation>* = cualquier secuencia de caracteres (incluso vacía)
? = cualquier carácter
# = cualquier dígito (0..9)
@ = cualquier letra (A..Z, a..z)
si no = ese mismo carácter</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Filename Compare</source>
        <translation>Comparación de nombres</translation>
    </message>
    <message>
        <source>&amp;Image Compare</source>
        <translation>Comparación de &amp;imágenes</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Ignore Numeric Filenames</source>
        <translation>Ignorar nombres de archivo numéricos</translation>
    </message>
    <message>
        <source>Use Ignore List</source>
        <translation>Usar la lista de exclusión</translation>
    </message>
    <message>
        <source>Ignore filenames containing...</source>
        <translation>Ignorar nombres de archivo que contengan...</translation>
    </message>
    <message>
        <source>&amp;Auto Mark Delete</source>
        <translation>Marcado &amp;automático para eliminar</translation>
    </message>
    <message>
        <source>&amp;Fuzz Factor:</source>
        <translation>&amp;Factor de tolerancia:</translation>
    </message>
    <message>
        <source>If errors are</source>
        <translation>Si la diferencia está en</translation>
    </message>
    <message>
        <source>and width is within</source>
        <translation>y el ancho dentro de</translation>
    </message>
    <message>
        <source>and height is within</source>
        <translation>y el alto dentro de</translation>
    </message>
    <message>
        <source>and filesize is within</source>
        <translation>y el tamaño del archivo dentro de</translation>
    </message>
    <message>
        <source>then mark for delete.</source>
        <translation>entonces marcar para eliminar.</translation>
    </message>
    <message>
        <source>The Lower the Fuzz Factor, the more accurate the search.</source>
        <translation>Cuanto más bajo el factor de tolerancia, más precisa la búsqueda.</translation>
    </message>
    <message>
        <source>Con&amp;firm File Deletes</source>
        <translation>Con&amp;firmar la eliminación de archivos</translation>
    </message>
    <message>
        <source>&amp;Move Deleted Files to the Trash</source>
        <translation>&amp;Mover los archivos eliminados a la papelera</translation>
    </message>
    <message>
        <source>&amp;Beep on Delete</source>
        <translation>&amp;Pitido al eliminar</translation>
    </message>
    <message>
        <source>&amp;Navigate with Arrows / Page Keys</source>
        <translation>&amp;Navegar con flechas y Re Pág / Av Pág</translation>
    </message>
    <message>
        <source>Check A / B Drives.</source>
        <translation>Comprobar las unidades de disquete A / B.</translation>
    </message>
    <message>
        <source>Use &amp;Deleted List</source>
        <translation>Usar la lista de archivos &amp;eliminados</translation>
    </message>
    <message>
        <source>Also find &amp;rotated and mirrored copies</source>
        <translation>Encontrar también copias gi&amp;radas y reflejadas</translation>
    </message>
    <message>
        <source>Also compare &amp;newer picture types (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, camera raw)</source>
        <translation>Comparar también tipos de imagen más &amp;nuevos (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, raw de cámara)</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseDialog</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Base de datos VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Note:  It is NOT recommended to place files from different
removable disks in the same database.  Create a separate
database for each removable disk.</source>
        <translation>Nota: NO se recomienda poner archivos de distintos discos
extraíbles en la misma base de datos. Cree una base de
datos distinta para cada disco extraíble.</translation>
    </message>
    <message>
        <source>Database Management</source>
        <translation>Gestión de bases de datos</translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Nueva base de datos</translation>
    </message>
    <message>
        <source>Create a New database.</source>
        <translation>Crear una base de datos nueva.</translation>
    </message>
    <message>
        <source>&amp;Add to Database</source>
        <translation>&amp;Añadir a la base de datos</translation>
    </message>
    <message>
        <source>Add new files to, and freshen files in an existing database.</source>
        <translation>Añadir archivos nuevos a una base de datos existente y actualizar los que ya contiene.</translation>
    </message>
    <message>
        <source>&amp;Freshen files (and pack local files).</source>
        <translation>Actuali&amp;zar archivos (y compactar archivos locales).</translation>
    </message>
    <message>
        <source>Look for existing files, and update if changed.</source>
        <translation>Buscar los archivos existentes y actualizarlos si han cambiado.</translation>
    </message>
    <message>
        <source>&amp;Explore Database</source>
        <translation>&amp;Explorar base de datos</translation>
    </message>
    <message>
        <source>View the contents of your existing Databases.</source>
        <translation>Ver el contenido de sus bases de datos existentes.</translation>
    </message>
    <message>
        <source>&amp;Cancel Operation</source>
        <translation>Cancelar &amp;operación</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseExplorer</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Base de datos VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Database Explorer</source>
        <translation>Explorador de bases de datos</translation>
    </message>
    <message>
        <source>Load a VL Database.</source>
        <translation>Cargar una base de datos VL.</translation>
    </message>
    <message>
        <source>Find Next Matching File.</source>
        <translation>Buscar el siguiente archivo coincidente.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Error al leer el archivo de imagen.</translation>
    </message>
</context>
<context>
    <name>vl::gui::DupeListDelegate</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
</context>
<context>
    <name>vl::gui::DupeListModel</name>
    <message>
        <source>Almost uniform picture: check before deleting.</source>
        <translation>Imagen casi uniforme: revísela antes de eliminar.</translation>
    </message>
    <message>
        <source>Paired by fingerprints alone, not verified: check before deleting.</source>
        <translation>Emparejado solo por huellas, sin verificar: revíselo antes de eliminar.</translation>
    </message>
</context>
<context>
    <name>vl::gui::ExplorerListModel</name>
    <message>
        <source>Path</source>
        <extracomment>Column headers of the database explorer&apos;s file list; &quot;Del&quot; shows whether the file was deleted.</extracomment>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Elim.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Filesize</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
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

¿Eliminar también estas últimas copias? Con «No», cada archivo de esos grupos se queda donde está.</translation>
    </message>
    <message>
        <source>No file was deleted</source>
        <translation>No se eliminó ningún archivo</translation>
    </message>
    <message>
        <source>%1 moved to the trash</source>
        <translation>%1 movido a la papelera</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 eliminado definitivamente</translation>
    </message>
    <message>
        <source>Confirm File Delete...</source>
        <translation>Confirmar eliminación...</translation>
    </message>
    <message>
        <source>No marked file to delete</source>
        <translation>No hay ningún archivo marcado para eliminar</translation>
    </message>
    <message>
        <source>Confirm Deletion of all visible marked files...</source>
        <translation>Confirmar la eliminación de todos los archivos marcados visibles...</translation>
    </message>
    <message>
        <source>Confirm Deletion of ALL marked files...</source>
        <translation>Confirmar la eliminación de TODOS los archivos marcados...</translation>
    </message>
    <message>
        <source>Choose the New Volume Root for This File</source>
        <translation>Elegir el nuevo punto de montaje de este archivo</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Unable to show the file in its folder.</source>
        <translation>No se puede mostrar el archivo en su carpeta.</translation>
    </message>
    <message>
        <source>%1 will be moved to the trash.</source>
        <translation>%1 se moverá a la papelera.</translation>
    </message>
    <message>
        <source>%1 will be deleted for good; this cannot be undone.</source>
        <translation>%1 se eliminará definitivamente; no se puede deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>%n group would lose every copy of its file.</source>
        <translation>
            <numerusform>%n grupo perdería todas las copias de su archivo.</numerusform>
            <numerusform>%n grupos perderían todas las copias de su archivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups would lose every copy of their file.</source>
        <translation>
            <numerusform>%n grupo perdería todas las copias de su archivo.</numerusform>
            <numerusform>%n grupos perderían todas las copias de su archivo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePaneTransfers</name>
    <message>
        <source>DropSource Demo</source>
        <translation>Arrastrar y soltar</translation>
    </message>
    <message>
        <source>The destination folder is the same as the source!</source>
        <translation>¡La carpeta de destino es la misma que la de origen!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePanes</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
</context>
<context>
    <name>vl::gui::FilterComboBox</name>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Archivos de audio</translation>
    </message>
    <message>
        <source>Video Files</source>
        <translation>Archivos de vídeo</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>vl::gui::FolderListBox</name>
    <message>
        <source>Select Folder to Scan.</source>
        <translation>Seleccionar la carpeta que analizar.</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Base de datos VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Add Folders to Scan.</source>
        <translation>Añadir carpetas que analizar.</translation>
    </message>
    <message>
        <source>Remove the Selected Folder.</source>
        <translation>Quitar la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Clear the Folder list.</source>
        <translation>Vaciar la lista de carpetas.</translation>
    </message>
    <message>
        <source>Load a Folder List from file.</source>
        <translation>Cargar una lista de carpetas desde un archivo.</translation>
    </message>
    <message>
        <source>Save the current Folder List to file.</source>
        <translation>Guardar la lista de carpetas actual en un archivo.</translation>
    </message>
    <message>
        <source>Add a VL Database</source>
        <translation>Añadir una base de datos VL</translation>
    </message>
    <message>
        <source>+DB</source>
        <translation>+BD</translation>
    </message>
    <message>
        <source>Scan all subfolders?</source>
        <translation>¿Analizar todas las subcarpetas?</translation>
    </message>
</context>
<context>
    <name>vl::gui::FoldersDialog</name>
    <message>
        <source>Folders to Scan</source>
        <translation>Carpetas que analizar</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Archivos base</translation>
    </message>
    <message>
        <source>Files to Compare against Base</source>
        <translation>Archivos que comparar con los archivos base</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
    <message>
        <source>Database &amp;Management</source>
        <translation>Gestión de &amp;bases de datos</translation>
    </message>
</context>
<context>
    <name>vl::gui::HelpWindow</name>
    <message>
        <source>Velloran Help</source>
        <translation>Ayuda de Velloran</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>vl::gui::MainWindow</name>
    <message>
        <source>Del</source>
        <extracomment>Column headers of the duplicate list; &quot;Del&quot; is the column that shows a file&apos;s deletion mark.</extracomment>
        <translation>Elim.</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Archivos base</translation>
    </message>
    <message>
        <source>|The base images that have possible duplicates.</source>
        <translation>|Las imágenes base que tienen posibles duplicados.</translation>
    </message>
    <message>
        <source>All Dupes</source>
        <translation>Todos los duplicados</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcados</translation>
    </message>
    <message>
        <source>How much the picture differs from the group&apos;s base: 0 for the base and for the same picture, more for a picture that looks less alike</source>
        <translation>Cuánto difiere la imagen del archivo base de su grupo: 0 para el archivo base y para la misma imagen, más para una imagen menos parecida</translation>
    </message>
    <message>
        <source>Ready To Scan</source>
        <translation>Listo para analizar</translation>
    </message>
    <message>
        <source>The marks were changed since the results were last saved.

Save the results before closing?</source>
        <translation>Las marcas han cambiado desde la última vez que se guardaron los resultados.

¿Guardar los resultados antes de cerrar?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;JPEG Options</source>
        <translation>Opciones &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>E&amp;scala</translation>
    </message>
    <message>
        <source>&amp;Performance</source>
        <translation>&amp;Rendimiento</translation>
    </message>
    <message>
        <source>File &amp;Management</source>
        <translation>&amp;Gestión de archivos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleCommands</name>
    <message>
        <source>Reading the date taken and camera of each file...</source>
        <translation>Leyendo la fecha de captura y la cámara de cada archivo...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleDialog</name>
    <message>
        <source>Highest resolution (width x height)</source>
        <translation>Mayor resolución (ancho x alto)</translation>
    </message>
    <message>
        <source>Largest file</source>
        <translation>Archivo más grande</translation>
    </message>
    <message>
        <source>Smallest file</source>
        <translation>Archivo más pequeño</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Más reciente</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Más antiguo</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Ruta más corta</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Ruta más larga</translation>
    </message>
    <message>
        <source>Name without a copy marker (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</source>
        <extracomment>The quoted markers are what the rule looks for in file names: keep them as they are.</extracomment>
        <translation>Nombre sin marca de copia (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</translation>
    </message>
    <message>
        <source>Inside folder ...</source>
        <translation>Dentro de la carpeta ...</translation>
    </message>
    <message>
        <source>Mark by Rule</source>
        <translation>Marcar por regla</translation>
    </message>
    <message>
        <source>Each group keeps the best file by the first checked criterion that tells its files apart; every other file is marked.</source>
        <translation>Cada grupo conserva el mejor archivo según el primer criterio marcado que distinga sus archivos; todos los demás archivos se marcan.</translation>
    </message>
    <message>
        <source>Apply after every &amp;scan</source>
        <translation>Aplicar después de cada &amp;análisis</translation>
    </message>
    <message>
        <source>Choose only among each group&apos;s base and mar&amp;ked files (unmarked files stay unmarked)</source>
        <translation>Elegir solo entre el archivo base y los archivos mar&amp;cados de cada grupo (los archivos sin marcar siguen sin marcar)</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Marcar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Keep the file with</source>
        <translation>Conservar el archivo con</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Never mark files in these folders</source>
        <translation>No marcar nunca los archivos de estas carpetas</translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Añadir carpeta...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Inside Folder</source>
        <translation>Dentro de la carpeta</translation>
    </message>
    <message>
        <source>Protected Folder</source>
        <translation>Carpeta protegida</translation>
    </message>
    <message>
        <source>Earliest taken (EXIF date, else the file date)</source>
        <translation>Captura más antigua (fecha EXIF, si no la del archivo)</translation>
    </message>
    <message>
        <source>Has camera data (EXIF make or model)</source>
        <translation>Tiene datos de cámara (marca o modelo EXIF)</translation>
    </message>
    <message>
        <source>Camera raw file first</source>
        <translation>Primero el archivo raw de cámara</translation>
    </message>
    <message>
        <source>JPEG file first</source>
        <translation>Primero el archivo JPEG</translation>
    </message>
</context>
<context>
    <name>vl::gui::MatchingChoice</name>
    <message>
        <source>Picture matching</source>
        <translation>Coincidencia de imágenes</translation>
    </message>
    <message>
        <source>Find &amp;edited copies (recommended)</source>
        <translation>Buscar copias &amp;editadas (recomendado)</translation>
    </message>
    <message>
        <source>C&amp;lassic fingerprint match</source>
        <translation>Coincidencia c&amp;lásica por huella</translation>
    </message>
    <message>
        <source>Resized, recompressed, cropped, greyscale and re-formatted copies, each pair confirmed by a finer signature.</source>
        <translation>Copias redimensionadas, recomprimidas, recortadas, en escala de grises y convertidas a otro formato, cada par confirmado por una firma más fina.</translation>
    </message>
    <message>
        <source>The fingerprint alone, as earlier versions matched: misses more copies and pairs more different pictures.</source>
        <translation>Solo la huella, como en versiones anteriores: se le escapan más copias y empareja más imágenes distintas.</translation>
    </message>
</context>
<context>
    <name>vl::gui::NotDuplicateCommands</name>
    <message>
        <source>Forget every pair of files marked as not duplicates?</source>
        <translation>¿Olvidar todos los pares de archivos marcados como no duplicados?</translation>
    </message>
</context>
<context>
    <name>vl::gui::PreviewController</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Error al leer el archivo de imagen.</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3, %4</source>
        <translation>%1 × %2 píxeles, %3, %4</translation>
    </message>
</context>
<context>
    <name>vl::gui::ResultsFileCommands</name>
    <message>
        <source>Velloran Results (*.vlr)|*.vlr</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Resultados de Velloran (*.vlr)|*.vlr</translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanOptionsDialog</name>
    <message>
        <source>Scan Options</source>
        <translation>Opciones de análisis</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Comparación aproximada.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Buscar nombres de archivo iguales.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames, and Filesize.</source>
        <translation>Buscar nombres de archivo y tamaños iguales.</translation>
    </message>
    <message>
        <source>Compare contents of files.</source>
        <translation>Comparar el contenido de los archivos.</translation>
    </message>
    <message>
        <source>&amp;Start Scan</source>
        <translation>&amp;Iniciar análisis</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanWizard</name>
    <message>
        <source>Velloran is an amazingly powerful tool for Locating and Removing Duplicate images from your computer.
 
Velloran has a number of features designed for serious collectors, but like anything else, these features may be a bit confusing for novice users.
 
If you are New to Velloran, we recommend that you use this Wizard for your first few scans.  Once you have a better understanding of the program, you may find the Classic interface more efficient.</source>
        <translation>Velloran es una herramienta asombrosamente potente para localizar y eliminar imágenes duplicadas de su ordenador.
 
Velloran tiene muchas funciones pensadas para coleccionistas exigentes, pero, como todo, pueden confundir un poco a quien empieza.
 
Si es nuevo en Velloran, le recomendamos usar este asistente en sus primeros análisis. Cuando conozca mejor el programa, quizá la interfaz clásica le resulte más eficiente.</translation>
    </message>
    <message>
        <source>Actually look at the images, and do a &quot;Visual&quot; Comparison.  This will find Resized, Resampled, Scaled, Cropped, Color Corrected, and otherwise altered images.  It does however find erroneous matches.  This is the Slowest Scan Method, but can be sped up dramatically by using Databases (See Help File).</source>
        <translation>Mirar de verdad las imágenes y compararlas «visualmente». Así se encuentran imágenes redimensionadas, remuestreadas, escaladas, recortadas, con color corregido o alteradas de otro modo, aunque también aparecen coincidencias erróneas. Es el método de análisis más lento, pero las bases de datos lo aceleran muchísimo (vea la ayuda).</translation>
    </message>
    <message>
        <source>Find all files with duplicate Filenames.</source>
        <translation>Buscar todos los archivos con nombres duplicados.</translation>
    </message>
    <message>
        <source>Find all files with Duplicate Filenames that are the same Size.</source>
        <translation>Buscar todos los archivos con nombres duplicados y el mismo tamaño.</translation>
    </message>
    <message>
        <source>Find all Files that have identical Filesizes and Identical File Contents.  This will find Exact Duplicates, and is the fastest Scan Method.</source>
        <translation>Buscar todos los archivos con tamaño y contenido idénticos. Así se encuentran los duplicados exactos; es el método de análisis más rápido.</translation>
    </message>
    <message>
        <source>&amp;Add Folder</source>
        <translation>&amp;Añadir carpeta</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Add &amp;Database</source>
        <translation>Añadir &amp;base de datos</translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation>&amp;Cargar lista</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Guardar lista</translation>
    </message>
    <message>
        <source>VL Scan Wizard</source>
        <translation>Asistente de análisis VL</translation>
    </message>
    <message>
        <source>Welcome to Velloran</source>
        <translation>Bienvenido a Velloran</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásica</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Asistente</translation>
    </message>
    <message>
        <source>&amp;Show this screen at Startup.</source>
        <translation>&amp;Mostrar esta pantalla al iniciar.</translation>
    </message>
    <message>
        <source>Select Base Files</source>
        <translation>Seleccionar archivos base</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Make sure that this list is blank, and proceed to the next step.</source>
        <translation>Si es su primer análisis, deje esta lista vacía y pase al paso siguiente.</translation>
    </message>
    <message>
        <source>If you already have a Collection that you want to compare NEW files against, place your existing collection in this list.</source>
        <translation>Si ya tiene una colección con la que comparar archivos NUEVOS, ponga su colección existente en esta lista.</translation>
    </message>
    <message>
        <source>Select Compare Files</source>
        <translation>Seleccionar archivos que comparar</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Add the Folders you want to Scan to this list.</source>
        <translation>Si es su primer análisis, añada a esta lista las carpetas que quiere analizar.</translation>
    </message>
    <message>
        <source>If you already have a Collection Add the Folders containing your New (Incoming) files to this list.  These new files will be compared against your existing collection.</source>
        <translation>Si ya tiene una colección, añada a esta lista las carpetas con sus archivos nuevos (entrantes). Estos archivos nuevos se compararán con su colección existente.</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Comparación aproximada.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Buscar nombres de archivo iguales.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Once you have selected the folders to Scan, you can select the Scan Method to use...</source>
        <translation>Cuando haya elegido las carpetas que analizar, puede elegir el método de análisis...</translation>
    </message>
    <message>
        <source>&lt;- &amp;Back</source>
        <translation>&lt;- A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Siguiente -&gt;</translation>
    </message>
</context>
<context>
    <name>vl::gui::UndoCommand</name>
    <message>
        <source>Nothing was undone: another file now stands where a file would go back, or the folder it came from is gone. Move it out of the way and undo again.</source>
        <translation>No se deshizo nada: otro archivo ocupa ahora el lugar al que debía volver un archivo, o su carpeta de origen ya no existe. Apártelo y vuelva a deshacer.</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Deshacer eliminación</translation>
    </message>
    <message>
        <source>Can&apos;t &amp;Undo Delete</source>
        <translation>No se puede &amp;deshacer la eliminación</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Deshacer traslado</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Deshacer cambio de nombre</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>|The last files were deleted for good: they cannot be brought back.</source>
        <translation>|Los últimos archivos se eliminaron definitivamente: no se pueden recuperar.</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Recuperar los archivos de la última eliminación, traslado o cambio de nombre.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>No se deshizo nada.</translation>
    </message>
    <message>
        <source>Some files could not be brought back.</source>
        <translation>Algunos archivos no se pudieron recuperar.</translation>
    </message>
    <message>
        <source>%1 back from the trash</source>
        <translation>%1 recuperado de la papelera</translation>
    </message>
    <message>
        <source>Renamed back to %1</source>
        <translation>Devuelto al nombre %1</translation>
    </message>
    <message>
        <source>Moved back to %1</source>
        <translation>Devuelto a %1</translation>
    </message>
</context>
<context>
    <name>vl::gui::VelloranApplication</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
