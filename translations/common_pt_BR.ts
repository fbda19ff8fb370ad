<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Beatwise Help</source>
        <translation>Ajuda do Beatwise</translation>
    </message>
    <message>
        <source>Tonewise Help</source>
        <translation>Ajuda do Tonewise</translation>
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
    <name>MicrophoneMenu</name>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>No microphone is connected, so nothing sung is heard. Every other way of answering works as before.</source>
        <translation>Nenhum microfone está conectado, então nada cantado é ouvido. Todas as outras formas de responder funcionam como antes.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is not connected. Every other way of answering works as before.</source>
        <translation>O microfone “%1” não está conectado. Todas as outras formas de responder funcionam como antes.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be opened. Every other way of answering works as before.</source>
        <translation>O microfone “%1” não pode ser aberto. Todas as outras formas de responder funcionam como antes.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is no longer connected. Every other way of answering works as before; choose another microphone to go on listening.</source>
        <translation>O microfone “%1” não está mais conectado. Todas as outras formas de responder funcionam como antes; escolha outro microfone para continuar ouvindo.</translation>
    </message>
    <message>
        <source>The microphone cannot be listened to on this computer (%1). Every other way of answering works as before.</source>
        <translation>Neste computador o microfone não pode ser ouvido (%1). Todas as outras formas de responder funcionam como antes.</translation>
    </message>
</context>
<context>
    <name>ProgramSound</name>
    <message>
        <source>Sound is unavailable.

%1</source>
        <translation>O som não está disponível.

%1</translation>
    </message>
</context>
<context>
    <name>QuizSetup</name>
    <message>
        <source>Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO if this CONTINUES A TEST and you need ALL previous scores</source>
        <translation>Clique em SIM se esta é uma PROVA NOVA e você quer apagar TODAS as pontuações anteriores. Clique em NÃO se isto CONTINUA UMA PROVA e você precisa de TODAS as pontuações anteriores</translation>
    </message>
    <message>
        <source>%1 The quiz was not prepared.</source>
        <translation>%1 A prova não foi preparada.</translation>
    </message>
</context>
<context>
    <name>ScoreFiles</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: no temporary file could be made</source>
        <translation>Não foi possível gravar %1: não foi possível criar um arquivo temporário</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>o disco pode estar cheio</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>Não foi possível substituir %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists; choose a new folder</source>
        <translation>%1 já existe; escolha uma pasta nova</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>não é possível gravar em %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <source>it is not a rich-text (RTF) document</source>
        <translation>não é um documento de texto formatado (RTF)</translation>
    </message>
    <message>
        <source>its groups are nested too deeply</source>
        <translation>seus grupos estão aninhados fundo demais</translation>
    </message>
    <message>
        <source>a group is closed that was never opened</source>
        <translation>um grupo é fechado sem nunca ter sido aberto</translation>
    </message>
    <message>
        <source>it holds text outside its document group</source>
        <translation>contém texto fora do grupo do documento</translation>
    </message>
    <message>
        <source>the document is cut short (a group is not closed)</source>
        <translation>o documento está cortado (um grupo não foi fechado)</translation>
    </message>
    <message>
        <source>it holds data after the end of the document</source>
        <translation>contém dados depois do fim do documento</translation>
    </message>
    <message>
        <source>the document is cut short</source>
        <translation>o documento está cortado</translation>
    </message>
    <message>
        <source>the document is cut short inside binary data</source>
        <translation>o documento está cortado no meio de dados binários</translation>
    </message>
    <message>
        <source>The score file %1 is a link to a place outside the score folder %2, so it was not used.</source>
        <translation>O arquivo de pontuações %1 é um link para um lugar fora da pasta de pontuações %2, por isso não foi usado.</translation>
    </message>
    <message>
        <source>The score file %1 is not an ordinary file, so it was not used.</source>
        <translation>O arquivo de pontuações %1 não é um arquivo comum, por isso não foi usado.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2</source>
        <translation>Não foi possível ler o arquivo de pontuações %1: %2</translation>
    </message>
    <message>
        <source>The score file %1 is larger than %2 MB, far larger than any score file, so it was not used.</source>
        <translation>O arquivo de pontuações %1 tem mais de %2 MB, muito mais que qualquer arquivo de pontuações, por isso não foi usado.</translation>
    </message>
    <message>
        <source>The score file %1 is being written by another program. Please try again in a moment.</source>
        <translation>Outro programa está gravando o arquivo de pontuações %1. Tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2.</source>
        <translation>Não foi possível bloquear o arquivo de pontuações %1 para gravação: %2.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the new scores could not be added to it.</source>
        <translation>O arquivo de pontuações %1 é somente leitura (%2), por isso as novas pontuações não puderam ser adicionadas a ele.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read (%2), so it was left as it was. The new scores were written to %3.</source>
        <translation>Não foi possível ler o arquivo de pontuações %1 (%2), por isso ele ficou como estava. As novas pontuações foram gravadas em %3.</translation>
    </message>
    <message>
        <source>The score file %1 was saved by another program, and a copy of it could not be kept before the new scores were added: %2. The score file was left as it was.</source>
        <translation>O arquivo de pontuações %1 foi salvo por outro programa, e não foi possível guardar uma cópia dele antes de adicionar as novas pontuações: %2. O arquivo de pontuações ficou como estava.</translation>
    </message>
    <message>
        <source>The score file %1 was last saved by another program. The new scores were added as plain lines, and the file as it was, with all its formatting, was kept as %2.</source>
        <translation>O arquivo de pontuações %1 foi salvo pela última vez por outro programa. As novas pontuações foram adicionadas como linhas simples, e o arquivo como estava, com toda a formatação, foi guardado como %2.</translation>
    </message>
    <message>
        <source>The scores could not be saved: %1. The score file was left as it was.</source>
        <translation>Não foi possível salvar as pontuações: %1. O arquivo de pontuações ficou como estava.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the earlier scores were not erased.</source>
        <translation>O arquivo de pontuações %1 é somente leitura (%2), por isso as pontuações anteriores não foram apagadas.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, and it could not be moved aside to start a new test.</source>
        <translation>Não foi possível ler o arquivo de pontuações %1, nem foi possível colocá-lo de lado para começar uma prova nova.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, so it was kept as %2 and a new score file was started.</source>
        <translation>Não foi possível ler o arquivo de pontuações %1, por isso ele foi guardado como %2 e um novo arquivo de pontuações foi iniciado.</translation>
    </message>
    <message>
        <source>The earlier scores could not be erased: %1.</source>
        <translation>Não foi possível apagar as pontuações anteriores: %1.</translation>
    </message>
    <message>
        <source>There is no score file for &quot;%1&quot; (%2).</source>
        <translation>Não há arquivo de pontuações para “%1” (%2).</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2.</source>
        <translation>Não foi possível ler o arquivo de pontuações %1: %2.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read for the copy: %2</source>
        <translation>Não foi possível ler o arquivo de pontuações %1 para a cópia: %2</translation>
    </message>
    <message>
        <source>The score was NOT copied: the folder %1 is not there (is the disk in the drive?).</source>
        <translation>A pontuação NÃO foi copiada: a pasta %1 não está lá (o disco está na unidade?).</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1 is the score folder itself. Please choose another folder, such as one on a removable disk.</source>
        <translation>A pontuação NÃO foi copiada: %1 é a própria pasta de pontuações. Escolha outra pasta, por exemplo uma num disco removível.</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1.</source>
        <translation>A pontuação NÃO foi copiada: %1.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it contains &quot;/&quot; or &quot;\&quot;</source>
        <translation>contém “/” ou “\”</translation>
    </message>
    <message>
        <source>it contains &quot;..&quot;</source>
        <translation>contém “..”</translation>
    </message>
    <message>
        <source>it contains an incomplete character</source>
        <translation>contém um caractere incompleto</translation>
    </message>
    <message>
        <source>it contains a control character (such as a tab or line break)</source>
        <translation>contém um caractere de controle (como uma tabulação ou uma quebra de linha)</translation>
    </message>
    <message>
        <source>it contains one of the characters &lt; &gt; : &quot; | ? *</source>
        <translation>contém um dos caracteres &lt; &gt; : &quot; | ? *</translation>
    </message>
    <message>
        <source>it begins with a dot</source>
        <translation>começa com um ponto</translation>
    </message>
    <message>
        <source>it ends with a dot</source>
        <translation>termina com um ponto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device name that Windows keeps for itself</source>
        <translation>“%1” é um nome de dispositivo que o Windows reserva para si</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>This name cannot be used for a score file: %1. Please type your last name OR student ID again.</source>
        <translation>Este nome não pode ser usado para um arquivo de pontuações: %1. Digite de novo seu sobrenome OU sua matrícula.</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2, the name of its lock file, is taken by a folder or another item that is not a lock file. Once it is removed, scores can be saved again.</source>
        <translation>Não foi possível bloquear o arquivo de pontuações %1 para gravação: %2, o nome do seu arquivo de bloqueio, está ocupado por uma pasta ou outro item que não é um arquivo de bloqueio. Quando ele for removido, as pontuações poderão ser salvas de novo.</translation>
    </message>
    <message>
        <source>The score file %1 is a link that leads round in a circle (%2), so it was not used.</source>
        <translation>O arquivo de pontuações %1 é um link que anda em círculo (%2), por isso não foi usado.</translation>
    </message>
    <message>
        <source>The score file %1 is a link to the folder %2, not to a file, so it was not used.</source>
        <translation>O arquivo de pontuações %1 é um link para a pasta %2, não para um arquivo, por isso não foi usado.</translation>
    </message>
    <message>
        <source>The new scores would make the score file %1 larger than %2 MB, the most a score file may hold, so they were not added. The score file was left as it was.</source>
        <translation>As novas pontuações fariam o arquivo de pontuações %1 passar de %2 MB, o máximo que um arquivo de pontuações pode ter, por isso não foram adicionadas. O arquivo de pontuações ficou como estava.</translation>
    </message>
    <message>
        <source>The score folder %1 could not be created: %2.</source>
        <translation>Não foi possível criar a pasta de pontuações %1: %2.</translation>
    </message>
    <message>
        <source>it contains an invisible or direction-changing character (%1), which would make it look like another name</source>
        <translation>contém um caractere invisível ou que muda a direção do texto (%1), que o faria parecer outro nome</translation>
    </message>
    <message>
        <source>it is too long for a file name: it takes %1 bytes, and at most %2 fit</source>
        <translation>é longo demais para um nome de arquivo: ocupa %1 bytes, e cabem no máximo %2</translation>
    </message>
</context>
<context>
    <name>ScorePrompts</name>
    <message>
        <source>Scores File Name</source>
        <translation>Nome do arquivo de pontuações</translation>
    </message>
    <message>
        <source>Please type your last name OR student ID.</source>
        <translation>Digite seu sobrenome OU sua matrícula.</translation>
    </message>
    <message>
        <source>Folder for the copy of the scores</source>
        <translation>Pasta para a cópia das pontuações</translation>
    </message>
    <message>
        <source>The scores were not copied.</source>
        <translation>As pontuações não foram copiadas.</translation>
    </message>
</context>
<context>
    <name>TScoreRecord</name>
    <message>
        <source>Scores</source>
        <translation>Pontuações</translation>
    </message>
</context>
</TS>
