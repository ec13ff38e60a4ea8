#pragma once

// What the program is told when it starts: its names, its locale, its thread.
namespace quorvex {

struct ProjectSettings {
    const char* projectName = "Project1";
    const char* internalName = "Quorvex 2.0";
    const char* productName = "quorvex";
    // Every message box carries this title.
    const char* applicationTitle = "Quorvex 2.0";
    // How the desktop knows the game: its menu entry, icon, metadata and running window.
    const char* applicationId = "org.example.quorvex";
    int localeId = 1033; // English, United States
};

} // namespace quorvex
