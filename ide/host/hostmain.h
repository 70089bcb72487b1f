#pragma once

namespace idehost {

// The program: parses --script FILE and --package PATH, shows the host
// and runs the script or the event loop.
int HostMain(int argc, char** argv);

} // namespace idehost
