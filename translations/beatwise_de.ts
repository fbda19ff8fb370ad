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
    <name>ProgramSound</name>
    <message>
        <source>Sound is unavailable.

%1</source>
        <translation>Kein Ton verfügbar.

%1</translation>
    </message>
</context>
<context>
    <name>RhythmTrainer</name>
    <message>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Stop/Repeat</source>
        <translation>Stopp/Wiederholen</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Antwort prüfen</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Ergebnis auf 0</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Check Rhythm</source>
        <translation>Rhythmus prüfen</translation>
    </message>
    <message>
        <source>Hide Answer</source>
        <translation>Antwort verbergen</translation>
    </message>
    <message>
        <source>Are You certain?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>That was the last beat.</source>
        <translation>Das war die letzte Zählzeit.</translation>
    </message>
    <message>
        <source>That was the last beat to answer.</source>
        <translation>Das war die letzte Zählzeit zum Beantworten.</translation>
    </message>
    <message>
        <source>This is the highest level in simple meter! Congratulations!</source>
        <translation>Das ist die höchste Stufe im einfachen Takt! Glückwunsch!</translation>
    </message>
    <message>
        <source>This is the highest level in compound meter! Congratulations!</source>
        <translation>Das ist die höchste Stufe im zusammengesetzten Takt! Glückwunsch!</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Automatisch aufsteigen: richtige Antworten?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Wie viele richtige Antworten?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Automatisch aufsteigen: Ergebnis?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Wie viel Prozent richtige Antworten?</translation>
    </message>
    <message>
        <source>What score??</source>
        <translation>Welches Ergebnis?</translation>
    </message>
    <message>
        <source>Congratulations! You have at least %1 correct answers with a score of %2% or better. Advance to next level?</source>
        <translation>Glückwunsch! Du hast mindestens %1 richtige Antworten mit einem Ergebnis von %2 % oder besser. Zur nächsten Stufe aufsteigen?</translation>
    </message>
    <message>
        <source>Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO if this CONTINUES A TEST and you need ALL previous scores</source>
        <translation>Klicke JA, wenn dies eine NEUE PRÜFUNG ist und du ALLE bisherigen Ergebnisse löschen willst. Klicke NEIN, wenn dies EINE PRÜFUNG FORTSETZT und du ALLE bisherigen Ergebnisse brauchst</translation>
    </message>
    <message>
        <source>%1 The quiz was not prepared.</source>
        <translation>%1 Die Prüfung wurde nicht vorbereitet.</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Anzahl der Fragen</translation>
    </message>
    <message>
        <source>How many test questions?</source>
        <translation>Wie viele Prüfungsfragen?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Bitte beginne von vorn und gib eine gültige Zahl ein</translation>
    </message>
    <message>
        <source>Select Rhythm Patterns; then Click the Green &quot;Next Question&quot; button to begin.</source>
        <translation>Wähle die Rhythmusmuster; klicke dann auf den grünen Knopf „Nächste Frage“, um zu beginnen.</translation>
    </message>
    <message>
        <source>%1 The quiz is still running and its results are kept: press the answer button again to save them, or choose Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>%1 Die Prüfung läuft weiter und ihre Ergebnisse bleiben erhalten: Drücke den Antwortknopf noch einmal, um sie zu speichern, oder wähle Prüfungsmodus &gt; Aus, um die Prüfung zu beenden.</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review scores?</source>
        <translation>ENDE DER PRÜFUNG. Möchtest du die Ergebnisse ansehen?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>Ergebnisse auf die Diskette in Laufwerk A speichern?</translation>
    </message>
    <message>
        <source>Put floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Lege die Diskette in Laufwerk A. Wenn die Diskette NICHT im Laufwerk ist, wird das Ergebnis NICHT gespeichert.</translation>
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
        <source>The score folder %1 could not be created.</source>
        <translation>Der Ergebnisordner %1 konnte nicht angelegt werden.</translation>
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
        <translation>Die Ergebnisdatei %1 konnte nicht gelesen und auch nicht beiseitegelegt werden, um einen neuen Test zu beginnen.</translation>
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
    <name>TRhyAboutBox</name>
    <message>
        <source>Beatwise, the rhythm ear trainer.

Listen to a row of seven one-beat rhythm patterns, framed by a two-beat count-in and a closing beat, then rebuild it from the pattern buttons and check it beat by beat.

Levels of 3 to 15 patterns in simple meter and 3 to 7 in compound meter, tempo 30 to 96 beats a minute, automatic advance, and quizzes that keep each student&apos;s results in a score file.

Sound: the built-in General MIDI synthesizer.
Music notation: Bravura, SIL Open Font License</source>
        <translation>Beatwise, das Gehörtraining für Rhythmus.

Höre eine Reihe aus sieben Rhythmusmustern von je einer Zählzeit, eingerahmt von zwei Zählzeiten Einzähler und einer Schlusszählzeit; baue sie dann mit den Musterknöpfen nach und prüfe sie Zählzeit für Zählzeit.

Stufen von 3 bis 15 Mustern im einfachen Takt und von 3 bis 7 im zusammengesetzten Takt, Tempo 30 bis 96 Schläge pro Minute, automatisches Aufsteigen und Prüfungen, die die Ergebnisse jedes Schülers in einer Ergebnisdatei festhalten.

Ton: der eingebaute General-MIDI-Synthesizer.
Notensatz: Bravura, SIL Open Font License</translation>
    </message>
</context>
<context>
    <name>TRhytm7</name>
    <message>
        <source>Qor Beatwise</source>
        <translation>Qor Beatwise</translation>
    </message>
    <message>
        <source>Stop/Repeat</source>
        <translation>Stopp/Wiederholen</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Antwort prüfen</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Fragen:</translation>
    </message>
    <message>
        <source>Av. Hearings:</source>
        <translation>Ø gehört:</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Ergebnis auf 0</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Metronome</source>
        <translation>Metronom</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Quiz Mode</source>
        <translation>Prüfungsmodus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Prepare Quiz</source>
        <translation>Prüfung vorbereiten</translation>
    </message>
    <message>
        <source>Quiz in Progress</source>
        <translation>Prüfung läuft</translation>
    </message>
    <message>
        <source>View Scores</source>
        <translation>Ergebnisse ansehen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Rhythm Patterns</source>
        <translation>Rhythmusmuster</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Compound</source>
        <translation>Zusammengesetzt</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 Muster</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Aufsteigen</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Automatisch aufsteigen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Alle Noten aus</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
