<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Actions</name>
    <message>
        <source>Scan &amp;Wizard...</source>
        <translation>&amp;Assistente de verificação...</translation>
    </message>
    <message>
        <source>Scan Wizard</source>
        <translation>Assistente de verificação</translation>
    </message>
    <message>
        <source>&amp;Edit Folders...</source>
        <translation>&amp;Editar pastas...</translation>
    </message>
    <message>
        <source>Select Folders to Scan.</source>
        <translation>Selecionar as pastas a verificar.</translation>
    </message>
    <message>
        <source>&amp;Database Management...</source>
        <translation>Gerenciamento de &amp;bancos de dados...</translation>
    </message>
    <message>
        <source>Create and manage your Velloran databases.</source>
        <translation>Criar e gerenciar seus bancos de dados do Velloran.</translation>
    </message>
    <message>
        <source>Co&amp;nfigure...</source>
        <translation>&amp;Configurar...</translation>
    </message>
    <message>
        <source>Configure Velloran.</source>
        <translation>Configurar o Velloran.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Start the Scan.</source>
        <translation>Iniciar a verificação.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel Scanning.</source>
        <translation>Cancelar a verificação.</translation>
    </message>
    <message>
        <source>Use Deleted List.</source>
        <translation>Usar a lista de arquivos excluídos.</translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation>&amp;Excluir arquivo</translation>
    </message>
    <message>
        <source>Delete Selected File.</source>
        <translation>Excluir o arquivo selecionado.</translation>
    </message>
    <message>
        <source>&amp;Mark Selected File</source>
        <translation>&amp;Marcar arquivo selecionado</translation>
    </message>
    <message>
        <source>Mark / UnMark Selected File for Deletion. (Space)</source>
        <translation>Marcar ou desmarcar o arquivo selecionado para exclusão. (Espaço)</translation>
    </message>
    <message>
        <source>Delete Mar&amp;ked</source>
        <translation>Excluir mar&amp;cados</translation>
    </message>
    <message>
        <source>Delete Visible Marked Files.</source>
        <translation>Excluir os arquivos marcados visíveis.</translation>
    </message>
    <message>
        <source>Delete &amp;All Marked</source>
        <translation>Excluir &amp;todos os marcados</translation>
    </message>
    <message>
        <source>Delete ALL Marked Files.</source>
        <translation>Excluir TODOS os arquivos marcados.</translation>
    </message>
    <message>
        <source>&amp;Full Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane.</source>
        <translation>Tamanho real (desligado: ajustado ao painel)|Mostrar a imagem em tamanho real ou ajustada ao seu painel.</translation>
    </message>
    <message>
        <source>Side &amp;by Side</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected.</source>
        <translation>Arquivo base ao lado do arquivo selecionado (desligado: só o arquivo selecionado)|Mostrar o arquivo base E o selecionado, ou só o selecionado.</translation>
    </message>
    <message>
        <source>Scroll in &amp;Unison</source>
        <translation>Rolagem &amp;sincronizada</translation>
    </message>
    <message>
        <source>Scroll both pictures together|Scroll Images in Unison.</source>
        <translation>Rolar as duas imagens juntas|Rolar as imagens juntas.</translation>
    </message>
    <message>
        <source>Show File &amp;Panes</source>
        <translation>Mostrar &amp;painéis de arquivos</translation>
    </message>
    <message>
        <source>Show the folders of both files|Show File Pane.</source>
        <translation>Mostrar as pastas dos dois arquivos|Mostrar o painel de arquivos.</translation>
    </message>
    <message>
        <source>&amp;Load Results...</source>
        <translation>Ca&amp;rregar resultados...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Results...</source>
        <translation>&amp;Salvar resultados...</translation>
    </message>
    <message>
        <source>Ex&amp;port Results...</source>
        <translation>E&amp;xportar resultados...</translation>
    </message>
    <message>
        <source>Write the results to a CSV or JSON file.</source>
        <translation>Gravar os resultados em um arquivo CSV ou JSON.</translation>
    </message>
    <message>
        <source>&amp;Add Files to Deleted List...</source>
        <translation>Adicionar arquivos à &amp;lista de excluídos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Trazer de volta os arquivos da última exclusão, movimentação ou renomeação.</translation>
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
        <translation>Melhor &amp;qualidade</translation>
    </message>
    <message>
        <source>Best &amp;Speed</source>
        <translation>Maior &amp;velocidade</translation>
    </message>
    <message>
        <source>&amp;Remove when no duplicates</source>
        <translation>&amp;Remover quando não houver duplicatas</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar na &amp;pasta</translation>
    </message>
    <message>
        <source>&amp;Copy File to...</source>
        <translation>&amp;Copiar arquivo para...</translation>
    </message>
    <message>
        <source>Mo&amp;ve / Rename File...</source>
        <translation>&amp;Mover / renomear arquivo...</translation>
    </message>
    <message>
        <source>&amp;Remove Base Group</source>
        <translation>Remover o &amp;grupo base</translation>
    </message>
    <message>
        <source>Remove Dupe Group.</source>
        <translation>Remover o grupo de duplicatas.</translation>
    </message>
    <message>
        <source>&amp;Not a Duplicate</source>
        <translation>&amp;Não é duplicata</translation>
    </message>
    <message>
        <source>Remember that the selected file is not a duplicate of its base.</source>
        <translation>Lembrar que o arquivo selecionado não é duplicata do seu arquivo base.</translation>
    </message>
    <message>
        <source>&amp;Forget Not-Duplicates</source>
        <translation>&amp;Esquecer as não duplicatas</translation>
    </message>
    <message>
        <source>Pair again every file remembered as not a duplicate.</source>
        <translation>Emparelhar de novo cada arquivo lembrado como não duplicata.</translation>
    </message>
    <message>
        <source>Change Volume &amp;Root...</source>
        <translation>Alterar o ponto de &amp;montagem...</translation>
    </message>
    <message>
        <source>Look for the file under another mount point.</source>
        <translation>Procurar o arquivo sob outro ponto de montagem.</translation>
    </message>
    <message>
        <source>Mark &amp;by Rule...</source>
        <translation>Marcar por &amp;regra...</translation>
    </message>
    <message>
        <source>Keep the best file of each group and mark the others.</source>
        <translation>Manter o melhor arquivo de cada grupo e marcar os outros.</translation>
    </message>
    <message>
        <source>&amp;Unmark All</source>
        <translation>&amp;Desmarcar tudo</translation>
    </message>
    <message>
        <source>Clear every mark.</source>
        <translation>Limpar todas as marcas.</translation>
    </message>
    <message>
        <source>&amp;Sort Alphabetically</source>
        <translation>&amp;Ordenar alfabeticamente</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>Help &amp;Contents...	F1</source>
        <translation>&amp;Conteúdo da ajuda...	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
</context>
<context>
    <name>FileSummaries</name>
    <message numerus="yes">
        <source>%n file, %1</source>
        <translation>
            <numerusform>%n arquivo, %1</numerusform>
            <numerusform>%n arquivos, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n arquivo, %1</numerusform>
            <numerusform>%n arquivos, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Unable to find the help file %1 in the folder
%2</source>
        <translation>Não foi possível encontrar o arquivo de ajuda %1 na pasta
%2</translation>
    </message>
</context>
<context>
    <name>ScanModeButtons</name>
    <message>
        <source>Compare &amp;Images</source>
        <translation>Comparar &amp;imagens</translation>
    </message>
    <message>
        <source>Compare Filena&amp;mes</source>
        <translation>Comparar &amp;nomes de arquivo</translation>
    </message>
    <message>
        <source>Compare Filename and Si&amp;ze</source>
        <translation>Comparar nome e &amp;tamanho</translation>
    </message>
    <message>
        <source>Compare File Size and Con&amp;tents</source>
        <translation>Comparar tamanho e con&amp;teúdo</translation>
    </message>
</context>
<context>
    <name>vl::core</name>
    <message>
        <source>Ready To Scan</source>
        <translation>Pronto para verificar</translation>
    </message>
    <message>
        <source>Getting Drive Information.</source>
        <translation>Obtendo informações das unidades.</translation>
    </message>
    <message>
        <source>Loading Base List.</source>
        <translation>Carregando a lista base.</translation>
    </message>
    <message>
        <source>Loading Compare List.</source>
        <translation>Carregando a lista de comparação.</translation>
    </message>
    <message>
        <source>Reading Base Images</source>
        <translation>Lendo as imagens base</translation>
    </message>
    <message>
        <source>Reading Compare Images</source>
        <translation>Lendo as imagens a comparar</translation>
    </message>
    <message>
        <source>Comparing Images</source>
        <translation>Comparando imagens</translation>
    </message>
    <message>
        <source>Marking Duplicates</source>
        <translation>Marcando duplicatas</translation>
    </message>
    <message>
        <source>Waiting for another program to finish with the database</source>
        <translation>Aguardando outro programa terminar de usar o banco de dados</translation>
    </message>
    <message>
        <source>Scanning Files</source>
        <translation>Verificando arquivos</translation>
    </message>
    <message>
        <source>Scanning New Files</source>
        <translation>Verificando arquivos novos</translation>
    </message>
    <message>
        <source>Scanning Database</source>
        <translation>Verificando o banco de dados</translation>
    </message>
    <message>
        <source>Freshening DB Files</source>
        <translation>Atualizando arquivos do banco</translation>
    </message>
    <message>
        <source>Adding New files to DB</source>
        <translation>Adicionando arquivos novos ao banco</translation>
    </message>
    <message>
        <source>Reading Images</source>
        <translation>Lendo imagens</translation>
    </message>
    <message>
        <source>Writing to Database</source>
        <translation>Gravando no banco de dados</translation>
    </message>
    <message>
        <source>Saving Database</source>
        <translation>Salvando o banco de dados</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>faltam cerca de %1</translation>
    </message>
    <message>
        <source>Error in creating database.</source>
        <translation>Erro ao criar o banco de dados.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n arquivo ficou fora de %1: seu caminho passa de %2 bytes.</numerusform>
            <numerusform>%n arquivos ficaram fora de %1: seus caminhos passam de %2 bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of the %2 records of %3 are of files that are gone from a present volume, more than a tenth of the database. A folder may have been renamed or be offline.</source>
        <translation>%1 dos %2 registros de %3 são de arquivos que sumiram de um volume presente, mais de um décimo do banco de dados. Talvez uma pasta tenha sido renomeada ou esteja indisponível.</translation>
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
            <numerusform>... e mais %n pasta</numerusform>
            <numerusform>... e mais %n pastas</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove these records from the database? With No they are kept.</source>
        <translation>Remover estes registros do banco de dados? Com “Não”, eles são mantidos.</translation>
    </message>
    <message>
        <source>%1 records added, %2 refreshed, %3 removed.</source>
        <translation>%1 registros adicionados, %2 atualizados, %3 removidos.</translation>
    </message>
    <message numerus="yes">
        <source>%n records of files that are gone from a present volume were kept: they are more than a tenth of the database.</source>
        <translation>
            <numerusform>%n registro de um arquivo que sumiu de um volume presente foi mantido: esses registros passam de um décimo do banco de dados.</numerusform>
            <numerusform>%n registros de arquivos que sumiram de um volume presente foram mantidos: eles passam de um décimo do banco de dados.</numerusform>
        </translation>
    </message>
    <message>
        <source>You must select some folders to add to the new database.</source>
        <translation>Você precisa selecionar pastas para adicionar ao novo banco de dados.</translation>
    </message>
    <message>
        <source>You must select some folders to add to the database.</source>
        <translation>Você precisa selecionar pastas para adicionar ao banco de dados.</translation>
    </message>
    <message>
        <source>Database saved in %1.</source>
        <translation>Banco de dados salvo em %1.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file.</source>
        <translation>%1

não é um arquivo de banco de dados VL (*.VDB).</translation>
    </message>
    <message>
        <source>Unable to locate database file 

%1</source>
        <translation>Não foi possível localizar o arquivo do banco de dados 

%1</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid database.</source>
        <translation>%1

não parece ser um banco de dados válido.</translation>
    </message>
    <message>
        <source>Database: 

%1

is a different version, can not open.</source>
        <translation>O banco de dados 

%1

é de outra versão; não é possível abri-lo.</translation>
    </message>
    <message>
        <source>Image has been moved or Deleted.</source>
        <translation>A imagem foi movida ou excluída.</translation>
    </message>
    <message>
        <source>Image : %1 not found.</source>
        <translation>Imagem %1 não encontrada.</translation>
    </message>
    <message>
        <source>Insert disk &quot;%1&quot; into your %2 drive and try again.</source>
        <translation>Insira o disco “%1” na sua unidade %2 e tente de novo.</translation>
    </message>
    <message>
        <source>No Application association for &quot;%1&quot;</source>
        <translation>Nenhum aplicativo associado a “%1”</translation>
    </message>
    <message>
        <source>Fingerprint cache unavailable: %1; going on without it.</source>
        <translation>Cache de impressões digitais indisponível: %1; continuando sem ele.</translation>
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
        <translation>%1 não parece ser uma lista de arquivos excluídos válida; ela não foi alterada.</translation>
    </message>
    <message>
        <source>%1 is a different version; it was left unchanged.</source>
        <translation>%1 é de outra versão; ela não foi alterada.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; the changes were not saved.</source>
        <translation>%1 está em uso por outro programa; as alterações não foram salvas.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ele sumiu</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>ele não é mais um arquivo comum</translation>
    </message>
    <message>
        <source>another file is there now</source>
        <translation>outro arquivo está lá agora</translation>
    </message>
    <message>
        <source>it changed since it was read</source>
        <translation>ele mudou desde que foi lido</translation>
    </message>
    <message>
        <source>%1

does not appear to be a valid Deleted File list.</source>
        <translation>%1

não parece ser uma lista de arquivos excluídos válida.</translation>
    </message>
    <message>
        <source>no longer exists</source>
        <translation>não existe mais</translation>
    </message>
    <message>
        <source>is not a regular file (a folder, a link or a device); left alone</source>
        <translation>não é um arquivo comum (uma pasta, um link ou um dispositivo); deixado como está</translation>
    </message>
    <message>
        <source>changed since the scan (size or modification time); left alone</source>
        <translation>mudou desde a verificação (tamanho ou data de modificação); deixado como está</translation>
    </message>
    <message>
        <source>changed while it was being checked; left alone</source>
        <translation>mudou enquanto era conferido; deixado como está</translation>
    </message>
    <message>
        <source>is not a picture, and only the pictures of picture results are deleted; left alone</source>
        <translation>não é uma imagem, e dos resultados de imagens só as imagens são excluídas; deixado como está</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>cannot be read as a picture</source>
        <translation>não pode ser lido como imagem</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked (%2); left alone</source>
        <translation>sua cópia %1 não pôde ser conferida (%2); deixado como está</translation>
    </message>
    <message>
        <source>its contents are no longer those of its copy %1; left alone</source>
        <translation>seu conteúdo não é mais o da sua cópia %1; deixado como está</translation>
    </message>
    <message>
        <source>its copy %1 could not be checked; left alone</source>
        <translation>sua cópia %1 não pôde ser conferida; deixado como está</translation>
    </message>
    <message>
        <source>its picture no longer matches its copy %1 (%2 differences where the scan allowed %3); left alone</source>
        <translation>sua imagem não corresponde mais à sua cópia %1 (%2 diferenças onde a verificação admitia %3); deixado como está</translation>
    </message>
    <message>
        <source>is not in the results; left alone</source>
        <translation>não está nos resultados; deixado como está</translation>
    </message>
    <message>
        <source>%1; left alone</source>
        <translation>%1; deixado como está</translation>
    </message>
    <message>
        <source>is no longer the file the scan found there; left alone</source>
        <translation>não é mais o arquivo que a verificação encontrou ali; deixado como está</translation>
    </message>
    <message>
        <source>its group would lose every copy; left alone</source>
        <translation>seu grupo perderia todas as cópias; deixado como está</translation>
    </message>
    <message>
        <source>it is still there</source>
        <translation>ele ainda está lá</translation>
    </message>
    <message>
        <source>deleted, but not added to the deleted-file list: %1</source>
        <translation>excluído, mas não adicionado à lista de arquivos excluídos: %1</translation>
    </message>
    <message>
        <source>the deleted-file list cannot be read (%1); not deleted</source>
        <translation>a lista de arquivos excluídos não pode ser lida (%1); não excluído</translation>
    </message>
    <message>
        <source>Unable to locate file

%1</source>
        <translation>Não foi possível localizar o arquivo

%1</translation>
    </message>
    <message>
        <source>Unable to delete file.</source>
        <translation>Não foi possível excluir o arquivo.</translation>
    </message>
    <message>
        <source>Some files were not deleted.</source>
        <translation>Alguns arquivos não foram excluídos.</translation>
    </message>
    <message>
        <source>Unable to delete file(s).</source>
        <translation>Não foi possível excluir o(s) arquivo(s).</translation>
    </message>
    <message>
        <source>Results list version mismatch.  Unable to load.</source>
        <translation>A versão da lista de resultados não confere. Não é possível carregar.</translation>
    </message>
    <message>
        <source>%1 is an image database (*.vdb).</source>
        <translation>%1 é um banco de dados de imagens (*.vdb).</translation>
    </message>
    <message>
        <source>There was an error in saving your results list.</source>
        <translation>Houve um erro ao salvar sua lista de resultados.</translation>
    </message>
    <message>
        <source>Results List saved.</source>
        <translation>Lista de resultados salva.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were left out of %1: their paths are longer than %2 bytes.</source>
        <translation>
            <numerusform>%n entrada ficou fora de %1: seu caminho passa de %2 bytes.</numerusform>
            <numerusform>%n entradas ficaram fora de %1: seus caminhos passam de %2 bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

is an image database (*.vdb) file; it was left unchanged.</source>
        <translation>%1

é um arquivo de banco de dados de imagens (*.vdb); ele não foi alterado.</translation>
    </message>
    <message>
        <source>%1

is a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

é um arquivo de lista de resultados (*.vlr); ele não foi alterado.</translation>
    </message>
    <message>
        <source>%1

is the name of an image database (*.vdb); save the results list as a .vlr file.</source>
        <translation>%1

é o nome de um banco de dados de imagens (*.vdb); salve a lista de resultados como arquivo .vlr.</translation>
    </message>
    <message>
        <source>%1

is the name of a results list (*.vlr); save the database as a .vdb file.</source>
        <translation>%1

é o nome de uma lista de resultados (*.vlr); salve o banco de dados como arquivo .vdb.</translation>
    </message>
    <message>
        <source>%1

is not a results list (*.vlr) file; it was left unchanged.</source>
        <translation>%1

não é um arquivo de lista de resultados (*.vlr); ele não foi alterado.</translation>
    </message>
    <message>
        <source>%1

is not a VL Database (*.VDB) file; it was left unchanged.</source>
        <translation>%1

não é um arquivo de banco de dados VL (*.VDB); ele não foi alterado.</translation>
    </message>
    <message>
        <source>it changed in the trash; left there</source>
        <translation>ele mudou na lixeira; deixado lá</translation>
    </message>
    <message>
        <source>back, but still in the deleted-file list: %1</source>
        <translation>trazido de volta, mas ainda na lista de arquivos excluídos: %1</translation>
    </message>
    <message numerus="yes">
        <source>The deleted-file list matched %n files (%1) in the Compare List: copies of files that were deleted before.</source>
        <translation>
            <numerusform>A lista de arquivos excluídos reconheceu %n arquivo (%1) na lista de comparação: a cópia de um arquivo excluído antes.</numerusform>
            <numerusform>A lista de arquivos excluídos reconheceu %n arquivos (%1) na lista de comparação: cópias de arquivos excluídos antes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Move them to the trash now?</source>
        <translation>Movê-los para a lixeira agora?</translation>
    </message>
    <message>
        <source>Delete them for good now?</source>
        <translation>Excluí-los definitivamente agora?</translation>
    </message>
    <message>
        <source>Files that are not deleted stay out of this scan.</source>
        <translation>Os arquivos não excluídos ficam fora desta verificação.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>não pôde ser lido: %1</translation>
    </message>
    <message>
        <source>the database holds no records</source>
        <translation>o banco de dados não contém registros</translation>
    </message>
    <message numerus="yes">
        <source>its %n records are of files that are gone from a present volume</source>
        <translation>
            <numerusform>seu %n registro é de um arquivo que sumiu de um volume presente</numerusform>
            <numerusform>seus %n registros são de arquivos que sumiram de um volume presente</numerusform>
        </translation>
    </message>
    <message>
        <source>empty folder</source>
        <translation>pasta vazia</translation>
    </message>
    <message numerus="yes">
        <source>none of its %n files is of the chosen types</source>
        <translation>
            <numerusform>seu %n arquivo não é de nenhum dos tipos escolhidos</numerusform>
            <numerusform>nenhum dos seus %n arquivos é dos tipos escolhidos</numerusform>
        </translation>
    </message>
    <message>
        <source>a damaged database</source>
        <translation>um banco de dados danificado</translation>
    </message>
    <message>
        <source>not a valid database</source>
        <translation>um banco de dados inválido</translation>
    </message>
    <message>
        <source>a database of a different version</source>
        <translation>um banco de dados de outra versão</translation>
    </message>
    <message>
        <source>Another program keeps %1 locked.</source>
        <translation>Outro programa mantém %1 bloqueado.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); it is taken as empty.</source>
        <translation>A lista de não duplicatas %1 está danificada (%2); ela é tratada como vazia.</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is full (%2 pairs).</source>
        <translation>A lista de não duplicatas %1 está cheia (%2 pares).</translation>
    </message>
    <message>
        <source>The not-duplicate list %1 is damaged (%2); the pair was not added and the list was left as it is.</source>
        <translation>A lista de não duplicatas %1 está danificada (%2); o par não foi adicionado e a lista ficou como estava.</translation>
    </message>
    <message>
        <source>The Base List contained no files, so the scan was not run (it would have compared the Compare List with itself).</source>
        <translation>A lista base não continha arquivos, então a verificação não foi feita (ela compararia a lista de comparação consigo mesma).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them matched only by size and CRC-32 (entries of an older deleted-file list).</source>
        <translation>
            <numerusform>%n deles correspondeu só por tamanho e CRC-32 (entradas de uma lista de arquivos excluídos antiga).</numerusform>
            <numerusform>%n deles corresponderam só por tamanho e CRC-32 (entradas de uma lista de arquivos excluídos antiga).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the deleted-file list matched were not deleted and were left out of this scan.</source>
        <translation>
            <numerusform>%n arquivo reconhecido pela lista de arquivos excluídos não foi excluído e ficou fora desta verificação.</numerusform>
            <numerusform>%n arquivos reconhecidos pela lista de arquivos excluídos não foram excluídos e ficaram fora desta verificação.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matched files were not deleted: they changed since they were read or could not be removed.</source>
        <translation>
            <numerusform>%n arquivo reconhecido não foi excluído: mudou desde que foi lido ou não pôde ser removido.</numerusform>
            <numerusform>%n arquivos reconhecidos não foram excluídos: mudaram desde que foram lidos ou não puderam ser removidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were back where they had been deleted from: they were kept, and the deleted-file list forgot them.</source>
        <translation>
            <numerusform>%n arquivo tinha voltado ao lugar de onde foi excluído: foi mantido, e a lista de arquivos excluídos o esqueceu.</numerusform>
            <numerusform>%n arquivos tinham voltado ao lugar de onde foram excluídos: foram mantidos, e a lista de arquivos excluídos os esqueceu.</numerusform>
        </translation>
    </message>
    <message>
        <source>These folders were not found and were left out:</source>
        <translation>Estas pastas não foram encontradas e ficaram de fora:</translation>
    </message>
    <message>
        <source>Finished Scanning for Duplicates.</source>
        <translation>Busca por duplicatas concluída.</translation>
    </message>
    <message>
        <source>Found %1 possible duplicates in %2.</source>
        <translation>%1 possíveis duplicatas encontradas em %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n files marked for Delete.</source>
        <translation>
            <numerusform>%n arquivo marcado para exclusão.</numerusform>
            <numerusform>%n arquivos marcados para exclusão.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files automatically deleted.</source>
        <translation>
            <numerusform>%n arquivo excluído automaticamente.</numerusform>
            <numerusform>%n arquivos excluídos automaticamente.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be read.</source>
        <translation>
            <numerusform>%n arquivo não pôde ser lido.</numerusform>
            <numerusform>%n arquivos não puderam ser lidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched by the deleted-file list, not deleted:</source>
        <translation>Reconhecidos pela lista de arquivos excluídos, não excluídos:</translation>
    </message>
    <message>
        <source>Automatically deleted:</source>
        <translation>Excluídos automaticamente:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Não puderam ser lidos:</translation>
    </message>
    <message>
        <source>Scan Canceled.</source>
        <translation>Verificação cancelada.</translation>
    </message>
    <message>
        <source>You must first Add some folders to Scan.</source>
        <translation>Primeiro você precisa adicionar pastas a verificar.</translation>
    </message>
    <message>
        <source>The Compare List contained no files.</source>
        <translation>A lista de comparação não continha arquivos.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were automatically deleted.</source>
        <translation>
            <numerusform>%n arquivo foi excluído automaticamente.</numerusform>
            <numerusform>%n arquivos foram excluídos automaticamente.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1   </source>
        <translation>Versão %1   </translation>
    </message>
    <message>
        <source>File Date : %1</source>
        <translation>Data do arquivo: %1</translation>
    </message>
    <message>
        <source>Linux:  %1.%2   </source>
        <translation>Linux:  %1.%2   </translation>
    </message>
    <message>
        <source>Physical memory:  %1 K</source>
        <translation>Memória física:  %1 K</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configurações: %1</translation>
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
        <translation>Adicionar ao banco de dados</translation>
    </message>
    <message>
        <source>Add Folders to Database</source>
        <translation>Adicionar pastas ao banco de dados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Done selecting folders, Add them to the database now.</source>
        <translation>Seleção de pastas concluída: adicioná-las agora ao banco de dados.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel the add.</source>
        <translation>Cancelar a adição.</translation>
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
        <translation>* = qualquer sequência de caracteres (mesmo vazia)
? = qualquer caractere
# = qualquer dígito (0..9)
@ = qualquer letra (A..Z, a..z)
senão = esse mesmo caractere</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Filename Compare</source>
        <translation>Comparação de nomes</translation>
    </message>
    <message>
        <source>&amp;Image Compare</source>
        <translation>Comparação de &amp;imagens</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Geral</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Ignore Numeric Filenames</source>
        <translation>Ignorar nomes de arquivo numéricos</translation>
    </message>
    <message>
        <source>Use Ignore List</source>
        <translation>Usar a lista de exclusão</translation>
    </message>
    <message>
        <source>Ignore filenames containing...</source>
        <translation>Ignorar nomes de arquivo que contenham...</translation>
    </message>
    <message>
        <source>&amp;Auto Mark Delete</source>
        <translation>Marcação &amp;automática para exclusão</translation>
    </message>
    <message>
        <source>&amp;Fuzz Factor:</source>
        <translation>&amp;Fator de tolerância:</translation>
    </message>
    <message>
        <source>If errors are</source>
        <translation>Se a diferença estiver em</translation>
    </message>
    <message>
        <source>and width is within</source>
        <translation>e a largura dentro de</translation>
    </message>
    <message>
        <source>and height is within</source>
        <translation>e a altura dentro de</translation>
    </message>
    <message>
        <source>and filesize is within</source>
        <translation>e o tamanho do arquivo dentro de</translation>
    </message>
    <message>
        <source>then mark for delete.</source>
        <translation>então marcar para exclusão.</translation>
    </message>
    <message>
        <source>The Lower the Fuzz Factor, the more accurate the search.</source>
        <translation>Quanto menor o fator de tolerância, mais precisa a busca.</translation>
    </message>
    <message>
        <source>Con&amp;firm File Deletes</source>
        <translation>Con&amp;firmar a exclusão de arquivos</translation>
    </message>
    <message>
        <source>&amp;Move Deleted Files to the Trash</source>
        <translation>&amp;Mover os arquivos excluídos para a lixeira</translation>
    </message>
    <message>
        <source>&amp;Beep on Delete</source>
        <translation>&amp;Bipe ao excluir</translation>
    </message>
    <message>
        <source>&amp;Navigate with Arrows / Page Keys</source>
        <translation>&amp;Navegar com as setas e Page Up / Page Down</translation>
    </message>
    <message>
        <source>Check A / B Drives.</source>
        <translation>Verificar as unidades de disquete A / B.</translation>
    </message>
    <message>
        <source>Use &amp;Deleted List</source>
        <translation>Usar a lista de arquivos &amp;excluídos</translation>
    </message>
    <message>
        <source>Also find &amp;rotated and mirrored copies</source>
        <translation>Encontrar também cópias gi&amp;radas e espelhadas</translation>
    </message>
    <message>
        <source>Also compare &amp;newer picture types (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, camera raw)</source>
        <translation>Comparar também tipos de imagem mais &amp;novos (PNG, TIFF, WebP, HEIF, AVIF, JPEG XL, raw de câmera)</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseDialog</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Banco de dados VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Note:  It is NOT recommended to place files from different
removable disks in the same database.  Create a separate
database for each removable disk.</source>
        <translation>Observação: NÃO é recomendado colocar arquivos de discos removíveis
diferentes no mesmo banco de dados. Crie um banco de
dados separado para cada disco removível.</translation>
    </message>
    <message>
        <source>Database Management</source>
        <translation>Gerenciamento de bancos de dados</translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation>&amp;Novo banco de dados</translation>
    </message>
    <message>
        <source>Create a New database.</source>
        <translation>Criar um novo banco de dados.</translation>
    </message>
    <message>
        <source>&amp;Add to Database</source>
        <translation>&amp;Adicionar ao banco de dados</translation>
    </message>
    <message>
        <source>Add new files to, and freshen files in an existing database.</source>
        <translation>Adicionar arquivos novos a um banco de dados existente e atualizar os que ele já contém.</translation>
    </message>
    <message>
        <source>&amp;Freshen files (and pack local files).</source>
        <translation>Atuali&amp;zar arquivos (e compactar arquivos locais).</translation>
    </message>
    <message>
        <source>Look for existing files, and update if changed.</source>
        <translation>Procurar os arquivos existentes e atualizá-los se tiverem mudado.</translation>
    </message>
    <message>
        <source>&amp;Explore Database</source>
        <translation>&amp;Explorar banco de dados</translation>
    </message>
    <message>
        <source>View the contents of your existing Databases.</source>
        <translation>Ver o conteúdo dos seus bancos de dados existentes.</translation>
    </message>
    <message>
        <source>&amp;Cancel Operation</source>
        <translation>Cancelar &amp;operação</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluído</translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseExplorer</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Banco de dados VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Database Explorer</source>
        <translation>Explorador de banco de dados</translation>
    </message>
    <message>
        <source>Load a VL Database.</source>
        <translation>Carregar um banco de dados VL.</translation>
    </message>
    <message>
        <source>Find Next Matching File.</source>
        <translation>Encontrar o próximo arquivo correspondente.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Erro ao ler o arquivo de imagem.</translation>
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
        <translation>Imagem quase uniforme: confira antes de excluir.</translation>
    </message>
    <message>
        <source>Paired by fingerprints alone, not verified: check before deleting.</source>
        <translation>Emparelhado só por impressões digitais, sem verificação: confira antes de excluir.</translation>
    </message>
</context>
<context>
    <name>vl::gui::ExplorerListModel</name>
    <message>
        <source>Path</source>
        <extracomment>Column headers of the database explorer&apos;s file list; &quot;Del&quot; shows whether the file was deleted.</extracomment>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Exc.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Filesize</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
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

Excluir também estas últimas cópias? Com “Não”, cada arquivo desses grupos fica onde está.</translation>
    </message>
    <message>
        <source>No file was deleted</source>
        <translation>Nenhum arquivo foi excluído</translation>
    </message>
    <message>
        <source>%1 moved to the trash</source>
        <translation>%1 movido para a lixeira</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 excluído definitivamente</translation>
    </message>
    <message>
        <source>Confirm File Delete...</source>
        <translation>Confirmar exclusão...</translation>
    </message>
    <message>
        <source>No marked file to delete</source>
        <translation>Nenhum arquivo marcado para excluir</translation>
    </message>
    <message>
        <source>Confirm Deletion of all visible marked files...</source>
        <translation>Confirmar a exclusão de todos os arquivos marcados visíveis...</translation>
    </message>
    <message>
        <source>Confirm Deletion of ALL marked files...</source>
        <translation>Confirmar a exclusão de TODOS os arquivos marcados...</translation>
    </message>
    <message>
        <source>Choose the New Volume Root for This File</source>
        <translation>Escolher o novo ponto de montagem deste arquivo</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>Unable to show the file in its folder.</source>
        <translation>Não foi possível mostrar o arquivo na sua pasta.</translation>
    </message>
    <message>
        <source>%1 will be moved to the trash.</source>
        <translation>%1 será movido para a lixeira.</translation>
    </message>
    <message>
        <source>%1 will be deleted for good; this cannot be undone.</source>
        <translation>%1 será excluído definitivamente; isso não pode ser desfeito.</translation>
    </message>
    <message numerus="yes">
        <source>%n group would lose every copy of its file.</source>
        <translation>
            <numerusform>%n grupo perderia todas as cópias do seu arquivo.</numerusform>
            <numerusform>%n grupos perderiam todas as cópias do seu arquivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups would lose every copy of their file.</source>
        <translation>
            <numerusform>%n grupo perderia todas as cópias do seu arquivo.</numerusform>
            <numerusform>%n grupos perderiam todas as cópias do seu arquivo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePaneTransfers</name>
    <message>
        <source>DropSource Demo</source>
        <translation>Arrastar e soltar</translation>
    </message>
    <message>
        <source>The destination folder is the same as the source!</source>
        <translation>A pasta de destino é a mesma que a de origem!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePanes</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
</context>
<context>
    <name>vl::gui::FilterComboBox</name>
    <message>
        <source>Image Files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Arquivos de áudio</translation>
    </message>
    <message>
        <source>Video Files</source>
        <translation>Arquivos de vídeo</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
</context>
<context>
    <name>vl::gui::FolderListBox</name>
    <message>
        <source>Select Folder to Scan.</source>
        <translation>Selecionar a pasta a verificar.</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation>Arquivos de texto (*.txt)|*.txt|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation>Banco de dados VL (*.VDB)|*.VDB</translation>
    </message>
    <message>
        <source>Add Folders to Scan.</source>
        <translation>Adicionar pastas a verificar.</translation>
    </message>
    <message>
        <source>Remove the Selected Folder.</source>
        <translation>Remover a pasta selecionada.</translation>
    </message>
    <message>
        <source>Clear the Folder list.</source>
        <translation>Limpar a lista de pastas.</translation>
    </message>
    <message>
        <source>Load a Folder List from file.</source>
        <translation>Carregar uma lista de pastas de um arquivo.</translation>
    </message>
    <message>
        <source>Save the current Folder List to file.</source>
        <translation>Salvar a lista de pastas atual em um arquivo.</translation>
    </message>
    <message>
        <source>Add a VL Database</source>
        <translation>Adicionar um banco de dados VL</translation>
    </message>
    <message>
        <source>+DB</source>
        <translation>+BD</translation>
    </message>
    <message>
        <source>Scan all subfolders?</source>
        <translation>Verificar todas as subpastas?</translation>
    </message>
</context>
<context>
    <name>vl::gui::FoldersDialog</name>
    <message>
        <source>Folders to Scan</source>
        <translation>Pastas a verificar</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Arquivos base</translation>
    </message>
    <message>
        <source>Files to Compare against Base</source>
        <translation>Arquivos a comparar com os arquivos base</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluído</translation>
    </message>
    <message>
        <source>Database &amp;Management</source>
        <translation>Gerenciamento de &amp;bancos de dados</translation>
    </message>
</context>
<context>
    <name>vl::gui::HelpWindow</name>
    <message>
        <source>Velloran Help</source>
        <translation>Ajuda do Velloran</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
</context>
<context>
    <name>vl::gui::MainWindow</name>
    <message>
        <source>Del</source>
        <extracomment>Column headers of the duplicate list; &quot;Del&quot; is the column that shows a file&apos;s deletion mark.</extracomment>
        <translation>Exc.</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation>Arquivos base</translation>
    </message>
    <message>
        <source>|The base images that have possible duplicates.</source>
        <translation>|As imagens base que têm possíveis duplicatas.</translation>
    </message>
    <message>
        <source>All Dupes</source>
        <translation>Todas as duplicatas</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcados</translation>
    </message>
    <message>
        <source>How much the picture differs from the group&apos;s base: 0 for the base and for the same picture, more for a picture that looks less alike</source>
        <translation>Quanto a imagem difere do arquivo base do seu grupo: 0 para o arquivo base e para a mesma imagem, mais para uma imagem menos parecida</translation>
    </message>
    <message>
        <source>Ready To Scan</source>
        <translation>Pronto para verificar</translation>
    </message>
    <message>
        <source>The marks were changed since the results were last saved.

Save the results before closing?</source>
        <translation>As marcas mudaram desde a última vez que os resultados foram salvos.

Salvar os resultados antes de fechar?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;JPEG Options</source>
        <translation>Opções de &amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Pré-visualização</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>E&amp;scala</translation>
    </message>
    <message>
        <source>&amp;Performance</source>
        <translation>&amp;Desempenho</translation>
    </message>
    <message>
        <source>File &amp;Management</source>
        <translation>&amp;Gerenciamento de arquivos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleCommands</name>
    <message>
        <source>Reading the date taken and camera of each file...</source>
        <translation>Lendo a data da foto e a câmera de cada arquivo...</translation>
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
        <translation>Maior resolução (largura x altura)</translation>
    </message>
    <message>
        <source>Largest file</source>
        <translation>Maior arquivo</translation>
    </message>
    <message>
        <source>Smallest file</source>
        <translation>Menor arquivo</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Mais recente</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Mais antigo</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Caminho mais curto</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Caminho mais longo</translation>
    </message>
    <message>
        <source>Name without a copy marker (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</source>
        <extracomment>The quoted markers are what the rule looks for in file names: keep them as they are.</extracomment>
        <translation>Nome sem marca de cópia (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</translation>
    </message>
    <message>
        <source>Inside folder ...</source>
        <translation>Dentro da pasta ...</translation>
    </message>
    <message>
        <source>Mark by Rule</source>
        <translation>Marcar por regra</translation>
    </message>
    <message>
        <source>Each group keeps the best file by the first checked criterion that tells its files apart; every other file is marked.</source>
        <translation>Cada grupo mantém o melhor arquivo pelo primeiro critério marcado que distinga seus arquivos; todos os outros arquivos são marcados.</translation>
    </message>
    <message>
        <source>Apply after every &amp;scan</source>
        <translation>Aplicar após cada &amp;verificação</translation>
    </message>
    <message>
        <source>Choose only among each group&apos;s base and mar&amp;ked files (unmarked files stay unmarked)</source>
        <translation>Escolher só entre o arquivo base e os arquivos mar&amp;cados de cada grupo (arquivos desmarcados continuam desmarcados)</translation>
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
        <translation>Manter o arquivo com</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Never mark files in these folders</source>
        <translation>Nunca marcar arquivos nestas pastas</translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Adicionar pasta...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Inside Folder</source>
        <translation>Dentro da pasta</translation>
    </message>
    <message>
        <source>Protected Folder</source>
        <translation>Pasta protegida</translation>
    </message>
    <message>
        <source>Earliest taken (EXIF date, else the file date)</source>
        <translation>Foto mais antiga (data EXIF, senão a data do arquivo)</translation>
    </message>
    <message>
        <source>Has camera data (EXIF make or model)</source>
        <translation>Tem dados da câmera (marca ou modelo EXIF)</translation>
    </message>
    <message>
        <source>Camera raw file first</source>
        <translation>Arquivo raw de câmera primeiro</translation>
    </message>
    <message>
        <source>JPEG file first</source>
        <translation>Arquivo JPEG primeiro</translation>
    </message>
</context>
<context>
    <name>vl::gui::MatchingChoice</name>
    <message>
        <source>Picture matching</source>
        <translation>Correspondência de imagens</translation>
    </message>
    <message>
        <source>Find &amp;edited copies (recommended)</source>
        <translation>Encontrar cópias &amp;editadas (recomendado)</translation>
    </message>
    <message>
        <source>C&amp;lassic fingerprint match</source>
        <translation>Correspondência c&amp;lássica por impressão digital</translation>
    </message>
    <message>
        <source>Resized, recompressed, cropped, greyscale and re-formatted copies, each pair confirmed by a finer signature.</source>
        <translation>Cópias redimensionadas, recomprimidas, recortadas, em tons de cinza e convertidas para outro formato, cada par confirmado por uma assinatura mais fina.</translation>
    </message>
    <message>
        <source>The fingerprint alone, as earlier versions matched: misses more copies and pairs more different pictures.</source>
        <translation>Só a impressão digital, como nas versões anteriores: deixa passar mais cópias e emparelha mais imagens diferentes.</translation>
    </message>
</context>
<context>
    <name>vl::gui::NotDuplicateCommands</name>
    <message>
        <source>Forget every pair of files marked as not duplicates?</source>
        <translation>Esquecer todos os pares de arquivos marcados como não duplicatas?</translation>
    </message>
</context>
<context>
    <name>vl::gui::PreviewController</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation>Erro ao ler o arquivo de imagem.</translation>
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
        <translation>Resultados do Velloran (*.vlr)|*.vlr</translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanOptionsDialog</name>
    <message>
        <source>Scan Options</source>
        <translation>Opções de verificação</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Comparação aproximada.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Procurar nomes de arquivo iguais.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames, and Filesize.</source>
        <translation>Procurar nomes de arquivo e tamanhos iguais.</translation>
    </message>
    <message>
        <source>Compare contents of files.</source>
        <translation>Comparar o conteúdo dos arquivos.</translation>
    </message>
    <message>
        <source>&amp;Start Scan</source>
        <translation>&amp;Iniciar verificação</translation>
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
        <translation>O Velloran é uma ferramenta incrivelmente poderosa para localizar e remover imagens duplicadas do seu computador.
 
O Velloran tem muitos recursos pensados para colecionadores exigentes, mas, como tudo, eles podem confundir um pouco quem está começando.
 
Se você é novo no Velloran, recomendamos usar este assistente nas suas primeiras verificações. Quando conhecer melhor o programa, talvez ache a interface clássica mais eficiente.</translation>
    </message>
    <message>
        <source>Actually look at the images, and do a &quot;Visual&quot; Comparison.  This will find Resized, Resampled, Scaled, Cropped, Color Corrected, and otherwise altered images.  It does however find erroneous matches.  This is the Slowest Scan Method, but can be sped up dramatically by using Databases (See Help File).</source>
        <translation>Olhar de verdade as imagens e compará-las “visualmente”. Isso encontra imagens redimensionadas, reamostradas, escaladas, recortadas, com cor corrigida ou alteradas de outro modo, mas também encontra correspondências erradas. É o método de verificação mais lento, mas os bancos de dados o aceleram muito (veja a Ajuda).</translation>
    </message>
    <message>
        <source>Find all files with duplicate Filenames.</source>
        <translation>Encontrar todos os arquivos com nomes duplicados.</translation>
    </message>
    <message>
        <source>Find all files with Duplicate Filenames that are the same Size.</source>
        <translation>Encontrar todos os arquivos com nomes duplicados e o mesmo tamanho.</translation>
    </message>
    <message>
        <source>Find all Files that have identical Filesizes and Identical File Contents.  This will find Exact Duplicates, and is the fastest Scan Method.</source>
        <translation>Encontrar todos os arquivos com tamanho e conteúdo idênticos. Isso encontra duplicatas exatas; é o método de verificação mais rápido.</translation>
    </message>
    <message>
        <source>&amp;Add Folder</source>
        <translation>&amp;Adicionar pasta</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>Add &amp;Database</source>
        <translation>Adicionar &amp;banco de dados</translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation>&amp;Carregar lista</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Salvar lista</translation>
    </message>
    <message>
        <source>VL Scan Wizard</source>
        <translation>Assistente de verificação VL</translation>
    </message>
    <message>
        <source>Welcome to Velloran</source>
        <translation>Bem-vindo ao Velloran</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clássica</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Assistente</translation>
    </message>
    <message>
        <source>&amp;Show this screen at Startup.</source>
        <translation>&amp;Mostrar esta tela ao iniciar.</translation>
    </message>
    <message>
        <source>Select Base Files</source>
        <translation>Selecionar arquivos base</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Make sure that this list is blank, and proceed to the next step.</source>
        <translation>Se esta é sua primeira verificação, deixe esta lista vazia e siga para o próximo passo.</translation>
    </message>
    <message>
        <source>If you already have a Collection that you want to compare NEW files against, place your existing collection in this list.</source>
        <translation>Se você já tem uma coleção com a qual quer comparar arquivos NOVOS, coloque sua coleção existente nesta lista.</translation>
    </message>
    <message>
        <source>Select Compare Files</source>
        <translation>Selecionar arquivos a comparar</translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Add the Folders you want to Scan to this list.</source>
        <translation>Se esta é sua primeira verificação, adicione a esta lista as pastas que quer verificar.</translation>
    </message>
    <message>
        <source>If you already have a Collection Add the Folders containing your New (Incoming) files to this list.  These new files will be compared against your existing collection.</source>
        <translation>Se você já tem uma coleção, adicione a esta lista as pastas com seus arquivos novos (recebidos). Esses arquivos novos serão comparados com sua coleção existente.</translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation>Comparação aproximada.</translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation>Procurar nomes de arquivo iguais.</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Once you have selected the folders to Scan, you can select the Scan Method to use...</source>
        <translation>Depois de selecionar as pastas a verificar, você pode escolher o método de verificação...</translation>
    </message>
    <message>
        <source>&lt;- &amp;Back</source>
        <translation>&lt;- &amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation>&amp;Avançar -&gt;</translation>
    </message>
</context>
<context>
    <name>vl::gui::UndoCommand</name>
    <message>
        <source>Nothing was undone: another file now stands where a file would go back, or the folder it came from is gone. Move it out of the way and undo again.</source>
        <translation>Nada foi desfeito: outro arquivo agora ocupa o lugar para onde um arquivo voltaria, ou a pasta de onde ele veio não existe mais. Tire-o do caminho e desfaça de novo.</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Desfazer exclusão</translation>
    </message>
    <message>
        <source>Can&apos;t &amp;Undo Delete</source>
        <translation>Não é possível &amp;desfazer a exclusão</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Desfazer movimentação</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Desfazer renomeação</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>|The last files were deleted for good: they cannot be brought back.</source>
        <translation>|Os últimos arquivos foram excluídos definitivamente: não podem ser trazidos de volta.</translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation>|Trazer de volta os arquivos da última exclusão, movimentação ou renomeação.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Nada foi desfeito.</translation>
    </message>
    <message>
        <source>Some files could not be brought back.</source>
        <translation>Alguns arquivos não puderam ser trazidos de volta.</translation>
    </message>
    <message>
        <source>%1 back from the trash</source>
        <translation>%1 trazido de volta da lixeira</translation>
    </message>
    <message>
        <source>Renamed back to %1</source>
        <translation>Renomeado de volta para %1</translation>
    </message>
    <message>
        <source>Moved back to %1</source>
        <translation>Movido de volta para %1</translation>
    </message>
</context>
<context>
    <name>vl::gui::VelloranApplication</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
</TS>
