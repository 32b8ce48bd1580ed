// What the command line asks for, before any window: a game directory to
// work in, the check of that directory, the usage or the version.
//
//   ringvald-config [GAME_DIR]          the editor, in GAME_DIR
//   ringvald-config --check [GAME_DIR]  findings on stdout, no display
//   ringvald-config --help | --version
#pragma once

// Handles everything but the editor itself. Returns -1 when the editor is
// to start (in the game directory, which is now the working directory),
// otherwise the exit status: 0 done, 1 the check found something, 2 the
// command line or the game directory is unusable.
int RunCommandLine(int argc, char** argv);
