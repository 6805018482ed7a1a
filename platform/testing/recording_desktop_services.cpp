// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "testing/recording_desktop_services.h"

#include <algorithm>

namespace ringfeld {

std::string RecordingDesktopServices::readSetting(std::string_view section, std::string_view key,
                                                  std::string_view defaultValue) {
    if (readFailure) throw std::runtime_error(*readFailure);
    auto it = settings.find({std::string(section), std::string(key)});
    return it == settings.end() ? std::string(defaultValue) : it->second;
}

bool RecordingDesktopServices::writeSetting(std::string_view section, std::string_view key, std::string_view value) {
    if (settingsUnwritable) return false;
    settings[{std::string(section), std::string(key)}] = std::string(value);
    return true;
}

bool RecordingDesktopServices::fileExists(const std::string& path) const {
    return std::find(existingFiles.begin(), existingFiles.end(), path) != existingFiles.end();
}

std::optional<std::string> RecordingDesktopServices::storedSetting(const std::string& section,
                                                                   const std::string& key) const {
    auto it = settings.find({section, key});
    if (it == settings.end()) return std::nullopt;
    return it->second;
}

}  // namespace ringfeld
