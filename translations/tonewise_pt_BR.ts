<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ExerciseLines</name>
    <message>
        <source>A Harmonic Minor</source>
        <translation>Lá menor harmônica</translation>
    </message>
    <message>
        <source>D Harmonic Minor</source>
        <translation>Ré menor harmônica</translation>
    </message>
    <message>
        <source>E Harmonic Minor</source>
        <translation>Mi menor harmônica</translation>
    </message>
    <message>
        <source>G Harmonic Minor</source>
        <translation>Sol menor harmônica</translation>
    </message>
    <message>
        <source>B Harmonic Minor</source>
        <translation>Si menor harmônica</translation>
    </message>
    <message>
        <source>C Harmonic Minor</source>
        <translation>Dó menor harmônica</translation>
    </message>
    <message>
        <source>F# Harmonic Minor</source>
        <translation>Fá sustenido menor harmônica</translation>
    </message>
    <message>
        <source>F Harmonic Minor</source>
        <translation>Fá menor harmônica</translation>
    </message>
    <message>
        <source>C# Harmonic Minor</source>
        <translation>Dó sustenido menor harmônica</translation>
    </message>
    <message>
        <source>Bb Harmonic Minor</source>
        <translation>Si bemol menor harmônica</translation>
    </message>
    <message>
        <source>Eb Harmonic Minor</source>
        <translation>Mi bemol menor harmônica</translation>
    </message>
    <message>
        <source>Key = %1.</source>
        <translation>Tonalidade = %1.</translation>
    </message>
    <message>
        <source>Parallel</source>
        <comment>the parallel mode&apos;s notes, as in 1-8 + Parallel 3</comment>
        <translation>homônima</translation>
    </message>
    <message>
        <source>Scale-steps = %1</source>
        <translation>Graus = %1</translation>
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
        <translation>2ª maior</translation>
    </message>
    <message>
        <source>minor 3 (or Aug2)</source>
        <translation>3ª menor (ou 2ª aum.)</translation>
    </message>
    <message>
        <source>Major 3 (or Dim4)</source>
        <translation>3ª maior (ou 4ª dim.)</translation>
    </message>
    <message>
        <source>Perfect 4</source>
        <translation>4ª justa</translation>
    </message>
    <message>
        <source>Aug4 (or dim5)</source>
        <translation>4ª aum. (ou 5ª dim.)</translation>
    </message>
    <message>
        <source>Perfect 5</source>
        <translation>5ª justa</translation>
    </message>
    <message>
        <source>minor 6 (or Aug 5)</source>
        <translation>6ª menor (ou 5ª aum.)</translation>
    </message>
    <message>
        <source>Major 6 (or dim7)</source>
        <translation>6ª maior (ou 7ª dim.)</translation>
    </message>
    <message>
        <source>minor 7</source>
        <translation>7ª menor</translation>
    </message>
    <message>
        <source>Major 7</source>
        <translation>7ª maior</translation>
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
        <translation>9ª maior</translation>
    </message>
    <message>
        <source>minor 10 (or Aug9)</source>
        <translation>10ª menor (ou 9ª aum.)</translation>
    </message>
    <message>
        <source>Major 10</source>
        <translation>10ª maior</translation>
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
        <translation>3ª maior = 4ª diminuta</translation>
    </message>
    <message>
        <source>Augmented 4 = diminished 5</source>
        <translation>4ª aumentada = 5ª diminuta</translation>
    </message>
    <message>
        <source>minor 6 = Augmented 5</source>
        <translation>6ª menor = 5ª aumentada</translation>
    </message>
    <message>
        <source>Major 6 = diminished 7</source>
        <translation>6ª maior = 7ª diminuta</translation>
    </message>
    <message>
        <source>minor 10 = Augmented 9</source>
        <translation>10ª menor = 9ª aumentada</translation>
    </message>
    <message>
        <source>Major 10 = diminished 11</source>
        <translation>10ª maior = 11ª diminuta</translation>
    </message>
    <message>
        <source>Middle C is C3</source>
        <translation>O dó central é C3</translation>
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
        <translation>Oitava exata</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>Dó maior</translation>
    </message>
    <message>
        <source>A minor</source>
        <translation>Lá menor</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>Fá maior</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Ré menor</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>Sol maior</translation>
    </message>
    <message>
        <source>E minor</source>
        <translation>Mi menor</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>Si bemol maior</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol menor</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>Ré maior</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si menor</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Mi bemol maior</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Dó menor</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>Lá maior</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>Fá sustenido menor</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>Lá bemol maior</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fá menor</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>Mi maior</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>Dó sustenido menor</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Ré bemol maior</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Sol bemol maior</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>Si maior</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fá sustenido maior</translation>
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
        <translation>Sem acidentes</translation>
    </message>
    <message>
        <source>1 sharp</source>
        <translation>1 sustenido</translation>
    </message>
    <message>
        <source>1 flat</source>
        <translation>1 bemol</translation>
    </message>
    <message>
        <source>2 sharps</source>
        <translation>2 sustenidos</translation>
    </message>
    <message>
        <source>2 flats</source>
        <translation>2 bemóis</translation>
    </message>
    <message>
        <source>3 sharps</source>
        <translation>3 sustenidos</translation>
    </message>
    <message>
        <source>3 flats</source>
        <translation>3 bemóis</translation>
    </message>
    <message>
        <source>4 sharps</source>
        <translation>4 sustenidos</translation>
    </message>
    <message>
        <source>4 flats</source>
        <translation>4 bemóis</translation>
    </message>
    <message>
        <source>5 sharps</source>
        <translation>5 sustenidos</translation>
    </message>
    <message>
        <source>5 flats</source>
        <translation>5 bemóis</translation>
    </message>
    <message>
        <source>6 sharps</source>
        <translation>6 sustenidos</translation>
    </message>
    <message>
        <source>6 flats</source>
        <translation>6 bemóis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Quiz Mode</source>
        <translation>Modo prova</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Prepare Quiz</source>
        <translation>Preparar prova</translation>
    </message>
    <message>
        <source>Quiz in Progress</source>
        <translation>Prova em andamento</translation>
    </message>
    <message>
        <source>View Scores</source>
        <translation>Ver pontuações</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalidade</translation>
    </message>
    <message>
        <source>Scale Steps</source>
        <translation>Graus</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Saídas</translation>
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
        <translation>Pedal de sustentação</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Pedal ligado</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Pedal desligado</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Desligar todas as notas</translation>
    </message>
    <message>
        <source>Advance?</source>
        <translation>Avançar?</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Avanço automático</translation>
    </message>
    <message>
        <source>Advance On</source>
        <translation>Avanço ligado</translation>
    </message>
    <message>
        <source>Advance Off</source>
        <translation>Avanço desligado</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Modulação automática</translation>
    </message>
    <message>
        <source>Modulate On</source>
        <translation>Modulação ligada</translation>
    </message>
    <message>
        <source>Modulate Off</source>
        <translation>Modulação desligada</translation>
    </message>
    <message>
        <source>Octave?</source>
        <translation>Oitava?</translation>
    </message>
    <message>
        <source>Treble Clef</source>
        <translation>Clave de sol</translation>
    </message>
    <message>
        <source>8va Lower</source>
        <translation>8va abaixo</translation>
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
        <translation>Nomes das notas visíveis</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Nomes com letras</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Nomes com sílabas</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Nomes das notas ocultos</translation>
    </message>
    <message>
        <source>Repeat Last Note? </source>
        <translation>Repetir a última nota? </translation>
    </message>
    <message>
        <source>Don&apos;t play again</source>
        <translation>Não tocar de novo</translation>
    </message>
    <message>
        <source>Play last note again</source>
        <translation>Tocar a última nota de novo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Tonewise, the pitch and interval ear trainer.

Listen to notes of a chosen key and scale-step level and answer on the piano keyboard, naming each pitch or the interval from the note before it; every right answer is written on the staff.

24 major and harmonic minor keys, 21 levels from the tonic triad to the whole scale with the parallel mode&apos;s notes, automatic advance to the next level or another key, and quizzes that keep each student&apos;s results in a score file.

Sound: the built-in General MIDI synthesizer or a MIDI port.
Music notation: Bravura, SIL Open Font License</source>
        <translation>Tonewise, o treinador auditivo de notas e intervalos.

Ouça notas da tonalidade e do nível de graus escolhidos e responda no teclado do piano, nomeando cada nota ou o intervalo a partir da nota anterior; cada resposta certa é escrita na pauta.

24 tonalidades maiores e menores harmônicas, 21 níveis da tríade da tônica até a escala completa com as notas do modo homônimo, avanço automático para o próximo nível ou para outra tonalidade, e provas que guardam os resultados de cada aluno num arquivo de pontuações.

Som: o sintetizador General MIDI integrado ou uma porta MIDI.
Notação musical: Bravura, SIL Open Font License</translation>
    </message>
    <message>
        <source>Practice Intervals?</source>
        <translation>Praticar intervalos?</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>Mostrar nomes das notas?</translation>
    </message>
    <message>
        <source>Interval Hints On?</source>
        <translation>Mostrar dicas de intervalos?</translation>
    </message>
    <message>
        <source>Interval Hints Off?</source>
        <translation>Ocultar dicas de intervalos?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>Ocultar nomes das notas?</translation>
    </message>
    <message>
        <source>Practice Pitches?</source>
        <translation>Praticar notas?</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3</source>
        <translation>1-8 + homônima 3</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6</source>
        <translation>1-8 + homônima 3,6</translation>
    </message>
    <message>
        <source>1-8 + Parallel 3,6,7</source>
        <translation>1-8 + homônima 3,6,7</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3</source>
        <translation>5-1-8 + homônima 3</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6</source>
        <translation>5-1-8 + homônima 3,6</translation>
    </message>
    <message>
        <source>5-1-8 + Parallel 3,6,7</source>
        <translation>5-1-8 + homônima 3,6,7</translation>
    </message>
</context>
<context>
    <name>PitchTrainer</name>
    <message>
        <source>Please sing %1.</source>
        <translation>Cante %1.</translation>
    </message>
    <message>
        <source>Please sing the written note.</source>
        <translation>Cante a nota escrita.</translation>
    </message>
    <message>
        <source>Start-Reset Score</source>
        <translation>Iniciar / zerar</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>Próxima resposta?</translation>
    </message>
    <message>
        <source>Repeat Notes</source>
        <translation>Repetir notas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>When Tonewise Opens, Please Click Help Menu, Select &quot;Help Topics&quot;, then Select and Read HOW TO USE TONEWISE &quot;Question Content and Order.&quot; Thanks, - Orin Vascombe</source>
        <translation>Quando o Tonewise abrir, clique no menu Ajuda, escolha “Tópicos da ajuda” e depois leia em COMO USAR O TONEWISE a página “Conteúdo e ordem das questões”. Obrigado, - Orin Vascombe</translation>
    </message>
    <message>
        <source>Select Key and scale-steps from Menu or click middle C.</source>
        <translation>Escolha tonalidade e graus no menu ou clique no dó central.</translation>
    </message>
    <message>
        <source>Starting note is first scale-step.</source>
        <translation>A nota inicial é o primeiro grau.</translation>
    </message>
    <message>
        <source>Click Perfect 1 for first answer.</source>
        <translation>Clique em P1 (1ª justa) para a primeira resposta.</translation>
    </message>
    <message>
        <source>Please play first scale step of new key.</source>
        <translation>Toque o primeiro grau da nova tonalidade.</translation>
    </message>
    <message>
        <source>Please play second note.</source>
        <translation>Toque a segunda nota.</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>Certo: %1</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Tente de novo.</translation>
    </message>
    <message>
        <source>The next answer is: %1</source>
        <translation>A próxima resposta é: %1</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>Instrumento MIDI</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>Número do instrumento MIDI entre 0 e 127?</translation>
    </message>
    <message>
        <source>Please type an instrument number between 0 and 127.</source>
        <translation>Digite um número de instrumento entre 0 e 127.</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Quantas respostas certas?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Qual porcentagem de respostas certas?</translation>
    </message>
    <message>
        <source>Congratulations! This is the highest level! Select another key, fewer scale-steps, and turn Auto Advance on again.</source>
        <translation>Parabéns! Este é o nível mais alto! Escolha outra tonalidade e menos graus, e ligue o avanço automático de novo.</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Avanço automático: respostas certas?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Avanço automático: pontuação?</translation>
    </message>
    <message>
        <source>AutoModulate : Correct answers?</source>
        <translation>Modulação automática: respostas certas?</translation>
    </message>
    <message>
        <source>AutoModulate : Score?</source>
        <translation>Modulação automática: pontuação?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score above %2%. Advance to next level?</source>
        <translation>Parabéns! Você tem %1 ou mais respostas certas com uma pontuação acima de %2%. Avançar para o próximo nível?</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>Parabéns! Você tem %1 ou mais respostas certas com uma pontuação de mais de %2%. Mudar de escala e tonalidade?</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Novo tom</translation>
    </message>
    <message>
        <source>Please click an answer and continue; OR Click File/Quiz Mode/Off and stop.</source>
        <translation>Clique numa resposta e continue; OU clique em Arquivo/Modo prova/Desligado e pare.</translation>
    </message>
    <message>
        <source>Number of Question Items</source>
        <translation>Itens por questão</translation>
    </message>
    <message>
        <source>How many Pitches or Intervals in each Question?</source>
        <translation>Quantas notas ou intervalos em cada questão?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Comece de novo e digite um número válido</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Número de questões</translation>
    </message>
    <message>
        <source>How many Questions in Test?</source>
        <translation>Quantas questões na prova?</translation>
    </message>
    <message>
        <source>Please Begin again and type valid numbers</source>
        <translation>Comece de novo e digite números válidos</translation>
    </message>
    <message>
        <source>Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button.</source>
        <translation>Escolha tonalidade, graus, notas ou intervalos e depois CLIQUE no botão verde “Iniciar / zerar”.</translation>
    </message>
    <message>
        <source>The quiz is still running: answer the next note to try saving again, or choose File &gt; Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>A prova continua em andamento: responda a próxima nota para tentar salvar de novo, ou escolha Arquivo &gt; Modo prova &gt; Desligado para encerrar a prova.</translation>
    </message>
    <message>
        <source>END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and CLICK Green Start Button.</source>
        <translation>FIM DESTA QUESTÃO. Mude a TONALIDADE, escolha NOTAS ou INTERVALOS e CLIQUE no botão verde “Iniciar / zerar”.</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review score?</source>
        <translation>FIM DA PROVA. Deseja rever a pontuação?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>Salvar as pontuações no disquete da unidade A?</translation>
    </message>
    <message>
        <source>Put Floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Coloque o disquete na unidade A. Se o disco NÃO estiver na unidade, a pontuação NÃO será gravada.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Qor Pitch and Interval Identification</source>
        <translation>Qor: identificação de notas e intervalos</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Acertos:</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is no longer connected. Choose Midi &gt; Inputs to use another one.</source>
        <translation>O teclado MIDI “%1” não está mais conectado. Escolha Midi &gt; Entradas para usar outro.</translation>
    </message>
</context>
</TS>
