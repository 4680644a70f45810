// The process's command line in the program's Windows form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// Every argument, argument 0 included. Outside Windows each "/" becomes "\",
// so that paths look as they would inside the Wine prefix.
std::vector<std::string> platform_command_line(int argc, char** argv);

// Switches off the system's own error boxes (crash and assertion dialogs), so
// that a test can never hang on a window nobody sees. Tests and fuzz
// targets call it; the program keeps the system's own boxes.
void platform_disable_error_dialogs();

// Readies the process for a console nobody reads and for interrupts, once at
// start: a console or pipe that goes away never ends the process (the failed
// write is reported to the writer instead of a broken-pipe signal); an
// interrupt (Ctrl+C, SIGTERM or SIGHUP; on Windows Ctrl+C, Ctrl+Break or
// closing the console window) first removes the file named by
// set_interrupt_file, then ends the process as the interrupt would have.
void platform_guard_process();

// The program's own file (a Windows-form path) that an interrupt removes:
// one at a time; an empty path names none.
void set_interrupt_file(std::string_view path);

// Between hold and release an interrupt waits, so that creating a file and
// naming it, or renaming it and forgetting it, are one step for an interrupt.
// Not nested.
void hold_interrupts();
void release_interrupts();

}  // namespace tarvel
