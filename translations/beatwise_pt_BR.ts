<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>RhythmTrainer</name>
    <message>
        <source>Next Question</source>
        <translation>Nova questão</translation>
    </message>
    <message>
        <source>Stop/Repeat</source>
        <translation>Parar/Repetir</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Zerar pontuação</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>Check Rhythm</source>
        <translation>Conferir ritmo</translation>
    </message>
    <message>
        <source>Hide Answer</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Are You certain?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>That was the last beat.</source>
        <translation>Esse era o último tempo.</translation>
    </message>
    <message>
        <source>That was the last beat to answer.</source>
        <translation>Esse era o último tempo a responder.</translation>
    </message>
    <message>
        <source>This is the highest level in simple meter! Congratulations!</source>
        <translation>Este é o nível mais alto em compasso simples! Parabéns!</translation>
    </message>
    <message>
        <source>This is the highest level in compound meter! Congratulations!</source>
        <translation>Este é o nível mais alto em compasso composto! Parabéns!</translation>
    </message>
    <message>
        <source>AutoAdvance : Correct answers?</source>
        <translation>Avanço automático: respostas certas?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Quantas respostas certas?</translation>
    </message>
    <message>
        <source>AutoAdvance : Score?</source>
        <translation>Avanço automático: pontuação?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Qual porcentagem de respostas certas?</translation>
    </message>
    <message>
        <source>What score??</source>
        <translation>Qual pontuação?</translation>
    </message>
    <message>
        <source>Congratulations! You have at least %1 correct answers with a score of %2% or better. Advance to next level?</source>
        <translation>Parabéns! Você tem pelo menos %1 respostas certas com uma pontuação de %2% ou mais. Avançar para o próximo nível?</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Número de questões</translation>
    </message>
    <message>
        <source>How many test questions?</source>
        <translation>Quantas questões na prova?</translation>
    </message>
    <message>
        <source>Please Begin again and type a valid number</source>
        <translation>Comece de novo e digite um número válido</translation>
    </message>
    <message>
        <source>Select Rhythm Patterns; then Click the Green &quot;Next Question&quot; button to begin.</source>
        <translation>Escolha os padrões rítmicos; depois clique no botão verde “Nova questão” para começar.</translation>
    </message>
    <message>
        <source>%1 The quiz is still running and its results are kept: press the answer button again to save them, or choose Quiz Mode &gt; Off to stop the quiz.</source>
        <translation>%1 A prova continua em andamento e seus resultados foram mantidos: clique de novo no botão de resposta para salvá-los, ou escolha Modo prova &gt; Desligado para encerrar a prova.</translation>
    </message>
    <message>
        <source>END OF QUIZ. Do you wish to review scores?</source>
        <translation>FIM DA PROVA. Deseja rever as pontuações?</translation>
    </message>
    <message>
        <source>Save Scores to Floppy disk in A Drive?</source>
        <translation>Salvar as pontuações no disquete da unidade A?</translation>
    </message>
    <message>
        <source>Put floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded.</source>
        <translation>Coloque o disquete na unidade A. Se o disco NÃO estiver na unidade, a pontuação NÃO será gravada.</translation>
    </message>
    <message>
        <source>Tap the Rhythm</source>
        <translation>Bater o ritmo</translation>
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
        <translation>Beatwise, o treinador auditivo de ritmo.

Ouça uma sequência de sete padrões rítmicos de um tempo, emoldurada por uma contagem de dois tempos e um tempo final; depois reconstrua-a com os botões de padrões e confira-a tempo a tempo.

Níveis de 3 a 15 padrões em compasso simples e de 3 a 7 em compasso composto, andamento de 30 a 96 batidas por minuto, avanço automático e provas que guardam os resultados de cada aluno num arquivo de pontuações.

Som: o sintetizador General MIDI integrado.
Notação musical: Bravura, SIL Open Font License</translation>
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
        <translation>Nova questão</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontuação:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Questões:</translation>
    </message>
    <message>
        <source>Av. Hearings:</source>
        <translation>Média ouv.:</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Zerar pontuação</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>Metronome</source>
        <translation>Metrônomo</translation>
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
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Rhythm Patterns</source>
        <translation>Padrões rítmicos</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Compound</source>
        <translation>Composto</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 padrões</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanço</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Avanço automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Desligar todas as notas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Tópicos da ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Tap the Rhythm</source>
        <translation>Bater o ritmo</translation>
    </message>
    <message>
        <source>Tapping</source>
        <translation>Batidas</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>The MIDI input &quot;%1&quot; is no longer connected: taps come from the space bar and the microphone. Choose Midi &gt; Inputs to use another one.</source>
        <translation>A entrada MIDI “%1” não está mais conectada: as batidas vêm da barra de espaço e do microfone. Escolha Midi &gt; Entradas para usar outra.</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
</context>
<context>
    <name>TapStrip</name>
    <message>
        <source>Taps in time: %1, early: %2, late: %3, extra: %4; notes not tapped: %5</source>
        <translation>Batidas no tempo: %1, adiantadas: %2, atrasadas: %3, a mais: %4; notas sem batida: %5</translation>
    </message>
</context>
</TS>
