#pragma once

#include <filesystem>

namespace rivetbench::app {

// The bundled sample aircraft, copied once into dataFolder/"Sample Aircraft" so that a new user
// sees a full aircraft at once; the copy is the user's to edit. Returns the folder, or empty when
// it cannot be made.
std::filesystem::path sampleAircraftFolder(const std::filesystem::path& dataFolder);

} // namespace rivetbench::app
