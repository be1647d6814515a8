#pragma once

#include "editor/config/profile_document.h"

namespace rivetbench::save {

// Deletes every key whose value reads as empty, in every section of the file, known or not.
void RemoveBlankKeys(config::ProfileDocument& doc);
// Erases every section left without a key, comment lines in it included.
void RemoveBlankSections(config::ProfileDocument& doc);

} // namespace rivetbench::save
