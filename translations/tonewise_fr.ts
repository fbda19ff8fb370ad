<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ExerciseLines</name>
    <message>
        <source>A Harmonic Minor</source>
        <translation>La mineur harmonique</translation>
    </message>
    <message>
        <source>D Harmonic Minor</source>
        <translation>Ré mineur harmonique</translation>
    </message>
    <message>
        <source>E Harmonic Minor</source>
        <translation>Mi mineur harmonique</translation>
    </message>
    <message>
        <source>G Harmonic Minor</source>
        <translation>Sol mineur harmonique</translation>
    </message>
    <message>
        <source>B Harmonic Minor</source>
        <translation>Si mineur harmonique</translation>
    </message>
    <message>
        <source>C Harmonic Minor</source>
        <translation>Do mineur harmonique</translation>
    </message>
    <message>
        <source>F# Harmonic Minor</source>
        <translation>Fa dièse mineur harmonique</translation>
    </message>
    <message>
        <source>F Harmonic Minor</source>
        <translation>Fa mineur harmonique</translation>
    </message>
    <message>
        <source>C# Harmonic Minor</source>
        <translation>Do dièse mineur harmonique</translation>
    </message>
    <message>
        <source>Bb Harmonic Minor</source>
        <translation>Si bémol mineur harmonique</translation>
    </message>
    <message>
        <source>Eb Harmonic Minor</source>
        <translation>Mi bémol mineur harmonique</translation>
    </message>
    <message>
        <source>Key = %1.</source>
        <translation>Tonalité = %1.</translation>
    </message>
    <message>
        <source>Parallel</source>
        <comment>the parallel mode&apos;s notes, as in 1-8 + Parallel 3</comment>
        <translation>homonyme</translation>
    </message>
    <message>
        <source>Scale-steps = %1</source>
        <translation>Degrés = %1</translation>
    </message>
</context>
<context>
    <name>Intervals</name>
    <message>
        <source>Perfect 1</source>
        <translation>unisson juste</translation>
    </message>
    <message>
        <source>minor 2</source>
        <translation>seconde mineure</translation>
    </message>
    <message>
        <source>Major 2</source>
        <translation>seconde majeure</translation>
    </message>
    <message>
        <source>minor 3 (or Aug2)</source>
        <translation>tierce mineure (ou seconde augm.)</translation>
    </message>
    <message>
        <source>Major 3 (or Dim4)</source>
        <translation>tierce majeure (ou quarte dim.)</translation>
    </message>
    <message>
        <source>Perfect 4</source>
        <translation>quarte juste</translation>
    </message>
    <message>
        <source>Aug4 (or dim5)</source>
        <translation>quarte augm. (ou quinte dim.)</translation>
    </message>
    <message>
        <source>Perfect 5</source>
        <translation>quinte juste</translation>
    </message>
    <message>
        <source>minor 6 (or Aug 5)</source>
        <translation>sixte mineure (ou quinte augm.)</translation>
    </message>
    <message>
        <source>Major 6 (or dim7)</source>
        <translation>sixte majeure (ou septième dim.)</translation>
    </message>
    <message>
        <source>minor 7</source>
        <translation>septième mineure</translation>
    </message>
    <message>
        <source>Major 7</source>
        <translation>septième majeure</translation>
    </message>
    <message>
        <source>Perfect 8</source>
        <translation>octave juste</translation>
    </message>
    <message>
        <source>minor 9</source>
        <translation>neuvième mineure</translation>
    </message>
    <message>
        <source>Major 9</source>
        <translation>neuvième majeure</translation>
    </message>
    <message>
        <source>minor 10 (or Aug9)</source>
        <translation>dixième mineure (ou neuvième augm.)</translation>
    </message>
    <message>
        <source>Major 10</source>
        <translation>dixième majeure</translation>
    </message>
    <message>
        <source>Perfect 11</source>
        <translation>onzième juste</translation>
    </message>
</context>
<context>
    <name>KeyHints</name>
    <message>
        <source>minor 3 = Augmented 2</source>
        <translation>tierce mineure = seconde augmentée</translation>
    </message>
    <message>
        <source>Major 3 = diminished 4</source>
        <translation>tierce majeure = quarte diminuée</translation>
    </message>
    <message>
        <source>Augmented 4 = diminished 5</source>
        <translation>quarte augmentée = quinte diminuée</translation>
    </message>
    <message>
        <source>minor 6 = Augmented 5</source>
        <translation>sixte mineure = quinte augmentée</translation>
    </message>
    <message>
        <source>Major 6 = diminished 7</source>
        <translation>sixte majeure = septième diminuée</translation>
    </message>
    <message>
        <source>minor 10 = Augmented 9</source>
        <translation>dixième mineure = neuvième augmentée</translation>
    </message>
    <message>
        <source>Major 10 = diminished 11</source>
        <translation>dixième majeure = onzième diminuée</translation>
    </message>
    <message>
        <source>Middle C is C3</source>
        <translation>Le do central est C3</translation>
    </message>
</context>
<context>
    <name>PitchMenus</name>
    <message>
        <source>Singing</source>
        <translation>Chant</translation>
    </message>
    <message>
        <source>Exact Octave</source>
        <translation>Octave exacte</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>Do majeur</translation>
    </message>
    <message>
        <source>A minor</source>
        <translation>La mineur</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>Fa majeur</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Ré mineur</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>Sol majeur</translation>
    </message>
    <message>
        <source>E minor</source>
        <translation>Mi mineur</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>Si bémol majeur</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol mineur</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>Ré majeur</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si mineur</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Mi bémol majeur</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do mineur</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>La majeur</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>Fa dièse mineur</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>La bémol majeur</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa mineur</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>Mi majeur</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>Do dièse mineur</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Ré bémol majeur</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Sol bémol majeur</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>Si majeur</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fa dièse majeur</translation>
    </message>
    <message>
        <source>Bb Minor</source>
        <translation>Si bémol mineur</translation>
    </message>
    <message>
        <source>Eb Minor</source>
        <translation>Mi bémol mineur</translation>
    </message>
    <message>
        <source>0 signature</source>
        <translation>Sans altération</translation>
    </message>
    <message>
        <source>1 sharp</source>
        <translation>1 dièse</translation>
    </message>
    <message>
        <source>1 flat</source>
        <translation>1 bémol</translation>
    </message>
    <message>
        <source>2 sharps</source>
        <translation>2 dièses</translation>
    </message>
    <message>
        <source>2 flats</source>
        <translation>2 bémols</translation>
    </message>
    <message>
        <source>3 sharps</source>
        <translation>3 dièses</translation>
    </message>
    <message>
        <source>3 flats</source>
        <translation>3 bémols</translation>
    </message>
    <message>
        <source>4 sharps</source>
        <translation>4 dièses</translation>
    </message>
    <message>
        <source>4 flats</source>
        <translation>4 bémols</translation>
    </message>
    <message>
        <source>5 sharps</source>
        <translation>5 dièses</translation>
    </message>
    <message>
        <source>5 flats</source>
        <translation>5 bémols</translation>
    </message>
    <message>
        <source>6 sharps</source>
        <translation>6 dièses</translation>
    </message>
    <message>
        <source>6 flats</source>
        <translation>6 bémols</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Quiz Mode</source>
        <translation>Mode contrôle</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Prepare Quiz</source>
        <translation>Préparer le contrôle</translation>
    </message>
    <message>
        <source>Quiz in Progress</source>
        <translation>Contrôle en cours</translation>
    </message>
    <message>
        <source>View Scores</source>
        <translation>Voir les résultats</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Scale Steps</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
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
        <translation>Pédale de sustain</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Pédale enfoncée</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Pédale relâchée</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Couper toutes les notes</translation>
    </message>
    <message>
        <source>Advance?</source>
        <translation>Progresser&#xa0;?</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Progression automatique</translation>
    </message>
    <message>
        <source>Advance On</source>
        <translation>Progression activée</translation>
    </message>
    <message>
        <source>Advance Off</source>
        <translation>Progression désactivée</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Modulation automatique</translation>
    </message>
    <message>
        <source>Modulate On</source>
        <translation>Modulation activée</translation>
    </message>
    <message>
        <source>Modulate Off</source>
        <translation>Modulation désactivée</translation>
    </message>
    <message>
        <source>Octave?</source>
        <translation>Octave&#xa0;?</translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation>Clé de sol</translation>
    </message>
    <message>
        <source>8va Lower</source>
        <translation>8va basse</translation>
    </message>
    <message>
        <source>Pitches</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Noms des notes affichés</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Noms en lettres</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Noms en syllabes</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Noms des notes masqués</translation>
    </message>
    <message>
        <source>Repeat Last Note? </source>
        <translation>Répéter la note&#xa0;? </translation>
    </message>
    <message>
        <source>Don&apos;t play again</source>
        <translation>Ne pas la rejouer</translation>
    </message>
    <message>
        <source>Play last note again</source>
        <translation>Rejouer la dernière note</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Tonewise, the pitch and interval ear trainer.

Listen to notes of a chosen key and scale-step level and answer on the piano keyboard, naming each pitch or the interval from the note before it; every right answer is written on the staff.

24 major and harmonic minor keys, 21 levels from the tonic triad to the whole scale with the parallel mode&apos;s notes, automatic advance to the next level or another key, and quizzes that keep each student&apos;s results in a score file.

Sound: the built-in General MIDI synthesizer or a MIDI port.
Music notation: Bravura, SIL Open Font License</source>
        <translation>Tonewise, l’entraîneur d’oreille pour les notes et les intervalles.

Écoutez les notes de la tonalité et du niveau de degrés choisis et répondez sur le clavier du piano en nommant chaque note ou l’intervalle depuis la note précédente&#xa0;; chaque bonne réponse est écrite sur la portée.

24 tonalités majeures et mineures harmoniques, 21 niveaux de l’accord de tonique à la gamme entière avec les notes du mode homonyme, progression automatique vers le niveau suivant ou une autre tonalité, et contrôles qui conservent les résultats de chaque élève dans un fichier de résultats.

Son&#xa0;: le synthétiseur General MIDI intégré ou un port MIDI.
Notation musicale&#xa0;: Bravura, SIL Open Font License</translation>
    </message>
    <message>
        <source>Practice Intervals?</source>
        <translation>Travailler les intervalles&#xa0;?</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>Afficher les noms&#xa0;?</translation>
    </message>
    <message>
        <source>Interval Hints On?</source>
        <translation>Afficher les aides d’intervalles&#xa0;?</translation>
    </message>
    <message>
        <source>Interval Hints Off?</source>
        <translation>Masquer les aides d’intervalles&#xa0;?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>Masquer les noms&#xa0;?</translation>
    </message>
    <message>
        <source>Practice Pitches?</source>
        <translation>Travailler les notes&#xa0;?</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3</source>
        <translation>1-8 + homonyme 3</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6</source>
        <translation>1-8 + homonyme 3,6</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6,7</source>
        <translation>1-8 + homonyme 3,6,7</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3</source>
        <translation>5-1-8 + homonyme 3</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6</source>
        <translation>5-1-8 + homonyme 3,6</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6,7</source>
        <translation>5-1-8 + homonyme 3,6,7</translation>
    </message>
</context>
<context>
    <name>PitchTrainer</name>
    <message>
        <source>Please sing %1.</source>
        <translation>Chantez %1.</translation>
    </message>
    <message>
        <source>Please sing the written note.</source>
        <translation>Chantez la note écrite.</translation>
    </message>
    <message>
        <source>Start-Reset Score</source>
        <translation>Départ / remise à 0</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>Réponse suivante&#xa0;?</translation>
    </message>
    <message>
        <source>Repeat Notes</source>
        <translation>Répéter les notes</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>When Tonewise Opens, Please Click Help Menu, Select &quot;Help Topics&quot;, then Select and Read HOW TO USE TONEWISE &quot;Question Content and Order.&quot; Thanks, - Orin Vascombe</source>
        <translation>À l’ouverture de Tonewise, cliquez sur le menu Aide, choisissez «&#xa0;Rubriques d’aide&#xa0;», puis lisez dans COMMENT UTILISER TONEWISE la page «&#xa0;Contenu et ordre des questions&#xa0;». Merci, - Orin Vascombe</translation>
    </message>
    <message>
        <source>Select Key and scale-steps from Menu or click middle C.</source>
        <translation>Choisissez tonalité et degrés, ou cliquez sur le do central.</translation>
    </message>
    <message>
        <source>Starting note is first scale-step.</source>
        <translation>La note de départ est le premier degré.</translation>
    </message>
    <message>
        <source>Click Perfect 1 for first answer.</source>
        <translation>Cliquez sur P1 (unisson juste) pour la première réponse.</translation>
    </message>
    <message>
        <source>Please play first scale step of new key.</source>
        <translation>Jouez le premier degré de la nouvelle tonalité.</translation>
    </message>
    <message>
        <source>Please play second note.</source>
        <translation>Jouez la deuxième note.</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>C’est juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Essayez encore.</translation>
    </message>
    <message>
        <source>The next answer is: %1</source>
        <translation>La réponse suivante est&#xa0;: %1</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>Instrument MIDI</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>Numéro d’instrument MIDI entre 0 et 127&#xa0;?</translation>
    </message>
    <message>
        <source>Please type an instrument number between 0 and 127.</source>
        <translation>Tapez un numéro d’instrument entre 0 et 127.</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Combien de bonnes réponses&#xa0;?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Quel pourcentage de bonnes réponses&#xa0;?</translation>
    </message>
    <message>
        <source>Congratulations! This is the highest level! Select another key, fewer scale-steps, and turn Auto Advance on again.</source>
        <translation>Félicitations&#xa0;! C’est le niveau le plus élevé&#xa0;! Choisissez une autre tonalité et moins de degrés, puis réactivez la progression automatique.</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Progression automatique&#xa0;: bonnes réponses&#xa0;?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Progression automatique&#xa0;: score&#xa0;?</translation>
    </message>
    <message>
        <source>AutoModulate : Correct answers?</source>
        <translation>Modulation automatique&#xa0;: bonnes réponses&#xa0;?</translation>
    </message>
    <message>
        <source>AutoModulate : Score?</source>
        <translation>Modulation automatique&#xa0;: score&#xa0;?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score above %2%. Advance to next level?</source>
        <translation>Félicitations&#xa0;! Vous avez %1 bonnes réponses ou plus avec un score supérieur à %2 %. Passer au niveau suivant&#xa0;?</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Progresser</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>Félicitations&#xa0;! Vous avez %1 bonnes réponses ou plus avec un score de plus de %2 %. Changer de gamme et de tonalité&#xa0;?</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Autre ton</translation>
    </message>
    <message>
        <source>Please click an answer and continue; OR Click File/Quiz Mode/Off and stop.</source>
        <translation>Cliquez sur une réponse et continuez&#xa0;; OU cliquez sur Fichier/Mode contrôle/Désactivé et arrêtez.</translation>
    </message>
    <message>
        <source>Number of Question Items</source>
        <translation>Éléments par question</translation>
    </message>
    <message>
        <source>How many Pitches or Intervals in each Question?</source>
        <translation>Combien de notes ou d’intervalles par question&#xa0;?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Recommencez et tapez un nombre valide</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Nombre de questions</translation>
    </message>
    <message>
        <source>How many Questions in Test?</source>
        <translation>Combien de questions dans le contrôle&#xa0;?</translation>
    </message>
    <message>
        <source>Please Begin again and type valid numbers</source>
        <translation>Recommencez et tapez des nombres valides</translation>
    </message>
    <message>
        <source>Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button.</source>
        <translation>Choisissez tonalité, degrés, notes ou intervalles, puis CLIQUEZ sur le bouton vert «&#xa0;Départ / remise à 0&#xa0;».</translation>
    </message>
    <message>
        <source>The quiz is still running: answer the next note to try saving again, or choose File &gt; Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>Le contrôle continue&#xa0;: répondez à la note suivante pour réessayer l’enregistrement, ou choisissez Fichier &gt; Mode contrôle &gt; Désactivé pour arrêter le contrôle.</translation>
    </message>
    <message>
        <source>END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and CLICK Green Start Button.</source>
        <translation>FIN DE CETTE QUESTION. Changez de TONALITÉ, choisissez NOTES ou INTERVALLES et CLIQUEZ sur le bouton vert «&#xa0;Départ / remise à 0&#xa0;».</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review score?</source>
        <translation>FIN DU CONTRÔLE. Voulez-vous revoir les résultats&#xa0;?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>Enregistrer les résultats sur la disquette du lecteur A&#xa0;?</translation>
    </message>
    <message>
        <source>Put Floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Insérez la disquette dans le lecteur A. Si la disquette N’est PAS dans le lecteur, le résultat NE sera PAS enregistré.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Qor Pitch and Interval Identification</source>
        <translation>Qor&#xa0;: reconnaissance des notes et des intervalles</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Réussites&#xa0;:</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is no longer connected. Choose Midi &gt; Inputs to use another one.</source>
        <translation>Le clavier MIDI «&#xa0;%1&#xa0;» n’est plus connecté. Choisissez Midi &gt; Entrées pour en utiliser un autre.</translation>
    </message>
</context>
</TS>
