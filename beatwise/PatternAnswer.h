#pragma once

// A beat the student gives as an answer: the rhythm pattern entered at the answer row's entry
// point, as a click on the pattern's button would enter it. Beats tapped in time become such
// answers once the taps have been written as the level's patterns.
struct PatternAnswer {
    int pattern = 0; // 0 .. 14, in the order of the buttons q w u o l s k m j i h y n b r
};
