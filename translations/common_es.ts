<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Beatwise Help</source>
        <translation>Ayuda de Beatwise</translation>
    </message>
    <message>
        <source>Tonewise Help</source>
        <translation>Ayuda de Tonewise</translation>
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
    <name>MicrophoneMenu</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>No microphone is connected, so nothing sung is heard. Every other way of answering works as before.</source>
        <translation>No hay ningún micrófono conectado, así que no se oye nada cantado. Todas las demás formas de responder funcionan como antes.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is not connected. Every other way of answering works as before.</source>
        <translation>El micrófono «%1» no está conectado. Todas las demás formas de responder funcionan como antes.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be opened. Every other way of answering works as before.</source>
        <translation>No se puede abrir el micrófono «%1». Todas las demás formas de responder funcionan como antes.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is no longer connected. Every other way of answering works as before; choose another microphone to go on listening.</source>
        <translation>El micrófono «%1» ya no está conectado. Todas las demás formas de responder funcionan como antes; elige otro micrófono para seguir escuchando.</translation>
    </message>
    <message>
        <source>The microphone cannot be listened to on this computer (%1). Every other way of answering works as before.</source>
        <translation>En este ordenador no se puede escuchar el micrófono (%1). Todas las demás formas de responder funcionan como antes.</translation>
    </message>
</context>
<context>
    <name>ProgramSound</name>
    <message>
        <source>Sound is unavailable.

%1</source>
        <translation>El sonido no está disponible.

%1</translation>
    </message>
</context>
<context>
    <name>QuizSetup</name>
    <message>
        <source>Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO if this CONTINUES A TEST and you need ALL previous scores</source>
        <translation>Haz clic en SÍ si es un EXAMEN NUEVO y quieres borrar TODAS las puntuaciones anteriores. Haz clic en NO si CONTINÚA UN EXAMEN y necesitas TODAS las puntuaciones anteriores</translation>
    </message>
    <message>
        <source>%1 The quiz was not prepared.</source>
        <translation>%1 El examen no se preparó.</translation>
    </message>
</context>
<context>
    <name>ScoreFiles</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: no temporary file could be made</source>
        <translation>No se pudo escribir %1: no se pudo crear un archivo temporal</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>No se pudo reemplazar %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists; choose a new folder</source>
        <translation>%1 ya existe; elige una carpeta nueva</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>it is not a rich-text (RTF) document</source>
        <translation>no es un documento de texto enriquecido (RTF)</translation>
    </message>
    <message>
        <source>its groups are nested too deeply</source>
        <translation>sus grupos están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>a group is closed that was never opened</source>
        <translation>se cierra un grupo que nunca se abrió</translation>
    </message>
    <message>
        <source>it holds text outside its document group</source>
        <translation>contiene texto fuera del grupo del documento</translation>
    </message>
    <message>
        <source>the document is cut short (a group is not closed)</source>
        <translation>el documento está cortado (un grupo no se cierra)</translation>
    </message>
    <message>
        <source>it holds data after the end of the document</source>
        <translation>contiene datos después del final del documento</translation>
    </message>
    <message>
        <source>the document is cut short</source>
        <translation>el documento está cortado</translation>
    </message>
    <message>
        <source>the document is cut short inside binary data</source>
        <translation>el documento está cortado dentro de datos binarios</translation>
    </message>
    <message>
        <source>The score file %1 is a link to a place outside the score folder %2, so it was not used.</source>
        <translation>El archivo de puntuaciones %1 es un enlace a un lugar fuera de la carpeta de puntuaciones %2, así que no se usó.</translation>
    </message>
    <message>
        <source>The score file %1 is not an ordinary file, so it was not used.</source>
        <translation>El archivo de puntuaciones %1 no es un archivo normal, así que no se usó.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo de puntuaciones %1: %2</translation>
    </message>
    <message>
        <source>The score file %1 is larger than %2 MB, far larger than any score file, so it was not used.</source>
        <translation>El archivo de puntuaciones %1 ocupa más de %2 MB, mucho más que cualquier archivo de puntuaciones, así que no se usó.</translation>
    </message>
    <message>
        <source>The score file %1 is being written by another program. Please try again in a moment.</source>
        <translation>Otro programa está escribiendo el archivo de puntuaciones %1. Vuelve a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2.</source>
        <translation>No se pudo bloquear el archivo de puntuaciones %1 para escribir en él: %2.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the new scores could not be added to it.</source>
        <translation>El archivo de puntuaciones %1 es de solo lectura (%2), así que no se le pudieron añadir las nuevas puntuaciones.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read (%2), so it was left as it was. The new scores were written to %3.</source>
        <translation>No se pudo leer el archivo de puntuaciones %1 (%2), así que se dejó como estaba. Las nuevas puntuaciones se escribieron en %3.</translation>
    </message>
    <message>
        <source>The score file %1 was saved by another program, and a copy of it could not be kept before the new scores were added: %2. The score file was left as it was.</source>
        <translation>El archivo de puntuaciones %1 lo guardó otro programa y no se pudo conservar una copia antes de añadir las nuevas puntuaciones: %2. El archivo de puntuaciones se dejó como estaba.</translation>
    </message>
    <message>
        <source>The score file %1 was last saved by another program. The new scores were added as plain lines, and the file as it was, with all its formatting, was kept as %2.</source>
        <translation>El archivo de puntuaciones %1 lo guardó por última vez otro programa. Las nuevas puntuaciones se añadieron como líneas simples, y el archivo tal como estaba, con todo su formato, se conservó como %2.</translation>
    </message>
    <message>
        <source>The scores could not be saved: %1. The score file was left as it was.</source>
        <translation>No se pudieron guardar las puntuaciones: %1. El archivo de puntuaciones se dejó como estaba.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the earlier scores were not erased.</source>
        <translation>El archivo de puntuaciones %1 es de solo lectura (%2), así que las puntuaciones anteriores no se borraron.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, and it could not be moved aside to start a new test.</source>
        <translation>No se pudo leer el archivo de puntuaciones %1, ni se pudo apartar para empezar un examen nuevo.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, so it was kept as %2 and a new score file was started.</source>
        <translation>No se pudo leer el archivo de puntuaciones %1, así que se conservó como %2 y se empezó un archivo de puntuaciones nuevo.</translation>
    </message>
    <message>
        <source>The earlier scores could not be erased: %1.</source>
        <translation>No se pudieron borrar las puntuaciones anteriores: %1.</translation>
    </message>
    <message>
        <source>There is no score file for &quot;%1&quot; (%2).</source>
        <translation>No hay ningún archivo de puntuaciones para «%1» (%2).</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2.</source>
        <translation>No se pudo leer el archivo de puntuaciones %1: %2.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read for the copy: %2</source>
        <translation>No se pudo leer el archivo de puntuaciones %1 para la copia: %2</translation>
    </message>
    <message>
        <source>The score was NOT copied: the folder %1 is not there (is the disk in the drive?).</source>
        <translation>La puntuación NO se copió: la carpeta %1 no está (¿está el disco en la unidad?).</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1 is the score folder itself. Please choose another folder, such as one on a removable disk.</source>
        <translation>La puntuación NO se copió: %1 es la propia carpeta de puntuaciones. Elige otra carpeta, por ejemplo una de un disco extraíble.</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1.</source>
        <translation>La puntuación NO se copió: %1.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it contains &quot;/&quot; or &quot;\&quot;</source>
        <translation>contiene «/» o «\»</translation>
    </message>
    <message>
        <source>it contains &quot;..&quot;</source>
        <translation>contiene «..»</translation>
    </message>
    <message>
        <source>it contains an incomplete character</source>
        <translation>contiene un carácter incompleto</translation>
    </message>
    <message>
        <source>it contains a control character (such as a tab or line break)</source>
        <translation>contiene un carácter de control (como un tabulador o un salto de línea)</translation>
    </message>
    <message>
        <source>it contains one of the characters &lt; &gt; : &quot; | ? *</source>
        <translation>contiene uno de los caracteres &lt; &gt; : &quot; | ? *</translation>
    </message>
    <message>
        <source>it begins with a dot</source>
        <translation>empieza por un punto</translation>
    </message>
    <message>
        <source>it ends with a dot</source>
        <translation>termina en un punto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device name that Windows keeps for itself</source>
        <translation>«%1» es un nombre de dispositivo que Windows reserva para sí</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>This name cannot be used for a score file: %1. Please type your last name OR student ID again.</source>
        <translation>Este nombre no se puede usar para un archivo de puntuaciones: %1. Escribe de nuevo tu apellido O tu número de estudiante.</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2, the name of its lock file, is taken by a folder or another item that is not a lock file. Once it is removed, scores can be saved again.</source>
        <translation>No se pudo bloquear el archivo de puntuaciones %1 para escribir en él: %2, el nombre de su archivo de bloqueo, lo ocupa una carpeta u otro elemento que no es un archivo de bloqueo. Cuando se quite, se podrán volver a guardar puntuaciones.</translation>
    </message>
    <message>
        <source>The score file %1 is a link that leads round in a circle (%2), so it was not used.</source>
        <translation>El archivo de puntuaciones %1 es un enlace que da vueltas en círculo (%2), así que no se usó.</translation>
    </message>
    <message>
        <source>The score file %1 is a link to the folder %2, not to a file, so it was not used.</source>
        <translation>El archivo de puntuaciones %1 es un enlace a la carpeta %2, no a un archivo, así que no se usó.</translation>
    </message>
    <message>
        <source>The new scores would make the score file %1 larger than %2 MB, the most a score file may hold, so they were not added. The score file was left as it was.</source>
        <translation>Las nuevas puntuaciones harían que el archivo de puntuaciones %1 ocupara más de %2 MB, lo máximo que puede ocupar un archivo de puntuaciones, así que no se añadieron. El archivo de puntuaciones se dejó como estaba.</translation>
    </message>
    <message>
        <source>The score folder %1 could not be created: %2.</source>
        <translation>No se pudo crear la carpeta de puntuaciones %1: %2.</translation>
    </message>
    <message>
        <source>it contains an invisible or direction-changing character (%1), which would make it look like another name</source>
        <translation>contiene un carácter invisible o que cambia la dirección del texto (%1), con el que podría parecer otro nombre</translation>
    </message>
    <message>
        <source>it is too long for a file name: it takes %1 bytes, and at most %2 fit</source>
        <translation>es demasiado largo para un nombre de archivo: ocupa %1 bytes, y caben como máximo %2</translation>
    </message>
</context>
<context>
    <name>ScorePrompts</name>
    <message>
        <source>Scores File Name</source>
        <translation>Nombre del archivo de puntuaciones</translation>
    </message>
    <message>
        <source>Please type your last name OR student ID.</source>
        <translation>Escribe tu apellido O tu número de estudiante.</translation>
    </message>
    <message>
        <source>Folder for the copy of the scores</source>
        <translation>Carpeta para la copia de las puntuaciones</translation>
    </message>
    <message>
        <source>The scores were not copied.</source>
        <translation>Las puntuaciones no se copiaron.</translation>
    </message>
</context>
<context>
    <name>TScoreRecord</name>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
</context>
</TS>
