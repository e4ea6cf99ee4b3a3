#pragma once

// COM on the program's one thread, started at its first use: the file and
// print dialogs, the shell and picture decoding want it, and starting it
// before the window shows would load ole32 and its kin for nothing.
void useCom();
// Ends it again, if it was started.
void endCom();
