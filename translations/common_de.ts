<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Beatwise Help</source>
        <translation>Beatwise-Hilfe</translation>
    </message>
    <message>
        <source>Tonewise Help</source>
        <translation>Tonewise-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>MicrophoneMenu</name>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>No microphone is connected, so nothing sung is heard. Every other way of answering works as before.</source>
        <translation>Es ist kein Mikrofon angeschlossen, daher wird nichts Gesungenes gehört. Alle anderen Arten zu antworten funktionieren wie bisher.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is not connected. Every other way of answering works as before.</source>
        <translation>Das Mikrofon „%1“ ist nicht angeschlossen. Alle anderen Arten zu antworten funktionieren wie bisher.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; cannot be opened. Every other way of answering works as before.</source>
        <translation>Das Mikrofon „%1“ kann nicht geöffnet werden. Alle anderen Arten zu antworten funktionieren wie bisher.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is no longer connected. Every other way of answering works as before; choose another microphone to go on listening.</source>
        <translation>Das Mikrofon „%1“ ist nicht mehr angeschlossen. Alle anderen Arten zu antworten funktionieren wie bisher; wähle ein anderes Mikrofon, um weiter zuzuhören.</translation>
    </message>
    <message>
        <source>The microphone cannot be listened to on this computer (%1). Every other way of answering works as before.</source>
        <translation>Auf diesem Computer kann das Mikrofon nicht abgehört werden (%1). Alle anderen Arten zu antworten funktionieren wie bisher.</translation>
    </message>
</context>
<context>
    <name>ProgramSound</name>
    <message>
        <source>Sound is unavailable.

%1</source>
        <translation>Kein Ton verfügbar.

%1</translation>
    </message>
</context>
<context>
    <name>QuizSetup</name>
    <message>
        <source>Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO if this CONTINUES A TEST and you need ALL previous scores</source>
        <translation>Klicke JA, wenn dies eine NEUE PRÜFUNG ist und du ALLE bisherigen Ergebnisse löschen willst. Klicke NEIN, wenn dies EINE PRÜFUNG FORTSETZT und du ALLE bisherigen Ergebnisse brauchst</translation>
    </message>
    <message>
        <source>%1 The quiz was not prepared.</source>
        <translation>%1 Die Prüfung wurde nicht vorbereitet.</translation>
    </message>
</context>
<context>
    <name>ScoreFiles</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: no temporary file could be made</source>
        <translation>%1 konnte nicht geschrieben werden: Es ließ sich keine temporäre Datei anlegen</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>vielleicht ist der Datenträger voll</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 konnte nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 already exists; choose a new folder</source>
        <translation>%1 gibt es schon; wähle einen neuen Ordner</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not a rich-text (RTF) document</source>
        <translation>es ist kein Rich-Text-Dokument (RTF)</translation>
    </message>
    <message>
        <source>its groups are nested too deeply</source>
        <translation>seine Gruppen sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>a group is closed that was never opened</source>
        <translation>eine Gruppe wird geschlossen, die nie geöffnet wurde</translation>
    </message>
    <message>
        <source>it holds text outside its document group</source>
        <translation>es enthält Text außerhalb seiner Dokumentgruppe</translation>
    </message>
    <message>
        <source>the document is cut short (a group is not closed)</source>
        <translation>das Dokument bricht vorzeitig ab (eine Gruppe ist nicht geschlossen)</translation>
    </message>
    <message>
        <source>it holds data after the end of the document</source>
        <translation>es enthält Daten nach dem Ende des Dokuments</translation>
    </message>
    <message>
        <source>the document is cut short</source>
        <translation>das Dokument bricht vorzeitig ab</translation>
    </message>
    <message>
        <source>the document is cut short inside binary data</source>
        <translation>das Dokument bricht mitten in Binärdaten ab</translation>
    </message>
    <message>
        <source>The score file %1 is a link to a place outside the score folder %2, so it was not used.</source>
        <translation>Die Ergebnisdatei %1 ist ein Verweis auf einen Ort außerhalb des Ergebnisordners %2 und wurde deshalb nicht verwendet.</translation>
    </message>
    <message>
        <source>The score file %1 is not an ordinary file, so it was not used.</source>
        <translation>Die Ergebnisdatei %1 ist keine gewöhnliche Datei und wurde deshalb nicht verwendet.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2</source>
        <translation>Die Ergebnisdatei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The score file %1 is larger than %2 MB, far larger than any score file, so it was not used.</source>
        <translation>Die Ergebnisdatei %1 ist größer als %2 MB, weit größer als jede Ergebnisdatei, und wurde deshalb nicht verwendet.</translation>
    </message>
    <message>
        <source>The score file %1 is being written by another program. Please try again in a moment.</source>
        <translation>Die Ergebnisdatei %1 wird gerade von einem anderen Programm geschrieben. Versuch es bitte gleich noch einmal.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht zum Schreiben gesperrt werden: %2.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the new scores could not be added to it.</source>
        <translation>Die Ergebnisdatei %1 ist schreibgeschützt (%2), deshalb konnten die neuen Ergebnisse nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read (%2), so it was left as it was. The new scores were written to %3.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht gelesen werden (%2) und blieb deshalb, wie sie war. Die neuen Ergebnisse wurden in %3 geschrieben.</translation>
    </message>
    <message>
        <source>The score file %1 was saved by another program, and a copy of it could not be kept before the new scores were added: %2. The score file was left as it was.</source>
        <translation>Die Ergebnisdatei %1 wurde von einem anderen Programm gespeichert, und vor dem Hinzufügen der neuen Ergebnisse ließ sich keine Kopie davon aufbewahren: %2. Die Ergebnisdatei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>The score file %1 was last saved by another program. The new scores were added as plain lines, and the file as it was, with all its formatting, was kept as %2.</source>
        <translation>Die Ergebnisdatei %1 wurde zuletzt von einem anderen Programm gespeichert. Die neuen Ergebnisse wurden als einfache Zeilen hinzugefügt, und die Datei, wie sie war, mit allen Formatierungen, wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The scores could not be saved: %1. The score file was left as it was.</source>
        <translation>Die Ergebnisse konnten nicht gespeichert werden: %1. Die Ergebnisdatei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>The score file %1 is read-only (%2), so the earlier scores were not erased.</source>
        <translation>Die Ergebnisdatei %1 ist schreibgeschützt (%2), deshalb wurden die bisherigen Ergebnisse nicht gelöscht.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, and it could not be moved aside to start a new test.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht gelesen und auch nicht beiseitegelegt werden, um eine neue Prüfung zu beginnen.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read, so it was kept as %2 and a new score file was started.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht gelesen werden; sie wurde deshalb als %2 aufbewahrt und eine neue Ergebnisdatei begonnen.</translation>
    </message>
    <message>
        <source>The earlier scores could not be erased: %1.</source>
        <translation>Die bisherigen Ergebnisse konnten nicht gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>There is no score file for &quot;%1&quot; (%2).</source>
        <translation>Für „%1“ gibt es keine Ergebnisdatei (%2).</translation>
    </message>
    <message>
        <source>The score file %1 could not be read: %2.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The score file %1 could not be read for the copy: %2</source>
        <translation>Die Ergebnisdatei %1 konnte für die Kopie nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The score was NOT copied: the folder %1 is not there (is the disk in the drive?).</source>
        <translation>Das Ergebnis wurde NICHT kopiert: Den Ordner %1 gibt es nicht (ist die Diskette im Laufwerk?).</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1 is the score folder itself. Please choose another folder, such as one on a removable disk.</source>
        <translation>Das Ergebnis wurde NICHT kopiert: %1 ist der Ergebnisordner selbst. Wähle bitte einen anderen Ordner, etwa einen auf einem Wechseldatenträger.</translation>
    </message>
    <message>
        <source>The score was NOT copied: %1.</source>
        <translation>Das Ergebnis wurde NICHT kopiert: %1.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>er ist leer</translation>
    </message>
    <message>
        <source>it contains &quot;/&quot; or &quot;\&quot;</source>
        <translation>er enthält „/“ oder „\“</translation>
    </message>
    <message>
        <source>it contains &quot;..&quot;</source>
        <translation>er enthält „..“</translation>
    </message>
    <message>
        <source>it contains an incomplete character</source>
        <translation>er enthält ein unvollständiges Zeichen</translation>
    </message>
    <message>
        <source>it contains a control character (such as a tab or line break)</source>
        <translation>er enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch)</translation>
    </message>
    <message>
        <source>it contains one of the characters &lt; &gt; : &quot; | ? *</source>
        <translation>er enthält eines der Zeichen &lt; &gt; : &quot; | ? *</translation>
    </message>
    <message>
        <source>it begins with a dot</source>
        <translation>er beginnt mit einem Punkt</translation>
    </message>
    <message>
        <source>it ends with a dot</source>
        <translation>er endet mit einem Punkt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device name that Windows keeps for itself</source>
        <translation>„%1“ ist ein Gerätename, den Windows für sich reserviert</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>er ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>This name cannot be used for a score file: %1. Please type your last name OR student ID again.</source>
        <translation>Dieser Name kann nicht für eine Ergebnisdatei verwendet werden: %1. Gib bitte deinen Nachnamen ODER deine Schülernummer noch einmal ein.</translation>
    </message>
    <message>
        <source>The score file %1 could not be locked for writing: %2, the name of its lock file, is taken by a folder or another item that is not a lock file. Once it is removed, scores can be saved again.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht zum Schreiben gesperrt werden: %2, der Name ihrer Sperrdatei, ist von einem Ordner oder etwas anderem belegt, das keine Sperrdatei ist. Sobald es entfernt ist, können wieder Ergebnisse gespeichert werden.</translation>
    </message>
    <message>
        <source>The score file %1 is a link that leads round in a circle (%2), so it was not used.</source>
        <translation>Die Ergebnisdatei %1 ist ein Verweis, der im Kreis führt (%2), und wurde deshalb nicht verwendet.</translation>
    </message>
    <message>
        <source>The score file %1 is a link to the folder %2, not to a file, so it was not used.</source>
        <translation>Die Ergebnisdatei %1 ist ein Verweis auf den Ordner %2, nicht auf eine Datei, und wurde deshalb nicht verwendet.</translation>
    </message>
    <message>
        <source>The new scores would make the score file %1 larger than %2 MB, the most a score file may hold, so they were not added. The score file was left as it was.</source>
        <translation>Mit den neuen Ergebnissen würde die Ergebnisdatei %1 größer als %2 MB, mehr als eine Ergebnisdatei fassen darf; sie wurden deshalb nicht hinzugefügt. Die Ergebnisdatei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>The score folder %1 could not be created: %2.</source>
        <translation>Der Ergebnisordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>it contains an invisible or direction-changing character (%1), which would make it look like another name</source>
        <translation>er enthält ein unsichtbares oder die Schreibrichtung änderndes Zeichen (%1), durch das er wie ein anderer Name aussehen könnte</translation>
    </message>
    <message>
        <source>it is too long for a file name: it takes %1 bytes, and at most %2 fit</source>
        <translation>er ist zu lang für einen Dateinamen: er belegt %1 Bytes, und höchstens %2 passen</translation>
    </message>
</context>
<context>
    <name>ScorePrompts</name>
    <message>
        <source>Scores File Name</source>
        <translation>Name der Ergebnisdatei</translation>
    </message>
    <message>
        <source>Please type your last name OR student ID.</source>
        <translation>Gib bitte deinen Nachnamen ODER deine Schülernummer ein.</translation>
    </message>
    <message>
        <source>Folder for the copy of the scores</source>
        <translation>Ordner für die Kopie der Ergebnisse</translation>
    </message>
    <message>
        <source>The scores were not copied.</source>
        <translation>Die Ergebnisse wurden nicht kopiert.</translation>
    </message>
</context>
<context>
    <name>TScoreRecord</name>
    <message>
        <source>Scores</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
</TS>
