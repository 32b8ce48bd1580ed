// What the command line asks for, before any window: a game directory to
// work in, the check of that directory, the usage or the version.
//
//   ringvald-config [GAME_DIR]          the editor, in GAME_DIR
//   ringvald-config --check [GAME_DIR]  findings on stdout, no display
//   ringvald-config --help | --version
#pragma once

// what RunCommandLine returns when the editor is to start: in GAME_DIR,
// which is now the working directory, or with no GAME_DIR named
const int startEditor = -1, startEditorUnnamed = -2;

// Handles everything but the editor itself. Returns startEditor or
// startEditorUnnamed when the editor is to start, otherwise the exit
// status: 0 done, 1 the check found something, 2 the command line or the
// game directory is unusable.
int RunCommandLine(int argc, char** argv);
