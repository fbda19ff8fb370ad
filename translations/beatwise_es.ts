<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>RhythmTrainer</name>
    <message>
        <source>Next Question</source>
        <translation>Otra pregunta</translation>
    </message>
    <message>
        <source>Stop/Repeat</source>
        <translation>Parar/Repetir</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Puntuación a 0</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Check Rhythm</source>
        <translation>Revisar ritmo</translation>
    </message>
    <message>
        <source>Hide Answer</source>
        <translation>Ocultar solución</translation>
    </message>
    <message>
        <source>Are You certain?</source>
        <translation>¿Estás seguro?</translation>
    </message>
    <message>
        <source>That was the last beat.</source>
        <translation>Ese era el último tiempo.</translation>
    </message>
    <message>
        <source>That was the last beat to answer.</source>
        <translation>Ese era el último tiempo por responder.</translation>
    </message>
    <message>
        <source>This is the highest level in simple meter! Congratulations!</source>
        <translation>¡Este es el nivel más alto en compás simple! ¡Enhorabuena!</translation>
    </message>
    <message>
        <source>This is the highest level in compound meter! Congratulations!</source>
        <translation>¡Este es el nivel más alto en compás compuesto! ¡Enhorabuena!</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Avance automático: ¿respuestas correctas?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>¿Cuántas respuestas correctas?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Avance automático: ¿puntuación?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>¿Qué porcentaje de respuestas correctas?</translation>
    </message>
    <message>
        <source>What score??</source>
        <translation>¿Qué puntuación?</translation>
    </message>
    <message>
        <source>Congratulations! You have at least %1 correct answers with a score of %2% or better. Advance to next level?</source>
        <translation>¡Enhorabuena! Tienes al menos %1 respuestas correctas con una puntuación del %2% o más. ¿Pasar al nivel siguiente?</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Número de preguntas</translation>
    </message>
    <message>
        <source>How many test questions?</source>
        <translation>¿Cuántas preguntas en el examen?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Empieza de nuevo y escribe un número válido</translation>
    </message>
    <message>
        <source>Select Rhythm Patterns; then Click the Green &quot;Next Question&quot; button to begin.</source>
        <translation>Elige los patrones rítmicos; luego pulsa el botón verde «Otra pregunta» para empezar.</translation>
    </message>
    <message>
        <source>%1 The quiz is still running and its results are kept: press the answer button again to save them, or choose Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>%1 El examen sigue en curso y se conservan sus resultados: pulsa de nuevo el botón de respuesta para guardarlos, o elige Modo examen &gt; Desactivado para terminar el examen.</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review scores?</source>
        <translation>FIN DEL EXAMEN. ¿Quieres revisar las puntuaciones?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>¿Guardar las puntuaciones en el disquete de la unidad A?</translation>
    </message>
    <message>
        <source>Put floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Pon el disquete en la unidad A. Si el disco NO está en la unidad, la puntuación NO se guardará.</translation>
    </message>
    <message>
        <source>Tap the Rhythm</source>
        <translation>Marcar el ritmo</translation>
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
        <translation>Beatwise, el entrenador auditivo de ritmo.

Escucha una fila de siete patrones rítmicos de un tiempo, enmarcada por una cuenta previa de dos tiempos y un tiempo final; luego reconstrúyela con los botones de patrones y compruébala tiempo a tiempo.

Niveles de 3 a 15 patrones en compás simple y de 3 a 7 en compás compuesto, tempo de 30 a 96 pulsos por minuto, avance automático y exámenes que guardan los resultados de cada estudiante en un archivo de puntuaciones.

Sonido: el sintetizador General MIDI integrado.
Notación musical: Bravura, SIL Open Font License</translation>
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
        <translation>Parar/Repetir</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Otra pregunta</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntuación:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Preguntas:</translation>
    </message>
    <message>
        <source>Av. Hearings:</source>
        <translation>Media esc.:</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Puntuación a 0</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Metronome</source>
        <translation>Metrónomo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Quiz Mode</source>
        <translation>Modo examen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Prepare Quiz</source>
        <translation>Preparar examen</translation>
    </message>
    <message>
        <source>Quiz in Progress</source>
        <translation>Examen en curso</translation>
    </message>
    <message>
        <source>View Scores</source>
        <translation>Ver puntuaciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Rhythm Patterns</source>
        <translation>Patrones rítmicos</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Compound</source>
        <translation>Compuesto</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 patrones</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Avance automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Apagar todas las notas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tap the Rhythm</source>
        <translation>Marcar el ritmo</translation>
    </message>
    <message>
        <source>Tapping</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; is no longer connected: taps come from the space bar and the microphone. Choose Midi &gt; Inputs to use another one.</source>
        <translation>La entrada MIDI «%1» ya no está conectada: los golpes llegan de la barra espaciadora y del micrófono. Elige Midi &gt; Entradas para usar otra.</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>TapStrip</name>
    <message>
        <source>Taps in time: %1, early: %2, late: %3, extra: %4; notes not tapped: %5</source>
        <translation>Golpes a tiempo: %1, adelantados: %2, atrasados: %3, de más: %4; notas sin golpe: %5</translation>
    </message>
</context>
</TS>
