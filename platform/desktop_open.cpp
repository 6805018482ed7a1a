// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/desktop_open.h"

#include <gio/gio.h>

namespace ringfeld {

bool MitDesktopOeffnen(const std::string& path) {
    // g_app_info_launch_default_for_uri does what `gio open` does: the
    // default handler of the file's content type, and the OpenURI portal when
    // that fails inside a sandbox.
    GFile* file = g_file_new_for_path(path.c_str());
    gchar* uri = g_file_get_uri(file);
    GError* error = nullptr;
    const gboolean launched = g_app_info_launch_default_for_uri(uri, nullptr, &error);
    if (error) g_error_free(error);
    g_free(uri);
    g_object_unref(file);
    return launched;
}

}  // namespace ringfeld
