#pragma once

#include "app/Project.h"

// What the program is told when it starts: its names, its locale, its thread.
namespace quorvex {

struct ProjectSettings {
    // Every message box carries this title.
    const char* applicationTitle = project::title;
    // How the desktop knows the game: its menu entry, icon, metadata and running window.
    const char* applicationId = project::applicationId;
    int localeId = 1033; // English, United States
};

} // namespace quorvex
