#include "editor/config/aircraft_folder.h"

#include "editor/config/cfg_reader.h"
#include "editor/config/file_io.h"

namespace rivetbench::config {
namespace fs = std::filesystem;

namespace {

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

} // namespace

std::string originalMark(const fs::path& folder) {
    return present(folder / kBackupFileName) ? "(N)" : "(Y)";
}

FolderStatus openAircraftFolder(const fs::path& folder, const fs::path& programFolder, AircraftModel& model,
                                std::string_view cfgName, ProfileDocument* document) {
    FolderStatus st;
    model.clear();
    st.folder = folder;
    st.cfgPath = folder / cfgName;

    ProfileDocument doc;
    if (present(st.cfgPath)) {
        FileRead file = readFileBytes(st.cfgPath);
        if (file.ok) {
            st.found = true;
            doc = ProfileDocument::fromBytes(file.bytes);
            st.encoding = doc.encoding();
        } else {
            st.readError = file.error;
        }
    }
    ReadCfg(doc, model);
    if (document) *document = doc;

    if (st.found) {
        const std::string& sim = model.record(0).values[6];
        st.cfgPathLabel = st.cfgPath.string();
        st.title = " " + model.record(0).values[0];
        st.manufacturer = " " + model.record(0).values[2];
        st.airFile = " " + sim + (sim.empty() ? "" : ".AIR");
    } else {
        st.cfgPathLabel = st.readError.empty() ? std::string(kMissingCfgMessage) : st.readError;
    }
    st.versionNumber = model.versionNumberLabel();
    st.variations = st.found ? st.versionNumber : "(-)";
    st.original = st.found ? originalMark(folder) : "(-)";
    st.kbx = present(folder / kKbxFileName);
    const fs::path own = folder / "texture" / "thumbnail.jpg";
    st.thumbnail = isFile(own) ? own : programFolder / "images" / "thumbnail.jpg";
    return st;
}

} // namespace rivetbench::config
