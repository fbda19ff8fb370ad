#pragma once

// The two meters of the rhythm trainer: a quarter-note beat divided into sixteenths (simple) or a
// dotted-quarter beat divided into eighths (compound).
enum class Meter { Simple, Compound };
