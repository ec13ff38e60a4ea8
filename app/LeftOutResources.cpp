// The browser build: every byte it links is downloaded. Qt's static libraries register two
// resources the game never shows, the platform's fallback faces (about 1 MB; the game carries
// every face it draws with) and the styles' standard icons (350 KB of PNGs, for file dialogs and
// message box icons). Registering nothing in their stead keeps the linker from taking their
// data out of Qt's archives.

int qInitResources_wasmfonts();
int qInitResources_qstyle();

int qInitResources_wasmfonts() {
    return 1;
}

int qInitResources_qstyle() {
    return 1;
}
