#pragma once

namespace lumtrak::platform {

// Makes sure that standard input, output and error are open, so that no file
// the program opens later takes the place of a closed one and receives what is
// meant for standard output. A closed one is opened on /dev/null for reading
// only: reading it finds nothing, and writing it fails as it would when closed.
void ReserveStandardStreams();

}  // namespace lumtrak::platform
