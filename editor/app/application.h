#pragma once

namespace rivetbench::app {

// The program: single-instance guard, administrator test, splash, main window, message loop.
int runRivetbench(int argc, char** argv);

} // namespace rivetbench::app
