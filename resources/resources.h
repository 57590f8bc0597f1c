#pragma once
// The pictures compiled into the program, addressed as ":/velmora/<name>".

namespace velmora::resources {

// Registers the pictures; a static library's resources need it before first use.
void initialise();

} // namespace velmora::resources
