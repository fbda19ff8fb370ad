<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ExerciseLines</name>
    <message>
        <source>A Harmonic Minor</source>
        <translation>a-Moll harmonisch</translation>
    </message>
    <message>
        <source>D Harmonic Minor</source>
        <translation>d-Moll harmonisch</translation>
    </message>
    <message>
        <source>E Harmonic Minor</source>
        <translation>e-Moll harmonisch</translation>
    </message>
    <message>
        <source>G Harmonic Minor</source>
        <translation>g-Moll harmonisch</translation>
    </message>
    <message>
        <source>B Harmonic Minor</source>
        <translation>h-Moll harmonisch</translation>
    </message>
    <message>
        <source>C Harmonic Minor</source>
        <translation>c-Moll harmonisch</translation>
    </message>
    <message>
        <source>F# Harmonic Minor</source>
        <translation>fis-Moll harmonisch</translation>
    </message>
    <message>
        <source>F Harmonic Minor</source>
        <translation>f-Moll harmonisch</translation>
    </message>
    <message>
        <source>C# Harmonic Minor</source>
        <translation>cis-Moll harmonisch</translation>
    </message>
    <message>
        <source>Bb Harmonic Minor</source>
        <translation>b-Moll harmonisch</translation>
    </message>
    <message>
        <source>Eb Harmonic Minor</source>
        <translation>es-Moll harmonisch</translation>
    </message>
    <message>
        <source>Key = %1.</source>
        <translation>Tonart = %1.</translation>
    </message>
    <message>
        <source>Parallel</source>
        <comment>the parallel mode&apos;s notes, as in 1-8 + Parallel 3</comment>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Scale-steps = %1</source>
        <translation>Tonstufen = %1</translation>
    </message>
</context>
<context>
    <name>Intervals</name>
    <message>
        <source>Perfect 1</source>
        <translation>reine Prime</translation>
    </message>
    <message>
        <source>minor 2</source>
        <translation>kleine Sekunde</translation>
    </message>
    <message>
        <source>Major 2</source>
        <translation>große Sekunde</translation>
    </message>
    <message>
        <source>minor 3 (or Aug2)</source>
        <translation>kleine Terz (oder übm. Sekunde)</translation>
    </message>
    <message>
        <source>Major 3 (or Dim4)</source>
        <translation>große Terz (oder verm. Quarte)</translation>
    </message>
    <message>
        <source>Perfect 4</source>
        <translation>reine Quarte</translation>
    </message>
    <message>
        <source>Aug4 (or dim5)</source>
        <translation>übm. Quarte (oder verm. Quinte)</translation>
    </message>
    <message>
        <source>Perfect 5</source>
        <translation>reine Quinte</translation>
    </message>
    <message>
        <source>minor 6 (or Aug 5)</source>
        <translation>kleine Sexte (oder übm. Quinte)</translation>
    </message>
    <message>
        <source>Major 6 (or dim7)</source>
        <translation>große Sexte (oder verm. Septime)</translation>
    </message>
    <message>
        <source>minor 7</source>
        <translation>kleine Septime</translation>
    </message>
    <message>
        <source>Major 7</source>
        <translation>große Septime</translation>
    </message>
    <message>
        <source>Perfect 8</source>
        <translation>reine Oktave</translation>
    </message>
    <message>
        <source>minor 9</source>
        <translation>kleine None</translation>
    </message>
    <message>
        <source>Major 9</source>
        <translation>große None</translation>
    </message>
    <message>
        <source>minor 10 (or Aug9)</source>
        <translation>kleine Dezime (oder übm. None)</translation>
    </message>
    <message>
        <source>Major 10</source>
        <translation>große Dezime</translation>
    </message>
    <message>
        <source>Perfect 11</source>
        <translation>reine Undezime</translation>
    </message>
</context>
<context>
    <name>KeyHints</name>
    <message>
        <source>minor 3 = Augmented 2</source>
        <translation>kleine Terz = übermäßige Sekunde</translation>
    </message>
    <message>
        <source>Major 3 = diminished 4</source>
        <translation>große Terz = verminderte Quarte</translation>
    </message>
    <message>
        <source>Augmented 4 = diminished 5</source>
        <translation>übermäßige Quarte = verminderte Quinte</translation>
    </message>
    <message>
        <source>minor 6 = Augmented 5</source>
        <translation>kleine Sexte = übermäßige Quinte</translation>
    </message>
    <message>
        <source>Major 6 = diminished 7</source>
        <translation>große Sexte = verminderte Septime</translation>
    </message>
    <message>
        <source>minor 10 = Augmented 9</source>
        <translation>kleine Dezime = übermäßige None</translation>
    </message>
    <message>
        <source>Major 10 = diminished 11</source>
        <translation>große Dezime = verminderte Undezime</translation>
    </message>
    <message>
        <source>Middle C is C3</source>
        <translation>Das eingestrichene C ist C3</translation>
    </message>
</context>
<context>
    <name>PitchMenus</name>
    <message>
        <source>Singing</source>
        <translation>Singen</translation>
    </message>
    <message>
        <source>Exact Octave</source>
        <translation>Genaue Oktave</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>C-Dur</translation>
    </message>
    <message>
        <source>A minor</source>
        <translation>a-Moll</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>F-Dur</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>d-Moll</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>G-Dur</translation>
    </message>
    <message>
        <source>E minor</source>
        <translation>e-Moll</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>B-Dur</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>g-Moll</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>D-Dur</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>h-Moll</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Es-Dur</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>c-Moll</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>A-Dur</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>fis-Moll</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>As-Dur</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>f-Moll</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>E-Dur</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>cis-Moll</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Des-Dur</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Ges-Dur</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>H-Dur</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fis-Dur</translation>
    </message>
    <message>
        <source>Bb Minor</source>
        <translation>b-Moll</translation>
    </message>
    <message>
        <source>Eb Minor</source>
        <translation>es-Moll</translation>
    </message>
    <message>
        <source>0 signature</source>
        <translation>Ohne Vorzeichen</translation>
    </message>
    <message>
        <source>1 sharp</source>
        <translation>1 Kreuz</translation>
    </message>
    <message>
        <source>1 flat</source>
        <translation>1 b</translation>
    </message>
    <message>
        <source>2 sharps</source>
        <translation>2 Kreuze</translation>
    </message>
    <message>
        <source>2 flats</source>
        <translation>2 b</translation>
    </message>
    <message>
        <source>3 sharps</source>
        <translation>3 Kreuze</translation>
    </message>
    <message>
        <source>3 flats</source>
        <translation>3 b</translation>
    </message>
    <message>
        <source>4 sharps</source>
        <translation>4 Kreuze</translation>
    </message>
    <message>
        <source>4 flats</source>
        <translation>4 b</translation>
    </message>
    <message>
        <source>5 sharps</source>
        <translation>5 Kreuze</translation>
    </message>
    <message>
        <source>5 flats</source>
        <translation>5 b</translation>
    </message>
    <message>
        <source>6 sharps</source>
        <translation>6 Kreuze</translation>
    </message>
    <message>
        <source>6 flats</source>
        <translation>6 b</translation>
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
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Scale Steps</source>
        <translation>Tonstufen</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Haltepedal</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Haltepedal an</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Haltepedal aus</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Alle Noten aus</translation>
    </message>
    <message>
        <source>Advance?</source>
        <translation>Aufsteigen?</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Automatisch aufsteigen</translation>
    </message>
    <message>
        <source>Advance On</source>
        <translation>Aufsteigen an</translation>
    </message>
    <message>
        <source>Advance Off</source>
        <translation>Aufsteigen aus</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Automatisch modulieren</translation>
    </message>
    <message>
        <source>Modulate On</source>
        <translation>Modulieren an</translation>
    </message>
    <message>
        <source>Modulate Off</source>
        <translation>Modulieren aus</translation>
    </message>
    <message>
        <source>Octave?</source>
        <translation>Oktave?</translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>8va Lower</source>
        <translation>8va tiefer</translation>
    </message>
    <message>
        <source>Pitches</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Notennamen an</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Notennamen als Buchstaben</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Notennamen als Silben</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Notennamen aus</translation>
    </message>
    <message>
        <source>Repeat Last Note? </source>
        <translation>Letzten Ton wiederholen? </translation>
    </message>
    <message>
        <source>Don&apos;t play again</source>
        <translation>Nicht noch einmal spielen</translation>
    </message>
    <message>
        <source>Play last note again</source>
        <translation>Letzten Ton noch einmal spielen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Tonewise, the pitch and interval ear trainer.

Listen to notes of a chosen key and scale-step level and answer on the piano keyboard, naming each pitch or the interval from the note before it; every right answer is written on the staff.

24 major and harmonic minor keys, 21 levels from the tonic triad to the whole scale with the parallel mode&apos;s notes, automatic advance to the next level or another key, and quizzes that keep each student&apos;s results in a score file.

Sound: the built-in General MIDI synthesizer or a MIDI port.
Music notation: Bravura, SIL Open Font License</source>
        <translation>Tonewise, das Gehörtraining für Töne und Intervalle.

Höre Töne der gewählten Tonart und Stufe und antworte auf der Klaviertastatur, indem du jeden Ton oder das Intervall vom vorigen Ton aus benennst; jede richtige Antwort wird ins Notensystem geschrieben.

24 Dur- und harmonische Molltonarten, 21 Stufen vom Tonika-Dreiklang bis zur ganzen Tonleiter mit den Tönen der Variante, automatisches Aufsteigen zur nächsten Stufe oder in eine andere Tonart und Prüfungen, die die Ergebnisse jedes Schülers in einer Ergebnisdatei festhalten.

Ton: der eingebaute General-MIDI-Synthesizer oder ein MIDI-Anschluss.
Notensatz: Bravura, SIL Open Font License</translation>
    </message>
    <message>
        <source>Practice Intervals?</source>
        <translation>Intervalle üben?</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>Notennamen zeigen?</translation>
    </message>
    <message>
        <source>Interval Hints On?</source>
        <translation>Intervallhinweise zeigen?</translation>
    </message>
    <message>
        <source>Interval Hints Off?</source>
        <translation>Intervallhinweise ausblenden?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>Notennamen ausblenden?</translation>
    </message>
    <message>
        <source>Practice Pitches?</source>
        <translation>Töne üben?</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3</source>
        <translation>1-8 + Variante 3</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6</source>
        <translation>1-8 + Variante 3,6</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6,7</source>
        <translation>1-8 + Variante 3,6,7</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3</source>
        <translation>5-1-8 + Variante 3</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6</source>
        <translation>5-1-8 + Variante 3,6</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6,7</source>
        <translation>5-1-8 + Variante 3,6,7</translation>
    </message>
</context>
<context>
    <name>PitchTrainer</name>
    <message>
        <source>Please sing %1.</source>
        <translation>Singe bitte %1.</translation>
    </message>
    <message>
        <source>Please sing the written note.</source>
        <translation>Singe bitte den notierten Ton.</translation>
    </message>
    <message>
        <source>Start-Reset Score</source>
        <translation>Start / neu zählen</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>Nächste Antwort?</translation>
    </message>
    <message>
        <source>Repeat Notes</source>
        <translation>Töne wiederholen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>When Tonewise Opens, Please Click Help Menu, Select &quot;Help Topics&quot;, then Select and Read HOW TO USE TONEWISE &quot;Question Content and Order.&quot; Thanks, - Orin Vascombe</source>
        <translation>Wenn Tonewise geöffnet ist, klicke bitte auf das Menü Hilfe, wähle „Hilfethemen“ und lies dann unter SO BENUTZT DU TONEWISE die Seite „Inhalt und Reihenfolge der Fragen“. Danke, - Orin Vascombe</translation>
    </message>
    <message>
        <source>Select Key and scale-steps from Menu or click middle C.</source>
        <translation>Wähle Tonart und Stufen im Menü oder klicke das mittlere C.</translation>
    </message>
    <message>
        <source>Starting note is first scale-step.</source>
        <translation>Der Anfangston ist die erste Stufe.</translation>
    </message>
    <message>
        <source>Click Perfect 1 for first answer.</source>
        <translation>Klicke P1 (reine Prime) für die erste Antwort.</translation>
    </message>
    <message>
        <source>Please play first scale step of new key.</source>
        <translation>Spiele bitte die erste Stufe der neuen Tonart.</translation>
    </message>
    <message>
        <source>Please play second note.</source>
        <translation>Spiele bitte den zweiten Ton.</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Versuche es bitte noch einmal.</translation>
    </message>
    <message>
        <source>The next answer is: %1</source>
        <translation>Die nächste Antwort ist: %1</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>MIDI-Instrument</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>MIDI-Instrumentnummer zwischen 0 und 127?</translation>
    </message>
    <message>
        <source>Please type an instrument number between 0 and 127.</source>
        <translation>Gib bitte eine Instrumentnummer zwischen 0 und 127 ein.</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Wie viele richtige Antworten?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Wie viel Prozent richtige Antworten?</translation>
    </message>
    <message>
        <source>Congratulations! This is the highest level! Select another key, fewer scale-steps, and turn Auto Advance on again.</source>
        <translation>Glückwunsch! Das ist die höchste Stufe! Wähle eine andere Tonart und weniger Tonstufen und schalte das automatische Aufsteigen wieder ein.</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Automatisch aufsteigen: richtige Antworten?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Automatisch aufsteigen: Ergebnis?</translation>
    </message>
    <message>
        <source>AutoModulate : Correct answers?</source>
        <translation>Automatisch modulieren: richtige Antworten?</translation>
    </message>
    <message>
        <source>AutoModulate : Score?</source>
        <translation>Automatisch modulieren: Ergebnis?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score above %2%. Advance to next level?</source>
        <translation>Glückwunsch! Du hast %1 oder mehr richtige Antworten mit einem Ergebnis über %2 %. Zur nächsten Stufe aufsteigen?</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Aufsteigen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>Glückwunsch! Du hast %1 oder mehr richtige Antworten mit einem Ergebnis von mehr als %2 %. Tonleiter und Tonart wechseln?</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Wechsel</translation>
    </message>
    <message>
        <source>Please click an answer and continue; OR Click File/Quiz Mode/Off and stop.</source>
        <translation>Klicke eine Antwort und mach weiter; ODER klicke Datei/Prüfungsmodus/Aus und höre auf.</translation>
    </message>
    <message>
        <source>Number of Question Items</source>
        <translation>Elemente pro Frage</translation>
    </message>
    <message>
        <source>How many Pitches or Intervals in each Question?</source>
        <translation>Wie viele Töne oder Intervalle in jeder Frage?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Bitte beginne von vorn und gib eine gültige Zahl ein</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Anzahl der Fragen</translation>
    </message>
    <message>
        <source>How many Questions in Test?</source>
        <translation>Wie viele Fragen in der Prüfung?</translation>
    </message>
    <message>
        <source>Please Begin again and type valid numbers</source>
        <translation>Bitte beginne von vorn und gib gültige Zahlen ein</translation>
    </message>
    <message>
        <source>Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button.</source>
        <translation>Wähle Tonart, Tonstufen, Töne oder Intervalle und KLICKE dann den grünen Knopf „Start / neu zählen“.</translation>
    </message>
    <message>
        <source>The quiz is still running: answer the next note to try saving again, or choose File &gt; Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>Die Prüfung läuft noch: Beantworte den nächsten Ton, um erneut zu speichern, oder wähle Datei &gt; Prüfungsmodus &gt; Aus, um die Prüfung zu beenden.</translation>
    </message>
    <message>
        <source>END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and CLICK Green Start Button.</source>
        <translation>ENDE DIESER FRAGE. Wechsle die TONART, wähle TÖNE oder INTERVALLE und KLICKE den grünen Knopf „Start / neu zählen“.</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review score?</source>
        <translation>ENDE DER PRÜFUNG. Möchtest du die Ergebnisse ansehen?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>Ergebnisse auf die Diskette in Laufwerk A speichern?</translation>
    </message>
    <message>
        <source>Put Floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Lege die Diskette in Laufwerk A. Wenn die Diskette NICHT im Laufwerk ist, wird das Ergebnis NICHT gespeichert.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Qor Pitch and Interval Identification</source>
        <translation>Qor: Töne und Intervalle erkennen</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Richtige:</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is no longer connected. Choose Midi &gt; Inputs to use another one.</source>
        <translation>Die MIDI-Tastatur „%1“ ist nicht mehr angeschlossen. Wähle Midi &gt; Eingänge, um eine andere zu verwenden.</translation>
    </message>
</context>
</TS>
