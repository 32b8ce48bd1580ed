// Whether the working directory is a game folder at all, before anything
// is read or written there: started from a desktop's menu, the editor's
// working directory is the user's home, where closing would otherwise leave
// a config.txt behind.
#pragma once

// True when it holds a config.txt, the game or a Data folder, each found
// as the game finds its files (in any letter case).
bool LooksLikeGameFolder();
