<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>RhythmTrainer</name>
    <message>
        <source>Next Question</source>
        <translation>Autre question</translation>
    </message>
    <message>
        <source>Stop/Repeat</source>
        <translation>Arrêter/Répéter</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Score à zéro</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Check Rhythm</source>
        <translation>Noter le rythme</translation>
    </message>
    <message>
        <source>Hide Answer</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Are You certain?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>That was the last beat.</source>
        <translation>C’était le dernier temps.</translation>
    </message>
    <message>
        <source>That was the last beat to answer.</source>
        <translation>C’était le dernier temps à répondre.</translation>
    </message>
    <message>
        <source>This is the highest level in simple meter! Congratulations!</source>
        <translation>C’est le niveau le plus élevé en mesure simple&#xa0;! Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>This is the highest level in compound meter! Congratulations!</source>
        <translation>C’est le niveau le plus élevé en mesure composée&#xa0;! Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Progression automatique&#xa0;: bonnes réponses&#xa0;?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Combien de bonnes réponses&#xa0;?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Progression automatique&#xa0;: score&#xa0;?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Quel pourcentage de bonnes réponses&#xa0;?</translation>
    </message>
    <message>
        <source>What score??</source>
        <translation>Quel score&#xa0;?</translation>
    </message>
    <message>
        <source>Congratulations! You have at least %1 correct answers with a score of %2% or better. Advance to next level?</source>
        <translation>Félicitations&#xa0;! Vous avez au moins %1 bonnes réponses avec un score de %2 % ou plus. Passer au niveau suivant&#xa0;?</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Nombre de questions</translation>
    </message>
    <message>
        <source>How many test questions?</source>
        <translation>Combien de questions dans le contrôle&#xa0;?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Recommencez et tapez un nombre valide</translation>
    </message>
    <message>
        <source>Select Rhythm Patterns; then Click the Green &quot;Next Question&quot; button to begin.</source>
        <translation>Choisissez les motifs rythmiques, puis cliquez sur le bouton vert «&#xa0;Autre question&#xa0;» pour commencer.</translation>
    </message>
    <message>
        <source>%1 The quiz is still running and its results are kept: press the answer button again to save them, or choose Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>%1 Le contrôle continue et ses résultats sont conservés&#xa0;: appuyez de nouveau sur le bouton de réponse pour les enregistrer, ou choisissez Mode contrôle &gt; Désactivé pour arrêter le contrôle.</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review scores?</source>
        <translation>FIN DU CONTRÔLE. Voulez-vous revoir les résultats&#xa0;?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>Enregistrer les résultats sur la disquette du lecteur A&#xa0;?</translation>
    </message>
    <message>
        <source>Put floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Insérez la disquette dans le lecteur A. Si la disquette N’est PAS dans le lecteur, le résultat NE sera PAS enregistré.</translation>
    </message>
    <message>
        <source>Tap the Rhythm</source>
        <translation>Taper le rythme</translation>
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
        <translation>Beatwise, l’entraîneur d’oreille rythmique.

Écoutez une suite de sept motifs rythmiques d’un temps, encadrée par un décompte de deux temps et un temps final, puis reconstituez-la avec les boutons de motifs et vérifiez-la temps par temps.

Niveaux de 3 à 15 motifs en mesure simple et de 3 à 7 en mesure composée, tempo de 30 à 96 battements par minute, progression automatique et contrôles qui conservent les résultats de chaque élève dans un fichier de résultats.

Son&#xa0;: le synthétiseur General MIDI intégré.
Notation musicale&#xa0;: Bravura, SIL Open Font License</translation>
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
        <translation>Arrêter/Répéter</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Autre question</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Questions&#xa0;:</translation>
    </message>
    <message>
        <source>Av. Hearings:</source>
        <translation>Moy. éc.&#xa0;:</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Score à zéro</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Metronome</source>
        <translation>Métronome</translation>
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
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Rhythm Patterns</source>
        <translation>Motifs rythmiques</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Compound</source>
        <translation>Composée</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 motifs</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Progression automatique</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Couper toutes les notes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d’aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tap the Rhythm</source>
        <translation>Taper le rythme</translation>
    </message>
    <message>
        <source>Tapping</source>
        <translation>Frappe</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; is no longer connected: taps come from the space bar and the microphone. Choose Midi &gt; Inputs to use another one.</source>
        <translation>L’entrée MIDI «&#xa0;%1&#xa0;» n’est plus connectée&#xa0;: les frappes viennent de la barre d’espace et du microphone. Choisissez Midi &gt; Entrées pour en utiliser une autre.</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>TapStrip</name>
    <message>
        <source>Taps in time: %1, early: %2, late: %3, extra: %4; notes not tapped: %5</source>
        <translation>Frappes à temps&#xa0;: %1, en avance&#xa0;: %2, en retard&#xa0;: %3, en trop&#xa0;: %4&#xa0;; notes non frappées&#xa0;: %5</translation>
    </message>
</context>
</TS>
