// Time since the process started, from the kernel's record of its start.
#pragma once

// Milliseconds since the process started, or -1 when unknown. The kernel
// keeps the start in clock ticks (usually 10 ms), so the figure can be up to
// one tick high.
double ProcessAgeMs();
// Peak resident memory (VmHWM) in kB, or -1.
long PeakRssKb();
