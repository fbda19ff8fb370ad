<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ExerciseLines</name>
    <message>
        <source>A Harmonic Minor</source>
        <translation>La menor armónica</translation>
    </message>
    <message>
        <source>D Harmonic Minor</source>
        <translation>Re menor armónica</translation>
    </message>
    <message>
        <source>E Harmonic Minor</source>
        <translation>Mi menor armónica</translation>
    </message>
    <message>
        <source>G Harmonic Minor</source>
        <translation>Sol menor armónica</translation>
    </message>
    <message>
        <source>B Harmonic Minor</source>
        <translation>Si menor armónica</translation>
    </message>
    <message>
        <source>C Harmonic Minor</source>
        <translation>Do menor armónica</translation>
    </message>
    <message>
        <source>F# Harmonic Minor</source>
        <translation>Fa sostenido menor armónica</translation>
    </message>
    <message>
        <source>F Harmonic Minor</source>
        <translation>Fa menor armónica</translation>
    </message>
    <message>
        <source>C# Harmonic Minor</source>
        <translation>Do sostenido menor armónica</translation>
    </message>
    <message>
        <source>Bb Harmonic Minor</source>
        <translation>Si bemol menor armónica</translation>
    </message>
    <message>
        <source>Eb Harmonic Minor</source>
        <translation>Mi bemol menor armónica</translation>
    </message>
    <message>
        <source>Key = %1.</source>
        <translation>Tonalidad = %1.</translation>
    </message>
    <message>
        <source>Parallel</source>
        <comment>the parallel mode&apos;s notes, as in 1-8 + Parallel 3</comment>
        <translation>homónima</translation>
    </message>
    <message>
        <source>Scale-steps = %1</source>
        <translation>Grados = %1</translation>
    </message>
</context>
<context>
    <name>Intervals</name>
    <message>
        <source>Perfect 1</source>
        <translation>1ª justa</translation>
    </message>
    <message>
        <source>minor 2</source>
        <translation>2ª menor</translation>
    </message>
    <message>
        <source>Major 2</source>
        <translation>2ª mayor</translation>
    </message>
    <message>
        <source>minor 3 (or Aug2)</source>
        <translation>3ª menor (o 2ª aum.)</translation>
    </message>
    <message>
        <source>Major 3 (or Dim4)</source>
        <translation>3ª mayor (o 4ª dism.)</translation>
    </message>
    <message>
        <source>Perfect 4</source>
        <translation>4ª justa</translation>
    </message>
    <message>
        <source>Aug4 (or dim5)</source>
        <translation>4ª aum. (o 5ª dism.)</translation>
    </message>
    <message>
        <source>Perfect 5</source>
        <translation>5ª justa</translation>
    </message>
    <message>
        <source>minor 6 (or Aug 5)</source>
        <translation>6ª menor (o 5ª aum.)</translation>
    </message>
    <message>
        <source>Major 6 (or dim7)</source>
        <translation>6ª mayor (o 7ª dism.)</translation>
    </message>
    <message>
        <source>minor 7</source>
        <translation>7ª menor</translation>
    </message>
    <message>
        <source>Major 7</source>
        <translation>7ª mayor</translation>
    </message>
    <message>
        <source>Perfect 8</source>
        <translation>8ª justa</translation>
    </message>
    <message>
        <source>minor 9</source>
        <translation>9ª menor</translation>
    </message>
    <message>
        <source>Major 9</source>
        <translation>9ª mayor</translation>
    </message>
    <message>
        <source>minor 10 (or Aug9)</source>
        <translation>10ª menor (o 9ª aum.)</translation>
    </message>
    <message>
        <source>Major 10</source>
        <translation>10ª mayor</translation>
    </message>
    <message>
        <source>Perfect 11</source>
        <translation>11ª justa</translation>
    </message>
</context>
<context>
    <name>KeyHints</name>
    <message>
        <source>minor 3 = Augmented 2</source>
        <translation>3ª menor = 2ª aumentada</translation>
    </message>
    <message>
        <source>Major 3 = diminished 4</source>
        <translation>3ª mayor = 4ª disminuida</translation>
    </message>
    <message>
        <source>Augmented 4 = diminished 5</source>
        <translation>4ª aumentada = 5ª disminuida</translation>
    </message>
    <message>
        <source>minor 6 = Augmented 5</source>
        <translation>6ª menor = 5ª aumentada</translation>
    </message>
    <message>
        <source>Major 6 = diminished 7</source>
        <translation>6ª mayor = 7ª disminuida</translation>
    </message>
    <message>
        <source>minor 10 = Augmented 9</source>
        <translation>10ª menor = 9ª aumentada</translation>
    </message>
    <message>
        <source>Major 10 = diminished 11</source>
        <translation>10ª mayor = 11ª disminuida</translation>
    </message>
    <message>
        <source>Middle C is C3</source>
        <translation>El do central es C3</translation>
    </message>
</context>
<context>
    <name>PitchMenus</name>
    <message>
        <source>Singing</source>
        <translation>Canto</translation>
    </message>
    <message>
        <source>Exact Octave</source>
        <translation>Octava exacta</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>Do mayor</translation>
    </message>
    <message>
        <source>A minor</source>
        <translation>La menor</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>Fa mayor</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Re menor</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>Sol mayor</translation>
    </message>
    <message>
        <source>E minor</source>
        <translation>Mi menor</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>Si bemol mayor</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol menor</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>Re mayor</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si menor</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Mi bemol mayor</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do menor</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>La mayor</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>Fa sostenido menor</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>La bemol mayor</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa menor</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>Mi mayor</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>Do sostenido menor</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Re bemol mayor</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Sol bemol mayor</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>Si mayor</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fa sostenido mayor</translation>
    </message>
    <message>
        <source>Bb Minor</source>
        <translation>Si bemol menor</translation>
    </message>
    <message>
        <source>Eb Minor</source>
        <translation>Mi bemol menor</translation>
    </message>
    <message>
        <source>0 signature</source>
        <translation>Sin alteraciones</translation>
    </message>
    <message>
        <source>1 sharp</source>
        <translation>1 sostenido</translation>
    </message>
    <message>
        <source>1 flat</source>
        <translation>1 bemol</translation>
    </message>
    <message>
        <source>2 sharps</source>
        <translation>2 sostenidos</translation>
    </message>
    <message>
        <source>2 flats</source>
        <translation>2 bemoles</translation>
    </message>
    <message>
        <source>3 sharps</source>
        <translation>3 sostenidos</translation>
    </message>
    <message>
        <source>3 flats</source>
        <translation>3 bemoles</translation>
    </message>
    <message>
        <source>4 sharps</source>
        <translation>4 sostenidos</translation>
    </message>
    <message>
        <source>4 flats</source>
        <translation>4 bemoles</translation>
    </message>
    <message>
        <source>5 sharps</source>
        <translation>5 sostenidos</translation>
    </message>
    <message>
        <source>5 flats</source>
        <translation>5 bemoles</translation>
    </message>
    <message>
        <source>6 sharps</source>
        <translation>6 sostenidos</translation>
    </message>
    <message>
        <source>6 flats</source>
        <translation>6 bemoles</translation>
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
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalidad</translation>
    </message>
    <message>
        <source>Scale Steps</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Pedal de resonancia</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Pedal pisado</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Pedal suelto</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Apagar todas las notas</translation>
    </message>
    <message>
        <source>Advance?</source>
        <translation>¿Avanzar?</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Avance automático</translation>
    </message>
    <message>
        <source>Advance On</source>
        <translation>Avance activado</translation>
    </message>
    <message>
        <source>Advance Off</source>
        <translation>Avance desactivado</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Modulación automática</translation>
    </message>
    <message>
        <source>Modulate On</source>
        <translation>Modulación activada</translation>
    </message>
    <message>
        <source>Modulate Off</source>
        <translation>Modulación desactivada</translation>
    </message>
    <message>
        <source>Octave?</source>
        <translation>¿Octava?</translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation>Clave de sol</translation>
    </message>
    <message>
        <source>8va Lower</source>
        <translation>8va baja</translation>
    </message>
    <message>
        <source>Pitches</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalos</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Nombres de notas visibles</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Nombres con letras</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Nombres con sílabas</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Nombres de notas ocultos</translation>
    </message>
    <message>
        <source>Repeat Last Note? </source>
        <translation>¿Repetir nota? </translation>
    </message>
    <message>
        <source>Don&apos;t play again</source>
        <translation>No volver a tocarla</translation>
    </message>
    <message>
        <source>Play last note again</source>
        <translation>Volver a tocar la última nota</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Tonewise, the pitch and interval ear trainer.

Listen to notes of a chosen key and scale-step level and answer on the piano keyboard, naming each pitch or the interval from the note before it; every right answer is written on the staff.

24 major and harmonic minor keys, 21 levels from the tonic triad to the whole scale with the parallel mode&apos;s notes, automatic advance to the next level or another key, and quizzes that keep each student&apos;s results in a score file.

Sound: the built-in General MIDI synthesizer or a MIDI port.
Music notation: Bravura, SIL Open Font License</source>
        <translation>Tonewise, el entrenador auditivo de notas e intervalos.

Escucha notas de la tonalidad y el nivel de grados elegidos y responde en el teclado del piano, nombrando cada nota o el intervalo desde la nota anterior; cada respuesta correcta se escribe en el pentagrama.

24 tonalidades mayores y menores armónicas, 21 niveles desde la tríada de tónica hasta la escala completa con las notas del modo homónimo, avance automático al nivel siguiente o a otra tonalidad, y exámenes que guardan los resultados de cada estudiante en un archivo de puntuaciones.

Sonido: el sintetizador General MIDI integrado o un puerto MIDI.
Notación musical: Bravura, SIL Open Font License</translation>
    </message>
    <message>
        <source>Practice Intervals?</source>
        <translation>¿Practicar intervalos?</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>¿Mostrar nombres de notas?</translation>
    </message>
    <message>
        <source>Interval Hints On?</source>
        <translation>¿Mostrar pistas de intervalos?</translation>
    </message>
    <message>
        <source>Interval Hints Off?</source>
        <translation>¿Ocultar pistas de intervalos?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>¿Ocultar nombres de notas?</translation>
    </message>
    <message>
        <source>Practice Pitches?</source>
        <translation>¿Practicar notas?</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3</source>
        <translation>1-8 + homónima 3</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6</source>
        <translation>1-8 + homónima 3,6</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6,7</source>
        <translation>1-8 + homónima 3,6,7</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3</source>
        <translation>5-1-8 + homónima 3</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6</source>
        <translation>5-1-8 + homónima 3,6</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6,7</source>
        <translation>5-1-8 + homónima 3,6,7</translation>
    </message>
</context>
<context>
    <name>PitchTrainer</name>
    <message>
        <source>Please sing %1.</source>
        <translation>Canta %1.</translation>
    </message>
    <message>
        <source>Please sing the written note.</source>
        <translation>Canta la nota escrita.</translation>
    </message>
    <message>
        <source>Start-Reset Score</source>
        <translation>Empezar / reiniciar</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>¿Ver respuesta?</translation>
    </message>
    <message>
        <source>Repeat Notes</source>
        <translation>Repetir notas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>When Tonewise Opens, Please Click Help Menu, Select &quot;Help Topics&quot;, then Select and Read HOW TO USE TONEWISE &quot;Question Content and Order.&quot; Thanks, - Orin Vascombe</source>
        <translation>Cuando se abra Tonewise, haz clic en el menú Ayuda, elige «Temas de ayuda» y luego lee en CÓMO USAR TONEWISE la página «Contenido y orden de las preguntas». Gracias, - Orin Vascombe</translation>
    </message>
    <message>
        <source>Select Key and scale-steps from Menu or click middle C.</source>
        <translation>Elige tonalidad y grados en el menú o pulsa el do central.</translation>
    </message>
    <message>
        <source>Starting note is first scale-step.</source>
        <translation>La nota inicial es el primer grado.</translation>
    </message>
    <message>
        <source>Click Perfect 1 for first answer.</source>
        <translation>Pulsa P1 (1ª justa) para la primera respuesta.</translation>
    </message>
    <message>
        <source>Please play first scale step of new key.</source>
        <translation>Toca el primer grado de la nueva tonalidad.</translation>
    </message>
    <message>
        <source>Please play second note.</source>
        <translation>Toca la segunda nota.</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The next answer is: %1</source>
        <translation>La siguiente respuesta es: %1</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>Instrumento MIDI</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>¿Número de instrumento MIDI entre 0 y 127?</translation>
    </message>
    <message>
        <source>Please type an instrument number between 0 and 127.</source>
        <translation>Escribe un número de instrumento entre 0 y 127.</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>¿Cuántas respuestas correctas?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>¿Qué porcentaje de respuestas correctas?</translation>
    </message>
    <message>
        <source>Congratulations! This is the highest level! Select another key, fewer scale-steps, and turn Auto Advance on again.</source>
        <translation>¡Enhorabuena! ¡Este es el nivel más alto! Elige otra tonalidad y menos grados, y vuelve a activar el avance automático.</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Avance automático: ¿respuestas correctas?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Avance automático: ¿puntuación?</translation>
    </message>
    <message>
        <source>AutoModulate : Correct answers?</source>
        <translation>Modulación automática: ¿respuestas correctas?</translation>
    </message>
    <message>
        <source>AutoModulate : Score?</source>
        <translation>Modulación automática: ¿puntuación?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score above %2%. Advance to next level?</source>
        <translation>¡Enhorabuena! Tienes %1 o más respuestas correctas con una puntuación superior al %2%. ¿Pasar al nivel siguiente?</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>¡Enhorabuena! Tienes %1 o más respuestas correctas con una puntuación de más del %2%. ¿Cambiar de escala y tonalidad?</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Otro tono</translation>
    </message>
    <message>
        <source>Please click an answer and continue; OR Click File/Quiz Mode/Off and stop.</source>
        <translation>Pulsa una respuesta y continúa; O haz clic en Archivo/Modo examen/Desactivado y para.</translation>
    </message>
    <message>
        <source>Number of Question Items</source>
        <translation>Elementos por pregunta</translation>
    </message>
    <message>
        <source>How many Pitches or Intervals in each Question?</source>
        <translation>¿Cuántas notas o intervalos en cada pregunta?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Empieza de nuevo y escribe un número válido</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Número de preguntas</translation>
    </message>
    <message>
        <source>How many Questions in Test?</source>
        <translation>¿Cuántas preguntas en el examen?</translation>
    </message>
    <message>
        <source>Please Begin again and type valid numbers</source>
        <translation>Empieza de nuevo y escribe números válidos</translation>
    </message>
    <message>
        <source>Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button.</source>
        <translation>Elige tonalidad, grados, notas o intervalos y luego PULSA el botón verde «Empezar / reiniciar».</translation>
    </message>
    <message>
        <source>The quiz is still running: answer the next note to try saving again, or choose File &gt; Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>El examen sigue en curso: responde la siguiente nota para intentar guardar de nuevo, o elige Archivo &gt; Modo examen &gt; Desactivado para terminar el examen.</translation>
    </message>
    <message>
        <source>END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and CLICK Green Start Button.</source>
        <translation>FIN DE ESTA PREGUNTA. Cambia la TONALIDAD, elige NOTAS o INTERVALOS y PULSA el botón verde «Empezar / reiniciar».</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review score?</source>
        <translation>FIN DEL EXAMEN. ¿Quieres revisar la puntuación?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>¿Guardar las puntuaciones en el disquete de la unidad A?</translation>
    </message>
    <message>
        <source>Put Floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Pon el disquete en la unidad A. Si el disco NO está en la unidad, la puntuación NO se guardará.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Qor Pitch and Interval Identification</source>
        <translation>Qor: identificación de notas e intervalos</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is no longer connected. Choose Midi &gt; Inputs to use another one.</source>
        <translation>El teclado MIDI «%1» ya no está conectado. Elige Midi &gt; Entradas para usar otro.</translation>
    </message>
</context>
</TS>
