#pragma once

#include <string_view>

namespace rivetbench::save::messages {

inline constexpr std::string_view kLoadFirst = "Please load an Aircraft.Cfg file first.";
inline constexpr std::string_view kConfirmSave = "Save changes to this Aircraft.Cfg?\r\n\r\nA restoreable "
                                                 "backup will be created\r\n(aircraft.tab) if none "
                                                 "already exists.";
inline constexpr std::string_view kSavedWithBackup =
    "The Aircraft.Cfg file has been saved.\r\n\r\n(Original backed up as 'aircraft.tab')";
inline constexpr std::string_view kSavedNoBackup =
    "The Aircraft.Cfg file has been saved.\r\n\r\n(No backup made - it already exists)";
inline constexpr std::string_view kRestoreQuestionHead =
    "A backup of the original was found for this aircraft config:\r\n\r\nFirst listed title  - ";
inline constexpr std::string_view kRestoreQuestionPath = "\r\nFull path to file - ";
inline constexpr std::string_view kRestoreQuestionTail = "\r\n\r\nWould you like to restore it?";
inline constexpr std::string_view kRestored = "The original Aircraft.Cfg file has been restored.";
inline constexpr std::string_view kNoBackup =
    "No backup found! This Aircraft.Cfg has not yet been edited by Rivetbench.";

} // namespace rivetbench::save::messages
