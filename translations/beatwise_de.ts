<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>RhythmTrainer</name>
    <message>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Stop/Repeat</source>
        <translation>Stopp/Nochmal</translation>
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
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Hide Answer</source>
        <translation>Verbergen</translation>
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
    <message>
        <source>Tap the Rhythm</source>
        <translation>Rhythmus klopfen</translation>
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
        <translation>Stopp/Nochmal</translation>
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
    <message>
        <source>Tap the Rhythm</source>
        <translation>Rhythmus klopfen</translation>
    </message>
    <message>
        <source>Tapping</source>
        <translation>Klopfen</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; is no longer connected: taps come from the space bar and the microphone. Choose Midi &gt; Inputs to use another one.</source>
        <translation>Der MIDI-Eingang „%1“ ist nicht mehr verbunden: Die Schläge kommen jetzt von der Leertaste und vom Mikrofon. Wähle Midi &gt; Eingänge, um einen anderen zu verwenden.</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
</context>
<context>
    <name>TapStrip</name>
    <message>
        <source>Taps in time: %1, early: %2, late: %3, extra: %4; notes not tapped: %5</source>
        <translation>Schläge im Takt: %1, zu früh: %2, zu spät: %3, zusätzlich: %4; nicht geklopfte Noten: %5</translation>
    </message>
</context>
</TS>
