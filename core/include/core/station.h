// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The station a safety report is made for: who transmits, where, and where the
// antenna stands, as typed (kept in the settings, printed where filled). One table
// names each field's key for the settings and files; the captions are in the text
// catalogue, in the same order.

#include <array>
#include <string>
#include <string_view>

namespace ringfeld::exposure {

struct Station {
    std::string callsign{};  // "DL1ABC"
    std::string site{};      // the address or locator of the station
    std::string position{};  // where the antenna stands: "garden, 6 m from the house"
    std::string height{};    // the antenna's height above ground, m, as typed
    std::string note{};      // the operator's note
};

struct StationField {
    std::string Station::*text;
    std::string_view key;  // language-independent, for the settings and files
};
inline constexpr std::array<StationField, 5> kStationFields{{
    {&Station::callsign, "callsign"},
    {&Station::site, "site"},
    {&Station::position, "antenna_position"},
    {&Station::height, "antenna_height_m"},
    {&Station::note, "note"},
}};

// Whether any field is filled (blanks alone do not count): the report prints the station then.
inline bool StationFilled(const Station& station) {
    for (const StationField& f : kStationFields)
        if ((station.*f.text).find_first_not_of(" \t") != std::string::npos) return true;
    return false;
}

}  // namespace ringfeld::exposure
