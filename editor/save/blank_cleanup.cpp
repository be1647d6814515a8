#include "editor/save/blank_cleanup.h"

namespace rivetbench::save {

void RemoveBlankKeys(config::ProfileDocument& doc) {
    // Name lists are snapshots, so deletions made during the walk do not disturb it.
    for (const std::string& section : doc.readSections())
        for (const std::string& key : doc.readSection(section))
            if (doc.readString(section, key).empty()) doc.deleteKey(section, key);
}

void RemoveBlankSections(config::ProfileDocument& doc) {
    for (const std::string& section : doc.readSections())
        if (doc.readSection(section).empty()) doc.eraseSection(section);
}

} // namespace rivetbench::save
