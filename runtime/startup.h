// Start-up and the two ends of the program.
#pragma once

// Runs the program's main block.  Gives the exit code: 0 when the block
// returns, 1 after an error that left it has been reported.
int RunProgram(void (*main_block)());
