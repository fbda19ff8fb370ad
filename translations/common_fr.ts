<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Beatwise Help</source>
        <translation>Aide de Beatwise</translation>
    </message>
    <message>
        <source>Tonewise Help</source>
        <translation>Aide de Tonewise</translation>
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
    <name>MicrophoneMenu</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>No microphone is connected, so nothing sung is heard. Every other way of answering works as before.</source>
        <translation>Aucun microphone n’est branché&#xa0;: rien de ce qui est chanté n’est entendu. Toutes les autres façons de répondre fonctionnent comme avant.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is not connected. Every other way of answering works as before.</source>
        <translation>Le microphone «&#xa0;%1&#xa0;» n’est pas branché. Toutes les autres façons de répondre fonctionnent comme avant.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be opened. Every other way of answering works as before.</source>
        <translation>Le microphone «&#xa0;%1&#xa0;» ne peut pas être ouvert. Toutes les autres façons de répondre fonctionnent comme avant.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is no longer connected. Every other way of answering works as before; choose another microphone to go on listening.</source>
        <translation>Le microphone «&#xa0;%1&#xa0;» n’est plus branché. Toutes les autres façons de répondre fonctionnent comme avant&#xa0;; choisissez un autre microphone pour continuer l’écoute.</translation>
    </message>
    <message>
        <source>The microphone cannot be listened to on this computer (%1). Every other way of answering works as before.</source>
        <translation>Le microphone ne peut pas être écouté sur cet ordinateur (%1). Toutes les autres façons de répondre fonctionnent comme avant.</translation>
    </message>
</context>
<context>
    <name>ProgramSound</name>
    <message>
        <source>Sound is unavailable.

%1</source>
        <translation>Le son n’est pas disponible.

%1</translation>
    </message>
</context>
<context>
    <name>QuizSetup</name>
    <message>
        <source>Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO if this CONTINUES A TEST and you need ALL previous scores</source>
        <translation>Cliquez sur OUI s’il s’agit d’un NOUVEAU CONTRÔLE et que vous voulez effacer TOUS les résultats précédents. Cliquez sur NON si ce contrôle EN CONTINUE UN et que vous avez besoin de TOUS les résultats précédents</translation>
    </message>
    <message>
        <source>%1 The quiz was not prepared.</source>
        <translation>%1 Le contrôle n’a pas été préparé.</translation>
    </message>
</context>
<context>
    <name>ScoreFiles</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: no temporary file could be made</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: aucun fichier temporaire n’a pu être créé</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>le disque est peut-être plein</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 n’a pas pu être remplacé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 already exists; choose a new folder</source>
        <translation>%1 existe déjà&#xa0;; choisissez un nouveau dossier</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>it is not a rich-text (RTF) document</source>
        <translation>ce n’est pas un document en texte enrichi (RTF)</translation>
    </message>
    <message>
        <source>its groups are nested too deeply</source>
        <translation>ses groupes sont imbriqués trop profondément</translation>
    </message>
    <message>
        <source>a group is closed that was never opened</source>
        <translation>un groupe est fermé sans avoir été ouvert</translation>
    </message>
    <message>
        <source>it holds text outside its document group</source>
        <translation>il contient du texte en dehors de son groupe de document</translation>
    </message>
    <message>
        <source>the document is cut short (a group is not closed)</source>
        <translation>le document est tronqué (un groupe n’est pas fermé)</translation>
    </message>
    <message>
        <source>it holds data after the end of the document</source>
        <translation>il contient des données après la fin du document</translation>
    </message>
    <message>
        <source>the document is cut short</source>
        <translation>le document est tronqué</translation>
    </message>
    <message>
        <source>the document is cut short inside binary data</source>
        <translation>le document est tronqué au milieu de données binaires</translation>
    </message>
    <message>
        <source>The score file %1 is a link to a place outside the score folder %2, so it was not used.</source>
        <translation>Le fichier de résultats %1 est un lien vers un emplacement hors du dossier des résultats %2&#xa0;; il n’a donc pas été utilisé.</translation>
    </message>
    <message>
        <source>The score file %1 is not an ordinary file, so it was not used.</source>
        <translation>Le fichier de résultats %1 n’est pas un fichier ordinaire&#xa0;; il n’a donc pas été utilisé.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2</source>
        <translation>Le fichier de résultats %1 n’a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The score file %1 is larger than %2 MB, far larger than any score file, so it was not used.</source>
        <translation>Le fichier de résultats %1 dépasse %2 Mo, bien plus que n’importe quel fichier de résultats&#xa0;; il n’a donc pas été utilisé.</translation>
    </message>
    <message>
        <source>The score file %1 is being written by another program. Please try again in a moment.</source>
        <translation>Le fichier de résultats %1 est en cours d’écriture par un autre programme. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être verrouillé en écriture&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the new scores could not be added to it.</source>
        <translation>Le fichier de résultats %1 est en lecture seule (%2)&#xa0;; les nouveaux résultats n’ont donc pas pu y être ajoutés.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read (%2), so it was left as it was. The new scores were written to %3.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être lu (%2)&#xa0;; il a donc été laissé tel quel. Les nouveaux résultats ont été écrits dans %3.</translation>
    </message>
    <message>
        <source>The score file %1 was saved by another program, and a copy of it could not be kept before the new scores were added: %2. The score file was left as it was.</source>
        <translation>Le fichier de résultats %1 a été enregistré par un autre programme, et aucune copie n’a pu en être conservée avant l’ajout des nouveaux résultats&#xa0;: %2. Le fichier de résultats a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The score file %1 was last saved by another program. The new scores were added as plain lines, and the file as it was, with all its formatting, was kept as %2.</source>
        <translation>Le fichier de résultats %1 a été enregistré en dernier par un autre programme. Les nouveaux résultats ont été ajoutés sous forme de lignes simples, et le fichier tel qu’il était, avec toute sa mise en forme, a été conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>The scores could not be saved: %1. The score file was left as it was.</source>
        <translation>Les résultats n’ont pas pu être enregistrés&#xa0;: %1. Le fichier de résultats a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the earlier scores were not erased.</source>
        <translation>Le fichier de résultats %1 est en lecture seule (%2)&#xa0;; les résultats précédents n’ont donc pas été effacés.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, and it could not be moved aside to start a new test.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être lu, ni être mis de côté pour commencer un nouveau contrôle.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, so it was kept as %2 and a new score file was started.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être lu&#xa0;; il a donc été conservé sous le nom %2 et un nouveau fichier de résultats a été commencé.</translation>
    </message>
    <message>
        <source>The earlier scores could not be erased: %1.</source>
        <translation>Les résultats précédents n’ont pas pu être effacés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There is no score file for &quot;%1&quot; (%2).</source>
        <translation>Il n’y a pas de fichier de résultats pour «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read for the copy: %2</source>
        <translation>Le fichier de résultats %1 n’a pas pu être lu pour la copie&#xa0;: %2</translation>
    </message>
    <message>
        <source>The score was NOT copied: the folder %1 is not there (is the disk in the drive?).</source>
        <translation>Le résultat n’a PAS été copié&#xa0;: le dossier %1 est introuvable (la disquette est-elle dans le lecteur&#xa0;?).</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1 is the score folder itself. Please choose another folder, such as one on a removable disk.</source>
        <translation>Le résultat n’a PAS été copié&#xa0;: %1 est le dossier des résultats lui-même. Choisissez un autre dossier, par exemple sur un disque amovible.</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1.</source>
        <translation>Le résultat n’a PAS été copié&#xa0;: %1.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it contains &quot;/&quot; or &quot;\&quot;</source>
        <translation>il contient «&#xa0;/&#xa0;» ou «&#xa0;\&#xa0;»</translation>
    </message>
    <message>
        <source>it contains &quot;..&quot;</source>
        <translation>il contient «&#xa0;..&#xa0;»</translation>
    </message>
    <message>
        <source>it contains an incomplete character</source>
        <translation>il contient un caractère incomplet</translation>
    </message>
    <message>
        <source>it contains a control character (such as a tab or line break)</source>
        <translation>il contient un caractère de contrôle (comme une tabulation ou un saut de ligne)</translation>
    </message>
    <message>
        <source>it contains one of the characters &lt; &gt; : &quot; | ? *</source>
        <translation>il contient l’un des caractères &lt; &gt;&#xa0;: &quot; |&#xa0;? *</translation>
    </message>
    <message>
        <source>it begins with a dot</source>
        <translation>il commence par un point</translation>
    </message>
    <message>
        <source>it ends with a dot</source>
        <translation>il se termine par un point</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device name that Windows keeps for itself</source>
        <translation>«&#xa0;%1&#xa0;» est un nom de périphérique que Windows se réserve</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>il dépasse %1 caractères</translation>
    </message>
    <message>
        <source>This name cannot be used for a score file: %1. Please type your last name OR student ID again.</source>
        <translation>Ce nom ne peut pas servir de nom de fichier de résultats&#xa0;: %1. Tapez de nouveau votre nom de famille OU votre numéro d’élève.</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2, the name of its lock file, is taken by a folder or another item that is not a lock file. Once it is removed, scores can be saved again.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être verrouillé en écriture&#xa0;: %2, le nom de son fichier de verrou, est pris par un dossier ou un autre élément qui n’est pas un fichier de verrou. Une fois celui-ci supprimé, les résultats pourront de nouveau être enregistrés.</translation>
    </message>
    <message>
        <source>The score file %1 is a link that leads round in a circle (%2), so it was not used.</source>
        <translation>Le fichier de résultats %1 est un lien qui tourne en rond (%2)&#xa0;; il n’a donc pas été utilisé.</translation>
    </message>
    <message>
        <source>The score file %1 is a link to the folder %2, not to a file, so it was not used.</source>
        <translation>Le fichier de résultats %1 est un lien vers le dossier %2, et non vers un fichier&#xa0;; il n’a donc pas été utilisé.</translation>
    </message>
    <message>
        <source>The new scores would make the score file %1 larger than %2 MB, the most a score file may hold, so they were not added. The score file was left as it was.</source>
        <translation>Les nouveaux résultats porteraient le fichier de résultats %1 au-delà de %2 Mo, le maximum qu’un fichier de résultats peut contenir&#xa0;; ils n’ont donc pas été ajoutés. Le fichier de résultats a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The score folder %1 could not be created: %2.</source>
        <translation>Le dossier des résultats %1 n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it contains an invisible or direction-changing character (%1), which would make it look like another name</source>
        <translation>il contient un caractère invisible ou qui change le sens du texte (%1), qui pourrait le faire ressembler à un autre nom</translation>
    </message>
    <message>
        <source>it is too long for a file name: it takes %1 bytes, and at most %2 fit</source>
        <translation>il est trop long pour un nom de fichier&#xa0;: il occupe %1 octets, et %2 au plus tiennent</translation>
    </message>
</context>
<context>
    <name>ScorePrompts</name>
    <message>
        <source>Scores File Name</source>
        <translation>Nom du fichier de résultats</translation>
    </message>
    <message>
        <source>Please type your last name OR student ID.</source>
        <translation>Tapez votre nom de famille OU votre numéro d’élève.</translation>
    </message>
    <message>
        <source>Folder for the copy of the scores</source>
        <translation>Dossier pour la copie des résultats</translation>
    </message>
    <message>
        <source>The scores were not copied.</source>
        <translation>Les résultats n’ont pas été copiés.</translation>
    </message>
</context>
<context>
    <name>TScoreRecord</name>
    <message>
        <source>Scores</source>
        <translation>Résultats</translation>
    </message>
</context>
</TS>
